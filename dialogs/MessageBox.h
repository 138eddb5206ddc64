// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/MsgBox.h"

namespace kerubara {

// The message box MsgBox shows: a QMessageBox with the style's icon and
// buttons, the title (the program's name when empty) and the details behind
// its 詳細 button.
int showMessageBox(const MsgBoxCall &call);

// Installs the real calls of the seams whose real form is a window: message
// boxes, the resource library's dialogs and the voice's settings dialog.
// The program's windows call it once as they are built.
void installWidgetCalls();

} // namespace kerubara
