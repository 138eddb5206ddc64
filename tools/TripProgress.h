// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace kerubara::datatool {

// Where a render of a trip stands, for its progress line. The plan fixes
// part of the video's length from the start: the lamp test, each stop's
// dwell and the travel between stops. The rest, the chimes and the
// announcements, is known only as it plays, so the stops still to come are
// reckoned at the average of the stops begun so far.
struct TripProgressInput
{
    double plannedSeconds = 0; // the fixed part of the whole plan
    double plannedDone = 0;    // of which the video has passed
    double videoSeconds = 0;   // made so far
    double wallSeconds = 0;    // spent so far
    int stops = 1;             // in the plan
    int stopsBegun = 0;        // whose step the video has reached
    bool finished = false;
};

struct TripProgress
{
    int percent = 0;                   // 100 only once finished
    double speed = 0;                  // video seconds made per wall second
    std::optional<double> secondsLeft; // nothing before there is a speed
};

TripProgress estimateTripProgress(const TripProgressInput &in);

// A video's length as people say it: 7.1秒, 1分5秒, 1時間2分3秒.
QString videoLengthText(double seconds);

} // namespace kerubara::datatool
