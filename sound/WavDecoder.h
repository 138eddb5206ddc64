// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/PcmBuffer.h"

#include <QByteArray>

#include <memory>

namespace kerubara {

// Decodes a WAV file's bytes (PCM of 8 to 32 bits, float, Microsoft and IMA
// ADPCM, mu-law, A-law; any channel count SDL handles) into stereo float at
// `sampleRate`. Null when the bytes are not a WAV file SDL can read.
std::shared_ptr<const PcmBuffer> decodeWav(const QByteArray &fileBytes, int sampleRate);

// Converts interleaved samples of any SDL audio format, channel count and
// rate to stereo float at `sampleRate` and appends them to `out`, all at
// once: the sound keeps its length (to within a frame) and its last samples.
// Returns false when SDL cannot convert that format.
bool convertToStereoFloat(const void *samples, int bytes, std::uint16_t sdlFormat, int channels, int rate,
                          int sampleRate, PcmBuffer &out);

} // namespace kerubara
