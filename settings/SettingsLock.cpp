// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLock.h"

#include <QDir>
#include <QFileInfo>

namespace kerubara {
namespace {

LockHolder holder(const QString &file, const QLockFile &lock)
{
    LockHolder who{file};
    QString application;
    who.known = lock.getLockInfo(&who.pid, &who.host, &application);
    return who;
}

} // namespace

bool SettingsLock::claim(SettingsFilePaths &paths, const std::function<bool(const LockHolder &)> &startWithoutSaving)
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
    if (!startWithoutSaving(holder(paths.write, *lock_)))
        return false;
    paths.saves = false;
    return true;
}

} // namespace kerubara
