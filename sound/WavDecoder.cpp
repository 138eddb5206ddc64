#include "sound/WavDecoder.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kerubara {

namespace {

// Moves everything the stream has ready into `out`.
bool takeAvailable(SDL_AudioStream *stream, PcmBuffer &out)
{
    for (;;) {
        const int available = SDL_AudioStreamAvailable(stream);
        if (available <= 0)
            return true;
        const std::size_t at = out.samples.size();
        out.samples.resize(at + static_cast<std::size_t>(available) / sizeof(float));
        const int got = SDL_AudioStreamGet(stream, out.samples.data() + at, available);
        out.samples.resize(at + static_cast<std::size_t>(std::max(got, 0)) / sizeof(float));
        if (got <= 0)
            return got == 0;
    }
}

} // namespace

bool convertToStereoFloat(const void *samples, int bytes, std::uint16_t sdlFormat, int channels, int rate,
                          int sampleRate, PcmBuffer &out)
{
    SDL_AudioStream *stream = SDL_NewAudioStream(sdlFormat, static_cast<Uint8>(channels), rate, AUDIO_F32SYS,
                                                 PcmBuffer::kChannels, sampleRate);
    if (!stream)
        return false;
    // SDL's resampler loses samples when handed a large block at once, so the
    // input goes in by pieces of whole frames.
    const int frameBytes = std::max(1, static_cast<int>(SDL_AUDIO_BITSIZE(sdlFormat)) / 8 * channels);
    const int piece = frameBytes * 1024;
    const auto *in = static_cast<const Uint8 *>(samples);
    bool ok = true;
    for (int at = 0; ok && at < bytes; at += piece)
        ok = SDL_AudioStreamPut(stream, in + at, std::min(piece, bytes - at)) == 0 && takeAvailable(stream, out);
    ok = ok && SDL_AudioStreamFlush(stream) == 0 && takeAvailable(stream, out);
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
    SDL_AudioSpec format{};
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &format, &data, &length))
        return nullptr;
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = sampleRate;
    const bool ok = length <= static_cast<Uint32>(std::numeric_limits<int>::max())
        && convertToStereoFloat(data, static_cast<int>(length), format.format, format.channels, format.freq, sampleRate, *pcm);
    SDL_FreeWAV(data);
    if (!ok)
        return nullptr;
    return pcm;
}

} // namespace kerubara
