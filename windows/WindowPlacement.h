// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace kerubara {

// Where a top-level window goes on its screen. The window manager frames a
// window some time after it is shown, so what depends on the outer frame is
// looked at again once it has most likely done so.

// Runs `check` at the moments by which the window manager will most likely
// have framed `window` (decorations change its frame then); never after the
// window is gone.
void whenFramed(QWidget &window, const std::function<void()> &check);

// Moves `window` so that its outer frame lies inside its screen's available
// area (clear of task bars).
void keepOnScreen(QWidget &window);

// Puts the outer frame of `window` in the bottom-right corner of its
// screen's available area; placed again with the real frame once the
// window manager has decorated the window, unless the user has moved it by
// then.
void placeAtBottomRight(QWidget &window);

} // namespace kerubara
