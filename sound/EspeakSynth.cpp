// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/EspeakSynth.h"

#include "sound/KanaPhonemes.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

namespace kerubara {
namespace {

// Length of audio espeak-ng hands over at a time: short, so that speech
// starts early and a stop is noticed quickly.
constexpr int kChunkMs = 20;
// Samples closer to zero than this (about -66 dB) are silence.
constexpr std::int16_t kSilence = 16;
// The natural pace and middle pitch of the voice, on espeak-ng's scales.
constexpr int kNaturalWordsPerMinute = 160;
constexpr int kMiddlePitch = 50;

std::mutex &espeakMutex()
{
    static std::mutex m;
    return m;
}

struct State
{
    bool tried = false;
    int sampleRate = 0;
    bool voiceOk = false;
};

State &state()
{
    static State s;
    return s;
}

struct Job
{
    const EspeakSynth::Sink *sink = nullptr;
    QStringList *phonemes = nullptr; // the phonemes spoken, when asked for
    bool stopped = false;
};

void notePhonemes(const espeak_EVENT *events, QStringList &phonemes)
{
    for (const espeak_EVENT *e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type != espeakEVENT_PHONEME)
            continue;
        char name[sizeof(e->id.string) + 1] = {};
        std::memcpy(name, e->id.string, sizeof(e->id.string));
        phonemes << QString::fromLatin1(name);
    }
}

int synthCallback(short *wav, int count, espeak_EVENT *events)
{
    auto *job = events ? static_cast<Job *>(events->user_data) : nullptr;
    if (!job)
        return 0;
    if (job->phonemes)
        notePhonemes(events, *job->phonemes);
    if (wav && count > 0 && !(*job->sink)(wav, count)) {
        job->stopped = true;
        return 1;
    }
    return job->stopped ? 1 : 0;
}

// Called with the mutex held.
bool loadLocked()
{
    State &s = state();
    if (!s.tried) {
        s.tried = true;
        // Without its data espeak-ng would end the whole program; told not
        // to, it fails, and the program goes on without speech.
        s.sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kChunkMs, nullptr,
                                         espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        if (s.sampleRate > 0) {
            espeak_SetSynthCallback(synthCallback);
            s.voiceOk = espeak_SetVoiceByName("ja") == EE_OK;
        }
    }
    return s.sampleRate > 0 && s.voiceOk;
}

} // namespace

bool EspeakSynth::load()
{
    const std::lock_guard lock(espeakMutex());
    return loadLocked();
}

int EspeakSynth::sampleRate()
{
    const std::lock_guard lock(espeakMutex());
    return loadLocked() ? state().sampleRate : 0;
}

bool EspeakSynth::speak(const QString &phonemes, const VoiceSettings &settings, const Sink &sink)
{
    return synthesize(phonemes, settings, sink, nullptr);
}

QStringList EspeakSynth::phonemesSpoken(const QString &phonemes)
{
    QStringList spoken;
    synthesize(phonemes, VoiceSettings{}, [](const std::int16_t *, int) { return true; }, &spoken);
    return spoken;
}

bool EspeakSynth::synthesize(const QString &phonemes, const VoiceSettings &settings, const Sink &sink,
                             QStringList *spoken)
{
    const std::lock_guard lock(espeakMutex());
    if (!loadLocked())
        return false;
    const VoiceSettings v = settings.clamped();
    if (espeak_SetVoiceByName("ja") != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, kNaturalWordsPerMinute * v.rate / 100, 0);
    espeak_SetParameter(espeakPITCH, std::clamp(kMiddlePitch + static_cast<int>(std::lround(v.pitch * 50.0 / 12.0)), 0, 99), 0);
    // Loudness is the mixer's business; espeak-ng speaks at full level.
    espeak_SetParameter(espeakVOLUME, 100, 0);
    const QByteArray utf8 = phonemes.toUtf8();
    Job job;
    job.sink = &sink;
    job.phonemes = spoken;
    const espeak_ERROR result = espeak_Synth(utf8.constData(), static_cast<std::size_t>(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &job);
    return result == EE_OK || job.stopped;
}

std::unique_ptr<EspeakSynthesiser> EspeakSynthesiser::create()
{
    if (!EspeakSynth::load())
        return nullptr;
    return std::unique_ptr<EspeakSynthesiser>(new EspeakSynthesiser);
}

bool EspeakSynthesiser::synthesise(const SpokenText &text, const VoiceSettings &settings, std::stop_token stop,
                                   const Synthesiser::Sink &sink)
{
    const QString phonemes = kanaToPhonemes(text.reading);
    if (phonemes.isEmpty())
        return true;
    // The voice starts with silence (the closure before a first ツ or キ
    // lasts some 40 ms), left out so that the speech is heard at once.
    bool started = false;
    return EspeakSynth::speak(phonemes, settings, [&](const std::int16_t *samples, int count) {
        if (!started) {
            const std::int16_t *first = std::find_if(samples, samples + count, [](std::int16_t s) {
                return s > kSilence || s < -kSilence;
            });
            count -= static_cast<int>(first - samples);
            samples = first;
            started = count > 0;
        }
        if (count > 0)
            sink(samples, count);
        return !stop.stop_requested();
    });
}

} // namespace kerubara
