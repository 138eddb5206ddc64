// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/Seam.h"

#include <QDateTime>
#include <QtGlobal>

namespace kerubara {

// Milliseconds of a monotonic clock, for what must move at a steady pace
// (the stop-name scroll). Tests set the time themselves.
qint64 steadyMilliseconds();

using ClockSeam = Seam<qint64(), struct ClockTag>;
using ScopedClock = ClockSeam::Scoped;

// The date and time of day, for what shows them (the ticket, the panel's
// clock). A video follows its own time instead.
QDateTime wallClock();

using WallClockSeam = Seam<QDateTime(), struct WallClockTag>;
using ScopedWallClock = WallClockSeam::Scoped;

} // namespace kerubara
