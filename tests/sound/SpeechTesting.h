// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the speech suites share: voice settings written by their values, and
// mixing until the engine is heard.

#include "SoundFiles.h"
#include "sound/AudioOutput.h"
#include "sound/VoiceSettings.h"

#include <QThread>

namespace testing {

// Voice settings by their values, the rest left as they are by default.
inline kerubara::VoiceSettings valuesOf(int rate, int pitch, int volume, int allPass = kerubara::VoiceSettings::kVoicesOwn,
                                        const QString &voice = {})
{
    kerubara::VoiceSettings v;
    v.rate = rate;
    v.pitch = pitch;
    v.volume = volume;
    v.allPass = allPass;
    v.voice = voice;
    return v;
}

// Mixes until the engine has made some sound, or gives up after `buffers`.
inline bool pumpUntilSound(kerubara::NullAudioOutput &out, int buffers = 2000)
{
    for (int i = 0; i < buffers; ++i) {
        const qsizetype from = static_cast<qsizetype>(out.captured().size() / 2);
        out.pump();
        if (firstSound(out.captured(), from) >= 0)
            return true;
        QThread::msleep(1);
    }
    return false;
}

} // namespace testing
