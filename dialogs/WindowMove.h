// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/Seam.h"

class QWidget;

namespace kerubara {

// Lets the window manager move `window` with the mouse from the press that is
// under way (a frameless window dragged by its surface). Tests see the call
// instead.
void startWindowMove(QWidget &window);

using WindowMoveSeam = Seam<void(QWidget &), struct WindowMoveTag>;
using ScopedWindowMoveHandler = WindowMoveSeam::Scoped;

} // namespace kerubara
