// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kerubara {

// The speech engine's own settings, kept in its own small file (never in the
// program's settings file).
struct VoiceSettings
{
    // Speaking rate in espeak-ng's words per minute; 160 gives the calm pace
    // of a bus announcement.
    static constexpr int kMinRate = 80;
    static constexpr int kMaxRate = 300;
    static constexpr int kDefaultRate = 160;
    // Base pitch, 0 (low) to 99 (high).
    static constexpr int kMinPitch = 0;
    static constexpr int kMaxPitch = 99;
    static constexpr int kDefaultPitch = 50;
    // Loudness in percent.
    static constexpr int kMinVolume = 0;
    static constexpr int kMaxVolume = 100;
    static constexpr int kDefaultVolume = 100;

    int rate = kDefaultRate;
    int pitch = kDefaultPitch;
    int volume = kDefaultVolume;

    // Every value pulled into its range.
    VoiceSettings clamped() const;

    // Reads the file; values that are missing or not numbers keep their
    // defaults, values out of range are pulled into it.
    static VoiceSettings load(const QString &file);
    // Writes the file; false when it could not be written.
    bool save(const QString &file) const;

    // "voice.ini" in the user's configuration folder for kerubara.
    static QString defaultFile();

    bool operator==(const VoiceSettings &) const = default;
};

} // namespace kerubara
