// SPDX-License-Identifier: GPL-3.0-or-later
// Voice figures with the HTS voice the program prefers: how soon a tape text
// made ahead and a text not made ahead leave the mixer after VoiceSpeak, how
// many times faster than real time the voice speaks, and the resident memory
// the voice takes. Without a sound card SDL's dummy driver stands in, at the
// real pace.

#include "FirstSoundTap.h"
#include "sound/AudioOutput.h"
#include "sound/HtsSynth.h"
#include "sound/JapaneseReader.h"
#include "sound/Mixer.h"
#include "sound/SpeechText.h"
#include "sound/VoiceCatalog.h"
#include "sound/VoiceEngine.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <atomic>
#include <malloc.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

using namespace kerubara;
using bench::Clock;
using bench::FirstSoundTap;
using bench::waitForSound;

namespace {

// An ordinary stop announcement, thirty characters.
const QString kTapeText = QStringLiteral("次は、県立中央病院東口です。お降りの方は、お知らせください。");

QString voiceFile()
{
    return voices::preferred(VoicePlaces::standard());
}

// Resident memory of the process, in MiB.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0.0;
}

// Heap in use, in MiB: what a load allocates, whatever the pages already held.
double heapMiB()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

std::unique_ptr<VoiceEngine> engineFor(AudioOutput &out)
{
    VoiceEngine::Options options;
    options.voice = voiceFile();
    return VoiceEngine::create(out.mixer(), 0, options);
}

// Each iteration speaks textFor() and takes the time until its first sample
// is in the mixer.
void timeFirstSample(benchmark::State &state, auto &out, auto &engine, const auto &textFor)
{
    FirstSoundTap tap;
    out.mixer().setTap(&tap);
    for (auto _ : state) {
        const QString text = textFor();
        tap.arm();
        const auto start = Clock::now();
        engine.VoiceSpeak(text);
        state.SetIterationTime(waitForSound(tap, start, std::chrono::seconds(3)));
        engine.VoiceStop();
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    out.mixer().setTap(nullptr);
}

// VoiceSpeak of a text of the route's tape, made ahead when the route was set.
void BM_PreparedTapeTextToFirstSample(benchmark::State &state)
{
    if (voiceFile().isEmpty()) {
        state.SkipWithError("no HTS voice installed");
        return;
    }
    const auto out = openAudioOutput();
    const auto engine = engineFor(*out);
    engine->prepare({kTapeText});
    while (!engine->isPrepared(kTapeText))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    timeFirstSample(state, *out, *engine, [] { return QString(kTapeText); });
}
BENCHMARK(BM_PreparedTapeTextToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// VoiceSpeak of a text nobody made ahead: its first phrase is made, then
// played while the rest is made.
void BM_UnpreparedTextToFirstSample(benchmark::State &state)
{
    if (voiceFile().isEmpty()) {
        state.SkipWithError("no HTS voice installed");
        return;
    }
    const auto out = openAudioOutput();
    const auto engine = engineFor(*out);
    int n = 0;
    // A new text each time: a stop number nobody has spoken yet.
    timeFirstSample(state, *out, *engine, [&n] {
        return QStringLiteral("次は、%1番、県立中央病院東口です。お降りの方は、お知らせください。").arg(++n);
    });
}
BENCHMARK(BM_UnpreparedTextToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The voice alone, labels to samples, for a whole announcement.
void BM_SynthesisSpeed(benchmark::State &state)
{
    const auto voice = voiceFile().isEmpty() ? nullptr : HtsSynthesiser::load(voiceFile());
    const auto reader = JapaneseReader::create();
    const auto frontEnd = reader ? JapaneseFrontEnd::create(*reader, nullptr) : nullptr;
    if (!voice || !frontEnd) {
        state.SkipWithError("no HTS voice or no front end");
        return;
    }
    const SpokenText text = frontEnd->analyse(kTapeText);
    double samples = 0.0;
    for (auto _ : state) {
        std::size_t made = 0;
        voice->synthesise(text, VoiceSettings{}, std::stop_token(), [&made](const std::int16_t *, int n) { made += std::size_t(n); });
        samples += static_cast<double>(made);
    }
    const double spoken = samples / voice->sampleRate();
    state.counters["speech_s"] = spoken / static_cast<double>(state.iterations());
    state.counters["x_realtime"] = benchmark::Counter(spoken, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SynthesisSpeed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Resident memory of the voice: loaded once (the voice speaking), and as
// the engine holds it (a second copy for making texts ahead, the tape's
// speech made ahead).
void BM_ResidentMemoryWithVoice(benchmark::State &state)
{
    if (voiceFile().isEmpty()) {
        state.SkipWithError("no HTS voice installed");
        return;
    }
    for (auto _ : state) {
        const double before = residentMiB();
        const double heapBefore = heapMiB();
        auto voice = HtsSynthesiser::load(voiceFile());
        const double oneVoice = residentMiB() - before;
        const double oneVoiceHeap = heapMiB() - heapBefore;
        const auto out = openAudioOutput();
        const double beforeEngine = residentMiB();
        auto engine = engineFor(*out);
        QStringList tape;
        for (int i = 1; i <= 20; ++i)
            tape << QStringLiteral("次は、%1丁目です。お降りの方は、お知らせください。").arg(i);
        engine->prepare(tape);
        while (engine->isPreparing())
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const double withEngine = residentMiB() - beforeEngine;
        state.counters["voice_MiB"] = oneVoice;
        state.counters["voice_heap_MiB"] = oneVoiceHeap;
        state.counters["engine_with_20_texts_MiB"] = withEngine;
        std::printf("one HTS voice: %.1f MiB resident, %.1f MiB of heap; the engine with the tape of 20 texts made "
                    "ahead: %.1f MiB (process %.1f MiB)\n",
                    oneVoice, oneVoiceHeap, withEngine, residentMiB());
    }
}
BENCHMARK(BM_ResidentMemoryWithVoice)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
