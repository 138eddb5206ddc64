// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/VoicePreferences.h"

namespace kerubara {

VoiceSettings voiceSettings(const PreferenceStore &preferences)
{
    VoiceSettings settings;
    settings.voice = preferences.text(Preference::Voice);
    settings.rate = preferences.number(Preference::VoiceRate);
    settings.pitch = preferences.number(Preference::VoicePitch);
    settings.volume = preferences.number(Preference::VoiceVolume);
    settings.allPass = preferences.number(Preference::VoiceAllPass);
    return settings;
}

void keepVoiceSettings(PreferenceStore &preferences, const VoiceSettings &settings)
{
    const VoiceSettings kept = settings.clamped();
    preferences.setText(Preference::Voice, kept.voice);
    preferences.setNumber(Preference::VoiceRate, kept.rate);
    preferences.setNumber(Preference::VoicePitch, kept.pitch);
    preferences.setNumber(Preference::VoiceVolume, kept.volume);
    preferences.setNumber(Preference::VoiceAllPass, kept.allPass);
}

VoiceSettingsKeeper voiceKeeper(PreferenceStore &preferences)
{
    return {[&preferences] { return voiceSettings(preferences); },
            [&preferences](const VoiceSettings &settings) { keepVoiceSettings(preferences, settings); }};
}

} // namespace kerubara
