// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kerubara {

// True when the path names a file (not a folder) that exists, as a directory
// search for the path finds it.
bool FileExists(const QString &path);

} // namespace kerubara
