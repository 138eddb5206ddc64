// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/FileExists.h"

#include <QFileInfo>

namespace kerubara {

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace kerubara
