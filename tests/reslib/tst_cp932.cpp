// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Cp932.h"

#include <QTest>

using namespace kerubara;

class tst_Cp932 : public QObject
{
    Q_OBJECT

private slots:
    void decodesAndEncodesBothWays_data();
    void decodesAndEncodesBothWays();
    void undecodableUnitsYieldNoCharacter_data();
    void undecodableUnitsYieldNoCharacter();
    void duplicateCodesDecodeButComeBackInStandardForm();
    void unencodableCharactersAreReported();
    void lenBCountsShiftJisBytes_data();
    void lenBCountsShiftJisBytes();
    void midBTakesBytesOfTheShiftJisForm_data();
    void midBTakesBytesOfTheShiftJisForm();
};

void tst_Cp932::decodesAndEncodesBothWays_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("Bus 12") << QStringLiteral("Bus 12");
    QTest::newRow("0x5C is the backslash") << QByteArray("\x5C") << QStringLiteral("\\");
    QTest::newRow("0x8160 is fullwidth tilde") << QByteArray("\x81\x60") << QString(QChar(0xFF5E));
    QTest::newRow("0x817C is fullwidth hyphen-minus") << QByteArray("\x81\x7C") << QString(QChar(0xFF0D));
    QTest::newRow("NEC special circled one") << QByteArray("\x87\x40") << QStringLiteral("①");
    QTest::newRow("NEC special kabushiki") << QByteArray("\x87\x8A") << QStringLiteral("㈱");
    QTest::newRow("IBM extension") << QByteArray("\xFB\xFC") << QStringLiteral("髙");
    QTest::newRow("halfwidth katakana") << QByteArray("\xB6\xDE") << QStringLiteral("ｶﾞ");
    QTest::newRow("stop name") << QByteArray("\x89\x77\x91\x4F") << QStringLiteral("駅前");
    QTest::newRow("katakana ba") << QByteArray("\x83\x6F") << QStringLiteral("バ");
    QTest::newRow("vertical bar forms") << QByteArray("\x81\x62\x81\xAB") << QStringLiteral("｜↓");
    QTest::newRow("mixed widths") << QByteArray("A\x83\x6F" "1") << QStringLiteral("Aバ1");
    QTest::newRow("empty") << QByteArray() << QString();
}

void tst_Cp932::decodesAndEncodesBothWays()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(cp932::decode(bytes), text);
    qsizetype bad = 0;
    QCOMPARE(cp932::encode(text, &bad), bytes);
    QCOMPARE(bad, qsizetype(-1));
    QVERIFY(cp932::roundTrips(bytes));
}

void tst_Cp932::undecodableUnitsYieldNoCharacter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("firstBad");

    QTest::newRow("lead byte at the end") << QByteArray("A\x83") << QStringLiteral("A") << qsizetype(1);
    QTest::newRow("lead byte before a non-trail byte") << QByteArray("\x82" " B") << QStringLiteral(" B") << qsizetype(0);
    QTest::newRow("unmapped pair takes its trail byte along") << QByteArray("\x82" "AB") << QStringLiteral("B") << qsizetype(0);
    QTest::newRow("0x80 is no character") << QByteArray("\x80" "X") << QStringLiteral("X") << qsizetype(0);
    QTest::newRow("0xA0 is no character") << QByteArray("\xA0") << QString() << qsizetype(0);
    QTest::newRow("0xFD is no character") << QByteArray("\x83\x6F\xFD") << QStringLiteral("バ") << qsizetype(2);
    QTest::newRow("unassigned double-byte code") << QByteArray("\x85\x40\x83\x6F") << QStringLiteral("バ") << qsizetype(0);
    QTest::newRow("everything decodes") << QByteArray("\x83\x6F") << QStringLiteral("バ") << qsizetype(-1);
}

void tst_Cp932::undecodableUnitsYieldNoCharacter()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(qsizetype, firstBad);
    QCOMPARE(cp932::decode(bytes), text);
    QCOMPARE(cp932::firstUndecodable(bytes), firstBad);
    QCOMPARE(cp932::roundTrips(bytes), firstBad < 0);
}

void tst_Cp932::duplicateCodesDecodeButComeBackInStandardForm()
{
    // NEC-selected IBM extension 0xED40 and IBM extension 0xFA5C are one character.
    const QByteArray nec("\xED\x40");
    QCOMPARE(cp932::decode(nec), QString(QChar(0x7E8A)));
    QCOMPARE(cp932::encode(cp932::decode(nec)), QByteArray("\xFA\x5C"));
    QVERIFY(!cp932::roundTrips(nec));
    QCOMPARE(cp932::firstUndecodable(nec), qsizetype(-1));
}

void tst_Cp932::unencodableCharactersAreReported()
{
    const QString text = QStringLiteral("駅") + QString::fromUcs4(U"\U0001F68C") + QStringLiteral("前");
    qsizetype bad = 0;
    QCOMPARE(cp932::encode(text, &bad), QByteArray("\x89\x77\x91\x4F"));
    QCOMPARE(bad, qsizetype(1));
    QCOMPARE(cp932::firstUnencodable(text), qsizetype(1));
    QVERIFY(!cp932::canEncode(text));
    QVERIFY(cp932::canEncode(QStringLiteral("市役所前")));
    QVERIFY(!cp932::canEncode(QStringLiteral("한")));
}

void tst_Cp932::lenBCountsShiftJisBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("full-width") << QStringLiteral("市役所前") << 8;
    QTest::newRow("half-width") << QStringLiteral("ABC") << 3;
    QTest::newRow("mixed") << QStringLiteral("第2ﾊﾞｽ停") << 8;
    QTest::newRow("unencodable counts nothing") << QStringLiteral("한국") << 0;
}

void tst_Cp932::lenBCountsShiftJisBytes()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(LenB_ASCII(text), bytes);
}

void tst_Cp932::midBTakesBytesOfTheShiftJisForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first character") << QStringLiteral("バス停") << 1 << 2 << QStringLiteral("バ");
    QTest::newRow("middle character") << QStringLiteral("バス停") << 3 << 2 << QStringLiteral("ス");
    QTest::newRow("last character") << QStringLiteral("バス停") << 5 << 2 << QStringLiteral("停");
    QTest::newRow("remaining single byte at the end") << QStringLiteral("バスA") << 5 << 2 << QStringLiteral("A");
    QTest::newRow("length beyond the end") << QStringLiteral("バス") << 3 << 10 << QStringLiteral("ス");
    QTest::newRow("odd: ascii then lead byte") << QStringLiteral("Aバス") << 1 << 2 << QStringLiteral("A");
    QTest::newRow("odd: trail then lead byte") << QStringLiteral("Aバス") << 3 << 2 << QStringLiteral("o");
    QTest::newRow("odd: last trail byte alone") << QStringLiteral("Aバス") << 5 << 1 << QStringLiteral("X");
    QTest::newRow("odd byte length of one") << QStringLiteral("バス") << 2 << 1 << QStringLiteral("o");
    QTest::newRow("start past the end") << QStringLiteral("バス") << 5 << 2 << QString();
    QTest::newRow("start zero") << QStringLiteral("バス") << 0 << 2 << QString();
    QTest::newRow("zero length") << QStringLiteral("バス") << 1 << 0 << QString();
    QTest::newRow("empty text") << QString() << 1 << 2 << QString();
}

void tst_Cp932::midBTakesBytesOfTheShiftJisForm()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(MidB_ASCII(text, start, length), expected);
}

QTEST_GUILESS_MAIN(tst_Cp932)
#include "tst_cp932.moc"
