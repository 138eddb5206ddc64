// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/OsInfo.h"

#include <QSysInfo>

QString GetOsInfo()
{
    if (const auto &handler = kerubara::OsInfoSeam::handler())
        return handler();
    return QSysInfo::prettyProductName();
}
