// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kerubara {

// Where the settings file is read at start-up and written at the confirmed
// exit. The two differ only when the program's folder cannot be written.
struct SettingsFilePaths
{
    QString read;
    QString write;
    // False when another program holds the file (SettingsLock): this run
    // reads it but never writes it.
    bool saves = true;
};

// The settings file of the program `programName` in `programFolder`: that
// folder, the program's name and ".in4". When the folder cannot be written
// (an installed program), the file is "kerubara/kerubara.in4" in the user's
// `configFolder` instead; a file beside the program is read and written
// whenever it exists.
//
// `examplesFolder` is the sample route an installed program comes with (see
// installedExamplesFolder()), empty for a program run from its build. An
// installed program writes to the configuration folder even when its own
// folder can be written (run as root, that is /usr/bin), and its first start,
// before there is any settings file, reads the sample route's demonstration
// settings "demo-settings.in4" from that folder: the sample route's data
// folders, chimes and ticket plug-in are set up from the start.
SettingsFilePaths settingsFilePaths(const QString &programFolder, const QString &programName,
                                    const QString &configFolder, const QString &examplesFolder = {});

// One file for both, as the --settings option names it.
SettingsFilePaths settingsFilePaths(const QString &file);

// The settings file of this program, by the rule above.
SettingsFilePaths programSettingsFilePaths();

// A folder or file as a settings file stores it, as the program uses it: a
// relative path lies in the folder of `settingsFile`, so that a folder holding
// a route and its settings works wherever it is moved. An empty path (the
// folder the program started in) and an absolute one are as written, and so
// is every path when there is no settings file (`settingsFile` empty).
QString pathFromSettings(const QString &stored, const QString &settingsFile);

} // namespace kerubara
