// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/ResDialogs.h"

namespace kerubara {

// The dialogs the program shows: Qt's file, folder and colour dialogs and
// small dialogs of our own for the digit format, the version text and the date.
class QtResDialogs : public ResDialogs
{
public:
    std::int32_t dlg100(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode, std::int16_t &shift,
                        std::int16_t &fillZero) override;
    void dlg110(QWidget *owner, std::int32_t kind, const QString &text) override;
    std::int32_t dlg111(QWidget *owner, SystemTime &date) override;
    QString fileDlg(QWidget *owner, std::int32_t flags, const QList<FileFilter> &filter,
                    const QString &initialName, const QString &title) override;
    QString folderDlg(QWidget *owner, const QString &title) override;
    std::int32_t chooseColor(QWidget *owner, OleColor &color, CustomColors &custom) override;
};

} // namespace kerubara
