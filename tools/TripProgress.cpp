// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TripProgress.h"
#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kerubara::datatool {

TripProgress estimateTripProgress(const TripProgressInput &in)
{
    TripProgress out;
    out.speed = in.wallSeconds > 0 ? in.videoSeconds / in.wallSeconds : 0;
    if (in.finished) {
        out.percent = 100;
        out.secondsLeft = 0;
        return out;
    }
    const double plannedLeft = std::max(in.plannedSeconds - in.plannedDone, 0.0);
    const double sounds = std::max(in.videoSeconds - in.plannedDone, 0.0);
    const int begun = std::clamp(in.stopsBegun, 0, in.stops);
    const double soundsAhead = begun > 0 ? sounds / begun * (in.stops - begun) : 0;
    const double total = in.videoSeconds + plannedLeft + soundsAhead;
    // Short of the end the line never says 100: the last stop's sounds may
    // still be playing.
    out.percent = total > 0 ? std::min(static_cast<int>(in.videoSeconds / total * 100), 99) : 0;
    if (out.speed > 0)
        out.secondsLeft = (total - in.videoSeconds) / out.speed;
    return out;
}

QString videoLengthText(double seconds)
{
    if (seconds < 59.95)
        return QCoreApplication::translate("TripProgress", "%1秒").arg(seconds, 0, 'f', 1);
    const auto whole = static_cast<long long>(std::llround(seconds));
    const long long hours = whole / 3600;
    const long long minutes = whole / 60 % 60;
    return hours > 0
        ? QCoreApplication::translate("TripProgress", "%1時間%2分%3秒").arg(hours).arg(minutes).arg(whole % 60)
        : QCoreApplication::translate("TripProgress", "%1分%2秒").arg(minutes).arg(whole % 60);
}

} // namespace kerubara::datatool
