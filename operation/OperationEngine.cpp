// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/OperationEngine.h"

#include "formats/FareFile.h"
#include "reslib/ApiSleep.h"
#include "reslib/Clock.h"
#include "reslib/VbError.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "sound/mdlM_Tape.h"

#include <QDate>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kerubara {
namespace {

// The numeric value of a digit text ("" and non-digits count as 0).
int digitValue(const QString &digits)
{
    return routeNumberText(digits).toInt();
}

// A date as the ticket prints it: mm-dd-yyyy.
QString ticketDate(const QDate &date)
{
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

// Marks the unit busy for as long as it lives.
class BusyScope
{
public:
    explicit BusyScope(bool &flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &flag_;
};

} // namespace

OperationEngine::OperationEngine(SoundSystem &sound, const OperationSettings &settings, SpeechFactory speech,
                                 QObject *parent)
    : QObject(parent), sound_(sound), settings_(settings),
      tape_(std::make_unique<mdlM_Tape>(sound, *this, std::move(speech))), pageTimer_(new QTimer(this))
{
    pageTimer_->setSingleShot(true);
    connect(pageTimer_, &QTimer::timeout, this, &OperationEngine::updateTicketPages);
}

OperationEngine::~OperationEngine()
{
    // The tape speaks through the sound system and reports to this host.
    tape_.reset();
    sound_.setWaitHook(nullptr);
}

void OperationEngine::setMessagePump(std::function<void()> pump)
{
    pump_ = std::move(pump);
    // A synchronous chime keeps the windows alive as well: they repaint and
    // move, and presses arrive (to be queued, or ■ to end the chime).
    sound_.setWaitHook(pump_);
}

void OperationEngine::pumpMessages()
{
    if (pump_)
        pump_();
}

// ---- Busy operations ---------------------------------------------------------

void OperationEngine::runBusy(const std::function<void()> &operation)
{
    try {
        {
            const BusyScope busy(busy_);
            operation();
        }
        // What arrived meanwhile, in order; more may arrive while it runs.
        while (!queued_.empty()) {
            const Press next = queued_.front();
            queued_.pop_front();
            const BusyScope busy(busy_);
            perform(next);
        }
    } catch (...) {
        // After an error, presses made before it are not carried out.
        queued_.clear();
        throw;
    }
    emit becameFree();
}

void OperationEngine::setRoute(const QString &routeDigits, const QString &sectionDigits)
{
    // A second route setting during the lamp test (or any other busy moment)
    // would replace the table the first one is still showing.
    setRouteFile(fareFilePath(settings_.fareDataFolder(), routeDigits), routeDigits, sectionDigits);
}

void OperationEngine::setRouteFile(const QString &farePath, const QString &routeDigits, const QString &sectionDigits)
{
    if (busy_)
        return;
    runBusy([&] { loadRoute(farePath, routeDigits, sectionDigits); });
}

void OperationEngine::press(Press press)
{
    if (busy_) {
        if (queued_.size() < kMaxQueued)
            queued_.push_back(press);
        return;
    }
    runBusy([this, press] { perform(press); });
}

void OperationEngine::stopWaiting()
{
    queued_.clear();
    sound_.endWait();
}

void OperationEngine::stop()
{
    stopWaiting();
    tape_->TapeStop();
}

bool OperationEngine::setDisplayCleared(bool clear)
{
    if (busy_)
        return false;
    runBusy([this, clear] { clearDisplay(clear); });
    return true;
}

void OperationEngine::perform(Press press)
{
    switch (press) {
    case Press::Back:
        step(0);
        break;
    case Press::Forward:
        step(1);
        break;
    // An announcement may step the bus: the tape and its stop move together.
    case Press::TapeNext:
        tape_->TapeNext();
        if (tape_->GetTapeStepFlag(tape_->GetTapePos()) == 1)
            step(1);
        break;
    case Press::TapeBack:
        tape_->TapeBack();
        if (tape_->GetTapeStepFlag(tape_->GetTapePos()) == 1)
            step(0);
        break;
    }
}

// ---- Route setting -------------------------------------------------------------

void OperationEngine::loadRoute(const QString &farePath, const QString &route, const QString &sectionDigits)
{
    const BusyScope settingRoute(settingRoute_);
    clearStopRequest();
    sound_.PlaySnd(settings_.routeSettingSound(), QStringLiteral("S1"), 0, 0);

    const int section = std::clamp(digitValue(sectionDigits), 0, 300);
    const QString routeNumber = routeNumberText(route);

    try {
        // The announcements of the route come first, also when its fare
        // data turn out to be missing.
        tape_->LoadTape(withTrailingSeparator(settings_.broadcastDataFolder()), routeNumber);
        if (!tape_->readingProblems().empty())
            emit readingProblemsFound(tape_->readingProblems());

        // A refused route leaves route, section, position and table as they
        // were, so the previous route can still be stepped.
        const FareLoadResult result =
            state.LoadFareFile(farePath, static_cast<std::int16_t>(section == 0 ? 1 : section));
        if (result == FareLoadResult::ZeroCount) {
            emit routeRefused({RouteRefusal::Kind::NoStops, farePath});
            return;
        }
        if (result == FareLoadResult::SectionBeyondData) {
            emit routeRefused({RouteRefusal::Kind::SectionBeyondData, farePath});
            return;
        }
        state.strRouteNo = route;

        // The busy text, without the prefix; then every segment lit for the
        // lamp test.
        sendName(QStringLiteral("系統選別中"), 0, -1);
        stopPageTurns();
        toFirstTicketPage();
        emit lampTestStarted();
        pumpMessages();
        ApiSleep(kLampTestMs);
        // The new route has issued no ticket of the later pages yet.
        laterFares_.fill(0);
        emit lampTestEnded();

        if (!std::exchange(routeSet_, true))
            emit routeSetChanged(true);

        if (settings_.ticketDateMode() == OperationSettings::TicketDateMode::Fixed)
            strSetDate = settings_.fixedTicketDate();
        else
            strSetDate = ticketDate(wallClock().date());

        DispData(static_cast<std::int16_t>(state.nStopPos + 1));
    } catch (const FareLoadError &e) {
        emit routeRefused({RouteRefusal::Kind::FareFileUnreadable, farePath, e.number(), e});
    } catch (const VbError &e) {
        if (e.number() == VbError::FileNotFound)
            emit routeRefused({RouteRefusal::Kind::FareFileMissing, farePath});
        else
            emit routeRefused({RouteRefusal::Kind::FareFileUnreadable, farePath, e.number()});
    }
}

// ---- Stepping and redraw --------------------------------------------------------

void OperationEngine::step(int index)
{
    if (index == 0) {
        if (state.nStopPos == 0)
            return;
        --state.nStopPos;
    } else {
        if (state.nStopPos + 1 == state.nStopCount || state.nStopPos + 1 >= kFareRows)
            return;
        ++state.nStopPos;
    }
    // The bus has reached the stop asked for (or moved away from it).
    clearStopRequest();

    QString sound;
    if (settings_.stepSoundAlways()) {
        sound = settings_.stepSoundFile();
    } else if (const int column = settings_.stepSoundFlagColumn(); column != 0) {
        // The flag column chosen in the options; no column chosen, no sound.
        sound = settings_.stepSoundFile(state.FareData(state.nStopPos + 1).Col(column));
    }
    sound_.PlaySnd(sound, QStringLiteral("S2"), settings_.stepSoundWait(), 0);

    DispData(static_cast<std::int16_t>(state.nStopPos + 1));
}

void OperationEngine::DispData(std::int16_t nIndex)
{
    // A copy: pending messages run in step 5, and nothing may point into the
    // table while they do.
    const FareRecord row = state.FareData(nIndex);
    const QString routeNo = state.strRouteNo;

    // 1. Fares of ticket numbers nSection..12 (..48 with pages); the
    //    late-night fare doubles them (never -1), in full, also beyond the
    //    16-bit range.
    for (int k = std::max<int>(state.nSection, 1); k <= ticketCount(); ++k) {
        int v = row.Col(k);
        if (lateNight_ && v != -1)
            v *= 2;
        sendFare(k, v);
    }

    // 2. Information digits, in this order, over the fares.
    using Info = OperationSettings::InfoDigit;
    // The information digits lie in the first twelve cells: they show on
    // the first page.
    toFirstTicketPage();
    if (const auto t = settings_.infoDigit(Info::StopOrder))
        emit infoShown(*t, settings_.stopOrderFromZero() ? nIndex - 1 : int(nIndex));
    if (const auto t = settings_.infoDigit(Info::TicketNumber))
        emit infoShown(*t, int(row.SeirikenNo));
    if (const auto t = settings_.infoDigit(Info::RouteNumber))
        emit infoTextShown(*t, routeNo);
    if (const auto t = settings_.infoDigit(Info::DataColumn)) {
        // No column chosen: nothing to show.
        if (const int column = settings_.infoDataColumn(); column != 0)
            emit infoShown(*t, int(row.Col(column)));
    }

    // 3. The date printed on the ticket; 4. the ticket.
    QString date;
    switch (settings_.ticketDateMode()) {
    case OperationSettings::TicketDateMode::EachTicket:
        date = ticketDate(wallClock().date());
        break;
    case OperationSettings::TicketDateMode::AtRouteSetting:
        date = strSetDate;
        break;
    case OperationSettings::TicketDateMode::Fixed:
        date = settings_.fixedTicketDate();
        break;
    }
    ticket_ = TicketInfo{row.Chimei, date, wallClock().time().toString(QStringLiteral("HH:mm:ss")),
                         digitValue(routeNo), row.SeirikenNo, nIndex};
    emit ticketShown(ticket_);

    // 5.
    pumpMessages();

    // 6. The stop name.
    showStopName(nIndex, row.Chimei);
}

void OperationEngine::showStopName(std::int16_t nIndex, const QString &name)
{
    // The first stop of the data never has the 次は prefix.
    const std::int16_t mode = settings_.tsugiwaMode();
    if (nIndex < 2) {
        nTsugiwaMode = mode;
        sendName(name, 0, mode);
    } else {
        sendName(name, mode, mode);
    }
}

void OperationEngine::redraw()
{
    if (busy_ || !routeSet_ || displayCleared_)
        return;
    runBusy([this] { DispData(static_cast<std::int16_t>(state.nStopPos + 1)); });
}

void OperationEngine::redrawStopName()
{
    sendNameBlanked();
    const auto nIndex = static_cast<std::int16_t>(state.nStopPos + 1);
    showStopName(nIndex, state.FareData(nIndex).Chimei);
}

void OperationEngine::requestStop()
{
    if (!routeSet_ || settingRoute_ || stopRequested_)
        return;
    stopRequested_ = true;
    sound_.PlaySnd(settings_.stopRequestSound(), QStringLiteral("S3"), 0, 0);
    emit stopRequestChanged(true);
}

void OperationEngine::clearStopRequest()
{
    if (!stopRequested_)
        return;
    stopRequested_ = false;
    emit stopRequestChanged(false);
}

void OperationEngine::clearDisplay(bool clear)
{
    displayCleared_ = clear;
    if (clear) {
        stopPageTurns();
        toFirstTicketPage();
        nameOnShow_ = false;
    }
    emit displayClearedChanged(clear);
    if (!clear)
        DispData(static_cast<std::int16_t>(state.nStopPos + 1));
}

// ---- Pages of ticket numbers ---------------------------------------------------

void OperationEngine::sendName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter)
{
    nameOnShow_ = true;
    emit nameShown(name, drawnMode, modeAfter);
    // Each stop shown starts at the first page.
    toFirstTicketPage();
    if (ticketPages_ > 1)
        startPageTurns();
}

void OperationEngine::sendNameBlanked()
{
    stopPageTurns();
    nameOnShow_ = false;
    emit nameBlanked();
}

void OperationEngine::sendFare(int cell, int value)
{
    // The first twelve cells change on the first page.
    if (cell <= 12)
        toFirstTicketPage();
    else
        laterFares_[static_cast<std::size_t>(cell)] = value;
    emit fareShown(cell, value);
}

void OperationEngine::setTicketPages(int pages)
{
    const int n = std::clamp(pages, 1, kMaxTicketPages);
    if (n == ticketPages_)
        return;
    ticketPages_ = n;
    if (page_ >= n)
        toFirstTicketPage();
    if (n == 1)
        stopPageTurns();
    else if (nameOnShow_ && !pagesTurning_)
        startPageTurns();
}

void OperationEngine::setPageSeconds(int seconds)
{
    const int s = std::clamp(seconds, 1, kMaxPageSeconds);
    if (s == pageSeconds_)
        return;
    pageSeconds_ = s;
    if (pagesTurning_)
        startPageTurns();
}

void OperationEngine::showTicketPage(int page)
{
    const int p = std::clamp(page, 0, ticketPages_ - 1);
    if (p == page_)
        return;
    page_ = p;
    emit ticketPageShown(p);
}

void OperationEngine::holdTicketPage()
{
    stopPageTurns();
}

void OperationEngine::toFirstTicketPage()
{
    showTicketPage(0);
}

void OperationEngine::startPageTurns()
{
    pagesTurning_ = true;
    pageTurnedAt_ = steadyMilliseconds();
    pageTimer_->start(pageSeconds_ * 1000);
}

void OperationEngine::stopPageTurns()
{
    pagesTurning_ = false;
    pageTimer_->stop();
}

void OperationEngine::updateTicketPages()
{
    if (!pagesTurning_)
        return;
    const qint64 now = steadyMilliseconds();
    const qint64 period = pageSeconds_ * 1000;
    while (now - pageTurnedAt_ >= period) {
        pageTurnedAt_ += period;
        nextTicketPage();
    }
    pageTimer_->start(static_cast<int>(period - (now - pageTurnedAt_)));
}

void OperationEngine::nextTicketPage()
{
    // The next page with a ticket issued; the first page always has its turn.
    for (int i = 1; i <= ticketPages_; ++i) {
        const int candidate = (page_ + i) % ticketPages_;
        const auto first = laterFares_.begin() + 12 * candidate + 1;
        if (candidate == 0 || std::any_of(first, first + 12, [](int fare) { return fare != 0; })) {
            showTicketPage(candidate);
            return;
        }
    }
}

// ---- TapeHost -------------------------------------------------------------------

QString OperationEngine::selectSound(int index) const
{
    return settings_.tapeSoundFile(index);
}

bool OperationEngine::alwaysPreBroadcastSound() const
{
    return settings_.preBroadcastSoundAlways();
}

bool OperationEngine::preBroadcastSoundSync() const
{
    return settings_.preBroadcastSoundWaits();
}

void OperationEngine::setTapeFrameCaption(const QString &caption)
{
    emit tapeFrameCaptionChanged(caption);
}

void OperationEngine::setTapeFrameEnabled(bool enabled)
{
    emit tapeFrameEnabledChanged(enabled);
}

void OperationEngine::setTapeButtonsEnabled(bool enabled)
{
    emit tapeButtonsEnabledChanged(enabled);
}

} // namespace kerubara
