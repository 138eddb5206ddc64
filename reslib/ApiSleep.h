// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"

namespace kerubara {

// Blocks the calling thread for `ms` milliseconds, as the program does on
// purpose in a few places (the lamp test, the pause after a synchronous
// sound). Tests replace it so they need not wait.
void ApiSleep(int ms);

// While alive, ApiSleep calls the handler with the milliseconds instead of
// sleeping.
using SleepSeam = Seam<void(int), struct SleepTag>;
using ScopedSleepHandler = SleepSeam::Scoped;

} // namespace kerubara
