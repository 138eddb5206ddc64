// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace kerubara {

// A decoded or rendered sound, ready to mix: interleaved stereo float samples
// in the range -1..1 at the mixer's sample rate.
struct PcmBuffer
{
    static constexpr int kChannels = 2;

    int sampleRate = 0;
    std::vector<float> samples;

    std::int64_t frames() const { return static_cast<std::int64_t>(samples.size()) / kChannels; }
    std::size_t bytes() const { return samples.size() * sizeof(float); }
};

} // namespace kerubara
