// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/digit/M_Degit.h"
#include "reslib/PropertyBag.h"
#include "reslib/ResDialogs.h"

#include "DegitProbe.h"
#include "StoredValues.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <tuple>

using namespace kerubara;

namespace {

// Answers the digit-format dialog: `result`, and on 1 ZeroMode 1, Shift 1, FillZero 9.
class ScriptedDialogs : public ResDialogs
{
public:
    std::int32_t result = 1;
    QWidget *owner = nullptr;
    std::int16_t keta = 0;

    std::int32_t dlg100(QWidget *o, std::int16_t k, std::int16_t &zeroMode, std::int16_t &shift,
                        std::int16_t &fillZero) override
    {
        owner = o;
        keta = k;
        if (result == 1)
            std::tie(zeroMode, shift, fillZero) = std::make_tuple(1, 1, 9);
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

QString shown(const M_Degit &d)
{
    return testing::shownText(testing::pictureOf(d));
}

// Every stored property by its key, as the getters give it.
QVariantMap storedValues(const M_Degit &d)
{
    return {{"BaseForeColor", d.BaseForeColor()}, {"DegitForeColor", d.DegitForeColor()},
            {"FillZero", int{d.FillZero()}},      {"ZeroMode", int{d.ZeroMode()}},
            {"Shift", int{d.Shift()}},            {"Keta", int{d.Keta()}},
            {"DegitSize", int{d.DegitSize()}},    {"DegitStyle", int{d.DegitStyle()}},
            {"Value", d.Value()},                 {"UserSet", d.UserSet()},
            {"BackColor", d.BackColor()}};
}

using Change = std::function<void(M_Degit &)>;

using Setter = void (M_Degit::*)(std::int16_t);
using Getter = std::int16_t (M_Degit::*)() const;
struct Int16Property
{
    Setter set;
    Getter get;
};

} // namespace

Q_DECLARE_METATYPE(Int16Property)
Q_DECLARE_METATYPE(Change)

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
    void everyStyleAndSizeShowsTheCharacters_data();
    void everyStyleAndSizeShowsTheCharacters();
    void stylesLookDifferent();
    void newControlIsBlankUntilARedraw();
    void resetDegitLampTestAndBlank();
    void readPropertiesAppliesNoChecksAndDoesNotDraw();
    void writePropertiesStoresOnlyChanges();
    void storedValuesAreReadIntoTheirTypes_data();
    void storedValuesAreReadIntoTheirTypes();
    void writtenValuesComeBack_data();
    void writtenValuesComeBack();
    void showSetDlgTakesTheDialogValues_data();
    void showSetDlgTakesTheDialogValues();
    void doubleClickRaisesDblClickAndPressesStayHere();
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
    QTest::newRow("shift 1") << 3 << 0 << 1 << 0 << QVariant(5) << " 5 ";
    QTest::newRow("mode 0, 0") << 3 << 0 << 0 << 0 << QVariant(0) << "   ";
    QTest::newRow("mode 1, 0") << 3 << 0 << 0 << 1 << QVariant(0) << "  0";
    QTest::newRow("mode 2, -1") << 3 << 0 << 0 << 2 << QVariant(-1) << "  0";
    QTest::newRow("mode 3, empty text") << 3 << 0 << 0 << 3 << QVariant(QString()) << "  0";
    QTest::newRow("mode 0, text 0") << 3 << 0 << 0 << 0 << QVariant("0") << "  0";
    QTest::newRow("mode -1, -1") << 3 << 0 << 0 << -1 << QVariant(-1) << " -1";
    QTest::newRow("space, mode 3") << 3 << 0 << 0 << 3 << QVariant(" ") << "   ";
    QTest::newRow("fifteen positions") << 15 << 0 << 0 << 0 << QVariant(-1234567890) << "    -1234567890";
}

void tst_M_Degit::showsTheFormattedValue()
{
    QFETCH(int, keta);
    QFETCH(int, fillZero);
    QFETCH(int, shift);
    QFETCH(int, zeroMode);
    QFETCH(QVariant, value);
    M_Degit d;
    d.setKeta(static_cast<std::int16_t>(keta));
    d.setFillZero(static_cast<std::int16_t>(fillZero));
    d.setShift(static_cast<std::int16_t>(shift));
    d.setZeroMode(static_cast<std::int16_t>(zeroMode));
    d.setValue(value);
    QTEST(shown(d), "expected");
}

void tst_M_Degit::writersLimitTheirValues_data()
{
    QTest::addColumn<Int16Property>("property");
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("stored");
    const Int16Property zeroMode{&M_Degit::setZeroMode, &M_Degit::ZeroMode};
    const Int16Property keta{&M_Degit::setKeta, &M_Degit::Keta};
    const Int16Property shift{&M_Degit::setShift, &M_Degit::Shift};
    const Int16Property fill{&M_Degit::setFillZero, &M_Degit::FillZero};
    const Int16Property size{&M_Degit::setDegitSize, &M_Degit::DegitSize};
    const Int16Property style{&M_Degit::setDegitStyle, &M_Degit::DegitStyle};
    QTest::newRow("ZeroMode 7") << zeroMode << 4 << 7 << 0;
    QTest::newRow("ZeroMode -1 kept") << zeroMode << 4 << -1 << -1;
    QTest::newRow("Keta 0") << keta << 4 << 0 << 4;
    QTest::newRow("Keta 16") << keta << 3 << 16 << 4;
    QTest::newRow("Shift 9 on 3") << shift << 3 << 9 << 2;
    QTest::newRow("Shift 1 on 1") << shift << 1 << 1 << 0;
    QTest::newRow("FillZero 5 on 3") << fill << 3 << 5 << 3;
    QTest::newRow("FillZero -2 kept") << fill << 3 << -2 << -2;
    QTest::newRow("DegitSize 4") << size << 4 << 4 << 0;
    QTest::newRow("DegitStyle 9 kept") << style << 4 << 9 << 9;
}

void tst_M_Degit::writersLimitTheirValues()
{
    QFETCH(Int16Property, property);
    QFETCH(int, keta);
    QFETCH(int, written);
    M_Degit d;
    d.setKeta(static_cast<std::int16_t>(keta));
    (d.*property.set)(static_cast<std::int16_t>(written));
    QTEST(int((d.*property.get)()), "stored");
}

void tst_M_Degit::sizeFollowsKetaAndSizeClass_data()
{
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("degitSize");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("panel fare, class 2") << 3 << 2 << QSize(57, 29);
    QTest::newRow("default, class 0") << 4 << 0 << QSize(52, 20);
    QTest::newRow("class 3") << 15 << 3 << QSize(165, 15);
    QTest::newRow("class 7 is class 0") << 2 << 7 << QSize(26, 20);
}

void tst_M_Degit::sizeFollowsKetaAndSizeClass()
{
    QFETCH(int, keta);
    QFETCH(int, degitSize);
    QFETCH(QSize, expected);
    M_Degit d, e;
    d.setDegitSize(static_cast<std::int16_t>(degitSize));
    d.setKeta(static_cast<std::int16_t>(keta));
    e.setKeta(static_cast<std::int16_t>(keta));
    e.setDegitSize(static_cast<std::int16_t>(degitSize));
    QCOMPARE(d.size(), expected);
    QCOMPARE(d.image().size(), expected);
    QCOMPARE(e.size(), expected);
}

void tst_M_Degit::everyStyleAndSizeShowsTheCharacters_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("degitSize");
    for (int style : {0, 1, 2})
        for (int size : {0, 1, 2, 3})
            QTest::addRow("style %d, class %d", style, size) << style << size;
}

void tst_M_Degit::everyStyleAndSizeShowsTheCharacters()
{
    QFETCH(int, style);
    QFETCH(int, degitSize);
    M_Degit d;
    d.setDegitStyle(static_cast<std::int16_t>(style));
    d.setDegitSize(static_cast<std::int16_t>(degitSize));
    d.setKeta(12);
    d.setValue(QStringLiteral("8 -0123456.9"));
    QCOMPARE(shown(d), QStringLiteral("8 -0123456.9"));
}

void tst_M_Degit::stylesLookDifferent()
{
    QList<QImage> images;
    for (std::int16_t style : {0, 1, 2, 5}) {
        M_Degit d;
        d.setDegitStyle(style);
        d.setValue(8888);
        images << d.image();
    }
    QVERIFY(images[0] != images[1] && images[1] != images[2] && images[0] != images[2]);
    QCOMPARE(images[3], images[0]); // any other value is style A
    M_Degit shown;
    shown.setValue(230);
    QCOMPARE(shown.grab().toImage().convertToFormat(QImage::Format_RGB32), shown.image()); // painting blits it
}

void tst_M_Degit::newControlIsBlankUntilARedraw()
{
    M_Degit d;
    QCOMPARE(d.charExtra(), 0);
    QVERIFY(d.fontBold());
    QImage blank(d.size(), QImage::Format_RGB32);
    blank.fill(toQColor(0x808080));
    QCOMPARE(d.image(), blank);
    d.setKeta(3);
    d.setValue(5);
    const QImage five = d.image();
    d.setFillZero(3);
    d.setZeroMode(1);
    d.setUserSet(false);
    QCOMPARE(d.image(), five); // format writers do not redraw...
    d.setBackColor(rgb(0, 0, 0)); // ...the colour writers do
    QCOMPARE(d.image().pixelColor(0, 0), QColor(0, 0, 0));
    QCOMPARE(shown(d), QStringLiteral("005"));
    d.setBaseForeColor(rgb(60, 40, 20));
    d.setDegitForeColor(rgb(255, 0, 0));
    const testing::DigitPicture p = testing::pictureOf(d);
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 2, SegA)), QColor(255, 0, 0));
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 2, SegB)), QColor(60, 40, 20)); // "5" has no b
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
    QCOMPARE(QList<int>({d.Shift(), d.ZeroMode(), d.FillZero()}), QList<int>({1, 1, 2}));
    d.setValue(d.Value()); // the kept format applies from the next redraw
    QCOMPARE(shown(d), QStringLiteral("88 "));
    d.ResetDegit(0);
    QCOMPARE(shown(d), QStringLiteral("   "));
    QCOMPARE(d.Value(), QVariant(QString()));
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
    bag.WriteProperty("value", 42);
    M_Degit d;
    const QImage before = d.image();
    d.ReadProperties(bag);
    QCOMPARE(QList<int>({d.Keta(), d.DegitSize(), d.DegitStyle(), d.ZeroMode()}), QList<int>({3, 2, 1, 7}));
    QCOMPARE(d.Value(), QVariant(42));
    QCOMPARE(d.BaseForeColor(), 0x969696u);
    QCOMPARE(d.size(), QSize(52, 20));
    QCOMPARE(d.image(), before);
    d.resize(57, 29); // the panel gives the extent; the next Value draws
    d.setValue(42);
    QCOMPARE(shown(d), QStringLiteral(" 42"));
}

void tst_M_Degit::writePropertiesStoresOnlyChanges()
{
    M_Degit d;
    PropertyBag bag;
    d.setValue(0.0); // still the number 0
    d.WriteProperties(bag);
    QCOMPARE(bag.size(), 0);
    d.setKeta(3);
    d.setValue(QStringLiteral("0")); // a text differs from the number
    d.WriteProperties(bag);
    QCOMPARE(bag.size(), 2);
    QCOMPARE(bag.ReadProperty("Keta").toInt(), 3);
    QCOMPARE(bag.ReadProperty("Value"), QVariant(QStringLiteral("0")));
    d.setValue(QVariant());
    d.WriteProperties(bag);
    M_Degit e;
    e.ReadProperties(bag);
    QVERIFY(!e.Value().isValid()); // nothing comes back as nothing
}

void tst_M_Degit::storedValuesAreReadIntoTheirTypes_data()
{
    QTest::addColumn<QString>("key"); // as the bag has it
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("16 bits, too high: the highest") << "keta" << QVariant(70000) << "Keta" << QVariant(32767);
    QTest::newRow("16 bits, too low: the lowest") << "ZEROMODE" << QVariant(-70000) << "ZeroMode" << QVariant(-32768);
    QTest::newRow("16 bits from a text number") << "Shift" << QVariant("12") << "Shift" << QVariant(12);
    QTest::newRow("16 bits from other text: 0") << "Keta" << QVariant("fast") << "Keta" << QVariant(0);
    QTest::newRow("colour keeps its low 32 bits")
        << "BaseForeColor" << QVariant(0x1'0000'0005LL) << "BaseForeColor" << QVariant(5u);
    QTest::newRow("colour -1 is every bit") << "backcolor" << QVariant(-1) << "BackColor" << QVariant(0xFFFFFFFFu);
    QTest::newRow("bool from a number") << "UserSet" << QVariant(0) << "UserSet" << QVariant(false);
    QTest::newRow("Value text 0 stays text") << "Value" << QVariant("0") << "Value" << QVariant(QStringLiteral("0"));
    QTest::newRow("Value false stays false") << "value" << QVariant(false) << "Value" << QVariant(false);
    QTest::newRow("Value 0.0 stays a double") << "Value" << QVariant(0.0) << "Value" << QVariant(0.0);
    QTest::newRow("Value nothing stays nothing") << "Value" << QVariant() << "Value" << QVariant();
}

void tst_M_Degit::storedValuesAreReadIntoTheirTypes()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    PropertyBag bag;
    bag.WriteProperty(key, stored);
    M_Degit d;
    d.ReadProperties(bag);
    QVariantMap others = storedValues(M_Degit());
    others[property] = expected;
    QCOMPARE(testing::differingKeys(storedValues(d), others), QStringList());
}

void tst_M_Degit::writtenValuesComeBack_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("written"); // nothing: not written
    QTest::newRow("Value false is not the number 0") << Change([](M_Degit &d) { d.setValue(false); }) << "Value"
                                                     << QVariant(false);
    QTest::newRow("Value -0.0 is the number 0") << Change([](M_Degit &d) { d.setValue(-0.0); }) << "Value"
                                                << QVariant();
    QTest::newRow("Value 64-bit 0 is the number 0")
        << Change([](M_Degit &d) { d.setValue(QVariant(0LL)); }) << "Value" << QVariant();
    QTest::newRow("UserSet off") << Change([](M_Degit &d) { d.setUserSet(false); }) << "UserSet" << QVariant(false);
    QTest::newRow("colour with every bit")
        << Change([](M_Degit &d) { d.setBackColor(0xFFFFFFFF); }) << "BackColor" << QVariant(0xFFFFFFFFu);
    QTest::newRow("Keta back to its design value") << Change([](M_Degit &d) {
        d.setKeta(3);
        d.setKeta(4);
    }) << "Keta" << QVariant();
    QTest::newRow("ZeroMode -1") << Change([](M_Degit &d) { d.setZeroMode(-1); }) << "ZeroMode" << QVariant(-1);
}

void tst_M_Degit::writtenValuesComeBack()
{
    QFETCH(Change, change);
    QFETCH(QString, key);
    QFETCH(QVariant, written);
    M_Degit d;
    change(d);
    PropertyBag bag;
    d.WriteProperties(bag);
    QCOMPARE(bag.size(), written.isValid() ? 1 : 0);
    const QVariant found = bag.ReadProperty(key);
    QCOMPARE(found.metaType(), written.metaType());
    QCOMPARE(found, written);
    // What was written comes back as it was; what was not, as a new control has it.
    M_Degit e;
    e.ReadProperties(bag);
    const M_Degit fresh;
    QCOMPARE(testing::differingKeys(storedValues(e), storedValues(written.isValid() ? d : fresh)), QStringList());
}

void tst_M_Degit::showSetDlgTakesTheDialogValues_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("format"); // ZeroMode, Shift, FillZero afterwards
    QTest::addColumn<QString>("expected");
    // Accepted values are taken without the writers' limits (FillZero 9).
    QTest::newRow("accepted") << 1 << QList<int>{1, 1, 9} << "05 ";
    // Cancelled: the format is kept and still drawn.
    QTest::newRow("cancelled") << 0 << QList<int>{2, 0, 3} << "005";
}

void tst_M_Degit::showSetDlgTakesTheDialogValues()
{
    QFETCH(int, result);
    ScriptedDialogs dialogs;
    dialogs.result = result;
    const ScopedResDialogs scope(dialogs);
    M_Degit d;
    d.setKeta(3);
    d.setZeroMode(2);
    d.setValue(5);
    d.setFillZero(3); // not drawn before the dialog
    QCOMPARE(d.ShowSetDlg(), result);
    QCOMPARE(dialogs.owner, &d);
    QCOMPARE(dialogs.keta, 3);
    QTEST(QList<int>({d.ZeroMode(), d.Shift(), d.FillZero()}), "format");
    QTEST(shown(d), "expected");
}

void tst_M_Degit::doubleClickRaisesDblClickAndPressesStayHere()
{
    QWidget parent;
    auto *d = new M_Degit(&parent);
    QSignalSpy spy(d, &M_Degit::DblClick);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    press.ignore();
    QApplication::sendEvent(d, &press);
    QVERIFY(press.isAccepted()); // so the panel does not start a drag
    QTest::mouseDClick(d, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(tst_M_Degit)
#include "tst_mdegit.moc"
