// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Mixer.h"

#include "sound/SampleRing.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace kerubara {

Mixer::Mixer(int sampleRate, int voiceCount)
    : sampleRate_(sampleRate),
      control_(static_cast<std::size_t>(std::max(voiceCount, 1))),
      audio_(control_.size()),
      ended_(std::make_unique<std::atomic<std::uint64_t>[]>(control_.size())),
      voiceTaps_(std::make_unique<std::atomic<VoiceTap *>[]>(control_.size()))
{
    for (std::size_t v = 0; v < control_.size(); ++v)
        ended_[v].store(0, std::memory_order_relaxed);
}

Mixer::~Mixer() = default;

void Mixer::setProgressHook(std::function<void()> hook)
{
    const std::lock_guard lock(mutex_);
    progress_ = std::move(hook);
}

void Mixer::setWakeHook(std::function<void()> hook)
{
    const std::lock_guard lock(mutex_);
    wake_ = std::move(hook);
}

std::function<void()> Mixer::hook(const std::function<void()> &which) const
{
    const std::lock_guard lock(mutex_);
    return which;
}

void Mixer::wake() const
{
    if (const auto wake = hook(wake_))
        wake();
}

void Mixer::waitForProgress(const std::function<void()> &progress)
{
    if (progress)
        progress();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void Mixer::waitForProgress() const
{
    waitForProgress(hook(progress_));
}

std::unique_lock<std::mutex> Mixer::lockWithRoom()
{
    // A full queue means the audio thread is behind (or, for an output that
    // mixes on demand, that nobody mixed): wait for it with the lock released,
    // because the output's progress hook may call the mixer itself. Only the
    // control side posts, always under the lock, so the room found here is
    // still there when the caller posts.
    std::unique_lock lock(mutex_);
    while (queueHead_.load(std::memory_order_relaxed) - queueTail_.load(std::memory_order_acquire) >= kQueueSize) {
        const std::function<void()> wake = wake_;
        const std::function<void()> progress = progress_;
        lock.unlock();
        if (wake)
            wake();
        waitForProgress(progress);
        lock.lock();
    }
    return lock;
}

void Mixer::post(const Command &command, std::shared_ptr<const void> retire)
{
    // Called with the lock of lockWithRoom() held, so there is room.
    const std::uint64_t head = queueHead_.load(std::memory_order_relaxed);
    queue_[head % kQueueSize] = command;
    queueHead_.store(head + 1, std::memory_order_release);
    if (retire)
        retired_.push_back({head + 1, std::move(retire)});
    collectRetired();
}

void Mixer::collectRetired()
{
    const std::uint64_t applied = queueTail_.load(std::memory_order_acquire);
    std::erase_if(retired_, [applied](const Retired &r) { return r.serial <= applied; });
}

void Mixer::play(int voice, std::shared_ptr<const PcmBuffer> sound, std::int64_t startFrame)
{
    if (!validVoice(voice))
        return;
    const bool sounds = sound != nullptr;
    {
        const auto lock = lockWithRoom();
        ControlVoice &cv = control_[static_cast<std::size_t>(voice)];
        Command c;
        c.kind = Command::Kind::Play;
        c.voice = voice;
        c.sound = sound.get();
        c.frame = std::max<std::int64_t>(startFrame, 0);
        c.generation = ++cv.started;
        if (!sound)
            cv.stopped = cv.started;
        std::shared_ptr<const void> old = std::exchange(cv.sound, std::move(sound));
        post(c, std::move(old));
    }
    if (sounds)
        wake();
}

void Mixer::stop(int voice)
{
    if (!validVoice(voice))
        return;
    const auto lock = lockWithRoom();
    ControlVoice &cv = control_[static_cast<std::size_t>(voice)];
    cv.stopped = cv.started;
    Command c;
    c.kind = Command::Kind::Stop;
    c.voice = voice;
    c.generation = cv.started;
    post(c);
}

bool Mixer::playing(std::size_t voice) const
{
    const ControlVoice &cv = control_[voice];
    const std::uint64_t ended = ended_[voice].load(std::memory_order_acquire);
    return std::max(ended, cv.stopped) < cv.started;
}

bool Mixer::isPlaying(int voice) const
{
    if (!validVoice(voice))
        return false;
    const std::lock_guard lock(mutex_);
    return playing(static_cast<std::size_t>(voice));
}

bool Mixer::isIdle() const
{
    const std::lock_guard lock(mutex_);
    if (queueTail_.load(std::memory_order_acquire) != queueHead_.load(std::memory_order_relaxed))
        return false;
    for (std::size_t v = 0; v < control_.size(); ++v) {
        const ControlVoice &cv = control_[v];
        if (playing(v) || (cv.ring && (cv.ring->isWriting() || pendingStreamFrames(cv) > 0)))
            return false;
    }
    return true;
}

bool Mixer::streamsReady(std::size_t frames) const
{
    const std::lock_guard lock(mutex_);
    return std::none_of(control_.begin(), control_.end(), [frames](const ControlVoice &cv) {
        return cv.ring && cv.ring->isWriting() && pendingStreamFrames(cv) < frames;
    });
}

std::uint64_t Mixer::pendingStreamFrames(const ControlVoice &cv)
{
    if (!cv.ring)
        return 0;
    const std::uint64_t written = cv.ring->writeCount();
    const std::uint64_t from = std::max(cv.ring->readCount(), cv.flushedTo);
    return written > from ? written - from : 0;
}

void Mixer::waitUntilEnded(int voice)
{
    std::function<void()> progress;
    {
        const std::lock_guard lock(mutex_);
        progress = progress_;
    }
    while (isPlaying(voice))
        waitForProgress(progress);
}

void Mixer::setGain(int voice, float gain)
{
    if (!validVoice(voice))
        return;
    const auto lock = lockWithRoom();
    Command c;
    c.kind = Command::Kind::Gain;
    c.voice = voice;
    c.gain = gain;
    post(c);
}

void Mixer::attachStream(int voice, std::shared_ptr<SampleRing> ring)
{
    if (!validVoice(voice))
        return;
    const auto lock = lockWithRoom();
    ControlVoice &cv = control_[static_cast<std::size_t>(voice)];
    Command c;
    c.kind = Command::Kind::Attach;
    c.voice = voice;
    c.ring = ring.get();
    cv.flushedTo = 0;
    std::shared_ptr<const void> old = std::exchange(cv.ring, std::move(ring));
    post(c, std::move(old));
}

void Mixer::flushStream(int voice)
{
    if (!validVoice(voice))
        return;
    const auto lock = lockWithRoom();
    ControlVoice &cv = control_[static_cast<std::size_t>(voice)];
    if (!cv.ring)
        return;
    Command c;
    c.kind = Command::Kind::Flush;
    c.voice = voice;
    c.position = cv.ring->writeCount();
    cv.flushedTo = c.position;
    post(c);
}

bool Mixer::streamDrained(int voice) const
{
    if (!validVoice(voice))
        return true;
    const std::lock_guard lock(mutex_);
    return pendingStreamFrames(control_[static_cast<std::size_t>(voice)]) == 0;
}

void Mixer::apply(const Command &c) noexcept
{
    AudioVoice &v = audio_[static_cast<std::size_t>(c.voice)];
    switch (c.kind) {
    case Command::Kind::Play:
        v.data = c.sound ? c.sound->samples.data() : nullptr;
        v.frames = c.sound ? c.sound->frames() : 0;
        v.pos = std::min(c.frame, v.frames);
        v.generation = c.generation;
        if (!v.data)
            ended_[static_cast<std::size_t>(c.voice)].store(c.generation, std::memory_order_release);
        break;
    case Command::Kind::Stop:
        v.data = nullptr;
        ended_[static_cast<std::size_t>(c.voice)].store(c.generation, std::memory_order_release);
        break;
    case Command::Kind::Gain:
        v.gain = c.gain;
        break;
    case Command::Kind::Attach:
        v.ring = c.ring;
        break;
    case Command::Kind::Flush:
        if (v.ring)
            v.ring->discardUpTo(c.position);
        break;
    }
}

void Mixer::applyCommands() noexcept
{
    const std::uint64_t head = queueHead_.load(std::memory_order_acquire);
    std::uint64_t tail = queueTail_.load(std::memory_order_relaxed);
    for (; tail != head; ++tail)
        apply(queue_[tail % kQueueSize]);
    queueTail_.store(tail, std::memory_order_release);
}

void Mixer::setVoiceTap(int voice, VoiceTap *tap)
{
    if (validVoice(voice))
        voiceTaps_[static_cast<std::size_t>(voice)].store(tap, std::memory_order_release);
}

void Mixer::mixVoice(std::size_t i, float *out, std::size_t frames) noexcept
{
    AudioVoice &v = audio_[i];
    if (v.data) {
        const std::int64_t take = std::min<std::int64_t>(static_cast<std::int64_t>(frames), v.frames - v.pos);
        const float *src = v.data + v.pos * kChannels;
        for (std::int64_t k = 0; k < take * kChannels; ++k)
            out[k] += src[k] * v.gain;
        v.pos += take;
        if (v.pos >= v.frames) {
            v.data = nullptr;
            ended_[i].store(v.generation, std::memory_order_release);
        }
    }
    if (v.ring)
        v.ring->readAdd(out, frames, v.gain);
}

// The voice mixed on its own first, block by block, so that the tap sees
// exactly what it adds to the output.
void Mixer::mixTapped(std::size_t i, VoiceTap &tap, float *out, std::size_t frames) noexcept
{
    const std::uint64_t start = framesRendered_.load(std::memory_order_relaxed);
    for (std::size_t done = 0; done < frames;) {
        const std::size_t n = std::min(kTapBlock, frames - done);
        std::fill_n(tapBlock_.data(), n * kChannels, 0.0f);
        mixVoice(i, tapBlock_.data(), n);
        tap.mixed(start + done, tapBlock_.data(), static_cast<int>(n));
        float *dst = out + done * kChannels;
        for (std::size_t k = 0; k < n * kChannels; ++k)
            dst[k] += tapBlock_[k];
        done += n;
    }
}

void Mixer::render(float *out, int frames) noexcept
{
    applyCommands();
    const std::size_t n = static_cast<std::size_t>(std::max(frames, 0));
    std::fill_n(out, n * kChannels, 0.0f);
    for (std::size_t i = 0; i < audio_.size(); ++i) {
        if (VoiceTap *tap = voiceTaps_[i].load(std::memory_order_acquire))
            mixTapped(i, *tap, out, n);
        else
            mixVoice(i, out, n);
    }
    for (std::size_t k = 0; k < n * kChannels; ++k)
        out[k] = std::clamp(out[k], -1.0f, 1.0f);
    framesRendered_.fetch_add(n, std::memory_order_acq_rel);
    if (OutputTap *tap = tap_.load(std::memory_order_acquire))
        tap->rendered(out, frames);
}

} // namespace kerubara
