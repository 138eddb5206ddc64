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
    QString details = QStringLiteral("ファイル: ") + path + u'\n';
    if (error.line > 0)
        details += QString::number(error.line) + QStringLiteral("行目: ");
    return details + formatmessages::ticketPluginErrorText(error);
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
    List1->addItems(plgInfoListLines(info));
    // The plug-in's size goes to the preview picture, scaled down when the
    // pane cannot hold it.
    emit ticketPreviewSizeChanged(QSize(info.field[PlgWidth], info.field[PlgHeight]));
    if (info.field[PlgCompanySwitch] >= 1)
        emit companiesListed(path);
    return 1;
}

void frmOption::Command1_Click()
{
    static const QList<FileFilter> kPluginFilter{{QStringLiteral("整理券プラグイン(*.4SP)"), QStringLiteral("*.4SP")}};
    const QString path = Zr7FileDlg(this, 0, kPluginFilter, QString(), QStringLiteral("プラグインの選択"));
    if (path.isEmpty() || !acceptStorableText(path, kPluginSetting))
        return;
    // The company list starts afresh, so choosing a plug-in twice lists its
    // companies once.
    emit companiesCleared();
    if (SetPlgin(path) != 0) {
        txtSeiriPlgDir->setText(path);
        return;
    }
    MsgBox(QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"), vbCritical,
           QStringLiteral("プラグインロードエラー"), refusalDetails(path));
}

void frmOption::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

} // namespace kerubara
