// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/AutoRun.h"

#include "operation/OperationEngine.h"
#include "sound/SoundSystem.h"
#include "sound/mdlM_Tape.h"

#include <algorithm>
#include <utility>

namespace kerubara {
namespace autorun {
namespace {

// The tape's next entry, 0 when it has none.
std::int32_t nextEntry(OperationEngine &unit)
{
    mdlM_Tape &tape = unit.tape();
    return tape.GetTapePos() < tape.GetTapeCount() ? tape.GetTapePos() + 1 : 0;
}

} // namespace

bool announceNext(OperationEngine &unit)
{
    const std::int32_t entry = nextEntry(unit);
    if (entry == 0 || unit.tape().GetTapeStepFlag(entry) == 1)
        return false;
    unit.press(OperationEngine::Press::TapeNext);
    return true;
}

bool stepOn(OperationEngine &unit)
{
    const std::int16_t before = unit.state.nStopPos;
    const std::int32_t entry = nextEntry(unit);
    const bool byTape = entry != 0 && unit.tape().GetTapeStepFlag(entry) == 1;
    unit.press(byTape ? OperationEngine::Press::TapeNext : OperationEngine::Press::Forward);
    return unit.state.nStopPos != before;
}

} // namespace autorun

AutoRun::AutoRun(OperationEngine &unit, QObject *parent) : QObject(parent), unit_(unit)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &AutoRun::next);
}

void AutoRun::start(int dwellMs, int travelMs)
{
    dwellMs_ = std::max(dwellMs, 0);
    travelMs_ = std::max(travelMs, 0);
    phase_ = Phase::Announce;
    if (!std::exchange(running_, true))
        emit runningChanged(true);
    after(0);
}

void AutoRun::stop()
{
    timer_.stop();
    if (std::exchange(running_, false))
        emit runningChanged(false);
}

void AutoRun::after(int ms)
{
    timer_.start(ms);
}

void AutoRun::next()
{
    if (!running_)
        return;
    // Each move waits for the one before it and its sounds.
    if (unit_.isBusy() || !unit_.sound().mixer().isIdle()) {
        after(kPollMs);
        return;
    }
    switch (phase_) {
    case Phase::Announce:
        if (autorun::announceNext(unit_)) {
            after(kPollMs);
            return;
        }
        phase_ = Phase::Dwell;
        after(dwellMs_);
        return;
    case Phase::Dwell:
        phase_ = Phase::Travel;
        if (unit_.state.nStopPos + 1 >= unit_.state.nStopCount) {
            stop();
            return;
        }
        after(travelMs_);
        return;
    case Phase::Travel:
        if (!autorun::stepOn(unit_)) {
            stop();
            return;
        }
        phase_ = Phase::Announce;
        after(kPollMs);
        return;
    }
}

} // namespace kerubara
