// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas of a trip video: where the panel, the ticket and the bar lie at
// which factor, which sizes are refused, and the words the options take.
#include "tools/InfoBar.h"
#include "tools/TripCanvas.h"

#include <QTest>

using namespace kerubara::datatool;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kerubara::datatool::CanvasRefusal)

namespace {
const QSize kPanel(502, 252);
const QSize kTicket(902, 512);
} // namespace

class tst_TripCanvas : public QObject
{
    Q_OBJECT

private slots:
    void contentFitsAtTheLargestWholeFactor_data();
    void contentFitsAtTheLargestWholeFactor();
    void sizesThatCannotBeTheCanvasAreRefused_data();
    void sizesThatCannotBeTheCanvasAreRefused();
    void canvasSizeIsWidthByHeight_data();
    void canvasSizeIsWidthByHeight();
    void backgroundIsAnOpaqueColour_data();
    void backgroundIsAnOpaqueColour();
    void headsignIsReadFromTheGreeting_data();
    void headsignIsReadFromTheGreeting();
};

void tst_TripCanvas::contentFitsAtTheLargestWholeFactor_data()
{
    QTest::addColumn<QSize>("ticket");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QRect>("ticketAt");
    QTest::addColumn<QRect>("barAt");
    QTest::newRow("1080p, the panel alone, centred")
        << QSize() << 0 << QSize(1920, 1080) << 3 << QRect(207, 162, 1506, 756) << QRect() << QRect();
    QTest::newRow("1080p with the bar under the panel")
        << QSize() << kInfoBarHeight << QSize(1920, 1080) << 3 << QRect(207, 18, 1506, 756) << QRect()
        << QRect(207, 774, 1506, 288);
    QTest::newRow("720p with the bar") << QSize() << kInfoBarHeight << QSize(1280, 720) << 2
                                       << QRect(138, 12, 1004, 504) << QRect() << QRect(138, 516, 1004, 192);
    QTest::newRow("portrait: the width decides") << QSize() << kInfoBarHeight << QSize(1080, 1920) << 2
                                                 << QRect(38, 612, 1004, 504) << QRect() << QRect(38, 1116, 1004, 192);
    QTest::newRow("the ticket beside the panel and the bar")
        << kTicket << kInfoBarHeight << QSize(1920, 1080) << 1 << QRect(258, 284, 502, 252)
        << QRect(760, 284, 902, 512) << QRect(258, 536, 502, 96);
    QTest::newRow("4K with the ticket") << kTicket << 0 << QSize(3840, 2160) << 2 << QRect(516, 568, 1004, 504)
                                        << QRect(1520, 568, 1804, 1024) << QRect();
    QTest::newRow("exactly the panel") << QSize() << 0 << QSize(502, 252) << 1 << QRect(0, 0, 502, 252) << QRect()
                                       << QRect();
}

void tst_TripCanvas::contentFitsAtTheLargestWholeFactor()
{
    QFETCH(QSize, ticket);
    QFETCH(int, bar);
    QFETCH(QSize, canvas);
    QFETCH(int, factor);
    QFETCH(QRect, panel);
    QFETCH(QRect, ticketAt);
    QFETCH(QRect, barAt);
    const auto fitted = fitCanvas({kPanel, ticket, bar}, canvas);
    const auto *layout = std::get_if<CanvasLayout>(&fitted);
    QVERIFY(layout);
    QCOMPARE(layout->canvas, canvas);
    QCOMPARE(layout->factor, factor);
    QCOMPARE(layout->panel, panel);
    QCOMPARE(layout->ticket, ticketAt);
    QCOMPARE(layout->bar, barAt);
}

void tst_TripCanvas::sizesThatCannotBeTheCanvasAreRefused_data()
{
    QTest::addColumn<QSize>("ticket");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<CanvasRefusal>("refusal");
    QTest::newRow("an odd width") << QSize() << QSize(1921, 1080) << CanvasRefusal::OddSide;
    QTest::newRow("an odd height") << QSize() << QSize(1920, 1081) << CanvasRefusal::OddSide;
    QTest::newRow("narrower than the panel") << QSize() << QSize(500, 300) << CanvasRefusal::TooSmall;
    QTest::newRow("lower than the panel") << QSize() << QSize(600, 250) << CanvasRefusal::TooSmall;
    QTest::newRow("the panel fits, the ticket beside it not") << kTicket << QSize(1280, 720)
                                                               << CanvasRefusal::TooSmall;
    QTest::newRow("beyond 8K") << QSize() << QSize(7682, 4320) << CanvasRefusal::TooLarge;
}

void tst_TripCanvas::sizesThatCannotBeTheCanvasAreRefused()
{
    QFETCH(QSize, ticket);
    QFETCH(QSize, canvas);
    QFETCH(CanvasRefusal, refusal);
    const auto fitted = fitCanvas({kPanel, ticket, 0}, canvas);
    QVERIFY(std::holds_alternative<CanvasRefusal>(fitted));
    QCOMPARE(std::get<CanvasRefusal>(fitted), refusal);
}

void tst_TripCanvas::canvasSizeIsWidthByHeight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size"); // invalid: refused
    QTest::newRow("1920x1080") << u"1920x1080"_s << QSize(1920, 1080);
    QTest::newRow("capital X") << u"1280X720"_s << QSize(1280, 720);
    QTest::newRow("a star") << u"1920*1080"_s << QSize();
    QTest::newRow("no width") << u"x1080"_s << QSize();
    QTest::newRow("no height") << u"1920x"_s << QSize();
    QTest::newRow("zero") << u"0x1080"_s << QSize();
    QTest::newRow("negative") << u"-2x4"_s << QSize();
}

void tst_TripCanvas::canvasSizeIsWidthByHeight()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QCOMPARE(parseCanvasSize(text).value_or(QSize()), size);
}

void tst_TripCanvas::backgroundIsAnOpaqueColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour"); // invalid: refused
    QTest::newRow("a name") << u"black"_s << QColor(0, 0, 0);
    QTest::newRow("chroma-key green") << u"#00b140"_s << QColor(0x00, 0xb1, 0x40);
    QTest::newRow("three digits") << u"#0f0"_s << QColor(0, 255, 0);
    QTest::newRow("an unknown name") << u"greenish"_s << QColor();
    QTest::newRow("with transparency") << u"#8000ff00"_s << QColor();
    QTest::newRow("nothing") << QString() << QColor();
}

void tst_TripCanvas::backgroundIsAnOpaqueColour()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QCOMPARE(parseBackground(text).value_or(QColor()), colour);
}

void tst_TripCanvas::headsignIsReadFromTheGreeting_data()
{
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<QString>("headsign"); // empty: none
    QTest::newRow("an imported route's greeting")
        << u"ご乗車ありがとうございます。このバスは、緑ヶ丘車庫行きです。整理券をお取りください。"_s
        << u"緑ヶ丘車庫行き"_s;
    QTest::newRow("by way of other places")
        << u"このバスは、市役所前、県立中央病院経由、緑ヶ丘車庫行きです。"_s
        << u"緑ヶ丘車庫行き"_s;
    QTest::newRow("written in kana") << u"このバスは北沢ゆきです。"_s << u"北沢行き"_s;
    QTest::newRow("a stop's announcement") << u"次は、本町三丁目です。"_s << QString();
    QTest::newRow("行き in a later sentence") << u"このバスは、発車します。次は、行徳行きのりばです。"_s
                                             << QString();
}

void tst_TripCanvas::headsignIsReadFromTheGreeting()
{
    QFETCH(QString, announcement);
    QFETCH(QString, headsign);
    QCOMPARE(headsignOfGreeting(announcement).value_or(QString()), headsign);
}

QTEST_APPLESS_MAIN(tst_TripCanvas)
#include "tst_tripcanvas.moc"
