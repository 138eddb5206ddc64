// SPDX-License-Identifier: GPL-3.0-or-later
// Sound figures: the output buffer, how soon a played sound and a spoken
// announcement leave the mixer, what mixing costs, how soon an asynchronous
// play of a long MIDI file returns and what an idle program spends. Without a
// sound card SDL's dummy driver stands in, at the real pace.

#include "FirstSoundTap.h"
#include "sound/AudioOutput.h"
#include "sound/JapaneseReader.h"
#include "sound/KanaPhonemes.h"
#include "sound/KanjiReadings.h"
#include "sound/Mixer.h"
#include "sound/SampleRing.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechText.h"
#include "sound/VoiceEngine.h"
#include "sound/WavDecoder.h"

#include "SoundFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

using namespace kerubara;
using bench::Clock;
using bench::FirstSoundTap;
using bench::waitForSound;

namespace {

void BM_OutputBuffer(benchmark::State &state)
{
    const auto out = openAudioOutput();
    for (auto _ : state)
        benchmark::DoNotOptimize(out->bufferFrames());
    state.counters["frames"] = out->bufferFrames();
    state.counters["rate_hz"] = out->sampleRate();
    state.counters["buffer_ms"] = 1000.0 * out->bufferFrames() / out->sampleRate();
    std::printf("output: driver %s, %d Hz, %d frames a buffer (%.1f ms)\n", qPrintable(out->driverName()),
                out->sampleRate(), out->bufferFrames(), 1000.0 * out->bufferFrames() / out->sampleRate());
}
BENCHMARK(BM_OutputBuffer)->Iterations(1);

void BM_PlaySndToFirstSample(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString chime = dir.filePath("chime.wav");
    testing::writeFile(chime, testing::wavFile(testing::tone(880, 4800, 48000), 1, 48000, testing::WavFormat::Pcm16));
    SoundSystem sound(openAudioOutput(), QStringLiteral("bench"));
    FirstSoundTap tap;
    sound.mixer().setTap(&tap);
    for (auto _ : state) {
        tap.arm();
        const auto start = Clock::now();
        sound.PlaySnd(chime, QStringLiteral("S1"), 0, 0);
        state.SetIterationTime(waitForSound(tap, start));
        sound.mciSendString(QStringLiteral("stop benchS1"));
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    sound.mixer().setTap(nullptr);
}
BENCHMARK(BM_PlaySndToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// As above, but each time from an idle program whose device has closed: the
// time includes opening it again.
void BM_PlaySndToFirstSampleFromIdle(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString chime = dir.filePath("chime.wav");
    testing::writeFile(chime, testing::wavFile(testing::tone(880, 4800, 48000), 1, 48000, testing::WavFormat::Pcm16));
    SoundSystem sound(openAudioOutput(), QStringLiteral("bench"));
    const auto *device = dynamic_cast<const SdlAudioOutput *>(&sound.output());
    if (!device) {
        state.SkipWithError("no SDL output");
        return;
    }
    FirstSoundTap tap;
    sound.mixer().setTap(&tap);
    for (auto _ : state) {
        while (device->isRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        tap.arm();
        const auto start = Clock::now();
        sound.PlaySnd(chime, QStringLiteral("S1"), 0, 0);
        state.SetIterationTime(waitForSound(tap, start));
        sound.mciSendString(QStringLiteral("stop benchS1"));
    }
    sound.mixer().setTap(nullptr);
}
BENCHMARK(BM_PlaySndToFirstSampleFromIdle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Decoding a five-second 22.05 kHz WAV file (a long chime) to the mixer's
// format, as the first play of a file does on the user-interface thread.
void BM_DecodeFiveSecondWav(benchmark::State &state)
{
    const QByteArray wav = testing::wavFile(testing::tone(880, 5 * 22050, 22050), 1, 22050, testing::WavFormat::Pcm16);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeWav(wav, 48000));
}
BENCHMARK(BM_DecodeFiveSecondWav)->Unit(benchmark::kMillisecond);

void BM_MixTenMillisecondsFourChannelsAndSpeech(benchmark::State &state)
{
    constexpr int rate = 48000;
    constexpr int block = rate / 100; // 10 ms
    Mixer mixer(rate, AudioOutput::kDefaultVoices);
    auto sound = std::make_shared<PcmBuffer>();
    sound->sampleRate = rate;
    const std::vector<float> mono = testing::tone(440, rate * 10, rate, 0.2f);
    for (const float s : mono)
        sound->samples.insert(sound->samples.end(), {s, s});
    for (int v = 1; v <= 4; ++v)
        mixer.play(v, sound);
    auto ring = std::make_shared<SampleRing>(rate * 10);
    mixer.attachStream(0, ring);
    const std::vector<float> speech(sound->samples.begin(), sound->samples.begin() + rate * 2);
    std::vector<float> out(block * Mixer::kChannels);
    for (auto _ : state) {
        if (ring->readableFrames() < block || !mixer.isPlaying(1)) {
            state.PauseTiming();
            ring->write(speech.data(), speech.size() / 2);
            for (int v = 1; v <= 4; ++v)
                if (!mixer.isPlaying(v))
                    mixer.play(v, sound);
            state.ResumeTiming();
        }
        mixer.render(out.data(), block);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["audio_ms_per_iteration"] = 10;
}
BENCHMARK(BM_MixTenMillisecondsFourChannelsAndSpeech)->Unit(benchmark::kMicrosecond);

void BM_VoiceSpeakToFirstSample(benchmark::State &state)
{
    const auto out = openAudioOutput();
    const auto engine = VoiceEngine::create(out->mixer(), 0);
    if (!engine) {
        state.SkipWithError("no speech engine (espeak-ng ja voice or MeCab dictionary missing)");
        return;
    }
    // Thirty characters, as long as an ordinary stop announcement.
    const QString text = QStringLiteral("次は、県立中央病院東口です。お降りの方は、お知らせください。");
    FirstSoundTap tap;
    out->mixer().setTap(&tap);
    for (auto _ : state) {
        tap.arm();
        const auto start = Clock::now();
        engine->VoiceSpeak(text);
        state.SetIterationTime(waitForSound(tap, start));
        engine->VoiceStop();
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    out->mixer().setTap(nullptr);
    state.counters["characters"] = static_cast<double>(text.size());
}
BENCHMARK(BM_VoiceSpeakToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// The part of VoiceSpeak's start that is ours: the 30-character text read
// (normalised, numbers, dictionaries, MeCab) and turned into phoneme input.
void BM_ReadingToPhonemes(benchmark::State &state)
{
    const auto reader = JapaneseReader::create();
    if (!reader) {
        state.SkipWithError("no MeCab dictionary");
        return;
    }
    const QString text = QStringLiteral("次は、県立中央病院東口です。運賃は1,200円、4時30分発です。");
    for (auto _ : state)
        benchmark::DoNotOptimize(kanaToPhonemes(reader->reading(text)));
    state.counters["characters"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadingToPhonemes)->Unit(benchmark::kMicrosecond);

// KANJIDIC read and parsed: what the first kanji no dictionary has a word
// for costs the reader, once per process.
void BM_KanjiReadingsLoad(benchmark::State &state)
{
    QFile file(KanjiReadings::systemFile());
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("kanjidic is not installed");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(KanjiReadings::parse(bytes).size());
    state.counters["kanji"] = static_cast<double>(KanjiReadings::parse(bytes).size());
}
BENCHMARK(BM_KanjiReadingsLoad)->Unit(benchmark::kMillisecond);

// The HTS voices' front end on the same text: our reading, the accent
// dictionary's analysis, the accent rules and the full-context labels.
void BM_TextToLabels(benchmark::State &state)
{
    const auto reader = JapaneseReader::create();
    AccentProblem why;
    const auto frontEnd = reader ? JapaneseFrontEnd::create(*reader, &why) : nullptr;
    if (!frontEnd) {
        state.SkipWithError("no MeCab dictionary or accent dictionary");
        return;
    }
    const QString text = QStringLiteral("次は、県立中央病院東口です。運賃は1,200円、4時30分発です。");
    for (auto _ : state)
        benchmark::DoNotOptimize(frontEnd->analyse(text).labels.size());
    state.counters["labels"] = static_cast<double>(frontEnd->analyse(text).labels.size());
}
BENCHMARK(BM_TextToLabels)->Unit(benchmark::kMicrosecond);

// Loading the accent dictionary (naist-jdic in MeCab): once per front end.
void BM_AccentDictionaryLoad(benchmark::State &state)
{
    const auto reader = JapaneseReader::create();
    if (!reader) {
        state.SkipWithError("no MeCab dictionary");
        return;
    }
    for (auto _ : state) {
        AccentProblem why;
        if (!JapaneseFrontEnd::create(*reader, &why)) {
            state.SkipWithError("no accent dictionary");
            return;
        }
    }
}
BENCHMARK(BM_AccentDictionaryLoad)->Unit(benchmark::kMillisecond);

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1.0e-9;
}

// Plays a five-minute MIDI file asynchronously, each time a new file so that
// nothing decoded before can help; the time is until PlaySnd returns.
void BM_AsyncMidiPlayReturn(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray piece = testing::melodyFile(600); // 600 beats at 120 a minute
    SoundSystem sound(openAudioOutput(), QStringLiteral("bench"));
    int n = 0;
    for (auto _ : state) {
        const QString file = dir.filePath(QStringLiteral("piece%1.mid").arg(n++));
        testing::writeFile(file, piece);
        const auto start = Clock::now();
        sound.PlaySnd(file, QStringLiteral("S1"), 0, 0);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        sound.CloseAllSnd();
    }
    state.counters["piece_s"] = 300;
}
BENCHMARK(BM_AsyncMidiPlayReturn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The processor share of a program that has played one short sound and now
// plays nothing: measured over three seconds, once the sound has ended and
// the output has closed its device (or after two seconds).
void BM_IdleProcessShare(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString chime = dir.filePath("chime.wav");
    testing::writeFile(chime, testing::wavFile(testing::tone(880, 4800, 48000), 1, 48000, testing::WavFormat::Pcm16));
    SoundSystem sound(openAudioOutput(), QStringLiteral("bench"));
    double share = 0;
    for (auto _ : state) {
        sound.PlaySnd(chime, QStringLiteral("S1"), -1, 0);
        const auto *device = dynamic_cast<const SdlAudioOutput *>(&sound.output());
        const auto limit = Clock::now() + std::chrono::seconds(2);
        while ((!device || device->isRunning()) && Clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const double cpu0 = processCpuSeconds();
        const auto wall0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const double cpu = processCpuSeconds() - cpu0;
        share = cpu / std::chrono::duration<double>(Clock::now() - wall0).count();
    }
    state.counters["idle_core_percent"] = 100.0 * share;
    std::printf("idle program (driver %s): %.3f %% of one core\n", qPrintable(sound.output().driverName()), 100.0 * share);
}
BENCHMARK(BM_IdleProcessShare)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
