// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/OperatingState.h"
#include "settings/OperationSettings.h"
#include "settings/Preferences.h"
#include "sound/ReadingDictionary.h"
#include "sound/TapeHost.h"

#include <QObject>
#include <QString>

#include <optional>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class QTimer;

namespace kerubara {

class SoundSystem;
class SpeechEngine;
class mdlM_Tape;

// What a ticket drawn at a stop prints, as the unit hands it to the ticket
// preview (the company is the console's choice, not the unit's).
// Why route setting refused a route; the route shown before stays set.
struct RouteRefusal
{
    enum class Kind {
        NoStops,           // the fare data counts no stop
        SectionBeyondData, // the section is not below the stop count
        FareFileMissing,   // no fare data file for the route
        FareFileUnreadable // the file does not read: `error` or `loadError` says why
    };
    Kind kind = Kind::NoStops;
    QString farePath{}; // the file looked for
    int error = 0;    // the error's number, when the file does not read
    std::optional<FareLoadError> loadError{}; // what is wrong with the data
};

struct TicketInfo
{
    QString stopName;
    QString date;      // mm-dd-yyyy, or the fixed date as typed
    QString time;      // hh:mm:ss
    int routeNumber = 0;
    std::int16_t ticketNumber = 0;
    std::int16_t position = 0; // the row shown, 1-based
};

// The fare display unit's behaviour, without a window: the operating state
// and the announcement tape, and the operations the console's buttons name
// (route setting with its lamp test, steps, announcements, display clear,
// late-night). What the panel must show goes out as signals; the console,
// the panel, the data tool and a video export are views and controllers of
// one engine.
//
// Time passes through the sleep seam (the lamp test) and sounds through the
// sound system, so a caller can drive the unit on a virtual clock. Where the
// unit lets pending window messages run (the lamp test, each redraw, a
// synchronous chime) it calls the message pump, which the program sets to
// its event loop and a caller without windows leaves empty.
//
// While an operation runs the unit is busy: a route setting or display clear
// asked for meanwhile is refused, a step or announcement press is queued
// (kMaxQueued at most) and carried out in order once the unit is free; stop()
// empties the queue.
class OperationEngine : public QObject, public TapeHost
{
    Q_OBJECT

public:
    enum class Press { Back, Forward, TapeBack, TapeNext };
    static constexpr std::size_t kMaxQueued = 4;
    static constexpr int kLampTestMs = 3000;

    using SpeechFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // Plays through `sound`, reads `settings` (both outlive the engine); the
    // tape speaks with what `speech` makes at InitVoice().
    OperationEngine(SoundSystem &sound, const OperationSettings &settings, SpeechFactory speech,
                    QObject *parent = nullptr);
    ~OperationEngine() override;
    OperationEngine(const OperationEngine &) = delete;
    OperationEngine &operator=(const OperationEngine &) = delete;

    // The module state: route, section, position, count and fare table.
    OperatingState state;
    mdlM_Tape &tape() { return *tape_; }
    SoundSystem &sound() { return sound_; }

    // Lets pending window messages run; also while a synchronous chime plays.
    void setMessagePump(std::function<void()> pump);

    // ---- Operations --------------------------------------------------------
    // Route setting (リセット) with the entry's route and section digits; does
    // nothing while the unit is busy.
    void setRoute(const QString &routeDigits, const QString &sectionDigits);
    // The same with the fare data of the file at `farePath` (the data tool
    // renders any file).
    void setRouteFile(const QString &farePath, const QString &routeDigits, const QString &sectionDigits);
    // A step or announcement press: carried out now, or queued while busy.
    void press(Press press);
    // ■: the queue emptied, a chime being waited for ended, speech stopped.
    void stop();
    // The queue emptied and a chime being waited for ended (Esc without
    // announcements).
    void stopWaiting();
    // 表示消去 on (true) or off; false when refused because the unit is busy.
    bool setDisplayCleared(bool clear);
    // 降車ボタン: a passenger asks the bus to stop at the next stop. The
    // request chime plays once and the panel shows 「次とまります」 until the
    // next step; a route setting clears it too. Nothing happens before the
    // first route setting, during one, or while the request is lit.
    void requestStop();
    bool stopRequested() const { return stopRequested_; }
    // Ticket numbers beyond twelve (交互表示): with 2 to kMaxTicketPages
    // pages the panel's twelve cells show tickets 1–12, then 13–24, ... in
    // turns, each page for pageSeconds(); a page whose fares are all 0 (no
    // ticket of it issued yet) is skipped, the first page always has its
    // turn, and each stop shown starts again at the first page. The fares of
    // tickets 13.. come from the same columns 13... and are sent from the
    // next redraw; 1 page sends none and nothing turns.
    static constexpr int kMaxTicketPages = preferences::kMaxTicketPages;
    static constexpr int kMaxTickets = 12 * kMaxTicketPages;
    static constexpr int kDefaultPageSeconds = preferences::kDefaultPageSeconds;
    static constexpr int kMaxPageSeconds = preferences::kMaxPageSeconds;
    void setTicketPages(int pages);
    int ticketPages() const { return ticketPages_; }
    int ticketCount() const { return 12 * ticketPages_; }
    // Seconds each page stays, 1 to kMaxPageSeconds.
    void setPageSeconds(int seconds);
    int pageSeconds() const { return pageSeconds_; }
    // The page on show (0 the first); showTicketPage shows one at once.
    int ticketPage() const { return page_; }
    void showTicketPage(int page);
    // The page on show stays: its turns stop until the next stop is shown
    // (a still picture of the unit, as a view beside an editor shows it).
    void holdTicketPage();
    // The pages keep time by steadyMilliseconds() (reslib/Clock.h): this
    // turns every page due by the clock's time and arms the timer for the
    // next turn. The timer calls it on the real clock; a video, whose clock
    // runs without the timers, calls it before each frame.
    void updateTicketPages();
    // 深夜料金: read at the next redraw.
    void setLateNight(bool on) { lateNight_ = on; }
    bool lateNight() const { return lateNight_; }

    // Redraws everything that depends on the stop shown: row nIndex (1..301).
    void DispData(std::int16_t nIndex);
    // The current stop's name again, by the rule of a step (after the options).
    void redrawStopName();
    // Everything of the stop on show again, as one operation (the busy guard
    // holds while pending messages run); nothing before a route is set, with
    // the display cleared or while the unit is busy.
    void redraw();

    bool isBusy() const { return busy_; }
    std::size_t queuedPresses() const { return queued_.size(); }
    // True once a route setting has succeeded (the steps are usable).
    bool routeSet() const { return routeSet_; }
    bool displayCleared() const { return displayCleared_; }
    // The ticket of the stop shown, as last drawn.
    const TicketInfo &ticket() const { return ticket_; }

    // Form variables of the unit.
    std::int16_t nTsugiwaMode = 0;
    QString strSetDate;

    // TapeHost: the tape reads its settings here and shows its state through
    // the signals below.
    QString selectSound(int index) const override;
    bool alwaysPreBroadcastSound() const override;
    bool preBroadcastSoundSync() const override;
    void setTapeFrameCaption(const QString &caption) override;
    void setTapeFrameEnabled(bool enabled) override;
    void setTapeButtonsEnabled(bool enabled) override;
    QWidget *dialogOwner() const override { return dialogOwner_; }
    void setDialogOwner(QWidget *owner) { dialogOwner_ = owner; }

signals:
    // Route setting refused the route (the console says so to the driver).
    void routeRefused(const kerubara::RouteRefusal &refusal);
    // Route setting left out lines of the reading dictionaries (the route
    // is set all the same).
    void readingProblemsFound(const std::vector<kerubara::ReadingProblem> &problems);
    // Every segment of the fare digits lit (the lamp test), then all 0.
    void lampTestStarted();
    void lampTestEnded();
    // Fare digit `cell` (1..12) shows `value`; 13..ticketCount() are the
    // fares of the later pages, shown when their page is.
    void fareShown(int cell, int value);
    // An information digit over the fares: a number, or the route as text.
    void infoShown(int cell, int value);
    void infoTextShown(int cell, const QString &text);
    // The strip shows `name` drawn with prefix mode `drawnMode`, then takes
    // `modeAfter` as its mode (-1: the mode it had before).
    void nameShown(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter);
    void nameBlanked();
    // The cells show page `page` of ticket numbers (0: tickets 1–12, the
    // fares and information last sent for them).
    void ticketPageShown(int page);
    void ticketShown(const TicketInfo &ticket);
    // 表示消去: the panel blanks (fares, name, clock) or gets its clock back.
    void displayClearedChanged(bool cleared);
    // The first successful route setting: steps and display clear usable.
    void routeSetChanged(bool set);
    void tapeFrameCaptionChanged(const QString &caption);
    void tapeFrameEnabledChanged(bool enabled);
    void tapeButtonsEnabledChanged(bool enabled);
    // The stop request lit (true) or cleared.
    void stopRequestChanged(bool requested);
    // An operation and what was queued meanwhile have ended.
    void becameFree();

private:
    void runBusy(const std::function<void()> &operation);
    void perform(Press press);
    void step(int index);
    void loadRoute(const QString &farePath, const QString &routeDigits, const QString &sectionDigits);
    void showStopName(std::int16_t nIndex, const QString &name);
    void clearDisplay(bool clear);
    void clearStopRequest();
    void pumpMessages();
    // What the panel is told, with what the page turns follow of it.
    void sendName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter);
    void sendNameBlanked();
    void sendFare(int cell, int value);
    void toFirstTicketPage();
    void startPageTurns();
    void stopPageTurns();
    void nextTicketPage();

    SoundSystem &sound_;
    const OperationSettings &settings_;
    std::unique_ptr<mdlM_Tape> tape_;
    std::function<void()> pump_;
    QWidget *dialogOwner_ = nullptr;
    bool busy_ = false;
    bool lateNight_ = false;
    bool routeSet_ = false;
    bool displayCleared_ = false;
    bool settingRoute_ = false;
    bool stopRequested_ = false;
    int ticketPages_ = 1;
    int pageSeconds_ = kDefaultPageSeconds;
    int page_ = 0;
    bool nameOnShow_ = false;
    bool pagesTurning_ = false;
    qint64 pageTurnedAt_ = 0; // by steadyMilliseconds()
    QTimer *pageTimer_ = nullptr;
    // The fares last sent for tickets 13..kMaxTickets (0: none issued).
    std::array<int, kMaxTickets + 1> laterFares_{};
    std::deque<Press> queued_;
    TicketInfo ticket_;
};

} // namespace kerubara
