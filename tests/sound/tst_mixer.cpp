// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/SampleRing.h"
#include "sound/SdlAudioOutput.h"

#include "SoundFiles.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <thread>

using namespace kerubara;

namespace {

constexpr int kBuffer = 512;

std::shared_ptr<const PcmBuffer> constant(float value, int frames)
{
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = 48000;
    pcm->samples.assign(static_cast<std::size_t>(frames) * 2, value);
    return pcm;
}

// A sound in which every frame has a value of its own.
std::shared_ptr<const PcmBuffer> ramp(int frames)
{
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = 48000;
    for (int f = 0; f < frames; ++f) {
        const float v = 0.5f * static_cast<float>(f + 1) / static_cast<float>(frames);
        pcm->samples.insert(pcm->samples.end(), {v, -v});
    }
    return pcm;
}

float frameAt(const NullAudioOutput &out, qsizetype frame)
{
    return out.captured()[static_cast<std::size_t>(2 * frame)];
}

// Keeps what reaches the device, up to its capacity; called on the audio thread.
class RecordingTap final : public OutputTap
{
public:
    explicit RecordingTap(std::size_t frames) : samples_(frames * Mixer::kChannels) {}

    void rendered(const float *samples, int frames) noexcept override
    {
        const std::size_t at = used_.load(std::memory_order_relaxed);
        const std::size_t n = std::min(static_cast<std::size_t>(frames) * Mixer::kChannels, samples_.size() - at);
        std::copy_n(samples, n, samples_.begin() + static_cast<std::ptrdiff_t>(at));
        used_.store(at + n, std::memory_order_release);
    }
    std::vector<float> recorded() const
    {
        return {samples_.begin(), samples_.begin() + static_cast<std::ptrdiff_t>(used_.load(std::memory_order_acquire))};
    }

private:
    std::vector<float> samples_;
    std::atomic<std::size_t> used_{0};
};

// Keeps one voice's frames by the output frame they were mixed at.
class VoiceRecorder final : public VoiceTap
{
public:
    void mixed(std::uint64_t at, const float *samples, int frames) noexcept override
    {
        if (seen.size() < at + static_cast<std::size_t>(frames))
            seen.resize(at + static_cast<std::size_t>(frames));
        for (int f = 0; f < frames; ++f)
            seen[at + static_cast<std::size_t>(f)] = samples[2 * f];
    }
    std::vector<float> seen; // left channel
};

// A device output that closes its device after 50 ms of silence.
std::unique_ptr<SdlAudioOutput> quicklyIdlingDevice()
{
    return SdlAudioOutput::open(AudioOutput::kDefaultVoices, std::chrono::milliseconds(50));
}

} // namespace

class tst_Mixer : public QObject
{
    Q_OBJECT

private slots:
    void soundStartsInTheFirstBuffer_data();
    void soundStartsInTheFirstBuffer();
    void newSoundOnAVoiceReplacesTheOld();
    void voicesAddUpAndClipOnceAtTheOutput_data();
    void voiceTapSeesItsVoiceAlone_data();
    void voiceTapSeesItsVoiceAlone();
    void voicesAddUpAndClipOnceAtTheOutput();
    void waitUntilEndedLastsAsLongAsTheSound_data();
    void waitUntilEndedLastsAsLongAsTheSound();
    void stopSilencesTheVoice();
    void replacedSoundIsReleasedOnceMixed();
    void streamPlaysWhatArrivesAndFlushDropsWhatWaits();
    void ringKeepsOrderAcrossItsEnd();
    void deviceOutputPlaysInRealTime();
    void nullOutputKeepsOnlyTheMostRecentSamples();
    void nullOutputWaitsForStreamWritersAtWork_data();
    void nullOutputWaitsForStreamWritersAtWork();
    void controlCallsBeyondAFullQueueMixOnDemand_data();
    void controlCallsBeyondAFullQueueMixOnDemand();
    void idleDeviceClosesAndReopensWithoutLosingTheStart();
    void deviceStaysOpenWhileAStreamIsBeingWritten();
};

void tst_Mixer::soundStartsInTheFirstBuffer_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("startFrame");
    QTest::newRow("short sound") << 100 << 0;
    QTest::newRow("longer than a buffer") << 3000 << 0;
    QTest::newRow("from the middle") << 3000 << 2900;
}

void tst_Mixer::soundStartsInTheFirstBuffer()
{
    QFETCH(int, frames);
    QFETCH(int, startFrame);
    NullAudioOutput out(48000, kBuffer);
    out.mixer().play(3, constant(0.25f, frames), startFrame);
    out.pump();
    QCOMPARE(testing::firstSound(out.captured()), 0);
    const int heard = std::min(frames - startFrame, kBuffer);
    QCOMPARE(frameAt(out, heard - 1), 0.25f);
    if (heard < kBuffer)
        QCOMPARE(frameAt(out, heard), 0.0f);
}

void tst_Mixer::newSoundOnAVoiceReplacesTheOld()
{
    NullAudioOutput out(48000, kBuffer);
    out.mixer().play(1, constant(0.2f, 48000));
    out.pump();
    out.mixer().play(1, constant(0.5f, 48000));
    out.pump();
    QCOMPARE(frameAt(out, kBuffer - 1), 0.2f);
    QCOMPARE(frameAt(out, kBuffer), 0.5f);
    QCOMPARE(frameAt(out, 2 * kBuffer - 1), 0.5f);
}

void tst_Mixer::voicesAddUpAndClipOnceAtTheOutput_data()
{
    QTest::addColumn<std::vector<float>>("levels");
    QTest::addColumn<float>("expected");
    QTest::newRow("two quiet voices overlap") << std::vector<float>{0.2f, 0.3f} << 0.5f;
    QTest::newRow("loud sum is clipped") << std::vector<float>{0.8f, 0.8f} << 1.0f;
    QTest::newRow("partial sums are not clipped") << std::vector<float>{0.8f, 0.8f, -0.7f} << 0.9f;
    QTest::newRow("negative clip") << std::vector<float>{-0.9f, -0.9f} << -1.0f;
    QTest::newRow("five voices") << std::vector<float>{0.1f, 0.1f, 0.1f, 0.1f, 0.1f} << 0.5f;
}

void tst_Mixer::voicesAddUpAndClipOnceAtTheOutput()
{
    QFETCH(std::vector<float>, levels);
    QFETCH(float, expected);
    NullAudioOutput out(48000, kBuffer);
    for (std::size_t v = 0; v < levels.size(); ++v)
        out.mixer().play(static_cast<int>(v), constant(levels[v], 1000));
    out.pump();
    QVERIFY(std::fabs(frameAt(out, 10) - expected) < 1.0e-6f);
}

// A tapped voice sounds as before, and its tap sees that voice's frames
// alone, at the output frames where they are heard, a played sound and a
// stream alike, whatever the blocks the output asks for.
void tst_Mixer::voiceTapSeesItsVoiceAlone_data()
{
    QTest::addColumn<bool>("stream");
    QTest::addColumn<int>("buffer");
    QTest::addColumn<int>("startAfter");
    QTest::newRow("a sound from the start") << false << kBuffer << 0;
    QTest::newRow("a sound starting later") << false << kBuffer << 700;
    QTest::newRow("a sound in blocks of odd sizes") << false << 1000 << 300;
    QTest::newRow("a stream") << true << kBuffer << 700;
}

void tst_Mixer::voiceTapSeesItsVoiceAlone()
{
    QFETCH(bool, stream);
    QFETCH(int, buffer);
    QFETCH(int, startAfter);
    constexpr int kVoice = 2;
    const auto sound = ramp(1500);
    NullAudioOutput out(48000, buffer);
    VoiceRecorder tap;
    out.mixer().setVoiceTap(kVoice, &tap);
    out.mixer().play(0, constant(0.1f, 48000));
    out.pump(startAfter / buffer);
    const std::size_t start = out.captured().size() / 2;
    auto ring = std::make_shared<SampleRing>(4096);
    if (stream) {
        out.mixer().attachStream(kVoice, ring);
        QCOMPARE(ring->write(sound->samples.data(), 1500), std::size_t(1500));
    } else {
        out.mixer().play(kVoice, sound);
    }
    out.pump(2000 / buffer + 1);
    out.mixer().setVoiceTap(kVoice, nullptr);
    out.pump(1);
    QVERIFY(tap.seen.size() >= start + 1500);
    QVERIFY(tap.seen.size() < out.captured().size() / 2);
    for (std::size_t f = 0; f < tap.seen.size(); ++f) {
        const float own = f >= start && f < start + 1500 ? sound->samples[2 * (f - start)] : 0.0f;
        QCOMPARE(tap.seen[f], own);
        QCOMPARE(frameAt(out, qsizetype(f)), own + 0.1f);
    }
}

void tst_Mixer::waitUntilEndedLastsAsLongAsTheSound_data()
{
    QTest::addColumn<int>("frames");
    QTest::newRow("shorter than a buffer") << 100;
    QTest::newRow("exactly a buffer") << kBuffer;
    QTest::newRow("one frame more") << kBuffer + 1;
    QTest::newRow("a second") << 48000;
}

void tst_Mixer::waitUntilEndedLastsAsLongAsTheSound()
{
    QFETCH(int, frames);
    NullAudioOutput out(48000, kBuffer);
    out.mixer().play(2, constant(0.3f, frames));
    QVERIFY(out.mixer().isPlaying(2));
    out.mixer().waitUntilEnded(2);
    QVERIFY(!out.mixer().isPlaying(2));
    const auto mixed = static_cast<int>(out.captured().size() / 2);
    QCOMPARE(mixed, (frames + kBuffer - 1) / kBuffer * kBuffer);
    QCOMPARE(testing::lastSound(out.captured()), frames - 1);
}

void tst_Mixer::stopSilencesTheVoice()
{
    NullAudioOutput out(48000, kBuffer);
    out.mixer().play(1, constant(0.4f, 48000));
    out.pump();
    out.mixer().stop(1);
    QVERIFY(!out.mixer().isPlaying(1));
    out.pump();
    QCOMPARE(testing::firstSound(out.captured(), kBuffer), -1);
}

void tst_Mixer::replacedSoundIsReleasedOnceMixed()
{
    NullAudioOutput out(48000, kBuffer);
    auto first = std::make_shared<PcmBuffer>(*constant(0.1f, 48000));
    const std::weak_ptr<PcmBuffer> watch = first;
    out.mixer().play(1, std::move(first));
    out.pump();
    out.mixer().play(1, constant(0.2f, 48000));
    // The audio side may still read the old sound until it takes the command.
    QVERIFY(!watch.expired());
    out.pump();
    out.mixer().setGain(1, 1.0f); // any later command lets the control side tidy up
    QVERIFY(watch.expired());
}

void tst_Mixer::streamPlaysWhatArrivesAndFlushDropsWhatWaits()
{
    NullAudioOutput out(48000, kBuffer);
    auto ring = std::make_shared<SampleRing>(48000);
    out.mixer().attachStream(0, ring);
    out.mixer().setGain(0, 0.5f);
    const std::vector<float> a(200, 0.6f);
    ring->write(a.data(), 100);
    QVERIFY(!out.mixer().streamDrained(0));
    out.pump();
    QCOMPARE(frameAt(out, 99), 0.3f);
    QCOMPARE(frameAt(out, 100), 0.0f);
    QVERIFY(out.mixer().streamDrained(0));

    const std::vector<float> waiting(4000, 0.2f);
    ring->write(waiting.data(), 2000);
    out.mixer().flushStream(0);
    QVERIFY(out.mixer().streamDrained(0));
    const std::vector<float> after(20, -0.8f);
    ring->write(after.data(), 10);
    out.pump();
    QCOMPARE(frameAt(out, kBuffer), -0.4f);
    QCOMPARE(frameAt(out, kBuffer + 9), -0.4f);
    QCOMPARE(frameAt(out, kBuffer + 10), 0.0f);
}

void tst_Mixer::ringKeepsOrderAcrossItsEnd()
{
    SampleRing ring(8);
    std::vector<float> in;
    for (int i = 0; i < 24; ++i)
        in.push_back(static_cast<float>(i));
    QCOMPARE(ring.write(in.data(), 6), std::size_t(6));
    std::vector<float> out(24, 0.0f);
    QCOMPARE(ring.readAdd(out.data(), 4, 1.0f), std::size_t(4));
    QCOMPARE(ring.write(in.data() + 12, 7), std::size_t(6)); // only 6 frames of room
    QCOMPARE(ring.readAdd(out.data() + 8, 12, 1.0f), std::size_t(8));
    const std::vector<float> expected{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
    QCOMPARE(out, expected);
}

void tst_Mixer::deviceOutputPlaysInRealTime()
{
    // The tests run with SDL's dummy driver: no sound card, real pace.
    const auto out = openAudioOutput();
    QVERIFY(out);
    QVERIFY(out->sampleRate() == 48000 || out->sampleRate() == 44100);
    QVERIFY(out->bufferFrames() > 0 && out->bufferFrames() <= 512);
    const int frames = out->sampleRate() / 5; // 200 ms
    QElapsedTimer timer;
    timer.start();
    out->mixer().play(1, constant(0.1f, frames));
    out->mixer().waitUntilEnded(1);
    QVERIFY2(timer.elapsed() >= 150, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(out->mixer().framesRendered() >= static_cast<std::uint64_t>(frames));
}

void tst_Mixer::nullOutputKeepsOnlyTheMostRecentSamples()
{
    constexpr std::size_t limit = 4 * kBuffer;
    NullAudioOutput out(48000, kBuffer, AudioOutput::kDefaultVoices, limit);
    const auto sound = ramp(100 * kBuffer);
    out.mixer().play(1, sound);
    out.pump(100);
    const std::size_t held = out.captured().size() / 2;
    QVERIFY2(held >= limit / 2 && held <= limit, qPrintable(QString::number(held)));
    QCOMPARE(out.capturedFrom() + held, std::uint64_t(100 * kBuffer));
    // What is held is the end of what was mixed, in order.
    const auto from = static_cast<std::ptrdiff_t>(2 * out.capturedFrom());
    QVERIFY(std::equal(out.captured().begin(), out.captured().end(), sound->samples.begin() + from));
}

void tst_Mixer::nullOutputWaitsForStreamWritersAtWork_data()
{
    QTest::addColumn<int>("firstDelayMs");
    QTest::newRow("pieces 3 ms apart") << 3;
    // A synthesizer loading its sound font on a busy machine.
    QTest::newRow("first piece after 2.5 s") << 2500;
}

void tst_Mixer::nullOutputWaitsForStreamWritersAtWork()
{
    // A writer slower than the pumping: ten pieces of 300 frames, 3 ms apart.
    // An output without a clock to keep mixes what the writer gives, however
    // slow: silence mixed meanwhile would shift the sound.
    QFETCH(int, firstDelayMs);
    NullAudioOutput out(48000, kBuffer);
    auto ring = std::make_shared<SampleRing>(48000);
    out.mixer().attachStream(0, ring);
    ring->setWriting(true);
    std::jthread writer([ring, firstDelayMs] {
        const std::vector<float> piece(2 * 300, 0.5f);
        for (int i = 0; i < 10; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(i == 0 ? firstDelayMs : 3));
            ring->write(piece.data(), 300);
        }
        ring->setWriting(false);
    });
    out.pump(8);
    writer.join();
    // The 3000 frames follow each other without a gap, then silence.
    QCOMPARE(testing::firstSound(out.captured()), 0);
    QCOMPARE(testing::lastSound(out.captured()), 2999);
    QCOMPARE(std::count(out.captured().begin(), out.captured().end(), 0.5f), 6000);
}

void tst_Mixer::controlCallsBeyondAFullQueueMixOnDemand_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("gain") << QStringLiteral("gain");
    QTest::newRow("play") << QStringLiteral("play");
    QTest::newRow("stop") << QStringLiteral("stop");
    QTest::newRow("flush") << QStringLiteral("flush");
}

// More commands than the queue holds on an output that only mixes when asked:
// the mixer must make room by mixing (its progress hook), which asks the
// mixer whether the streams are ready. Holding the lock across the hook
// locked the program up after 1 024 calls.
void tst_Mixer::controlCallsBeyondAFullQueueMixOnDemand()
{
    QFETCH(QString, call);
    auto out = std::make_unique<NullAudioOutput>(48000, kBuffer);
    Mixer &mixer = out->mixer();
    const auto sound = constant(0.25f, kBuffer);
    mixer.attachStream(1, std::make_shared<SampleRing>(4096));
    std::atomic<bool> done{false};
    std::thread caller([&] {
        for (int i = 0; i < 1100; ++i) {
            if (call == QLatin1String("gain"))
                mixer.setGain(0, 0.5f);
            else if (call == QLatin1String("play"))
                mixer.play(0, sound);
            else if (call == QLatin1String("stop"))
                mixer.stop(0);
            else
                mixer.flushStream(1);
        }
        done = true;
    });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!done) {
        // Left behind rather than destroyed under the locked-up thread.
        caller.detach();
        (void)out.release();
        QFAIL("the mixer locked up on a full command queue");
    }
    caller.join();
    QVERIFY(mixer.framesRendered() > 0);
}

void tst_Mixer::idleDeviceClosesAndReopensWithoutLosingTheStart()
{
    const auto out = quicklyIdlingDevice();
    QVERIFY(out);
    // Nothing plays: the device closes and the mixer is no longer called.
    QTRY_VERIFY_WITH_TIMEOUT(!out->isRunning(), 5000);
    const std::uint64_t rendered = out->mixer().framesRendered();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QCOMPARE(out->mixer().framesRendered(), rendered);
    QCOMPARE(out->deviceStarts(), 1);

    RecordingTap tap(static_cast<std::size_t>(out->sampleRate()));
    out->mixer().setTap(&tap);
    const auto sound = ramp(2000);
    out->mixer().play(1, sound);
    QTRY_VERIFY_WITH_TIMEOUT(!out->mixer().isPlaying(1), 5000);
    QCOMPARE(out->deviceStarts(), 2);
    // The first buffer of the opened device starts with the sound's first
    // frame, and the whole sound follows.
    const std::vector<float> heard = tap.recorded();
    QVERIFY(heard.size() >= sound->samples.size());
    QVERIFY(std::equal(sound->samples.begin(), sound->samples.end(), heard.begin()));
    QTRY_VERIFY_WITH_TIMEOUT(!out->isRunning(), 5000);
    out->mixer().setTap(nullptr);
}

void tst_Mixer::deviceStaysOpenWhileAStreamIsBeingWritten()
{
    const auto out = quicklyIdlingDevice();
    QVERIFY(out);
    QTRY_VERIFY_WITH_TIMEOUT(!out->isRunning(), 5000);
    auto ring = std::make_shared<SampleRing>(48000);
    out->mixer().attachStream(0, ring);
    // A writer at work wakes the output before its first frame is ready (a
    // synthesizer takes its time) and keeps it open, however long that is.
    ring->setWriting(true);
    out->mixer().wake();
    QTRY_VERIFY_WITH_TIMEOUT(out->isRunning(), 5000);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    QVERIFY(out->isRunning());
    const std::vector<float> speech(2 * 1000, 0.3f);
    ring->write(speech.data(), 1000);
    ring->setWriting(false);
    // Played to its end, then closed.
    QTRY_VERIFY_WITH_TIMEOUT(!out->isRunning(), 5000);
    QCOMPARE(ring->readCount(), std::uint64_t(1000));
    QCOMPARE(out->deviceStarts(), 2);
}

QTEST_GUILESS_MAIN(tst_Mixer)
#include "tst_mixer.moc"
