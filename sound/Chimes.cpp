// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Chimes.h"

#include "sound/WavWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kerubara::chimes {

std::vector<std::int16_t> render(const std::vector<Strike> &strikes, double lengthSeconds)
{
    std::vector<double> mix(static_cast<std::size_t>(lengthSeconds * kRate), 0.0);
    for (const Strike &s : strikes) {
        const auto first = static_cast<std::size_t>(s.startSeconds * kRate);
        for (std::size_t i = first; i < mix.size(); ++i) {
            const double t = static_cast<double>(i - first) / kRate;
            const double envelope = std::min(1.0, t / 0.005) * std::exp(-t / s.decaySeconds);
            const double w = 2 * std::numbers::pi * s.frequency * t;
            mix[i] += envelope * (std::sin(w) + 0.35 * std::sin(2.0 * w) + 0.12 * std::sin(3.01 * w));
        }
    }
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double left = static_cast<double>(mix.size() - i) / kRate;
        const double v = 0.28 * mix[i] * std::min(1.0, left / 0.05);
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    }
    return samples;
}

std::vector<std::int16_t> twoTone()
{
    return render({{0.0, 1318.5, 0.35}, {0.32, 1046.5, 0.6}}, 1.6);
}

std::vector<std::int16_t> arrival()
{
    const double notes[] = {784.0, 988.0, 1175.0, 1568.0, 1175.0, 1319.0};
    std::vector<Strike> strikes;
    for (int i = 0; i < 6; ++i)
        strikes.push_back({0.3 * i, notes[i], i == 5 ? 0.9 : 0.45});
    return render(strikes, 3.6);
}

std::vector<std::int16_t> stopRequest()
{
    return render({{0.0, 1760.0, 0.18}, {0.2, 1396.9, 0.4}}, 1.1);
}

QString stopRequestFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    // The name carries a version: a changed chime gets a new file.
    const QString path = QDir(folder).filePath(QStringLiteral("chime-request-1.wav"));
    if (QFileInfo::exists(path) || saveWavFile(path, stopRequest(), 1, kRate))
        return path;
    return {};
}

} // namespace kerubara::chimes
