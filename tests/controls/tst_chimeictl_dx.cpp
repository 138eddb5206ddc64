// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/ChimeiTypeface.h"
#include "reslib/Clock.h"
#include "reslib/Fonts.h"
#include "reslib/PropertyBag.h"

#include "StoredValues.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

const OleColor kBack = rgb(64, 64, 64);
const OleColor kFore = rgb(255, 192, 128);
const OleColor kPrefix = rgb(255, 185, 121); // the prefix colour of a new control

QRgb qrgb(OleColor c)
{
    return toQColor(c).rgb();
}

// One character as the strip should show it.
struct Cell
{
    int x;
    QString text;
    OleColor colour = kFore;
    QString face = kGothicFace;
    bool bold = false;
    double points = 14;
    int printY = 0;
};

QImage expectedCanvas(int width, const std::vector<Cell> &cells)
{
    QImage canvas(width, 56, QImage::Format_RGB32);
    canvas.fill(toQColor(kBack));
    for (const Cell &c : cells)
        drawDots(canvas, c.x, 0, sampleRaster(printOnRaster({c.face, c.points, c.bold}, c.printY, c.text)), c.colour);
    return canvas;
}

std::vector<Cell> prefixCells(int tsugiwaMode, bool bold = false)
{
    Cell tsugi{0, u"次"_s, kPrefix};
    Cell ha{54, u"は"_s, kPrefix};
    tsugi.bold = ha.bold = bold;
    if (tsugiwaMode == 1) {
        ha.points = 12;
        ha.printY = 4;
    }
    return {tsugi, ha};
}

std::vector<Cell> nameCells(const QString &name, int start, int pitch)
{
    std::vector<Cell> cells;
    for (int i = 0; i < name.size(); ++i)
        cells.push_back({start + i * pitch, name.mid(i, 1)});
    return cells;
}

std::set<QRgb> coloursIn(const QImage &image, const QRect &area)
{
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

// A strip as the panel has it, with a clock the test moves.
struct Strip
{
    qint64 now = 0;
    ScopedClock clock{[this] { return now; }};
    ChimeiCtl_DX control;

    Strip()
    {
        control.setBackColor(kBack);
        control.setForeColor(kFore);
    }
    // Moves the clock to when pass `k` since the scroll started at 0 is due.
    void toPass(qint64 k)
    {
        now = ((k - 1) * 15625 + 999) / 1000;
        control.updateScroll();
    }
};

const QString kNine = u"国立がんセンター前"_s;

// Every property, in the order they are persisted.
QVariantList values(const ChimeiCtl_DX &c)
{
    return {c.BackColor(), c.ForeColor(), int{c.Speed()}, c.ScrollStartWait(), int{c.Mode()}, int{c.Appearance()},
            int{c.FontMode()}, c.FontBold(), int{c.TsugiwaMode()}, c.TsugiwaColor(), int{c.TsugiwaFontMode()},
            c.TsugiwaBold()};
}

// Every stored property by its key, as the getters give it.
QVariantMap storedValues(const ChimeiCtl_DX &c)
{
    return {{u"BackColor"_s, c.BackColor()},           {u"ForeColor"_s, c.ForeColor()},
            {u"Speed"_s, int{c.Speed()}},              {u"ScrollStartWait"_s, c.ScrollStartWait()},
            {u"Mode"_s, int{c.Mode()}},                {u"Appearance"_s, int{c.Appearance()}},
            {u"FontMode"_s, int{c.FontMode()}},        {u"FontBold"_s, c.FontBold()},
            {u"TsugiwaMode"_s, int{c.TsugiwaMode()}},  {u"TsugiwaColor"_s, c.TsugiwaColor()},
            {u"TsugiwaFontMode"_s, int{c.TsugiwaFontMode()}}, {u"TsugiwaBold"_s, c.TsugiwaBold()}};
}

using Change = std::function<void(ChimeiCtl_DX &)>;

} // namespace

Q_DECLARE_METATYPE(std::vector<Cell>)
Q_DECLARE_METATYPE(Change)

class tst_ChimeiCtl_DX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesAreSpreadOverTheStripOrScroll_data();
    void namesAreSpreadOverTheStripOrScroll();
    void everyDotIs2x2OnThe3PixelPitch();
    void prefixDotsAreInTsugiwaColourAndNameDotsInForeColour();
    void verticalFormsAreDrawnHorizontally_data();
    void verticalFormsAreDrawnHorizontally();
    void faceFollowsFontModeAndCharacterCode_data();
    void faceFollowsFontModeAndCharacterCode();
    void boldFollowsFontBoldAndTsugiwaBold_data();
    void boldFollowsFontBoldAndTsugiwaBold();
    void oddByteLengthsAndCutCharacters_data();
    void oddByteLengthsAndCutCharacters();
    void newControlHasDesignValues();
    void settersNotifyButDoNotRedrawTheName();
    void storedValuesAreReadAsTheyAre();
    void onlyChangedPropertiesAreWritten();
    void storedValuesThatDoNotFitTakeTheDesignValue_data();
    void storedValuesThatDoNotFitTakeTheDesignValue();
    void writtenValuesComeBack_data();
    void writtenValuesComeBack();
    void viewportShowsTheCanvasOneRowUpWithItsBorder();
    void scrollMovesEachPassAndRereadsSpeed();
    void timerWakesOnlyWhenTheCanvasMoves_data();
    void timerWakesOnlyWhenTheCanvasMoves();
    void speedChangedWhileTheTimerSleepsAppliesFromThen();
    void shownStripIsWhatAFullRepaintDrawsAtEveryPass_data();
    void shownStripIsWhatAFullRepaintDrawsAtEveryPass();
    void stripStaysEmptyDuringThePause();
    void speedZeroBecomesOneWhenTheScrollStarts();
    void prefixedSevenCharacterNameJumpsToTheRightEdge();
    void laterNamesStopRestartOrBlankTheScroll_data();
    void laterNamesStopRestartOrBlankTheScroll();
};

void tst_ChimeiCtl_DX::initTestCase()
{
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_ChimeiCtl_DX::namesAreSpreadOverTheStripOrScroll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tsugiwaMode");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("scrolls");
    QTest::addColumn<std::vector<Cell>>("cells");
    auto withPrefix = [](int mode, std::vector<Cell> name) {
        std::vector<Cell> cells = prefixCells(mode);
        cells.insert(cells.end(), name.begin(), name.end());
        return cells;
    };
    QTest::newRow("one character centred") << u"森"_s << 0 << 432 << false << nameCells(u"森"_s, 188, 0);
    QTest::newRow("one character after the prefix")
        << u"森"_s << 2 << 432 << false << withPrefix(2, nameCells(u"森"_s, 242, 0));
    QTest::newRow("two characters") << u"駅前"_s << 0 << 432 << false << nameCells(u"駅前"_s, 135, 108);
    QTest::newRow("eight characters fill the strip")
        << u"東京駅八重洲北口"_s << 0 << 432 << false << nameCells(u"東京駅八重洲北口"_s, 0, 54);
    QTest::newRow("nine characters scroll") << kNine << 0 << 486 << true << nameCells(kNine, 0, 54);
    QTest::newRow("six characters with prefix stand still")
        << u"市立病院東口"_s << 1 << 432 << false << withPrefix(1, nameCells(u"市立病院東口"_s, 108, 54));
    QTest::newRow("seven characters with prefix scroll")
        << u"市立総合病院前"_s << 2 << 486 << true << withPrefix(2, nameCells(u"市立総合病院前"_s, 108, 54));
}

void tst_ChimeiCtl_DX::namesAreSpreadOverTheStripOrScroll()
{
    QFETCH(QString, name);
    QFETCH(int, tsugiwaMode);
    QFETCH(int, width);
    QFETCH(std::vector<Cell>, cells);
    Strip strip;
    strip.control.setTsugiwaMode(static_cast<std::int16_t>(tsugiwaMode));
    strip.control.SetChimei(name);
    QCOMPARE(strip.control.canvas().width(), width);
    QTEST(strip.control.isScrolling(), "scrolls");
    QCOMPARE(strip.control.canvas(), expectedCanvas(width, cells));
}

void tst_ChimeiCtl_DX::everyDotIs2x2OnThe3PixelPitch()
{
    // With the prefix every cell starts on a multiple of 54, so every dot
    // lies on the canvas's own 3-pixel grid.
    Strip strip;
    strip.control.setTsugiwaMode(1);
    strip.control.setFontBold(true);
    strip.control.SetChimei(u"市立病院東口"_s);
    const QImage &canvas = strip.control.canvas();
    const QRgb back = qrgb(kBack);
    int lit = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == back)
                continue;
            ++lit;
            QVERIFY2(x % 3 < 2 && y % 3 < 2, qPrintable(u"pixel %1,%2 between dots"_s.arg(x).arg(y)));
            const int left = x - x % 3;
            const int top = y - y % 3;
            QCOMPARE(coloursIn(canvas, {left, top, 2, 2}).count(back), 0u);
        }
    }
    QVERIFY(lit > 8 * 4 * 20);
}

void tst_ChimeiCtl_DX::prefixDotsAreInTsugiwaColourAndNameDotsInForeColour()
{
    Strip strip;
    strip.control.setTsugiwaMode(1);
    strip.control.SetChimei(u"中央公園"_s);
    const QImage &canvas = strip.control.canvas();
    QCOMPARE(coloursIn(canvas, {0, 0, 108, 56}), (std::set<QRgb>{qrgb(kBack), qrgb(kPrefix)}));
    QCOMPARE(coloursIn(canvas, {108, 0, 324, 56}), (std::set<QRgb>{qrgb(kBack), qrgb(kFore)}));

    // The small "は" is a 12-point glyph printed 4 pixels lower than "次".
    const QImage small = canvas.copy(54, 0, 54, 56);
    strip.control.setTsugiwaMode(2);
    strip.control.SetChimei(u"中央公園"_s);
    const QImage full = strip.control.canvas().copy(54, 0, 54, 56);
    auto topRow = [](const QImage &cell) {
        for (int y = 0; y < cell.height(); ++y) {
            if (coloursIn(cell, {0, y, cell.width(), 1}).size() > 1)
                return y;
        }
        return -1;
    };
    QVERIFY(topRow(small) > topRow(full));
    QCOMPARE(strip.control.rasterFont().points, 14.0);
    QCOMPARE(strip.control.rasterPrintY(), 0);
}

void tst_ChimeiCtl_DX::verticalFormsAreDrawnHorizontally_data()
{
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("horizontal");
    QTest::newRow("丨 as ー") << u"丨"_s << u"ー"_s;
    QTest::newRow("｜ as －") << u"｜"_s << u"－"_s;
    QTest::newRow("↓ as →") << u"↓"_s << u"→"_s;
    QTest::newRow("↑ as ←") << u"↑"_s << u"←"_s;
}

void tst_ChimeiCtl_DX::verticalFormsAreDrawnHorizontally()
{
    QFETCH(QString, vertical);
    QFETCH(QString, horizontal);
    Strip strip;
    strip.control.SetChimei(u"駅"_s + vertical);
    QCOMPARE(strip.control.canvas(), expectedCanvas(432, {{135, u"駅"_s}, {243, horizontal}}));

    std::int32_t x = 0;
    std::int32_t y = 0;
    QString ch = vertical;
    strip.control.DrawDot54(x, y, ch);
    QCOMPARE(ch, horizontal);
}

void tst_ChimeiCtl_DX::faceFollowsFontModeAndCharacterCode_data()
{
    QTest::addColumn<int>("fontMode");
    QTest::addColumn<QString>("ch");
    QTest::addColumn<QString>("face");
    QTest::newRow("mode 2: kanji 駅 gothic") << 2 << u"駅"_s << kGothicFace;
    QTest::newRow("mode 2: katakana バ mincho") << 2 << u"バ"_s << kMinchoFace;
    QTest::newRow("mode 4: letter Ａ gothic") << 4 << u"Ａ"_s << kGothicFace;
    QTest::newRow("mode 4: katakana バ mincho") << 4 << u"バ"_s << kMinchoFace;
}

void tst_ChimeiCtl_DX::faceFollowsFontModeAndCharacterCode()
{
    QFETCH(int, fontMode);
    QFETCH(QString, ch);
    QFETCH(QString, face);
    Strip strip;
    strip.control.setFontMode(static_cast<std::int16_t>(fontMode));
    std::int32_t x = 188;
    std::int32_t y = 0;
    strip.control.DrawDot54(x, y, ch);
    QCOMPARE(strip.control.rasterFont().face, face);
    Cell cell{188, ch};
    cell.face = face;
    QCOMPARE(strip.control.canvas(), expectedCanvas(432, {cell}));
    // The two faces really differ, so the dots show which one was used.
    cell.face = face == kGothicFace ? kMinchoFace : kGothicFace;
    QVERIFY(strip.control.canvas() != expectedCanvas(432, {cell}));
}

void tst_ChimeiCtl_DX::boldFollowsFontBoldAndTsugiwaBold_data()
{
    QTest::addColumn<bool>("fontBold");
    QTest::addColumn<bool>("tsugiwaBold");
    QTest::newRow("neither") << false << false;
    QTest::newRow("name only") << true << false;
    QTest::newRow("prefix only") << false << true;
    QTest::newRow("both") << true << true;
}

void tst_ChimeiCtl_DX::boldFollowsFontBoldAndTsugiwaBold()
{
    QFETCH(bool, fontBold);
    QFETCH(bool, tsugiwaBold);
    Strip strip;
    strip.control.setTsugiwaMode(2);
    strip.control.setFontBold(fontBold);
    strip.control.setTsugiwaBold(tsugiwaBold);
    // Drawn twice, so the second prefix follows a name drawn with FontBold.
    strip.control.SetChimei(u"公園"_s);
    strip.control.SetChimei(u"公園"_s);
    std::vector<Cell> cells = prefixCells(2, tsugiwaBold);
    for (Cell c : nameCells(u"公園"_s, 188, 108)) {
        c.bold = fontBold;
        cells.push_back(c);
    }
    QCOMPARE(strip.control.canvas(), expectedCanvas(432, cells));
}

void tst_ChimeiCtl_DX::oddByteLengthsAndCutCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::vector<Cell>>("cells");
    QTest::newRow("lone single-byte character at 0") << u"A"_s << std::vector<Cell>{{0, u"A"_s}};
    QTest::newRow("final byte on the same place when pitch is 0")
        << u"駅A"_s << std::vector<Cell>{{188, u"駅"_s}, {188, u"A"_s}};
    QTest::newRow("final byte in the next cell")
        << u"駅前A"_s << std::vector<Cell>{{135, u"駅"_s}, {243, u"前"_s}, {351, u"A"_s}};
    QTest::newRow("two single-byte characters in one cell")
        << u"JR駅"_s << std::vector<Cell>{{135, u"JR"_s}, {243, u"駅"_s}};
    QTest::newRow("cut characters show nothing") << u"A駅前"_s << std::vector<Cell>{};
}

void tst_ChimeiCtl_DX::oddByteLengthsAndCutCharacters()
{
    QFETCH(QString, name);
    QFETCH(std::vector<Cell>, cells);
    Strip strip;
    strip.control.SetChimei(name);
    QCOMPARE(strip.control.canvas(), expectedCanvas(432, cells));
    QVERIFY(!strip.control.isScrolling());
}

void tst_ChimeiCtl_DX::newControlHasDesignValues()
{
    ChimeiCtl_DX control;
    QCOMPARE(values(control), (QVariantList{8421504u, 48895u, 5, 1500, 0, 1, 0, false, 0, 7977471u, 0, false}));
    QCOMPARE(control.size(), QSize(432, 56));
    QCOMPARE(control.raster().size(), QSize(18, 18));
    QCOMPARE(control.rasterFont().points, 14.25);
}

void tst_ChimeiCtl_DX::settersNotifyButDoNotRedrawTheName()
{
    Strip strip;
    strip.control.SetChimei(u"駅前"_s);
    const QImage drawn = strip.control.canvas();
    QSignalSpy changed(&strip.control, &ChimeiCtl_DX::propertyChanged);
    strip.control.setForeColor(rgb(0, 255, 0));
    strip.control.setFontMode(1);
    strip.control.setFontBold(true);
    strip.control.setTsugiwaMode(2);
    strip.control.setTsugiwaColor(rgb(255, 0, 0));
    strip.control.setSpeed(100);
    strip.control.setMode(1);
    strip.control.setFontMode(1); // no change, no notice
    strip.control.setTsugiwaMode(3); // out of range: stored as 0
    QCOMPARE(strip.control.TsugiwaMode(), 0);
    strip.control.setTsugiwaMode(-1);
    QCOMPARE(strip.control.canvas(), drawn);
    QStringList names;
    for (const QList<QVariant> &args : changed)
        names << args.at(0).toString();
    QCOMPARE(names, (QStringList{u"ForeColor"_s, u"FontMode"_s, u"FontBold"_s, u"TsugiwaMode"_s,
                                 u"TsugiwaColor"_s, u"Speed"_s, u"Mode"_s, u"TsugiwaMode"_s}));

    // A new background erases the dots.
    strip.control.setBackColor(rgb(0, 0, 128));
    QCOMPARE(coloursIn(strip.control.canvas(), strip.control.canvas().rect()),
             std::set<QRgb>{qRgb(0, 0, 128)});
    QCOMPARE(changed.last().at(0).toString(), u"BackColor"_s);
}

void tst_ChimeiCtl_DX::storedValuesAreReadAsTheyAre()
{
    PropertyBag bag;
    bag.WriteProperty(u"BackColor"_s, static_cast<int>(kBack));
    bag.WriteProperty(u"ForeColor"_s, static_cast<int>(kFore));
    bag.WriteProperty(u"TsugiwaMode"_s, 3);
    bag.WriteProperty(u"FontBold"_s, true);
    bag.WriteProperty(u"Speed"_s, u"fast"_s); // unreadable: the design value
    ChimeiCtl_DX control;
    control.ReadProperties(bag);
    QCOMPARE(control.BackColor(), kBack);
    QCOMPARE(control.ForeColor(), kFore);
    QCOMPARE(control.TsugiwaMode(), 3);
    QCOMPARE(control.FontBold(), true);
    QVERIFY(!control.rasterFont().bold);
    QCOMPARE(control.Speed(), 5);
    QCOMPARE(control.ScrollStartWait(), 1500);

    // A stored 3 shows the prefix at full size.
    control.SetChimei(u"森"_s);
    std::vector<Cell> cells = prefixCells(2);
    Cell name{242, u"森"_s};
    name.bold = true;
    cells.push_back(name);
    QCOMPARE(control.canvas(), expectedCanvas(432, cells));

    PropertyBag written;
    control.WriteProperties(written);
    QCOMPARE(written.ReadProperty(u"TsugiwaMode"_s).toInt(), 3);

    // The setter, unlike reading, gives the raster its bold flag at once.
    control.DrawTsugiwa();
    QVERIFY(!control.rasterFont().bold);
    control.setFontBold(true);
    QVERIFY(control.rasterFont().bold);
}

void tst_ChimeiCtl_DX::onlyChangedPropertiesAreWritten()
{
    ChimeiCtl_DX control;
    PropertyBag untouched;
    control.WriteProperties(untouched);
    QCOMPARE(untouched.size(), 0);

    control.setBackColor(kBack);
    control.setForeColor(kFore);
    control.setSpeed(200);
    control.setScrollStartWait(0);
    control.setMode(2);
    control.setAppearance(5); // any value but 0 is the 3-D look
    control.setAppearance(0);
    control.setFontMode(4);
    control.setFontBold(true);
    control.setTsugiwaMode(1);
    control.setTsugiwaColor(rgb(1, 2, 3));
    control.setTsugiwaFontMode(3);
    control.setTsugiwaBold(true);
    PropertyBag bag;
    control.WriteProperties(bag);
    QCOMPARE(bag.size(), 12);
    ChimeiCtl_DX copy;
    copy.ReadProperties(bag);
    QCOMPARE(values(copy), values(control));

    copy.ReadProperties(PropertyBag());
    QCOMPARE(values(copy), values(ChimeiCtl_DX()));
}

void tst_ChimeiCtl_DX::storedValuesThatDoNotFitTakeTheDesignValue_data()
{
    QTest::addColumn<QString>("key"); // as the bag has it
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("16 bits, too high") << u"Speed"_s << QVariant(40000) << u"Speed"_s << QVariant(5);
    QTest::newRow("16 bits from a text number") << u"speed"_s << QVariant(u"12"_s) << u"Speed"_s << QVariant(12);
    QTest::newRow("16 bits from other text") << u"Mode"_s << QVariant(u"fast"_s) << u"Mode"_s << QVariant(0);
    QTest::newRow("32 bits, too high") << u"ScrollStartWait"_s << QVariant(3'000'000'000LL) << u"ScrollStartWait"_s
                                       << QVariant(1500);
    QTest::newRow("32 bits, negative") << u"SCROLLSTARTWAIT"_s << QVariant(-5) << u"ScrollStartWait"_s << QVariant(-5);
    QTest::newRow("colour -1 is every bit") << u"forecolor"_s << QVariant(-1) << u"ForeColor"_s
                                            << QVariant(0xFFFFFFFFu);
    QTest::newRow("colour beyond signed 32 bits") << u"TsugiwaColor"_s << QVariant(0xFFFFFFFFu) << u"TsugiwaColor"_s
                                                  << QVariant(7977471u);
    QTest::newRow("Appearance 7 is 1") << u"Appearance"_s << QVariant(7) << u"Appearance"_s << QVariant(1);
    QTest::newRow("Appearance 0 is 0") << u"appearance"_s << QVariant(0) << u"Appearance"_s << QVariant(0);
    QTest::newRow("Appearance too high") << u"Appearance"_s << QVariant(70000) << u"Appearance"_s << QVariant(1);
    QTest::newRow("bool from a number") << u"TsugiwaBold"_s << QVariant(2) << u"TsugiwaBold"_s << QVariant(true);
}

void tst_ChimeiCtl_DX::storedValuesThatDoNotFitTakeTheDesignValue()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    PropertyBag bag;
    bag.WriteProperty(key, stored);
    ChimeiCtl_DX control;
    control.setSpeed(9); // reading replaces every stored property
    control.ReadProperties(bag);
    QVariantMap others = storedValues(ChimeiCtl_DX());
    others[property] = expected;
    QCOMPARE(testing::differingKeys(storedValues(control), others), QStringList());
}

void tst_ChimeiCtl_DX::writtenValuesComeBack_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("written"); // nothing: not written
    QTest::newRow("colour with every bit") << Change([](ChimeiCtl_DX &c) { c.setForeColor(0xFFFFFFFF); })
                                           << u"ForeColor"_s << QVariant(-1);
    QTest::newRow("Appearance 0") << Change([](ChimeiCtl_DX &c) { c.setAppearance(0); }) << u"Appearance"_s
                                  << QVariant(0);
    QTest::newRow("ScrollStartWait 0") << Change([](ChimeiCtl_DX &c) { c.setScrollStartWait(0); })
                                       << u"ScrollStartWait"_s << QVariant(0);
    QTest::newRow("TsugiwaBold") << Change([](ChimeiCtl_DX &c) { c.setTsugiwaBold(true); }) << u"TsugiwaBold"_s
                                 << QVariant(true);
    QTest::newRow("Speed back to its design value") << Change([](ChimeiCtl_DX &c) {
        c.setSpeed(9);
        c.setSpeed(5);
    }) << u"Speed"_s << QVariant();
}

void tst_ChimeiCtl_DX::writtenValuesComeBack()
{
    QFETCH(Change, change);
    QFETCH(QString, key);
    QFETCH(QVariant, written);
    ChimeiCtl_DX control;
    change(control);
    PropertyBag bag;
    control.WriteProperties(bag);
    QCOMPARE(bag.size(), written.isValid() ? 1 : 0);
    const QVariant found = bag.ReadProperty(key);
    QCOMPARE(found.metaType(), written.metaType());
    QCOMPARE(found, written);
    ChimeiCtl_DX copy;
    copy.ReadProperties(bag);
    QCOMPARE(testing::differingKeys(storedValues(copy), storedValues(control)), QStringList());
}

void tst_ChimeiCtl_DX::viewportShowsTheCanvasOneRowUpWithItsBorder()
{
    Strip strip;
    strip.control.SetChimei(u"駅"_s);
    strip.control.setAppearance(0);
    strip.control.SetChimei(u"駅"_s);
    const QImage flat = strip.control.viewportImage();
    QCOMPARE(flat.size(), QSize(432, 58));
    QCOMPARE(flat.copy(0, 0, 432, 55), strip.control.canvas().copy(0, 1, 432, 55));
    QCOMPARE(coloursIn(flat, {0, 55, 432, 3}), std::set<QRgb>{qrgb(kBack)});

    strip.control.setAppearance(1);
    strip.control.SetChimei(u"駅"_s);
    const QImage sunken = strip.control.viewportImage();
    QCOMPARE(sunken.pixel(5, 0), qRgb(128, 128, 128));
    QCOMPARE(sunken.pixel(0, 30), qRgb(128, 128, 128));
    QCOMPARE(sunken.pixel(431, 30), qRgb(255, 255, 255));
    QCOMPARE(sunken.pixel(30, 57), qRgb(255, 255, 255));
    QCOMPARE(sunken.copy(1, 1, 430, 54), strip.control.canvas().copy(1, 2, 430, 54));
}

void tst_ChimeiCtl_DX::scrollMovesEachPassAndRereadsSpeed()
{
    Strip strip;
    strip.control.setSpeed(2000);
    strip.control.SetChimei(kNine);
    QCOMPARE(strip.control.canvasLeft(), 432);
    strip.toPass(1);
    QCOMPARE(strip.control.canvasLeft(), 422);
    strip.toPass(10);
    QCOMPARE(strip.control.scrollPosition(), 432.0 - 10 * 20);
    strip.control.setSpeed(5);
    strip.toPass(11);
    QCOMPARE(strip.control.scrollPosition(), 432.0 - 10 * 20 - 0.025);
}

void tst_ChimeiCtl_DX::timerWakesOnlyWhenTheCanvasMoves_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("2 pixels a pass: the next pass") << 200 << 16 << 16;
    QTest::newRow("half a pixel a pass: two passes on") << 100 << 31 << 31;
    QTest::newRow("Speed 1: about 200 passes on") << 1 << 3000 << 3200;
}

// At pass 2 (16 ms) the canvas has just moved from the right edge; the timer
// is armed for the next pass that moves it again, not for every pass.
void tst_ChimeiCtl_DX::timerWakesOnlyWhenTheCanvasMoves()
{
    QFETCH(int, speed);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    Strip strip;
    strip.control.setSpeed(static_cast<std::int16_t>(speed));
    strip.control.SetChimei(kNine);
    strip.toPass(2);
    const QTimer *timer = strip.control.findChild<QTimer *>();
    QVERIFY(timer && timer->isActive());
    QVERIFY2(timer->interval() >= shortest && timer->interval() <= longest, qPrintable(QString::number(timer->interval())));
}

void tst_ChimeiCtl_DX::speedChangedWhileTheTimerSleepsAppliesFromThen()
{
    // At Speed 1 the timer sleeps for seconds; passes due before a change of
    // speed move the canvas at the old speed, and only later ones at the new.
    Strip strip;
    strip.control.setSpeed(1);
    strip.control.SetChimei(kNine);
    strip.toPass(2);
    strip.now = ((150 - 1) * 15625 + 999) / 1000; // pass 150 is due; the timer has not woken
    strip.control.setSpeed(2000);
    QVERIFY(qFuzzyCompare(strip.control.scrollPosition(), 432.0 - 150 * 0.005));
    strip.toPass(151);
    QVERIFY(qFuzzyCompare(strip.control.scrollPosition(), 432.0 - 150 * 0.005 - 20));
    const QTimer *timer = strip.control.findChild<QTimer *>();
    QVERIFY(timer && timer->interval() <= 16);
}

void tst_ChimeiCtl_DX::shownStripIsWhatAFullRepaintDrawsAtEveryPass_data()
{
    QTest::addColumn<int>("appearance");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("speed");
    QTest::newRow("sunken edge, 2 pixels a pass") << 1 << 1 << 200;
    QTest::newRow("flat, 2 pixels a pass") << 0 << 1 << 200;
    QTest::newRow("sunken edge, magnified 3 times") << 1 << 3 << 200;
    QTest::newRow("sunken edge, 20 pixels a pass, through the pause") << 1 << 1 << 2000;
}

// A scroll step paints only the inside of the sunken edge, at once: what the
// screen shows must still be, pixel for pixel, what painting the whole strip
// afresh draws.
void tst_ChimeiCtl_DX::shownStripIsWhatAFullRepaintDrawsAtEveryPass()
{
    QFETCH(int, appearance);
    QFETCH(int, zoom);
    QFETCH(int, speed);
    Strip strip;
    strip.control.setAppearance(static_cast<std::int16_t>(appearance));
    strip.control.setZoom(zoom);
    strip.control.setSpeed(static_cast<std::int16_t>(speed));
    strip.control.setScrollStartWait(0);
    strip.control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip.control));
    strip.control.SetChimei(kNine);
    QScreen *screen = strip.control.screen();
    for (qint64 pass = 1; pass <= 120; pass += 7) {
        strip.toPass(pass);
        QCoreApplication::processEvents();
        const QImage shown = screen->grabWindow(strip.control.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = strip.control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(shown == painted, qPrintable(u"pass %1, canvas at %2"_s.arg(pass).arg(strip.control.canvasLeft())));
    }
}

void tst_ChimeiCtl_DX::stripStaysEmptyDuringThePause()
{
    Strip strip;
    strip.control.setSpeed(2000);
    strip.control.setScrollStartWait(3000);
    strip.control.SetChimei(kNine);
    strip.toPass(20);
    QVERIFY(coloursIn(strip.control.viewportImage(), {1, 1, 430, 54}).count(qrgb(kFore)));
    strip.toPass(47); // the canvas has left the strip on the left
    QVERIFY(strip.control.isScrollPausing());
    QCOMPARE(strip.control.canvasLeft(), 432);
    strip.now = 3718;
    strip.control.updateScroll();
    QVERIFY(strip.control.isScrollPausing());
    QCOMPARE(coloursIn(strip.control.viewportImage(), {1, 1, 430, 54}), std::set<QRgb>{qrgb(kBack)});
    strip.now = 3719;
    strip.control.updateScroll();
    QVERIFY(!strip.control.isScrollPausing());
    QCOMPARE(strip.control.canvasLeft(), 412);
}

void tst_ChimeiCtl_DX::speedZeroBecomesOneWhenTheScrollStarts()
{
    Strip strip;
    strip.control.setSpeed(0);
    strip.control.SetChimei(u"駅前"_s);
    QCOMPARE(strip.control.Speed(), 0);
    QSignalSpy changed(&strip.control, &ChimeiCtl_DX::propertyChanged);
    strip.control.SetChimei(kNine);
    QCOMPARE(strip.control.Speed(), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toString(), u"Speed"_s);
    strip.toPass(3);
    QVERIFY(qFuzzyCompare(strip.control.scrollPosition(), 432.0 - 3 * 0.005));
}

void tst_ChimeiCtl_DX::prefixedSevenCharacterNameJumpsToTheRightEdge()
{
    Strip strip;
    strip.control.setSpeed(200);
    strip.control.setTsugiwaMode(1);
    strip.control.SetChimei(u"市立総合病院前"_s);
    QVERIFY(strip.control.isScrolling());
    QCOMPARE(strip.control.canvasLeft(), 0);
    strip.toPass(1);
    QCOMPARE(strip.control.canvasLeft(), 431);
}

void tst_ChimeiCtl_DX::laterNamesStopRestartOrBlankTheScroll_data()
{
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("scrolling");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("short name stops at 0") << u"駅前"_s << false << 0 << 432;
    QTest::newRow("long name restarts from the right") << u"東京都庁第一本庁舎前"_s << true << 432 << 540;
    QTest::newRow("empty text blanks and keeps scrolling") << QString() << true << 393 << 486;
}

void tst_ChimeiCtl_DX::laterNamesStopRestartOrBlankTheScroll()
{
    QFETCH(QString, next);
    Strip strip;
    strip.control.setSpeed(200);
    strip.control.SetChimei(kNine);
    strip.toPass(20);
    QCOMPARE(strip.control.canvasLeft(), 393);

    strip.control.SetChimei(next);
    QTEST(strip.control.isScrolling(), "scrolling");
    QTEST(strip.control.canvasLeft(), "left");
    QTEST(strip.control.canvas().width(), "width");
    if (next.isEmpty()) {
        QCOMPARE(coloursIn(strip.control.canvas(), strip.control.canvas().rect()), std::set<QRgb>{qrgb(kBack)});
        strip.toPass(21);
        QCOMPARE(strip.control.canvasLeft(), 391);
    }
}

QTEST_MAIN(tst_ChimeiCtl_DX)
#include "tst_chimeictl_dx.moc"
