// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The settings file of a route the gtfs command made: the simulator set up to
// drive it from its folder.

#include "settings/SettingsFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace kerubara::gtfs {

// The settings of a route in `folder` (absolute), the settings file's own
// folder: its fare and broadcast data there, the step sound chosen by column
// 150, the chimes of `chimesFolder` (none when it is empty) for the step
// sounds and before the announcements, and the ticket preview with the
// plug-in `plugin` (none when it is empty). The fare panel and the console
// stand side by side. Paths inside `folder` are stored relative to it, so the
// folder can be moved. Nothing, and why, when a path cannot be stored in a
// settings file.
std::optional<SettingsRecords> routeSettings(const QString &folder, const QString &chimesFolder, const QString &plugin,
                                             const QDate &today, QString *why);

// The chimes a settings file names, in the order flag 1, 2, 3.
const QStringList &chimeFiles();

} // namespace kerubara::gtfs
