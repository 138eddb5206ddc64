// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace kerubara {

// A 16-bit PCM WAV file of interleaved samples.
QByteArray wavBytes(const std::vector<std::int16_t> &samples, int channels, int sampleRate);

// Writes a WAV file through a temporary file, so a failure leaves any earlier
// file untouched. On failure returns false and, when `error` is given, says
// why.
bool saveWavFile(const QString &path, const std::vector<std::int16_t> &samples, int channels, int sampleRate,
                 QString *error = nullptr);

} // namespace kerubara
