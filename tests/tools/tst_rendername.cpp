#include "tools/DataTool.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <set>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = 0;
    QString err;
};

Run renderName(const QStringList &args)
{
    Run r;
    QString out;
    QTextStream outStream(&out);
    QTextStream err(&r.err);
    r.status = datatool::run(QStringList{u"render-name"_s} + args, outStream, err);
    err.flush();
    return r;
}

std::set<QRgb> colours(const QImage &image)
{
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y) | 0xFF000000u);
    }
    return found;
}

} // namespace

class tst_RenderName : public QObject
{
    Q_OBJECT

private slots:
    void imageIsTheWholeCanvas_data();
    void imageIsTheWholeCanvas();
    void coloursComeFromThePanelOrTheOptions_data();
    void coloursComeFromThePanelOrTheOptions();
    void badUsageExitsWithTwoAndWritesNothing_data();
    void badUsageExitsWithTwoAndWritesNothing();
    void unshowableTextOrUnwritableFileExitsWithOne_data();
    void unshowableTextOrUnwritableFileExitsWithOne();
    void failedRenderKeepsTheOldFile();

private:
    QTemporaryDir dir_;
};

void tst_RenderName::imageIsTheWholeCanvas_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("width");
    QTest::newRow("short name") << QStringList{u"駅前"_s} << 432;
    QTest::newRow("empty name") << QStringList{QString()} << 432;
    QTest::newRow("twelve characters") << QStringList{u"国立がんセンター東病院前"_s} << 648;
    QTest::newRow("seven with the prefix") << QStringList{u"市立総合病院前"_s, u"--tsugiwa-mode"_s, u"1"_s} << 486;
}

void tst_RenderName::imageIsTheWholeCanvas()
{
    QFETCH(QStringList, args);
    const QString png = dir_.filePath(u"canvas.png"_s);
    args.insert(1, png);
    const Run r = renderName(args);
    QCOMPARE(r.status, 0);
    const QImage image(png);
    QTEST(image.width(), "width");
    QCOMPARE(image.height(), 56);
}

void tst_RenderName::coloursComeFromThePanelOrTheOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<std::set<QRgb>>("expected");
    QTest::newRow("panel colours, no prefix")
        << QStringList{} << std::set<QRgb>{qRgb(64, 64, 64), qRgb(255, 192, 128)};
    QTest::newRow("panel colours with the prefix")
        << QStringList{u"--tsugiwa-mode"_s, u"2"_s}
        << std::set<QRgb>{qRgb(64, 64, 64), qRgb(255, 192, 128), qRgb(255, 185, 121)};
    QTest::newRow("options")
        << QStringList{u"--back"_s, u"000000"_s, u"--fore"_s, u"#00ff00"_s, u"--tsugiwa-color"_s, u"FF0000"_s,
                       u"--tsugiwa-mode"_s, u"1"_s, u"--bold"_s, u"--tsugiwa-bold"_s, u"--font-mode"_s, u"1"_s,
                       u"--tsugiwa-font-mode"_s, u"2"_s}
        << std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 255, 0), qRgb(255, 0, 0)};
    QTest::newRow("tsugiwa mode 3 is stored as 0 by the setter")
        << QStringList{u"--tsugiwa-mode"_s, u"3"_s} << std::set<QRgb>{qRgb(64, 64, 64), qRgb(255, 192, 128)};
}

void tst_RenderName::coloursComeFromThePanelOrTheOptions()
{
    QFETCH(QStringList, options);
    const QString png = dir_.filePath(u"colours.png"_s);
    const Run r = renderName(QStringList{u"中央公園"_s, png} + options);
    QCOMPARE(r.status, 0);
    QTEST(colours(QImage(png)), "expected");
}

void tst_RenderName::badUsageExitsWithTwoAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no arguments") << QStringList{} << u"停留所名と出力する PNG"_s;
    QTest::newRow("no output") << QStringList{u"駅前"_s} << u"停留所名と出力する PNG"_s;
    QTest::newRow("three positionals") << QStringList{u"駅前"_s, u"@"_s, u"x"_s} << u"停留所名と出力する PNG"_s;
    QTest::newRow("unknown option") << QStringList{u"駅前"_s, u"@"_s, u"--italic"_s} << u"--italic"_s;
    QTest::newRow("missing value") << QStringList{u"駅前"_s, u"@"_s, u"--fore"_s} << u"RRGGBB"_s;
    QTest::newRow("colour not hex") << QStringList{u"駅前"_s, u"@"_s, u"--back"_s, u"GGGGGG"_s} << u"GGGGGG"_s;
    QTest::newRow("colour too short") << QStringList{u"駅前"_s, u"@"_s, u"--back"_s, u"FFF"_s} << u"FFF"_s;
    QTest::newRow("mode not a number") << QStringList{u"駅前"_s, u"@"_s, u"--font-mode"_s, u"two"_s} << u"two"_s;
    QTest::newRow("mode beyond 16 bits")
        << QStringList{u"駅前"_s, u"@"_s, u"--tsugiwa-mode"_s, u"40000"_s} << u"-32768～32767"_s;
}

void tst_RenderName::badUsageExitsWithTwoAndWritesNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString png = dir_.filePath(u"bad.png"_s);
    args.replaceInStrings(u"@"_s, png);
    const Run r = renderName(args);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(png));
}

void tst_RenderName::unshowableTextOrUnwritableFileExitsWithOne_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("character outside Shift-JIS") << u"駅😀"_s << u"emoji.png"_s << u"Shift-JIS"_s;
    QTest::newRow("missing folder") << u"駅前"_s << u"no/such/folder/x.png"_s << u"書き込めません"_s;
}

void tst_RenderName::unshowableTextOrUnwritableFileExitsWithOne()
{
    QFETCH(QString, text);
    QFETCH(QString, file);
    QFETCH(QString, message);
    const QString png = dir_.filePath(file);
    const Run r = renderName({text, png});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(png));
}

void tst_RenderName::failedRenderKeepsTheOldFile()
{
    const QString png = dir_.filePath(u"keep.png"_s);
    QCOMPARE(renderName({u"駅前"_s, png}).status, 0);
    const QImage before(png);
    QCOMPARE(renderName({u"駅😀"_s, png}).status, 1);
    QCOMPARE(renderName({u"駅前"_s, png, u"--back"_s, u"zz"_s}).status, 2);
    QCOMPARE(QImage(png), before);
    QVERIFY(datatool::needsGui({u"render-name"_s}));
}

QTEST_MAIN(tst_RenderName)
#include "tst_rendername.moc"
