// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kerubara {
OpenFolderResult ShellOpenFolder(const QString &folder)
{
    if (const auto &handler = ShellSeam::handler())
        return handler(folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return OpenFolderResult::NoFolder;
    // Qt hands a local folder to the desktop's opener (xdg-open); without one
    // it refuses.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return OpenFolderResult::NoFileManager;
    return OpenFolderResult::Opened;
}

} // namespace kerubara
