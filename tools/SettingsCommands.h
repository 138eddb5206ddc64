// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextStream;

// The settings file commands of the data tool: dump, in4 and check for .in4
// files. The text form is one "Name=Value" line per field in file order;
// numbers in decimal (colours as signed 32-bit values), texts in UTF-8 with
// control characters written as their Unicode pictures (U+2400..U+2421).
namespace kerubara::datatool {

// True for a name ending in ".in4", in any case.
bool isSettingsFileName(const QString &path);

int dumpSettingsFile(const QString &path, QTextStream &out, QTextStream &err);
int textToSettingsFile(const QString &textPath, const QString &in4Path, QTextStream &err);
// Reports the file's problems on `out`, one line each; returns how many.
int checkSettingsFile(const QString &path, QTextStream &out);

} // namespace kerubara::datatool
