// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/mdlzed_000.h"

#include <QTest>

using namespace kerubara;

namespace {

// Full-width digits as the labels show them.
QString wide(const char *ascii)
{
    return toFullWidth(QString::fromLatin1(ascii));
}

} // namespace

class tst_mdlzed_000 : public QObject
{
    Q_OBJECT

private slots:
    void numberingStylesLabelTheCells_data();
    void numberingStylesLabelTheCells();
    void leadingZeroPadsOneDigitNumbers();
    void stylesOutsideTheListWriteNoNumbers_data();
    void stylesOutsideTheListWriteNoNumbers();
    void fullWidthConvertsEveryHalfWidthCharacter();
    void styleNamesAreTheTwelveListEntries();
};

void tst_mdlzed_000::numberingStylesLabelTheCells_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("label12");
    QTest::addColumn<int>("points");

    QTest::newRow("0: 1..12") << 0 << wide("1") << wide("2") << wide("12") << 14;
    QTest::newRow("1: 0..11") << 1 << wide("0") << wide("1") << wide("11") << 14;
    QTest::newRow("2: nashi, 1..11") << 2 << QStringLiteral("な し") << wide("1") << wide("11") << 12;
    QTest::newRow("3: nashi, 2..12") << 3 << QStringLiteral("な し") << wide("2") << wide("12") << 12;
    QTest::newRow("4: muken, 1..11") << 4 << QStringLiteral("無 券") << wide("1") << wide("11") << 12;
    QTest::newRow("5: muken, 2..12") << 5 << QStringLiteral("無 券") << wide("2") << wide("12") << 12;
    QTest::newRow("6: ken-nashi, 1..11") << 6 << QStringLiteral("券なし") << wide("1") << wide("11") << 12;
    QTest::newRow("7: ken-nashi, 2..12") << 7 << QStringLiteral("券なし") << wide("2") << wide("12") << 12;
    QTest::newRow("8: ken-nashi kanji, 1..11") << 8 << QStringLiteral("券無し") << wide("1") << wide("11") << 12;
    QTest::newRow("9: ken-nashi kanji, 2..12") << 9 << QStringLiteral("券無し") << wide("2") << wide("12") << 12;
    QTest::newRow("10: plain, 1..11") << 10 << QString() << wide("1") << wide("11") << 14;
    QTest::newRow("11: plain, 2..12") << 11 << QString() << wide("2") << wide("12") << 14;
}

void tst_mdlzed_000::numberingStylesLabelTheCells()
{
    QFETCH(int, style);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(QString, label12);
    QFETCH(int, points);
    const SeirikenCaptions c = seirikenCaptions(static_cast<std::int16_t>(style), 0);
    QVERIFY(c.caption[1].has_value());
    QCOMPARE(*c.caption[1], label1);
    QCOMPARE(*c.caption[2], label2);
    QCOMPARE(*c.caption[12], label12);
    QCOMPARE(c.label1PointSize, points);
    // The words keep their half-width space.
    if (style == 2 || style == 4)
        QCOMPARE(c.caption[1]->at(1), QChar(u' '));
}

void tst_mdlzed_000::leadingZeroPadsOneDigitNumbers()
{
    const SeirikenCaptions c = seirikenCaptions(0, 1);
    QCOMPARE(*c.caption[1], QStringLiteral("０１"));
    QCOMPARE(*c.caption[9], QStringLiteral("０９"));
    QCOMPARE(*c.caption[10], QStringLiteral("１０"));
    QCOMPARE(*c.caption[12], QStringLiteral("１２"));
    QCOMPARE(*seirikenCaptions(1, 1).caption[1], QStringLiteral("００"));
}

void tst_mdlzed_000::stylesOutsideTheListWriteNoNumbers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("label1Emptied");
    QTest::newRow("no entry chosen (-1)") << -1 << false;
    QTest::newRow("style 12") << 12 << true;
}

void tst_mdlzed_000::stylesOutsideTheListWriteNoNumbers()
{
    QFETCH(int, style);
    QFETCH(bool, label1Emptied);
    const SeirikenCaptions c = seirikenCaptions(static_cast<std::int16_t>(style), 0);
    QCOMPARE(c.caption[1].has_value(), label1Emptied);
    if (label1Emptied)
        QVERIFY(c.caption[1]->isEmpty());
    for (int k = 2; k <= 12; ++k)
        QVERIFY(!c.caption[static_cast<std::size_t>(k)].has_value());
    QCOMPARE(c.label1PointSize, 14);
}

void tst_mdlzed_000::fullWidthConvertsEveryHalfWidthCharacter()
{
    QCOMPARE(toFullWidth(QStringLiteral("09 A-z")), QStringLiteral("０９　Ａ－ｚ"));
    QCOMPARE(toFullWidth(QStringLiteral("な し")), QStringLiteral("な　し"));
}

void tst_mdlzed_000::styleNamesAreTheTwelveListEntries()
{
    const QStringList names = ticketNumberStyleNames();
    QCOMPARE(names.size(), 12);
    QCOMPARE(names[0], QStringLiteral("1,2,3... 12 （既定の表示）"));
    QCOMPARE(names[1], QStringLiteral("0,1,2... 11"));
    QCOMPARE(names[5], QStringLiteral("「無券」、2,3... 12"));
    QCOMPARE(names[11], QStringLiteral("(無地)、2,3... 12"));
}

QTEST_GUILESS_MAIN(tst_mdlzed_000)
#include "tst_mdlzed_000.moc"
