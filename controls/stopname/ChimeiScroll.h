// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <cstdint>

namespace kerubara {

// The motion of a scrolling stop name, apart from any timer or widget: the
// canvas position, pass by pass, from the time a clock gives.
//
// Passes run at a fixed nominal rate of 64 a second from the moment the
// scroll starts; `advanceTo` runs every pass that is due by then, so the
// speed stays steady however late the caller comes. Each pass moves the
// canvas left by Speed \ 200 (whole pixels, applied before the position is
// shown) plus Speed / 200 (the fraction, applied after). When the canvas has
// left the strip on the left it goes back to the right edge, out of sight,
// and the next pass comes ScrollStartWait milliseconds later.
class ChimeiScroll
{
public:
    static constexpr int kPassesPerSecond = 64;
    static constexpr qint64 kPassMicroseconds = 1'000'000 / kPassesPerSecond; // 15625

    // Starts from the right edge of a strip `stripWidth` pixels wide, with
    // the first pass due at `nowMs`.
    void start(qint64 nowMs, int stripWidth, int canvasWidth);
    void stop();

    // Runs the passes due by `nowMs` with the current speed and pause; both
    // are read again on every call, a pause that is under way included.
    void advanceTo(qint64 nowMs, std::int16_t speed, std::int32_t startWaitMs);

    // When the next pass is due, in milliseconds (rounded up), given the
    // current pause; meaningless when not running.
    qint64 nextPassMs(std::int32_t startWaitMs) const;

    // When the next pass is due that moves the canvas by a whole pixel,
    // sends it back to the right edge or ends a pause, with the speed and
    // pause unchanged until then; at most kLookaheadPasses passes ahead.
    // Passes in between change nothing that is shown, so a caller can sleep
    // through them and run them all then.
    qint64 nextChangeMs(std::int16_t speed, std::int32_t startWaitMs) const;
    // How long a timer armed at `nowMs` sleeps until then, in the whole
    // milliseconds a timer takes: 0 when that pass is already due.
    int msUntilNextChange(qint64 nowMs, std::int16_t speed, std::int32_t startWaitMs) const;
    static constexpr int kLookaheadPasses = 4 * kPassesPerSecond;

    bool running() const { return running_; }
    bool pausing() const { return pausing_; }
    double position() const { return x_; }
    int left() const { return left_; }
    qint64 passes() const { return passes_; }
    // How often the name has left the strip on the left since the start.
    qint64 crossings() const { return crossings_; }

private:
    void runPass(std::int16_t speed);

    bool running_ = false;
    bool pausing_ = false;
    int stripWidth_ = 0;
    int canvasWidth_ = 0;
    double x_ = 0.0;
    int left_ = 0;
    qint64 passes_ = 0;
    qint64 crossings_ = 0;
    qint64 phaseStartUs_ = 0;  // when the first pass of this run across the strip is due
    qint64 phasePasses_ = 0;   // passes run since then
    qint64 pauseStartUs_ = 0;  // when the canvas went back to the right edge
};

} // namespace kerubara
