#include "tools/DataTool.h"

#include "DegitProbe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace kerubara;

namespace {

struct Run
{
    int status = 0;
    QString err;
};

Run runTool(const QStringList &args)
{
    Run r;
    QString out;
    QTextStream outStream(&out);
    QTextStream errStream(&r.err);
    r.status = datatool::run(args, outStream, errStream);
    errStream.flush();
    return r;
}

} // namespace

class tst_RenderDigits : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheControlAtItsSize_data();
    void drawsTheControlAtItsSize();
    void coloursAreWrittenAsRgb();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void unwritableOutputFails();

private:
    QTemporaryDir dir_;
};

void tst_RenderDigits::drawsTheControlAtItsSize_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("shown");
    QTest::newRow("defaults") << QStringList{} << "230" << QSize(52, 20) << 0 << " 230";
    QTest::newRow("panel fare") << QStringList{"--keta", "3", "--size", "2", "--style", "1"} << "1234"
                                << QSize(57, 29) << 1 << "234";
    QTest::newRow("keta out of range is 4") << QStringList{"--keta=20", "--style=2"} << "5" << QSize(52, 20)
                                            << 2 << "   5";
    QTest::newRow("number 0 is blank") << QStringList{"--keta", "3"} << "0" << QSize(39, 20) << 0 << "   ";
    QTest::newRow("quoted text 0 is lit") << QStringList{"--keta", "3"} << "\"0\"" << QSize(39, 20) << 0
                                          << "  0";
    QTest::newRow("--text") << QStringList{"--text", "--keta", "3"} << "-5" << QSize(39, 20) << 0 << " -5";
    QTest::newRow("negative number") << QStringList{"--zero-mode", "2"} << "-1" << QSize(52, 20) << 0
                                     << "   0";
    QTest::newRow("fill and shift in order") << QStringList{"--shift", "1", "--fill-zero", "3", "--keta", "3"}
                                             << "7" << QSize(39, 20) << 0 << "07 ";
    QTest::newRow("class 3") << QStringList{"--size", "3", "--keta", "2"} << "-8" << QSize(22, 15) << 0 << "-8";
}

void tst_RenderDigits::drawsTheControlAtItsSize()
{
    QFETCH(QStringList, options);
    QFETCH(QString, value);
    QFETCH(QSize, size);
    QFETCH(int, style);
    QFETCH(QString, shown);
    const QString png = dir_.filePath("digits.png");
    QFile::remove(png);
    const Run r = runTool(QStringList{"render-digits"} + options + QStringList{value, png});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.isEmpty());
    const QImage image(png);
    QCOMPARE(image.size(), size);
    const int sizeClass = size.height() == 29 ? 2 : size.height() == 15 ? 3 : 0;
    const testing::DigitPicture p{image, SegmentFont(glyphStyle(static_cast<std::int16_t>(style)),
                                                     degitSizeClass(static_cast<std::int16_t>(sizeClass)), true)};
    QCOMPARE(testing::shownText(p), shown);
}

void tst_RenderDigits::coloursAreWrittenAsRgb()
{
    const QString png = dir_.filePath("colours.png");
    const Run r = runTool({"render-digits", "--back", "000000", "--base", "#203040", "--lit", "ff8000", "--keta",
                           "2", "1", png});
    QCOMPARE(r.status, 0);
    const testing::DigitPicture p{QImage(png), SegmentFont(GlyphStyle::A, degitSizeClass(0), true),
                                  rgb(0, 0, 0), rgb(0x20, 0x30, 0x40), rgb(0xFF, 0x80, 0)};
    QCOMPARE(p.image.pixelColor(0, 0), QColor(0, 0, 0));
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 1, SegB)), QColor(0xFF, 0x80, 0));
    QCOMPARE(p.image.pixelColor(testing::probeAt(p, 1, SegA)), QColor(0x20, 0x30, 0x40));
}

void tst_RenderDigits::badInputIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << QStringList{"abc", "OUT"} << 1 << "数値ではありません";
    QTest::newRow("unknown option") << QStringList{"--colour", "1", "OUT"} << 2 << "オプションはありません";
    QTest::newRow("option without value") << QStringList{"1", "OUT", "--keta"} << 2 << "値を指定してください";
    QTest::newRow("keta not a number") << QStringList{"--keta", "x", "1", "OUT"} << 2 << "整数";
    QTest::newRow("keta beyond 16 bits") << QStringList{"--keta", "40000", "1", "OUT"} << 2 << "整数";
    QTest::newRow("short colour") << QStringList{"--lit", "FFF", "1", "OUT"} << 2 << "RRGGBB";
    QTest::newRow("colour not hex") << QStringList{"--back", "GG0000", "1", "OUT"} << 2 << "RRGGBB";
    QTest::newRow("no output") << QStringList{"1"} << 2 << "2つを指定";
    QTest::newRow("too many") << QStringList{"1", "2", "OUT"} << 2 << "2つを指定";
}

void tst_RenderDigits::badInputIsRefused()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString png = dir_.filePath("refused.png");
    args.replaceInStrings(QStringLiteral("OUT"), png);
    const Run r = runTool(QStringList{"render-digits"} + args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(png));
}

void tst_RenderDigits::unwritableOutputFails()
{
    const Run r = runTool({"render-digits", "5", dir_.filePath("missing/folder/x.png")});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("書き込めません")));
}

QTEST_MAIN(tst_RenderDigits)
#include "tst_renderdigits.moc"
