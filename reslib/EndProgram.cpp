// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/EndProgram.h"

#include <QCoreApplication>

namespace kerubara {

void EndProgram()
{
    if (const auto &handler = EndProgramSeam::handler()) {
        handler();
        return;
    }
    QCoreApplication::quit();
}

} // namespace kerubara
