// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsLocation.h"

#include <QLockFile>

#include <functional>
#include <memory>

namespace kerubara {

// Who holds the lock of a settings file, as far as its lock file tells.
struct LockHolder
{
    QString file;          // the settings file
    bool known = false;    // the lock file names its program
    qint64 pid = 0;
    QString host{};
};

// One program at a time saves to a settings file. The program holds the lock
// file "<settings file>.lock" while it runs; a second program started on the
// same file tells the user, who may start it without saving, so that neither
// overwrites the other's settings unseen.
class SettingsLock
{
public:
    SettingsLock() = default;
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    // Takes the lock of `paths.write`. When a running program holds it,
    // `startWithoutSaving` asks the user whether to start without saving
    // (then `paths.saves` becomes false) or not at all (then false comes
    // back). A lock left by a
    // program that has ended is taken over; where no lock can be made (a
    // folder that cannot be written) the run goes on without one, as its
    // save will fail and say so anyway.
    bool claim(SettingsFilePaths &paths, const std::function<bool(const LockHolder &)> &startWithoutSaving);

    bool held() const { return lock_ && lock_->isLocked(); }

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kerubara
