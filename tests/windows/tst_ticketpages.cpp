// SPDX-License-Identifier: GPL-3.0-or-later
// More ticket numbers than cells: the panel's pages of twelve, chosen from
// its pop-up menu, taking turns on the real panel.

#include "windows/Form1.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "QuietSimulator.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"
#include "windows/mdlzed_000.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

// Four stops and 24 ticket numbers: tickets 1–12 cost 100 × stop + k from
// the first stop on; tickets 13–24 are issued from stop 2 on (0 before) and
// cost 1000 + 10 × stop + k.
QByteArray routeOf24()
{
    std::vector<testing::StopBytes> stops;
    for (int stop = 1; stop <= 4; ++stop) {
        testing::StopBytes s;
        s.name = QByteArray("\x92\xE2") + QByteArray::number(stop);
        s.ticket = static_cast<std::int16_t>(stop);
        for (int k = 1; k <= 24; ++k)
            s.cols.push_back(static_cast<std::int16_t>(k <= 12 ? 100 * stop + k : stop == 1 ? 0 : 1000 + 10 * stop + k));
        stops.push_back(s);
    }
    return testing::fareFileBytes(4, stops);
}

int fareOf(int stop, int ticket)
{
    return ticket <= 12 ? 100 * stop + ticket : stop == 1 ? 0 : 1000 + 10 * stop + ticket;
}

// Chooses "1〜N" from the panel's menu of ticket numbers.
void choosePages(Form1 &panel, int tickets)
{
    for (QAction *action : panel.zoomMenu()->actions()) {
        if (QMenu *sub = action->menu(); sub && action->text() == u"表示する整理券番号"_s) {
            for (QAction *choice : sub->actions()) {
                if (choice->text() == u"1〜%1"_s.arg(tickets))
                    choice->trigger();
            }
        }
    }
}

} // namespace

class tst_TicketPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void pagesTakeTurnsWithTheirNumbersAndFares_data();
    void pagesTakeTurnsWithTheirNumbersAndFares();
    void oneTicketPageIsThePanelAsItWas();
    void aStepArrivingWhileThePagesRedrawWaitsItsTurn();

private:
    void driveTo(int stop, bool lateNight);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::QuietSimulator> sim_;
};

void tst_TicketPages::init()
{
    QSettings(u"kerubara"_s, u"kerubara"_s).clear();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(testing::writeFile(dir_->filePath(u"12.hy3"_s), routeOf24()));
    sim_ = std::make_unique<testing::QuietSimulator>();
    controls((*sim_)->option()).Text2[0]->setText(dir_->path());
}

void tst_TicketPages::cleanup()
{
    sim_.reset();
    dir_.reset();
    QSettings(u"kerubara"_s, u"kerubara"_s).clear();
}

void tst_TicketPages::driveTo(int stop, bool lateNight)
{
    frmCtl &c = (*sim_)->ctl();
    if (lateNight)
        c.Check2->click();
    (*sim_)->engine().setRoute(u"12"_s, u"1"_s);
    for (int s = 1; s < stop; ++s)
        QTest::mouseClick(c.Command2[1], Qt::LeftButton);
    QCOMPARE((*sim_)->state.nStopPos, std::int16_t(stop - 1));
}

void tst_TicketPages::pagesTakeTurnsWithTheirNumbersAndFares_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<QList<int>>("turns"); // the page shown after each turn
    QTest::newRow("stop 2: tickets 13-24, then 1-12 again") << 2 << false << QList<int>{1, 0, 1};
    QTest::newRow("stop 1: tickets 13-24 not issued yet, the page is skipped") << 1 << false << QList<int>{0, 0};
    QTest::newRow("late night: the second page doubled too") << 3 << true << QList<int>{1, 0};
}

void tst_TicketPages::pagesTakeTurnsWithTheirNumbersAndFares()
{
    QFETCH(int, stop);
    QFETCH(bool, lateNight);
    QFETCH(QList<int>, turns);
    Form1 &panel = (*sim_)->form1();
    choosePages(panel, 24);
    QCOMPARE(panel.ticketPages(), 2);
    QCOMPARE(QSettings(u"kerubara"_s, u"kerubara"_s).value(u"panel/ticketPages"_s).toInt(), 2);
    panel.setPageSeconds(1);
    driveTo(stop, lateNight);
    const int factor = lateNight ? 2 : 1;

    auto expectPage = [&](int page) {
        QCOMPARE(panel.ticketPage(), page);
        for (int k = 1; k <= 12; ++k) {
            const int ticket = 12 * page + k;
            QCOMPARE(panel.Degit[k]->Value().toInt(), factor * fareOf(stop, ticket));
            QCOMPARE(panel.lblSeiriNum[k]->text(), toFullWidth(QString::number(ticket)));
        }
    };
    expectPage(0); // a stop starts on the first page
    for (const int page : turns) {
        QTest::qWait(panel.pageSeconds() * 1000 + 150);
        expectPage(page);
        if (QTest::currentTestFailed())
            return;
    }
    // The next step starts on the first page again.
    if (stop < 4) {
        QTest::mouseClick((*sim_)->ctl().Command2[1], Qt::LeftButton);
        QCOMPARE(panel.ticketPage(), 0);
    }
}

// The default (1〜12): the cells stay on tickets 1–12, nothing takes turns,
// and the unit sends no fare beyond the twelfth cell.
void tst_TicketPages::oneTicketPageIsThePanelAsItWas()
{
    Form1 &panel = (*sim_)->form1();
    QCOMPARE(panel.ticketPages(), 1);
    panel.setPageSeconds(1);
    int beyondTwelve = 0;
    connect(&(*sim_)->engine(), &OperationEngine::fareShown, this, [&](int cell, int) { beyondTwelve += cell > 12; });
    for (int stop = 1; stop <= 3; ++stop) {
        if (stop == 1)
            driveTo(1, false);
        else
            QTest::mouseClick((*sim_)->ctl().Command2[1], Qt::LeftButton);
        const QImage shown = panel.grab().toImage();
        QTest::qWait(1300);
        QCOMPARE(panel.grab().toImage(), shown);
        QCOMPARE(panel.ticketPage(), 0);
    }
    QCOMPARE(beyondTwelve, 0);
}

// Choosing the pages redraws the stop, letting pending messages run: a step
// clicked meanwhile is carried out after it, and the panel ends on the stop
// the unit is at.
void tst_TicketPages::aStepArrivingWhileThePagesRedrawWaitsItsTurn()
{
    Form1 &panel = (*sim_)->form1();
    driveTo(2, false);
    QMetaObject::invokeMethod((*sim_)->ctl().Command2[1], &QAbstractButton::click, Qt::QueuedConnection);
    choosePages(panel, 24);
    QTRY_COMPARE((*sim_)->state.nStopPos, std::int16_t(2));
    QVERIFY(!(*sim_)->engine().isBusy());
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(panel.Degit[k]->Value().toInt(), fareOf(3, k));
    // The strip names that stop too: drawing its name again changes nothing.
    const QImage strip = panel.ChimeiCtl->canvas();
    (*sim_)->engine().redrawStopName();
    QCOMPARE(panel.ChimeiCtl->canvas(), strip);
    panel.showTicketPage(1);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(panel.Degit[k]->Value().toInt(), fareOf(3, 12 + k));
}

QTEST_MAIN(tst_TicketPages)
#include "tst_ticketpages.moc"
