// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options window's controls, for tests that work the window as a user
// would (the program itself reads the settings through the typed accessors).

#include "windows/frmOption.h"

namespace kerubara {

inline const frmOptionControls &controls(const frmOption &window)
{
    return window.controlsForTesting();
}

} // namespace kerubara
