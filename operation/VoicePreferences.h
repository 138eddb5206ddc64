// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The voice's settings as the program keeps them: five rows of the
// preferences (the voice, its rate, pitch, volume and all-pass constant),
// turned into the speech engine's VoiceSettings and back.

#include "settings/Preferences.h"
#include "sound/VoiceSettings.h"

namespace kerubara {

// The voice settings the preferences hold.
VoiceSettings voiceSettings(const PreferenceStore &preferences);
// Keeps `settings` in the preferences (in kerubara.conf at once when they
// are the remembered ones).
void keepVoiceSettings(PreferenceStore &preferences, const VoiceSettings &settings);
// A speech engine's way to the preferences: read when it starts, kept when
// the user confirms. `preferences` must outlive what is handed it.
VoiceSettingsKeeper voiceKeeper(PreferenceStore &preferences);

} // namespace kerubara
