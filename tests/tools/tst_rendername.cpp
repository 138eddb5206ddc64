// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataTool.h"

#include "OptionControls.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Fonts.h"
#include "reslib/MsgBox.h"
#include "windows/Form1.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

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
    void initTestCase();
    void imageIsTheCanvasInPanelOrOptionColours_data();
    void imageIsTheCanvasInPanelOrOptionColours();
    void failuresExplainAndWriteNothing_data();
    void failuresExplainAndWriteNothing();
    void failedRenderKeepsTheOldFile();
    void defaultsDrawAsTheStartedPanel_data();
    void defaultsDrawAsTheStartedPanel();

private:
    QTemporaryDir dir_;
};

void tst_RenderName::initTestCase()
{
    // As the program does at start, so the panel draws with the same faces.
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_RenderName::imageIsTheCanvasInPanelOrOptionColours_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("width");
    QTest::addColumn<std::set<QRgb>>("expected");
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb yellow = qRgb(255, 255, 0);
    QTest::newRow("short name in panel colours") << QStringList{u"駅前"_s} << 432 << std::set<QRgb>{grey, yellow};
    QTest::newRow("empty name") << QStringList{QString()} << 432 << std::set<QRgb>{grey};
    QTest::newRow("twelve characters") << QStringList{u"国立がんセンター東病院前"_s} << 648
                                       << std::set<QRgb>{grey, yellow};
    QTest::newRow("seven with the prefix in its own colour")
        << QStringList{u"市立総合病院前"_s, u"--tsugiwa-mode"_s, u"1"_s, u"--tsugiwa-color"_s, u"FFB979"_s} << 486
        << std::set<QRgb>{grey, yellow, qRgb(255, 185, 121)};
    QTest::newRow("tsugiwa mode 3 is stored as 0 by the setter")
        << QStringList{u"中央公園"_s, u"--tsugiwa-mode"_s, u"3"_s} << 432 << std::set<QRgb>{grey, yellow};
    QTest::newRow("every option")
        << QStringList{u"中央公園"_s, u"--back"_s, u"000000"_s, u"--fore"_s, u"#00ff00"_s, u"--tsugiwa-color"_s,
                       u"FF0000"_s, u"--tsugiwa-mode"_s, u"1"_s, u"--bold"_s, u"--tsugiwa-bold"_s,
                       u"--font-mode"_s, u"1"_s, u"--tsugiwa-font-mode"_s, u"2"_s}
        << 432 << std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 255, 0), qRgb(255, 0, 0)};
}

void tst_RenderName::imageIsTheCanvasInPanelOrOptionColours()
{
    QFETCH(QStringList, args);
    const QString png = dir_.filePath(u"canvas.png"_s);
    args.insert(1, png);
    QCOMPARE(renderName(args).status, 0);
    const QImage image(png);
    QTEST(image.width(), "width");
    QCOMPARE(image.height(), 56);
    QTEST(colours(image), "expected");
}

void tst_RenderName::failuresExplainAndWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{u"駅前"_s} << 2 << u"停留所名と出力する PNG"_s;
    QTest::newRow("unknown option") << QStringList{u"駅前"_s, u"@"_s, u"--italic"_s} << 2 << u"--italic"_s;
    QTest::newRow("missing value") << QStringList{u"駅前"_s, u"@"_s, u"--fore"_s} << 2 << u"RRGGBB"_s;
    QTest::newRow("colour not hex") << QStringList{u"駅前"_s, u"@"_s, u"--back"_s, u"GGGGGG"_s} << 2 << u"GGGGGG"_s;
    QTest::newRow("mode not a number") << QStringList{u"駅前"_s, u"@"_s, u"--font-mode"_s, u"two"_s} << 2 << u"two"_s;
    QTest::newRow("mode beyond 16 bits")
        << QStringList{u"駅前"_s, u"@"_s, u"--tsugiwa-mode"_s, u"40000"_s} << 2 << u"-32768～32767"_s;
    QTest::newRow("character outside Shift-JIS") << QStringList{u"駅😀"_s, u"@"_s} << 1 << u"Shift-JIS"_s;
    QTest::newRow("missing folder") << QStringList{u"駅前"_s, u"@/no/such/x.png"_s} << 1 << u"書き込めません"_s;
}

void tst_RenderName::failuresExplainAndWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString png = dir_.filePath(u"bad.png"_s);
    args.replaceInStrings(u"@"_s, png);
    const Run r = renderName(args);
    QTEST(r.status, "status");
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

void tst_RenderName::defaultsDrawAsTheStartedPanel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tsugiwaMode"); // chosen in the options and applied, and given to the tool
    QTest::newRow("short name") << u"駅前"_s << 0;
    QTest::newRow("name that scrolls") << u"国立がんセンター東病院前"_s << 0;
    QTest::newRow("with the 「次は」 prefix") << u"市立総合病院前"_s << 1;
}

void tst_RenderName::defaultsDrawAsTheStartedPanel()
{
    QFETCH(QString, name);
    QFETCH(int, tsugiwaMode);
    ScopedMsgBoxHandler noBoxes([](const MsgBoxCall &) { return int(vbOK); });
    Simulator sim;
    sim.start();
    QStringList args{name, dir_.filePath(u"panel.png"_s)};
    if (tsugiwaMode != 0) {
        setListIndex(controls(sim.option()).Combo6, static_cast<std::int16_t>(tsugiwaMode));
        sim.option().SetProp();
        args << u"--tsugiwa-mode"_s << QString::number(tsugiwaMode);
    }
    ChimeiCtl_DX &strip = *sim.form1().controlsForTesting().ChimeiCtl;
    strip.SetChimei(name);
    QCOMPARE(renderName(args).status, 0);
    QCOMPARE(QImage(args[1]).convertToFormat(QImage::Format_RGB32), strip.canvas().convertToFormat(QImage::Format_RGB32));
    strip.SetChimei(QString());
}

QTEST_MAIN(tst_RenderName)
#include "tst_rendername.moc"
