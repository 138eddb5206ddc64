// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareFill.h"

#include <QStringList>
#include <QTest>

using namespace kerubara;

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(kerubara::FareRounding)

namespace {

// A block as its rows, "170 190 0" each; "none" for no block.
QStringList rowsOf(const std::optional<FareBlock> &block)
{
    if (!block)
        return {QStringLiteral("none")};
    QStringList rows;
    for (const std::vector<std::int16_t> &row : *block) {
        QStringList cells;
        for (const std::int16_t value : row)
            cells << QString::number(value);
        rows << cells.join(u' ');
    }
    return rows;
}

} // namespace

class tst_FareFill : public QObject
{
    Q_OBJECT

private slots:
    void faresByStagesAreRounded_data();
    void faresByStagesAreRounded();
    void stagesComeFromTheTicketNumbers_data();
    void stagesComeFromTheTicketNumbers();
    void stageBlockLaysOutTheTriangle_data();
    void stageBlockLaysOutTheTriangle();
    void diagonalMovesTheColumnDown_data();
    void diagonalMovesTheColumnDown();
};

void tst_FareFill::faresByStagesAreRounded_data()
{
    QTest::addColumn<std::vector<double>>("fares");
    QTest::addColumn<double>("perStageAfter");
    QTest::addColumn<int>("roundTo");
    QTest::addColumn<FareRounding>("rounding");
    QTest::addColumn<int>("stages");
    QTest::addColumn<int>("fare"); // -1: none
    using R = FareRounding;
    const std::vector<double> list{170, 184, 215};
    QTest::newRow("whole yen kept") << list << 0.0 << 1 << R::Nearest << 1 << 184;
    QTest::newRow("to 10, 184 nearest") << list << 0.0 << 10 << R::Nearest << 1 << 180;
    QTest::newRow("to 10, 215 half up") << list << 0.0 << 10 << R::Nearest << 2 << 220;
    QTest::newRow("to 10, 184 up") << list << 0.0 << 10 << R::Up << 1 << 190;
    QTest::newRow("to 10, 170 up stays") << list << 0.0 << 10 << R::Up << 0 << 170;
    QTest::newRow("to 10, 215 down") << list << 0.0 << 10 << R::Down << 2 << 210;
    QTest::newRow("past the list the last fare") << list << 0.0 << 1 << R::Nearest << 7 << 215;
    QTest::newRow("past the list a rate per stage") << list << 12.5 << 10 << R::Up << 4 << 240;
    // 0.9 + 3 x 0.7 comes out a hair below 3: still on the step, not rounded down.
    QTest::newRow("a sum of fractions on the step") << std::vector<double>{0.9} << 0.7 << 1 << R::Down << 3 << 3;
    QTest::newRow("32767 is the most") << std::vector<double>{32767} << 0.0 << 1 << R::Nearest << 0 << 32767;
    QTest::newRow("above 32767 none") << std::vector<double>{32767} << 1.0 << 1 << R::Nearest << 1 << -1;
    QTest::newRow("below 0 none") << std::vector<double>{-5} << 0.0 << 1 << R::Nearest << 0 << -1;
    QTest::newRow("an empty list none") << std::vector<double>{} << 0.0 << 1 << R::Nearest << 0 << -1;
}

void tst_FareFill::faresByStagesAreRounded()
{
    QFETCH(std::vector<double>, fares);
    QFETCH(double, perStageAfter);
    QFETCH(int, roundTo);
    QFETCH(FareRounding, rounding);
    QFETCH(int, stages);
    QFETCH(int, fare);
    const std::optional<std::int16_t> got = stageFare({fares, perStageAfter, roundTo, rounding}, stages);
    QCOMPARE(got ? int(*got) : -1, fare);
}

void tst_FareFill::stagesComeFromTheTicketNumbers_data()
{
    QTest::addColumn<std::vector<int>>("tickets");
    QTest::addColumn<std::vector<int>>("stages");
    QTest::newRow("each stop its own") << std::vector<int>{1, 2, 3} << std::vector<int>{1, 2, 3};
    QTest::newRow("0 keeps the stage before") << std::vector<int>{0, 1, 0, 2, 0} << std::vector<int>{0, 1, 1, 2, 2};
}

void tst_FareFill::stagesComeFromTheTicketNumbers()
{
    QFETCH(std::vector<int>, tickets);
    QFETCH(std::vector<int>, stages);
    std::vector<FareRecord> stops(tickets.size());
    for (std::size_t s = 0; s < tickets.size(); ++s)
        stops[s].SeirikenNo = static_cast<std::int16_t>(tickets[s]);
    QCOMPARE(fareStages(stops), stages);
}

void tst_FareFill::stageBlockLaysOutTheTriangle_data()
{
    QTest::addColumn<std::vector<int>>("rowStages");
    QTest::addColumn<int>("firstTicket");
    QTest::addColumn<int>("tickets");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("a stop each") << std::vector<int>{1, 2, 3, 4} << 1 << 3
                                 << QStringList{"170 0 0", "190 170 0", "210 190 170", "230 210 190"};
    QTest::newRow("stops sharing a stage") << std::vector<int>{1, 1, 2, 2} << 1 << 2
                                           << QStringList{"170 0", "170 0", "190 170", "190 170"};
    QTest::newRow("a block from ticket 3") << std::vector<int>{3, 4} << 3 << 2 << QStringList{"170 0", "190 170"};
    QTest::newRow("before any ticket") << std::vector<int>{0} << 1 << 2 << QStringList{"0 0"};
    QTest::newRow("a fare out of range") << std::vector<int>{1, 9} << 1 << 1 << QStringList{"none"};
}

void tst_FareFill::stageBlockLaysOutTheTriangle()
{
    QFETCH(std::vector<int>, rowStages);
    QFETCH(int, firstTicket);
    QFETCH(int, tickets);
    QFETCH(QStringList, rows);
    // 170 for the base fare, 20 more a stage; past the list 40 000 more, too dear.
    const FareStageRule rule{{170, 190, 210, 230, 250, 270, 290, 310}, 40000, 1, FareRounding::Nearest};
    QCOMPARE(rowsOf(fareStageBlock(rule, rowStages, firstTicket, tickets)), rows);
}

void tst_FareFill::diagonalMovesTheColumnDown_data()
{
    QTest::addColumn<std::vector<int>>("source");
    QTest::addColumn<int>("sourceTicket");
    QTest::addColumn<int>("firstTicket");
    QTest::addColumn<int>("tickets");
    QTest::addColumn<QStringList>("rows");
    const std::vector<int> column1{0, 170, 190, 210};
    QTest::newRow("the next columns down a stop each")
        << column1 << 1 << 1 << 3 << QStringList{"0 0 0", "170 0 0", "190 170 0", "210 190 170"};
    QTest::newRow("a column before the source moves up, the last value repeated")
        << std::vector<int>{0, 0, 170, 190} << 2 << 1 << 1 << QStringList{"0", "170", "190", "190"};
    QTest::newRow("a block right of the source") << column1 << 1 << 3 << 1 << QStringList{"0", "0", "0", "170"};
}

void tst_FareFill::diagonalMovesTheColumnDown()
{
    QFETCH(std::vector<int>, source);
    QFETCH(int, sourceTicket);
    QFETCH(int, firstTicket);
    QFETCH(int, tickets);
    QFETCH(QStringList, rows);
    const std::vector<std::int16_t> values(source.begin(), source.end());
    QCOMPARE(rowsOf(diagonalPattern(values, sourceTicket, firstTicket, tickets)), rows);
}

QTEST_GUILESS_MAIN(tst_FareFill)
#include "tst_farefill.moc"
