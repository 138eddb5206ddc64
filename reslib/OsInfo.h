// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"

#include <QString>

namespace kerubara {

// The operating system's product name, as QSysInfo reports it.
QString GetOsInfo();

// True on the one system where no speech synthesis is offered ("Windows
// Vista"); never on this platform's own systems. The announcement tape asks
// this before it makes a speech engine or reads a tape.
bool speechSynthesisUnavailable();

using OsInfoSeam = Seam<QString(), struct OsInfoTag>;

// Replaces the answer of GetOsInfo() while the object lives, so tests can
// pretend to run on another system.
class ScopedOsInfo : public OsInfoSeam::Scoped
{
public:
    explicit ScopedOsInfo(QString name) : OsInfoSeam::Scoped([name = std::move(name)] { return name; }) {}
};

} // namespace kerubara
