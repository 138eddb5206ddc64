// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ranges of how the announcements' voice speaks, in one place for the
// speech engine (sound/) and the preferences that keep them (settings/).

namespace kerubara::voiceranges {

// Rate in percent of the voice's own pace.
inline constexpr int kMinRate = 50;
inline constexpr int kMaxRate = 200;
inline constexpr int kDefaultRate = 100;
// Pitch in half-tones above (or below) the voice's own.
inline constexpr int kMinPitch = -12;
inline constexpr int kMaxPitch = 12;
inline constexpr int kDefaultPitch = 0;
// Loudness in percent.
inline constexpr int kMinVolume = 0;
inline constexpr int kMaxVolume = 100;
inline constexpr int kDefaultVolume = 100;
// The all-pass constant of an HTS voice (声質) in hundredths; kVoicesOwn
// keeps the voice's own.
inline constexpr int kVoicesOwn = -1;
inline constexpr int kMinAllPass = 20;
inline constexpr int kMaxAllPass = 80;

} // namespace kerubara::voiceranges
