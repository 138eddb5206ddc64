// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WavWriter.h"

#include <QSaveFile>

namespace kerubara {
namespace {

void putU16(QByteArray &out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void putU32(QByteArray &out, std::uint32_t v)
{
    putU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    putU16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

QByteArray wavBytes(const std::vector<std::int16_t> &samples, int channels, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    const auto blockAlign = static_cast<std::uint16_t>(channels * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    putU32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, static_cast<std::uint16_t>(channels));
    putU32(out, static_cast<std::uint32_t>(sampleRate));
    putU32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    putU16(out, blockAlign);
    putU16(out, 16);
    out.append("data");
    putU32(out, dataBytes);
    for (const std::int16_t s : samples)
        putU16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool saveWavFile(const QString &path, const std::vector<std::int16_t> &samples, int channels, int sampleRate,
                 QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = wavBytes(samples, channels, sampleRate);
    // Flushed before the commit: commit() passes over a failure of its own
    // final flush and would put a short file in place.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kerubara
