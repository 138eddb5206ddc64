#include "sound/WavDecoder.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kerubara {

bool convertToStereoFloat(const void *samples, int bytes, std::uint16_t sdlFormat, int channels, int rate,
                          int sampleRate, PcmBuffer &out)
{
    SDL_AudioStream *stream = SDL_NewAudioStream(sdlFormat, static_cast<Uint8>(channels), rate, AUDIO_F32SYS,
                                                 PcmBuffer::kChannels, sampleRate);
    if (!stream)
        return false;
    bool ok = SDL_AudioStreamPut(stream, samples, bytes) == 0 && SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
        const int available = SDL_AudioStreamAvailable(stream);
        const std::size_t at = out.samples.size();
        out.samples.resize(at + static_cast<std::size_t>(available) / sizeof(float));
        const int got = SDL_AudioStreamGet(stream, out.samples.data() + at, available);
        ok = got >= 0;
        out.samples.resize(at + static_cast<std::size_t>(std::max(got, 0)) / sizeof(float));
    }
    SDL_FreeAudioStream(stream);
    return ok;
}

std::shared_ptr<const PcmBuffer> decodeWav(const QByteArray &fileBytes, int sampleRate)
{
    if (fileBytes.isEmpty() || fileBytes.size() > std::numeric_limits<int>::max())
        return nullptr;
    SDL_RWops *rw = SDL_RWFromConstMem(fileBytes.constData(), static_cast<int>(fileBytes.size()));
    if (!rw)
        return nullptr;
    SDL_AudioSpec spec{};
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &data, &length))
        return nullptr;
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = sampleRate;
    const bool ok = length <= static_cast<Uint32>(std::numeric_limits<int>::max())
        && convertToStereoFloat(data, static_cast<int>(length), spec.format, spec.channels, spec.freq, sampleRate, *pcm);
    SDL_FreeWAV(data);
    if (!ok)
        return nullptr;
    return pcm;
}

} // namespace kerubara
