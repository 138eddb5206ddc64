// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareChecks.h"

#include "FareBytes.h"

#include <QBuffer>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace kerubara;

class tst_FareChecks : public QObject
{
    Q_OBJECT

private slots:
    void problemsSayWhichRecordAndHowMany_data();
    void problemsSayWhichRecordAndHowMany();
    void cellsThePanelCannotShow_data();
    void cellsThePanelCannotShow();
    void faresThatFall_data();
    void faresThatFall();
    void noFareWhereOneIsExpected_data();
    void noFareWhereOneIsExpected();
    void ticketNumbersGoingBackwards_data();
    void ticketNumbersGoingBackwards();
};

namespace {

// A problem as the table writes it: "kind record value", and for a name the
// offset and the bytes in hex.
QString shown(const FareFileProblem &p)
{
    static const char *const kinds[] = {"no-count", "no-stops", "negative", "one-stop",
                                        "too-many", "bad-name", "cut-off",  "trailing"};
    QString text = QStringLiteral("%1 %2 %3").arg(QLatin1String(kinds[int(p.kind)])).arg(p.record).arg(p.value);
    if (p.name)
        text += QStringLiteral(" at %1 %2").arg(p.name->at).arg(QString::fromLatin1(p.name->bytes.toHex()));
    return text;
}

// A stop as a table row writes it: its ticket number and fares 1, 2, ...
struct Stop
{
    int ticket = 0;
    std::vector<int> fares;
};
using Route = std::vector<Stop>;

std::vector<FareRecord> recordsOf(const Route &route)
{
    std::vector<FareRecord> records;
    for (const Stop &stop : route) {
        FareRecord r;
        r.Chimei = QStringLiteral("停%1").arg(records.size() + 1);
        r.SeirikenNo = static_cast<std::int16_t>(stop.ticket);
        for (std::size_t k = 0; k < stop.fares.size(); ++k)
            r.cols[k] = static_cast<std::int16_t>(stop.fares[k]);
        records.push_back(r);
    }
    return records;
}

// The marks of the kinds asked for as "stop:column value", with " <stop:value"
// when a mark names an earlier stop.
QStringList marksOf(const Route &route, std::initializer_list<FareMark::Kind> kinds)
{
    QStringList shown;
    for (const FareMark &m : fareMarks(recordsOf(route))) {
        if (std::find(kinds.begin(), kinds.end(), m.kind) == kinds.end())
            continue;
        QString text = QStringLiteral("%1:%2 %3").arg(m.stop).arg(m.column).arg(m.value);
        if (m.earlierStop != 0)
            text += QStringLiteral(" <%1:%2").arg(m.earlierStop).arg(m.earlierValue);
        shown << text;
    }
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Route)

void tst_FareChecks::problemsSayWhichRecordAndHowMany_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("problems");
    using testing::StopBytes;
    QTest::newRow("no count") << QByteArray("\x02") << QStringList{"no-count 0 0"};
    QTest::newRow("count 0") << testing::routeBytes(0) << QStringList{"no-stops 0 0"};
    QTest::newRow("negative count") << testing::routeBytes(0, -3) << QStringList{"negative 0 -3"};
    QTest::newRow("one stop") << testing::routeBytes(1) << QStringList{"one-stop 0 0"};
    QTest::newRow("count 302") << testing::routeBytes(302) << QStringList{"too-many 0 302"};
    QTest::newRow("cut in record 2") << testing::routeBytes(2).chopped(1) << QStringList{"cut-off 2 0"};
    // Past a record cut off, nothing more is said of the file's end.
    QTest::newRow("count above the records") << testing::routeBytes(3, 5) << QStringList{"cut-off 4 0"};
    QTest::newRow("bad names, a lead byte last")
        << testing::fareFileBytes(3, {StopBytes{QByteArray("\x85\x40"), 1, {}}, StopBytes{"ok", 2, {}},
                                      StopBytes{QByteArray("A\x81"), 3, {}}})
        << QStringList{"bad-name 1 0 at 0 8540", "bad-name 3 0 at 1 81"};
    // Two records of 307 bytes after the second, the last one counted.
    QTest::newRow("data after the last stop") << testing::routeBytes(4, 2) << QStringList{"trailing 2 614"};
    QTest::newRow("an intact route") << testing::routeBytes(3) << QStringList{};
}

void tst_FareChecks::problemsSayWhichRecordAndHowMany()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, problems);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QStringList found;
    for (const FareFileProblem &p : fareFileProblems(scanFareFile(buffer, std::numeric_limits<int>::max())))
        found << shown(p);
    QCOMPARE(found, problems);
}

void tst_FareChecks::cellsThePanelCannotShow_data()
{
    QTest::addColumn<std::vector<int>>("fares");
    QTest::addColumn<QStringList>("byDay");
    QTest::addColumn<QStringList>("atNight");
    QTest::addColumn<QStringList>("fiveDigits");
    QTest::newRow("499 fits doubled, 500 does not")
        << std::vector<int>{499, 500} << QStringList{} << QStringList{"1:2 500"} << QStringList{};
    QTest::newRow("999 fits by day, 1000 does not")
        << std::vector<int>{999, 1000} << QStringList{"1:2 1000"} << QStringList{"1:1 999"} << QStringList{};
    QTest::newRow("9999 has four digits, 10000 five")
        << std::vector<int>{9999, 10000} << QStringList{"1:1 9999"} << QStringList{} << QStringList{"1:2 10000"};
    QTest::newRow("-1 is no fare and never doubled")
        << std::vector<int>{-1, 0} << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("ticket 12 is a panel cell")
        << std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32767} << QStringList{} << QStringList{}
        << QStringList{"1:12 32767"};
    QTest::newRow("column 13 of a route issuing twelve is no fare")
        << std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000} << QStringList{} << QStringList{}
        << QStringList{};
}

void tst_FareChecks::cellsThePanelCannotShow()
{
    QFETCH(std::vector<int>, fares);
    QFETCH(QStringList, byDay);
    QFETCH(QStringList, atNight);
    QFETCH(QStringList, fiveDigits);
    using Kind = FareMark::Kind;
    const Route route{{12, fares}};
    QCOMPARE(marksOf(route, {Kind::CutByDay}), byDay);
    QCOMPARE(marksOf(route, {Kind::CutAtNight}), atNight);
    QCOMPARE(marksOf(route, {Kind::FiveDigits}), fiveDigits);
}

void tst_FareChecks::faresThatFall_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("equal is no fall") << Route{{1, {150}}, {2, {150}}} << QStringList{};
    QTest::newRow("one yen lower falls") << Route{{1, {150}}, {2, {149}}} << QStringList{"2:1 149 <1:150"};
    QTest::newRow("marked once, where it falls")
        << Route{{1, {200}}, {2, {150}}, {3, {170}}} << QStringList{"2:1 150 <1:200"};
    QTest::newRow("-1 is passed over") << Route{{1, {200}}, {2, {-1}}, {3, {180}}} << QStringList{"3:1 180 <1:200"};
    QTest::newRow("each column apart") << Route{{1, {150, 300}}, {2, {170, 250}}} << QStringList{"2:2 250 <1:300"};
}

void tst_FareChecks::faresThatFall()
{
    QFETCH(Route, route);
    QFETCH(QStringList, marks);
    QCOMPARE(marksOf(route, {FareMark::Kind::Falls}), marks);
}

void tst_FareChecks::noFareWhereOneIsExpected_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("-1 at the issuing stop and before it is no gap")
        << Route{{0, {-1, -1}}, {1, {-1, -1}}, {2, {150, -1}}} << QStringList{};
    QTest::newRow("-1 at the stop after the issuing one")
        << Route{{1, {-1}}, {2, {-1}}} << QStringList{"2:1 -1 <1:0"};
    QTest::newRow("named by the stop that first issued it")
        << Route{{1, {0, 0}}, {1, {150, 0}}, {2, {-1, 0}}} << QStringList{"3:1 -1 <1:0"};
    QTest::newRow("a zero is a fare") << Route{{1, {0}}, {2, {0}}} << QStringList{};
    // The panel shows at most 48 columns; column 49 is other data.
    std::vector<int> gapIn48(48, 0), gapIn49(49, 0);
    gapIn48.back() = gapIn49.back() = -1;
    QTest::newRow("column 48 is a fare column") << Route{{48, {}}, {49, gapIn48}} << QStringList{"2:48 -1 <1:0"};
    QTest::newRow("column 49 is no fare column") << Route{{49, {}}, {50, gapIn49}} << QStringList{};
}

void tst_FareChecks::noFareWhereOneIsExpected()
{
    QFETCH(Route, route);
    QFETCH(QStringList, marks);
    QCOMPARE(marksOf(route, {FareMark::Kind::NoFareExpected}), marks);
}

void tst_FareChecks::ticketNumbersGoingBackwards_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("rising and repeated numbers") << Route{{1, {}}, {2, {}}, {2, {}}, {3, {}}} << QStringList{};
    QTest::newRow("one lower") << Route{{1, {}}, {3, {}}, {2, {}}} << QStringList{"3:0 2 <2:3"};
    QTest::newRow("every stop below the highest so far")
        << Route{{1, {}}, {5, {}}, {3, {}}, {4, {}}, {6, {}}} << QStringList{"3:0 3 <2:5", "4:0 4 <2:5"};
    QTest::newRow("0 issues none and is passed over") << Route{{0, {}}, {2, {}}, {0, {}}, {3, {}}} << QStringList{};
}

void tst_FareChecks::ticketNumbersGoingBackwards()
{
    QFETCH(Route, route);
    QFETCH(QStringList, marks);
    QCOMPARE(marksOf(route, {FareMark::Kind::TicketBackwards}), marks);
}

QTEST_GUILESS_MAIN(tst_FareChecks)
#include "tst_farechecks.moc"
