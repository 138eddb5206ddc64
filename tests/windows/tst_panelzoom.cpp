// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/Form1.h"

#include "FakeDialogs.h"
#include "PanelMenu.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/WindowMove.h"
#include "reslib/Clock.h"
#include "reslib/Fonts.h"
#include "reslib/PixelZoom.h"
#include "settings/SettingsLocation.h"
#include "settings/Preferences.h"
#include "windows/Simulator.h"
#include "windows/mdlIniIoEx.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

// The pop-up menu shown by a right click on the panel at `at`, delivered
// through the panel's window as the window system delivers it.
QMenu *rightClickMenu(Form1 &panel, QPoint at)
{
    QTest::mouseClick(panel.windowHandle(), Qt::RightButton, {}, at);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

void choose(QMenu *menu, int factor)
{
    QAction *action = menu->actions().at(factor - 1);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

} // namespace

class tst_PanelZoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuOffersThreeSizesWithTheCurrentOneTicked();
    void menuOpensOverLabelsDigitsAndStripToo_data();
    void menuOpensOverLabelsDigitsAndStripToo();
    void chosenSizeMagnifiesWindowAndControls_data();
    void chosenSizeMagnifiesWindowAndControls();
    void magnifiedPanelIsTheDesignPanelPixelByPixel_data();
    void magnifiedPanelIsTheDesignPanelPixelByPixel();
    void scrollingStripStaysCrispWhenMagnified();
    void cutCornersAndDragStayWhenMagnified_data();
    void cutCornersAndDragStayWhenMagnified();
    void sizeIsRememberedForTheNextRun();
    void fourDigitPanelIsWiderAtEveryZoomAndRemembered_data();
    void fourDigitPanelIsWiderAtEveryZoomAndRemembered();
    void sizeStaysOutOfTheSettingsFile();
    void unusableRememberedSizeGivesTheDesignSize_data();
    void unusableRememberedSizeGivesTheDesignSize();

private:
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scoped_;
};

void tst_PanelZoom::initTestCase()
{
    // Preferences go to a folder of the tests, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_PanelZoom::init()
{
    QSettings(u"kerubara"_s, u"kerubara"_s).clear();
    scoped_ = std::make_unique<ScopedResDialogs>(dialogs_);
    sim_ = std::make_unique<Simulator>();
    sim_->start();
}

void tst_PanelZoom::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    sim_.reset();
    scoped_.reset();
    QSettings(u"kerubara"_s, u"kerubara"_s).clear();
}

void tst_PanelZoom::menuOffersThreeSizesWithTheCurrentOneTicked()
{
    Form1 &panel = sim_->form1();
    QMenu *menu = rightClickMenu(panel, QPoint(10, 150));
    QVERIFY(menu);
    QCOMPARE(menu, panel.zoomMenu());
    const QList<QAction *> actions = menu->actions();
    // The three sizes come first, the pages of ticket numbers after them.
    QVERIFY(actions.size() > 3 && actions[3]->isSeparator());
    QVERIFY(actions[0]->text().contains(u"1×"_s));
    QVERIFY(actions[1]->text().contains(u"2×"_s));
    QVERIFY(actions[2]->text().contains(u"3×"_s));
    QVERIFY(actions[0]->isChecked());
    choose(menu, 2);
    QCOMPARE(panel.zoom(), 2);
    menu = rightClickMenu(panel, QPoint(20, 300));
    QVERIFY(menu);
    QVERIFY(menu->actions()[1]->isChecked());
    QVERIFY(!menu->actions()[0]->isChecked());
}

void tst_PanelZoom::menuOpensOverLabelsDigitsAndStripToo_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("label 3") << QPoint(240, 130);
    QTest::newRow("digit 8") << QPoint(195, 210);
    QTest::newRow("stop-name strip") << QPoint(250, 40);
}

void tst_PanelZoom::menuOpensOverLabelsDigitsAndStripToo()
{
    QFETCH(QPoint, at);
    Form1 &panel = sim_->form1();
    QVERIFY(panel.childAt(at));
    QMenu *menu = rightClickMenu(panel, at);
    QVERIFY(menu);
    choose(menu, 3);
    QCOMPARE(panel.zoom(), 3);
}

void tst_PanelZoom::chosenSizeMagnifiesWindowAndControls_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("1×") << 1;
    QTest::newRow("2×") << 2;
    QTest::newRow("3×") << 3;
}

void tst_PanelZoom::chosenSizeMagnifiesWindowAndControls()
{
    QFETCH(int, factor);
    Form1 &panel = sim_->form1();
    panel.move(40, 60);
    FormPosRecord before;
    panel.GetFormInfo(before);
    choose(rightClickMenu(panel, QPoint(10, 150)), factor == 1 ? 2 : factor);
    if (factor == 1)
        choose(rightClickMenu(panel, QPoint(10, 150)), 1);

    QCOMPARE(panel.size(), QSize(502, 252) * factor);
    QCOMPARE(panel.controlsForTesting().ChimeiCtl->geometry(), zoomedRect(QRect(38, 18, 432, 56), factor));
    QCOMPARE(panel.controlsForTesting().Degit[1]->geometry(), zoomedRect(QRect(105, 143, 57, 29), factor));
    QCOMPARE(panel.controlsForTesting().Degit[12]->geometry(), zoomedRect(QRect(420, 198, 57, 29), factor));
    QCOMPARE(panel.controlsForTesting().lblSeiriNum[7]->geometry(), zoomedRect(QRect(108, 178, 52, 16), factor));
    QCOMPARE(panel.controlsForTesting().lblSeiriNum[7]->font().pixelSize(), 19 * factor);
    // What the digits draw keeps its design size.
    QCOMPARE(panel.controlsForTesting().Degit[1]->image().size(), QSize(57, 29));
    // The window stays where it was, and its stored place is unchanged.
    QCOMPARE(panel.pos(), QPoint(40, 60));
    FormPosRecord after;
    panel.GetFormInfo(after);
    QCOMPARE(after.nLeft, before.nLeft);
    QCOMPARE(after.nTop, before.nTop);
}

void tst_PanelZoom::magnifiedPanelIsTheDesignPanelPixelByPixel_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("2×") << 2;
    QTest::newRow("3×") << 3;
}

void tst_PanelZoom::magnifiedPanelIsTheDesignPanelPixelByPixel()
{
    QFETCH(int, factor);
    Form1 &panel = sim_->form1();
    for (int k = 1; k <= 12; ++k)
        panel.controlsForTesting().Degit[k]->setValue(k * 37);
    panel.controlsForTesting().ChimeiCtl->setTsugiwaMode(1);
    panel.controlsForTesting().ChimeiCtl->SetChimei(u"県庁北口"_s);
    const QImage design = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);

    choose(rightClickMenu(panel, QPoint(10, 150)), factor);
    const QImage magnified = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(magnified.size(), design.size() * factor);

    // Every pixel outside the labels is its design pixel repeated: no
    // smoothing, no shift, no rounding at any block.
    QImage expected = zoomedByWholePixels(design, factor);
    QImage actual = magnified;
    {
        QPainter e(&expected);
        QPainter a(&actual);
        for (int k = 1; k <= 12; ++k) {
            const QRect label = panel.controlsForTesting().lblSeiriNum[k]->geometry();
            e.fillRect(label, Qt::magenta);
            a.fillRect(label, Qt::magenta);
        }
    }
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += actual.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    QCOMPARE(differing, 0);
}

void tst_PanelZoom::scrollingStripStaysCrispWhenMagnified()
{
    qint64 now = 1000;
    const ScopedClock clock([&now] { return now; });
    Form1 &panel = sim_->form1();
    ChimeiCtl_DX *strip = panel.controlsForTesting().ChimeiCtl;
    choose(rightClickMenu(panel, QPoint(10, 150)), 3);
    strip->setSpeed(300);
    strip->SetChimei(u"県立中央病院東口前行き"_s);
    QVERIFY(strip->isScrolling());
    for (qint64 t : {1000, 1400, 2300}) {
        now = t;
        strip->updateScroll();
        const QImage shown = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage design = strip->viewportImage().copy(0, 0, 432, 56);
        QCOMPARE(shown.size(), QSize(1296, 168));
        QCOMPARE(shown, zoomedByWholePixels(design, 3));
    }
    QVERIFY(strip->canvasLeft() < 432);
}

void tst_PanelZoom::cutCornersAndDragStayWhenMagnified_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("2×") << 2;
    QTest::newRow("3×") << 3;
}

void tst_PanelZoom::cutCornersAndDragStayWhenMagnified()
{
    QFETCH(int, factor);
    Form1 &panel = sim_->form1();
    choose(rightClickMenu(panel, QPoint(10, 150)), factor);
    const QRegion mask = panel.mask();
    const int right = panel.width() - 1;
    const int bottom = panel.height() - 1;
    // Each corner loses one design pixel: a factor × factor block.
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        const QPoint inward(corner.x() == 0 ? 1 : -1, corner.y() == 0 ? 1 : -1);
        QVERIFY(!mask.contains(corner));
        QVERIFY(!mask.contains(corner + inward * (factor - 1)));
        QVERIFY(mask.contains(corner + QPoint(inward.x() * factor, 0)));
        QVERIFY(mask.contains(corner + QPoint(0, inward.y() * factor)));
    }
    QCOMPARE(mask, QRegion(panel.rect()) - QRegion(0, 0, factor, factor) - QRegion(right + 1 - factor, 0, factor, factor)
                       - QRegion(0, bottom + 1 - factor, factor, factor)
                       - QRegion(right + 1 - factor, bottom + 1 - factor, factor, factor));

    int moves = 0;
    const ScopedWindowMoveHandler seen([&](QWidget &) { ++moves; });
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 150) * factor);
    QTest::mouseClick(panel.controlsForTesting().Degit[3], Qt::LeftButton, {}, panel.controlsForTesting().Degit[3]->rect().center());
    QCOMPARE(moves, 1);
}

void tst_PanelZoom::sizeIsRememberedForTheNextRun()
{
    choose(rightClickMenu(sim_->form1(), QPoint(10, 150)), 3);
    sim_.reset();
    QCOMPARE(PreferenceStore(Preferences::Remembered).number(Preference::PanelZoom), 3);

    sim_ = std::make_unique<Simulator>();
    QCOMPARE(sim_->form1().zoom(), 1); // nothing happens before start-up
    sim_->start();
    QCOMPARE(sim_->form1().zoom(), 3);
    QCOMPARE(sim_->form1().size(), QSize(1506, 756));
    QCOMPARE(sim_->form1().pos(), QPoint(0, 0));
}

void tst_PanelZoom::fourDigitPanelIsWiderAtEveryZoomAndRemembered_data()
{
    QTest::addColumn<int>("factor");
    QTest::newRow("1×") << 1;
    QTest::newRow("2×") << 2;
    QTest::newRow("3×") << 3;
}

// Fare cells of four digits widen the panel by six digit positions at any
// zoom, with the cut corners at its new edge, and come back at the next run.
void tst_PanelZoom::fourDigitPanelIsWiderAtEveryZoomAndRemembered()
{
    QFETCH(int, factor);
    if (factor > 1)
        choose(rightClickMenu(sim_->form1(), QPoint(10, 150)), factor);
    for (int run = 0; run < 2; ++run) {
        Form1 &panel = sim_->form1();
        if (run == 0)
            testing::chooseFareDigits(panel, 4);
        QCOMPARE(panel.fareDigits(), 4);
        QCOMPARE(panel.size(), QSize(616, 252) * factor);
        QCOMPARE(panel.controlsForTesting().Degit[12]->geometry(), zoomedRect(QRect(515, 198, 76, 29), factor));
        QCOMPARE(panel.controlsForTesting().lblSeiriNum[12]->geometry(), zoomedRect(QRect(518, 178, 71, 16), factor));
        QVERIFY(!panel.mask().contains(QPoint(616 * factor - 1, 0)));
        QVERIFY(panel.mask().contains(QPoint(616 * factor - 1, factor)));
        sim_.reset();
        QCOMPARE(PreferenceStore(Preferences::Remembered).number(Preference::FareDigits), 4);
        sim_ = std::make_unique<Simulator>();
        sim_->start();
    }
    testing::chooseFareDigits(sim_->form1(), 3);
    QCOMPARE(sim_->form1().size(), QSize(502, 252) * factor);
    QCOMPARE(PreferenceStore(Preferences::Remembered).number(Preference::FareDigits), 3);
}

void tst_PanelZoom::sizeStaysOutOfTheSettingsFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"zoom.in4"_s);
    auto saved = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    sim_.reset();
    sim_ = std::make_unique<Simulator>(settingsFilePaths(file));
    sim_->start();
    sim_->form1().move(30, 45);
    SaveIniInfo(*sim_);
    const QByteArray atDesignSize = saved();
    QVERIFY(!atDesignSize.isEmpty());

    choose(rightClickMenu(sim_->form1(), QPoint(10, 150)), 3);
    SaveIniInfo(*sim_);
    QCOMPARE(saved(), atDesignSize);

    // Read back at 3×, the panel goes to the saved place, unscaled.
    sim_.reset();
    sim_ = std::make_unique<Simulator>(settingsFilePaths(file));
    sim_->start();
    QCOMPARE(sim_->form1().zoom(), 3);
    QCOMPARE(sim_->form1().pos(), QPoint(30, 45));
}

void tst_PanelZoom::unusableRememberedSizeGivesTheDesignSize_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("0") << QVariant(0);
    QTest::newRow("4") << QVariant(4);
    QTest::newRow("text") << QVariant(u"large"_s);
}

void tst_PanelZoom::unusableRememberedSizeGivesTheDesignSize()
{
    QFETCH(QVariant, stored);
    sim_.reset();
    QSettings(u"kerubara"_s, u"kerubara"_s).setValue(u"panel/zoom"_s, stored);
    sim_ = std::make_unique<Simulator>();
    sim_->start();
    QCOMPARE(sim_->form1().zoom(), 1);
    QCOMPARE(sim_->form1().size(), QSize(502, 252));
}

QTEST_MAIN(tst_PanelZoom)
#include "tst_panelzoom.moc"
