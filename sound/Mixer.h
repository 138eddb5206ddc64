// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/PcmBuffer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace kerubara {

class SampleRing;

// Sees every block the mixer hands to the output (benchmarks and tests use it
// to find out when a sound actually left the mixer). Called on the audio
// thread; it must not block.
class OutputTap
{
public:
    virtual ~OutputTap() = default;
    virtual void rendered(const float *samples, int frames) noexcept = 0;
};

// Sees the sound of one voice alone as the mixer mixes it (the video export
// finds where speech starts and ends in what it records). Called on the
// audio thread for every block while it is set, with the voice's own frames
// at its gain, before they are summed and clipped; it must not block.
class VoiceTap
{
public:
    virtual ~VoiceTap() = default;
    // `frames` stereo frames of the voice, the first of them being frame
    // `at` of the output (counted as framesRendered() counts).
    virtual void mixed(std::uint64_t at, const float *samples, int frames) noexcept = 0;
};

// Mixes any number of voices into one interleaved stereo float output.
//
// A voice plays either a sound held in memory (a PcmBuffer, from its start or
// from a given frame to its end) or a stream fed by another thread (a
// SampleRing). All voices are summed in float and the sum is clipped once, at
// the output.
//
// Threads: the control side (play, stop, setGain, attachStream, flushStream,
// isPlaying, waitUntilEnded, isIdle, streamsReady, wake) may be called from
// any thread, one at a time being enforced by an internal mutex. render() runs on the audio thread; it
// never takes that mutex, never allocates and never frees: the control side
// posts commands into a lock-free queue that render() applies at the start of
// each block, and it keeps every sound alive itself until render() has
// confirmed it no longer reads it.
class Mixer
{
public:
    static constexpr int kChannels = PcmBuffer::kChannels;

    Mixer(int sampleRate, int voiceCount);
    ~Mixer();
    Mixer(const Mixer &) = delete;
    Mixer &operator=(const Mixer &) = delete;

    int sampleRate() const { return sampleRate_; }
    int voiceCount() const { return static_cast<int>(audio_.size()); }

    // Starts `sound` on `voice` from `startFrame`, ending whatever the voice
    // played before. A null sound only ends the voice's sound.
    void play(int voice, std::shared_ptr<const PcmBuffer> sound, std::int64_t startFrame = 0);
    void stop(int voice);
    // True from play() until the voice's sound has been mixed to its end or
    // the voice was stopped.
    bool isPlaying(int voice) const;
    // Blocks until isPlaying(voice) is false.
    void waitUntilEnded(int voice);
    void setGain(int voice, float gain);

    // Lets `voice` mix what `ring` holds as it arrives (null detaches). The
    // mixer keeps the ring alive while it may still read it.
    void attachStream(int voice, std::shared_ptr<SampleRing> ring);
    // Drops everything the voice's ring holds now; frames written later play.
    void flushStream(int voice);
    // True when the voice's ring has nothing left to play (counting a flush
    // that render() has not applied yet).
    bool streamDrained(int voice) const;

    // True when nothing can sound: no voice plays, no stream holds frames or
    // has its writer at work (SampleRing::setWriting), and render() has taken
    // every command.
    bool isIdle() const;
    // True when every stream whose writer is at work holds at least
    // `frames` frames to play. An output that mixes on demand waits for this,
    // so that a stream is mixed without gaps.
    bool streamsReady(std::size_t frames) const;

    // What waiting calls while it waits: the output decides whether that
    // means sleeping a little or mixing a block itself.
    void setProgressHook(std::function<void()> hook);
    // Lets time pass once for the mixer, as waitUntilEnded() does.
    void waitForProgress() const;
    // What the mixer calls when a sound starts (and a stream writer calls,
    // through wake(), before it writes), so that an output that stopped its
    // device while idle starts it again. It must not call the mixer back.
    void setWakeHook(std::function<void()> hook);
    void wake() const;

    // Audio thread: mixes `frames` stereo frames into `out`.
    void render(float *out, int frames) noexcept;
    std::uint64_t framesRendered() const { return framesRendered_.load(std::memory_order_acquire); }
    void setTap(OutputTap *tap) { tap_.store(tap, std::memory_order_release); }
    // Sets (null: removes) the tap of one voice.
    void setVoiceTap(int voice, VoiceTap *tap);

private:
    struct Command
    {
        enum class Kind : std::uint8_t { Play, Stop, Gain, Attach, Flush };
        Kind kind = Kind::Stop;
        int voice = 0;
        const PcmBuffer *sound = nullptr;
        SampleRing *ring = nullptr;
        std::int64_t frame = 0;
        std::uint64_t position = 0;
        std::uint64_t generation = 0;
        float gain = 1.0f;
    };

    // What render() knows of a voice; touched only on the audio thread.
    struct AudioVoice
    {
        const float *data = nullptr;
        std::int64_t frames = 0;
        std::int64_t pos = 0;
        std::uint64_t generation = 0;
        SampleRing *ring = nullptr;
        float gain = 1.0f;
    };

    // What the control side keeps of a voice.
    struct ControlVoice
    {
        std::shared_ptr<const PcmBuffer> sound;
        std::shared_ptr<SampleRing> ring;
        std::uint64_t started = 0;
        std::uint64_t stopped = 0;
        std::uint64_t flushedTo = 0;
    };

    // Frames the voice's ring will still play (counting a flush that
    // render() has not applied yet). Called with mutex_ held.
    static std::uint64_t pendingStreamFrames(const ControlVoice &cv);

    // An object render() may still read until the command numbered
    // `serial` has been applied.
    struct Retired
    {
        std::uint64_t serial;
        std::shared_ptr<const void> object;
    };

    static constexpr std::size_t kQueueSize = 1024;
    // A tapped voice is mixed apart in blocks of this many frames.
    static constexpr std::size_t kTapBlock = 256;

    bool validVoice(int voice) const { return voice >= 0 && voice < voiceCount(); }
    // Called with mutex_ held.
    bool playing(std::size_t voice) const;
    // The control side's lock, taken once the command queue has room for one
    // more command; every posting function starts with it.
    std::unique_lock<std::mutex> lockWithRoom();
    void post(const Command &command, std::shared_ptr<const void> retire = {});
    void collectRetired();
    void applyCommands() noexcept;
    // Adds `frames` frames of voice `i` onto `out`.
    void mixVoice(std::size_t i, float *out, std::size_t frames) noexcept;
    void mixTapped(std::size_t i, VoiceTap &tap, float *out, std::size_t frames) noexcept;
    void apply(const Command &command) noexcept;
    static void waitForProgress(const std::function<void()> &progress);
    std::function<void()> hook(const std::function<void()> &which) const;

    const int sampleRate_;

    // Control side, guarded by mutex_.
    mutable std::mutex mutex_;
    std::vector<ControlVoice> control_;
    std::vector<Retired> retired_;
    std::function<void()> progress_;
    std::function<void()> wake_;

    // The command queue: written under mutex_, read by render(). Commands are
    // numbered by the head count after posting; the tail count is the number
    // of the last command applied.
    std::array<Command, kQueueSize> queue_;
    std::atomic<std::uint64_t> queueHead_{0};
    std::atomic<std::uint64_t> queueTail_{0};

    // Audio side.
    std::vector<AudioVoice> audio_;
    std::unique_ptr<std::atomic<std::uint64_t>[]> ended_;
    std::atomic<std::uint64_t> framesRendered_{0};
    std::atomic<OutputTap *> tap_{nullptr};
    std::unique_ptr<std::atomic<VoiceTap *>[]> voiceTaps_;
    std::array<float, kTapBlock * kChannels> tapBlock_{};
};

} // namespace kerubara
