// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ResDialogs.h"

namespace kerubara {
namespace {

// Without windows every dialog is cancelled.
class NoDialogs final : public ResDialogs
{
public:
    std::int32_t dlg100(QWidget *, std::int16_t, std::int16_t &, std::int16_t &, std::int16_t &) override { return 0; }
    void dlg110(QWidget *, std::int32_t, const QString &) override {}
    std::int32_t dlg111(QWidget *, SystemTime &) override { return 0; }
    QString fileDlg(QWidget *, std::int32_t, const QList<FileFilter> &, const QString &, const QString &) override
    {
        return {};
    }
    QString folderDlg(QWidget *, const QString &) override { return {}; }
    std::int32_t chooseColor(QWidget *, OleColor &, CustomColors &) override { return 0; }
};

} // namespace

ResDialogs &resDialogs()
{
    // A test's dialogs, else the program's (dialogs/QtResDialogs, installed
    // at start-up).
    if (const auto &dialogs = ResDialogsSeam::call())
        return dialogs();
    static NoDialogs none;
    return none;
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
