// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Synthesiser.h"
#include "sound/VoiceSettings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace kerubara {

// espeak-ng's Japanese voice, shared by the whole process: espeak-ng keeps
// global state, so every synthesis takes one lock and runs to its end (or
// until its sink asks it to stop) before the next begins.
class EspeakSynth
{
public:
    // Initialises espeak-ng (once) and checks that the "ja" voice loads.
    static bool load();
    // Samples per second of what speak() delivers (mono, 16-bit).
    static int sampleRate();

    // Receives the samples as they are made; returning false stops the
    // synthesis.
    using Sink = std::function<bool(const std::int16_t *samples, int count)>;

    // Speaks `phonemes`, phoneme input for the Japanese voice as
    // kanaToPhonemes makes it ([[...]] groups and the punctuation between
    // them), at the settings' rate and pitch. Returns false when synthesis
    // failed; a stop asked for by the sink is not a failure.
    static bool speak(const QString &phonemes, const VoiceSettings &settings, const Sink &sink);

    // The voice's phonemes, by their mnemonics, that it speaks for
    // `phonemes` (pauses as _ and _:): what the voice made of its input.
    static QStringList phonemesSpoken(const QString &phonemes);

private:
    static bool synthesize(const QString &phonemes, const VoiceSettings &settings, const Sink &sink,
                           QStringList *spoken);
};

// espeak-ng's Japanese voice as a speech back end: it speaks our reading,
// mora by mora from our own table (kanaToPhonemes), without pitch accent.
// The rate is a share of its natural 160 words a minute; the pitch moves its
// base pitch by about four steps of its 0-99 scale a half-tone.
class EspeakSynthesiser final : public Synthesiser
{
public:
    // Null when espeak-ng's Japanese voice does not load.
    static std::unique_ptr<EspeakSynthesiser> create();

    int sampleRate() const override { return EspeakSynth::sampleRate(); }
    bool synthesise(const SpokenText &text, const VoiceSettings &settings, std::stop_token stop,
                    const Synthesiser::Sink &sink) override;

private:
    EspeakSynthesiser() = default;
};

} // namespace kerubara
