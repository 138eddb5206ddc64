// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace kerubara {

// The speech engine's settings: which voice speaks, and how. The program
// keeps them among its preferences (never in the settings file); the engine
// is handed them and tells its owner when the user confirms new ones.
struct VoiceSettings
{
    // Speaking rate in percent of the voice's own.
    static constexpr int kMinRate = 50;
    static constexpr int kMaxRate = 200;
    static constexpr int kDefaultRate = 100;
    // Pitch in half-tones above (or below) the voice's own.
    static constexpr int kMinPitch = -12;
    static constexpr int kMaxPitch = 12;
    static constexpr int kDefaultPitch = 0;
    // Loudness in percent.
    static constexpr int kMinVolume = 0;
    static constexpr int kMaxVolume = 100;
    static constexpr int kDefaultVolume = 100;
    // The all-pass constant of an HTS voice (声質) in hundredths: lower
    // sounds deeper and larger, higher lighter and smaller. kVoicesOwn keeps
    // the voice's own.
    static constexpr int kVoicesOwn = -1;
    static constexpr int kMinAllPass = 20;
    static constexpr int kMaxAllPass = 80;

    // The voice: empty for the default choice, kEspeak, or a voice file.
    static QString espeak() { return QStringLiteral("espeak"); }

    int rate = kDefaultRate;
    int pitch = kDefaultPitch;
    int volume = kDefaultVolume;
    int allPass = kVoicesOwn;
    QString voice;

    // Every value pulled into its range.
    VoiceSettings clamped() const;
    // What changes the samples a voice makes (not the volume, which is the
    // mixer's): a part of the key of a prepared text.
    QString soundKey() const;

    bool operator==(const VoiceSettings &) const = default;
};

// Where a run keeps its voice settings: read when a speech engine starts,
// told the values the user confirms. Either may be empty: the defaults,
// kept nowhere.
struct VoiceSettingsKeeper
{
    std::function<VoiceSettings()> read;
    std::function<void(const VoiceSettings &)> keep;
};

} // namespace kerubara
