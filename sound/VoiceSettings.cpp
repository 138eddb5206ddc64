// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/VoiceSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kerubara {
namespace {

std::optional<int> readInt(const QSettings &s, const char *key)
{
    bool ok = false;
    const int v = s.value(QLatin1StringView(key)).toString().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// The espeak-ng voice's rate of 160 words a minute was its natural pace.
constexpr double kOldNaturalRate = 160.0;

} // namespace

VoiceSettings VoiceSettings::clamped() const
{
    VoiceSettings s = *this;
    s.rate = std::clamp(rate, kMinRate, kMaxRate);
    s.pitch = std::clamp(pitch, kMinPitch, kMaxPitch);
    s.volume = std::clamp(volume, kMinVolume, kMaxVolume);
    s.allPass = allPass == kVoicesOwn ? kVoicesOwn : std::clamp(allPass, kMinAllPass, kMaxAllPass);
    return s;
}

QString VoiceSettings::soundKey() const
{
    const VoiceSettings s = clamped();
    return QStringLiteral("%1|%2|%3|%4").arg(s.voice).arg(s.rate).arg(s.pitch).arg(s.allPass);
}

VoiceSettings VoiceSettings::load(const QString &file)
{
    VoiceSettings v;
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return v;
    const QSettings s(file, QSettings::IniFormat);
    if (const auto speed = readInt(s, "Voice/Speed"))
        v.rate = *speed;
    else if (const auto wpm = readInt(s, "Voice/Rate"))
        v.rate = static_cast<int>(std::lround(*wpm * 100.0 / kOldNaturalRate));
    if (const auto halfTones = readInt(s, "Voice/HalfTones"))
        v.pitch = *halfTones;
    else if (const auto old = readInt(s, "Voice/Pitch"))
        v.pitch = static_cast<int>(std::lround((std::clamp(*old, 0, 99) - 50) * 12.0 / 50.0));
    v.volume = readInt(s, "Voice/Volume").value_or(v.volume);
    v.allPass = readInt(s, "Voice/AllPass").value_or(v.allPass);
    v.voice = s.value(QStringLiteral("Voice/File")).toString();
    return v.clamped();
}

bool VoiceSettings::save(const QString &file) const
{
    if (file.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    const VoiceSettings v = clamped();
    s.remove(QStringLiteral("Voice/Rate"));
    s.remove(QStringLiteral("Voice/Pitch"));
    s.setValue(QStringLiteral("Voice/File"), v.voice);
    s.setValue(QStringLiteral("Voice/Speed"), v.rate);
    s.setValue(QStringLiteral("Voice/HalfTones"), v.pitch);
    s.setValue(QStringLiteral("Voice/Volume"), v.volume);
    s.setValue(QStringLiteral("Voice/AllPass"), v.allPass);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString VoiceSettings::defaultFile()
{
    // Shared by the program and the data tool, whatever their file names.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kerubara/voice.ini");
}

} // namespace kerubara
