// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WavDecoder.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace kerubara {

bool convertToStereoFloat(const void *samples, int bytes, std::uint16_t sdlFormat, int channels, int rate,
                          int sampleRate, PcmBuffer &out)
{
    const int frameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(sdlFormat)) / 8 * channels;
    if (frameBytes <= 0 || bytes < 0)
        return false;
    // SDL's one-shot converter works on the whole sound at once: it pads
    // both ends with silence after converting to float, so nothing stays
    // behind in a resampler (as it does in SDL's streams, whose flush drops
    // up to 64 ms and pads 8-bit sound with 0x00, full negative) and 8-bit
    // sound fades to 0.0, not to -1.0.
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, sdlFormat, static_cast<Uint8>(channels), rate, AUDIO_F32SYS,
                          PcmBuffer::kChannels, sampleRate) < 0)
        return false;
    // A data chunk cut inside its last frame loses that frame.
    const int whole = bytes - bytes % frameBytes;
    std::vector<Uint8> buffer(static_cast<std::size_t>(whole) * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
    if (whole > 0) // a header without samples comes with no sample bytes at all
        std::memcpy(buffer.data(), samples, static_cast<std::size_t>(whole));
    int converted = whole;
    if (cvt.needed) {
        cvt.buf = buffer.data();
        cvt.len = whole;
        if (SDL_ConvertAudio(&cvt) != 0)
            return false;
        converted = cvt.len_cvt;
    }
    const auto *floats = reinterpret_cast<const float *>(buffer.data());
    out.samples.insert(out.samples.end(), floats, floats + static_cast<std::size_t>(converted) / sizeof(float));
    return true;
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
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(data, &SDL_FreeWAV);
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = sampleRate;
    const bool ok = length <= static_cast<Uint32>(std::numeric_limits<int>::max())
        && convertToStereoFloat(data, static_cast<int>(length), format.format, format.channels, format.freq, sampleRate, *pcm);
    if (!ok)
        return nullptr;
    return pcm;
}

} // namespace kerubara
