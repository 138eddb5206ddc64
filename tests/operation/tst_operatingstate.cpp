// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareFile.h"
#include "operation/OperatingState.h"
#include "reslib/VbError.h"

#include "FareBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

// A state that has a 5-stop route loaded from section 2 and moved on a stop.
OperatingState loadedState(const QString &dir)
{
    OperatingState s;
    const QString path = dir + "/old.hy3";
    testing::writeFile(path, testing::routeBytes(5));
    s.strRouteNo = QStringLiteral("00007");
    if (s.LoadFareFile(path, 2) != FareLoadResult::Loaded)
        qFatal("setup failed");
    s.nStopPos = 3;
    return s;
}

void compareState(const OperatingState &a, const OperatingState &b)
{
    QCOMPARE(a.strRouteNo, b.strRouteNo);
    QCOMPARE(a.nSection, b.nSection);
    QCOMPARE(a.nStopPos, b.nStopPos);
    QCOMPARE(a.nStopCount, b.nStopCount);
    QVERIFY(a.FareData == b.FareData);
}

} // namespace

class tst_OperatingState : public QObject
{
    Q_OBJECT

private slots:
    void startsCleared();
    void setFareItemAddressesTheWholeRecord();
    void setFareItemRefusesBadAddressesAndValues_data();
    void setFareItemRefusesBadAddressesAndValues();
    void sectionsUpToCountMinusOneAreAccepted_data();
    void sectionsUpToCountMinusOneAreAccepted();
    void shortRouteAfterLongRouteClearsLaterRows();
    void minusOneFareIsKept();
    void refusalsLeaveTheStateUntouched_data();
    void refusalsLeaveTheStateUntouched();

private:
    QTemporaryDir dir_;
};

void tst_OperatingState::startsCleared()
{
    const OperatingState s;
    QCOMPARE(s.strRouteNo, QString());
    QCOMPARE(s.nSection, std::int16_t(0));
    QCOMPARE(s.nStopPos, std::int16_t(0));
    QCOMPARE(s.nStopCount, std::int16_t(0));
    QVERIFY(s.FareData(1).isCleared());
    QVERIFY(s.FareData(301).isCleared());
}

void tst_OperatingState::setFareItemAddressesTheWholeRecord()
{
    OperatingState s;
    s.SetFareItem(301, 1, QStringLiteral("終点"));
    s.SetFareItem(301, 2, 12);
    s.SetFareItem(301, 3, -1);
    s.SetFareItem(301, 152, QStringLiteral("32767"));
    QCOMPARE(s.FareData(301).Chimei, QStringLiteral("終点"));
    QCOMPARE(s.FareData(301).SeirikenNo, std::int16_t(12));
    QCOMPARE(s.FareData(301).Col(1), std::int16_t(-1));
    QCOMPARE(s.FareData(301).Col(150), std::int16_t(32767));
    s.SetFareItem(1, 1, 230);
    QCOMPARE(s.FareData(1).Chimei, QStringLiteral("230"));

    s.ClearFareData();
    QVERIFY(s.FareData(301).isCleared());
}

void tst_OperatingState::setFareItemRefusesBadAddressesAndValues_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("error");

    QTest::newRow("row 0") << 0 << 1 << QVariant(1) << 9;
    QTest::newRow("row 302") << 302 << 3 << QVariant(1) << 9;
    QTest::newRow("column 0") << 1 << 0 << QVariant(1) << 9;
    QTest::newRow("column 153") << 1 << 153 << QVariant(1) << 9;
    QTest::newRow("value above 16 bits") << 1 << 3 << QVariant(32768) << 6;
    QTest::newRow("value below 16 bits") << 1 << 2 << QVariant(-32769) << 6;
    QTest::newRow("text that is no number") << 1 << 4 << QVariant(QStringLiteral("abc")) << 13;
}

void tst_OperatingState::setFareItemRefusesBadAddressesAndValues()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(int, error);
    OperatingState s;
    try {
        s.SetFareItem(row, column, value);
        QFAIL("no error");
    } catch (const VbError &e) {
        QCOMPARE(e.number(), error);
    }
    QVERIFY(s.FareData(1).isCleared());
}

void tst_OperatingState::sectionsUpToCountMinusOneAreAccepted_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("section 1") << 1 << true;
    QTest::newRow("section 2") << 2 << true;
    QTest::newRow("section 4 = N - 1") << 4 << true;
    QTest::newRow("section 5 = N") << 5 << false;
    QTest::newRow("section 300") << 300 << false;
}

void tst_OperatingState::sectionsUpToCountMinusOneAreAccepted()
{
    QFETCH(int, section);
    QFETCH(bool, accepted);
    const QString path = dir_.filePath("five.hy3");
    QVERIFY(testing::writeFile(path, testing::routeBytes(5)));
    OperatingState s;
    const auto result = s.LoadFareFile(path, static_cast<std::int16_t>(section));
    QCOMPARE(result, accepted ? FareLoadResult::Loaded : FareLoadResult::SectionBeyondData);
    if (accepted) {
        QCOMPARE(s.nSection, std::int16_t(section));
        QCOMPARE(s.nStopPos, std::int16_t(section - 1));
        QCOMPARE(s.nStopCount, std::int16_t(5));
        QCOMPARE(s.FareData(5).Chimei, QStringLiteral("停5"));
        QCOMPARE(s.FareData(5).Col(3), std::int16_t(503));
    } else {
        QCOMPARE(s.nStopCount, std::int16_t(0));
        QVERIFY(s.FareData(1).isCleared());
    }
}

void tst_OperatingState::shortRouteAfterLongRouteClearsLaterRows()
{
    const QString longPath = dir_.filePath("40.hy3");
    const QString shortPath = dir_.filePath("3.hy3");
    QVERIFY(testing::writeFile(longPath, testing::routeBytes(40)));
    QVERIFY(testing::writeFile(shortPath, testing::routeBytes(3)));
    OperatingState s;
    QCOMPARE(s.LoadFareFile(longPath, 1), FareLoadResult::Loaded);
    QCOMPARE(s.FareData(40).Chimei, QStringLiteral("停40"));
    QCOMPARE(s.LoadFareFile(shortPath, 1), FareLoadResult::Loaded);
    QCOMPARE(s.nStopCount, std::int16_t(3));
    QCOMPARE(s.FareData(3).Chimei, QStringLiteral("停3"));
    for (int r = 4; r <= 301; ++r)
        QVERIFY2(s.FareData(r).isCleared(), qPrintable(QString::number(r)));
}

void tst_OperatingState::minusOneFareIsKept()
{
    const QString path = dir_.filePath("minus.hy3");
    testing::StopBytes a{QByteArray("\x8E\x6E"), 1, {0, 0, -1}};
    testing::StopBytes b{QByteArray("\x8F\x49"), 2, {230, 0, -1}};
    QVERIFY(testing::writeFile(path, testing::fareFileBytes(2, {a, b})));
    OperatingState s;
    QCOMPARE(s.LoadFareFile(path, 1), FareLoadResult::Loaded);
    QCOMPARE(s.FareData(2).Col(3), std::int16_t(-1));
    QCOMPARE(s.FareData(2).Col(1), std::int16_t(230));
    QCOMPARE(s.FareData(1).Chimei, QStringLiteral("始"));
}

void tst_OperatingState::refusalsLeaveTheStateUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty name = no file at all
    QTest::addColumn<bool>("directory");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("result");       // FareLoadResult, or -1 for an error
    QTest::addColumn<int>("error");

    const int err = -1;
    QTest::newRow("missing file") << QByteArray() << false << 1 << err << 53;
    QTest::newRow("a folder") << QByteArray() << true << 1 << err << 75;
    QTest::newRow("empty file") << QByteArray("") << false << 1 << int(FareLoadResult::ZeroCount) << 0;
    QTest::newRow("count 0") << testing::routeBytes(0) << false << 1 << int(FareLoadResult::ZeroCount) << 0;
    QTest::newRow("count equals section") << testing::routeBytes(3) << false << 3 << int(FareLoadResult::SectionBeyondData) << 0;
    QTest::newRow("negative count") << testing::routeBytes(2, -2) << false << 1 << int(FareLoadResult::SectionBeyondData) << 0;
    QTest::newRow("count -32768") << testing::routeBytes(0, -32768) << false << 1 << int(FareLoadResult::SectionBeyondData) << 0;
    QTest::newRow("302 records") << testing::routeBytes(302) << false << 1 << err << 9;
    QTest::newRow("count 5000, few records") << testing::routeBytes(2, 5000) << false << 1 << err << 9;
    QTest::newRow("count above the records") << testing::routeBytes(3, 4) << false << 1 << err << 62;
    QTest::newRow("last record cut") << testing::routeBytes(3).chopped(1) << false << 1 << err << 62;
    QTest::newRow("larger than any fare data")
        << testing::routeBytes(3) + QByteArray(qsizetype(kMaxFareFileBytes), '\0') << false << 1 << err << 7;
}

void tst_OperatingState::refusalsLeaveTheStateUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, directory);
    QFETCH(int, section);
    QFETCH(int, result);
    QFETCH(int, error);

    const OperatingState before = loadedState(dir_.path());
    OperatingState s = before;
    const QString path = dir_.filePath(QStringLiteral("refused-%1.hy3").arg(QTest::currentDataTag()));
    QFile::remove(path);
    QDir().rmdir(path);
    if (directory)
        QVERIFY(QDir().mkpath(path));
    else if (!bytes.isNull())
        QVERIFY(testing::writeFile(path, bytes));

    if (result >= 0) {
        QCOMPARE(int(s.LoadFareFile(path, static_cast<std::int16_t>(section))), result);
    } else {
        try {
            s.LoadFareFile(path, static_cast<std::int16_t>(section));
            QFAIL("no error");
        } catch (const VbError &e) {
            QCOMPARE(e.number(), error);
            QVERIFY(!e.description().isEmpty());
        }
    }
    compareState(s, before);
}

QTEST_GUILESS_MAIN(tst_OperatingState)
#include "tst_operatingstate.moc"
