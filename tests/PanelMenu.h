// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Choices of the fare panel's pop-up menu, made as a user makes them.

#include "windows/Form1.h"

#include <QAction>
#include <QMenu>

namespace testing {

// Chooses "N桁" under 運賃の桁数.
inline void chooseFareDigits(kerubara::Form1 &panel, int digits)
{
    for (QAction *action : panel.zoomMenu()->actions()) {
        if (QMenu *sub = action->menu(); sub && action->text() == QStringLiteral("運賃の桁数")) {
            for (QAction *choice : sub->actions()) {
                if (choice->text() == QStringLiteral("%1桁").arg(digits))
                    choice->trigger();
            }
        }
    }
}

} // namespace testing
