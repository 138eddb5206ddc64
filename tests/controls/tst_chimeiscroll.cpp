// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiScroll.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace kerubara;

namespace {

// The millisecond at which pass `k` (1-based) of a run that starts at 0 is due.
qint64 passDue(qint64 k)
{
    return ((k - 1) * ChimeiScroll::kPassMicroseconds + 999) / 1000;
}

} // namespace

class tst_ChimeiScroll : public QObject
{
    Q_OBJECT

private slots:
    void eachPassMovesBySpeedOver200_data();
    void eachPassMovesBySpeedOver200();
    void passesRunAt64ASecondHoweverLateTheCall();
    void waitChangedDuringThePauseAppliesAtOnce();
    void negativeWaitIsNoPause_data();
    void negativeWaitIsNoPause();
    void nextChangeIsThePassThatMovesTheCanvas_data();
    void nextChangeIsThePassThatMovesTheCanvas();
    void slowScrollSleepsUntilTheNextWholePixel();
    void canvasThatNeverMovesIsLookedAtAgainWithinFourSeconds();
};

void tst_ChimeiScroll::eachPassMovesBySpeedOver200_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("step");
    QTest::newRow("5") << 5 << 0.025;
    QTest::newRow("100") << 100 << 0.5;
    QTest::newRow("300 whole and half") << 300 << 2.5;
    QTest::newRow("2000") << 2000 << 20.0;
    QTest::newRow("0 stands still") << 0 << 0.0;
}

void tst_ChimeiScroll::eachPassMovesBySpeedOver200()
{
    QFETCH(int, speed);
    QFETCH(double, step);
    ChimeiScroll scroll;
    scroll.start(0, 432, 486);
    for (qint64 k = 1; k <= 20; ++k) {
        scroll.advanceTo(passDue(k), static_cast<std::int16_t>(speed), 1500);
        QCOMPARE(scroll.passes(), k);
        QVERIFY(qFuzzyCompare(1.0 + scroll.position(), 1.0 + 432.0 - k * step));
        // Shown at the whole pixel reached before the fraction of the pass.
        const double shown = 432.0 - (k - 1) * step - (speed / 200);
        QCOMPARE(scroll.left(), static_cast<int>(std::floor(shown)));
    }
}

void tst_ChimeiScroll::passesRunAt64ASecondHoweverLateTheCall()
{
    ChimeiScroll scroll;
    scroll.start(1000, 432, 486);
    scroll.advanceTo(999, 200, 1500);
    QCOMPARE(scroll.passes(), 0);
    scroll.advanceTo(1000, 200, 1500);
    QCOMPARE(scroll.passes(), 1);
    QCOMPARE(scroll.nextPassMs(1500), 1016);
    scroll.advanceTo(1015, 200, 1500);
    QCOMPARE(scroll.passes(), 1);
    scroll.advanceTo(2000, 200, 1500); // one late call catches up
    QCOMPARE(scroll.passes(), 65);
    QCOMPARE(scroll.position(), 432.0 - 65 * 2);
}

void tst_ChimeiScroll::waitChangedDuringThePauseAppliesAtOnce()
{
    // At 20 pixels a pass the 486-pixel canvas is out at pass 47 (718.75 ms).
    ChimeiScroll scroll;
    scroll.start(0, 432, 486);
    scroll.advanceTo(passDue(47), 2000, 10000);
    QVERIFY(scroll.pausing());
    QCOMPARE(scroll.nextPassMs(10000), 10719);
    scroll.advanceTo(1000, 2000, 10000);
    QVERIFY(scroll.pausing());
    scroll.advanceTo(1000, 2000, 0);
    QVERIFY(!scroll.pausing());
    QCOMPARE(scroll.passes(), 47 + 19); // passes due 0, 15.6, ... 281.25 ms after the wrap
}

void tst_ChimeiScroll::negativeWaitIsNoPause_data()
{
    QTest::addColumn<int>("wait");
    QTest::newRow("-1 ms") << -1;
    QTest::newRow("-1500 ms") << -1500;
    QTest::newRow("most negative 32-bit") << std::numeric_limits<std::int32_t>::min();
}

void tst_ChimeiScroll::negativeWaitIsNoPause()
{
    // Taken literally, a negative pause would put the next pass in the past
    // and the scroll would spin catching up.
    QFETCH(int, wait);
    ChimeiScroll withWait;
    ChimeiScroll withoutWait;
    withWait.start(0, 432, 486);
    withoutWait.start(0, 432, 486);
    for (qint64 now : {passDue(47), qint64{719}, qint64{1000}, qint64{3000}}) {
        withWait.advanceTo(now, 2000, wait);
        withoutWait.advanceTo(now, 2000, 0);
        QCOMPARE(withWait.passes(), withoutWait.passes());
        QCOMPARE(withWait.nextPassMs(wait), withoutWait.nextPassMs(0));
        QCOMPARE(withWait.left(), withoutWait.left());
    }
}

void tst_ChimeiScroll::nextChangeIsThePassThatMovesTheCanvas_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("wait");
    QTest::addColumn<int>("passesRun");
    QTest::addColumn<qint64>("nextChange");
    QTest::newRow("2 pixels a pass: every pass") << 200 << 1500 << 2 << passDue(3);
    QTest::newRow("half a pixel a pass: pass 1 stays at the edge") << 100 << 1500 << 0 << passDue(2);
    QTest::newRow("half a pixel a pass: every other pass") << 100 << 1500 << 2 << passDue(4);
    QTest::newRow("20 pixels a pass: the wrap starts the pause") << 2000 << 10000 << 46 << passDue(47);
    QTest::newRow("during the pause: its end") << 2000 << 10000 << 47 << qint64{10719};
}

void tst_ChimeiScroll::nextChangeIsThePassThatMovesTheCanvas()
{
    QFETCH(int, speed);
    QFETCH(int, wait);
    QFETCH(int, passesRun);
    QFETCH(qint64, nextChange);
    ChimeiScroll scroll;
    scroll.start(0, 432, 486);
    if (passesRun > 0)
        scroll.advanceTo(passDue(passesRun), static_cast<std::int16_t>(speed), wait);
    QCOMPARE(scroll.passes(), passesRun);
    QCOMPARE(scroll.nextChangeMs(static_cast<std::int16_t>(speed), wait), nextChange);
}

void tst_ChimeiScroll::slowScrollSleepsUntilTheNextWholePixel()
{
    // At Speed 1 the canvas moves a pixel about every 200 passes (3 s): a
    // caller sleeps through the passes between and runs them all at once,
    // with the same result as running each when due.
    ChimeiScroll slept;
    ChimeiScroll eachPass;
    slept.start(0, 432, 486);
    eachPass.start(0, 432, 486);
    slept.advanceTo(passDue(2), 1, 1500);
    QCOMPARE(slept.left(), 431);
    const qint64 next = slept.nextChangeMs(1, 1500);
    QVERIFY2(next > 3000, qPrintable(QString::number(next)));
    for (qint64 k = 1; passDue(k) < next; ++k) {
        eachPass.advanceTo(passDue(k), 1, 1500);
        QCOMPARE(eachPass.left(), 431 + (k == 1));
    }
    slept.advanceTo(next, 1, 1500);
    eachPass.advanceTo(next, 1, 1500);
    QCOMPARE(slept.left(), 430);
    QCOMPARE(slept.passes(), eachPass.passes());
    QCOMPARE(slept.position(), eachPass.position());
}

void tst_ChimeiScroll::canvasThatNeverMovesIsLookedAtAgainWithinFourSeconds()
{
    // Speed 0 set during a scroll: nothing ever changes, but the wait stays
    // bounded so that the caller keeps the passes counted.
    ChimeiScroll scroll;
    scroll.start(0, 432, 486);
    scroll.advanceTo(0, 0, 1500);
    QCOMPARE(scroll.nextChangeMs(0, 1500), passDue(1 + ChimeiScroll::kLookaheadPasses));
}

QTEST_GUILESS_MAIN(tst_ChimeiScroll)
#include "tst_chimeiscroll.moc"
