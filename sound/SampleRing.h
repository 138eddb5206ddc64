// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace kerubara {

// A lock-free ring of interleaved stereo float frames for exactly one writer
// thread and one reader thread. The speech worker writes into it and the audio
// callback reads from it, so neither waits for the other and the reader never
// allocates.
//
// Positions are counts of frames since the ring was made: the writer's count
// and the reader's count only grow, and their difference is what the ring
// holds.
class SampleRing
{
public:
    static constexpr int kChannels = 2;

    explicit SampleRing(std::size_t capacityFrames);

    std::size_t capacity() const { return capacity_; }

    // Writer side. Copies as many of `count` frames as there is room for and
    // returns how many that was.
    std::size_t write(const float *frames, std::size_t count);
    // Writes all `count` frames, waiting a little whenever the ring is full
    // for the reader to make room. Returns false, with the rest unwritten,
    // when `stop` is requested meanwhile. For a worker thread.
    bool writeAll(const float *frames, std::size_t count, const std::stop_token &stop);
    std::size_t writableFrames() const;

    // Reader side. Adds up to `count` frames, scaled by `gain`, onto `out`
    // and returns how many frames were taken; the rest of `out` is untouched.
    std::size_t readAdd(float *out, std::size_t count, float gain);
    // Drops every frame written before `position` (a writer count).
    void discardUpTo(std::uint64_t position);

    // The writer says whether it is at work: more frames are coming even
    // while the ring is empty. An output that idles when nothing sounds, or
    // mixes on demand, looks at this.
    void setWriting(bool writing) { writing_.store(writing, std::memory_order_release); }

    // Either side.
    bool isWriting() const { return writing_.load(std::memory_order_acquire); }
    std::size_t readableFrames() const;
    std::uint64_t writeCount() const { return written_.load(std::memory_order_acquire); }
    std::uint64_t readCount() const { return read_.load(std::memory_order_acquire); }

private:
    std::size_t capacity_;
    std::vector<float> data_;
    alignas(64) std::atomic<std::uint64_t> written_{0};
    alignas(64) std::atomic<std::uint64_t> read_{0};
    std::atomic<bool> writing_{false};
};

} // namespace kerubara
