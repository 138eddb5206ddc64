// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsLock.h"

namespace kerubara {

// Asks whether to start without saving while another program holds the
// settings file (a message box worded here); true for yes.
bool askToStartWithoutSaving(const LockHolder &holder);

} // namespace kerubara
