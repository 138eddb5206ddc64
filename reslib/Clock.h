// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/Seam.h"

#include <QtGlobal>

namespace kerubara {

// Milliseconds of a monotonic clock, for what must move at a steady pace
// (the stop-name scroll). Tests set the time themselves.
qint64 steadyMilliseconds();

using ClockSeam = Seam<qint64(), struct ClockTag>;
using ScopedClock = ClockSeam::Scoped;

} // namespace kerubara
