// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace kerubara {

class OperationEngine;

// The order of a trip the unit runs by itself, as a driver would run it: at
// each stop the tape's announcements that do not step, one after another,
// each once the sounds before it have ended; then the bus dwells, travels
// and steps on, by the tape's next entry that steps or else データ送り,
// until the last stop. The console's 自動運行 runs it on the real clock; the
// data tool's video runs the same two moves on the video's clock.
namespace autorun {

// Presses 次 for the stop's next announcement, when the tape has one that
// does not step; false when the stop has none left.
bool announceNext(OperationEngine &unit);

// Steps to the next stop: by the tape's next entry when it steps, else by
// データ送り. False when the bus did not move (the last stop).
bool stepOn(OperationEngine &unit);

} // namespace autorun

// 自動運行 on the real clock: from the stop shown, the trip's order with the
// given dwell and travel times, until the last stop or stop(). It waits for
// the unit to be free and every sound to end before each move.
class AutoRun : public QObject
{
    Q_OBJECT

public:
    // How often it looks whether the sounds have ended.
    static constexpr int kPollMs = 50;

    explicit AutoRun(OperationEngine &unit, QObject *parent = nullptr);

    void start(int dwellMs, int travelMs);
    void stop();
    bool isRunning() const { return running_; }

signals:
    void runningChanged(bool running);

private:
    enum class Phase { Announce, Dwell, Travel };
    void next();
    void after(int ms);

    OperationEngine &unit_;
    QTimer timer_{this};
    Phase phase_ = Phase::Announce;
    int dwellMs_ = 0;
    int travelMs_ = 0;
    bool running_ = false;
};

} // namespace kerubara
