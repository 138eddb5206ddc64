// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/MsgBox.h"

#include <cstdio>

namespace kerubara {

int MsgBox(const QString &prompt, int style, const QString &title, const QString &details)
{
    const MsgBoxCall call{prompt, style, title, details};
    if (const auto &box = MsgBoxSeam::call())
        return box(call);
    // No window to show it in (a program without windows): the message goes
    // to standard error and is taken as answered with its first button.
    std::fputs(qPrintable((title.isEmpty() ? QString() : title + QStringLiteral(": ")) + prompt
                          + (details.isEmpty() ? QString() : QStringLiteral("\n") + details) + QStringLiteral("\n")),
               stderr);
    return (style & 0x0F) == vbYesNo ? vbYes : vbOK;
}

} // namespace kerubara
