// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/OperationEngine.h"

namespace kerubara {

// Tells the driver why the unit refused a route, in a message box worded
// here (translatable), the file looked for in its details.
void showRouteRefusal(const RouteRefusal &refusal);

// Writes the reading dictionary lines left out to standard error, one a
// line, for whoever watches the program's output.
void reportReadingProblems(const std::vector<ReadingProblem> &problems);

// A one-paragraph message naming the missing font families and the Debian
// packages that provide them, for a warning line or a message box. Empty
// when nothing is missing.
QString missingFontsMessage(const QStringList &missingFamilies);
// At the program's start: installs the font substitutions and, when IPA
// faces are missing, says so in a message box (titled フォントがありません).
// The program then runs on with whatever faces there are. Returns the
// missing families.
QStringList warnOfMissingFonts();

// The standard description of a run-time error number, translated.
QString vbErrorDescription(int number);
// What a run-time error says: its own description, or its number's standard
// one translated.
QString vbErrorText(const VbError &error);

// Why fare data did not load.
QString fareLoadErrorText(const FareLoadError &error);

} // namespace kerubara
