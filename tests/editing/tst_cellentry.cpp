// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/CellEntry.h"

#include <QTest>

using kerubara::editing::CellEntry;
using kerubara::editing::CellRefusal;
using kerubara::editing::readCellEntry;

Q_DECLARE_METATYPE(CellEntry)

class tst_CellEntry : public QObject
{
    Q_OBJECT
private slots:
    void typedTextIsAValueOrItsRefusal_data();
    void typedTextIsAValueOrItsRefusal();
};

void tst_CellEntry::typedTextIsAValueOrItsRefusal_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<CellEntry>("expected");

    const auto value = [](int v) { return CellEntry{static_cast<std::int16_t>(v)}; };
    const auto refused = [](CellRefusal::Kind kind, qsizetype at = 0) { return CellEntry{CellRefusal{kind, at}}; };
    using K = CellRefusal::Kind;

    QTest::newRow("fare") << "210" << value(210);
    QTest::newRow("no fare") << "-1" << value(-1);
    QTest::newRow("blanks around") << " \t180 " << value(180);
    QTest::newRow("plus sign") << "+5" << value(5);
    QTest::newRow("full-width, as an input method types") << QStringLiteral("　１２０") << value(120);
    QTest::newRow("full-width minus") << QStringLiteral("－１") << value(-1);
    QTest::newRow("lowest") << "-32768" << value(-32768);
    QTest::newRow("highest") << "32767" << value(32767);
    QTest::newRow("one above") << "32768" << refused(K::OutOfRange);
    QTest::newRow("one below") << "-32769" << refused(K::OutOfRange);
    // A sum kept in 16 bits would wrap round to a small fare here.
    QTest::newRow("wraps in 16 bits") << "65746" << refused(K::OutOfRange);
    QTest::newRow("many digits") << "123456789012345678901234" << refused(K::OutOfRange);
    QTest::newRow("empty") << "" << refused(K::Empty);
    QTest::newRow("blanks") << "  " << refused(K::Empty);
    QTest::newRow("sign alone") << "-" << refused(K::NotANumber, 1);
    QTest::newRow("letter after digits") << "12a" << refused(K::NotANumber, 2);
    QTest::newRow("big then letter") << "99999x" << refused(K::NotANumber, 5);
    QTest::newRow("thousands separator") << "1,000" << refused(K::NotANumber, 1);
    QTest::newRow("decimal point") << "1.5" << refused(K::NotANumber, 1);
    QTest::newRow("blank inside") << "1 0" << refused(K::NotANumber, 1);
    QTest::newRow("yen sign") << QStringLiteral("¥200") << refused(K::NotANumber, 0);
}

void tst_CellEntry::typedTextIsAValueOrItsRefusal()
{
    QFETCH(QString, typed);
    QFETCH(CellEntry, expected);
    QCOMPARE(readCellEntry(typed), expected);
}

QTEST_APPLESS_MAIN(tst_CellEntry)
#include "tst_cellentry.moc"
