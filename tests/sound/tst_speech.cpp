// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/AudioOutput.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"
#include "sound/VoiceEngine.h"

#include "SpeechTesting.h"


#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace kerubara;

namespace {

// Mixes while the engine says it is speaking; returns how many buffers that took.
int pumpWhileSpeaking(NullAudioOutput &out, VoiceEngine &engine)
{
    int buffers = 0;
    for (; buffers < 2000 && engine.VoiceStatus() == VoiceEngine::StatusSpeaking; ++buffers) {
        out.pump();
        QThread::usleep(200);
    }
    return buffers;
}

} // namespace

class tst_Speech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textIsReadAsKatakana_data();
    void textIsReadAsKatakana();
    void engineReadsWithTheDataFoldersDictionaryOverTheUsers();
    void kanjiSentenceIsSpokenIntoTheMixer();
    void voiceStopSilencesAtOnce();
    void nothingToSayLeavesTheEngineIdle_data();
    void nothingToSayLeavesTheEngineIdle();
    void volumeIsTheSpeechChannelsLevel();

private:
    std::unique_ptr<VoiceEngine> makeEngine(NullAudioOutput &out);
    std::unique_ptr<JapaneseReader> reader_;
    QTemporaryDir dir_;
};

void tst_Speech::initTestCase()
{
    // The user's configuration folder is this test's own.
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
    reader_ = JapaneseReader::create();
    QVERIFY2(reader_, "MeCab with mecab-ipadic-utf8 is part of the build's packages");
}

std::unique_ptr<VoiceEngine> tst_Speech::makeEngine(NullAudioOutput &out)
{
    auto engine = VoiceEngine::create(out.mixer(), 0);
    if (!engine)
        qWarning("no speech engine");
    return engine;
}

void tst_Speech::textIsReadAsKatakana_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    QTest::newRow("particle ha reads wa") << "次は、市役所前です。" << "ツギワ、シヤクショマエデス。";
    QTest::newRow("particle he reads e") << "東京へ行く" << "トーキョーエイク";
    QTest::newRow("long vowels as bar") << "ご注意ください。" << "ゴチューイクダサイ。";
    QTest::newRow("getting off, a person") << "お降りの方はお知らせください" << "オオリノカタワオシラセクダサイ";
    QTest::newRow("towards the front, a direction") << "前の方へお進みください" << "マエノホーエオススミクダサイ";
    QTest::newRow("destination") << "緑ヶ丘車庫行きです" << "ミドリガオカシャコユキデス";
    QTest::newRow("numbers and counters") << "12番のりば" << "ジューニバンノリバ";
    QTest::newRow("full-width digits") << "３００円" << "サンビャクエン";
    QTest::newRow("kanji number and counter") << "本町一丁目" << "ホンマチイッチョーメ";
    QTest::newRow("kanji number without a counter") << "第一" << "ダイイチ";
    QTest::newRow("kanji word that is no number") << "十分ご注意ください" << "ジューブンゴチューイクダサイ";
    QTest::newRow("half-width katakana") << "ｽｸﾛｰﾙ" << "スクロール";
    QTest::newRow("small ke in a place name") << "南ヶ丘ニュータウン" << "ミナミガオカニュータウン";
    QTest::newRow("middle dot pauses") << "市民文化会館・図書館前" << "シミンブンカカイカン、トショカンマエ";
    QTest::newRow("repeated punctuation collapses") << "発車します！！" << "ハッシャシマス。";
    QTest::newRow("brackets say nothing") << "「急行」" << "キューコー";
    QTest::newRow("spaces between words say nothing") << "系統 012" << "ケートーゼロイチニ";
    QTest::newRow("space between numbers pauses") << "1 2" << "イチ、ニ";
    QTest::newRow("long mark without a vowel goes") << "ーあ" << "ア";
    QTest::newRow("empty") << "" << "";
}

void tst_Speech::textIsReadAsKatakana()
{
    QFETCH(QString, text);
    QFETCH(QString, reading);
    QCOMPARE(reader_->reading(text), reading);
}

void tst_Speech::engineReadsWithTheDataFoldersDictionaryOverTheUsers()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    QTemporaryDir data;
    // The user's own, in the configuration folder, and the route's, in the
    // broadcast data folder (named in capitals, as a Windows copy may be).
    QVERIFY(QDir().mkpath(QFileInfo(ReadingDictionary::userFile()).absolutePath()));
    QVERIFY(testing::writeFile(ReadingDictionary::userFile(), "桜橋,サクラハシ\n大手町,オオテマチ\n"));
    QVERIFY(testing::writeFile(data.filePath("YOMI.CSV"), "大手町,オーテチョー\nbad line\n"));
    QCOMPARE(engine->reading("桜橋と大手町"), QStringLiteral("サクラバシトオーテマチ"));

    const std::vector<ReadingProblem> problems = engine->useReadingDictionaries(data.path() + u'/');
    QCOMPARE(engine->reading("桜橋と大手町"), QStringLiteral("サクラハシトオーテチョー"));
    QCOMPARE(problems.size(), std::size_t(1));
    QCOMPARE(problems[0].file, data.filePath("YOMI.CSV"));
    QCOMPARE(problems[0].line, 2);
    // Its phoneme input as well.
    QCOMPARE(engine->phonemes("桜橋"), QStringLiteral("[[s,akur`ah'as\\i]]"));

    // Without the files, the built-in words and MeCab again.
    QVERIFY(QFile::remove(ReadingDictionary::userFile()));
    QVERIFY(engine->useReadingDictionaries(QStringLiteral("/nonexistent/")).empty());
    QCOMPARE(engine->reading("桜橋と大手町"), QStringLiteral("サクラバシトオーテマチ"));
}

void tst_Speech::kanjiSentenceIsSpokenIntoTheMixer()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    engine->VoiceSpeak(QStringLiteral("次は、市役所前です。"));
    QCOMPARE(engine->VoiceStatus(), int(VoiceEngine::StatusSpeaking));
    QVERIFY(testing::pumpUntilSound(out, 2000));
    // Mix until it has been said; a short sentence takes one to three seconds.
    pumpWhileSpeaking(out, *engine);
    QCOMPARE(engine->VoiceStatus(), int(VoiceEngine::StatusIdle));
    const qsizetype spoken = testing::lastSound(out.captured()) - testing::firstSound(out.captured());
    QVERIFY2(spoken > 48000 / 2 && spoken < 48000 * 4, qPrintable(QString::number(spoken)));
}

void tst_Speech::voiceStopSilencesAtOnce()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    engine->VoiceSpeak(QStringLiteral("ご乗車ありがとうございます。このバスは、緑ヶ丘車庫行きです。次は、本町一丁目です。"));
    QVERIFY(testing::pumpUntilSound(out, 2000));
    out.pump(5);
    engine->VoiceStop();
    QCOMPARE(engine->VoiceStatus(), int(VoiceEngine::StatusIdle));
    const qsizetype stoppedAt = static_cast<qsizetype>(out.captured().size() / 2);
    out.pump(50);
    QCOMPARE(testing::firstSound(out.captured(), stoppedAt), -1);
    // And it speaks again afterwards.
    engine->VoiceSpeak(QStringLiteral("発車します。"));
    QVERIFY(testing::pumpUntilSound(out, 2000));
}

void tst_Speech::nothingToSayLeavesTheEngineIdle_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("punctuation only") << "。、！";
}

void tst_Speech::nothingToSayLeavesTheEngineIdle()
{
    QFETCH(QString, text);
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    engine->VoiceSpeak(text);
    for (int i = 0; i < 1000 && engine->VoiceStatus() != VoiceEngine::StatusIdle; ++i)
        QThread::msleep(1);
    QCOMPARE(engine->VoiceStatus(), int(VoiceEngine::StatusIdle));
    out.pump(10);
    QCOMPARE(testing::firstSound(out.captured()), -1);
}

void tst_Speech::volumeIsTheSpeechChannelsLevel()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettings quiet = engine->settings();
    quiet.volume = 0;
    engine->applySettings(quiet);
    engine->VoiceSpeak(QStringLiteral("発車します。"));
    // It speaks for as long as ever, silently.
    const int speakingBuffers = pumpWhileSpeaking(out, *engine);
    QVERIFY2(speakingBuffers * 512 > 48000 / 2, qPrintable(QString::number(speakingBuffers)));
    QCOMPARE(testing::firstSound(out.captured()), -1);
}

QTEST_MAIN(tst_Speech)
#include "tst_speech.moc"
