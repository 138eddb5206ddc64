// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataTool.h"

#include "FareBytes.h"
#include "ToolRun.h"
#include "formats/DataIo.h"
#include "formats/FareCsv.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "settings/SettingsFile.h"
#include "tools/ToolFiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

using testing::Run;
using testing::runTool;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file in a folder, hidden ones too, with its bytes.
QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> all;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        all.insert(name, readAll(QDir(folder).filePath(name)));
    return all;
}

} // namespace

class tst_DataTool : public QObject
{
    Q_OBJECT

private slots:
    void dumpThenHy3GivesTheSameBytes_data();
    void dumpThenHy3GivesTheSameBytes();
    void dumpWritesTheCsvLayout();
    void hy3SaysWhatTheCsvReaderFound_data();
    void hy3SaysWhatTheCsvReaderFound();
    void dumpRefusesDamagedFiles_data();
    void dumpRefusesDamagedFiles();
    void hy3FailureLeavesNoOrUnchangedOutput();
    void checkReportsOneLinePerProblem_data();
    void checkReportsOneLinePerProblem();
    void checkIsSilentForValidFilesAndHandlesSeveral();
    void usageErrorsExitWithTwo_data();
    void usageErrorsExitWithTwo();
    void helpExplainsEveryCommand();
    void oversizedFilesAreRefusedUnread_data();
    void oversizedFilesAreRefusedUnread();
    void devicesAndPipesAreRefusedAtOnce_data();
    void devicesAndPipesAreRefusedAtOnce();
    void filesWrittenTogetherOrNotAtAll_data();
    void filesWrittenTogetherOrNotAtAll();
    void userTextNeverFillsAPlaceholder_data();
    void userTextNeverFillsAPlaceholder();
    void checkNotesTicketNumbersThePanelCannotShow_data();
    void checkNotesTicketNumbersThePanelCannotShow();
    void checkNotesFaresCutToThreeDigits_data();
    void checkNotesFaresCutToThreeDigits();
    void checkNotesASettingsColumnAmongTheFares_data();
    void checkNotesASettingsColumnAmongTheFares();
    void checkNotesStopNamesReadOneKanjiAtATime_data();
    void checkNotesStopNamesReadOneKanjiAtATime();
    void demoSettingsKeepTheirCommentsWhenBuilt();

private:
    QTemporaryDir dir_;
};

void tst_DataTool::dumpThenHy3GivesTheSameBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    using testing::StopBytes;
    QTest::newRow("numbered route") << testing::routeBytes(30);
    QTest::newRow("301 stops") << testing::routeBytes(301);
    QTest::newRow("special names and extremes")
        << testing::fareFileBytes(3, {StopBytes{{}, 0, {-1, 32767, -32768}},
                                      StopBytes{QByteArray("\x87\x40\x87\x8D\xFB\xFC"), 1, {230}},
                                      StopBytes{QByteArray("A,\"B\" \xB6\xDE"), -5, {}}});
    QTest::newRow("no stops") << testing::routeBytes(0);
}

void tst_DataTool::dumpThenHy3GivesTheSameBytes()
{
    QFETCH(QByteArray, bytes);
    const QString in = dir_.filePath("in.hy3");
    const QString csv = dir_.filePath("mid.csv");
    const QString out = dir_.filePath("out.hy3");
    QVERIFY(testing::writeFile(in, bytes));
    const Run dump = runTool({"dump", in});
    QCOMPARE(dump.status, 0);
    QVERIFY(testing::writeFile(csv, dump.out.toUtf8()));
    const Run back = runTool({"hy3", csv, out});
    QCOMPARE(back.status, 0);
    QCOMPARE(readAll(out), bytes);
}

void tst_DataTool::dumpWritesTheCsvLayout()
{
    const QString in = dir_.filePath("layout.hy3");
    QVERIFY(testing::writeFile(in, testing::fareFileBytes(1, {testing::StopBytes{QByteArray("\x89\x77,"), 4, {-1}}})));
    const Run r = runTool({"dump", in});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n');
    QCOMPARE(lines.size(), 3); // header, one record, nothing after the last "\n"
    QVERIFY(lines[0].startsWith("Chimei,SeirikenNo,Col1,Col2,"));
    QVERIFY(lines[0].endsWith(",Col149,Col150"));
    QVERIFY(lines[1].startsWith(QStringLiteral("\"駅,\",4,-1,0,")));
    QCOMPARE(lines[1].count(u','), 152);
    QVERIFY(lines[2].isEmpty());
    QVERIFY(!r.out.contains(u'\r'));
}

void tst_DataTool::hy3SaysWhatTheCsvReaderFound_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("says"); // a whole line of what hy3 says; "@" the CSV

    QTest::newRow("a column twice") << QByteArray("Chimei,Col1,Col1\n駅,1,2\n")
                                    << QStringLiteral("@: line 1: 見出しに列「Col1」が2回あります。");
    QTest::newRow("a name with a tab") << QByteArray("Chimei\n\"駅\t前\"\n")
                                       << QStringLiteral("@: line 2: 停留所名に制御文字（タブ）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。");
    QTest::newRow("not UTF-8") << QByteArray("Chimei\n\x89\x77\n")
                               << QStringLiteral("@: line 2: UTF-8 として読めない文字があります（Shift-JIS の CSV は「CSV UTF-8」形式で保存し直してください）。");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("@: CSV が空です（1行目に見出し「Chimei,SeirikenNo,Col1,…,Col150」が必要です）。");
    QTest::newRow("columns left out") << QByteArray("Chimei,Col2\n駅,1\n駅,1\n")
                                      << QStringLiteral("@: line 1: 見出しにない150列（SeirikenNo、Col1、Col3～Col150）はすべての停留所で 0 として読みました。");
    QTest::newRow("blank cells") << QByteArray("Chimei,SeirikenNo\n駅,1\n駅,\n")
                                 << QStringLiteral("@: line 3: 空のセルを 0 として読みました（全部で1個、最初はこの行の SeirikenNo。列の足りない行の残りの列も空のセルとして数えています）。");
}

// The words of the CSV reader's outcomes, as the command prints them.
void tst_DataTool::hy3SaysWhatTheCsvReaderFound()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, says);
    const QString in = dir_.filePath("said.csv");
    QVERIFY(testing::writeFile(in, csv));
    const Run r = runTool({"hy3", in, dir_.filePath("said.hy3")});
    QVERIFY2(r.err.split(u'\n').contains(says.replace(u'@', in)), qPrintable(r.err));
}

void tst_DataTool::dumpRefusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("cut in record 3") << testing::routeBytes(3).chopped(5) << "record 3";
    QTest::newRow("negative count") << testing::routeBytes(1, -1) << "-1";
    QTest::newRow("more than 301") << testing::routeBytes(302) << "302";
    QTest::newRow("one byte") << QByteArray("\x01") << QStringLiteral("件数");
    QTest::newRow("name not shift-jis")
        << testing::fareFileBytes(2, {testing::StopBytes{"A", 1, {}}, testing::StopBytes{QByteArray("\x83\x6F\x80"), 2, {}}})
        << "record 2";
}

void tst_DataTool::dumpRefusesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mentions);
    const QString in = dir_.filePath("damaged.hy3");
    QVERIFY(testing::writeFile(in, bytes));
    const Run r = runTool({"dump", in});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(mentions), qPrintable(r.err));
}

void tst_DataTool::hy3FailureLeavesNoOrUnchangedOutput()
{
    QTemporaryDir work;
    const QString csv = work.filePath("bad.csv");
    QVERIFY(testing::writeFile(csv, "Chimei,Fare\n駅,1\n"));
    const QString fresh = work.filePath("fresh.hy3");
    const QString existing = work.filePath("existing.hy3");
    QVERIFY(testing::writeFile(existing, testing::routeBytes(2)));

    const Run r1 = runTool({"hy3", csv, fresh});
    QCOMPARE(r1.status, 1);
    QVERIFY(r1.err.contains("line 1"));
    QVERIFY(!QFile::exists(fresh));

    const Run r2 = runTool({"hy3", csv, existing});
    QCOMPARE(r2.status, 1);
    QCOMPARE(readAll(existing), testing::routeBytes(2));

    const Run r3 = runTool({"hy3", work.filePath("missing.csv"), fresh});
    QCOMPARE(r3.status, 1);
    QVERIFY(!QFile::exists(fresh));

    // Nothing but the files the test wrote: no temporary leftovers.
    QCOMPARE(QDir(work.path()).entryList(QDir::Files).size(), 2);
}

void tst_DataTool::checkReportsOneLinePerProblem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("mentions"); // one entry per expected line
    using testing::StopBytes;
    QTest::newRow("count 0") << testing::routeBytes(0) << QStringList{QStringLiteral("0")};
    QTest::newRow("negative count") << testing::routeBytes(0, -3) << QStringList{"-3"};
    QTest::newRow("single stop") << testing::routeBytes(1) << QStringList{QStringLiteral("1件")};
    QTest::newRow("count 302") << testing::routeBytes(302) << QStringList{"302"};
    QTest::newRow("cut in record 2") << testing::routeBytes(2).chopped(1) << QStringList{"record 2:"};
    QTest::newRow("count above the records") << testing::routeBytes(3, 5) << QStringList{"record 4:"};
    QTest::newRow("two bad names")
        << testing::fareFileBytes(3, {StopBytes{QByteArray("\x85\x40"), 1, {}}, StopBytes{"ok", 2, {}},
                                      StopBytes{QByteArray("A\x81"), 3, {}}})
        << QStringList{"record 1:", "record 3:"};
    QTest::newRow("data after the last stop") << testing::routeBytes(4, 2) << QStringList{QStringLiteral("余分")};
    QTest::newRow("empty file") << QByteArray("") << QStringList{QStringLiteral("件数")};
}

void tst_DataTool::checkReportsOneLinePerProblem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, mentions);
    const QString path = dir_.filePath("check.hy3");
    QVERIFY(testing::writeFile(path, bytes));
    const Run r = runTool({"check", path});
    QCOMPARE(r.status, 1);
    const QStringList lines = r.out.trimmed().split(u'\n');
    QCOMPARE(lines.size(), mentions.size());
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines[i].startsWith(path + ": "), qPrintable(lines[i]));
        QVERIFY2(lines[i].contains(mentions[i]), qPrintable(lines[i]));
    }
}

void tst_DataTool::checkIsSilentForValidFilesAndHandlesSeveral()
{
    const QString good = dir_.filePath("good.hy3");
    const QString bad = dir_.filePath("bad.hy3");
    QVERIFY(testing::writeFile(good, testing::routeBytes(25)));
    QVERIFY(testing::writeFile(bad, testing::routeBytes(0)));

    const Run ok = runTool({"check", good});
    QCOMPARE(ok.status, 0);
    QVERIFY(ok.out.isEmpty());

    const Run mixed = runTool({"check", good, bad, dir_.filePath("nowhere.hy3")});
    QCOMPARE(mixed.status, 1);
    const QStringList lines = mixed.out.trimmed().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(bad + ": "));
    QVERIFY(lines[1].startsWith(dir_.filePath("nowhere.hy3") + ": "));
}

void tst_DataTool::usageErrorsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
    QTest::newRow("dump without file") << QStringList{"dump"};
    QTest::newRow("hy3 with one file") << QStringList{"hy3", "a.csv"};
    QTest::newRow("check without file") << QStringList{"check"};
}

void tst_DataTool::usageErrorsExitWithTwo()
{
    QFETCH(QStringList, args);
    const Run r = runTool(args);
    QCOMPARE(r.status, 2);
    QVERIFY(!r.err.isEmpty());
}

void tst_DataTool::helpExplainsEveryCommand()
{
    const Run r = runTool({"--help"});
    QCOMPARE(r.status, 0);
    for (const char *command : {"dump FILE.hy3", "dump FILEtp.csv", "hy3 IN.csv OUT.hy3", "check FILE.hy3", "say [--reading] [--phonemes] [--dict FILE]... TEXT [OUT.wav]"})
        QVERIFY2(r.out.contains(QLatin1String(command)), command);
    QCOMPARE(runTool({"dump", "--help"}).out, r.out);
}

void tst_DataTool::oversizedFilesAreRefusedUnread_data()
{
    QTest::addColumn<QStringList>("args"); // "@" the input, "#" an output
    QTest::addColumn<QString>("name");     // of the input
    QTest::addColumn<qint64>("size");      // of the input
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");

    const QStringList hy3{"hy3", "@", "#"};
    QTest::newRow("fare CSV larger than any") << hy3 << "big.csv" << farecsv::kMaxCsvBytes + 1 << 1
                                              << QStringLiteral("CSV は 64 MiB まで");
    QTest::newRow("fare data larger than any, checked") << QStringList{"check", "@"} << "big.hy3" << kMaxFareFileBytes + 1 << 1
                                                        << QStringLiteral("運賃データ(.hy3)は 18.9 MiB まで");
    QTest::newRow("announcements larger than any") << QStringList{"dump", "@"} << "8tp.csv" << kMaxTapeFileBytes + 1 << 1
                                                   << QStringLiteral("放送用データは 4 MiB まで");
    QTest::newRow("settings file larger than any")
        << QStringList{"check", "@"} << "big.in4" << qint64(settingsfile::maxFileBytes()) + 1 << 1
        << QStringLiteral("設定ファイル(.in4)は");
    QTest::newRow("reading dictionary larger than any, passed over")
        << QStringList{"say", "--reading", "--dict", "@", QStringLiteral("駅")} << "yomi.csv" << (qint64(4) << 20) + 1 << 0
        << QStringLiteral("読み辞書は 4 MiB まで");
}

void tst_DataTool::oversizedFilesAreRefusedUnread()
{
    QFETCH(QStringList, args);
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QTemporaryDir work;
    const QString input = work.filePath(name);
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    const QString output = work.filePath("out");
    args.replaceInStrings(QRegularExpression("^@$"), input);
    args.replaceInStrings(QRegularExpression("^#$"), output);
    const Run r = runTool(args);
    QTEST(r.status, "status");
    QFETCH(QString, says);
    QVERIFY2((r.out + r.err).contains(input + QStringLiteral(": ファイルが大きすぎます。")), qPrintable(r.out + r.err));
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    QVERIFY(!QFile::exists(output));
}

void tst_DataTool::devicesAndPipesAreRefusedAtOnce_data()
{
    QTest::addColumn<QStringList>("args"); // "%" the folder of this test, "@" the pipe or device
    QTest::addColumn<QString>("pipe");     // made in the folder, as "@"; empty: "@" is /dev/zero
    QTest::addColumn<int>("status");

    const QString gtfs = QStringLiteral(KERUBARA_EXAMPLES_DIR "/gtfs");
    QTest::newRow("a pipe as the feed") << QStringList{"gtfs", "@", "--route", "R1", "%/out"} << "feed.zip" << 1;
    QTest::newRow("a device as the feed") << QStringList{"gtfs", "@", "--route", "R1", "%/out"} << QString() << 1;
    QTest::newRow("a pipe as a file of the feed") << QStringList{"gtfs", "%", "--route", "R1", "%/out"} << "stops.txt" << 1;
    QTest::newRow("a pipe as yomi.csv in the output folder")
        << QStringList{"gtfs", gtfs, "--route", "R1", "--chimes", "%", "%"} << "yomi.csv" << 1;
    QTest::newRow("a pipe as the fare CSV") << QStringList{"hy3", "@", "%/7.hy3"} << "7.csv" << 1;
    QTest::newRow("a device as the fare CSV") << QStringList{"hy3", "@", "%/7.hy3"} << QString() << 1;
    QTest::newRow("a pipe as fare data") << QStringList{"dump", "@"} << "7.hy3" << 1;
    QTest::newRow("a pipe as announcements") << QStringList{"dump", "@"} << "7tp.csv" << 1;
    QTest::newRow("a pipe as a settings file") << QStringList{"check", "@"} << "route.in4" << 1;
    QTest::newRow("a device as a settings text") << QStringList{"in4", "@", "%/out.in4"} << QString() << 1;
    QTest::newRow("a pipe as a ticket plug-in") << QStringList{"plugin", "@"} << "a.4SP" << 1;
    QTest::newRow("a pipe as a reading dictionary")
        << QStringList{"say", "--reading", "--dict", "@", QStringLiteral("駅")} << "yomi.csv" << 1;
}

// A named pipe would keep the command waiting for a writer, a device reading
// for ever: each is refused as it is found, naming it. The command runs as a
// process of its own, so that one that waits fails instead of hanging.
void tst_DataTool::devicesAndPipesAreRefusedAtOnce()
{
    QFETCH(QStringList, args);
    QFETCH(QString, pipe);
    QTemporaryDir work;
    if (pipe == u"stops.txt") { // the example feed with a pipe for one of its files
        for (const QString &name : QDir(KERUBARA_EXAMPLES_DIR "/gtfs").entryList(QDir::Files))
            QVERIFY(QFile::copy(KERUBARA_EXAMPLES_DIR "/gtfs/" + name, work.filePath(name)));
        QVERIFY(QFile::remove(work.filePath(pipe)));
    }
    const QString named = pipe.isEmpty() ? QStringLiteral("/dev/zero") : work.filePath(pipe);
    QVERIFY(pipe.isEmpty() || ::mkfifo(QFile::encodeName(named).constData(), 0600) == 0);
    args.replaceInStrings(QRegularExpression("^@$"), named);
    args.replaceInStrings(QRegularExpression("^%"), work.path());

    QProcess tool;
    tool.start(QStringLiteral(KERUBARA_DATA_PROGRAM), args);
    if (!tool.waitForFinished(20000)) {
        tool.kill();
        tool.waitForFinished();
        QFAIL("the command is still reading or waiting");
    }
    QTEST(tool.exitCode(), "status");
    const QString said = QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    QVERIFY2(said.contains(named + QStringLiteral(": 通常のファイルではありません")), qPrintable(said));
}

void tst_DataTool::filesWrittenTogetherOrNotAtAll_data()
{
    QTest::addColumn<QList<bool>>("existing"); // which of the four files are there before
    QTest::addColumn<int>("failing");          // the file that cannot be put in place, -1 none

    QTest::newRow("all four replaced") << QList<bool>{true, true, false, true} << -1;
    QTest::newRow("the last fails: the three before are put back") << QList<bool>{true, true, true, true} << 3;
    QTest::newRow("the third fails: a new first one goes again") << QList<bool>{false, true, true, false} << 2;
}

// Files written together are all new, or the folder is as it was: the files
// already replaced when one fails get their old contents back.
void tst_DataTool::filesWrittenTogetherOrNotAtAll()
{
    QFETCH(QList<bool>, existing);
    QFETCH(int, failing);
    QTemporaryDir work;
    std::vector<datatool::OutputFile> files;
    for (int i = 0; i < 4; ++i) {
        files.push_back({work.filePath(QStringLiteral("file%1").arg(i)), "new " + QByteArray::number(i)});
        if (existing[i])
            QVERIFY(testing::writeFile(files.back().path, "old " + QByteArray::number(i)));
    }
    const auto before = folderContents(work.path());
    QString said;
    QTextStream err(&said);
    const datatool::FilesWritten written = datatool::writeFilesTogether(files, err, [&](QSaveFile &file) {
        return (failing < 0 || file.fileName() != files[static_cast<std::size_t>(failing)].path) && file.commit();
    });
    err.flush();
    if (failing < 0) {
        QCOMPARE(written, datatool::FilesWritten::All);
        QCOMPARE(folderContents(work.path()), (QMap<QString, QByteArray>{{"file0", "new 0"}, {"file1", "new 1"}, {"file2", "new 2"}, {"file3", "new 3"}}));
        QVERIFY2(said.isEmpty(), qPrintable(said));
        return;
    }
    QCOMPARE(written, datatool::FilesWritten::None);
    QCOMPARE(folderContents(work.path()), before);
    QVERIFY2(said.startsWith(files[static_cast<std::size_t>(failing)].path + QStringLiteral(": 書き込みに失敗しました")), qPrintable(said));
}

void tst_DataTool::userTextNeverFillsAPlaceholder_data()
{
    QTest::addColumn<QString>("name");    // the file the command reads, in a folder of this test
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("args"); // "@" the file
    QTest::addColumn<QString>("says");     // "@" the file

    QTest::newRow("flag of an announcement")
        << "7tp.csv" << cp932::encode(u"あ,\"１%1\",0\r\n") << QStringList{"dump", "@"}
        << QStringLiteral("移動フラグ「１%1」に全角数字があります。全角数字は数字として読まれないため、0 として読み込まれます。");
    QTest::newRow("folder of a ticket plug-in") << "%1/bad.4SP" << QByteArray("[Plugin]\nnonsense\n")
                                                << QStringList{"plugin", "@"} << QStringLiteral("@: 2行目: 「キー=値」");
    QTest::newRow("folder of a reading dictionary")
        << "%1/yomi.csv" << QByteArray("駅\n") << QStringList{"say", "--reading", "--dict", "@", QStringLiteral("駅")}
        << QStringLiteral("@: 1行目: ");
}

void tst_DataTool::userTextNeverFillsAPlaceholder()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    QTemporaryDir work;
    const QString file = work.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(testing::writeFile(file, bytes));
    args.replaceInStrings(QRegularExpression("^@$"), file);
    const Run r = runTool(args);
    const QString expected = says.replace(u'@', file);
    QVERIFY2(r.err.contains(expected), qPrintable(r.err));
}

void tst_DataTool::checkNotesTicketNumbersThePanelCannotShow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("note"); // empty: none
    using testing::StopBytes;
    QTest::newRow("twelve stops") << testing::routeBytes(12) << QString();
    QTest::newRow("thirteen stops: the panel setting that shows 24")
        << testing::routeBytes(13)
        << QStringLiteral("注意: record 13: 整理券番号が12を超える停留所が1件あります（最大の整理券番号は13）。"
                          "既定の表示（1〜12）では13番以降の運賃が出ません。パネルの右クリックメニュー「表示する整理券番号」で"
                          "「1〜24」を選ぶと");
    QTest::newRow("ticket 60: beyond what any setting shows")
        << testing::fareFileBytes(2, {StopBytes{"A", 1, {}}, StopBytes{"B", 60, {}}})
        << QStringLiteral("注意: record 2: 整理券番号が12を超える停留所が1件あります（最大の整理券番号は60）。"
                          "運賃表示器に出せるのは整理券番号 1～48 の運賃までなので、49番以降");
    QTest::newRow("one stop above 12 between others")
        << testing::fareFileBytes(4, {StopBytes{"A", 1, {}}, StopBytes{"B", 20, {}}, StopBytes{"C", 3, {}}, StopBytes{"D", 14, {}}})
        << QStringLiteral("注意: record 2: 整理券番号が12を超える停留所が2件あります（最大の整理券番号は20）");
}

void tst_DataTool::checkNotesTicketNumbersThePanelCannotShow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, note);
    const QString path = dir_.filePath("tickets.hy3");
    QVERIFY(testing::writeFile(path, bytes));
    const Run r = runTool({"check", path});
    // A note, not a problem of the file.
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString());
    if (note.isEmpty())
        QVERIFY2(!r.err.contains(QStringLiteral("整理券番号が12を超える")), qPrintable(r.err));
    else
        QVERIFY2(r.err.startsWith(path + ": " + note), qPrintable(r.err));
}

void tst_DataTool::checkNotesFaresCutToThreeDigits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("notes");
    using testing::StopBytes;
    const QString remedy = QStringLiteral("パネルのメニュー「運賃の桁数」→ 4桁、または --fare-digits 4 で全桁が出ます。");
    QTest::newRow("499: 998 at night fits")
        << testing::fareFileBytes(2, {StopBytes{"A", 1, {}}, StopBytes{"B", 2, {499, -1}}}) << QStringList();
    QTest::newRow("500: 1000 at night")
        << testing::fareFileBytes(2, {StopBytes{"A", 1, {}}, StopBytes{"B", 2, {500}}})
        << QStringList{u"注意: record 2: 深夜料金（2倍）が4桁になる停留所が1件あります（「B」、整理券1、最高 深夜 1000円）。"
                       u"深夜料金は下3桁（000）しか出ません。"_s + remedy};
    QTest::newRow("1020 by day, stops and tickets named")
        << testing::fareFileBytes(5, {StopBytes{"A", 1, {}}, StopBytes{"B", 2, {1020}}, StopBytes{"C", 3, {1020, 990}},
                                      StopBytes{"D", 3, {1100, 1020, 600}}, StopBytes{"E", 0, {1100, 1020, 600}}})
        << QStringList{u"注意: record 2: 運賃が4桁の停留所が4件あります（「B」「C」「D」など、整理券1～2、最高 1100円）。"
                       u"運賃表示器の3桁の運賃には下3桁（100）しか出ません。"_s + remedy,
                       u"注意: record 2: 深夜料金（2倍）が4桁になる停留所が4件あります（「B」「C」「D」など、整理券1～3、最高 深夜 2200円）。"
                       u"深夜料金は下3桁（200）しか出ません。"_s + remedy};
    // The fare table's layout: falls, gaps and ticket numbers out of order.
    QTest::newRow("a fall, a gap and a ticket number going back")
        << testing::fareFileBytes(4, {StopBytes{"A", 1, {}}, StopBytes{"B", 2, {200}}, StopBytes{"C", 3, {150, -1}},
                                      StopBytes{"D", 2, {160, 170}}})
        << QStringList{u"注意: record 3: 整理券1: 運賃 150 が record 2 の 200 より下がっています。"_s,
                       u"注意: record 3: 整理券2: 運賃が -1（運賃なし）です。整理券2 は record 2 で出ているので、ここで降りる人の運賃が要ります。"_s,
                       u"注意: record 4: 整理券番号: 整理券番号 2 が record 3 の 3 より小さくなっています（整理券番号は路線の順に増えます）。"_s};
}

// Fares the panel's three-digit cells cut are told, by day and at night,
// with the stops, the ticket numbers and the highest fare; they are notes,
// not faults of the file.
void tst_DataTool::checkNotesFaresCutToThreeDigits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, notes);
    const QString path = dir_.filePath("fares.hy3");
    QVERIFY(testing::writeFile(path, bytes));
    const Run r = runTool({"check", path});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString());
    QStringList expected;
    for (const QString &note : std::as_const(notes))
        expected << path + ": " + note;
    QCOMPARE(r.err.split(u'\n', Qt::SkipEmptyParts), expected);
}

void tst_DataTool::checkNotesASettingsColumnAmongTheFares_data()
{
    QTest::addColumn<int>("tickets"); // the route's highest ticket number
    QTest::addColumn<int>("flagColumn");
    QTest::addColumn<int>("dataColumn"); // 0: the data-column digit off
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("twelve tickets: column 13 is free") << 12 << 13 << 0 << QStringList{};
    QTest::newRow("20 tickets: the step sound's column 13 is a fare column")
        << 20 << 13 << 0 << QStringList{u"送り・戻し時のサウンドを決める列が 13 列目"_s};
    QTest::newRow("20 tickets: columns 149 and 150 are beyond the fares") << 20 << 150 << 149 << QStringList{};
    QTest::newRow("20 tickets: the data digit's column 20 too")
        << 20 << 150 << 20 << QStringList{u"情報用数字に出すデータの列が 20 列目"_s};
}

void tst_DataTool::checkNotesASettingsColumnAmongTheFares()
{
    QFETCH(int, tickets);
    QFETCH(int, flagColumn);
    QFETCH(int, dataColumn);
    QFETCH(QStringList, notes);
    using testing::StopBytes;
    const QString route = dir_.filePath("20.hy3");
    QVERIFY(testing::writeFile(route, testing::fareFileBytes(2, {StopBytes{"A", 1, {}},
                                                                   StopBytes{"B", static_cast<std::int16_t>(tickets), {}}})));
    SettingsRecords records = settingsfile::initialRecords(QDate(2026, 12, 7));
    records.SoundData.Option2 = {0, -1, 0, -1}; // the step sound by a column
    records.SoundData.Combo1 = static_cast<std::int16_t>(flagColumn - 1);
    records.DegitData.Check3[3] = dataColumn > 0 ? 1 : 0;
    records.DegitData.Combo4[4] = static_cast<std::int16_t>(std::max(dataColumn, 1) - 1);
    const QString settings = dir_.filePath("route.in4");
    QVERIFY(testing::writeFile(settings, settingsfile::bytes(records)));

    const Run r = runTool({"check", route, settings});
    for (const QString &note : notes)
        QVERIFY2(r.err.contains(settings + u": 注意: "_s + route + u" と合わせると、"_s + note), qPrintable(r.err));
    QCOMPARE(r.err.count(u" と合わせると、"_s), notes.size());
}

void tst_DataTool::demoSettingsKeepTheirCommentsWhenBuilt()
{
    auto comments = [](const QString &path) {
        QStringList lines;
        for (const QString &line : QString::fromUtf8(readAll(path)).split(u'\n'))
            if (line.startsWith(u'#'))
                lines << line;
        return lines;
    };
    const QStringList source = comments(QStringLiteral(KERUBARA_DEMO_SETTINGS_SOURCE));
    QVERIFY(!source.isEmpty());
    QCOMPARE(comments(QStringLiteral(KERUBARA_DEMO_SETTINGS_BUILT)), source);
}

void tst_DataTool::checkNotesStopNamesReadOneKanjiAtATime_data()
{
    QTest::addColumn<QByteArray>("yomi"); // the route's yomi.csv beside the file; none when empty
    QTest::addColumn<QString>("note");    // empty: none
    QTest::newRow("no reading for the temple")
        << QByteArray() << QStringLiteral("注意: record 2: 停留所「慈照院前」: 「慈」（ジ）、「照」（ショー）は読み辞書に語が無いため、");
    QTest::newRow("the route's reading") << QByteArray("慈照院前,ジショーインマエ\n") << QString();
}

void tst_DataTool::checkNotesStopNamesReadOneKanjiAtATime()
{
    QFETCH(QByteArray, yomi);
    QFETCH(QString, note);
    const QString path = dir_.filePath("kanji.hy3");
    using testing::StopBytes;
    QVERIFY(testing::writeFile(path, testing::fareFileBytes(2, {StopBytes{cp932::encode(QStringLiteral("市役所前")), 1, {}},
                                                                StopBytes{cp932::encode(QStringLiteral("慈照院前")), 1, {}}})));
    QFile::remove(dir_.filePath("yomi.csv"));
    if (!yomi.isEmpty())
        QVERIFY(testing::writeFile(dir_.filePath("yomi.csv"), yomi));
    const Run r = runTool({"check", path});
    // A note, not a problem of the file.
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString());
    if (note.isEmpty())
        QCOMPARE(r.err, QString());
    else
        QVERIFY2(r.err.startsWith(path + ": " + note), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(tst_DataTool)
#include "tst_datatool.moc"
