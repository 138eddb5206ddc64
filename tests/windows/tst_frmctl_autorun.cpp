// SPDX-License-Identifier: GPL-3.0-or-later
// The console's 自動運行: the button runs the trip by itself to the last
// stop; an operating button the driver presses is carried out and ends it;
// its times are remembered.

#include "windows/AutoRunPanel.h"
#include "windows/frmCtl.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "QuietSimulator.h"
#include "TestFiles.h"
#include "operation/AutoRun.h"
#include "reslib/Cp932.h"
#include "windows/frmOption.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

QByteArray route(int n)
{
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= n; ++s) {
        testing::StopBytes stop;
        stop.name = cp932::encode(QStringLiteral("停%1").arg(s));
        stop.cols.assign(12, static_cast<std::int16_t>(100 * s));
        stops.push_back(stop);
    }
    return testing::fareFileBytes(static_cast<std::int16_t>(n), stops);
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class tst_frmCtlAutoRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void driverPressEndsTheRun_data();
    void driverPressEndsTheRun();
    void timesAreRemembered();
};

void tst_frmCtlAutoRun::driverPressEndsTheRun_data()
{
    QTest::addColumn<QString>("press"); // the driver's button; none when started by the key
    QTest::addColumn<int>("stopAfter"); // where the bus stands at the end
    QTest::newRow("started by key A, no press: to the last stop") << QStringLiteral("key A") << 6;
    QTest::newRow("データ戻し: one stop back, and no further run") << QStringLiteral("back") << 2;
    QTest::newRow("表示消去 ends it too") << QStringLiteral("clear") << 3;
}

void tst_frmCtlAutoRun::driverPressEndsTheRun()
{
    QFETCH(QString, press);
    QFETCH(int, stopAfter);
    QTemporaryDir dir;
    QVERIFY(testing::writeFile(dir.filePath(QStringLiteral("12.hy3")), route(6)));
    testing::QuietSimulator sim;
    frmCtl &console = sim->ctl();
    controls(sim->option()).Text2[0]->setText(dir.path());
    AutoRunPanel &autoRun = *console.autoRun;
    QVERIFY(!autoRun.button()->isEnabled());
    sim->engine().setRoute(QStringLiteral("12"), QStringLiteral("1"));
    QVERIFY(autoRun.button()->isEnabled());
    autoRun.dwellSeconds()->setValue(0);
    autoRun.travelSeconds()->setValue(0);

    if (press == u"key A")
        QTest::keyClick(&console, Qt::Key_A);
    else
        click(autoRun.button());
    QVERIFY(autoRun.isRunning());
    if (press == u"key A") {
        QTRY_VERIFY(!autoRun.isRunning());
    } else {
        QTRY_COMPARE(sim->state.nStopPos + 1, 3);
        click(press == u"back" ? static_cast<QWidget *>(console.Command2[0]) : console.Check1);
        QVERIFY(!autoRun.isRunning());
        QTest::qWait(3 * AutoRun::kPollMs);
    }
    QCOMPARE(sim->state.nStopPos + 1, stopAfter);
    QVERIFY(!autoRun.button()->isChecked());
}

void tst_frmCtlAutoRun::timesAreRemembered()
{
    {
        testing::QuietSimulator sim;
        sim->ctl().autoRun->dwellSeconds()->setValue(7);
        sim->ctl().autoRun->travelSeconds()->setValue(11);
    }
    testing::QuietSimulator again;
    QCOMPARE(again->ctl().autoRun->dwellSeconds()->value(), 7);
    QCOMPARE(again->ctl().autoRun->travelSeconds()->value(), 11);
}

QTEST_MAIN(tst_frmCtlAutoRun)
#include "tst_frmctl_autorun.moc"
