// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ApiSleep.h"
#include "sound/MidiRenderer.h"
#include "sound/MidiStream.h"
#include "sound/SoundSystem.h"

#include "SoundFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

using namespace kerubara;

namespace {

constexpr int kBuffer = 512;

// A sound system over a null output that records every command and sleep.
struct Rig
{
    NullAudioOutput *out = nullptr;
    std::unique_ptr<SoundSystem> sound;
    QStringList commands;
    QList<int> sleeps;
    ScopedSleepHandler sleepHandler{[this](int ms) { sleeps << ms; }};

    Rig()
    {
        auto output = std::make_unique<NullAudioOutput>(48000, kBuffer);
        out = output.get();
        sound = std::make_unique<SoundSystem>(std::move(output), QStringLiteral("kerubara"));
        sound->setCommandLog([this](const QString &c) { commands << c; });
    }
    float at(qsizetype frame) const { return out->captured()[static_cast<std::size_t>(2 * frame)]; }
};

} // namespace

class tst_SoundSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playSndSendsTheCommands_data();
    void playSndSendsTheCommands();
    void playSndSleepsAfterPlaying_data();
    void playSndSleepsAfterPlaying();
    void closeAllSndClosesTheFourChannels();
    void commandsOnWhatIsNotOpenAreIgnored_data();
    void commandsOnWhatIsNotOpenAreIgnored();
    void newSoundOnAChannelEndsTheOld();
    void otherChannelsPlayOn();
    void playThatOpensNothingStillEndsTheChannel_data();
    void playThatOpensNothingStillEndsTheChannel();
    void emptyNameLeavesTheSoundPlaying();
    void synchronousPlayReturnsWhenTheSoundHasEnded();
    void midiFilesPlay();
    void asynchronousMidiPlayReturnsBeforeThePieceIsRendered();
    void synchronousMidiPlayReturnsOnceThePieceHasPlayed();
    void midiStopsClosesAndPlaysAgainFromTheStart();
    void programNameWithSpacesStillPlays();
    void soundDeviceLeavesTheTerminationSignalsAlone();

private:
    QString file(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void tst_SoundSystem::initTestCase()
{
    QVERIFY(dir_.isValid());
    const QByteArray shortWav = testing::wavFile(testing::level(0.25f, 4800), 1, 48000, testing::WavFormat::Pcm16);
    for (const char *name : {"chime.wav", "CHIME.WAV", "my chime.wav", "say \"next\".wav", "tune.midi", "chime.mp3"})
        QVERIFY(testing::writeFile(file(QString::fromLatin1(name)), shortWav));
    QVERIFY(testing::writeFile(file("long.wav"), testing::wavFile(testing::level(0.1f, 48000), 1, 48000, testing::WavFormat::Pcm16)));
    QVERIFY(testing::writeFile(file("other.wav"), testing::wavFile(testing::level(0.3f, 2400), 1, 48000, testing::WavFormat::Pcm16)));
    QVERIFY(testing::writeFile(file("tune.mid"), testing::midiFile()));
    QVERIFY(testing::writeFile(file("five minutes.mid"), testing::melodyFile(600)));
    // Half a second of rest, then four notes of half a second.
    QVERIFY(testing::writeFile(file("melody.mid"), testing::melodyFile(4, 1, 1)));
    QVERIFY(QDir(dir_.path()).mkdir("folder.wav"));
}

void tst_SoundSystem::playSndSendsTheCommands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("wait");
    QTest::addColumn<QStringList>("expected"); // %F: the file, A: the alias
    const QString open = QStringLiteral("open \"%F\" type %T alias kerubaraS1 wait");
    const QStringList async{"close kerubaraS1", open, "stop kerubaraS1", "play kerubaraS1 from 0"};
    const QStringList sync{"close kerubaraS1", open, "play kerubaraS1 from 0 wait"};
    auto typed = [](QStringList list, const char *type) {
        list.replaceInStrings("%T", QLatin1StringView(type));
        return list;
    };
    QTest::newRow("chime.wav") << "chime.wav" << 0 << typed(async, "waveaudio");
    QTest::newRow("CHIME.WAV, waiting") << "CHIME.WAV" << -1 << typed(sync, "waveaudio");
    QTest::newRow("tune.mid") << "tune.mid" << 0 << typed(async, "sequencer");
    QTest::newRow("tune.mid, any non-zero wait") << "tune.mid" << 1 << typed(sync, "sequencer");
    QTest::newRow("name with spaces") << "my chime.wav" << 0 << typed(async, "waveaudio");
    QTest::newRow("name with double quotes") << "say \"next\".wav" << 0 << typed(async, "waveaudio");
    QTest::newRow("tune.midi only closes") << "tune.midi" << 0 << QStringList{"close kerubaraS1"};
    QTest::newRow("chime.mp3 only closes") << "chime.mp3" << -1 << QStringList{"close kerubaraS1"};
    QTest::newRow("missing file sends nothing") << "gone.wav" << 0 << QStringList{};
    QTest::newRow("a folder is not a file") << "folder.wav" << 0 << QStringList{};
    QTest::newRow("empty name sends nothing") << "" << 0 << QStringList{};
}

void tst_SoundSystem::playSndSendsTheCommands()
{
    QFETCH(QString, name);
    QFETCH(int, wait);
    QFETCH(QStringList, expected);
    Rig rig;
    const QString path = name.isEmpty() ? QString() : file(name);
    rig.sound->PlaySnd(path, "S1", static_cast<std::int16_t>(wait), 0);
    expected.replaceInStrings("%F", path);
    QCOMPARE(rig.commands, expected);
    // The channel is open exactly when an open was sent.
    QCOMPARE(rig.sound->isOpen("kerubaraS1"), expected.size() > 1);
}

void tst_SoundSystem::playSndSleepsAfterPlaying_data()
{
    QTest::addColumn<int>("wait");
    QTest::addColumn<int>("pause");
    QTest::addColumn<QList<int>>("sleeps");
    QTest::newRow("asynchronous yields") << 0 << 300 << QList<int>{0};
    QTest::newRow("synchronous without pause") << -1 << 0 << QList<int>{0};
    QTest::newRow("synchronous with pause") << -1 << 250 << QList<int>{250};
}

void tst_SoundSystem::playSndSleepsAfterPlaying()
{
    QFETCH(int, wait);
    QFETCH(int, pause);
    QFETCH(QList<int>, sleeps);
    Rig rig;
    rig.sound->PlaySnd(file("chime.wav"), "S2", static_cast<std::int16_t>(wait), static_cast<std::int16_t>(pause));
    QCOMPARE(rig.sleeps, sleeps);
}

void tst_SoundSystem::closeAllSndClosesTheFourChannels()
{
    Rig rig;
    rig.sound->PlaySnd(file("long.wav"), "S3", 0, 0);
    rig.commands.clear();
    rig.sound->CloseAllSnd();
    QCOMPARE(rig.commands, (QStringList{"close kerubaraS1", "close kerubaraS2", "close kerubaraS3", "close kerubaraS4"}));
    QVERIFY(!rig.sound->isOpen("kerubaraS3"));
    rig.out->pump();
    QCOMPARE(testing::firstSound(rig.out->captured()), -1);
}



void tst_SoundSystem::commandsOnWhatIsNotOpenAreIgnored_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("result");
    QTest::newRow("play unknown alias") << "play nobody from 0 wait" << int(SoundSystem::MciUnknownAlias);
    QTest::newRow("stop unknown alias") << "stop nobody" << int(SoundSystem::MciUnknownAlias);
    QTest::newRow("close unknown alias") << "close nobody" << int(SoundSystem::MciUnknownAlias);
    QTest::newRow("open missing file") << "open \"/no/such.wav\" type waveaudio alias a wait" << int(SoundSystem::MciCannotOpen);
    QTest::newRow("open midi as wave") << "open \"%D/tune.mid\" type waveaudio alias a wait" << int(SoundSystem::MciCannotOpen);
    QTest::newRow("open wave as midi") << "open \"%D/chime.wav\" type sequencer alias a wait" << int(SoundSystem::MciCannotOpen);
    QTest::newRow("gibberish") << "hello there" << int(SoundSystem::MciBadCommand);
}

void tst_SoundSystem::commandsOnWhatIsNotOpenAreIgnored()
{
    QFETCH(QString, command);
    QFETCH(int, result);
    Rig rig;
    QCOMPARE(rig.sound->mciSendString(command.replace("%D", dir_.path())), result);
    QVERIFY(!rig.sound->isOpen("a"));
    rig.out->pump();
    QCOMPARE(testing::firstSound(rig.out->captured()), -1);
}

void tst_SoundSystem::newSoundOnAChannelEndsTheOld()
{
    Rig rig;
    rig.sound->PlaySnd(file("long.wav"), "S1", 0, 0);
    rig.out->pump();
    rig.sound->PlaySnd(file("other.wav"), "S1", 0, 0);
    rig.out->pump();
    QVERIFY(std::fabs(rig.at(kBuffer - 1) - 0.1f) < 0.001f);
    QVERIFY(std::fabs(rig.at(kBuffer) - 0.3f) < 0.001f);
    rig.out->pump(10); // other.wav is 2400 frames: then silence, long.wav does not come back
    QCOMPARE(testing::lastSound(rig.out->captured()), kBuffer + 2400 - 1);
}

void tst_SoundSystem::otherChannelsPlayOn()
{
    Rig rig;
    rig.sound->PlaySnd(file("long.wav"), "S3", 0, 0);
    rig.out->pump();
    rig.sound->PlaySnd(file("other.wav"), "S1", 0, 0);
    rig.out->pump(10);
    QVERIFY(std::fabs(rig.at(kBuffer) - 0.4f) < 0.001f);           // both
    QVERIFY(std::fabs(rig.at(kBuffer + 2400) - 0.1f) < 0.001f);    // S1 ended, S3 plays on
}

void tst_SoundSystem::playThatOpensNothingStillEndsTheChannel_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("tune.midi") << "tune.midi";
    QTest::newRow("chime.mp3") << "chime.mp3";
}

void tst_SoundSystem::playThatOpensNothingStillEndsTheChannel()
{
    QFETCH(QString, name);
    Rig rig;
    rig.sound->PlaySnd(file("long.wav"), "S1", 0, 0);
    rig.out->pump();
    rig.sound->PlaySnd(file(name), "S1", 0, 0);
    rig.out->pump();
    QCOMPARE(testing::firstSound(rig.out->captured(), kBuffer), -1);
}

void tst_SoundSystem::emptyNameLeavesTheSoundPlaying()
{
    Rig rig;
    rig.sound->PlaySnd(file("long.wav"), "S1", 0, 0);
    rig.out->pump();
    rig.sound->PlaySnd(QString(), "S1", 0, 0);
    rig.out->pump();
    QVERIFY(std::fabs(rig.at(2 * kBuffer - 1) - 0.1f) < 0.001f);
}

void tst_SoundSystem::synchronousPlayReturnsWhenTheSoundHasEnded()
{
    Rig rig;
    rig.sound->PlaySnd(file("chime.wav"), "S2", -1, 0); // 4800 frames
    const auto mixed = static_cast<qsizetype>(rig.out->captured().size() / 2);
    QCOMPARE(mixed, (4800 + kBuffer - 1) / kBuffer * kBuffer);
    QCOMPARE(testing::lastSound(rig.out->captured()), 4799);
}

void tst_SoundSystem::midiFilesPlay()
{
    Rig rig;
    rig.sound->PlaySnd(file("tune.mid"), "S1", -1, 0);
    QVERIFY(rig.sound->isOpen("kerubaraS1"));
    QVERIFY(testing::firstSound(rig.out->captured()) >= 0);
}

void tst_SoundSystem::asynchronousMidiPlayReturnsBeforeThePieceIsRendered()
{
    if (MidiRenderer::soundFontPath().isEmpty())
        QSKIP("no General MIDI sound font installed");
    Rig rig;
    rig.sound->PlaySnd(file("five minutes.mid"), "S1", 0, 0);
    const MidiStream *stream = rig.sound->midiStream("kerubaraS1");
    QVERIFY(stream);
    QVERIFY(stream->isPlaying());
    // Nothing has been mixed yet, so the renderer is at most one ring ahead
    // of the mixer (out of a piece of 300 s), and it stays there.
    const auto ahead = static_cast<std::int64_t>(stream->aheadFrames() + MidiStream::kChunkFrames);
    QVERIFY(ahead < 48000 * 2);
    QVERIFY2(stream->framesRendered() <= ahead, qPrintable(QString::number(stream->framesRendered())));
    QTest::qWait(300);
    QVERIFY2(stream->framesRendered() <= ahead, qPrintable(QString::number(stream->framesRendered())));
    QCOMPARE(rig.sound->cache().bytes(), std::size_t(0));
    // And it plays.
    rig.out->pump(20);
    const qsizetype first = testing::firstSound(rig.out->captured());
    QVERIFY2(first >= 0 && first < 1024, qPrintable(QString::number(first)));
    QVERIFY(stream->framesRendered() > 20 * kBuffer);
}

void tst_SoundSystem::synchronousMidiPlayReturnsOnceThePieceHasPlayed()
{
    if (MidiRenderer::soundFontPath().isEmpty())
        QSKIP("no General MIDI sound font installed");
    const auto whole = MidiRenderer(48000).render(testing::melodyFile(4, 1, 1));
    QVERIFY(whole);
    const qsizetype start = testing::firstSound(whole->samples);
    const qsizetype end = testing::lastSound(whole->samples);
    QVERIFY2(start >= 24000 - 1024 && end > 2 * 48000, qPrintable(QStringLiteral("%1 %2").arg(start).arg(end)));

    Rig rig;
    rig.sound->PlaySnd(file("melody.mid"), "S2", -1, 0);
    QVERIFY(!rig.sound->midiStream("kerubaraS2")->isPlaying());
    // Everything was mixed, from the rest at the start to the last note's
    // decay, without a gap, and the play returned soon after its end.
    const std::vector<float> &mixed = rig.out->captured();
    QCOMPARE(rig.out->capturedFrom(), std::uint64_t(0));
    QVERIFY2(std::abs(testing::firstSound(mixed) - start) <= 64, qPrintable(QString::number(testing::firstSound(mixed))));
    QVERIFY2(std::abs(testing::lastSound(mixed) - end) <= MidiStream::kChunkFrames,
             qPrintable(QStringLiteral("%1, whole piece %2").arg(testing::lastSound(mixed)).arg(end)));
    const auto mixedFrames = static_cast<qsizetype>(mixed.size() / 2);
    QVERIFY2(mixedFrames <= whole->frames() + MidiStream::kChunkFrames + kBuffer, qPrintable(QString::number(mixedFrames)));
}

void tst_SoundSystem::midiStopsClosesAndPlaysAgainFromTheStart()
{
    if (MidiRenderer::soundFontPath().isEmpty())
        QSKIP("no General MIDI sound font installed");
    constexpr qsizetype rest = 24000; // the melody's first note comes after half a second
    Rig rig;
    // Mixes a second and a half from now on; where the first sound is, from now.
    auto soundAfter = [&rig] {
        const auto now = static_cast<qsizetype>(rig.out->captured().size() / 2);
        rig.out->pump(3 * 48);
        const qsizetype first = testing::firstSound(rig.out->captured(), now);
        return first < 0 ? first : first - now;
    };
    rig.sound->PlaySnd(file("melody.mid"), "S3", 0, 0);
    const qsizetype onset = soundAfter();
    QVERIFY2(std::abs(onset - rest) <= 1024, qPrintable(QString::number(onset)));
    rig.sound->mciSendString("stop kerubaraS3");
    QCOMPARE(soundAfter(), -1);
    QVERIFY(!rig.sound->midiStream("kerubaraS3")->isPlaying());
    // From the start again, rest and all; then from a given position.
    rig.sound->mciSendString("play kerubaraS3 from 0");
    QCOMPARE(soundAfter(), onset);
    rig.sound->mciSendString("play kerubaraS3 from 250");
    const qsizetype later = soundAfter();
    QVERIFY2(std::abs(later - (onset - rest / 2)) <= 64, qPrintable(QString::number(later)));
    rig.sound->mciSendString("close kerubaraS3");
    QVERIFY(!rig.sound->isOpen("kerubaraS3"));
    QCOMPARE(soundAfter(), -1);
}

void tst_SoundSystem::programNameWithSpacesStillPlays()
{
    ScopedSleepHandler noSleep([](int) {});
    auto output = std::make_unique<NullAudioOutput>(48000, kBuffer);
    NullAudioOutput *out = output.get();
    SoundSystem sound(std::move(output), QStringLiteral("bus sim"));
    QStringList commands;
    sound.setCommandLog([&](const QString &c) { commands << c; });
    sound.PlaySnd(file("chime.wav"), "S4", 0, 0);
    QCOMPARE(commands.first(), QStringLiteral("close bus_simS4"));
    QVERIFY(sound.isOpen("bus_simS4"));
    out->pump();
    QCOMPARE(testing::firstSound(out->captured()), 0);
}

void tst_SoundSystem::soundDeviceLeavesTheTerminationSignalsAlone()
{
    // SDL's audio would otherwise catch SIGTERM and SIGINT for an event
    // queue nobody reads, and the program could not be ended by a signal.
    // SDL takes a signal only while nobody else has: the test framework's
    // own handlers step aside for the test and come back after it.
    struct sigaction frameworkTerm {};
    struct sigaction frameworkInt {};
    struct sigaction none {};
    none.sa_handler = SIG_DFL;
    sigaction(SIGTERM, &none, &frameworkTerm);
    sigaction(SIGINT, &none, &frameworkInt);
    const auto restore = qScopeGuard([&] {
        sigaction(SIGTERM, &frameworkTerm, nullptr);
        sigaction(SIGINT, &frameworkInt, nullptr);
    });
    auto handlerOf = [](int signal) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        return action.sa_handler;
    };
    SoundSystem sound(openAudioOutput());
    auto tone = std::make_shared<PcmBuffer>();
    tone->sampleRate = sound.mixer().sampleRate();
    tone->samples.assign(4800 * PcmBuffer::kChannels, 0.1f);
    sound.mixer().play(1, tone); // the device opens for it
    QTest::qWait(50);
    QVERIFY(handlerOf(SIGTERM) == SIG_DFL);
    QVERIFY(handlerOf(SIGINT) == SIG_DFL);
}

QTEST_GUILESS_MAIN(tst_SoundSystem)
#include "tst_soundsystem.moc"
