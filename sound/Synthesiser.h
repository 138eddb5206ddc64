// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/SpeechText.h"
#include "sound/VoiceSettings.h"

#include <cstdint>
#include <functional>
#include <stop_token>

namespace kerubara {

// A speech back end: turns a text the front end made ready (its reading, its
// phonemes or its labels) into mono 16-bit samples. The samples start with
// the speech itself: the silence a voice begins and ends with is left out,
// so that what is played is heard at once. The same text with the same
// settings gives the same samples in the same blocks, every time.
class Synthesiser
{
public:
    using Sink = std::function<void(const std::int16_t *samples, int count)>;

    virtual ~Synthesiser() = default;
    virtual int sampleRate() const = 0;
    // Calls `sink` with consecutive blocks as they are made; stops early when
    // `stop` is requested. False on failure (a stop is none).
    virtual bool synthesise(const SpokenText &text, const VoiceSettings &settings, std::stop_token stop,
                            const Sink &sink) = 0;
};

} // namespace kerubara
