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

// The standard description of a run-time error number, translated.
QString vbErrorDescription(int number);
// What a run-time error says: its own description, or its number's standard
// one translated.
QString vbErrorText(const VbError &error);

// Why fare data did not load.
QString fareLoadErrorText(const FareLoadError &error);

} // namespace kerubara
