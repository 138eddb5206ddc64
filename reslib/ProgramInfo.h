// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kerubara {

// The program's file name without its extension: the simulated unit's model
// number, the prefix of the sound channel aliases and the name of the
// settings file.
QString programFileName();

// The folder that holds the program file.
QString programFolder();

// The sample route installed with the program: the folder that `cmake
// --install` and the Debian package put beside the program's bin folder
// (share/kerubara/examples), or an empty string when there is none, as for a
// program run from its build folder.
QString installedExamplesFolder();
QString installedExamplesFolder(const QString &programFolder);

// Gives the process a private runtime folder when the session has none (as
// when run as root from a console or a script), so Qt need not warn about
// it. Call before the application object is created.
void prepareRuntimeFolder();

} // namespace kerubara
