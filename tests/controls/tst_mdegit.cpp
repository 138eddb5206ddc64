#include "controls/digit/M_Degit.h"
#include "reslib/PropertyBag.h"
#include "reslib/ResDialogs.h"

#include "DegitProbe.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace kerubara;
using testing::pictureOf;
using testing::shownText;

namespace {

// The digit-format dialog as a test answers it.
class ScriptedDialogs : public ResDialogs
{
public:
    std::int32_t result = 1;
    std::int16_t answerZeroMode = 0, answerShift = 0, answerFillZero = 0;
    QWidget *owner = nullptr;
    std::int16_t keta = 0, askedZeroMode = -99, askedShift = -99, askedFillZero = -99;

    std::int32_t dlg100(QWidget *o, std::int16_t k, std::int16_t &zeroMode, std::int16_t &shift,
                        std::int16_t &fillZero) override
    {
        owner = o;
        keta = k;
        askedZeroMode = zeroMode;
        askedShift = shift;
        askedFillZero = fillZero;
        if (result == 1) {
            zeroMode = answerZeroMode;
            shift = answerShift;
            fillZero = answerFillZero;
        }
        return result;
    }
    void dlg110(QWidget *, std::int32_t, const QString &) override {}
    std::int32_t dlg111(QWidget *, SystemTime &) override { return 0; }
    QString fileDlg(QWidget *, std::int32_t, const QList<FileFilter> &, const QString &, const QString &) override
    {
        return {};
    }
    QString folderDlg(QWidget *, const QString &) override { return {}; }
    std::int32_t chooseColor(QWidget *, OleColor &, CustomColors &) override { return 0; }
};

// Records presses that reach it.
class Surface : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

QString shown(const M_Degit &d)
{
    return shownText(pictureOf(d));
}

bool everyEightVisible(const M_Degit &d)
{
    const testing::DigitPicture p = pictureOf(d);
    for (int pos = 0; pos < d.Keta(); ++pos) {
        if (!testing::eightVisible(p, pos))
            return false;
    }
    return true;
}

} // namespace

class tst_M_Degit : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFormattedValue_data();
    void showsTheFormattedValue();
    void writersLimitTheirValues_data();
    void writersLimitTheirValues();
    void sizeFollowsKetaAndSizeClass_data();
    void sizeFollowsKetaAndSizeClass();
    void glyphsLightTheRightSegments_data();
    void glyphsLightTheRightSegments();
    void stylesLookDifferent();
    void newControlIsBlankAndBold();
    void formatWritersWaitForTheNextRedraw();
    void colourWritersRedraw();
    void resetDegitLampTestAndBlank();
    void readPropertiesAppliesNoChecksAndDoesNotDraw();
    void writePropertiesStoresOnlyChanges();
    void propertiesRoundTrip();
    void showSetDlgTakesTheDialogValues();
    void showSetDlgCancelled();
    void doubleClickRaisesDblClick();
    void pressesDoNotReachTheParent();
    void paintingShowsTheBackingImage();
};

void tst_M_Degit::showsTheFormattedValue_data()
{
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("fillZero");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("zeroMode");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("1234 on three positions") << 3 << 0 << 0 << 0 << QVariant(1234) << "234";
    QTest::newRow("fill zero 3") << 3 << 3 << 0 << 0 << QVariant(5) << "005";
    QTest::newRow("no fill") << 3 << 0 << 0 << 0 << QVariant(5) << "  5";
    QTest::newRow("shift 1") << 3 << 0 << 1 << 0 << QVariant(5) << " 5 ";
    QTest::newRow("mode 0, 0") << 3 << 0 << 0 << 0 << QVariant(0) << "   ";
    QTest::newRow("mode 1, 0") << 3 << 0 << 0 << 1 << QVariant(0) << "  0";
    QTest::newRow("mode 2, -1") << 3 << 0 << 0 << 2 << QVariant(-1) << "  0";
    QTest::newRow("mode 2, 0") << 3 << 0 << 0 << 2 << QVariant(0) << "   ";
    QTest::newRow("mode 3, empty text") << 3 << 0 << 0 << 3 << QVariant(QString()) << "  0";
    QTest::newRow("mode 0, empty text") << 3 << 0 << 0 << 0 << QVariant(QString()) << "   ";
    QTest::newRow("mode 0, text 0") << 3 << 0 << 0 << 0 << QVariant("0") << "  0";
    QTest::newRow("mode -1, -1") << 3 << 0 << 0 << -1 << QVariant(-1) << " -1";
    QTest::newRow("mode 1, nothing") << 3 << 0 << 0 << 1 << QVariant() << "  0";
    QTest::newRow("space, mode 1") << 3 << 0 << 0 << 1 << QVariant(" ") << "   ";
    QTest::newRow("space, mode 3") << 3 << 0 << 0 << 3 << QVariant(" ") << "   ";
    QTest::newRow("fill and shift") << 4 << 2 << 1 << 0 << QVariant(7) << " 07 ";
    QTest::newRow("fare on the panel") << 3 << 0 << 0 << 0 << QVariant(230) << "230";
    QTest::newRow("fifteen positions") << 15 << 0 << 0 << 0 << QVariant(-1234567890) << "    -1234567890";
}

void tst_M_Degit::showsTheFormattedValue()
{
    QFETCH(int, keta);
    QFETCH(int, fillZero);
    QFETCH(int, shift);
    QFETCH(int, zeroMode);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    M_Degit d;
    d.setKeta(static_cast<std::int16_t>(keta));
    d.setFillZero(static_cast<std::int16_t>(fillZero));
    d.setShift(static_cast<std::int16_t>(shift));
    d.setZeroMode(static_cast<std::int16_t>(zeroMode));
    d.setValue(value);
    QCOMPARE(shown(d), expected);
    QVERIFY(everyEightVisible(d));
}

void tst_M_Degit::writersLimitTheirValues_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("stored");
    QTest::newRow("ZeroMode 7") << "ZeroMode" << 4 << 7 << 0;
    QTest::newRow("ZeroMode 4") << "ZeroMode" << 4 << 4 << 0;
    QTest::newRow("ZeroMode 3") << "ZeroMode" << 4 << 3 << 3;
    QTest::newRow("ZeroMode -1 kept") << "ZeroMode" << 4 << -1 << -1;
    QTest::newRow("Keta 0") << "Keta" << 4 << 0 << 4;
    QTest::newRow("Keta 16") << "Keta" << 3 << 16 << 4;
    QTest::newRow("Keta 15") << "Keta" << 4 << 15 << 15;
    QTest::newRow("Keta 1") << "Keta" << 4 << 1 << 1;
    QTest::newRow("Shift 9 on 3") << "Shift" << 3 << 9 << 2;
    QTest::newRow("Shift 2 on 3") << "Shift" << 3 << 2 << 2;
    QTest::newRow("Shift -1") << "Shift" << 3 << -1 << 0;
    QTest::newRow("Shift 1 on 1") << "Shift" << 1 << 1 << 0;
    QTest::newRow("FillZero 5 on 3") << "FillZero" << 3 << 5 << 3;
    QTest::newRow("FillZero 3 on 3") << "FillZero" << 3 << 3 << 3;
    QTest::newRow("FillZero -2 kept") << "FillZero" << 3 << -2 << -2;
    QTest::newRow("DegitSize 4") << "DegitSize" << 4 << 4 << 0;
    QTest::newRow("DegitSize -1") << "DegitSize" << 4 << -1 << 0;
    QTest::newRow("DegitSize 3") << "DegitSize" << 4 << 3 << 3;
    QTest::newRow("DegitStyle 9 kept") << "DegitStyle" << 4 << 9 << 9;
}

void tst_M_Degit::writersLimitTheirValues()
{
    QFETCH(QString, property);
    QFETCH(int, keta);
    QFETCH(int, written);
    QFETCH(int, stored);
    M_Degit d;
    d.setKeta(static_cast<std::int16_t>(keta));
    const auto w = static_cast<std::int16_t>(written);
    if (property == u"ZeroMode") {
        d.setZeroMode(w);
        QCOMPARE(d.ZeroMode(), stored);
    } else if (property == u"Keta") {
        d.setKeta(w);
        QCOMPARE(d.Keta(), stored);
    } else if (property == u"Shift") {
        d.setShift(w);
        QCOMPARE(d.Shift(), stored);
    } else if (property == u"FillZero") {
        d.setFillZero(w);
        QCOMPARE(d.FillZero(), stored);
    } else if (property == u"DegitSize") {
        d.setDegitSize(w);
        QCOMPARE(d.DegitSize(), stored);
    } else {
        d.setDegitStyle(w);
        QCOMPARE(d.DegitStyle(), stored);
    }
}

void tst_M_Degit::sizeFollowsKetaAndSizeClass_data()
{
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("degitSize");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("panel fare, class 2") << 3 << 2 << QSize(57, 29);
    QTest::newRow("default, class 0") << 4 << 0 << QSize(52, 20);
    QTest::newRow("class 1") << 1 << 1 << QSize(17, 26);
    QTest::newRow("class 3") << 15 << 3 << QSize(165, 15);
    QTest::newRow("class 7 is class 0") << 2 << 7 << QSize(26, 20);
}

void tst_M_Degit::sizeFollowsKetaAndSizeClass()
{
    QFETCH(int, keta);
    QFETCH(int, degitSize);
    QFETCH(QSize, expected);
    M_Degit d;
    d.setDegitSize(static_cast<std::int16_t>(degitSize));
    d.setKeta(static_cast<std::int16_t>(keta));
    QCOMPARE(d.size(), expected);
    QCOMPARE(d.image().size(), expected);
    // The other order gives the same.
    M_Degit e;
    e.setKeta(static_cast<std::int16_t>(keta));
    e.setDegitSize(static_cast<std::int16_t>(degitSize));
    QCOMPARE(e.size(), expected);
}

void tst_M_Degit::glyphsLightTheRightSegments_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("degitSize");
    for (int style : {0, 1, 2})
        for (int size : {0, 1, 2, 3})
            QTest::addRow("style %d, class %d", style, size) << style << size;
}

void tst_M_Degit::glyphsLightTheRightSegments()
{
    QFETCH(int, style);
    QFETCH(int, degitSize);
    M_Degit d;
    d.setDegitStyle(static_cast<std::int16_t>(style));
    d.setDegitSize(static_cast<std::int16_t>(degitSize));
    d.setKeta(12);
    d.setValue(QStringLiteral("8 -0123456.9"));
    QCOMPARE(shown(d), QStringLiteral("8 -0123456.9"));
    QVERIFY(everyEightVisible(d));
}

void tst_M_Degit::stylesLookDifferent()
{
    QList<QImage> images;
    for (std::int16_t style : {0, 1, 2}) {
        M_Degit d;
        d.setDegitStyle(style);
        d.setValue(8888);
        images << d.image();
    }
    QVERIFY(images[0] != images[1]);
    QVERIFY(images[1] != images[2]);
    QVERIFY(images[0] != images[2]);
    M_Degit other;
    other.setDegitStyle(5); // any other value is style A
    other.setValue(8888);
    QCOMPARE(other.image(), images[0]);
}

void tst_M_Degit::newControlIsBlankAndBold()
{
    M_Degit d;
    QCOMPARE(d.charExtra(), 0);
    QVERIFY(d.fontBold());
    QCOMPARE(d.Value(), QVariant(0));
    QVERIFY(d.UserSet());
    QImage blank(d.size(), QImage::Format_RGB32);
    blank.fill(toQColor(0x808080));
    QCOMPARE(d.image(), blank);
}

void tst_M_Degit::formatWritersWaitForTheNextRedraw()
{
    M_Degit d;
    d.setKeta(3);
    d.setValue(5);
    const QImage before = d.image();
    d.setFillZero(3);
    d.setShift(0);
    d.setZeroMode(1);
    d.setUserSet(false);
    QCOMPARE(d.image(), before);
    d.setValue(d.Value()); // the same value again redraws in the new format
    QCOMPARE(shown(d), QStringLiteral("005"));
}

void tst_M_Degit::colourWritersRedraw()
{
    M_Degit d;
    d.setKeta(3);
    d.setFillZero(1); // not drawn yet
    d.setValue(0);
    d.setZeroMode(1);
    d.setBackColor(rgb(0, 0, 0));
    QCOMPARE(d.image().pixelColor(0, 0), QColor(0, 0, 0));
    QCOMPARE(shown(d), QStringLiteral("  0"));
    d.setBaseForeColor(rgb(60, 40, 20));
    d.setDegitForeColor(rgb(255, 0, 0));
    const testing::DigitPicture p = pictureOf(d);
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 0, SegA)), QColor(60, 40, 20));
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 2, SegA)), QColor(255, 0, 0));
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 2, SegG)), QColor(60, 40, 20));
}

void tst_M_Degit::resetDegitLampTestAndBlank()
{
    M_Degit d;
    d.setKeta(3);
    d.setShift(1);
    d.setZeroMode(1);
    d.setFillZero(2);
    d.setValue(7);
    QCOMPARE(shown(d), QStringLiteral("07 "));

    d.ResetDegit(-1);
    QCOMPARE(shown(d), QStringLiteral("888"));
    QCOMPARE(d.Value(), QVariant(QStringLiteral("888")));
    QCOMPARE(d.Shift(), 1);
    QCOMPARE(d.ZeroMode(), 1);
    QCOMPARE(d.FillZero(), 2);
    d.setValue(d.Value()); // the kept format applies from the next redraw
    QCOMPARE(shown(d), QStringLiteral("88 "));

    d.ResetDegit(0);
    QCOMPARE(shown(d), QStringLiteral("   "));
    QCOMPARE(d.Value(), QVariant(QString()));
    QVERIFY(everyEightVisible(d));

    d.setValue(4);
    d.ResetDegit(1); // only -1 is True
    QCOMPARE(shown(d), QStringLiteral("   "));
}

void tst_M_Degit::readPropertiesAppliesNoChecksAndDoesNotDraw()
{
    PropertyBag bag;
    bag.WriteProperty("keta", 3);
    bag.WriteProperty("degitsize", 2);
    bag.WriteProperty("degitstyle", 1);
    bag.WriteProperty("ZEROMODE", 7);
    bag.WriteProperty("Shift", 5);
    bag.WriteProperty("value", 42);
    bag.WriteProperty("usERset", false);
    M_Degit d;
    const QSize sizeBefore = d.size();
    const QImage before = d.image();
    d.ReadProperties(bag);
    QCOMPARE(d.Keta(), 3);
    QCOMPARE(d.DegitSize(), 2);
    QCOMPARE(d.DegitStyle(), 1);
    QCOMPARE(d.ZeroMode(), 7);
    QCOMPARE(d.Shift(), 5);
    QCOMPARE(d.Value(), QVariant(42));
    QVERIFY(!d.UserSet());
    QCOMPARE(d.BaseForeColor(), 0x969696u);
    QCOMPARE(d.size(), sizeBefore);
    QCOMPARE(d.image(), before);
    // The panel gives the control its extent; the next Value draws.
    d.resize(57, 29);
    d.setShift(0);
    d.setValue(42);
    QCOMPARE(shown(d), QStringLiteral(" 42"));
}

void tst_M_Degit::writePropertiesStoresOnlyChanges()
{
    M_Degit d;
    PropertyBag bag;
    d.WriteProperties(bag);
    QCOMPARE(bag.size(), 0);

    d.setValue(0.0); // still the number 0
    d.setKeta(3);
    d.WriteProperties(bag);
    QCOMPARE(bag.size(), 1);
    QCOMPARE(bag.ReadProperty("Keta").toInt(), 3);

    d.setValue(QStringLiteral("0")); // a text differs from the number
    PropertyBag withText;
    d.WriteProperties(withText);
    QCOMPARE(withText.ReadProperty("Value"), QVariant(QStringLiteral("0")));
}

void tst_M_Degit::propertiesRoundTrip()
{
    M_Degit a;
    a.setKeta(5);
    a.setDegitSize(1);
    a.setDegitStyle(2);
    a.setFillZero(3);
    a.setShift(1);
    a.setZeroMode(2);
    a.setBaseForeColor(0x102030);
    a.setDegitForeColor(0x0000FF);
    a.setBackColor(0);
    a.setUserSet(false);
    a.setValue(QVariant());
    PropertyBag bag;
    a.WriteProperties(bag);
    M_Degit b;
    b.ReadProperties(bag);
    QCOMPARE(b.Keta(), a.Keta());
    QCOMPARE(b.DegitSize(), a.DegitSize());
    QCOMPARE(b.DegitStyle(), a.DegitStyle());
    QCOMPARE(b.FillZero(), a.FillZero());
    QCOMPARE(b.Shift(), a.Shift());
    QCOMPARE(b.ZeroMode(), a.ZeroMode());
    QCOMPARE(b.BaseForeColor(), a.BaseForeColor());
    QCOMPARE(b.DegitForeColor(), a.DegitForeColor());
    QCOMPARE(b.BackColor(), a.BackColor());
    QCOMPARE(b.UserSet(), a.UserSet());
    QVERIFY(!b.Value().isValid());
}

void tst_M_Degit::showSetDlgTakesTheDialogValues()
{
    ScriptedDialogs dialogs;
    dialogs.answerZeroMode = 1;
    dialogs.answerShift = 1;
    dialogs.answerFillZero = 9; // taken without the writer's limit
    const ScopedResDialogs scope(dialogs);
    M_Degit d;
    d.setKeta(3);
    d.setZeroMode(2);
    d.setValue(0);
    QCOMPARE(d.ShowSetDlg(), 1);
    QCOMPARE(dialogs.owner, &d);
    QCOMPARE(dialogs.keta, 3);
    QCOMPARE(dialogs.askedZeroMode, 2);
    QCOMPARE(dialogs.askedShift, 0);
    QCOMPARE(dialogs.askedFillZero, 0);
    QCOMPARE(d.ZeroMode(), 1);
    QCOMPARE(d.Shift(), 1);
    QCOMPARE(d.FillZero(), 9);
    QCOMPARE(shown(d), QStringLiteral("00 ")); // redrawn: "000000000 " cut to three
}

void tst_M_Degit::showSetDlgCancelled()
{
    ScriptedDialogs dialogs;
    dialogs.result = 0;
    const ScopedResDialogs scope(dialogs);
    M_Degit d;
    d.setKeta(3);
    d.setValue(5);
    d.setFillZero(3); // not drawn until the dialog's redraw
    QCOMPARE(d.ShowSetDlg(), 0);
    QCOMPARE(d.FillZero(), 3);
    QCOMPARE(shown(d), QStringLiteral("005"));
}

void tst_M_Degit::doubleClickRaisesDblClick()
{
    M_Degit d;
    QSignalSpy spy(&d, &M_Degit::DblClick);
    QTest::mouseDClick(&d, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void tst_M_Degit::pressesDoNotReachTheParent()
{
    Surface surface;
    auto *d = new M_Degit(&surface);
    QTest::mousePress(d, Qt::LeftButton);
    QCOMPARE(surface.presses, 0);
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(90, 25));
    QCOMPARE(surface.presses, 1);
}

void tst_M_Degit::paintingShowsTheBackingImage()
{
    M_Degit d;
    d.setKeta(3);
    d.setDegitSize(2);
    d.setValue(230);
    const QImage grabbed = d.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grabbed, d.image());
}

QTEST_MAIN(tst_M_Degit)
#include "tst_mdegit.moc"
