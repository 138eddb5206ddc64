// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/VoiceSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace kerubara {
namespace {

int readInt(const QSettings &s, const char *key, int fallback)
{
    bool ok = false;
    const int v = s.value(QLatin1StringView(key)).toString().toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

VoiceSettings VoiceSettings::clamped() const
{
    VoiceSettings s;
    s.rate = std::clamp(rate, kMinRate, kMaxRate);
    s.pitch = std::clamp(pitch, kMinPitch, kMaxPitch);
    s.volume = std::clamp(volume, kMinVolume, kMaxVolume);
    return s;
}

VoiceSettings VoiceSettings::load(const QString &file)
{
    VoiceSettings v;
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return v;
    const QSettings s(file, QSettings::IniFormat);
    v.rate = readInt(s, "Voice/Rate", v.rate);
    v.pitch = readInt(s, "Voice/Pitch", v.pitch);
    v.volume = readInt(s, "Voice/Volume", v.volume);
    return v.clamped();
}

bool VoiceSettings::save(const QString &file) const
{
    if (file.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    const VoiceSettings v = clamped();
    s.setValue(QStringLiteral("Voice/Rate"), v.rate);
    s.setValue(QStringLiteral("Voice/Pitch"), v.pitch);
    s.setValue(QStringLiteral("Voice/Volume"), v.volume);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString VoiceSettings::defaultFile()
{
    // Shared by the program and the data tool, whatever their file names.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kerubara/voice.ini");
}

} // namespace kerubara
