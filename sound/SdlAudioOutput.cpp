#include "sound/SdlAudioOutput.h"

#include <SDL2/SDL.h>

#include <QtGlobal>

#include <cstring>
#include <thread>

namespace kerubara {
namespace {

constexpr int kPreferredRate = 48000;
constexpr Uint16 kBufferFrames = 512;

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
    if (driver)
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    const bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (driver)
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return ok;
}

} // namespace

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::open(int voiceCount)
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
        auto out = std::unique_ptr<SdlAudioOutput>(new SdlAudioOutput(id, obtained, voiceCount, std::move(target)));
        SDL_PauseAudioDevice(id, 0);
        return out;
    }
    return nullptr;
}

SdlAudioOutput::SdlAudioOutput(SDL_AudioDeviceID device, const SDL_AudioSpec &obtained, int voiceCount,
                               std::unique_ptr<CallbackTarget> target)
    : AudioOutput(obtained.freq, obtained.samples, voiceCount),
      target_(std::move(target)),
      device_(device),
      driver_(QString::fromUtf8(SDL_GetCurrentAudioDriver()))
{
    // The device is still paused, so its callback does not run yet.
    target_->mixer = &mixer();
    mixer().setProgressHook([this] { waitForProgress(); });
}

SdlAudioOutput::~SdlAudioOutput()
{
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOutput::waitForProgress()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
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
