// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLock.h"

#include "reslib/MsgBox.h"

#include <QDir>
#include <QFileInfo>

namespace kerubara {
namespace {

// Who holds the lock, as far as the lock file tells.
QString holder(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("ほかのケルバラ");
    return QStringLiteral("ほかのケルバラ（プロセス ") + QString::number(pid) + QStringLiteral("、コンピューター ")
        + host + QStringLiteral("）");
}

bool startWithoutSaving(const QString &file, const QLockFile &lock)
{
    const QString prompt = QStringLiteral("設定ファイル「") + QDir::toNativeSeparators(file) + QStringLiteral("」は、")
        + holder(lock)
        + QStringLiteral("が使っています。\n\n"
                         "このまま起動すると、もう一方の設定を上書きしないように、終了するときに設定を保存しません。\n"
                         "設定を保存しないで起動しますか？（「いいえ」で起動をやめます）");
    return MsgBox(prompt, vbYesNo | vbExclamation, QStringLiteral("ケルバラ")) == vbYes;
}

} // namespace

bool SettingsLock::claim(SettingsFilePaths &paths)
{
    if (paths.write.isEmpty())
        return true;
    // A first start has no folder yet where its settings will go.
    QDir().mkpath(QFileInfo(paths.write).absolutePath());
    lock_ = std::make_unique<QLockFile>(paths.write + QStringLiteral(".lock"));
    // A lock is never stale by age, as a program may run for days; one whose
    // program has ended is (QLockFile asks the system for the process).
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    if (lock_->error() != QLockFile::LockFailedError)
        return true;
    if (!startWithoutSaving(paths.write, *lock_))
        return false;
    paths.saves = false;
    return true;
}

} // namespace kerubara
