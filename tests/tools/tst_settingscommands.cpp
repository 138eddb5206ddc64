// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SettingsCommands.h"

#include "SettingsBytes.h"
#include "TestFiles.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace kerubara;
using testing::runTool;
using testing::SettingsBuilder;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One valid file with something in every kind of field.
QByteArray sampleFile()
{
    return SettingsBuilder::initial()
        .set("Text2(0)", QStringLiteral("C:\\運賃データ\\路線 12"))
        .set("txtSelectSound(10)", QStringLiteral("終点.mid"))
        .set("Label10", QStringLiteral("2024/03/05"))
        .set("Combo3", 2)
        .set("Command9(2)", -16777216) // a colour with its top byte set
        .set("CtrlData.nLeft", 1234)
        .set("CustColors(16)", 0xABCDEF)
        .set("DegitUser(12).FillZero", 3)
        .bytes();
}

} // namespace

class tst_SettingsCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void dumpListsEveryFieldInFileOrder();
    void dumpThenIn4GivesTheSameBytes_data();
    void dumpThenIn4GivesTheSameBytes();
    void dumpShowsAShortFileAsTheProgramReadsIt();
    void in4FillsMissingNamesWithTheInitialSettingsAndTakesAnyOrder();
    void in4RefusesBadLinesAndWritesNothing_data();
    void in4RefusesBadLinesAndWritesNothing();
    void in4ThatCannotFinishLeavesTheEarlierFile();
    void checkReportsWhatTheProgramCannotHold_data();
    void checkReportsWhatTheProgramCannotHold();
    void checkTellsSettingsFromFareDataByTheExtension();
    void checkNotesDataFoldersThatAreNotThere_data();
    void checkNotesDataFoldersThatAreNotThere();

private:
    QString path(const QString &name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void tst_SettingsCommands::dumpListsEveryFieldInFileOrder()
{
    QVERIFY(testing::writeFile(path("a.in4"), sampleFile()));
    const testing::Run r = runTool({QStringLiteral("dump"), path("a.in4")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 128);
    QCOMPARE(lines.first(), QStringLiteral("Text2(0)=C:\\運賃データ\\路線 12"));
    QCOMPARE(lines[1], QStringLiteral("Text2(1)="));
    QCOMPARE(lines[2], QStringLiteral("Check1=1"));
    QCOMPARE(lines[8], QStringLiteral("Option3(0)=-1"));
    QCOMPARE(lines[10], QStringLiteral("Option3(7)=-1"));
    QVERIFY(lines.contains(QStringLiteral("Command9(2)=-16777216")));
    QVERIFY(lines.contains(QStringLiteral("txtSelectSound(10)=終点.mid")));
    QVERIFY(lines.contains(QStringLiteral("Label10=2024/03/05")));
    QVERIFY(lines.contains(QStringLiteral("CtrlData.nLeft=1234")));
    QCOMPARE(lines[lines.indexOf(QStringLiteral("FormPos.nTop=0")) + 1], QStringLiteral("CustColors(0)=0"));
    QVERIFY(lines.contains(QStringLiteral("CustColors(16)=11259375")));
    QCOMPARE(lines[lines.size() - 37], QStringLiteral("DegitCount=12"));
    QCOMPARE(lines.last(), QStringLiteral("DegitUser(12).FillZero=3"));
}

void tst_SettingsCommands::dumpThenIn4GivesTheSameBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a sample of every kind of field") << sampleFile();
    QTest::newRow("texts of 32767 bytes")
        << SettingsBuilder::initial()
               .set("Text2(1)", QString(16383, QChar(u'駅')) + u'a')
               .set("txtSeiriPlgDir", QString(32767, QChar(u'p')))
               .bytes();
    QTest::newRow("control characters and a leading blank in texts")
        << SettingsBuilder::initial()
               .set("Text2(0)", QStringLiteral(" a\r\nb\tc\x7F"))
               .set("Label10", QStringLiteral("2024/01/01 "))
               .bytes();
    QTest::newRow("block 10 = 0, nothing chosen, negative numbers")
        << SettingsBuilder::initial()
               .set("DegitCount", 0)
               .set("Combo2", -1)
               .set("CtrlData.nTop", -2147483647 - 1)
               .set("DegitUser(1).Shift", -32768)
               .bytes();
}

void tst_SettingsCommands::dumpThenIn4GivesTheSameBytes()
{
    QFETCH(QByteArray, file);
    QVERIFY(testing::writeFile(path("a.in4"), file));
    const testing::Run dumped = runTool({QStringLiteral("dump"), path("a.in4")});
    QCOMPARE(dumped.status, 0);
    QVERIFY(testing::writeFile(path("a.txt"), dumped.out.toUtf8()));
    const testing::Run built = runTool({QStringLiteral("in4"), path("a.txt"), path("b.in4")});
    QCOMPARE(built.status, 0);
    QCOMPARE(contents(path("b.in4")), file);
}

void tst_SettingsCommands::dumpShowsAShortFileAsTheProgramReadsIt()
{
    const QByteArray file = SettingsBuilder::initial().set("Text2(0)", QStringLiteral("ab")).bytes().left(9);
    QVERIFY(testing::writeFile(path("short.in4"), file));
    const testing::Run r = runTool({QStringLiteral("dump"), path("short.in4")});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 128);
    QCOMPARE(lines[0], QStringLiteral("Text2(0)=ab"));
    QCOMPARE(lines[1], QStringLiteral("Text2(1)="));
    QCOMPARE(lines[2], QStringLiteral("Check1=1"));
    QCOMPARE(lines[3], QStringLiteral("Command5(0)=0")); // cut after its first byte
    QCOMPARE(lines[4], QStringLiteral("Command5(1)=0"));
    QVERIFY2(r.err.contains(QStringLiteral("Command5(0)")), qPrintable(r.err));
}

void tst_SettingsCommands::in4FillsMissingNamesWithTheInitialSettingsAndTakesAnyOrder()
{
    const QByteArray text = "# a comment\r\n"
                            "DegitUser(3).ZeroMode = 2\r\n"
                            "\r\n"
                            "Label10=2024/05/06\r\n"
                            "Text2(1)=放送\r\n"
                            "Combo6=-1\r\n";
    QVERIFY(testing::writeFile(path("a.txt"), text));
    const testing::Run r = runTool({QStringLiteral("in4"), path("a.txt"), path("a.in4")});
    QCOMPARE(r.status, 0);
    // What is not named is what a program without a settings file holds: one
    // option of every group chosen, the sliders at their lowest.
    QCOMPARE(contents(path("a.in4")), SettingsBuilder::initial()
                                          .set("Text2(1)", QStringLiteral("放送"))
                                          .set("Combo6", -1)
                                          .set("Label10", QStringLiteral("2024/05/06"))
                                          .set("DegitUser(3).ZeroMode", 2)
                                          .bytes());
}

void tst_SettingsCommands::in4RefusesBadLinesAndWritesNothing_data()
{
    QTest::addColumn<QByteArray>("badLine");
    QTest::addColumn<QString>("reason"); // part of the message
    QTest::newRow("unknown name") << QByteArray("Text2(2)=x") << "Text2(2)";
    QTest::newRow("second time") << QByteArray("Check1=0") << "Check1";
    QTest::newRow("16-bit out of range") << QByteArray("Check2=32768") << "32768";
    QTest::newRow("32-bit out of range") << QByteArray("CtrlData.nLeft=2147483648") << "2147483648";
    QTest::newRow("colour out of range") << QByteArray("CustColors(1)=-2147483649") << "-2147483649";
    QTest::newRow("not a number") << QByteArray("Check2=yes") << "yes";
    QTest::newRow("a character Shift-JIS lacks") << QByteArray("Text2(0)=bus \xF0\x9F\x9A\x8C") << "\U0001F68C";
    QTest::newRow("text over 32767 bytes") << "Label10=" + QByteArray(32768, 'x') << "32768";
    QTest::newRow("no equals sign") << QByteArray("Check2") << "名前=値";
}

void tst_SettingsCommands::in4RefusesBadLinesAndWritesNothing()
{
    QFETCH(QByteArray, badLine);
    QFETCH(QString, reason);
    QVERIFY(testing::writeFile(path("a.txt"), "Check1=1\nCombo2=3\n" + badLine + "\nCheck5=1\n"));
    QVERIFY(testing::writeFile(path("a.in4"), "earlier"));
    const testing::Run r = runTool({QStringLiteral("in4"), path("a.txt"), path("a.in4")});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("line 3")), qPrintable(r.err));
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(contents(path("a.in4")), QByteArray("earlier"));
}

void tst_SettingsCommands::in4ThatCannotFinishLeavesTheEarlierFile()
{
    QVERIFY(testing::writeFile(path("a.txt"), "Label10=" + QByteArray(1000, 'x') + "\n"));
    QVERIFY(testing::writeFile(path("a.in4"), "earlier"));
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100; // a file may grow to 100 bytes only
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const testing::Run r = runTool({QStringLiteral("in4"), path("a.txt"), path("a.in4")});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(r.status, 1);
    QCOMPARE(contents(path("a.in4")), QByteArray("earlier"));
}

void tst_SettingsCommands::checkReportsWhatTheProgramCannotHold_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("found"); // each appears in the report; empty: a clean file
    const SettingsBuilder valid = SettingsBuilder::initial();
    QTest::newRow("valid") << valid.bytes() << QStringList();
    QTest::newRow("nothing chosen is a choice") << SettingsBuilder(valid).set("Combo3", -1).bytes() << QStringList();
    // What the program does at start-up: the fields it cannot take keep their start-up values.
    QTest::newRow("short file") << valid.bytes().left(166) << QStringList{"CtrlData.nScrollWait", "起動時の値"};
    QByteArray pastEnd = valid.bytes().left(2);
    pastEnd.append("\x10\x00zz", 4); // Text2(1) claims 16 bytes
    QTest::newRow("count past the end") << pastEnd << QStringList{"Text2(1)", "16"};
    QTest::newRow("data after block 11") << valid.bytes() + "xyz" << QStringList{"3バイト"};
    QTest::newRow("list index past its list") << SettingsBuilder(valid).set("Combo4(4)", 150).bytes()
                                              << QStringList{"Combo4(4)", "150"};
    QTest::newRow("list index below -1") << SettingsBuilder(valid).set("Combo5", -2).bytes()
                                         << QStringList{"Combo5", "-2"};
    QTest::newRow("option group with none chosen") << SettingsBuilder(valid).set("Option4(0)", 0).bytes()
                                                   << QStringList{"Option4(0), Option4(1), Option4(2)"};
    QTest::newRow("option group with two chosen") << SettingsBuilder(valid).set("Option3(2)", -1).bytes()
                                                  << QStringList{"Option3(3), Option3(2)"};
    QTest::newRow("slider value it cannot take") << SettingsBuilder(valid).set("CtrlData.nScrollSpeed", 0).bytes()
                                                 << QStringList{"CtrlData.nScrollSpeed", "起動時の値"};
}

void tst_SettingsCommands::checkReportsWhatTheProgramCannotHold()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, found);
    QVERIFY(testing::writeFile(path("a.in4"), file));
    const testing::Run r = runTool({QStringLiteral("check"), path("a.in4")});
    QCOMPARE(r.status, found.isEmpty() ? 0 : 1);
    if (found.isEmpty())
        QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
    for (const QString &f : found)
        QVERIFY2(r.out.contains(f), qPrintable(r.out));
    for (const QString &line : r.out.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY(line.startsWith(path("a.in4") + QStringLiteral(": ")));
}

void tst_SettingsCommands::checkTellsSettingsFromFareDataByTheExtension()
{
    QVERIFY(testing::writeFile(path("good.IN4"), SettingsBuilder::initial().bytes()));
    QVERIFY(testing::writeFile(path("bad.in4"), SettingsBuilder::initial().set("Combo2", 12).bytes()));
    QCOMPARE(runTool({QStringLiteral("check"), path("good.IN4")}).status, 0);
    // As fare data the same bytes would be a broken file.
    QVERIFY(testing::writeFile(path("good.hy3"), SettingsBuilder::initial().bytes()));
    QCOMPARE(runTool({QStringLiteral("check"), path("good.hy3")}).status, 1);
    const testing::Run both = runTool({QStringLiteral("check"), path("good.IN4"), path("bad.in4")});
    QCOMPARE(both.status, 1);
    QVERIFY(both.out.contains(QStringLiteral("Combo2")));
    QVERIFY(!both.out.contains(path("good.IN4")));
}

void tst_SettingsCommands::checkNotesDataFoldersThatAreNotThere_data()
{
    QTest::addColumn<QString>("folder"); // Text2(0) as stored; @ is the settings file's folder
    QTest::addColumn<QString>("note");   // after "FILE: 注意: "; empty: none
    QTest::newRow("its own folder") << QStringLiteral(".") << QString();
    QTest::newRow("empty: where the program starts") << QString() << QString();
    QTest::newRow("an absolute folder that is there") << QStringLiteral("@") << QString();
    QTest::newRow("a relative folder is looked for beside the file")
        << QStringLiteral("data") << QStringLiteral("運賃データのフォルダー Text2(0)「data」（@/data）がありません。");
    QTest::newRow("an absolute folder that is not there")
        << QStringLiteral("@/gone") << QStringLiteral("運賃データのフォルダー Text2(0)「@/gone」がありません。");
}

// A data folder the program would not find is noted, taken as the program
// takes it; a note is no problem of the file.
void tst_SettingsCommands::checkNotesDataFoldersThatAreNotThere()
{
    QFETCH(QString, folder);
    QFETCH(QString, note);
    folder.replace(u'@', dir_->path());
    note.replace(u'@', dir_->path());
    QVERIFY(testing::writeFile(path("a.in4"), SettingsBuilder::initial().set("Text2(0)", folder).bytes()));
    const testing::Run r = runTool({QStringLiteral("check"), path("a.in4")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, note.isEmpty() ? QString() : path("a.in4") + QStringLiteral(": 注意: ") + note + u'\n');
}

QTEST_GUILESS_MAIN(tst_SettingsCommands)
#include "tst_settingscommands.moc"
