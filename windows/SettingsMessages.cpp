// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SettingsMessages.h"

#include "reslib/MsgBox.h"

#include <QCoreApplication>
#include <QDir>

namespace kerubara {
namespace {

// The context the words below are translated in (lupdate reads it too).
class Words
{
    Q_DECLARE_TR_FUNCTIONS(SettingsMessages)
};

} // namespace

bool askToStartWithoutSaving(const LockHolder &holder)
{
    const QString who = holder.known ? Words::tr("ほかのケルバラ（プロセス %1、コンピューター %2）")
                                           .arg(QString::number(holder.pid), holder.host)
                                     : Words::tr("ほかのケルバラ");
    const QString prompt = Words::tr("設定ファイル「%1」は、%2が使っています。\n\n"
                              "このまま起動すると、もう一方の設定を上書きしないように、終了するときに設定を保存しません。\n"
                              "設定を保存しないで起動しますか？（「いいえ」で起動をやめます）")
                               .arg(QDir::toNativeSeparators(holder.file), who);
    return MsgBox(prompt, vbYesNo | vbExclamation, Words::tr("ケルバラ")) == vbYes;
}

} // namespace kerubara
