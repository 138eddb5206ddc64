// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/OperationEngine.h"

namespace kerubara {

// Tells the driver why the unit refused a route, in a message box worded
// here (translatable), the file looked for in its details.
void showRouteRefusal(const RouteRefusal &refusal);

// Why fare data did not load.
QString fareLoadErrorText(const FareLoadError &error);

} // namespace kerubara
