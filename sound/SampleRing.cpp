// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SampleRing.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace kerubara {

SampleRing::SampleRing(std::size_t capacityFrames)
    : capacity_(std::max<std::size_t>(capacityFrames, 1)), data_(capacity_ * kChannels, 0.0f)
{
}

std::size_t SampleRing::writableFrames() const
{
    return capacity_ - readableFrames();
}

std::size_t SampleRing::readableFrames() const
{
    const std::uint64_t w = written_.load(std::memory_order_acquire);
    const std::uint64_t r = read_.load(std::memory_order_acquire);
    return static_cast<std::size_t>(w - r);
}

std::size_t SampleRing::write(const float *frames, std::size_t count)
{
    const std::uint64_t w = written_.load(std::memory_order_relaxed);
    const std::uint64_t r = read_.load(std::memory_order_acquire);
    const std::size_t room = capacity_ - static_cast<std::size_t>(w - r);
    const std::size_t n = std::min(count, room);
    std::size_t at = static_cast<std::size_t>(w % capacity_);
    std::size_t done = 0;
    while (done < n) {
        const std::size_t run = std::min(n - done, capacity_ - at);
        std::copy_n(frames + done * kChannels, run * kChannels, data_.begin() + static_cast<std::ptrdiff_t>(at * kChannels));
        done += run;
        at = 0;
    }
    written_.store(w + n, std::memory_order_release);
    return n;
}

std::size_t SampleRing::readAdd(float *out, std::size_t count, float gain)
{
    const std::uint64_t r = read_.load(std::memory_order_relaxed);
    const std::uint64_t w = written_.load(std::memory_order_acquire);
    const std::size_t n = std::min(count, static_cast<std::size_t>(w - r));
    std::size_t at = static_cast<std::size_t>(r % capacity_);
    std::size_t done = 0;
    while (done < n) {
        const std::size_t run = std::min(n - done, capacity_ - at);
        const float *src = data_.data() + at * kChannels;
        float *dst = out + done * kChannels;
        for (std::size_t i = 0; i < run * kChannels; ++i)
            dst[i] += src[i] * gain;
        done += run;
        at = 0;
    }
    read_.store(r + n, std::memory_order_release);
    return n;
}

void SampleRing::discardUpTo(std::uint64_t position)
{
    const std::uint64_t r = read_.load(std::memory_order_relaxed);
    const std::uint64_t w = written_.load(std::memory_order_acquire);
    const std::uint64_t target = std::min(position, w);
    if (target > r)
        read_.store(target, std::memory_order_release);
}

bool SampleRing::writeAll(const float *frames, std::size_t count, const std::stop_token &stop)
{
    constexpr auto kFullWait = std::chrono::milliseconds(5);
    while (count > 0) {
        const std::size_t n = write(frames, count);
        frames += n * kChannels;
        count -= n;
        if (count > 0) {
            if (stop.stop_requested())
                return false;
            std::this_thread::sleep_for(kFullWait);
        }
    }
    return true;
}

} // namespace kerubara
