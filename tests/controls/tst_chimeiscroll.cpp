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

QTEST_GUILESS_MAIN(tst_ChimeiScroll)
#include "tst_chimeiscroll.moc"
