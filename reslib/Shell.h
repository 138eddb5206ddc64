// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "reslib/Seam.h"

namespace kerubara {

// What became of asking the desktop to open a folder.
enum class OpenFolderResult {
    Opened,
    NoFolder,      // the text is empty or names no folder
    NoFileManager, // the desktop has nothing that opens folders
};

// Asks the desktop to open a folder in its file manager ("Open" on a folder).
OpenFolderResult ShellOpenFolder(const QString &folder);

// While alive, ShellOpenFolder calls the handler instead of the desktop.
using ShellSeam = Seam<OpenFolderResult(const QString &), struct ShellTag>;
using ScopedShellHandler = ShellSeam::Scoped;

} // namespace kerubara
