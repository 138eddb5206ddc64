// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ApiSleep.h"

#include <QThread>

namespace kerubara {
void ApiSleep(int ms)
{
    if (const auto &handler = SleepSeam::handler()) {
        handler(ms);
        return;
    }
    if (ms <= 0)
        QThread::yieldCurrentThread();
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace kerubara
