// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kerubara {
bool ShellOpenFolder(const QString &folder)
{
    if (const auto &handler = ShellSeam::handler())
        return handler(folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace kerubara
