// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builds small WAV and MIDI files byte by byte, independently of the
// program's decoders, so tests can hand them real files.

#include "TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <numbers>
#include <vector>

namespace testing {

enum class WavFormat { Pcm8, Pcm16, Float32, MuLaw };

inline void putLe(QByteArray &out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// G.711 mu-law encoding of one 16-bit sample.
inline std::uint8_t muLaw(std::int16_t sample)
{
    constexpr int bias = 0x84;
    int s = sample;
    const int sign = s < 0 ? 0x80 : 0;
    if (s < 0)
        s = -s;
    s = std::min(s, 32635) + bias;
    int exponent = 7;
    for (int mask = 0x4000; (s & mask) == 0 && exponent > 0; mask >>= 1)
        --exponent;
    const int mantissa = (s >> (exponent + 3)) & 0x0F;
    return static_cast<std::uint8_t>(~(sign | (exponent << 4) | mantissa));
}

// A WAV file of the given samples (-1..1, interleaved by channel).
inline QByteArray wavFile(const std::vector<float> &samples, int channels, int rate, WavFormat format)
{
    int bits = 16;
    std::uint16_t tag = 1;
    if (format == WavFormat::Pcm8)
        bits = 8;
    else if (format == WavFormat::Float32)
        bits = 32, tag = 3;
    else if (format == WavFormat::MuLaw)
        bits = 8, tag = 7;
    QByteArray data;
    for (const float f : samples) {
        const auto s16 = static_cast<std::int16_t>(std::lround(std::clamp(f, -1.0f, 1.0f) * 32767.0f));
        switch (format) {
        case WavFormat::Pcm8:
            data.append(static_cast<char>(static_cast<std::uint8_t>(128 + s16 / 256)));
            break;
        case WavFormat::Pcm16:
            putLe(data, static_cast<std::uint16_t>(s16), 2);
            break;
        case WavFormat::Float32: {
            std::uint32_t bitsOf = 0;
            std::memcpy(&bitsOf, &f, 4);
            putLe(data, bitsOf, 4);
            break;
        }
        case WavFormat::MuLaw:
            data.append(static_cast<char>(muLaw(s16)));
            break;
        }
    }
    const int block = channels * bits / 8;
    const bool extended = tag != 1; // non-PCM formats carry a cbSize field
    QByteArray out("RIFF");
    putLe(out, static_cast<std::uint32_t>(4 + 8 + (extended ? 18 : 16) + 8 + data.size()), 4);
    out.append("WAVEfmt ");
    putLe(out, extended ? 18 : 16, 4);
    putLe(out, tag, 2);
    putLe(out, static_cast<std::uint32_t>(channels), 2);
    putLe(out, static_cast<std::uint32_t>(rate), 4);
    putLe(out, static_cast<std::uint32_t>(rate * block), 4);
    putLe(out, static_cast<std::uint32_t>(block), 2);
    putLe(out, static_cast<std::uint32_t>(bits), 2);
    if (extended)
        putLe(out, 0, 2);
    out.append("data");
    putLe(out, static_cast<std::uint32_t>(data.size()), 4);
    out.append(data);
    return out;
}

// `frames` frames of a constant level on every channel: easy to find in the mix.
inline std::vector<float> level(float value, int frames, int channels = 1)
{
    return std::vector<float>(static_cast<std::size_t>(frames * channels), value);
}

// A sine tone.
inline std::vector<float> tone(double hz, int frames, int rate, float amplitude = 0.5f)
{
    std::vector<float> out(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        out[static_cast<std::size_t>(i)] = amplitude * static_cast<float>(std::sin(2 * std::numbers::pi * hz * i / rate));
    return out;
}

inline void putVarLen(QByteArray &out, std::uint32_t v)
{
    QByteArray bytes;
    bytes.prepend(static_cast<char>(v & 0x7F));
    while ((v >>= 7) != 0)
        bytes.prepend(static_cast<char>(0x80 | (v & 0x7F)));
    out.append(bytes);
}

inline void putBe(QByteArray &out, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A format-0 MIDI file of one track of events, ended with "end of track".
inline QByteArray standardMidiFile(QByteArray track, int division)
{
    putVarLen(track, 0);
    track.append("\xFF\x2F\x00", 3); // end of track
    QByteArray out("MThd");
    putBe(out, 6, 4);
    putBe(out, 0, 2);
    putBe(out, 1, 2);
    putBe(out, static_cast<std::uint32_t>(division), 2);
    out.append("MTrk");
    putBe(out, static_cast<std::uint32_t>(track.size()), 4);
    out.append(track);
    return out;
}

// A note-on `delay` ticks on and its note-off `ticks` after that.
inline void appendNote(QByteArray &track, int note, int ticks, int delay = 0)
{
    putVarLen(track, static_cast<std::uint32_t>(delay));
    track.append(static_cast<char>(0x90));
    track.append(static_cast<char>(note));
    track.append(static_cast<char>(100));
    putVarLen(track, static_cast<std::uint32_t>(ticks));
    track.append(static_cast<char>(0x80));
    track.append(static_cast<char>(note));
    track.append(static_cast<char>(0));
}

// A format-0 MIDI file playing one piano note for `beats` quarter notes at
// 120 beats a minute (half a second a beat).
inline QByteArray midiFile(int note = 72, int beats = 1)
{
    constexpr int division = 96;
    QByteArray track;
    putVarLen(track, 0);
    track.append("\xC0\x00", 2); // program change: piano
    appendNote(track, note, division * beats);
    return standardMidiFile(track, division);
}

// A format-0 MIDI file playing `notes` piano notes one after another, each
// `beats` quarter notes long at 120 beats a minute, climbing a C major scale,
// after a rest of `restBeats`: 600 one-beat notes make a five-minute piece.
inline QByteArray melodyFile(int notes, int beats = 1, int restBeats = 0)
{
    constexpr int division = 96;
    constexpr int scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
    QByteArray track;
    putVarLen(track, 0);
    track.append("\xC0\x00", 2); // program change: piano
    for (int i = 0; i < notes; ++i)
        appendNote(track, scale[i % 8], division * beats, i == 0 ? division * restBeats : 0);
    return standardMidiFile(track, division);
}

// Index of the first stereo frame whose samples are not silent, or -1.
inline qsizetype firstSound(const std::vector<float> &stereo, qsizetype fromFrame = 0, float threshold = 1.0e-3f)
{
    for (qsizetype f = fromFrame; f < static_cast<qsizetype>(stereo.size() / 2); ++f) {
        if (std::fabs(stereo[static_cast<std::size_t>(2 * f)]) > threshold
            || std::fabs(stereo[static_cast<std::size_t>(2 * f + 1)]) > threshold)
            return f;
    }
    return -1;
}

// Index of the last frame that is not silent, or -1.
inline qsizetype lastSound(const std::vector<float> &stereo, float threshold = 1.0e-3f)
{
    for (qsizetype f = static_cast<qsizetype>(stereo.size() / 2) - 1; f >= 0; --f) {
        if (std::fabs(stereo[static_cast<std::size_t>(2 * f)]) > threshold
            || std::fabs(stereo[static_cast<std::size_t>(2 * f + 1)]) > threshold)
            return f;
    }
    return -1;
}

} // namespace testing
