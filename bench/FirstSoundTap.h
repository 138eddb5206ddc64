// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moment the first audible sample leaves the mixer, for the benchmarks
// of how soon a sound or a voice is heard.

#include "sound/AudioOutput.h"
#include "sound/Mixer.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace kerubara::bench {

using Clock = std::chrono::steady_clock;

// Notes when the first audible sample leaves the mixer after being armed.
class FirstSoundTap final : public OutputTap
{
public:
    void arm() { armed_.store(true, std::memory_order_release); }
    bool fired() const { return !armed_.load(std::memory_order_acquire); }
    Clock::time_point firedAt() const { return Clock::time_point(Clock::duration(at_.load())); }

    void rendered(const float *samples, int frames) noexcept override
    {
        if (!armed_.load(std::memory_order_acquire))
            return;
        for (int i = 0; i < frames * Mixer::kChannels; ++i) {
            if (std::fabs(samples[i]) > 1.0e-3f) {
                at_.store(Clock::now().time_since_epoch().count());
                armed_.store(false, std::memory_order_release);
                return;
            }
        }
    }

private:
    std::atomic<bool> armed_{false};
    std::atomic<Clock::rep> at_{0};
};

// Waits (up to `limit`) for the tap; the time from `start`, in seconds.
inline double waitForSound(const FirstSoundTap &tap, Clock::time_point start,
                           std::chrono::seconds limit = std::chrono::seconds(2))
{
    const auto end = start + limit;
    while (!tap.fired() && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    const auto heard = tap.fired() ? tap.firedAt() : Clock::now();
    return std::chrono::duration<double>(heard - start).count();
}

} // namespace kerubara::bench
