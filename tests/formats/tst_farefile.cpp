// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareFile.h"

#include "FareBytes.h"

#include <QBuffer>
#include <QTest>

using namespace kerubara;

class tst_FareFile : public QObject
{
    Q_OBJECT

private slots:
    void pathFollowsTheFileNameRule_data();
    void pathFollowsTheFileNameRule();
    void recordWithEmptyNameIs304Bytes();
    void scanReadsRecordsInFileOrder();
    void scanNamesTheCutOffRecordAndField_data();
    void scanNamesTheCutOffRecordAndField();
    void scanStopsAtTheRecordLimitAndCountsTrailingBytes();
    void serializeWritesTheFileLayout();
    void serializeRefusesWhatTheFormatCannotHold_data();
    void serializeRefusesWhatTheFormatCannotHold();
};

void tst_FareFile::pathFollowsTheFileNameRule_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("path");

    QTest::newRow("leading zeros dropped") << "/data" << "00012" << "/data/12.hy3";
    QTest::newRow("folder with slash") << "/data/" << "00012" << "/data/12.hy3";
    QTest::newRow("folder with backslash") << "D:\\data\\" << "12" << "D:\\data\\12.hy3";
    QTest::newRow("empty route is 0") << "/data" << "" << "/data/0.hy3";
    QTest::newRow("all zeros is 0") << "/data" << "000" << "/data/0.hy3";
    QTest::newRow("non-numeric is 0") << "/data" << "ab" << "/data/0.hy3";
    QTest::newRow("leading digits only") << "/data" << "12ab3" << "/data/12.hy3";
    QTest::newRow("empty folder is the current directory") << "" << "00123" << "123.hy3";
    QTest::newRow("five digits") << "r" << "99999" << "r/99999.hy3";
}

void tst_FareFile::pathFollowsTheFileNameRule()
{
    QFETCH(QString, folder);
    QFETCH(QString, route);
    QFETCH(QString, path);
    QCOMPARE(fareFilePath(folder, route), path);
}

void tst_FareFile::recordWithEmptyNameIs304Bytes()
{
    const QByteArray bytes = testing::fareFileBytes(1, {testing::StopBytes{{}, 7, {230, -1}}});
    QCOMPARE(bytes.size(), 2 + 304);
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(buf);
    QVERIFY(!scan.damage);
    QCOMPARE(scan.records.size(), std::size_t(1));
    QVERIFY(scan.records[0].chimei.isEmpty());
    QCOMPARE(scan.records[0].seirikenNo, std::int16_t(7));
    QCOMPARE(scan.records[0].cols[0], std::int16_t(230));
    QCOMPARE(scan.records[0].cols[1], std::int16_t(-1));
    QCOMPARE(scan.trailingBytes, qint64(0));
}

void tst_FareFile::scanReadsRecordsInFileOrder()
{
    QBuffer buf;
    buf.setData(testing::routeBytes(3));
    buf.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(buf);
    QCOMPARE(scan.count, std::int16_t(3));
    QCOMPARE(scan.records.size(), std::size_t(3));
    for (int i = 0; i < 3; ++i) {
        const FareRecord r = toFareRecord(scan.records[static_cast<std::size_t>(i)]);
        QCOMPARE(r.Chimei, QStringLiteral("停%1").arg(i + 1));
        QCOMPARE(r.SeirikenNo, std::int16_t(i + 1));
        QCOMPARE(r.Col(12), std::int16_t(100 * (i + 1) + 12));
        QCOMPARE(r.Col(150), std::int16_t(0));
    }
}

void tst_FareFile::scanNamesTheCutOffRecordAndField_data()
{
    using Kind = FareFileDamage::Kind;
    QTest::addColumn<int>("keepBytes");
    QTest::addColumn<int>("record");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("bytesThere"); // of the name
    QTest::addColumn<int>("column");     // the first missing

    // Two records of 307 bytes each ("停1" is 3 bytes) after the 2-byte count.
    QTest::newRow("no second record") << 2 + 307 << 2 << Kind::NoRecord << 0 << 0;
    QTest::newRow("inside the name length") << 2 + 307 + 1 << 2 << Kind::NameLength << 0 << 0;
    QTest::newRow("inside the name") << 2 + 307 + 3 << 2 << Kind::Name << 1 << 0;
    QTest::newRow("inside the ticket number") << 2 + 307 + 5 + 1 << 2 << Kind::TicketNumber << 0 << 0;
    QTest::newRow("inside the columns") << 2 + 307 + 5 + 2 + 10 << 2 << Kind::Columns << 0 << 6;
    QTest::newRow("first record cut") << 2 + 100 << 1 << Kind::Columns << 0 << 47;
}

void tst_FareFile::scanNamesTheCutOffRecordAndField()
{
    QFETCH(int, keepBytes);
    QFETCH(int, record);
    QFETCH(FareFileDamage::Kind, kind);
    QFETCH(int, bytesThere);
    QFETCH(int, column);
    QBuffer buf;
    buf.setData(testing::routeBytes(2).left(keepBytes));
    buf.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(buf);
    QVERIFY(scan.damage);
    QCOMPARE(scan.damage->record, record);
    QCOMPARE(scan.damage->kind, kind);
    QCOMPARE(scan.damage->column, column);
    if (kind == FareFileDamage::Kind::Name) {
        QCOMPARE(scan.damage->nameBytes, qsizetype(3));
        QCOMPARE(scan.damage->bytesThere, qsizetype(bytesThere));
    }
    QCOMPARE(int(scan.records.size()), record - 1);
}

void tst_FareFile::scanStopsAtTheRecordLimitAndCountsTrailingBytes()
{
    QBuffer buf;
    buf.setData(testing::routeBytes(5, 3) + "xyz");
    buf.open(QIODevice::ReadOnly);
    const FareFileScan all = scanFareFile(buf);
    QCOMPARE(all.records.size(), std::size_t(3));
    QCOMPARE(all.trailingBytes, qint64(2 * 307 + 3));

    buf.seek(0);
    const FareFileScan limited = scanFareFile(buf, 1);
    QCOMPARE(limited.records.size(), std::size_t(1));
    QVERIFY(!limited.damage);

    QBuffer tiny;
    tiny.setData(QByteArray("\x05"));
    tiny.open(QIODevice::ReadOnly);
    const FareFileScan none = scanFareFile(tiny);
    QVERIFY(!none.hasCount);
    QCOMPARE(none.count, std::int16_t(0));
}

void tst_FareFile::serializeWritesTheFileLayout()
{
    const QByteArray expected = testing::routeBytes(4);
    QBuffer buf;
    buf.setData(expected);
    buf.open(QIODevice::ReadOnly);
    QCOMPARE(serializeFareFile(scanFareFile(buf).records).value_or(QByteArray()), expected);
    QCOMPARE(serializeFareFile({}).value_or(QByteArray()), QByteArray(2, '\0'));
}

void tst_FareFile::serializeRefusesWhatTheFormatCannotHold_data()
{
    using Reason = FareFileRefusal::Reason;
    QTest::addColumn<QByteArray>("name"); // of the second of two stops
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("reason");      // -1: written
    QTest::addColumn<int>("value");

    QTest::newRow("a name of 65535 bytes") << QByteArray(0xFFFF, 'a') << 2 << -1 << 0;
    QTest::newRow("a name of 65536 bytes") << QByteArray(0x10000, 'a') << 2 << int(Reason::NameTooLong) << 0x10000;
    QTest::newRow("a line break") << QByteArray("\x89\x77\n\x91\x4F") << 2 << int(Reason::ControlCharacter) << 0x0A;
    QTest::newRow("a TAB") << QByteArray("a\tb") << 2 << int(Reason::ControlCharacter) << 0x09;
    QTest::newRow("a NUL") << QByteArray("a\0b", 3) << 2 << int(Reason::ControlCharacter) << 0;
    QTest::newRow("a DEL") << QByteArray("a\x7F") << 2 << int(Reason::ControlCharacter) << 0x7F;
    QTest::newRow("a second byte 0x5C is no control") << QByteArray("\x83\x5C") << 2 << -1 << 0;
    QTest::newRow("302 stops") << QByteArray("a") << 302 << int(Reason::TooManyRecords) << 302;
}

// What the file cannot hold, or what a reader would cut the name at, is never
// written, whoever asks: a 16-bit length would wrap, a count would lie.
void tst_FareFile::serializeRefusesWhatTheFormatCannotHold()
{
    QFETCH(QByteArray, name);
    QFETCH(int, stops);
    QFETCH(int, reason);
    QFETCH(int, value);
    std::vector<FareFileRecord> records(static_cast<std::size_t>(stops));
    records[1].chimei = name;
    const std::optional<QByteArray> bytes = serializeFareFile(records);
    const std::optional<FareFileRefusal> refusal = fareFileRefusal(records);
    QCOMPARE(bytes.has_value(), reason < 0);
    QCOMPARE(refusal.has_value(), reason >= 0);
    if (bytes) {
        QBuffer buf;
        buf.setData(*bytes);
        buf.open(QIODevice::ReadOnly);
        QCOMPARE(scanFareFile(buf).records, records);
        return;
    }
    QCOMPARE(int(refusal->reason), reason);
    QCOMPARE(refusal->value, qsizetype(value));
    QCOMPARE(refusal->record, reason == int(FareFileRefusal::Reason::TooManyRecords) ? 0 : 2);
}

QTEST_GUILESS_MAIN(tst_FareFile)
#include "tst_farefile.moc"
