// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/OsInfo.h"

#include <QSysInfo>

namespace kerubara {

QString GetOsInfo()
{
    if (const auto &handler = OsInfoSeam::handler())
        return handler();
    return QSysInfo::prettyProductName();
}

bool speechSynthesisUnavailable()
{
    return GetOsInfo() == u"Windows Vista";
}

} // namespace kerubara
