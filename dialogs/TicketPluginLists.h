// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a ticket plug-in puts into the options window's and the console's
// boxes (its note and its company names).

#include <QString>

class QComboBox;
class QPlainTextEdit;

// Puts the plug-in's note ([Comment]) into the text box. Does nothing for a
// file that is not a valid plug-in, or without a box.
void ZR8_SetPlgComment(const QString &path, QPlainTextEdit *textBox);

// Appends the plug-in's company names ([Companies]) to the combo box, first
// line first, without emptying it and without changing which name is chosen
// (none in an empty box). Does nothing for a file that is not a valid
// plug-in, or without a box.
void ZR8_SetCorpAddList(const QString &path, QComboBox *box);
