// SPDX-License-Identifier: GPL-3.0-or-later
// More ticket numbers than cells: the panel's pages of twelve, chosen from
// its pop-up menu, turned by the unit and shown on the real panel. Which
// page shows when is the unit's rule (tests/operation).

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

// The item `caption` of the panel's submenu `menu`.
QAction *menuItem(Form1 &panel, const QString &menu, const QString &caption)
{
    for (QAction *action : panel.zoomMenu()->actions()) {
        if (QMenu *sub = action->menu(); sub && action->text() == menu) {
            for (QAction *choice : sub->actions()) {
                if (choice->text() == caption)
                    return choice;
            }
        }
    }
    return nullptr;
}

// Chooses "1〜N" from the panel's menu of ticket numbers.
void choosePages(Form1 &panel, int tickets)
{
    menuItem(panel, u"表示する整理券番号"_s, u"1〜%1"_s.arg(tickets))->trigger();
}

} // namespace

class tst_TicketPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void theMenuChoosesTheUnitsPages();
    void theUnitsPageShowsItsNumbersAndFares_data();
    void theUnitsPageShowsItsNumbersAndFares();
    void pagesTurnOnTheRealClock();
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

// The menu's choices reach the unit and are remembered; the marks follow.
void tst_TicketPages::theMenuChoosesTheUnitsPages()
{
    Form1 &panel = (*sim_)->form1();
    OperationEngine &unit = (*sim_)->engine();
    choosePages(panel, 24);
    QCOMPARE(unit.ticketPages(), 2);
    QCOMPARE(QSettings(u"kerubara"_s, u"kerubara"_s).value(u"panel/ticketPages"_s).toInt(), 2);
    QAction *five = menuItem(panel, u"切り替え間隔"_s, u"5秒"_s);
    five->trigger();
    QCOMPARE(unit.pageSeconds(), 5);
    QCOMPARE(QSettings(u"kerubara"_s, u"kerubara"_s).value(u"panel/pageSeconds"_s).toInt(), 5);
    QVERIFY(five->isChecked());
    QVERIFY(menuItem(panel, u"表示する整理券番号"_s, u"1〜24"_s)->isChecked());
}

void tst_TicketPages::theUnitsPageShowsItsNumbersAndFares_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<bool>("lateNight");
    QTest::newRow("stop 2") << 2 << false;
    QTest::newRow("late night, stop 3") << 3 << true;
}

void tst_TicketPages::theUnitsPageShowsItsNumbersAndFares()
{
    QFETCH(int, stop);
    QFETCH(bool, lateNight);
    Form1 &panel = (*sim_)->form1();
    const Form1Controls &cells = panel.controlsForTesting();
    choosePages(panel, 24);
    driveTo(stop, lateNight);
    const int factor = lateNight ? 2 : 1;
    auto expectPage = [&](int page) {
        QCOMPARE(panel.ticketPage(), page);
        for (int k = 1; k <= 12; ++k) {
            const int ticket = 12 * page + k;
            QCOMPARE(cells.Degit[k]->Value().toInt(), factor * fareOf(stop, ticket));
            QCOMPARE(cells.lblSeiriNum[k]->text(), toFullWidth(QString::number(ticket)));
        }
    };
    expectPage(0);
    (*sim_)->engine().showTicketPage(1);
    expectPage(1);
    // The next step starts on the first page again.
    QTest::mouseClick((*sim_)->ctl().Command2[1], Qt::LeftButton);
    QCOMPARE(panel.ticketPage(), 0);
}

// The live panel turns by the unit's own timer.
void tst_TicketPages::pagesTurnOnTheRealClock()
{
    Form1 &panel = (*sim_)->form1();
    choosePages(panel, 24);
    (*sim_)->engine().setPageSeconds(1);
    driveTo(2, false);
    QCOMPARE(panel.ticketPage(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(panel.ticketPage(), 1, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(panel.ticketPage(), 0, 2000);
}

// The default (1〜12): the cells stay on tickets 1–12, nothing takes turns,
// and the unit sends no fare beyond the twelfth cell.
void tst_TicketPages::oneTicketPageIsThePanelAsItWas()
{
    Form1 &panel = (*sim_)->form1();
    QCOMPARE((*sim_)->engine().ticketPages(), 1);
    (*sim_)->engine().setPageSeconds(1);
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
        QCOMPARE(panel.controlsForTesting().Degit[k]->Value().toInt(), fareOf(3, k));
    // The strip names that stop too: drawing its name again changes nothing.
    const QImage strip = panel.controlsForTesting().ChimeiCtl->canvas();
    (*sim_)->engine().redrawStopName();
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->canvas(), strip);
    panel.showTicketPage(1);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(panel.controlsForTesting().Degit[k]->Value().toInt(), fareOf(3, 12 + k));
}

QTEST_MAIN(tst_TicketPages)
#include "tst_ticketpages.moc"
