// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;

namespace kerubara {

// The settings file keeps its texts in code page 932 (Shift-JIS), which lacks
// many characters (an accented letter, an emoji). A path holding one would
// come back from the file without it, so such a text is refused where it is
// entered.

// True when the settings file can hold `text`. Otherwise the user is told
// which character of the setting `what` cannot be kept, and false comes back.
bool acceptStorableText(const QString &text, const QString &what);

// Keeps `box` to texts the settings file can hold: a change (typed, pasted or
// chosen in a dialog) that brings in a character it lacks is refused with the
// message above, and the box goes back to its text before the change.
void keepStorable(QLineEdit *box, const QString &what);

} // namespace kerubara
