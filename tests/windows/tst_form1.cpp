// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Form1.h"

#include "FakeDialogs.h"
#include "OptionControls.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/WindowMove.h"
#include "reslib/MsgBox.h"
#include "reslib/ProgramInfo.h"
#include "reslib/Units.h"
#include "windows/PanelPicture.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace kerubara;

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void startUpPlacesAndShapesTheWindows();
    void builtInPictureFollowsTheFaceDescription_data();
    void builtInPictureFollowsTheFaceDescription();
    void allThreeBacklightHoldersGetTheBuiltInPicture();
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
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("stop-name strip") << "ChimeiCtl" << QRect(38, 18, 432, 56);
    QTest::newRow("label 1") << "lbl1" << QRect(108, 122, 52, 16);
    QTest::newRow("label 6") << "lbl6" << QRect(423, 122, 52, 16);
    QTest::newRow("label 7") << "lbl7" << QRect(108, 178, 52, 16);
    QTest::newRow("label 12") << "lbl12" << QRect(423, 178, 52, 16);
    QTest::newRow("digit 1") << "deg1" << QRect(105, 143, 57, 29);
    QTest::newRow("digit 4") << "deg4" << QRect(293, 143, 57, 29);
    QTest::newRow("digit 7") << "deg7" << QRect(105, 198, 57, 29);
    QTest::newRow("digit 12") << "deg12" << QRect(420, 198, 57, 29);
    QTest::newRow("hidden digit 0") << "deg0" << QRect(140, 2, 52, 20);
    QTest::newRow("clock hours") << "time0" << QRect(363, 2, 26, 20);
    QTest::newRow("clock minutes") << "time1" << QRect(390, 2, 26, 20);
}

void tst_Form1::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    Form1 &f = sim_->form1();
    QWidget *w = nullptr;
    if (control == "ChimeiCtl")
        w = f.ChimeiCtl;
    else if (control.startsWith("lbl"))
        w = f.lblSeiriNum[static_cast<std::size_t>(control.mid(3).toInt())];
    else if (control.startsWith("deg"))
        w = f.Degit[static_cast<std::size_t>(control.mid(3).toInt())];
    else
        w = f.TimeDegit[static_cast<std::size_t>(control.mid(4).toInt())];
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
    QVERIFY(!f.Degit[0]->isVisibleTo(&f));
    QVERIFY(!f.TimeDegit[0]->isVisibleTo(&f));
    QVERIFY(!f.Timer1->isActive());
}

void tst_Form1::builtInPictureFollowsTheFaceDescription_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("color");
    QTest::newRow("frame") << QPoint(10, 240) << QColor(222, 222, 214);
    QTest::newRow("face") << QPoint(30, 100) << QColor(Qt::black);
    QTest::newRow("stop-name window") << QPoint(40, 21) << QColor(128, 128, 128);
    QTest::newRow("table rule y 119") << QPoint(60, 119) << QColor(Qt::white);
    QTest::newRow("row rule y 174") << QPoint(200, 174) << QColor(Qt::white);
    QTest::newRow("caption rule x 101") << QPoint(101, 150) << QColor(Qt::white);
    QTest::newRow("cell rule x 164") << QPoint(164, 200) << QColor(Qt::white);
    QTest::newRow("cell rule x 416") << QPoint(416, 130) << QColor(Qt::white);
    QTest::newRow("label band") << QPoint(130, 121) << QColor(Qt::black);
}

void tst_Form1::builtInPictureFollowsTheFaceDescription()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, color);
    const QImage image = drawBuiltInPanel().toImage();
    QCOMPARE(image.size(), QSize(502, 252));
    QCOMPARE(image.pixelColor(at), color);
}

void tst_Form1::allThreeBacklightHoldersGetTheBuiltInPicture()
{
    Form1 &f = sim_->form1();
    const QImage built = drawBuiltInPanel().toImage();
    for (const QPixmap &p : f.imgRes)
        QCOMPARE(p.toImage(), built);
    QCOMPARE(f.Picture().toImage(), built);
}

void tst_Form1::digitDoubleClickCopiesTheFormatToAllFares()
{
    Form1 &f = sim_->form1();
    for (int k = 1; k <= 12; ++k)
        f.Degit[k]->setValue(100 + k);
    dialogs_.digitFormat = std::array<std::int16_t, 3>{1, 1, 2};
    bool consoleEnabledMeanwhile = true;
    dialogs_.whileDigitFormatOpen = [&] { consoleEnabledMeanwhile = sim_->ctl().isEnabled(); };
    QTest::mouseDClick(f.Degit[5], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 1);
    QVERIFY(!consoleEnabledMeanwhile);
    QCOMPARE(dialogs_.lastKeta, std::int16_t(3));
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(f.Degit[k]->ZeroMode(), std::int16_t(1));
        QCOMPARE(f.Degit[k]->Shift(), std::int16_t(1));
        QCOMPARE(f.Degit[k]->FillZero(), std::int16_t(2));
        QCOMPARE(f.Degit[k]->Value().toInt(), 100 + k);
    }
    QVERIFY(sim_->ctl().isEnabled());
}

void tst_Form1::cancelledFormatDialogChangesNothing()
{
    Form1 &f = sim_->form1();
    f.Degit[2]->setShift(1);
    QTest::mouseDClick(f.Degit[7], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 1);
    QCOMPARE(f.Degit[2]->Shift(), std::int16_t(1));
    QCOMPARE(f.Degit[3]->Shift(), std::int16_t(0));
    QVERIFY(sim_->ctl().isEnabled());
}

void tst_Form1::digitWithoutUserSetOpensNoDialog()
{
    Form1 &f = sim_->form1();
    f.Degit[4]->setUserSet(false);
    dialogs_.digitFormat = std::array<std::int16_t, 3>{1, 0, 0};
    QTest::mouseDClick(f.Degit[4], Qt::LeftButton);
    QCOMPARE(dialogs_.calls, 0);
    QCOMPARE(f.Degit[1]->ZeroMode(), std::int16_t(0));
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
    QCOMPARE(f.lblSeiriNum[1]->text(), QStringLiteral("な し"));
    QCOMPARE(f.lblSeiriNum[2]->text(), QStringLiteral("０２"));
    QCOMPARE(f.lblSeiriNum[12]->text(), QStringLiteral("１２"));
    QCOMPARE(f.labelColor(6), rgb(9, 9, 9)); // backlight OFF
    QCOMPARE(f.Degit[12]->BackColor(), rgb(1, 1, 1));
    QCOMPARE(f.TimeDegit[0]->BackColor(), rgb(1, 1, 1));
    QCOMPARE(f.ChimeiCtl->FontMode(), std::int16_t(2));
    QVERIFY(f.ChimeiCtl->FontBold());
    QCOMPARE(f.ChimeiCtl->TsugiwaFontMode(), std::int16_t(3));
    QVERIFY(f.ChimeiCtl->TsugiwaBold());
    QCOMPARE(f.ChimeiCtl->TsugiwaColor(), rgb(7, 8, 9));
}

void tst_Form1::hiddenLabelsStillGetNumbersAndColours()
{
    frmOption &o = sim_->option();
    setCheckValue(controls(o).Check1, 0);
    setListIndex(controls(o).Combo2, 1);
    sim_->ctl().Option4[1]->click();
    o.SetProp();
    Form1 &f = sim_->form1();
    QVERIFY(f.lblSeiriNum[1]->isHidden());
    QCOMPARE(f.lblSeiriNum[1]->text(), QStringLiteral("０"));
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
    QCOMPARE(f.lblSeiriNum[1]->font().pixelSize(), pointsToPixels(points));
    QCOMPARE(f.lblSeiriNum[2]->font().pixelSize(), pointsToPixels(14.25)); // the others keep theirs
}

void tst_Form1::setPropAppliesTheBacklightAgain()
{
    Form1 &f = sim_->form1();
    QPixmap on2(f.imgRes[2].size());
    on2.fill(Qt::red);
    f.imgRes[2] = on2;
    frmOption &o = sim_->option();
    setButtonColor(controls(o).Command5[2], rgb(1, 2, 3));
    QTest::mouseClick(sim_->ctl().Option4[2], Qt::LeftButton);
    f.setPicture(f.imgRes[0]); // as if something had put another picture up since
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
    QWidget *w = target == u"label" ? static_cast<QWidget *>(f.lblSeiriNum[3])
        : target == u"digit"        ? static_cast<QWidget *>(f.Degit[8])
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
