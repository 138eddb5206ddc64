// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/VoiceSettings.h"

#include <algorithm>

namespace kerubara {

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

} // namespace kerubara
