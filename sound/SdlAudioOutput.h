#pragma once

#include "sound/AudioOutput.h"

#include <SDL2/SDL_audio.h>

#include <memory>

namespace kerubara {

// The sound device, opened through SDL2: 32-bit float stereo, a buffer of 512
// frames, 48 kHz (or 44.1 kHz when the device prefers it). SDL calls the mixer
// from its audio thread.
class SdlAudioOutput final : public AudioOutput
{
public:
    // Opens the default device of the configured SDL driver, falling back to
    // the "dummy" driver; null when neither opens.
    static std::unique_ptr<SdlAudioOutput> open(int voiceCount);
    ~SdlAudioOutput() override;

    QString driverName() const override { return driver_; }
    void waitForProgress() override;

private:
    // What SDL's callback mixes with; the device is opened (paused) before
    // the mixer exists, so the mixer is filled in before it starts.
    struct CallbackTarget
    {
        Mixer *mixer = nullptr;
    };

    SdlAudioOutput(SDL_AudioDeviceID device, const SDL_AudioSpec &obtained, int voiceCount,
                   std::unique_ptr<CallbackTarget> target);
    static void callback(void *target, Uint8 *stream, int len);

    std::unique_ptr<CallbackTarget> target_;
    SDL_AudioDeviceID device_ = 0;
    QString driver_;
};

} // namespace kerubara
