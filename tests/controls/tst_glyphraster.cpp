// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/GlyphRaster.h"
#include "reslib/Fonts.h"

#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

class tst_GlyphRaster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pointSizesBecomeWholePixelsAt96Dpi();
    void printedInkIsPureBlackOnWhite_data();
    void printedInkIsPureBlackOnWhite();
    void onlyExactBlackInsideTheRasterIsInk();
    void eachSampleBecomesA2x2DotOnA3PixelPitch_data();
    void eachSampleBecomesA2x2DotOnA3PixelPitch();
    void rasterizerRemembersEachGlyphSeparately();
};

void tst_GlyphRaster::initTestCase()
{
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_GlyphRaster::pointSizesBecomeWholePixelsAt96Dpi()
{
    QCOMPARE(pixelSizeForPoints(14.25), 19);
    QCOMPARE(pixelSizeForPoints(14), 19);
    QCOMPARE(pixelSizeForPoints(12), 16);
}

void tst_GlyphRaster::printedInkIsPureBlackOnWhite_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("text");
    QTest::newRow("gothic kanji") << kGothicFace << false << u"駅"_s;
    QTest::newRow("gothic bold kanji") << kGothicFace << true << u"駅"_s;
    QTest::newRow("mincho bold kana") << kMinchoFace << true << u"は"_s;
}

void tst_GlyphRaster::printedInkIsPureBlackOnWhite()
{
    QFETCH(QString, face);
    QFETCH(bool, bold);
    QFETCH(QString, text);
    const QImage raster = printOnRaster({face, 14, bold}, 0, text);
    QCOMPARE(raster.size(), QSize(kRasterSize, kRasterSize));
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

void tst_GlyphRaster::onlyExactBlackInsideTheRasterIsInk()
{
    QImage raster(kRasterSize, kRasterSize, QImage::Format_RGB32);
    raster.fill(Qt::white);
    raster.setPixel(0, 0, qRgb(0, 0, 0));
    raster.setPixel(17, 17, qRgb(0, 0, 0));
    raster.setPixel(5, 5, qRgb(1, 0, 0));
    raster.setPixel(6, 6, qRgb(0, 0, 1));
    const GlyphDots dots = sampleRaster(raster);
    QVERIFY(dots.ink(0, 0) && dots.ink(17, 17));
    QCOMPARE(dots.count(), 2);
    for (int i = 0; i < kSampleCount; ++i)
        QVERIFY(!dots.ink(18, i) && !dots.ink(i, 18));
}

void tst_GlyphRaster::eachSampleBecomesA2x2DotOnA3PixelPitch_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("cell at 188, middle sample") << 188 << 0 << 9 << 7;
    QTest::newRow("last sample") << 54 << 0 << 18 << 18;
    QTest::newRow("half outside on the left") << -1 << 0 << 0 << 2;
    QTest::newRow("outside on the right") << 250 << 0 << 0 << 0;
}

void tst_GlyphRaster::eachSampleBecomesA2x2DotOnA3PixelPitch()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, column);
    QFETCH(int, row);
    QImage canvas(250, 60, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    GlyphDots dots;
    dots.setInk(column, row);
    drawDots(canvas, x, y, dots, rgb(255, 192, 128));

    const QRect dot = QRect(x + 3 * column, y + 3 * row, 2, 2).intersected(canvas.rect());
    for (int py = 0; py < canvas.height(); ++py) {
        for (int px = 0; px < canvas.width(); ++px) {
            const QRgb want = dot.contains(px, py) ? qRgb(255, 192, 128) : qRgb(0, 0, 0);
            QVERIFY2(canvas.pixel(px, py) == want, qPrintable(u"pixel %1,%2"_s.arg(px).arg(py)));
        }
    }
}

void tst_GlyphRaster::rasterizerRemembersEachGlyphSeparately()
{
    GlyphRasterizer rasterizer;
    const RasterFont regular{kGothicFace, 14, false};
    const GlyphDots first = rasterizer.print(regular, 0, u"駅"_s).dots;
    QCOMPARE(rasterizer.print(regular, 0, u"駅"_s).dots, first);
    QCOMPARE(rasterizer.cachedCount(), 1);
    QVERIFY(rasterizer.print({kGothicFace, 14, true}, 0, u"駅"_s).dots.count() > first.count());
    QVERIFY(rasterizer.print(regular, 4, u"駅"_s).dots != first);
    QCOMPARE(rasterizer.cachedCount(), 3);
}

QTEST_MAIN(tst_GlyphRaster)
#include "tst_glyphraster.moc"
