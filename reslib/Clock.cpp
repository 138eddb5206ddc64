// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/Clock.h"

#include <QElapsedTimer>

namespace kerubara {

qint64 steadyMilliseconds()
{
    if (const auto &handler = ClockSeam::handler())
        return handler();
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

QDateTime wallClock()
{
    if (const auto &handler = WallClockSeam::handler())
        return handler();
    return QDateTime::currentDateTime();
}

} // namespace kerubara
