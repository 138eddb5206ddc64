// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/BlockText.h"

#include <QTest>

using kerubara::editing::CellBlock;
using kerubara::editing::fromBlockText;
using kerubara::editing::toBlockText;

class tst_BlockText : public QObject
{
    Q_OBJECT
private slots:
    void spreadsheetTextReadsAsCells_data();
    void spreadsheetTextReadsAsCells();
    void cellsWrittenReadBackTheSame_data();
    void cellsWrittenReadBackTheSame();
};

void tst_BlockText::spreadsheetTextReadsAsCells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CellBlock>("cells");

    QTest::newRow("one cell") << "210" << CellBlock{{"210"}};
    QTest::newRow("a row") << "1\t2\t3" << CellBlock{{"1", "2", "3"}};
    QTest::newRow("newline after the last row") << "1\t2\n3\t4\n" << CellBlock{{"1", "2"}, {"3", "4"}};
    QTest::newRow("CRLF") << "1\r\n2\r\n" << CellBlock{{"1"}, {"2"}};
    QTest::newRow("CR alone") << "1\r2" << CellBlock{{"1"}, {"2"}};
    QTest::newRow("empty cells") << "\t5\t\n" << CellBlock{{"", "5", ""}};
    QTest::newRow("blank line inside") << "1\n\n2\n" << CellBlock{{"1"}, {""}, {"2"}};
    QTest::newRow("quoted tab") << "\"a\tb\"\t1\n" << CellBlock{{"a\tb", "1"}};
    QTest::newRow("quoted line break") << "\"上\n下\"\t1\n2\t3\n" << CellBlock{{"上\n下", "1"}, {"2", "3"}};
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\"\n" << CellBlock{{"say \"hi\""}};
    QTest::newRow("quote inside a cell") << "a\"b\t1" << CellBlock{{"a\"b", "1"}};
    QTest::newRow("quote never closed") << "\"abc\t1\n" << CellBlock{{"\"abc", "1"}};
    QTest::newRow("short rows filled") << "1\t2\t3\n4\n" << CellBlock{{"1", "2", "3"}, {"4", "", ""}};
    QTest::newRow("nothing") << "" << CellBlock{};
}

void tst_BlockText::spreadsheetTextReadsAsCells()
{
    QFETCH(QString, text);
    QFETCH(CellBlock, cells);
    QCOMPARE(fromBlockText(text), cells);
}

void tst_BlockText::cellsWrittenReadBackTheSame_data()
{
    QTest::addColumn<CellBlock>("cells");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << CellBlock{{"東京駅", "1", "210"}, {"本町", "2", "-1"}}
                           << "東京駅\t1\t210\n本町\t2\t-1\n";
    QTest::newRow("tab, break and quote quoted") << CellBlock{{"a\tb", "c\nd", "e\"f", "g"}}
                                                 << "\"a\tb\"\t\"c\nd\"\t\"e\"\"f\"\tg\n";
    QTest::newRow("empty last cell") << CellBlock{{"1", ""}} << "1\t\n";
}

void tst_BlockText::cellsWrittenReadBackTheSame()
{
    QFETCH(CellBlock, cells);
    QFETCH(QString, text);
    QCOMPARE(toBlockText(cells), text);
    QCOMPARE(fromBlockText(text), cells);
}

QTEST_APPLESS_MAIN(tst_BlockText)
#include "tst_blocktext.moc"
