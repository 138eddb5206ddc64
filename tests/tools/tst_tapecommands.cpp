// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Cp932.h"
#include "sound/AudioOutput.h"
#include "sound/ReadingDictionary.h"
#include "sound/VoiceEngine.h"

#include "FareBytes.h"
#include "ToolRun.h"
#include "VoiceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>

#include <cmath>

using namespace kerubara;

using testing::Run;
using testing::runTool;
using testing::writeFile;

class tst_TapeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dumpWritesTheTableAsLoaded_data();
    void dumpWritesTheTableAsLoaded();
    void dumpRefusesWhatLoadingRefuses_data();
    void dumpRefusesWhatLoadingRefuses();
    void dumpWarnsOfFullWidthFlagDigits_data();
    void dumpWarnsOfFullWidthFlagDigits();
    void sampleRouteAnnouncementsLoad();
    void tpWritesUtf8AnnouncementsInShiftJis_data();
    void tpWritesUtf8AnnouncementsInShiftJis();
    void sayPrintsTheReading();
    void sayPrintsThePhonemesTheVoiceIsGiven_data();
    void sayPrintsThePhonemesTheVoiceIsGiven();
    void sayReadsWithTheUsersAndTheNamedDictionaries();
    void sayNamesBadDictionaryLinesAndGoesOn_data();
    void sayNamesBadDictionaryLinesAndGoesOn();
    void sampleRouteReadsItsOwnStopNames();
    void sayWritesASpokenWav();
    void sayWritesWhatLivePlaybackMixes_data();
    void sayWritesWhatLivePlaybackMixes();
    void sayUsageErrors_data();
    void sayUsageErrors();
    void saySpeaksWithTheVoiceGiven_data();
    void saySpeaksWithTheVoiceGiven();
    void saySpeaksWithTheKeptVoice_data();
    void saySpeaksWithTheKeptVoice();
    void sayNotesCharactersNoDictionaryHas_data();
    void sayNotesCharactersNoDictionaryHas();

private:
    QTemporaryDir dir_;
};

void tst_TapeCommands::initTestCase()
{
    // The user's configuration folder is this test's own.
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
}

void tst_TapeCommands::dumpWritesTheTableAsLoaded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("csv");
    QTest::newRow("quoted comma, short line, crlf")
        << "12tp.csv" << cp932::encode(u"\"Hello, 次は\",1,2\r\n発車します。,0\r\n3\r\n")
        << "Text,StepFlag,SoundFlag\n\"Hello, 次は\",1,2\n発車します。,0,3\n,0,0\n";
    QTest::newRow("name in any case") << "34TP.CSV" << QByteArray("a,1,1\n") << "Text,StepFlag,SoundFlag\na,1,1\n";
    QTest::newRow("empty file") << "0tp.csv" << QByteArray() << "Text,StepFlag,SoundFlag\n";
    QTest::newRow("Ctrl-Z at the end") << "5tp.csv" << QByteArray("a,1,1\r\nb,0,2\r\n\x1A")
                                       << "Text,StepFlag,SoundFlag\na,1,1\nb,0,2\n";
    QTest::newRow("Ctrl-Z and line ends at the end") << "6tp.csv" << QByteArray("a,1,1\r\n\x1A\r\n\r\n")
                                                     << "Text,StepFlag,SoundFlag\na,1,1\n";
}

void tst_TapeCommands::dumpWritesTheTableAsLoaded()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, csv);
    const QString path = dir_.filePath(name);
    QVERIFY(writeFile(path, bytes));
    const Run r = runTool({"dump", path});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, csv);
}

void tst_TapeCommands::dumpRefusesWhatLoadingRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("flag too large") << QByteArray("a,1,2\r\nb,99999,0\r\n") << QStringLiteral("2行目");
    QTest::newRow("cut off") << QByteArray("a,1,2\r\nb\r\n") << QStringLiteral("2行目");
    QTest::newRow("too many fields") << QByteArray("a,1,2,b,1,2\r\n") << QStringLiteral("1行目");
    QTest::newRow("blank line between records") << QByteArray("a,1,2\r\n\r\nb,0,0\r\nc,0,0\r\n")
                                                << QStringLiteral("2行目: 空行があります");
    QTest::newRow("blank line before the last record") << QByteArray("a,1,2\r\nb,0,0\r\n\r\nc,1,2\r\n")
                                                       << QStringLiteral("3行目: 空行があります");
}

void tst_TapeCommands::dumpRefusesWhatLoadingRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, mentions);
    const QString path = dir_.filePath("9tp.csv");
    QVERIFY(writeFile(path, bytes));
    const Run r = runTool({"dump", path});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(mentions), qPrintable(r.err));
    QCOMPARE(runTool({"dump", dir_.filePath("none-tp.csv")}).status, 1);
}

void tst_TapeCommands::dumpWarnsOfFullWidthFlagDigits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("warning");
    QTest::newRow("step flag on line 2") << cp932::encode(u"a,1,1\r\nb,１,2\r\n") << "Text,StepFlag,SoundFlag\na,1,1\nb,0,2\n"
                                         << QStringLiteral("2行目: 移動フラグ「１」に全角数字があります");
    QTest::newRow("sound flag") << cp932::encode(u"a,1,３\r\n") << "Text,StepFlag,SoundFlag\na,1,0\n"
                                << QStringLiteral("1行目: サウンドフラグ「３」に全角数字があります");
}

void tst_TapeCommands::dumpWarnsOfFullWidthFlagDigits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, warning);
    const QString path = dir_.filePath("7tp.csv");
    QVERIFY(writeFile(path, bytes));
    const Run r = runTool({"dump", path});
    QCOMPARE(r.status, 0);
    QTEST(r.out, "csv");
    QVERIFY2(r.err.startsWith(path + ": " + warning), qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("0 として読み込まれます")));
}

void tst_TapeCommands::tpWritesUtf8AnnouncementsInShiftJis_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output"); // null: refused, nothing written
    QTest::addColumn<QString>("says");      // on standard error
    const QString text = QStringLiteral("発車します。,0,1\r\n\"次は、市役所前です。\",1,2\r\n終点です。,0,3\r\n");
    QTest::newRow("UTF-8") << text.toUtf8() << cp932::encode(text) << QString();
    QTest::newRow("byte order mark and LF") << "\xEF\xBB\xBF" + text.toUtf8().replace("\r\n", "\n")
                                            << cp932::encode(text).replace("\r\n", "\n") << QString();
    QTest::newRow("already Shift-JIS") << cp932::encode(text) << QByteArray() << QStringLiteral("1行目: UTF-8 として読めない");
    QTest::newRow("character Shift-JIS lacks") << QStringLiteral("あ,0,0\r\n한,0,0\r\n").toUtf8() << QByteArray()
                                               << QStringLiteral("2行目: 「한」（U+D55C）は Shift-JIS で表せない");
    QTest::newRow("data the program would refuse") << QStringLiteral("あ,0,0\r\nい,99999,0\r\n").toUtf8() << QByteArray()
                                                   << QStringLiteral("2行目: フラグの数値");
}

void tst_TapeCommands::tpWritesUtf8AnnouncementsInShiftJis()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(QString, says);
    QTemporaryDir work;
    const QString in = work.filePath("12-utf8tp.csv");
    const QString out = work.filePath("12tp.csv");
    QVERIFY(writeFile(in, input));
    const Run r = runTool({"tp", in, out});
    if (output.isNull()) {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(in + ": " + says), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
        return;
    }
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.err, QString());
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), output);
    // The file the program reads: dump reads it without a word.
    const Run dump = runTool({"dump", out});
    QCOMPARE(dump.status, 0);
    QCOMPARE(dump.err, QString());
    // The file as it was: dump says once that it is UTF-8 and how to convert it.
    const Run before = runTool({"dump", in});
    QCOMPARE(before.err.count(u'\n'), 1);
    QVERIFY2(before.err.contains(QStringLiteral("UTF-8")) && before.err.contains(QStringLiteral("kerubara-data tp")),
             qPrintable(before.err));
}

void tst_TapeCommands::sampleRouteAnnouncementsLoad()
{
    const Run r = runTool({"dump", QStringLiteral(KERUBARA_SAMPLE_TAPE)});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    const QStringList rows = r.out.trimmed().split(u'\n');
    QCOMPARE(rows.size(), 1 + 33);
    QVERIFY(rows.contains(QStringLiteral("次は、市役所前です。市役所へおいでの方は、こちらでお降りください。,1,2")));
    QVERIFY(rows.last().endsWith(",0,3"));
}

void tst_TapeCommands::sayPrintsTheReading()
{
    const Run r = runTool({"say", "--reading", QStringLiteral("次は、市役所前です。")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("ツギワ、シヤクショマエデス。\n"));
}

void tst_TapeCommands::sayPrintsThePhonemesTheVoiceIsGiven_data()
{
    QTest::addColumn<QStringList>("args"); // "@" a dictionary with 桜橋 サクラハシ
    QTest::addColumn<QString>("out");
    QTest::newRow("our reading") << QStringList{"say", "--phonemes", QStringLiteral("お降りの方")}
                                 << QStringLiteral("o o r i n o k a t a\n");
    QTest::newRow("with the reading, pauses and whispers")
        << QStringList{"say", "--reading", "--phonemes", QStringLiteral("次は、市役所前です。")}
        << QStringLiteral("ツギワ、シヤクショマエデス。\nts u g i w a pau sh i y a k U sh o m a e d e s U\n");
    QTest::newRow("named dictionary") << QStringList{"say", "--phonemes", "--dict", "@", QStringLiteral("桜橋")}
                                      << QStringLiteral("s a k u r a h a sh i\n");
}

void tst_TapeCommands::sayPrintsThePhonemesTheVoiceIsGiven()
{
    QFETCH(QStringList, args);
    const QString dictionary = dir_.filePath("sakura.csv");
    QVERIFY(writeFile(dictionary, "桜橋,サクラハシ\n"));
    args.replaceInStrings(QStringLiteral("@"), dictionary);
    const Run r = runTool(args);
    QCOMPARE(r.status, 0);
    QTEST(r.out, "out");
}

void tst_TapeCommands::sayReadsWithTheUsersAndTheNamedDictionaries()
{
    const QString text = QStringLiteral("運賃は後払いです。");
    QCOMPARE(runTool({"say", "--reading", text}).out, QStringLiteral("ウンチンワアトバライデス。\n"));
    // The user's own dictionary overrides the built-in word …
    const QString user = ReadingDictionary::userFile();
    QVERIFY(QDir().mkpath(QFileInfo(user).absolutePath()));
    QVERIFY(writeFile(user, "後払い,コーバライ\n"));
    QCOMPARE(runTool({"say", "--reading", text}).out, QStringLiteral("ウンチンワコーバライデス。\n"));
    // … and one named with --dict overrides both, the last named winning.
    QVERIFY(writeFile(dir_.filePath("a.csv"), "後払い,ゴバライ\n運賃,ウンチ\n"));
    QVERIFY(writeFile(dir_.filePath("b.csv"), "\xEF\xBB\xBF後払い,ノチバライ\r\n"));
    QCOMPARE(runTool({"say", "--reading", "--dict", dir_.filePath("a.csv"), text}).out,
             QStringLiteral("ウンチワゴバライデス。\n"));
    const Run both = runTool({"say", "--dict=" + dir_.filePath("a.csv"), "--dict", dir_.filePath("b.csv"), "--reading", text});
    QCOMPARE(both.status, 0);
    QCOMPARE(both.out, QStringLiteral("ウンチワノチバライデス。\n"));
    QVERIFY(both.err.isEmpty());
    QVERIFY(QFile::remove(user));
}

void tst_TapeCommands::sayNamesBadDictionaryLinesAndGoesOn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("said"); // after "FILE: "
    QTest::addColumn<QString>("reading");  // empty: not checked
    const QString kRead = QStringLiteral("ツギワ、シヤクショノマエデス。\n");
    const QByteArray badLines = "市役所前,シヤクショノマエ\nno reading\n次は,tsugiwa\n";
    const QStringList badLinesSaid{QStringLiteral("2行目: 「文字,読み」の形になっていません（読みがありません）。この行は使いません。"),
                                   QStringLiteral("3行目: 読み「tsugiwa」にカタカナ以外の文字があります。この行は使いません。")};
    QTest::newRow("plain name") << "bad.csv" << badLines << badLinesSaid << kRead;
    QTest::newRow("percent signs in the name") << "bad%1%2.csv" << badLines << badLinesSaid << kRead;
    QTest::newRow("too large a file") << "big.csv" << QByteArray((4 << 20) + 1, '#')
                                      << QStringList{QStringLiteral("ファイルが大きすぎます。読み辞書は 4 MiB までです。")} << QString();
}

void tst_TapeCommands::sayNamesBadDictionaryLinesAndGoesOn()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, said);
    const QString dict = dir_.filePath(name);
    QVERIFY(writeFile(dict, bytes));
    const Run r = runTool({"say", "--reading", "--dict", dict, QStringLiteral("次は、市役所前です。")});
    QCOMPARE(r.status, 0);
    QFETCH(QString, reading);
    if (!reading.isEmpty())
        QCOMPARE(r.out, reading);
    QStringList expected;
    for (const QString &line : std::as_const(said))
        expected << dict + QStringLiteral(": ") + line;
    QCOMPARE(r.err.trimmed().split(u'\n'), expected);
}

void tst_TapeCommands::sampleRouteReadsItsOwnStopNames()
{
    const QString examples = QStringLiteral(KERUBARA_EXAMPLES_DIR);
    QFile dictionary(examples + "/yomi.csv");
    QVERIFY(dictionary.open(QIODevice::ReadOnly));
    std::vector<ReadingProblem> problems;
    const ReadingDictionary d = ReadingDictionary::parse(dictionary.readAll(), &problems);
    QVERIFY(problems.empty());
    QFile fares(examples + "/12.csv");
    QVERIFY(fares.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(fares.readAll()).trimmed().split(u'\n').mid(1);
    QCOMPARE(rows.size(), 30);
    for (const QString &row : rows) {
        const QString stop = row.section(u',', 0, 0);
        QVERIFY2(!d.reading(stop).isEmpty(), qPrintable(stop));
    }
    // The stop's name as the route's dictionary reads it.
    const Run r = runTool({"say", "--reading", "--dict", examples + "/yomi.csv", QStringLiteral("次は、桜橋です。")});
    QCOMPARE(r.out, QStringLiteral("ツギワ、サクラバシデス。\n"));
}

void tst_TapeCommands::sayWritesASpokenWav()
{
    const QString wav = dir_.filePath("say.wav");
    const Run r = runTool({"say", QStringLiteral("発車します。"), wav});
    QCOMPARE(r.status, 0);
    QFile f(wav);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
    // Half a second or more of 16-bit mono speech, not all silence.
    QVERIFY2(bytes.size() > 44 + 22050, qPrintable(QString::number(bytes.size())));
    const auto *samples = reinterpret_cast<const std::int16_t *>(bytes.constData() + 44);
    int loud = 0;
    for (qsizetype i = 0; i < (bytes.size() - 44) / 2; ++i)
        loud += std::abs(samples[i]) > 1000;
    QVERIFY(loud > 1000);
}

void tst_TapeCommands::sayWritesWhatLivePlaybackMixes_data()
{
    QTest::addColumn<QString>("text");
    // The voice opens these with the silent closure of a stop consonant.
    QTest::newRow("first mora tsu") << QStringLiteral("次は、市役所前です。");
    QTest::newRow("first mora ki") << QStringLiteral("急行です。");
}

// The WAV holds what the program plays for the text: live playback at the
// voice's own rate mixes its samples unchanged, from the first one on. The
// voice's pitch wavers a little differently from one synthesis to the next,
// so only the opening is compared sample by sample.
void tst_TapeCommands::sayWritesWhatLivePlaybackMixes()
{
    QFETCH(QString, text);
    const QString wav = dir_.filePath("live.wav");
    QCOMPARE(runTool({"say", text, wav}).status, 0);
    QFile f(wav);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray file = f.readAll();
    const QByteArray bytes = file.mid(44);
    const auto *written = reinterpret_cast<const std::int16_t *>(bytes.constData());
    // Mixed at the voice's own rate, whichever voice speaks.
    std::uint32_t rate = 0;
    std::memcpy(&rate, file.constData() + 24, sizeof rate);

    NullAudioOutput out(static_cast<int>(rate));
    auto engine = VoiceEngine::create(out.mixer(), 0);
    QVERIFY(engine);
    engine->VoiceSpeak(text);
    constexpr int kCompared = 256; // about 12 ms of the 40 ms the voice would open with in silence
    out.pump();
    QVERIFY(bytes.size() / 2 >= kCompared);
    for (int i = 0; i < kCompared; ++i) {
        const float played = out.captured()[static_cast<std::size_t>(2 * i)] * 32768.0f;
        QVERIFY2(std::fabs(played - written[i]) <= 1.0f,
                 qPrintable(QStringLiteral("sample %1: written %2, played %3")
                                .arg(QString::number(i), QString::number(written[i]), QString::number(played))));
    }
}

void tst_TapeCommands::sayUsageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::newRow("nothing") << QStringList{"say"} << 2;
    QTest::newRow("no wav file") << QStringList{"say", "text"} << 2;
    QTest::newRow("phonemes of no text") << QStringList{"say", "--phonemes"} << 2;
    QTest::newRow("too many") << QStringList{"say", "a", "b.wav", "c"} << 2;
    QTest::newRow("dict without a file") << QStringList{"say", "--reading", "text", "--dict"} << 2;
    QTest::newRow("dict file missing") << QStringList{"say", "--reading", "--dict", "/nonexistent/yomi.csv", "text"} << 1;
    QTest::newRow("voice without a file") << QStringList{"say", "text", "a.wav", "--voice"} << 2;
}

void tst_TapeCommands::saySpeaksWithTheVoiceGiven_data()
{
    QTest::addColumn<QByteArray>("voice"); // the voice file's bytes; "espeak" names espeak-ng, "missing" no file
    QTest::addColumn<bool>("equals");       // --voice=FILE rather than --voice FILE
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("rate"); // of the WAV written
    QTest::addColumn<QString>("message");
    const QByteArray good = testing::smallVoice();
    QTest::newRow("an HTS voice") << good << false << 0 << 16000 << "";
    QTest::newRow("an HTS voice, with =") << good << true << 0 << 16000 << "";
    QTest::newRow("espeak-ng") << QByteArray("espeak") << false << 0 << 22050 << "";
    QTest::newRow("cut short") << good.left(good.size() - 20) << false << 1 << 0
                               << "音声ファイルとして使えません（STREAM_TREE[LF0] の位置がファイルの終わりを越えています";
    QTest::newRow("for another language") << testing::smallVoiceWith("HTS_TTS_JPN", "HTS_TTS_ENG") << false << 1 << 0
                                          << "音声ファイルとして使えません（日本語の音声ではありません（FULLCONTEXT_FORMAT が「HTS_TTS_ENG」））";
    QTest::newRow("missing") << QByteArray("missing") << false << 1 << 0 << "音声ファイルとして使えません（読み込めません";
}

void tst_TapeCommands::saySpeaksWithTheVoiceGiven()
{
    QFETCH(QByteArray, voice);
    QFETCH(bool, equals);
    QFETCH(int, status);
    QFETCH(int, rate);
    QFETCH(QString, message);
    QString file = QString::fromLatin1(voice);
    if (voice != "espeak") {
        file = dir_.filePath(QStringLiteral("voice-%1.htsvoice").arg(QTest::currentDataTag()));
        if (voice != "missing")
            QVERIFY(writeFile(file, voice));
    }
    const QString wav = dir_.filePath(QStringLiteral("voice-%1.wav").arg(QTest::currentDataTag()));
    const QStringList voiceArgs = equals ? QStringList{"--voice=" + file} : QStringList{"--voice", file};
    const Run r = runTool(QStringList{"say"} + voiceArgs + QStringList{"発車します。", wav});
    QCOMPARE(r.status, status);
    QFile f(wav);
    if (status != 0) {
        // Named, with the reason, and no WAV written.
        QVERIFY2(r.err.startsWith(file + QStringLiteral(": ")) && r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.err.contains(wav + QStringLiteral(" は作成していません")));
        QVERIFY(!f.exists());
        return;
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    std::uint32_t written = 0;
    std::memcpy(&written, bytes.constData() + 24, sizeof written);
    QCOMPARE(int(written), rate);
    QVERIFY(bytes.size() > 44 + rate / 4); // a quarter of a second at least
}

// say speaks with the voice the program keeps (音声の調節), and --voice
// changes only which voice speaks.
void tst_TapeCommands::saySpeaksWithTheKeptVoice_data()
{
    QTest::addColumn<QVariantMap>("kept");   // kerubara.conf's keys and values
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("rate");           // of the WAV written; 0: whichever voice is installed
    QTest::addColumn<bool>("silent");
    QTest::newRow("nothing kept") << QVariantMap{} << QStringList{} << 0 << false;
    QTest::newRow("espeak-ng kept") << QVariantMap{{"voice/file", "espeak"}} << QStringList{} << 22050 << false;
    QTest::newRow("volume 0 kept") << QVariantMap{{"voice/volume", 0}} << QStringList{} << 0 << true;
    QTest::newRow("--voice keeps the kept volume")
        << QVariantMap{{"voice/volume", 0}} << QStringList{"--voice", "espeak"} << 22050 << true;
}

void tst_TapeCommands::saySpeaksWithTheKeptVoice()
{
    QFETCH(QVariantMap, kept);
    QFETCH(QStringList, options);
    QFETCH(int, rate);
    QFETCH(bool, silent);
    {
        QSettings conf(QStringLiteral("kerubara"), QStringLiteral("kerubara"));
        conf.clear();
        for (auto it = kept.cbegin(); it != kept.cend(); ++it)
            conf.setValue(it.key(), it.value());
    }
    const QString wav = dir_.filePath(QStringLiteral("kept-%1.wav").arg(QTest::currentDataTag()));
    const Run r = runTool(QStringList{"say"} + options + QStringList{"発車します。", wav});
    QSettings(QStringLiteral("kerubara"), QStringLiteral("kerubara")).clear();
    QCOMPARE(r.status, 0);
    QFile f(wav);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.size() > 44 + 8000);
    std::uint32_t written = 0;
    std::memcpy(&written, bytes.constData() + 24, sizeof written);
    if (rate != 0)
        QCOMPARE(int(written), rate);
    const auto *samples = reinterpret_cast<const std::int16_t *>(bytes.constData() + 44);
    const auto count = static_cast<std::size_t>((bytes.size() - 44) / 2);
    QCOMPARE(std::all_of(samples, samples + count, [](std::int16_t s) { return s == 0; }), silent);
}

void tst_TapeCommands::sayUsageErrors()
{
    QFETCH(QStringList, args);
    const Run r = runTool(args);
    QTEST(r.status, "status");
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
}

void tst_TapeCommands::sayNotesCharactersNoDictionaryHas_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("dictionary"); // given with --dict when not empty
    QTest::addColumn<QString>("note");          // empty: none
    QTest::newRow("kanji read one by one") << QStringLiteral("次は、慈照院前です。") << QByteArray()
                                           << QStringLiteral("注意: 「慈」（ジ）、「照」（ショー）は読み辞書に語が無いため、1字ずつの読みで読みます。"
                                                             "正しい読みは読み辞書（yomi.csv）に「文字,読み」の行で書けます。\n");
    QTest::newRow("a kanji with no reading") << QStringLiteral("\U00020BB7野家前") << QByteArray()
                                             << QStringLiteral("注意: 「\U00020BB7」は読みが分からないため、読み上げません。"
                                                               "正しい読みは読み辞書（yomi.csv）に「文字,読み」の行で書けます。\n");
    QTest::newRow("the word in a dictionary") << QStringLiteral("次は、慈照院前です。") << QByteArray("慈照院前,ジショーインマエ\n")
                                              << QString();
    QTest::newRow("words MeCab has") << QStringLiteral("次は、市役所前です。") << QByteArray() << QString();
}

void tst_TapeCommands::sayNotesCharactersNoDictionaryHas()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, dictionary);
    QStringList args{"say", "--reading", text};
    if (!dictionary.isEmpty()) {
        QVERIFY(writeFile(dir_.filePath("route.csv"), dictionary));
        args << "--dict" << dir_.filePath("route.csv");
    }
    const Run r = runTool(args);
    QCOMPARE(r.status, 0);
    QVERIFY(!r.out.isEmpty());
    QTEST(r.err, "note");
}

QTEST_GUILESS_MAIN(tst_TapeCommands)
#include "tst_tapecommands.moc"
