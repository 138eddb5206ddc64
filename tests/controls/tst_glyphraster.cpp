#include "controls/stopname/GlyphRaster.h"
#include "reslib/Fonts.h"

#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

// Rows (top first) of the dots of `dots`, '#' for ink, for readable failures.
QStringList picture(const GlyphDots &dots)
{
    QStringList rows;
    for (int r = 0; r < kSampleCount; ++r) {
        QString row;
        for (int c = 0; c < kSampleCount; ++c)
            row += dots.ink(c, r) ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

int topInkRow(const GlyphDots &dots)
{
    for (int r = 0; r < kSampleCount; ++r) {
        for (int c = 0; c < kSampleCount; ++c) {
            if (dots.ink(c, r))
                return r;
        }
    }
    return -1;
}

} // namespace

class tst_GlyphRaster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pointSizesBecomeWholePixelsAt96Dpi_data();
    void pointSizesBecomeWholePixelsAt96Dpi();
    void printedInkIsPureBlackOnWhite_data();
    void printedInkIsPureBlackOnWhite();
    void onlyExactBlackIsInk_data();
    void onlyExactBlackIsInk();
    void eachSampleBecomesA2x2DotOnA3PixelPitch_data();
    void eachSampleBecomesA2x2DotOnA3PixelPitch();
    void printPositionMovesTheGlyphDown();
    void rasterizerRemembersEachGlyphSeparately();
};

void tst_GlyphRaster::initTestCase()
{
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_GlyphRaster::pointSizesBecomeWholePixelsAt96Dpi_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("design size 14.25") << 14.25 << 19;
    QTest::newRow("14") << 14.0 << 19;
    QTest::newRow("small は 12") << 12.0 << 16;
}

void tst_GlyphRaster::pointSizesBecomeWholePixelsAt96Dpi()
{
    QFETCH(double, points);
    QTEST(pixelSizeForPoints(points), "pixels");
}

void tst_GlyphRaster::printedInkIsPureBlackOnWhite_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("text");
    QTest::newRow("gothic kanji") << kGothicFace << false << u"駅"_s;
    QTest::newRow("gothic bold kanji") << kGothicFace << true << u"駅"_s;
    QTest::newRow("mincho kana") << kMinchoFace << false << u"バ"_s;
    QTest::newRow("mincho bold kana") << kMinchoFace << true << u"は"_s;
    QTest::newRow("two single-byte characters") << kGothicFace << false << u"JR"_s;
}

void tst_GlyphRaster::printedInkIsPureBlackOnWhite()
{
    QFETCH(QString, face);
    QFETCH(bool, bold);
    QFETCH(QString, text);
    const QImage raster = printOnRaster({face, 14, bold}, 0, text);
    QCOMPARE(raster.size(), QSize(kRasterSize, kRasterSize));
    QCOMPARE(raster.dotsPerMeterX(), 3780);
    int ink = 0;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb pixel = raster.pixel(x, y) & 0xFFFFFF;
            QVERIFY2(pixel == 0 || pixel == 0xFFFFFF, qPrintable(u"grey pixel at %1,%2"_s.arg(x).arg(y)));
            ink += pixel == 0;
        }
    }
    QVERIFY(ink > 10);
    QCOMPARE(sampleRaster(raster).count(), ink);
}

void tst_GlyphRaster::onlyExactBlackIsInk_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<bool>("ink");
    QTest::newRow("black") << qRgb(0, 0, 0) << true;
    QTest::newRow("almost black red") << qRgb(1, 0, 0) << false;
    QTest::newRow("almost black blue") << qRgb(0, 0, 1) << false;
    QTest::newRow("grey") << qRgb(128, 128, 128) << false;
    QTest::newRow("white") << qRgb(255, 255, 255) << false;
}

void tst_GlyphRaster::onlyExactBlackIsInk()
{
    QFETCH(QRgb, colour);
    QFETCH(bool, ink);
    QImage raster(kRasterSize, kRasterSize, QImage::Format_RGB32);
    raster.fill(Qt::white);
    raster.setPixel(0, 0, colour);
    raster.setPixel(17, 17, colour);
    const GlyphDots dots = sampleRaster(raster);
    QCOMPARE(dots.ink(0, 0), ink);
    QCOMPARE(dots.ink(17, 17), ink);
    QCOMPARE(dots.count(), ink ? 2 : 0);
    // The 19th column and row lie outside the raster and never carry ink.
    for (int i = 0; i < kSampleCount; ++i)
        QVERIFY(!dots.ink(18, i) && !dots.ink(i, 18));
}

void tst_GlyphRaster::eachSampleBecomesA2x2DotOnA3PixelPitch_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("origin") << 0 << 0 << 0 << 0;
    QTest::newRow("cell at 188, middle sample") << 188 << 0 << 9 << 7;
    QTest::newRow("last sample") << 54 << 0 << 18 << 18;
    QTest::newRow("lowered origin") << 108 << 4 << 3 << 5;
    QTest::newRow("half outside on the left") << -1 << 0 << 0 << 2;
    QTest::newRow("outside on the right") << 100 << 0 << 0 << 0;
}

void tst_GlyphRaster::eachSampleBecomesA2x2DotOnA3PixelPitch()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, column);
    QFETCH(int, row);
    const OleColor amber = rgb(255, 192, 128);
    QImage canvas(101, 60, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    GlyphDots dots;
    dots.setInk(column, row);
    drawDots(canvas, x, y, dots, amber);

    const QRect expected = QRect(x + 3 * column, y + 3 * row, 2, 2).intersected(canvas.rect());
    for (int py = 0; py < canvas.height(); ++py) {
        for (int px = 0; px < canvas.width(); ++px) {
            const QRgb want = expected.contains(px, py) ? toQColor(amber).rgb() : qRgb(0, 0, 0);
            QVERIFY2(canvas.pixel(px, py) == want, qPrintable(u"pixel %1,%2"_s.arg(px).arg(py)));
        }
    }
}

void tst_GlyphRaster::printPositionMovesTheGlyphDown()
{
    const GlyphDots high = sampleRaster(printOnRaster({kGothicFace, 12, false}, 0, u"は"_s));
    const GlyphDots low = sampleRaster(printOnRaster({kGothicFace, 12, false}, 4, u"は"_s));
    QCOMPARE(topInkRow(low), topInkRow(high) + 4);
    // Moved down four rows, nothing else changes except what falls off the bottom.
    for (int r = 0; r + 4 < kRasterSize; ++r) {
        for (int c = 0; c < kRasterSize; ++c)
            QVERIFY2(high.ink(c, r) == low.ink(c, r + 4), qPrintable(picture(low).join(u'\n')));
    }
}

void tst_GlyphRaster::rasterizerRemembersEachGlyphSeparately()
{
    GlyphRasterizer rasterizer;
    const RasterFont gothic{kGothicFace, 14, false};
    const RasterFont bold{kGothicFace, 14, true};
    const GlyphDots first = rasterizer.print(gothic, 0, u"駅"_s).dots;
    QCOMPARE(rasterizer.print(gothic, 0, u"駅"_s).dots, first);
    QCOMPARE(rasterizer.cachedCount(), 1);
    const GlyphDots thick = rasterizer.print(bold, 0, u"駅"_s).dots;
    QCOMPARE(rasterizer.cachedCount(), 2);
    QVERIFY(thick.count() > first.count());
    QCOMPARE(rasterizer.print(gothic, 0, u"駅"_s).raster, printOnRaster(gothic, 0, u"駅"_s));
}

QTEST_MAIN(tst_GlyphRaster)
#include "tst_glyphraster.moc"
