// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/OperationEngine.h"
#include "reslib/OleColor.h"
#include "settings/Preferences.h"
#include "settings/SettingsFile.h"
#include "windows/PanelLook.h"

#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QVariant>
#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace kerubara {

class ChimeiCtl_DX;
class M_Degit;

// The fare panel's own controls. Only the panel writes them: the rest of
// the program goes through the panel's methods, and tests and benchmarks
// reach them through the accessor below, the program never.
struct Form1Controls
{
    ChimeiCtl_DX *ChimeiCtl = nullptr;
    std::array<QLabel *, 13> lblSeiriNum{};   // 1..12 shown; 0 hidden
    std::array<M_Degit *, 13> Degit{};        // 1..12 the fares; 0 hidden
    std::array<M_Degit *, 2> TimeDegit{};     // clock hours and minutes, hidden
    std::array<QPixmap, 3> imgRes;            // built-in pictures for OFF, ON1, ON2
    QTimer *Timer1 = nullptr;
};

// The format the user gives the fare digits (the digits' format dialog),
// kept in the settings file.
struct FareDigitFormat
{
    std::int16_t zeroMode = 0;
    std::int16_t shift = 0;
    std::int16_t fillZero = 0;
};

// The fare panel: a borderless window with rounded corners whose background is
// a picture of the fare display's face. It carries the stop-name strip, twelve
// ticket-number labels over twelve fare digits, a hidden four-digit display
// and the hidden clock. The user drags it from anywhere on its surface; its
// pop-up menu (right click) shows it magnified 1×, 2× or 3×, chooses the
// pages of ticket numbers and fare cells of three or four digits.
class Form1 : public QWidget, private Form1Controls
{
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    Form1Controls &controlsForTesting() { return *this; }
    const Form1Controls &controlsForTesting() const { return *this; }

    // The built-in picture of the face for every backlight state.
    void useBuiltInPictures();
    // Backlight state `state` (0 OFF, 1 ON1, 2 ON2): the face shows the
    // user's picture for it when one is chosen (`userPicture`; a file that
    // is not there leaves the face as it is, one that does not read is
    // reported), else the built-in one, and the ticket-number labels take
    // `labelColour`.
    void showBacklight(int state, const std::optional<QString> &userPicture, OleColor labelColour);

    // The background picture (the current backlight state's).
    const QPixmap &Picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

    // Caption, text colour, face and size of ticket-number label k.
    void setTicketLabel(int k, const QString &text);
    void setLabelColor(int k, OleColor color);
    OleColor labelColor(int k) const;
    void setLabelFace(int k, const QString &face);
    void setLabelPointSize(int k, double points);

    void GetFormInfo(FormPosRecord &pos) const;
    void SetFormInfo(const FormPosRecord &pos);
    void DeleteRgn();

    // Gives the window its rounded 3 x 3 corners (magnified with the panel).
    void shapeWindow();

    // The panel magnified by a whole factor, 1 to kMaxZoom (other values are
    // brought into that range): the window, its picture, every dot of the
    // stop-name strip and every digit segment grow by the factor, pixel by
    // pixel; the labels' type grows with them. The window keeps its place.
    static constexpr int kMaxZoom = preferences::kMaxZoom;
    int zoom() const { return zoom_; }
    void setZoom(int factor);
    // The pop-up menu of the panel's surface with the three magnifications
    // and the pages of ticket numbers.
    QMenu *zoomMenu() const { return zoomMenu_; }

    // Fare cells of three digits, as designed, or four for fares of 1 000
    // and more (late-night fares up to 9 999): the twelve fare digits get
    // that many positions, each cell and its label widen by one position
    // (19 design pixels), the panel by six, at every zoom; the stop-name
    // strip and the hidden clock stay in the middle above the table, and
    // the built-in face is drawn to match. A fare with more digits than
    // the cells shows its last ones, as a real unit does.
    static constexpr int kMinFareDigits = preferences::kMinFareDigits;
    static constexpr int kMaxFareDigits = preferences::kMaxFareDigits;
    int fareDigits() const { return fareDigits_; }
    void setFareDigits(int digits);

    // Ticket numbers beyond twelve (交互表示): the twelve cells show page
    // `page` (0 the first: tickets 1–12), the fares sent for its tickets
    // and the labels its numbers in the chosen style. Which page shows when
    // is the unit's (OperationEngine::ticketPageShown).
    int ticketPage() const { return page_; }
    void showTicketPage(int page);
    // The menu's marks for the pages and their seconds in force.
    void showTicketPagesChoice(int pages);
    void showPageSecondsChoice(int seconds);

    // The fare digits' formats (the format dialog's), by cell 1..12, and
    // the colours of the fare and clock digits.
    FareDigitFormat fareDigitFormat(int cell) const;
    void setFareDigitFormat(int cell, const FareDigitFormat &format);
    void setDigitColours(OleColor back, OleColor unlit, OleColor lit);
    // The stop-name strip's colours and its prefix (次は) mode, colour, weight
    // and type.
    void setStripColours(OleColor back, OleColor fore);
    void setStripPrefix(std::int16_t mode, OleColor colour, bool bold, std::int16_t fontMode);
    // The strip's scroll moves on to the clock's time (a video, whose clock
    // runs without the timers, before each frame), or halts at its start.
    void updateScroll();
    void stopScrolling();

    // What the unit shows (OperationEngine's signals), on this window's
    // own controls.
    void showLampTest();                       // every fare segment lit
    void showLampTestEnded();                  // every fare digit 0
    void showFare(int cell, int value);        // Degit(cell)
    void showInfoText(int cell, const QString &text);
    // The strip draws `name` with prefix mode `drawnMode`, then keeps
    // `modeAfter` (-1: the mode it had).
    void showStopName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter);
    void blankStopName();
    // The stop request: lit, the strip alternates 「次とまります」 with the
    // stop's name, each for one pass of a name that scrolls (for two of the
    // strip's pauses, at least kMinRequestTurnMs, of one that fits).
    void showStopRequest(bool requested);
    static inline const QString kStopRequestText = QStringLiteral("次とまります");
    static constexpr int kMinRequestTurnMs = 500;
    // Display clear: fares, name and clock blank, or the clock back.
    void showDisplayCleared(bool cleared);
    // The control panel's scroll sliders.
    void setScroll(std::int16_t speed, int startWait);

    // The options' dress of the panel: labels, digit colours, the strip's face.
    void applyLook(const PanelLook &look);
    // The window that takes no presses while a digit's format dialog is open.
    void setConsole(QWidget *console) { console_ = console; }

    // Handlers.
    void Degit_DblClick(int index);
    void Timer1_Timer();
    // A magnification chosen from the pop-up menu: applied and remembered
    // for the next run.
    void mnuZoom_Click(int factor);
    // Pages of ticket numbers and their time chosen from the pop-up menu:
    // remembered; ticketPagesChosen and pageSecondsChosen tell the unit.
    void mnuPages_Click(int pages);
    void mnuPageSeconds_Click(int seconds);
    // Fare digits chosen from the pop-up menu (運賃の桁数): applied and
    // remembered for the next run.
    void mnuFareDigits_Click(int digits);

signals:
    // A middle click anywhere on the panel: the passengers' stop button.
    void stopRequestClicked();
    // The user chose, from the panel's menu, a magnification, the fare
    // cells' digits, how many pages of ticket numbers the panel shows or the
    // seconds each page stays (the panel shows it already).
    void zoomChosen(int factor);
    void fareDigitsChosen(int digits);
    void ticketPagesChosen(int pages);
    void pageSecondsChosen(int seconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    // Places the strip, labels and digits for the fare digits in force.
    void layOut();
    void buildZoomMenu();
    void buildFareDigitsMenu();
    // Puts a control at its place in design pixels, now and at every zoom.
    void place(QWidget *control, const QRect &design);
    void applyLabelFont(int k);
    // Makes the picture as the current zoom shows it.
    void zoomPicture();
    void drawName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter);
    void buildPagesMenu();
    // Back to the first page before the first twelve cells change.
    void toFirstPage();
    void writePageLabels(int page);
    // The captions of the first page in a numbering style.
    void writeTicketLabels(std::int16_t style, std::int16_t leadingZero);
    void armRequestTurn();
    void turnStopRequest();

    QPointer<QWidget> console_;
    QPixmap picture_;
    QPixmap zoomedPicture_; // the picture at the current zoom
    int zoom_ = 1;
    bool shaped_ = false;
    QHash<QWidget *, QRect> designGeometry_;
    std::array<int, 13> labelPixelSize_{};
    QMenu *zoomMenu_ = nullptr;
    std::array<QAction *, kMaxZoom> zoomActions_{};
    // Where SetFormInfo put the window; nothing before it has run.
    std::optional<QPoint> restoredAt_;
    // The stop's name as last drawn, with the prefix mode it was drawn with.
    struct ShownName
    {
        QString name;
        std::int16_t mode = 0;
    };
    std::optional<ShownName> stopName_;
    bool stopRequested_ = false;
    bool showingRequest_ = false; // 「次とまります」 is on the strip
    QTimer *requestTurn_ = nullptr;
    // The look last applied (the labels' style for the later pages).
    PanelLook look_;
    int page_ = 0;
    // The fares of tickets 13..48, and what the first twelve cells showed
    // when a later page took them.
    std::array<int, OperationEngine::kMaxTickets + 1> laterFares_{};
    std::array<QVariant, 13> firstPage_;
    std::array<QAction *, OperationEngine::kMaxTicketPages> pageActions_{};
    std::array<QAction *, 4> secondsActions_{};
    int fareDigits_ = kMinFareDigits;
    std::array<QAction *, kMaxFareDigits - kMinFareDigits + 1> fareDigitsActions_{};
};

} // namespace kerubara
