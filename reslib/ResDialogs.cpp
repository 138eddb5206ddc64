// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ResDialogs.h"

#include "reslib/QtResDialogs.h"

namespace kerubara {

ResDialogs &resDialogs()
{
    if (const auto &handler = ResDialogsSeam::handler())
        return handler();
    static QtResDialogs real;
    return real;
}

} // namespace kerubara

std::int32_t Call_dlg100(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode, std::int16_t &shift,
                         std::int16_t &fillZero)
{
    return kerubara::resDialogs().dlg100(owner, keta, zeroMode, shift, fillZero);
}

void Call_dlg110(QWidget *owner, std::int32_t kind, const QString &text)
{
    kerubara::resDialogs().dlg110(owner, kind, text);
}

std::int32_t Call_dlg111(QWidget *owner, kerubara::SystemTime &date)
{
    return kerubara::resDialogs().dlg111(owner, date);
}

QString Zr7FileDlg(QWidget *owner, std::int32_t flags, const QList<kerubara::FileFilter> &filter,
                   const QString &initialName, const QString &title)
{
    return kerubara::resDialogs().fileDlg(owner, flags, filter, initialName, title);
}

QString Zr7FolderDlg(QWidget *owner, const QString &title)
{
    return kerubara::resDialogs().folderDlg(owner, title);
}

std::int32_t Zr7ChooseColor(QWidget *owner, kerubara::OleColor &color, kerubara::CustomColors &custom)
{
    return kerubara::resDialogs().chooseColor(owner, color, custom);
}
