// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SdlAudioOutput.h"

#include <SDL2/SDL.h>

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace kerubara {
namespace {

constexpr int kPreferredRate = 48000;
constexpr Uint16 kBufferFrames = 512;
// How often the output's thread looks whether the mixer has gone idle while
// the device is open.
constexpr auto kIdlePoll = std::chrono::milliseconds(100);

// Opens the default device of the current driver, paused. The mixer works at
// 44.1 or 48 kHz; a device that wants another rate gets 48 kHz converted by
// SDL.
SDL_AudioDeviceID openDefaultDevice(SDL_AudioCallback callback, void *userdata, SDL_AudioSpec *obtained)
{
    SDL_AudioSpec want{};
    want.freq = kPreferredRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = kBufferFrames;
    want.callback = callback;
    want.userdata = userdata;
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id != 0 && obtained->freq != 44100 && obtained->freq != 48000) {
        SDL_CloseAudioDevice(id);
        id = SDL_OpenAudioDevice(nullptr, 0, &want, obtained, 0);
    }
    return id;
}

// Initialises SDL's audio with the configured driver, or with `driver` when
// one is given. Returns false when audio could not be initialised.
bool initAudio(const char *driver)
{
    // SDL's audio brings up its event subsystem, which would take over
    // SIGINT and SIGTERM and turn them into events nobody reads: the program
    // could then not be ended by a signal (a logout, `kill`).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (driver)
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    const bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (driver)
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return ok;
}

} // namespace

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::open(int voiceCount, std::chrono::milliseconds idleLinger)
{
    for (const char *driver : {static_cast<const char *>(nullptr), "dummy"}) {
        if (!initAudio(driver))
            continue;
        auto target = std::make_unique<CallbackTarget>();
        SDL_AudioSpec obtained{};
        const SDL_AudioDeviceID id = openDefaultDevice(&SdlAudioOutput::callback, target.get(), &obtained);
        if (id == 0) {
            qWarning("kerubara: the sound device does not open (%s); sounds are mixed silently", SDL_GetError());
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            continue;
        }
        return std::unique_ptr<SdlAudioOutput>(
            new SdlAudioOutput(id, obtained, voiceCount, std::move(target), idleLinger));
    }
    return nullptr;
}

SdlAudioOutput::SdlAudioOutput(SDL_AudioDeviceID device, const SDL_AudioSpec &obtained, int voiceCount,
                               std::unique_ptr<CallbackTarget> target, std::chrono::milliseconds idleLinger)
    : AudioOutput(obtained.freq, obtained.samples, voiceCount),
      target_(std::move(target)),
      spec_(obtained),
      driver_(QString::fromUtf8(SDL_GetCurrentAudioDriver())),
      idleLinger_(idleLinger),
      device_(device),
      scratch_(static_cast<std::size_t>(obtained.samples) * Mixer::kChannels)
{
    // Reopening asks for exactly what the mixer was made for; SDL converts
    // if the device has changed its mind.
    spec_.callback = &SdlAudioOutput::callback;
    spec_.userdata = target_.get();
    // The device is still paused, so its callback does not run yet.
    target_->mixer = &mixer();
    mixer().setProgressHook([this] { waitForProgress(); });
    mixer().setWakeHook([this] { wake(); });
    SDL_PauseAudioDevice(device_, 0);
    thread_ = std::jthread([this](std::stop_token stop) { run(std::move(stop)); });
}

SdlAudioOutput::~SdlAudioOutput()
{
    thread_.request_stop();
    thread_.join();
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOutput::waitForProgress()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void SdlAudioOutput::wake()
{
    {
        const std::lock_guard lock(mutex_);
        ++wakes_;
    }
    wakeUp_.notify_one();
}

SdlAudioOutput::Clock::duration SdlAudioOutput::bufferDuration() const
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        static_cast<double>(bufferFrames()) / sampleRate()));
}

void SdlAudioOutput::run(std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!waitUntilIdle(lock, stop))
            return;
        lock.unlock();
        stopDevice();
        lock.lock();
        // Closed: sleep until something is about to sound. A wake that came
        // while the device closed opens it again at once.
        if (!wakeUp_.wait(lock, stop, [this] { return wakes_ != wakesHandled_; }))
            return;
        wakesHandled_ = wakes_;
        lock.unlock();
        startDevice();
        lock.lock();
    }
}

bool SdlAudioOutput::waitUntilIdle(std::unique_lock<std::mutex> &lock, const std::stop_token &stop)
{
    auto idleSince = Clock::time_point::max();
    std::uint64_t polledWakes = wakes_;
    for (;;) {
        // Without a device this thread keeps the pace itself, a buffer at a time.
        const auto pause = device_ != 0 ? Clock::duration(kIdlePoll) : bufferDuration();
        wakeUp_.wait_for(lock, stop, pause, [] { return false; });
        if (stop.stop_requested())
            return false;
        const std::uint64_t seen = wakes_;
        lock.unlock();
        if (device_ == 0)
            mixer().render(scratch_.data(), bufferFrames());
        // Whatever woke the output before `seen` was read shows here.
        const bool idle = mixer().isIdle();
        lock.lock();
        if (!idle || wakes_ != seen || seen != polledWakes) {
            polledWakes = seen;
            idleSince = Clock::time_point::max();
            continue;
        }
        const auto now = Clock::now();
        idleSince = std::min(idleSince, now);
        if (now - idleSince >= idleLinger_) {
            wakesHandled_ = seen;
            return true;
        }
    }
}

void SdlAudioOutput::startDevice()
{
    SDL_AudioSpec want = spec_;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &obtained, 0);
    if (device_ == 0)
        qWarning("kerubara: the sound device does not open again (%s); sounds are mixed silently", SDL_GetError());
    else
        SDL_PauseAudioDevice(device_, 0);
    starts_.fetch_add(1, std::memory_order_acq_rel);
    running_.store(true, std::memory_order_release);
}

void SdlAudioOutput::stopDevice()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
    running_.store(false, std::memory_order_release);
}

void SdlAudioOutput::callback(void *target, Uint8 *stream, int len)
{
    Mixer *mixer = static_cast<CallbackTarget *>(target)->mixer;
    const int frames = len / static_cast<int>(sizeof(float) * Mixer::kChannels);
    if (mixer)
        mixer->render(reinterpret_cast<float *>(stream), frames);
    else
        std::memset(stream, 0, static_cast<std::size_t>(len));
}

} // namespace kerubara
