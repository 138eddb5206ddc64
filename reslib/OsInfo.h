// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"

#include <QString>

// The operating system's name as the resource library reports it. Callers
// only compare it with "Windows Vista", where speech synthesis is unavailable;
// here it is the platform's own product name.
QString GetOsInfo();

namespace kerubara {

using OsInfoSeam = Seam<QString(), struct OsInfoTag>;

// Replaces the answer of GetOsInfo() while the object lives, so tests can
// pretend to run on another system.
class ScopedOsInfo : public OsInfoSeam::Scoped
{
public:
    explicit ScopedOsInfo(QString name) : OsInfoSeam::Scoped([name = std::move(name)] { return name; }) {}
};

} // namespace kerubara
