// SPDX-License-Identifier: GPL-3.0-or-later
// The panel beside the fare editor: the very pixels the program draws for a
// stop reached by the driver, redrawn only when what it shows changes,
// magnified by whole factors, and silent and still.

#include "windows/FarePanelView.h"

#include "FareBytes.h"
#include "SettingsBytes.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "operation/OperationEngine.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "sound/AudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "windows/Form1.h"
#include "windows/PanelSnapshot.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

// A route of `stops` stops and `tickets` ticket numbers: stop s issues ticket
// s; the fare of ticket k there is 100 + 10 s + k, -1 for a ticket not
// issued yet. Stop 4's name is too long for the strip.
std::vector<FareRecord> route(int stops, int tickets)
{
    std::vector<FareRecord> records(static_cast<std::size_t>(stops));
    for (int s = 1; s <= stops; ++s) {
        FareRecord &r = records[static_cast<std::size_t>(s - 1)];
        r.Chimei = s == 4 ? u"市役所前・中央図書館・文化会館・総合運動公園入口"_s : u"停留所%1"_s.arg(s);
        r.SeirikenNo = static_cast<std::int16_t>(s);
        for (int k = 1; k <= tickets; ++k)
            r.Col(k) = static_cast<std::int16_t>(k <= s ? 100 + 10 * s + k : -1);
    }
    return records;
}

QByteArray fileBytes(const std::vector<FareRecord> &records)
{
    std::vector<testing::StopBytes> stops;
    for (const FareRecord &r : records)
        stops.push_back({cp932::encode(r.Chimei), r.SeirikenNo, {r.cols.begin(), r.cols.end()}});
    return testing::fareFileBytes(static_cast<std::int16_t>(records.size()), stops);
}

// The panel as the data tool's render-panel draws it: the program started
// offscreen without a settings file, the stop reached by the driver from
// route setting, the name from its start, page `page` (1-based) on show;
// with the settings file and backlight state given, if any.
QImage renderedPanel(const QString &fareFile, int stop, bool lateNight, int page, const QString &settings,
                     int backlight)
{
    const ScopedAudioOutput silent([] { return std::make_unique<NullAudioOutput>(); });
    const ScopedSpeechEngine noVoice([](SoundSystem &) { return std::unique_ptr<SpeechEngine>(); });
    const ScopedMsgBoxHandler boxes([](const MsgBoxCall &) { return int(vbOK); });
    const ScopedSleepHandler noWait([](int) {});
    std::optional<SettingsFilePaths> file;
    if (!settings.isEmpty()) {
        file = settingsFilePaths(settings);
        file->saves = false;
    }
    const auto sim = std::make_unique<Simulator>(file, Preferences::Defaults);
    sim->form1().setAttribute(Qt::WA_DontShowOnScreen);
    sim->ctl().setAttribute(Qt::WA_DontShowOnScreen);
    sim->start();
    sim->form1().setZoom(1);
    if (page > sim->engine().ticketPages())
        sim->engine().setTicketPages(page);
    sim->ctl().Option4[static_cast<std::size_t>(backlight)]->setChecked(true);
    sim->applyPanelSettings();
    if (lateNight)
        sim->ctl().Check2->setChecked(true);
    reachStop(sim->engine(), fareFile, 1, stop);
    sim->form1().stopScrolling();
    sim->engine().showTicketPage(page - 1);
    return panelImage(sim->form1());
}

} // namespace

class tst_FarePanelView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsWhatTheProgramDraws_data();
    void showsWhatTheProgramDraws();
    void redrawsOnlyWhatChanges_data();
    void redrawsOnlyWhatChanges();
    void blankWithoutTheStop_data();
    void blankWithoutTheStop();
    void magnifiesByWholeFactors_data();
    void magnifiesByWholeFactors();
    void staysSilentAndStill();
};

void tst_FarePanelView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_FarePanelView::showsWhatTheProgramDraws_data()
{
    QTest::addColumn<int>("tickets");
    QTest::addColumn<int>("stop");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<int>("page"); // the page the view chooses, 1-based
    QTest::addColumn<QByteArray>("settings"); // a settings file, if any
    QTest::addColumn<int>("backlight");
    QTest::newRow("first stop, no prefix") << 12 << 1 << false << 1 << QByteArray() << 0;
    QTest::newRow("a later stop, fares and -1") << 12 << 3 << false << 1 << QByteArray() << 0;
    QTest::newRow("a long name from its start") << 12 << 4 << false << 1 << QByteArray() << 0;
    QTest::newRow("late night doubles the fares") << 12 << 5 << true << 1 << QByteArray() << 0;
    QTest::newRow("24 tickets: the page of the stop's ticket") << 24 << 15 << false << 2 << QByteArray() << 0;
    QTest::newRow("24 tickets: a stop of the first page") << 24 << 7 << false << 1 << QByteArray() << 0;
    QTest::newRow("24 tickets at night") << 24 << 20 << true << 2 << QByteArray() << 0;
    // 次は before the name, other colours, numbering style and digit format,
    // the ticket number in cell 12, a backlight on.
    const QByteArray user = testing::SettingsBuilder::initial()
                                .set("Combo6", 1)
                                .set("Command8(2)", 0x00FF00)
                                .set("Command9(1)", 0xFF8000)
                                .set("Combo2", 3)
                                .set("DegitUser(2).FillZero", 1)
                                .set("Check3(1)", 1)
                                .set("Combo4(1)", 11)
                                .bytes();
    QTest::newRow("the user's settings") << 12 << 3 << false << 1 << user << 1;
    QTest::newRow("the user's settings, 24 tickets") << 24 << 14 << false << 2 << user << 2;
}

void tst_FarePanelView::showsWhatTheProgramDraws()
{
    QFETCH(int, tickets);
    QFETCH(int, stop);
    QFETCH(bool, lateNight);
    QFETCH(int, page);
    QFETCH(QByteArray, settings);
    QFETCH(int, backlight);
    const std::vector<FareRecord> stops = route(tickets == 12 ? 6 : 20, tickets);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"12.hy3"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes(stops));
    file.close();

    QString settingsFile;
    FarePanelView view;
    // Another stop first: what the view showed before leaves no trace.
    view.showStop(stops, 2);
    view.setLateNight(lateNight);
    view.showStop(stops, stop);
    // The stop on show takes the settings at once.
    if (!settings.isEmpty()) {
        settingsFile = dir.filePath(u"user.in4"_s);
        QFile in4(settingsFile);
        QVERIFY(in4.open(QIODevice::WriteOnly));
        in4.write(settings);
        in4.close();
        view.useSettings(settingsfile::read(settings).records, backlight);
    }
    QCOMPARE(view.ticketPage(), page - 1);
    const QImage expected = renderedPanel(file.fileName(), stop, lateNight, page, settingsFile, backlight);
    QCOMPARE(view.image().size(), expected.size());
    QVERIFY(view.image().convertToFormat(QImage::Format_RGB32) == expected);
}

// What changes between two showStop() calls, whether the unit is asked
// again and whether the panel is drawn again.
void tst_FarePanelView::redrawsOnlyWhatChanges_data()
{
    QTest::addColumn<int>("stop");   // shown second
    QTest::addColumn<int>("row");    // the row changed, 0 none
    QTest::addColumn<int>("column"); // its column changed, 0 the name
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("redrawn");
    QTest::newRow("the same again") << 3 << 0 << 0 << false << false << false;
    QTest::newRow("a fare of the stop") << 3 << 3 << 2 << false << true << true;
    QTest::newRow("the stop's name") << 3 << 3 << 0 << false << true << true;
    QTest::newRow("a fare of another stop") << 3 << 5 << 2 << false << false << false;
    QTest::newRow("a column the unit does not show") << 3 << 3 << 100 << false << true << false;
    QTest::newRow("another stop") << 4 << 0 << 0 << false << true << true;
    QTest::newRow("late night") << 3 << 0 << 0 << true << true << true;
}

void tst_FarePanelView::redrawsOnlyWhatChanges()
{
    QFETCH(int, stop);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, lateNight);
    QFETCH(bool, asked);
    QFETCH(bool, redrawn);
    std::vector<FareRecord> stops = route(6, 12);
    FarePanelView view;
    view.showStop(stops, 3);
    const QImage before = view.image();
    if (row > 0) {
        FareRecord &r = stops[static_cast<std::size_t>(row - 1)];
        if (column == 0)
            r.Chimei += u"前"_s;
        else
            r.Col(column) = static_cast<std::int16_t>(r.Col(column) + 10);
    }
    int told = 0;
    connect(view.findChild<OperationEngine *>(), &OperationEngine::fareShown, this, [&told] { ++told; });
    view.setLateNight(lateNight);
    view.showStop(stops, stop);
    QCOMPARE(told > 0, asked);
    QCOMPARE(view.image().cacheKey() != before.cacheKey(), redrawn);
    QCOMPARE(view.image() != before, redrawn);
}

void tst_FarePanelView::blankWithoutTheStop_data()
{
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("stop");
    QTest::newRow("stop 0") << 6 << 0;
    QTest::newRow("beyond the last stop") << 6 << 7;
    QTest::newRow("no stops") << 0 << 1;
}

void tst_FarePanelView::blankWithoutTheStop()
{
    QFETCH(int, stops);
    QFETCH(int, stop);
    const FarePanelView fresh;
    FarePanelView view;
    view.showStop(route(20, 24), 15);
    view.showStop(route(stops, 12), stop);
    QCOMPARE(view.ticketPage(), 0);
    QVERIFY(view.image() == fresh.image());
}

void tst_FarePanelView::magnifiesByWholeFactors_data()
{
    QTest::addColumn<double>("widths"); // of the panel at 1×
    QTest::addColumn<int>("zoom");
    QTest::newRow("as wide as the panel") << 1.0 << 1;
    QTest::newRow("a little less than twice") << 1.9 << 1;
    QTest::newRow("twice") << 2.0 << 2;
    QTest::newRow("beyond three times") << 3.5 << 3;
    QTest::newRow("far beyond") << 8.0 << 3;
    QTest::newRow("narrower: reduced") << 0.6 << 1;
}

void tst_FarePanelView::magnifiesByWholeFactors()
{
    QFETCH(double, widths);
    QFETCH(int, zoom);
    FarePanelView view;
    const std::vector<FareRecord> stops = route(6, 12);
    view.showStop(stops, 3);
    const QSize design = view.image().size();
    const int width = static_cast<int>(design.width() * widths);
    view.resize(width, view.heightForWidth(width));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.zoom(), zoom);
    QCOMPARE(view.image().size(), design * zoom);
    QCOMPARE(view.height(), widths < 1 ? design.height() * width / design.width() : design.height() * zoom);

    // Dot for dot where the pane holds it: what the window shows is the panel.
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (widths >= 1) {
        const QRect at(QPoint((view.width() - view.image().width()) / 2, 0), view.image().size());
        QVERIFY(shown.copy(at) == view.image().convertToFormat(QImage::Format_RGB32));
    } else {
        QCOMPARE(shown.size(), view.size());
    }
}

// Nothing sounds, turns, scrolls or opens, also with pages and a long name.
void tst_FarePanelView::staysSilentAndStill()
{
    const std::vector<FareRecord> stops = route(20, 24);
    FarePanelView view;
    OperationEngine &unit = *view.findChild<OperationEngine *>();
    Form1 *panel = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        panel = panel ? panel : qobject_cast<Form1 *>(window);
    QVERIFY(panel);
    QStringList commands;
    unit.sound().setCommandLog([&commands](const QString &command) { commands << command; });
    const QWidgetList before = QApplication::topLevelWidgets();
    for (const int stop : {15, 1, 20, 4})
        view.showStop(stops, stop);
    QVERIFY2(commands.isEmpty(), qPrintable(commands.join(u'|')));
    auto &output = static_cast<NullAudioOutput &>(unit.sound().output());
    output.pump(8);
    QVERIFY(std::all_of(output.captured().begin(), output.captured().end(), [](float s) { return s == 0.0f; }));
    for (const QTimer *timer : unit.findChildren<QTimer *>())
        QVERIFY(!timer->isActive());
    for (const QTimer *timer : panel->findChildren<QTimer *>())
        QVERIFY(!timer->isActive());
    QVERIFY(!panel->controlsForTesting().ChimeiCtl->isScrolling());
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->metaObject()->className()));
    QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
}

QTEST_MAIN(tst_FarePanelView)
#include "tst_farepanelview.moc"
