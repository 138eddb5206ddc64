// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "reslib/Seam.h"

namespace kerubara {

// Asks the desktop to open a folder in its file manager ("Open" on a folder).
// Returns false when that failed; callers ignore failures silently.
bool ShellOpenFolder(const QString &folder);

// While alive, ShellOpenFolder calls the handler instead of the desktop.
using ShellSeam = Seam<bool(const QString &), struct ShellTag>;
using ScopedShellHandler = ShellSeam::Scoped;

} // namespace kerubara
