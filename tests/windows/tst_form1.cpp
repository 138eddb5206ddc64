// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Form1.h"

#include "FakeDialogs.h"
#include "PanelMenu.h"
#include "FareBytes.h"
#include "OptionControls.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/WindowMove.h"
#include "reslib/MsgBox.h"
#include "reslib/ProgramInfo.h"
#include "reslib/Seams.h"
#include "reslib/Units.h"
#include "windows/PanelPicture.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void startUpPlacesAndShapesTheWindows();
    void builtInPictureFollowsTheFaceDescription_data();
    void builtInPictureFollowsTheFaceDescription();
    void allThreeBacklightHoldersGetTheBuiltInPicture();
    void fourDigitCellsShowFaresWhole_data();
    void fourDigitCellsShowFaresWhole();
    void digitDoubleClickCopiesTheFormatToAllFares();
    void cancelledFormatDialogChangesNothing();
    void digitWithoutUserSetOpensNoDialog();
    void setPropWritesLabelsDigitsAndStrip();
    void hiddenLabelsStillGetNumbersAndColours();
    void labelOneTakesThePointSizeOfItsStyle_data();
    void labelOneTakesThePointSizeOfItsStyle();
    void setPropAppliesTheBacklightAgain();
    void onlyThePanelSurfaceStartsADrag_data();
    void onlyThePanelSurfaceStartsADrag();

private:
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scoped_;
};

void tst_Form1::init()
{
    // The fare digits chosen in a test are remembered: each starts afresh.
    QSettings(QStringLiteral("kerubara"), QStringLiteral("kerubara")).clear();
    dialogs_ = testing::FakeDialogs{};
    scoped_ = std::make_unique<ScopedResDialogs>(dialogs_);
    sim_ = std::make_unique<Simulator>();
    sim_->start();
}

void tst_Form1::cleanup()
{
    sim_.reset();
    scoped_.reset();
}

void tst_Form1::controlsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<int>("fareDigits");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("stop-name strip") << 3 << "ChimeiCtl" << QRect(38, 18, 432, 56);
    QTest::newRow("label 1") << 3 << "lbl1" << QRect(108, 122, 52, 16);
    QTest::newRow("label 6") << 3 << "lbl6" << QRect(423, 122, 52, 16);
    QTest::newRow("label 7") << 3 << "lbl7" << QRect(108, 178, 52, 16);
    QTest::newRow("label 12") << 3 << "lbl12" << QRect(423, 178, 52, 16);
    QTest::newRow("digit 1") << 3 << "deg1" << QRect(105, 143, 57, 29);
    QTest::newRow("digit 4") << 3 << "deg4" << QRect(293, 143, 57, 29);
    QTest::newRow("digit 7") << 3 << "deg7" << QRect(105, 198, 57, 29);
    QTest::newRow("digit 12") << 3 << "deg12" << QRect(420, 198, 57, 29);
    QTest::newRow("hidden digit 0") << 3 << "deg0" << QRect(140, 2, 52, 20);
    QTest::newRow("clock hours") << 3 << "time0" << QRect(363, 2, 26, 20);
    QTest::newRow("clock minutes") << 3 << "time1" << QRect(390, 2, 26, 20);
    // Four digits: each cell 19 pixels wider, the cells before it move it
    // right; the strip and the clock move by half the growth (57).
    QTest::newRow("4 digits: strip in the middle") << 4 << "ChimeiCtl" << QRect(95, 18, 432, 56);
    QTest::newRow("4 digits: label 1") << 4 << "lbl1" << QRect(108, 122, 71, 16);
    QTest::newRow("4 digits: label 12") << 4 << "lbl12" << QRect(518, 178, 71, 16);
    QTest::newRow("4 digits: digit 1") << 4 << "deg1" << QRect(105, 143, 76, 29);
    QTest::newRow("4 digits: digit 4") << 4 << "deg4" << QRect(350, 143, 76, 29);
    QTest::newRow("4 digits: digit 12") << 4 << "deg12" << QRect(515, 198, 76, 29);
    QTest::newRow("4 digits: hidden digit 0") << 4 << "deg0" << QRect(197, 2, 52, 20);
    QTest::newRow("4 digits: clock minutes") << 4 << "time1" << QRect(447, 2, 26, 20);
}

void tst_Form1::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(int, fareDigits);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    Form1 &f = sim_->form1();
    testing::chooseFareDigits(f, fareDigits);
    QCOMPARE(f.fareDigits(), fareDigits);
    QCOMPARE(f.size(), QSize(fareDigits == 3 ? 502 : 616, 252));
    QWidget *w = nullptr;
    if (control == "ChimeiCtl")
        w = f.controlsForTesting().ChimeiCtl;
    else if (control.startsWith("lbl"))
        w = f.controlsForTesting().lblSeiriNum[static_cast<std::size_t>(control.mid(3).toInt())];
    else if (control.startsWith("deg"))
        w = f.controlsForTesting().Degit[static_cast<std::size_t>(control.mid(3).toInt())];
    else
        w = f.controlsForTesting().TimeDegit[static_cast<std::size_t>(control.mid(4).toInt())];
    QCOMPARE(w->geometry(), geometry);
}

void tst_Form1::startUpPlacesAndShapesTheWindows()
{
    Form1 &f = sim_->form1();
    QCOMPARE(f.size(), QSize(502, 252));
    QCOMPARE(f.pos(), QPoint(0, 0));
    QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(f.isVisible());
    QVERIFY(sim_->ctl().isVisible());
    QCOMPARE(f.windowTitle(), QStringLiteral("ケルバラケーション - 型番:") + programFileName());
    // Rounded corners: the very corner pixels are cut off, the edges are not.
    const QRegion mask = f.mask();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(501, 251)));
    QVERIFY(mask.contains(QPoint(250, 0)));
    QVERIFY(mask.contains(QPoint(0, 126)));
    QVERIFY(mask.contains(QPoint(2, 2)));
    QVERIFY(!f.controlsForTesting().Degit[0]->isVisibleTo(&f));
    QVERIFY(!f.controlsForTesting().TimeDegit[0]->isVisibleTo(&f));
    QVERIFY(!f.controlsForTesting().Timer1->isActive());
}

void tst_Form1::builtInPictureFollowsTheFaceDescription_data()
{
    QTest::addColumn<int>("fareDigits");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("color");
    QTest::newRow("frame") << 3 << QPoint(10, 240) << QColor(222, 222, 214);
    QTest::newRow("face") << 3 << QPoint(30, 100) << QColor(Qt::black);
    QTest::newRow("stop-name window") << 3 << QPoint(40, 21) << QColor(128, 128, 128);
    QTest::newRow("table rule y 119") << 3 << QPoint(60, 119) << QColor(Qt::white);
    QTest::newRow("row rule y 174") << 3 << QPoint(200, 174) << QColor(Qt::white);
    QTest::newRow("caption rule x 101") << 3 << QPoint(101, 150) << QColor(Qt::white);
    QTest::newRow("cell rule x 164") << 3 << QPoint(164, 200) << QColor(Qt::white);
    QTest::newRow("cell rule x 416") << 3 << QPoint(416, 130) << QColor(Qt::white);
    QTest::newRow("label band") << 3 << QPoint(130, 121) << QColor(Qt::black);
    QTest::newRow("between a digit area and its rule") << 3 << QPoint(163, 143) << QColor(Qt::black);
    QTest::newRow("4 digits: the fourth digit's area") << 4 << QPoint(163, 143) << QColor(40, 40, 40);
    QTest::newRow("4 digits: cell rule x 183") << 4 << QPoint(183, 200) << QColor(Qt::white);
    QTest::newRow("4 digits: cell rule x 511") << 4 << QPoint(511, 130) << QColor(Qt::white);
    QTest::newRow("4 digits: face to x 591") << 4 << QPoint(591, 100) << QColor(Qt::black);
    QTest::newRow("4 digits: frame right of it") << 4 << QPoint(600, 100) << QColor(222, 222, 214);
    QTest::newRow("4 digits: stop-name window moved") << 4 << QPoint(97, 21) << QColor(128, 128, 128);
    QTest::newRow("4 digits: the face left of it") << 4 << QPoint(60, 21) << QColor(Qt::black);
}

void tst_Form1::builtInPictureFollowsTheFaceDescription()
{
    QFETCH(int, fareDigits);
    QFETCH(QPoint, at);
    QFETCH(QColor, color);
    const QImage image = drawBuiltInPanel(fareDigits).toImage();
    QCOMPARE(image.size(), QSize(fareDigits == 3 ? 502 : 616, 252));
    QCOMPARE(image.pixelColor(at), color);
    // The panel shows that face once its cells have as many digits.
    testing::chooseFareDigits(sim_->form1(), fareDigits);
    QCOMPARE(sim_->form1().Picture().toImage(), image);
}

void tst_Form1::allThreeBacklightHoldersGetTheBuiltInPicture()
{
    Form1 &f = sim_->form1();
    const QImage built = drawBuiltInPanel().toImage();
    for (const QPixmap &p : f.controlsForTesting().imgRes)
        QCOMPARE(p.toImage(), built);
    QCOMPARE(f.Picture().toImage(), built);
}

// A fare of the route as the unit shows it: three digits show the last
// three of a fare of 1 000 or more, four show it whole, also a late-night
// fare doubled up to 9 998; drawn by the same digit control with four
// positions.
void tst_Form1::fourDigitCellsShowFaresWhole_data()
{
    QTest::addColumn<int>("fareDigits");
    QTest::addColumn<int>("fare");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three digits: 1 020 as 020") << 3 << 1020 << false << "020";
    QTest::newRow("four digits: 1 020") << 4 << 1020 << false << "1020";
    QTest::newRow("three digits: 600 at night as 200") << 3 << 600 << true << "200";
    QTest::newRow("four digits: 600 at night") << 4 << 600 << true << "1200";
    QTest::newRow("four digits: 4 999 at night") << 4 << 4999 << true << "9998";
}

void tst_Form1::fourDigitCellsShowFaresWhole()
{
    QFETCH(int, fareDigits);
    QFETCH(int, fare);
    QFETCH(bool, lateNight);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    std::vector<testing::StopBytes> stops(2);
    for (testing::StopBytes &stop : stops) {
        stop.name = QByteArray("\x92\xE2");
        stop.cols = {static_cast<std::int16_t>(fare)};
    }
    QVERIFY(testing::writeFile(dir.filePath(QStringLiteral("12.hy3")), testing::fareFileBytes(2, stops)));
    controls(sim_->option()).Text2[0]->setText(dir.path());
    Form1 &f = sim_->form1();
    testing::chooseFareDigits(f, fareDigits);
    if (lateNight)
        QTest::mouseClick(sim_->ctl().Check2, Qt::LeftButton);
    const ScopedSleepHandler noLampTestWait([](int) {});
    sim_->engine().setRoute(QStringLiteral("12"), QStringLiteral("1"));

    M_Degit expected;
    expected.setKeta(static_cast<std::int16_t>(fareDigits));
    expected.setDegitSize(2);
    expected.setDegitStyle(1);
    expected.setBackColor(f.controlsForTesting().Degit[1]->BackColor());
    expected.setBaseForeColor(f.controlsForTesting().Degit[1]->BaseForeColor());
    expected.setDegitForeColor(f.controlsForTesting().Degit[1]->DegitForeColor());
    expected.setValue(shown);
    QCOMPARE(f.controlsForTesting().Degit[1]->Keta(), std::int16_t(fareDigits));
    QCOMPARE(f.controlsForTesting().Degit[1]->image(), expected.image());
}

void tst_Form1::digitDoubleClickCopiesTheFormatToAllFares()
{
    Form1 &f = sim_->form1();
    for (int k = 1; k <= 12; ++k)
        f.controlsForTesting().Degit[k]->setValue(100 + k);
    dialogs_.digitFormat = std::array<std::int16_t, 3>{1, 1, 2};
    bool consoleEnabledMeanwhile = true;
    dialogs_.whileDigitFormatOpen = [&] { consoleEnabledMeanwhile = sim_->ctl().isEnabled(); };
    QTest::mouseDClick(f.controlsForTesting().Degit[5], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 1);
    QVERIFY(!consoleEnabledMeanwhile);
    QCOMPARE(dialogs_.lastKeta, std::int16_t(3));
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(f.controlsForTesting().Degit[k]->ZeroMode(), std::int16_t(1));
        QCOMPARE(f.controlsForTesting().Degit[k]->Shift(), std::int16_t(1));
        QCOMPARE(f.controlsForTesting().Degit[k]->FillZero(), std::int16_t(2));
        QCOMPARE(f.controlsForTesting().Degit[k]->Value().toInt(), 100 + k);
    }
    QVERIFY(sim_->ctl().isEnabled());
}

void tst_Form1::cancelledFormatDialogChangesNothing()
{
    Form1 &f = sim_->form1();
    f.controlsForTesting().Degit[2]->setShift(1);
    QTest::mouseDClick(f.controlsForTesting().Degit[7], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 1);
    QCOMPARE(f.controlsForTesting().Degit[2]->Shift(), std::int16_t(1));
    QCOMPARE(f.controlsForTesting().Degit[3]->Shift(), std::int16_t(0));
    QVERIFY(sim_->ctl().isEnabled());
}

void tst_Form1::digitWithoutUserSetOpensNoDialog()
{
    Form1 &f = sim_->form1();
    f.controlsForTesting().Degit[4]->setUserSet(false);
    dialogs_.digitFormat = std::array<std::int16_t, 3>{1, 0, 0};
    QTest::mouseDClick(f.controlsForTesting().Degit[4], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 0);
    QCOMPARE(f.controlsForTesting().Degit[1]->ZeroMode(), std::int16_t(0));
}

void tst_Form1::setPropWritesLabelsDigitsAndStrip()
{
    frmOption &o = sim_->option();
    setListIndex(controls(o).Combo2, 3);
    setCheckValue(controls(o).Check2, 1);
    setButtonColor(controls(o).Command5[0], rgb(9, 9, 9));
    setButtonColor(controls(o).Command8[0], rgb(1, 1, 1));
    setListIndex(controls(o).Combo3, 2);
    setCheckValue(controls(o).Check4, 1);
    setListIndex(controls(o).Combo5, 3);
    setCheckValue(controls(o).Check5, 1);
    setButtonColor(controls(o).Command9[2], rgb(7, 8, 9));
    o.SetProp();
    Form1 &f = sim_->form1();
    QCOMPARE(f.controlsForTesting().lblSeiriNum[1]->text(), QStringLiteral("な し"));
    QCOMPARE(f.controlsForTesting().lblSeiriNum[2]->text(), QStringLiteral("０２"));
    QCOMPARE(f.controlsForTesting().lblSeiriNum[12]->text(), QStringLiteral("１２"));
    QCOMPARE(f.labelColor(6), rgb(9, 9, 9)); // backlight OFF
    QCOMPARE(f.controlsForTesting().Degit[12]->BackColor(), rgb(1, 1, 1));
    QCOMPARE(f.controlsForTesting().TimeDegit[0]->BackColor(), rgb(1, 1, 1));
    QCOMPARE(f.controlsForTesting().ChimeiCtl->FontMode(), std::int16_t(2));
    QVERIFY(f.controlsForTesting().ChimeiCtl->FontBold());
    QCOMPARE(f.controlsForTesting().ChimeiCtl->TsugiwaFontMode(), std::int16_t(3));
    QVERIFY(f.controlsForTesting().ChimeiCtl->TsugiwaBold());
    QCOMPARE(f.controlsForTesting().ChimeiCtl->TsugiwaColor(), rgb(7, 8, 9));
}

void tst_Form1::hiddenLabelsStillGetNumbersAndColours()
{
    frmOption &o = sim_->option();
    setCheckValue(controls(o).Check1, 0);
    setListIndex(controls(o).Combo2, 1);
    sim_->ctl().Option4[1]->click();
    o.SetProp();
    Form1 &f = sim_->form1();
    QVERIFY(f.controlsForTesting().lblSeiriNum[1]->isHidden());
    QCOMPARE(f.controlsForTesting().lblSeiriNum[1]->text(), QStringLiteral("０"));
    QCOMPARE(f.labelColor(1), rgb(192, 255, 192)); // ON1
}

void tst_Form1::labelOneTakesThePointSizeOfItsStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("points");
    QTest::newRow("numbers from 1") << 0 << 14.0;
    QTest::newRow("word style 2") << 2 << 12.0;
    QTest::newRow("word style 9") << 9 << 12.0;
    QTest::newRow("word style 10") << 10 << 14.0;
}

void tst_Form1::labelOneTakesThePointSizeOfItsStyle()
{
    QFETCH(int, style);
    QFETCH(double, points);
    frmOption &o = sim_->option();
    // Start from the other size, so that a size never applied shows.
    setListIndex(controls(o).Combo2, points == 12.0 ? 0 : 2);
    o.SetProp();
    setListIndex(controls(o).Combo2, style);
    o.SetProp();
    Form1 &f = sim_->form1();
    QCOMPARE(f.controlsForTesting().lblSeiriNum[1]->font().pixelSize(), pointsToPixels(points));
    QCOMPARE(f.controlsForTesting().lblSeiriNum[2]->font().pixelSize(), pointsToPixels(14.25)); // the others keep theirs
}

void tst_Form1::setPropAppliesTheBacklightAgain()
{
    Form1 &f = sim_->form1();
    QPixmap on2(f.controlsForTesting().imgRes[2].size());
    on2.fill(Qt::red);
    f.controlsForTesting().imgRes[2] = on2;
    frmOption &o = sim_->option();
    setButtonColor(controls(o).Command5[2], rgb(1, 2, 3));
    QTest::mouseClick(sim_->ctl().Option4[2], Qt::LeftButton);
    f.setPicture(f.controlsForTesting().imgRes[0]); // as if something had put another picture up since
    o.SetProp();
    QCOMPARE(f.Picture().toImage(), on2.toImage());
    QCOMPARE(f.labelColor(1), rgb(1, 2, 3));
}

void tst_Form1::onlyThePanelSurfaceStartsADrag_data()
{
    QTest::addColumn<QString>("target"); // "surface", "label", "digit"
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("moves");
    QTest::newRow("press on the surface") << "surface" << false << 1;
    QTest::newRow("press on a label") << "label" << false << 0;
    QTest::newRow("press on a digit") << "digit" << false << 0;
    QTest::newRow("double click on a label") << "label" << true << 0;
    QTest::newRow("double click on a digit") << "digit" << true << 0;
}

void tst_Form1::onlyThePanelSurfaceStartsADrag()
{
    QFETCH(QString, target);
    QFETCH(bool, doubleClick);
    QFETCH(int, moves);
    int started = 0;
    const ScopedWindowMoveHandler seen([&](QWidget &) { ++started; });
    Form1 &f = sim_->form1();
    QWidget *w = target == u"label" ? static_cast<QWidget *>(f.controlsForTesting().lblSeiriNum[3])
        : target == u"digit"        ? static_cast<QWidget *>(f.controlsForTesting().Degit[8])
                                    : static_cast<QWidget *>(&f);
    const QPoint at = w == &f ? QPoint(10, 150) : w->rect().center();
    QVERIFY(w == &f || !f.childAt(QPoint(10, 150)));
    if (doubleClick)
        QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QCOMPARE(started, moves);
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
