// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RouteSheet.h"

#include "FareBytes.h"
#include "ToolRun.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace kerubara::datatool;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<kerubara::datatool::FareFlag>)

namespace {

using Fares = std::vector<std::vector<int>>; // per stop, the fares of tickets 1, 2, ...

std::vector<FareRecord> stopsOf(const Fares &fares)
{
    std::vector<FareRecord> stops;
    for (std::size_t s = 0; s < fares.size(); ++s) {
        FareRecord r;
        r.Chimei = QStringLiteral("停%1").arg(s + 1);
        r.SeirikenNo = static_cast<std::int16_t>(s + 1);
        for (std::size_t k = 0; k < fares[s].size(); ++k)
            r.cols[k] = static_cast<std::int16_t>(fares[s][k]);
        stops.push_back(r);
    }
    return stops;
}

QByteArray fareFile(const std::vector<FareRecord> &stops)
{
    std::vector<FareFileRecord> records;
    for (const FareRecord &r : stops)
        records.push_back({cp932::encode(r.Chimei), r.SeirikenNo, r.cols});
    return serializeFareFile(records).value_or(QByteArray());
}

// Five stops with rising fares, except that ticket 2 falls from 200 to 180 at
// stop 4 and ticket 5 costs 12 000 at stop 5.
Fares troubledRoute()
{
    return {{150, 0, 0, 0, 0},
            {170, 150, 0, 0, 0},
            {190, 200, 150, 0, 0},
            {210, 180, 170, 150, 0},
            {230, 220, 190, 170, 12000}};
}

FareFlag falls(int stop, int ticket, int fare, int earlierStop, int earlierFare)
{
    return {FareFlag::Kind::Falls, stop, ticket, fare, earlierStop, earlierFare};
}

FareFlag fiveDigits(int stop, int ticket, int fare)
{
    return {FareFlag::Kind::FiveDigits, stop, ticket, fare, 0, 0};
}

} // namespace

class tst_RouteSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void flaggedFares_data();
    void flaggedFares();
    void announcementsGoToTheStopShownWhenTheyPlay();
    void sheetFlagsFallingAndFiveDigitFaresInRed();
    void cleanRouteExitsZeroAndListsNothing();
    void tapeAddsAnnouncementsBesideTheirStops();
    void outsizedNamesAndTapesKeepTheSheetDrawable();
    void refusalsSayWhyAndWriteNothing_data();
    void refusalsSayWhyAndWriteNothing();
    void faresWhoseLateNightFareLosesDigitsAreMarked_data();
    void faresWhoseLateNightFareLosesDigitsAreMarked();
    void ticketNumbersAbove12AreNoted();
    void gapsAndTicketNumbersGoingBackAreNoted();
    void stopNamesAreListedAsWritten();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void tst_RouteSheet::initTestCase()
{
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_RouteSheet::flaggedFares_data()
{
    QTest::addColumn<Fares>("fares");
    QTest::addColumn<std::vector<FareFlag>>("flags");
    QTest::newRow("rising and equal fares") << Fares{{150}, {150}, {170}} << std::vector<FareFlag>{};
    QTest::newRow("a fall is flagged where it happens") << Fares{{150}, {200}, {180}, {220}}
                                                        << std::vector<FareFlag>{falls(3, 1, 180, 2, 200)};
    QTest::newRow("a fall is flagged once, not again while it recovers")
        << Fares{{200}, {150}, {170}, {190}} << std::vector<FareFlag>{falls(2, 1, 150, 1, 200)};
    QTest::newRow("-1 is no fare and is passed over")
        << Fares{{200}, {-1}, {180}} << std::vector<FareFlag>{falls(3, 1, 180, 1, 200)};
    QTest::newRow("-1 after a fare is no fall") << Fares{{200}, {-1}, {210}} << std::vector<FareFlag>{};
    QTest::newRow("0 before the first fare is no fall") << Fares{{0}, {0}, {150}} << std::vector<FareFlag>{};
    QTest::newRow("0 after a fare falls") << Fares{{150}, {0}} << std::vector<FareFlag>{falls(2, 1, 0, 1, 150)};
    QTest::newRow("ticket numbers are followed apart")
        << Fares{{150, 300}, {170, 250}} << std::vector<FareFlag>{falls(2, 2, 250, 1, 300)};
    QTest::newRow("9999 fits, 10000 does not")
        << Fares{{9999, 10000}} << std::vector<FareFlag>{fiveDigits(1, 2, 10000)};
    QTest::newRow("ticket 12 is checked too")
        << Fares{{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32767}} << std::vector<FareFlag>{fiveDigits(1, 12, 32767)};
    QTest::newRow("a five-digit fare that falls is flagged twice")
        << Fares{{20000}, {15000}} << std::vector<FareFlag>{fiveDigits(1, 1, 20000), falls(2, 1, 15000, 1, 20000),
                                                            fiveDigits(2, 1, 15000)};
    // The sheet has a column for every ticket number the route issues.
    const auto fallInColumn14 = [](int stops) {
        Fares fares(static_cast<std::size_t>(stops), std::vector<int>(14, 0));
        fares[static_cast<std::size_t>(stops - 2)][13] = 300;
        fares[static_cast<std::size_t>(stops - 1)][13] = 200;
        return fares;
    };
    QTest::newRow("a route issuing ticket 14 is checked in column 14")
        << fallInColumn14(14) << std::vector<FareFlag>{falls(14, 14, 200, 13, 300)};
    QTest::newRow("column 14 of a route issuing twelve is no fare column") << fallInColumn14(12) << std::vector<FareFlag>{};
}

void tst_RouteSheet::flaggedFares()
{
    QFETCH(Fares, fares);
    QFETCH(std::vector<FareFlag>, flags);
    const std::vector<FareRecord> stops = stopsOf(fares);
    QVERIFY(fareFlags(stops, fareColumnsInUse(stops)) == flags);
}

void tst_RouteSheet::announcementsGoToTheStopShownWhenTheyPlay()
{
    const std::vector<TapeRecord> tape{{u"ご乗車ありがとうございます。"_s, 0, 1},
                                       {u"次は、市役所前です。"_s, 1, 2},
                                       {QString(), 0, 0},
                                       {u"次は、車庫です。"_s, 1, 0},
                                       {u"終点です。"_s, 1, 0},
                                       {u"ご乗車ありがとうございました。"_s, 0, 0}};
    const auto placed = placeAnnouncements(tape, 3);
    QCOMPARE(placed.size(), std::size_t(3));
    QCOMPARE(placed[0].size(), std::size_t(1));
    QCOMPARE(placed[0][0].entry, 1);
    QCOMPARE(placed[0][0].soundFlag, std::int16_t(1));
    QVERIFY(!placed[0][0].steps);
    // 送り moves the bus as the speech starts: the panel shows stop 2 while
    // 次は、市役所前です。 is heard.
    QCOMPARE(placed[1].size(), std::size_t(1));
    QCOMPARE(placed[1][0].text, u"次は、市役所前です。"_s);
    QVERIFY(placed[1][0].steps);
    // The empty entry 3 plays nothing; entry 4 moves on to stop 3, and at the
    // last stop a step goes nowhere: 5 and 6 play there too.
    QCOMPARE(placed[2].size(), std::size_t(3));
    QCOMPARE(placed[2][0].entry, 4);
    QCOMPARE(placed[2][1].entry, 5);
    QCOMPARE(placed[2][2].entry, 6);
}

void tst_RouteSheet::sheetFlagsFallingAndFiveDigitFaresInRed()
{
    const std::vector<FareRecord> stops = stopsOf(troubledRoute());
    QVERIFY(testing::writeFile(path(u"7.hy3"_s), fareFile(stops)));
    const testing::Run r = testing::runTool({u"route-sheet"_s, path(u"7.hy3"_s), path(u"7.png"_s)});
    QCOMPARE(r.status, 1);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(u"record 4 (停4): 整理券2: 運賃 180 が record 3 の 200 より下がっています"_s),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(u"record 5 (停5): 整理券5: 運賃 12000 が 9999 を超えています"_s), qPrintable(lines[1]));

    // The flagged cells are red on the sheet; their neighbours are not.
    const QImage image(path(u"7.png"_s));
    QVERIFY(!image.isNull());
    const RouteSheet sheet(QString(), stops);
    auto backgroundAt = [&](int stop, int ticket) {
        const QRect cell = sheet.fareCell(stop, ticket);
        return image.pixelColor(cell.left() + 2, cell.bottom() - 2);
    };
    const QColor red(255, 222, 222);
    QCOMPARE(backgroundAt(4, 2), red);
    QCOMPARE(backgroundAt(5, 5), red);
    QVERIFY(backgroundAt(4, 1) != red);
    QVERIFY(backgroundAt(3, 2) != red);
    QVERIFY(backgroundAt(5, 4) != red);
}

void tst_RouteSheet::cleanRouteExitsZeroAndListsNothing()
{
    Fares fares = troubledRoute();
    fares[3][1] = 200;  // no fall
    fares[4][4] = 1200; // four digits: marked on the sheet and noted, not flagged
    const std::vector<FareRecord> stops = stopsOf(fares);
    QVERIFY(testing::writeFile(path(u"8.hy3"_s), fareFile(stops)));
    const testing::Run r = testing::runTool({u"route-sheet"_s, path(u"8.hy3"_s), path(u"8.png"_s)});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, path(u"8.hy3"_s) + u": record 5 (停5): 整理券5: 注意: 運賃 1200 は 200 と、深夜料金 2400 は 400 と表示されます（運賃の表示は3桁です）。\n"_s);
    const QImage image(path(u"8.png"_s));
    const RouteSheet sheet(QString(), stops);
    const QRect cell = sheet.fareCell(5, 5);
    QCOMPARE(image.pixelColor(cell.left() + 2, cell.bottom() - 2), QColor(255, 240, 212));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixelColor(x, y) != QColor(255, 222, 222) || y < sheet.fareCell(1, 1).top());
}

void tst_RouteSheet::tapeAddsAnnouncementsBesideTheirStops()
{
    const std::vector<FareRecord> stops = stopsOf({{150}, {170}, {190}});
    QVERIFY(testing::writeFile(path(u"9.hy3"_s), fareFile(stops)));
    QVERIFY(testing::writeFile(path(u"9tp.csv"_s),
                               cp932::encode(u"発車します。,0,0\r\n次は、停2です。,1,0\r\n"_s)));
    const testing::Run without = testing::runTool({u"route-sheet"_s, path(u"9.hy3"_s), path(u"plain.png"_s)});
    const testing::Run with =
        testing::runTool({u"route-sheet"_s, path(u"9.hy3"_s), path(u"tape.png"_s), u"--tape"_s, path(u"9tp.csv"_s)});
    QCOMPARE(without.status, 0);
    QVERIFY2(with.status == 0, qPrintable(with.err));
    const QImage plain(path(u"plain.png"_s));
    const QImage taped(path(u"tape.png"_s));
    // A column more, and writing in it level with stops 1 and 2 only.
    QVERIFY(taped.width() > plain.width());
    const RouteSheet sheet(QString(), stops);
    auto inkBeside = [&](int stop) {
        const QRect cell = sheet.fareCell(stop, 12);
        int ink = 0;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = plain.width(); x < taped.width() - 10; ++x)
                ink += qGray(taped.pixel(x, y)) < 128 ? 1 : 0;
        return ink;
    };
    QVERIFY(inkBeside(1) > 0);
    QVERIFY(inkBeside(2) > 0);
    QCOMPARE(inkBeside(3), 0);
}

void tst_RouteSheet::outsizedNamesAndTapesKeepTheSheetDrawable()
{
    std::vector<FareRecord> stops = stopsOf({{150}, {170}});
    stops[0].Chimei = QString(5000, u'駅');
    QVERIFY(testing::writeFile(path(u"10.hy3"_s), fareFile(stops)));
    QVERIFY(testing::writeFile(path(u"10tp.csv"_s), QByteArray("x,0,0\r\n").repeated(20000)));
    const testing::Run r =
        testing::runTool({u"route-sheet"_s, path(u"10.hy3"_s), path(u"10.png"_s), u"--tape"_s, path(u"10tp.csv"_s)});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QImage image(path(u"10.png"_s));
    QVERIFY(!image.isNull());
    QVERIFY(image.width() < 4000);
    QVERIFY(image.height() < 1000);
}

void tst_RouteSheet::refusalsSayWhyAndWriteNothing_data()
{
    QTest::addColumn<QStringList>("args"); // "@" the fare file, "#" the output
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{u"@"_s} << 2 << u"PNG"_s;
    QTest::newRow("unknown option") << QStringList{u"@"_s, u"#"_s, u"--late"_s} << 2 << u"--late"_s;
    QTest::newRow("tape without a file") << QStringList{u"@"_s, u"#"_s, u"--tape"_s} << 2 << u"tp.csv"_s;
    QTest::newRow("missing fare file") << QStringList{u"none.hy3"_s, u"#"_s} << 1 << u"見つかりません"_s;
    QTest::newRow("missing tape") << QStringList{u"@"_s, u"#"_s, u"--tape"_s, u"nonetp.csv"_s} << 1
                                  << u"見つかりません"_s;
    QTest::newRow("tape cut off") << QStringList{u"@"_s, u"#"_s, u"--tape"_s, u"cuttp.csv"_s} << 1 << u"1行目"_s;
    QTest::newRow("fare file cut off") << QStringList{u"cut.hy3"_s, u"#"_s} << 1 << u"record 2"_s;
}

void tst_RouteSheet::refusalsSayWhyAndWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    QVERIFY(testing::writeFile(path(u"ok.hy3"_s), fareFile(stopsOf({{150}, {170}}))));
    QVERIFY(testing::writeFile(path(u"cut.hy3"_s), fareFile(stopsOf({{150}, {170}})).chopped(10)));
    QVERIFY(testing::writeFile(path(u"cuttp.csv"_s), QByteArray("text,1")));
    for (QString &arg : args) {
        if (arg == u"@")
            arg = path(u"ok.hy3"_s);
        else if (arg == u"#")
            arg = path(u"out.png"_s);
        else if (arg.endsWith(u".hy3") || arg.endsWith(u".csv"))
            arg = path(arg);
    }
    const testing::Run r = testing::runTool(QStringList{u"route-sheet"_s} + args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(path(u"out.png"_s)));
}

void tst_RouteSheet::faresWhoseLateNightFareLosesDigitsAreMarked_data()
{
    QTest::addColumn<int>("fare");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QString>("listed"); // on standard output, after the file's name
    const QColor plain(Qt::white);
    const QColor cut(255, 240, 212);
    QTest::newRow("499, late-night 998") << 499 << plain << QString();
    QTest::newRow("500, late-night 1000") << 500 << cut
                                          << u"record 1 (停1): 整理券2: 注意: 深夜料金 1000 は 000 と表示されます（運賃の表示は3桁です）。"_s;
    QTest::newRow("999, late-night 1998") << 999 << cut
                                          << u"record 1 (停1): 整理券2: 注意: 深夜料金 1998 は 998 と表示されます（運賃の表示は3桁です）。"_s;
    QTest::newRow("1200, cut by day as well")
        << 1200 << cut << u"record 1 (停1): 整理券2: 注意: 運賃 1200 は 200 と、深夜料金 2400 は 400 と表示されます（運賃の表示は3桁です）。"_s;
    QTest::newRow("-1 has no late-night fare") << -1 << QColor(236, 236, 236) << QString();
}

void tst_RouteSheet::faresWhoseLateNightFareLosesDigitsAreMarked()
{
    QFETCH(int, fare);
    QFETCH(QColor, back);
    QFETCH(QString, listed);
    const std::vector<FareRecord> stops = stopsOf({{150, fare}});
    QVERIFY(testing::writeFile(path(u"11.hy3"_s), fareFile(stops)));
    const testing::Run r = testing::runTool({u"route-sheet"_s, path(u"11.hy3"_s), path(u"11.png"_s)});
    QCOMPARE(r.status, 0); // marked and listed, not flagged
    QCOMPARE(r.out, listed.isEmpty() ? QString() : path(u"11.hy3"_s) + u": "_s + listed + u'\n');
    const QImage image(path(u"11.png"_s));
    const QRect cell = RouteSheet(QString(), stops).fareCell(1, 2);
    QCOMPARE(image.pixelColor(cell.left() + 2, cell.bottom() - 2), back);
}

void tst_RouteSheet::ticketNumbersAbove12AreNoted()
{
    std::vector<FareRecord> stops = stopsOf(Fares(14, {150}));
    QVERIFY(testing::writeFile(path(u"12.hy3"_s), fareFile(stops)));
    const testing::Run r = testing::runTool({u"route-sheet"_s, path(u"12.hy3"_s), path(u"12.png"_s)});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(path(u"12.hy3"_s) + u": 注意: record 13 (停13): 整理券番号が12を超える停留所が2件"_s), qPrintable(r.err));
}

void tst_RouteSheet::gapsAndTicketNumbersGoingBackAreNoted()
{
    std::vector<FareRecord> stops = stopsOf({{0}, {150}, {-1}, {170}});
    stops[3].SeirikenNo = 2;
    QVERIFY(testing::writeFile(path(u"7.hy3"_s), fareFile(stops)));
    const testing::Run r = testing::runTool({u"route-sheet"_s, path(u"7.hy3"_s), path(u"7.png"_s)});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString());
    const QString file = path(u"7.hy3"_s) + u": 注意: "_s;
    QCOMPARE(r.err.split(u'\n', Qt::SkipEmptyParts),
             QStringList({file + u"record 3: 整理券1: 運賃が -1（運賃なし）です。整理券1 は record 1 で出ているので、ここで降りる人の運賃が要ります。"_s,
                          file + u"record 4: 整理券番号: 整理券番号 2 が record 3 の 3 より小さくなっています（整理券番号は路線の順に増えます）。"_s}));
}

void tst_RouteSheet::stopNamesAreListedAsWritten()
{
    std::vector<FareRecord> stops = stopsOf({{200}, {150}});
    stops[1].Chimei = u"%1丁目"_s;
    QCOMPARE(flagText(fareFlags(stops).front(), stops), u"record 2 (%1丁目): 整理券1: 運賃 150 が record 1 の 200 より下がっています。"_s);
}

QTEST_MAIN(tst_RouteSheet)
#include "tst_routesheet.moc"
