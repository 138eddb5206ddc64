// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kerubara {

// The fare panel's magnification is the user's own preference, kept between
// runs in the program's small settings (QSettings, organisation and
// application "kerubara", key "panel/zoom"), never in the settings file.

// The magnification remembered from an earlier run: 1 when there is none or
// the stored value is not one the panel offers.
int storedPanelZoom();

// Remembers `factor` for the next run.
void storePanelZoom(int factor);

} // namespace kerubara
