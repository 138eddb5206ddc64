// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frmCtl.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "QuietSimulator.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Cp932.h"
#include "windows/AutoRunPanel.h"
#include "windows/DigitList.h"
#include "windows/Form1.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A key press that waits in the event queue, as one typed while the program
// is busy does.
void queueKey(QWidget *w, Qt::Key key)
{
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

} // namespace

class tst_frmCtlKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keyPressesTheButtonItStandsFor_data();
    void keyPressesTheButtonItStandsFor();
    void numberBoxTakesDigitsAndLeavesTheKeysTheirButtons_data();
    void numberBoxTakesDigitsAndLeavesTheKeysTheirButtons();
    void consoleHasTheKeyboardFromStartUp();
    void typedRouteGoesToTheKeypadAndSetsTheRoute();
    void digitTypedIntoAFocusedDigitListChoosesItThere();
    void backlightKeyCyclesThroughTheThreeStates();
    void keyArrivingDuringTheLampTestWaitsItsTurn_data();
    void keyArrivingDuringTheLampTestWaitsItsTurn();
    void everyKeyIsNamedInItsButtonsToolTip_data();
    void everyKeyIsNamedInItsButtonsToolTip();
    void stopRequestAlternatesOnTheStripUntilTheNextStep_data();
    void stopRequestAlternatesOnTheStripUntilTheNextStep();

private:
    QAbstractButton *button(const QString &name) const;
    void setRoute();
    void focusWindow(const QString &window);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::QuietSimulator> sim_;
};

void tst_frmCtlKeys::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_frmCtlKeys::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(testing::writeFile(dir_->filePath(u"12.hy3"_s), testing::routeBytes(4)));
    QVERIFY(testing::writeFile(dir_->filePath(u"12tp.csv"_s), cp932::encode(u"発車します。,0,0\r\n次は、停2です。,1,0\r\n"_s)));
    sim_ = std::make_unique<testing::QuietSimulator>();
    controls((*sim_)->option()).Text2[0]->setText(dir_->path());
    controls((*sim_)->option()).Text2[1]->setText(dir_->path());
}

void tst_frmCtlKeys::cleanup()
{
    sim_.reset();
    dir_.reset();
}

QAbstractButton *tst_frmCtlKeys::button(const QString &name) const
{
    frmCtl &c = (*sim_)->ctl();
    if (name.startsWith(u"keypad "))
        return c.CommandButton1[static_cast<std::size_t>(name.mid(7).toInt())];
    const std::map<QString, QAbstractButton *> named{
        {u"reset of the lists"_s, c.Command1[0]}, {u"reset of the keypad"_s, c.Command1[1]}, {u"back"_s, c.Command2[0]},
        {u"forward"_s, c.Command2[1]},     {u"clear"_s, c.Check1},            {u"late night"_s, c.Check2},
        {u"ON1"_s, c.Option4[1]},          {u"tape next"_s, c.cmdTapeNext},  {u"tape back"_s, c.cmdTapeBack},
        {u"tape stop"_s, c.cmdTapeStop},   {u"stop request"_s, c.cmdStopRequest}};
    return named.at(name);
}

// Route 12 from section 1 through the keypad's buttons, then the digit lists
// back in front, as at start.
void tst_frmCtlKeys::setRoute()
{
    frmCtl &c = (*sim_)->ctl();
    QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4));
    for (int key : {10, 1, 2, 11, 1})
        click(c.CommandButton1[static_cast<std::size_t>(key)]);
    click(c.Command1[1]);
    QTest::mouseDClick(c.Frame1[1], Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE((*sim_)->state.nStopCount, std::int16_t(4));
}

void tst_frmCtlKeys::focusWindow(const QString &window)
{
    QWidget *w = window == u"panel" ? static_cast<QWidget *>(&(*sim_)->form1()) : &(*sim_)->ctl();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void tst_frmCtlKeys::keyPressesTheButtonItStandsFor_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("situation"); // "start", "route set", "display cleared", "no voice"
    QTest::addColumn<QString>("window");    // which window has the focus
    QTest::addColumn<bool>("pressed");

    const QString start = u"start"_s, routeSet = u"route set"_s, cleared = u"display cleared"_s;
    const QString panel = u"panel"_s, console = u"console"_s;
    QTest::newRow("0, keypad 0") << int(Qt::Key_0) << u"keypad 0"_s << start << console << true;
    QTest::newRow("7 in the panel, keypad 7") << int(Qt::Key_7) << u"keypad 7"_s << start << panel << true;
    QTest::newRow("9 with the display cleared") << int(Qt::Key_9) << u"keypad 9"_s << cleared << console << false;
    QTest::newRow("R, 系統") << int(Qt::Key_R) << u"keypad 10"_s << start << panel << true;
    QTest::newRow("S, 区間") << int(Qt::Key_S) << u"keypad 11"_s << routeSet << console << true;
    QTest::newRow("S with the display cleared") << int(Qt::Key_S) << u"keypad 11"_s << cleared << panel << false;
    QTest::newRow("Enter, reset of the lists") << int(Qt::Key_Return) << u"reset of the lists"_s << start << console << true;
    QTest::newRow("keypad Enter, reset of the lists") << int(Qt::Key_Enter) << u"reset of the lists"_s << routeSet << panel
                                                      << true;
    QTest::newRow("Enter with the display cleared") << int(Qt::Key_Return) << u"reset of the lists"_s << cleared << panel
                                                    << false;
    QTest::newRow("right arrow, forward") << int(Qt::Key_Right) << u"forward"_s << routeSet << panel << true;
    QTest::newRow("Page Down, forward") << int(Qt::Key_PageDown) << u"forward"_s << routeSet << console << true;
    QTest::newRow("right arrow before any route") << int(Qt::Key_Right) << u"forward"_s << start << panel << false;
    QTest::newRow("Page Down with the display cleared") << int(Qt::Key_PageDown) << u"forward"_s << cleared << panel
                                                        << false;
    QTest::newRow("left arrow, back") << int(Qt::Key_Left) << u"back"_s << routeSet << console << true;
    QTest::newRow("Page Up, back") << int(Qt::Key_PageUp) << u"back"_s << routeSet << panel << true;
    QTest::newRow("Page Up before any route") << int(Qt::Key_PageUp) << u"back"_s << start << console << false;
    QTest::newRow("Space, next announcement") << int(Qt::Key_Space) << u"tape next"_s << routeSet << panel << true;
    QTest::newRow("Space without a voice") << int(Qt::Key_Space) << u"tape next"_s << u"no voice"_s << panel << false;
    QTest::newRow("Backspace, announcement back") << int(Qt::Key_Backspace) << u"tape back"_s << routeSet << console
                                                  << true;
    QTest::newRow("Backspace with the display cleared") << int(Qt::Key_Backspace) << u"tape back"_s << cleared
                                                        << console << false;
    QTest::newRow("Esc, stop the announcement") << int(Qt::Key_Escape) << u"tape stop"_s << routeSet << panel << true;
    QTest::newRow("Esc without a voice") << int(Qt::Key_Escape) << u"tape stop"_s << u"no voice"_s << console << false;
    QTest::newRow("Delete, display clear") << int(Qt::Key_Delete) << u"clear"_s << routeSet << panel << true;
    QTest::newRow("Delete with the display cleared, back on") << int(Qt::Key_Delete) << u"clear"_s << cleared
                                                              << console << true;
    QTest::newRow("Delete before any route") << int(Qt::Key_Delete) << u"clear"_s << start << console << false;
    QTest::newRow("N, late-night fare") << int(Qt::Key_N) << u"late night"_s << start << panel << true;
    QTest::newRow("N with the display cleared") << int(Qt::Key_N) << u"late night"_s << cleared << console << false;
    QTest::newRow("B, backlight ON1 after OFF") << int(Qt::Key_B) << u"ON1"_s << cleared << panel << true;
    QTest::newRow("P, stop request") << int(Qt::Key_P) << u"stop request"_s << routeSet << panel << true;
    QTest::newRow("P before any route") << int(Qt::Key_P) << u"stop request"_s << start << console << false;
}

void tst_frmCtlKeys::keyPressesTheButtonItStandsFor()
{
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(QString, situation);
    QFETCH(QString, window);
    QFETCH(bool, pressed);
    frmCtl &c = (*sim_)->ctl();
    if (situation == u"route set" || situation == u"display cleared")
        setRoute();
    if (situation == u"display cleared")
        click(c.Check1);
    if (situation == u"no voice")
        c.grpM_Tape->setEnabled(false);
    focusWindow(window);

    QAbstractButton *b = this->button(button);
    QCOMPARE(b->isEnabled(), pressed);
    const QSignalSpy clicks(b, &QAbstractButton::clicked);
    QWidget *focused = window == u"panel" ? static_cast<QWidget *>(&(*sim_)->form1()) : &c;
    QTest::keyClick(focused, static_cast<Qt::Key>(key));
    QCOMPARE(clicks.count(), pressed ? 1 : 0);
}

void tst_frmCtlKeys::numberBoxTakesDigitsAndLeavesTheKeysTheirButtons_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button"); // pressed by the key; empty: none of them
    QTest::addColumn<int>("seconds");    // the box's value afterwards

    const QString dwell = u"dwell"_s, travel = u"travel"_s;
    QTest::newRow("P, stop request") << dwell << int(Qt::Key_P) << u"stop request"_s << 4;
    QTest::newRow("N, late night") << travel << int(Qt::Key_N) << u"late night"_s << 6;
    QTest::newRow("R, 系統") << dwell << int(Qt::Key_R) << u"keypad 10"_s << 4;
    QTest::newRow("A, 自動運行") << travel << int(Qt::Key_A) << u"auto run"_s << 6;
    QTest::newRow("Space, next announcement") << dwell << int(Qt::Key_Space) << u"tape next"_s << 4;
    QTest::newRow("Esc, stop the announcement") << travel << int(Qt::Key_Escape) << u"tape stop"_s << 6;
    QTest::newRow("a digit is typed into the box") << dwell << int(Qt::Key_7) << QString() << 47;
    QTest::newRow("Enter confirms the box, sets no route") << travel << int(Qt::Key_Return) << QString() << 6;
}

void tst_frmCtlKeys::numberBoxTakesDigitsAndLeavesTheKeysTheirButtons()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(int, seconds);
    frmCtl &c = (*sim_)->ctl();
    setRoute();
    focusWindow(u"console"_s);
    QSpinBox *field = box == u"dwell" ? c.autoRun->dwellSeconds() : c.autoRun->travelSeconds();
    field->setValue(box == u"dwell" ? 4 : 6);
    field->setFocus(Qt::TabFocusReason);
    auto *text = field->findChild<QLineEdit *>();
    text->setCursorPosition(text->text().indexOf(u'秒'));
    QTRY_VERIFY(field->hasFocus());

    std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
    for (const QString &name : {u"stop request"_s, u"late night"_s, u"keypad 10"_s, u"keypad 7"_s, u"tape next"_s,
                                u"tape stop"_s, u"reset of the lists"_s, u"auto run"_s}) {
        QAbstractButton *b = name == u"auto run" ? c.autoRun->button() : this->button(name);
        spies.emplace_back(name, std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
    }
    QTest::keyClick(field, static_cast<Qt::Key>(key));
    for (const auto &[name, spy] : spies)
        QVERIFY2(spy->count() == (name == button ? 1 : 0), qPrintable(name));
    if (button == u"auto run")
        click(c.autoRun->button()); // ends the run it started
    field->interpretText();
    QCOMPARE(field->value(), seconds);
}

void tst_frmCtlKeys::consoleHasTheKeyboardFromStartUp()
{
    // Nobody has clicked a window yet: the keys already work.
    frmCtl &c = (*sim_)->ctl();
    QTRY_VERIFY(c.isActiveWindow());
    const QSignalSpy clicks(c.CommandButton1[10], &QAbstractButton::clicked);
    QTest::keyClick(&c, Qt::Key_R);
    QCOMPARE(clicks.count(), 1);
}

void tst_frmCtlKeys::typedRouteGoesToTheKeypadAndSetsTheRoute()
{
    frmCtl &c = (*sim_)->ctl();
    focusWindow(u"panel"_s);
    QWidget *panel = &(*sim_)->form1();
    QVERIFY(!c.Frame1[1]->isAncestorOf(c.childAt(c.Frame1[0]->geometry().center())));
    for (Qt::Key key : {Qt::Key_R, Qt::Key_1, Qt::Key_2, Qt::Key_S, Qt::Key_2, Qt::Key_Return})
        QTest::keyClick(panel, key);
    // The keypad came to the front and took the digits; its リセット set the route.
    QVERIFY(c.Frame1[1]->isAncestorOf(c.childAt(c.Frame1[0]->geometry().center())));
    QCOMPARE(c.nBackFrame, std::int16_t(0));
    QCOMPARE(c.Label2[0]->text(), u"12"_s);
    QCOMPARE(c.Label2[2]->text(), u"2"_s);
    QCOMPARE((*sim_)->state.strRouteNo, u"12"_s);
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(1));
    // And the arrows drive the trip.
    QTest::keyClick(panel, Qt::Key_Right);
    QTest::keyClick(&c, Qt::Key_PageDown);
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(3));
    QTest::keyClick(panel, Qt::Key_Left);
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(2));
    QCOMPARE((*sim_)->form1().controlsForTesting().Degit[12]->Value().toInt(), 312);
}

void tst_frmCtlKeys::digitTypedIntoAFocusedDigitListChoosesItThere()
{
    frmCtl &c = (*sim_)->ctl();
    focusWindow(u"console"_s);
    DigitList *list = c.List2[4];
    // The window's first list has the focus by now, but only with its
    // window: a digit goes to the keypad.
    QTest::keyClick(&c, Qt::Key_5);
    QCOMPARE(c.Label2[2]->text(), u"5"_s);
    QTest::mouseDClick(c.Frame1[1], Qt::LeftButton, {}, QPoint(4, 4)); // the lists again
    // A list the user clicked takes the digits typed into it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_7);
    QCOMPARE(list->chosenDigit(), u"7"_s);
    QCOMPARE(c.Label2[2]->text(), u"5"_s);
    QVERIFY(!c.Frame1[1]->isAncestorOf(c.childAt(c.Frame1[0]->geometry().center())));
}

void tst_frmCtlKeys::backlightKeyCyclesThroughTheThreeStates()
{
    frmCtl &c = (*sim_)->ctl();
    focusWindow(u"console"_s);
    const std::array<int, 4> expected{1, 2, 0, 1};
    for (int state : expected) {
        QTest::keyClick(&c, Qt::Key_B);
        QVERIFY(c.Option4[static_cast<std::size_t>(state)]->isChecked());
    }
}

void tst_frmCtlKeys::keyArrivingDuringTheLampTestWaitsItsTurn_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("stopAfter"); // nStopPos once the route is set
    QTest::newRow("→ is carried out after, Enter ignored") << QList<int>{Qt::Key_Right, Qt::Key_Return} << 1;
    QTest::newRow("→ → moves two stops") << QList<int>{Qt::Key_Right, Qt::Key_Right} << 2;
    QTest::newRow("Esc empties the queue") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Escape} << 0;
    QTest::newRow("a press after Esc still counts") << QList<int>{Qt::Key_Right, Qt::Key_Escape, Qt::Key_Right} << 1;
}

void tst_frmCtlKeys::keyArrivingDuringTheLampTestWaitsItsTurn()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, stopAfter);
    setRoute();
    frmCtl &c = (*sim_)->ctl();
    QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4)); // the keypad's リセット for Enter
    focusWindow(u"panel"_s);
    QWidget *panel = &(*sim_)->form1();
    bool busyMeanwhile = false;
    int sleeps = 0;
    sim_->duringSleep = [&] {
        ++sleeps;
        busyMeanwhile = c.isBusy();
        for (int key : keys)
            queueKey(panel, static_cast<Qt::Key>(key));
    };
    // A second route setting; its lamp test lets the queued keys arrive.
    QTest::keyClick(panel, Qt::Key_Return);
    sim_->duringSleep = nullptr;
    QVERIFY(busyMeanwhile);
    QCoreApplication::processEvents();
    QCOMPARE(sleeps, 1); // Enter did not set the route again
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(stopAfter));
    QCOMPARE(c.queuedPresses(), std::size_t(0));
    // Once the route is set the same key steps again.
    QTest::keyClick(panel, Qt::Key_Right);
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(stopAfter + 1));
}

void tst_frmCtlKeys::everyKeyIsNamedInItsButtonsToolTip_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::newRow("keypad 3") << u"keypad 3"_s << u"キー: 3"_s;
    QTest::newRow("系統") << u"keypad 10"_s << u"キー: R"_s;
    QTest::newRow("区間") << u"keypad 11"_s << u"キー: S"_s;
    QTest::newRow("lists reset") << u"reset of the lists"_s << u"キー: Enter"_s;
    QTest::newRow("keypad reset") << u"reset of the keypad"_s << u"キー: Enter"_s;
    QTest::newRow("forward") << u"forward"_s << u"キー: → / Page Down"_s;
    QTest::newRow("back") << u"back"_s << u"キー: ← / Page Up"_s;
    QTest::newRow("next announcement") << u"tape next"_s << u"キー: Space"_s;
    QTest::newRow("announcement back") << u"tape back"_s << u"キー: Backspace"_s;
    QTest::newRow("stop announcement") << u"tape stop"_s << u"キー: Esc"_s;
    QTest::newRow("display clear") << u"clear"_s << u"キー: Delete"_s;
    QTest::newRow("late night") << u"late night"_s << u"キー: N"_s;
    QTest::newRow("backlight") << u"ON1"_s << u"キー: B"_s;
    QTest::newRow("stop request") << u"stop request"_s << u"キー: P"_s;
}

void tst_frmCtlKeys::everyKeyIsNamedInItsButtonsToolTip()
{
    QFETCH(QString, button);
    QFETCH(QString, key);
    const QString tip = this->button(button)->toolTip();
    QVERIFY2(tip.contains(key), qPrintable(tip));
}

void tst_frmCtlKeys::stopRequestAlternatesOnTheStripUntilTheNextStep_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("the console's button") << u"button"_s;
    QTest::newRow("key P") << u"key"_s;
    QTest::newRow("middle click on the panel's surface") << u"surface"_s;
    QTest::newRow("middle click on a fare digit") << u"digit"_s;
}

// 降車ボタン lights 「次とまります」 on the strip in turns with the stop's name
// (a name that fits: turns of at least half a second) until the next step.
void tst_frmCtlKeys::stopRequestAlternatesOnTheStripUntilTheNextStep()
{
    QFETCH(QString, how);
    frmCtl &c = (*sim_)->ctl();
    Form1 &panel = (*sim_)->form1();
    setRoute();
    click(c.Command2[1]);
    c.HScroll1[1]->setValue(10); // the strip's pause: turns take the shortest time
    const QImage name = panel.controlsForTesting().ChimeiCtl->canvas();

    if (how == u"button")
        QTest::mouseClick(c.cmdStopRequest, Qt::LeftButton);
    else if (how == u"key")
        QTest::keyClick(&c, Qt::Key_P);
    else if (how == u"surface")
        QTest::mouseClick(&panel, Qt::MiddleButton, {}, QPoint(10, 150));
    else
        QTest::mouseClick(panel.controlsForTesting().Degit[5], Qt::MiddleButton);
    QVERIFY((*sim_)->engine().stopRequested());
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->canvas(), name); // the name first

    QTRY_VERIFY_WITH_TIMEOUT(panel.controlsForTesting().ChimeiCtl->canvas() != name, 3000);
    const QImage request = panel.controlsForTesting().ChimeiCtl->canvas();
    QTRY_COMPARE_WITH_TIMEOUT(panel.controlsForTesting().ChimeiCtl->canvas(), name, 3000);

    // The next stop: the request is over and the strip stays on its name.
    click(c.Command2[1]);
    QVERIFY(!(*sim_)->engine().stopRequested());
    const QImage next = panel.controlsForTesting().ChimeiCtl->canvas();
    QVERIFY(next != name);
    QTest::qWait(3 * Form1::kMinRequestTurnMs);
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->canvas(), next);

    // What the turn showed was 「次とまります」, without the prefix.
    panel.showStopName(Form1::kStopRequestText, 0, -1);
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->canvas(), request);
}

QTEST_MAIN(tst_frmCtlKeys)
#include "tst_frmctl_keys.moc"
