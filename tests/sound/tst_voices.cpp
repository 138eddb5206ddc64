// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/AudioOutput.h"
#include "sound/SpeechCache.h"
#include "sound/Synthesiser.h"
#include "sound/VoiceCatalog.h"
#include "sound/VoiceEngine.h"

#include "SoundFiles.h"
#include "VoiceFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace kerubara;

Q_DECLARE_METATYPE(kerubara::VoiceFileFault)
Q_DECLARE_METATYPE(kerubara::VoiceNotice::Kind)

namespace {

const QString kTapeText = QStringLiteral("次は、市役所前です。お降りの方は、お知らせください。");

// Every sample the engine plays for `text`, from the mixer's first buffer
// after VoiceSpeak to the end of the speech (the left channel).
std::vector<float> playedSamples(NullAudioOutput &out, VoiceEngine &engine, const QString &text)
{
    out.clearCaptured();
    engine.VoiceSpeak(text);
    for (int i = 0; i < 5000 && engine.VoiceStatus() == VoiceEngine::StatusSpeaking; ++i)
        out.pump();
    std::vector<float> left;
    for (std::size_t i = 0; i < out.captured().size(); i += 2)
        left.push_back(out.captured()[i]);
    while (!left.empty() && left.back() == 0.0f)
        left.pop_back();
    return left;
}

bool waitUntilPrepared(VoiceEngine &engine, const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    while (!engine.isPrepared(text) && timer.elapsed() < 60000)
        QThread::msleep(5);
    return engine.isPrepared(text);
}

} // namespace

class tst_Voices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultVoiceIsTheBestInstalled_data();
    void defaultVoiceIsTheBestInstalled();
    void refusedVoiceKeepsThePreviousOne_data();
    void refusedVoiceKeepsThePreviousOne();
    void preparedTextIsInTheMixersNextBuffer();
    void preparedAndUnpreparedGiveTheSameSamples_data();
    void preparedAndUnpreparedGiveTheSameSamples();
    void preparationFollowsSettingsAndDictionaries();
    void cacheKeepsWithinItsBudget();
    void copyingAVoiceIntoTheUsersFolder_data();
    void copyingAVoiceIntoTheUsersFolder();

private:
    VoicePlaces freshPlaces(const QString &name);
    std::unique_ptr<VoiceEngine> makeEngine(NullAudioOutput &out, const VoicePlaces &places, const QString &voice = {});
    QTemporaryDir dir_;
};

void tst_Voices::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
}

VoicePlaces tst_Voices::freshPlaces(const QString &name)
{
    const QString root = dir_.filePath(name);
    QDir(root).removeRecursively();
    QDir().mkpath(root + "/installed");
    QDir().mkpath(root + "/own");
    return VoicePlaces{root + "/installed", root + "/own"};
}

std::unique_ptr<VoiceEngine> tst_Voices::makeEngine(NullAudioOutput &out, const VoicePlaces &places, const QString &voice)
{
    VoiceEngine::Options options;
    options.places = places;
    options.voice = voice;
    return VoiceEngine::create(out.mixer(), 0, options);
}

void tst_Voices::defaultVoiceIsTheBestInstalled_data()
{
    QTest::addColumn<QStringList>("installed"); // relative paths; "!" before one marks it damaged
    QTest::addColumn<QString>("own");           // the user's own voice file: "good", "damaged" or none
    QTest::addColumn<QString>("wanted");        // "", "espeak", "own" or "missing"
    QTest::addColumn<bool>("labels");
    QTest::addColumn<QString>("expected");      // a relative path, "own" or "espeak"
    QTest::addColumn<VoiceNotice::Kind>("notice");
    QTest::addColumn<QString>("noticeFile");    // as expected
    using K = VoiceNotice::Kind;
    const QString m001 = QStringLiteral("nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");
    QTest::newRow("the package's m001 first") << QStringList{"a/aaa.htsvoice", m001} << "" << "" << true << m001 << K::None << "";
    QTest::newRow("else the first installed") << QStringList{"b/b.htsvoice", "a/a.htsvoice"} << "" << "" << true << "a/a.htsvoice"
                                              << K::None << "";
    QTest::newRow("none installed: espeak-ng, with the notice") << QStringList{} << "" << "" << true << "espeak"
                                                                << K::NoHtsVoice << "";
    QTest::newRow("espeak-ng chosen: no notice") << QStringList{"a/a.htsvoice"} << "" << "espeak" << true << "espeak" << K::None << "";
    QTest::newRow("own voice chosen") << QStringList{"a/a.htsvoice"} << "good" << "own" << true << "own" << K::None << "";
    QTest::newRow("own voice damaged: the default, naming it") << QStringList{"a/a.htsvoice"} << "damaged" << "own" << true
                                                               << "a/a.htsvoice" << K::VoiceRefused << "own";
    QTest::newRow("own voice gone: the default, naming it") << QStringList{"a/a.htsvoice"} << "" << "missing" << true
                                                            << "a/a.htsvoice" << K::VoiceRefused << "missing";
    QTest::newRow("only voice damaged: espeak-ng") << QStringList{"!" + m001} << "" << "" << true << "espeak" << K::VoiceRefused
                                                   << m001;
    QTest::newRow("no accent dictionary: espeak-ng") << QStringList{m001} << "" << "" << false << "espeak"
                                                     << K::NoAccentDictionary << "";
}

void tst_Voices::defaultVoiceIsTheBestInstalled()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, own);
    QFETCH(QString, wanted);
    QFETCH(bool, labels);
    QFETCH(QString, expected);
    QFETCH(VoiceNotice::Kind, notice);
    QFETCH(QString, noticeFile);
    const VoicePlaces places = freshPlaces(QStringLiteral("choice"));
    const QByteArray good = testing::smallVoice();
    for (QString path : installed) {
        const bool damaged = path.startsWith(u'!');
        path = places.installed + u'/' + path.remove(u'!');
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(testing::writeFile(path, damaged ? good.left(100) : good));
    }
    const QString ownFile = places.own + "/mine.htsvoice";
    if (!own.isEmpty())
        QVERIFY(testing::writeFile(ownFile, own == u"good" ? good : good.left(good.size() - 3)));
    auto resolve = [&](const QString &name) {
        if (name.isEmpty() || name == u"espeak")
            return name;
        if (name == u"own")
            return ownFile;
        if (name == u"missing")
            return places.own + "/gone.htsvoice";
        return places.installed + u'/' + name;
    };
    const VoiceChoice choice = voices::choose(resolve(wanted), places, labels);
    QVERIFY(choice.synthesiser);
    QCOMPARE(choice.voice, resolve(expected));
    QCOMPARE(choice.notice.kind, notice);
    QCOMPARE(choice.notice.file, resolve(noticeFile));
    QCOMPARE(choice.synthesiser->sampleRate(), expected == u"espeak" ? 22050 : 16000);
}

void tst_Voices::refusedVoiceKeepsThePreviousOne_data()
{
    QTest::addColumn<QByteArray>("bytes"); // of the voice asked for; "missing": no file
    QTest::addColumn<VoiceFileFault>("fault");
    const QByteArray good = testing::smallVoice();
    QTest::newRow("truncated") << good.left(good.size() - 5) << VoiceFileFault::PositionPastEnd;
    QTest::newRow("empty") << QByteArray() << VoiceFileFault::Empty;
    QTest::newRow("wrong magic") << testing::smallVoiceWith("[GLOBAL]", "[global]") << VoiceFileFault::NotHtsVoice;
    QTest::newRow("position past the end") << testing::smallVoiceWith("DURATION_PDF:0-", "DURATION_PDF:0-9") << VoiceFileFault::PositionPastEnd;
    QTest::newRow("another language") << testing::smallVoiceWith("HTS_TTS_JPN", "HTS_TTS_ENG") << VoiceFileFault::NotJapanese;
    QTest::newRow("missing") << QByteArray("missing") << VoiceFileFault::Unreadable;
}

void tst_Voices::refusedVoiceKeepsThePreviousOne()
{
    QFETCH(QByteArray, bytes);
    QFETCH(VoiceFileFault, fault);
    const VoicePlaces places = freshPlaces(QStringLiteral("refused"));
    const QString voice = places.installed + "/small.htsvoice";
    QVERIFY(testing::writeFile(voice, testing::smallVoice()));
    const QString bad = places.own + "/bad.htsvoice";
    if (bytes != "missing")
        QVERIFY(testing::writeFile(bad, bytes));
    NullAudioOutput out;
    auto engine = makeEngine(out, places);
    QVERIFY(engine);
    QCOMPARE(engine->voice(), voice);
    const VoiceFileCheck check = engine->useVoice(bad);
    QCOMPARE(check.fault, fault);
    QCOMPARE(engine->voice(), voice);
    // The dialog tries it the same way: the setting stays too.
    VoiceSettings tried = engine->settings();
    tried.voice = bad;
    engine->applySettings(tried);
    QCOMPARE(engine->voice(), voice);
    QCOMPARE(engine->settings().voice, QString());
    // And it speaks as before.
    QVERIFY(!playedSamples(out, *engine, QStringLiteral("発車します。")).empty());
}

void tst_Voices::preparedTextIsInTheMixersNextBuffer()
{
    const VoicePlaces places = freshPlaces(QStringLiteral("next-buffer"));
    QVERIFY(testing::writeFile(places.installed + "/small.htsvoice", testing::smallVoice()));
    NullAudioOutput out;
    auto engine = makeEngine(out, places);
    QVERIFY(engine);
    engine->prepare({QStringLiteral("ご乗車ありがとうございます。"), kTapeText});
    QVERIFY(waitUntilPrepared(*engine, kTapeText));
    engine->VoiceSpeak(kTapeText);
    // Mixed at once, without waiting for any worker: the speech is there.
    std::vector<float> buffer(512 * 2);
    out.mixer().render(buffer.data(), 512);
    QVERIFY(testing::firstSound(buffer) >= 0);
}

void tst_Voices::preparedAndUnpreparedGiveTheSameSamples_data()
{
    // HTS voices only: espeak-ng's pitch wavers on from one text into the
    // next, so no two of its syntheses are quite the same.
    QTest::addColumn<QString>("voice"); // "small" or "installed"
    QTest::newRow("small HTS voice") << "small";
    QTest::newRow("installed HTS voice") << "installed";
}

void tst_Voices::preparedAndUnpreparedGiveTheSameSamples()
{
    QFETCH(QString, voice);
    const VoicePlaces places = freshPlaces(QStringLiteral("same"));
    QVERIFY(testing::writeFile(places.installed + "/small.htsvoice", testing::smallVoice()));
    QString file = places.installed + "/small.htsvoice";
    if (voice == u"installed") {
        if (!QFileInfo::exists(testing::installedVoice()))
            QSKIP("the voice package is not installed");
        file = testing::installedVoice();
    }
    NullAudioOutput spoken;
    auto atOnce = makeEngine(spoken, places, file);
    QVERIFY(atOnce);
    QCOMPARE(atOnce->voice(), file);
    const std::vector<float> unprepared = playedSamples(spoken, *atOnce, kTapeText);

    NullAudioOutput ahead;
    auto prepared = makeEngine(ahead, places, file);
    prepared->prepare({kTapeText});
    QVERIFY(waitUntilPrepared(*prepared, kTapeText));
    const std::vector<float> made = playedSamples(ahead, *prepared, kTapeText);
    QVERIFY(unprepared.size() > 48000 / 2);
    QCOMPARE(made.size(), unprepared.size());
    QVERIFY(made == unprepared);
    // The speech starts in the first buffer: the voice's silence before it is left out.
    const qsizetype first = testing::firstSound(spoken.captured());
    QVERIFY2(first >= 0 && first < 512, qPrintable(QString::number(first)));
}

void tst_Voices::preparationFollowsSettingsAndDictionaries()
{
    const VoicePlaces places = freshPlaces(QStringLiteral("follows"));
    QVERIFY(testing::writeFile(places.installed + "/small.htsvoice", testing::smallVoice()));
    NullAudioOutput out;
    auto engine = makeEngine(out, places);
    QVERIFY(engine);
    engine->prepare({kTapeText});
    QVERIFY(waitUntilPrepared(*engine, kTapeText));
    VoiceSettings faster = engine->settings();
    faster.rate = 130;
    engine->applySettings(faster); // tried in the dialog: made again only when kept
    QVERIFY(!engine->isPrepared(kTapeText));
    engine->setSettings(faster);
    QVERIFY(waitUntilPrepared(*engine, kTapeText));
    // The volume is the mixer's: the speech made stays good.
    faster.volume = 50;
    engine->applySettings(faster);
    QVERIFY(engine->isPrepared(kTapeText));
    // A route's reading dictionary may read the text otherwise.
    engine->useReadingDictionaries(QStringLiteral("/nonexistent/"));
    QVERIFY(!engine->isPrepared(kTapeText));
}

void tst_Voices::cacheKeepsWithinItsBudget()
{
    SpeechCache cache(100);
    cache.put("a", std::vector<std::int16_t>(20));
    cache.put("b", std::vector<std::int16_t>(20));
    QVERIFY(cache.find("a")); // a is now the one used last
    cache.put("c", std::vector<std::int16_t>(20));
    QVERIFY(cache.contains("a") && cache.contains("c"));
    QVERIFY(!cache.contains("b"));
    QCOMPARE(cache.bytes(), std::size_t(80));
    cache.put("huge", std::vector<std::int16_t>(60)); // larger than the budget: not kept
    QVERIFY(!cache.contains("huge"));
    cache.put("a", std::vector<std::int16_t>(10));
    QCOMPARE(cache.bytes(), std::size_t(60));
    QCOMPARE(cache.find("a")->size(), std::size_t(10));
}

void tst_Voices::copyingAVoiceIntoTheUsersFolder_data()
{
    QTest::addColumn<QByteArray>("existing"); // already in the user's folder as f001.htsvoice
    QTest::addColumn<QByteArray>("picked");
    QTest::addColumn<QString>("copiedAs"); // empty: refused
    QTest::addColumn<VoiceFileFault>("fault");
    const QByteArray good = testing::smallVoice();
    const QByteArray other = testing::smallVoiceWith("test voice", "another voice");
    QTest::newRow("into an empty folder") << QByteArray() << good << "f001.htsvoice" << VoiceFileFault::None;
    QTest::newRow("the same file again") << good << good << "f001.htsvoice" << VoiceFileFault::None;
    QTest::newRow("another of the same name") << other << good << "f001-2.htsvoice" << VoiceFileFault::None;
    QTest::newRow("truncated") << QByteArray() << good.left(good.size() - 1) << "" << VoiceFileFault::PositionPastEnd;
    QTest::newRow("not a voice") << QByteArray() << QByteArray("hello") << "" << VoiceFileFault::NotHtsVoice;
}

void tst_Voices::copyingAVoiceIntoTheUsersFolder()
{
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, picked);
    QFETCH(QString, copiedAs);
    QFETCH(VoiceFileFault, fault);
    const VoicePlaces places = freshPlaces(QStringLiteral("copy"));
    QDir(places.own).removeRecursively(); // made when first needed
    if (!existing.isEmpty()) {
        QVERIFY(QDir().mkpath(places.own));
        QVERIFY(testing::writeFile(places.own + "/f001.htsvoice", existing));
    }
    const QString source = dir_.filePath("f001.htsvoice");
    QVERIFY(testing::writeFile(source, picked));
    const voices::Copy copy = voices::copyOwn(source, places);
    QCOMPARE(copy.check.fault, fault);
    QCOMPARE(copy.copied, copiedAs.isEmpty() ? QString() : places.own + u'/' + copiedAs);
    const QStringList files = QDir(places.own).entryList(QDir::Files);
    QCOMPARE(files.size(), (existing.isEmpty() ? 0 : 1) + (copiedAs.isEmpty() || existing == picked ? 0 : 1));
    if (!copiedAs.isEmpty()) {
        QFile f(copy.copied);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), picked);
    }
}

QTEST_GUILESS_MAIN(tst_Voices)
#include "tst_voices.moc"
