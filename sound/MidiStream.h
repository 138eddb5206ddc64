// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

namespace kerubara {

class MidiRenderer;
class Mixer;
class SampleRing;

// Plays MIDI files on one voice of the mixer while they are being rendered.
// A worker thread renders the piece a little ahead of the mixer into a ring
// the voice reads, so play() returns at once and the memory held is the same
// for a chime and for a five-minute piece. The synthesizer and its sound font
// are loaded by the first piece's worker and kept for the next ones.
//
// The control side (play, stop, isPlaying, waitUntilEnded) belongs to one
// thread. The stream must go before the mixer it plays into.
class MidiStream
{
public:
    // How far the worker renders ahead of the mixer.
    static constexpr int kAheadMilliseconds = 1000;
    // Frames rendered at a time.
    static constexpr int kChunkFrames = 1024;

    MidiStream(Mixer &mixer, int voice);
    ~MidiStream();
    MidiStream(const MidiStream &) = delete;
    MidiStream &operator=(const MidiStream &) = delete;

    // Plays `fileBytes` from `startFrame` (frames at the mixer's rate),
    // ending what the stream played before. A file that does not render
    // plays nothing.
    void play(QByteArray fileBytes, std::int64_t startFrame = 0);
    // Ends the piece at once: the worker stops and what waits in the ring
    // is dropped.
    void stop();
    // True from play() until the piece has been mixed to its end, or stop().
    bool isPlaying() const;
    // Blocks until isPlaying() is false, letting time pass for the mixer.
    void waitUntilEnded();

    // Frames of the current piece rendered so far (skipped ones included).
    std::int64_t framesRendered() const { return rendered_.load(std::memory_order_acquire); }
    // Frames the ring between the worker and the mixer holds at most.
    std::size_t aheadFrames() const;

private:
    void render(const std::stop_token &stop, const QByteArray &fileBytes, std::int64_t skip);

    Mixer &mixer_;
    const int voice_;
    std::shared_ptr<SampleRing> ring_;
    // Used by one worker at a time: a worker is joined before the next starts.
    std::unique_ptr<MidiRenderer> renderer_;
    std::atomic<bool> rendering_{false};
    std::atomic<std::int64_t> rendered_{0};
    bool playing_ = false;
    std::jthread worker_;
};

} // namespace kerubara
