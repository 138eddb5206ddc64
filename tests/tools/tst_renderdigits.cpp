// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataTool.h"

#include "DegitProbe.h"
#include "reslib/MsgBox.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace kerubara;

class tst_RenderDigits : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheControlAtItsSize_data();
    void drawsTheControlAtItsSize();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void defaultsDrawAsTheStartedPanelsFares();

private:
    int run(const QStringList &args)
    {
        err_.clear();
        QString out;
        QTextStream outStream(&out), errStream(&err_);
        return datatool::run(QStringList{"render-digits"} + args, outStream, errStream);
    }

    QTemporaryDir dir_;
    QString err_;
};

void tst_RenderDigits::drawsTheControlAtItsSize_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("shown");
    QTest::newRow("defaults") << QStringList{"230"} << QSize(52, 20) << 0 << " 230";
    QTest::newRow("panel fare") << QStringList{"--keta", "3", "--size", "2", "--style", "1", "1234"}
                                << QSize(57, 29) << 1 << "234";
    QTest::newRow("keta out of range is 4") << QStringList{"--keta=20", "--style=2", "5"} << QSize(52, 20) << 2
                                            << "   5";
    // The number 0 would be blank in ZeroMode 0.
    QTest::newRow("quoted text 0") << QStringList{"--keta", "3", "\"0\""} << QSize(39, 20) << 0 << "  0";
    QTest::newRow("--text") << QStringList{"--text", "--keta", "3", "-5"} << QSize(39, 20) << 0 << " -5";
    QTest::newRow("negative number") << QStringList{"--zero-mode", "2", "-1"} << QSize(52, 20) << 0 << "   0";
    QTest::newRow("keta applied first") << QStringList{"--shift", "1", "--fill-zero", "3", "--keta", "3", "7"}
                                        << QSize(39, 20) << 0 << "07 ";
}

void tst_RenderDigits::drawsTheControlAtItsSize()
{
    QFETCH(QStringList, args);
    QFETCH(QSize, size);
    QFETCH(int, style);
    const QString png = dir_.filePath("digits.png");
    const OleColor back = rgb(0, 0, 0), base = rgb(0x20, 0x30, 0x40), lit = rgb(0xFF, 0x80, 0);
    QCOMPARE(run(args + QStringList{"--back", "000000", "--base", "#203040", "--lit", "ff8000", png}), 0);
    QVERIFY(err_.isEmpty());
    const testing::DigitPicture p{QImage(png),
                                  SegmentFont(glyphStyle(static_cast<std::int16_t>(style)),
                                              degitSizeClass(size.height() == 29 ? 2 : 0), true),
                                  back, base, lit};
    QCOMPARE(p.image.size(), size);
    QCOMPARE(p.image.pixelColor(0, 0), QColor(0, 0, 0));
    QTEST(testing::shownText(p), "shown");
}

void tst_RenderDigits::badInputIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << QStringList{"abc", "OUT"} << 1 << "数値ではありません";
    QTest::newRow("unknown option") << QStringList{"--colour", "1", "OUT"} << 2 << "オプションはありません";
    QTest::newRow("keta not a number") << QStringList{"--keta", "x", "1", "OUT"} << 2 << "整数";
    QTest::newRow("short colour") << QStringList{"--lit", "FFF", "1", "OUT"} << 2 << "RRGGBB";
    QTest::newRow("no output") << QStringList{"1"} << 2 << "2つを指定";
    QTest::newRow("folder missing") << QStringList{"1", "OUT/missing/x.png"} << 1 << "書き込めません";
}

void tst_RenderDigits::badInputIsRefused()
{
    QFETCH(QStringList, args);
    const QString png = dir_.filePath("refused.png");
    QTEST(run(args.replaceInStrings(QStringLiteral("OUT"), png)), "status");
    QFETCH(QString, message);
    QVERIFY2(err_.contains(message), qPrintable(err_));
    QVERIFY(!QFile::exists(png));
}

void tst_RenderDigits::defaultsDrawAsTheStartedPanelsFares()
{
    ScopedMsgBoxHandler noBoxes([](const MsgBoxCall &) { return int(vbOK); });
    Simulator sim;
    sim.start();
    M_Degit &fare = *sim.form1().controlsForTesting().Degit[1];
    fare.setValue(230);
    // The fare digits' format; the colours are left to the defaults.
    const QString png = dir_.filePath("fare.png");
    QCOMPARE(run({"--keta", "3", "--size", "2", "--style", "1", "230", png}), 0);
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), fare.image().convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(tst_RenderDigits)
#include "tst_renderdigits.moc"
