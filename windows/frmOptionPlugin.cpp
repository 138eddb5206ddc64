// SPDX-License-Identifier: GPL-3.0-or-later
// Page 5 of the options window: the ticket plug-in.
#include "windows/frmOption.h"

#include "dialogs/TicketPluginLists.h"
#include "reslib/MsgBox.h"
#include "reslib/ResDialogs.h"
#include "reslib/TicketPlugin.h"
#include "settings/SettingsFile.h"
#include "windows/FormatMessages.h"
#include "windows/StorableText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace kerubara {
namespace {

// Why the plug-in at `path` was refused: the file, the line when there is
// one, and the reason.
QString refusalDetails(const QString &path)
{
    const TicketPluginError error = readTicketPlugin(path).error;
    if (error.line > 0)
        return QCoreApplication::translate("kerubara::frmOption", "ファイル: %1\n%2行目: %3")
            .arg(path, QString::number(error.line), formatmessages::ticketPluginErrorText(error));
    return QCoreApplication::translate("kerubara::frmOption", "ファイル: %1\n%2").arg(path, formatmessages::ticketPluginErrorText(error));
}

} // namespace

std::int32_t frmOption::SetPlgin(const QString &path)
{
    if (path.isEmpty())
        return 0;
    PlgInfoRecord info{};
    if (ZR8_GetPlgInfo(path, info) == 0)
        return 0;
    ZR8_SetPlgComment(path, txtPlginComment);
    List1->clear();
    List1->addItems(formatmessages::ticketPluginLines(info));
    return 1;
}

void frmOption::Command1_Click()
{
    const QList<FileFilter> pluginFilter{{tr("整理券プラグイン(*.4SP)"), QStringLiteral("*.4SP")}};
    const QString path = Zr7FileDlg(this, 0, pluginFilter, QString(), tr("プラグインの選択"));
    if (path.isEmpty() || !acceptStorableText(path, tr(kPluginSetting)))
        return;
    // The company list starts afresh, so choosing a plug-in twice lists its
    // companies once.
    emit companiesCleared();
    if (SetPlgin(path) != 0) {
        txtSeiriPlgDir->setText(path);
        emit ticketPluginChosen(path);
        return;
    }
    MsgBox(tr("指定したファイルはプラグインでないか、内容が不正です"), vbCritical, tr("プラグインロードエラー"),
           refusalDetails(path));
}

void frmOption::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

} // namespace kerubara
