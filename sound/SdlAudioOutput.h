// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/AudioOutput.h"

#include <SDL2/SDL_audio.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kerubara {

// The sound device, opened through SDL2: 32-bit float stereo, a buffer of 512
// frames, 48 kHz (or 44.1 kHz when the device prefers it). SDL calls the mixer
// from its audio thread.
//
// The device is open only while something sounds. Once the mixer has been
// idle for a while (no channel, no speech) the device is closed: SDL 2's
// paused devices keep their thread feeding silence, and an open stream keeps
// the sound hardware awake. The next sound opens it again; the mixer only
// moves on while the device calls it, so that sound starts at its first
// sample. A thread of the output's own opens and closes the device, so that
// playing never waits for that.
class SdlAudioOutput final : public AudioOutput
{
public:
    static constexpr std::chrono::milliseconds kDefaultIdleLinger{500};

    // Opens the default device of the configured SDL driver, falling back to
    // the "dummy" driver; null when neither opens. The device closes once
    // the mixer has been idle for `idleLinger`.
    static std::unique_ptr<SdlAudioOutput> open(int voiceCount, std::chrono::milliseconds idleLinger = kDefaultIdleLinger);
    ~SdlAudioOutput() override;

    QString driverName() const override { return driver_; }
    void waitForProgress() override;

    // True while the output mixes: its device is open (or, when it did not
    // open again, the output's own thread mixes at the device's pace).
    bool isRunning() const { return running_.load(std::memory_order_acquire); }
    // How often the device has been opened, the first time included.
    int deviceStarts() const { return starts_.load(std::memory_order_acquire); }

private:
    using Clock = std::chrono::steady_clock;

    // What SDL's callback mixes with; the device is opened (paused) before
    // the mixer exists, so the mixer is filled in before it starts.
    struct CallbackTarget
    {
        Mixer *mixer = nullptr;
    };

    SdlAudioOutput(SDL_AudioDeviceID device, const SDL_AudioSpec &obtained, int voiceCount,
                   std::unique_ptr<CallbackTarget> target, std::chrono::milliseconds idleLinger);
    static void callback(void *target, Uint8 *stream, int len);

    // Control side: something is about to sound.
    void wake();
    // The output's thread: closes the device when idle, opens it when woken.
    void run(std::stop_token stop);
    // Returns true once the mixer has been idle for idleLinger_, false when
    // the output is going. Holds `lock` on entry and on return.
    bool waitUntilIdle(std::unique_lock<std::mutex> &lock, const std::stop_token &stop);
    void startDevice();
    void stopDevice();
    Clock::duration bufferDuration() const;

    std::unique_ptr<CallbackTarget> target_;
    SDL_AudioSpec spec_;
    QString driver_;
    const std::chrono::milliseconds idleLinger_;

    // Touched only by the output's thread once it runs.
    SDL_AudioDeviceID device_ = 0;
    std::vector<float> scratch_;

    std::mutex mutex_;
    std::condition_variable_any wakeUp_;
    std::uint64_t wakes_ = 0;        // guarded by mutex_
    std::uint64_t wakesHandled_ = 0; // guarded by mutex_
    std::atomic<bool> running_{true};
    std::atomic<int> starts_{1};
    std::jthread thread_; // last: it stops before the rest goes
};

} // namespace kerubara
