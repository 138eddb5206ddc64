// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/WindowMove.h"

#include <QWidget>
#include <QWindow>

namespace kerubara {

void startWindowMove(QWidget &window)
{
    if (const auto &handler = WindowMoveSeam::handler()) {
        handler(window);
        return;
    }
    if (QWindow *handle = window.windowHandle())
        handle->startSystemMove();
}

} // namespace kerubara
