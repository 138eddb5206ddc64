// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiScroll.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kerubara {
namespace {

// A pause below 0 (a stored or set property can hold one) is no pause: taken
// as it is, it would move the next pass into the past and make the scroll
// catch up without end.
qint64 pauseUs(std::int32_t startWaitMs)
{
    return qint64{std::max<std::int32_t>(startWaitMs, 0)} * 1000;
}

} // namespace

void ChimeiScroll::start(qint64 nowMs, int stripWidth, int canvasWidth)
{
    running_ = true;
    pausing_ = false;
    stripWidth_ = stripWidth;
    canvasWidth_ = canvasWidth;
    x_ = stripWidth;
    left_ = stripWidth;
    passes_ = 0;
    phaseStartUs_ = nowMs * 1000;
    phasePasses_ = 0;
}

void ChimeiScroll::stop()
{
    running_ = false;
    pausing_ = false;
    x_ = 0.0;
    left_ = 0;
}

void ChimeiScroll::runPass(std::int16_t speed)
{
    x_ -= speed / 200; // whole pixels
    left_ = static_cast<int>(std::floor(x_));
    if (left_ <= -canvasWidth_) {
        // The name has left the strip: wait out of sight at the right edge.
        x_ = stripWidth_;
        left_ = stripWidth_;
        pausing_ = true;
        ++crossings_;
    }
    x_ -= speed / 200.0; // the rest
    ++passes_;
}

void ChimeiScroll::advanceTo(qint64 nowMs, std::int16_t speed, std::int32_t startWaitMs)
{
    const qint64 nowUs = nowMs * 1000;
    while (running_) {
        if (pausing_) {
            const qint64 resumeUs = pauseStartUs_ + pauseUs(startWaitMs);
            if (nowUs < resumeUs)
                return;
            pausing_ = false;
            phaseStartUs_ = resumeUs;
            phasePasses_ = 0;
        }
        if (nowUs < phaseStartUs_)
            return;
        const qint64 due = (nowUs - phaseStartUs_) / kPassMicroseconds + 1;
        while (phasePasses_ < due && !pausing_) {
            runPass(speed);
            ++phasePasses_;
        }
        if (!pausing_)
            return;
        // The pass that sent the canvas back to the right edge starts the pause.
        pauseStartUs_ = phaseStartUs_ + (phasePasses_ - 1) * kPassMicroseconds;
    }
}

qint64 ChimeiScroll::nextPassMs(std::int32_t startWaitMs) const
{
    const qint64 dueUs = pausing_ ? pauseStartUs_ + pauseUs(startWaitMs)
                                  : phaseStartUs_ + phasePasses_ * kPassMicroseconds;
    return (dueUs + 999) / 1000;
}

qint64 ChimeiScroll::nextChangeMs(std::int16_t speed, std::int32_t startWaitMs) const
{
    ChimeiScroll ahead = *this;
    qint64 dueMs = ahead.nextPassMs(startWaitMs);
    for (int pass = 0; pass < kLookaheadPasses && ahead.running_; ++pass) {
        dueMs = ahead.nextPassMs(startWaitMs);
        const int left = ahead.left_;
        const bool pausing = ahead.pausing_;
        ahead.advanceTo(dueMs, speed, startWaitMs);
        if (ahead.left_ != left || ahead.pausing_ != pausing)
            break;
    }
    return dueMs;
}

int ChimeiScroll::msUntilNextChange(qint64 nowMs, std::int16_t speed, std::int32_t startWaitMs) const
{
    const qint64 wait = nextChangeMs(speed, startWaitMs) - nowMs;
    return static_cast<int>(std::clamp<qint64>(wait, 0, std::numeric_limits<int>::max()));
}

} // namespace kerubara
