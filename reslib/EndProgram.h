// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/Seam.h"

namespace kerubara {

// Ends the program: the event loop returns once the handler that asked has
// finished. Tests see the call instead.
void EndProgram();

using EndProgramSeam = Seam<void(), struct EndProgramTag>;
using ScopedEndProgramHandler = EndProgramSeam::Scoped;

} // namespace kerubara
