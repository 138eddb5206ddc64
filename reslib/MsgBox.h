// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"

#include <QString>

namespace kerubara {

// Message box styles and answers, with the values the system's code uses.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// One message box as it was asked for.
struct MsgBoxCall
{
    QString prompt;
    int style = vbOKOnly;
    QString title;
    // Shown behind the box's 詳細 button: the file, line and reason behind
    // a message whose own text is fixed.
    QString details;
};

// Shows a modal message box and returns the button pressed. Every message of
// the program goes through here, so tests can see and answer them. The box
// itself is a window (dialogs/MessageBox), installed as the seam's real call
// at start-up; without it the message goes to standard error.
int MsgBox(const QString &prompt, int style = vbOKOnly, const QString &title = {}, const QString &details = {});

// While alive, MsgBox calls the handler instead of showing a box; the
// handler's return value is the answer.
using MsgBoxSeam = Seam<int(const MsgBoxCall &), struct MsgBoxTag>;
using ScopedMsgBoxHandler = MsgBoxSeam::Scoped;

} // namespace kerubara
