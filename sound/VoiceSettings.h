// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/VoiceRanges.h"

#include <QString>

#include <functional>

namespace kerubara {

// The speech engine's settings: which voice speaks, and how. The program
// keeps them among its preferences (never in the settings file); the engine
// is handed them and tells its owner when the user confirms new ones.
struct VoiceSettings
{
    // The ranges (reslib/VoiceRanges.h): rate in percent of the voice's
    // own, pitch in half-tones from its own, loudness in percent, and the
    // all-pass constant (声質) in hundredths, kVoicesOwn keeping the voice's.
    static constexpr int kMinRate = voiceranges::kMinRate;
    static constexpr int kMaxRate = voiceranges::kMaxRate;
    static constexpr int kDefaultRate = voiceranges::kDefaultRate;
    static constexpr int kMinPitch = voiceranges::kMinPitch;
    static constexpr int kMaxPitch = voiceranges::kMaxPitch;
    static constexpr int kDefaultPitch = voiceranges::kDefaultPitch;
    static constexpr int kMinVolume = voiceranges::kMinVolume;
    static constexpr int kMaxVolume = voiceranges::kMaxVolume;
    static constexpr int kDefaultVolume = voiceranges::kDefaultVolume;
    static constexpr int kVoicesOwn = voiceranges::kVoicesOwn;
    static constexpr int kMinAllPass = voiceranges::kMinAllPass;
    static constexpr int kMaxAllPass = voiceranges::kMaxAllPass;

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
