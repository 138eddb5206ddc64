// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/FareTableModel.h"

#include <QSignalSpy>
#include <QTest>

using kerubara::FareFileRecord;
using kerubara::FareRecord;
using kerubara::editing::CellBlock;
using kerubara::editing::CellMark;
using kerubara::editing::CellRefusal;
using kerubara::editing::EditRefusal;
using kerubara::editing::FareTableModel;

Q_DECLARE_METATYPE(EditRefusal::Kind)

namespace {

// Stops named A, B, C, ... with ticket numbers 1, 2, 3, ... and fares 100 * stop.
std::vector<FareRecord> route(int stops)
{
    std::vector<FareRecord> records(static_cast<std::size_t>(stops));
    for (int i = 0; i < stops; ++i) {
        records[static_cast<std::size_t>(i)].Chimei = QChar(u'A' + i % 26);
        records[static_cast<std::size_t>(i)].SeirikenNo = static_cast<std::int16_t>(i + 1);
        records[static_cast<std::size_t>(i)].Col(1) = static_cast<std::int16_t>(100 * (i + 1));
    }
    return records;
}

QStringList names(const FareTableModel &model)
{
    QStringList list;
    for (const FareRecord &record : model.records())
        list << record.Chimei;
    return list;
}

} // namespace

class tst_FareTableModel : public QObject
{
    Q_OBJECT
private slots:
    void typedCellIsOneUndoableStep_data();
    void typedCellIsOneUndoableStep();
    void refusedEntryChangesNothing_data();
    void refusedEntryChangesNothing();
    void blockIsOneUndoableStep_data();
    void blockIsOneUndoableStep();
    void stopsInsertedRemovedMovedAndUndone_data();
    void stopsInsertedRemovedMovedAndUndone();
    void untouchedNamesKeepTheirBytes_data();
    void untouchedNamesKeepTheirBytes();
    void fareColumnsReachTheHighestTicket_data();
    void fareColumnsReachTheHighestTicket();
    void marksColourTheirCells();
};

void tst_FareTableModel::typedCellIsOneUndoableStep_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fare") << FareTableModel::columnOfFare(1) << "230" << "230";
    QTest::newRow("full-width fare") << FareTableModel::columnOfFare(2) << QStringLiteral("１５０") << "150";
    QTest::newRow("no fare") << FareTableModel::columnOfFare(1) << "-1" << "-1";
    QTest::newRow("cleared") << FareTableModel::columnOfFare(1) << "" << "0";
    QTest::newRow("ticket number") << int(FareTableModel::kTicketColumn) << "7" << "7";
    QTest::newRow("column 150") << 151 << "1" << "1";
    QTest::newRow("name") << int(FareTableModel::kNameColumn) << QStringLiteral("市役所前") << QStringLiteral("市役所前");
}

void tst_FareTableModel::typedCellIsOneUndoableStep()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FareTableModel model;
    model.setRecords(route(3));
    const QModelIndex cell = model.index(1, column);
    const QString before = cell.data().toString();
    QSignalSpy changed(&model, &FareTableModel::recordsChanged);

    QVERIFY(model.setData(cell, typed));
    QCOMPARE(cell.data().toString(), shown);
    QCOMPARE(model.undoStack()->count(), 1);
    QCOMPARE(changed.count(), 1);
    model.undoStack()->undo();
    QCOMPARE(cell.data().toString(), before);
    model.undoStack()->redo();
    QCOMPARE(cell.data().toString(), shown);
}

void tst_FareTableModel::refusedEntryChangesNothing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<EditRefusal::Kind>("kind");
    QTest::addColumn<qsizetype>("at");
    QTest::addColumn<uint>("character");

    using K = EditRefusal::Kind;
    QTest::newRow("above the range") << 2 << "32768" << K::Cell << qsizetype(0) << 0u;
    QTest::newRow("not a number") << 2 << "2O0" << K::Cell << qsizetype(1) << 0u;
    QTest::newRow("ticket not a number") << 1 << "x" << K::Cell << qsizetype(0) << 0u;
    QTest::newRow("name without Shift-JIS") << 0 << QStringLiteral("駅前🚌") << K::NameNotShiftJis << qsizetype(2) << 0x1F68Cu;
    QTest::newRow("name with a tab") << 0 << "a\tb" << K::NameControl << qsizetype(1) << 9u;
}

void tst_FareTableModel::refusedEntryChangesNothing()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(EditRefusal::Kind, kind);
    QFETCH(qsizetype, at);
    QFETCH(uint, character);
    FareTableModel model;
    model.setRecords(route(3));
    QSignalSpy refused(&model, &FareTableModel::refused);
    const auto before = model.records();

    QVERIFY(!model.setData(model.index(2, column), typed));
    QCOMPARE(model.records(), before);
    QCOMPARE(model.undoStack()->count(), 0);
    QCOMPARE(refused.count(), 1);
    QVERIFY(model.lastRefusal());
    QCOMPARE(model.lastRefusal()->kind, kind);
    QCOMPARE(model.lastRefusal()->row, 2);
    QCOMPARE(model.lastRefusal()->column, column);
    QCOMPARE(kind == EditRefusal::Kind::Cell ? model.lastRefusal()->cell.at : model.lastRefusal()->at, at);
    QCOMPARE(uint(model.lastRefusal()->character), character);
}

void tst_FareTableModel::blockIsOneUndoableStep_data()
{
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<CellBlock>("block");
    QTest::addColumn<int>("stopsAfter");
    QTest::addColumn<QString>("lastCell"); // the block's bottom-right cell after the paste

    QTest::newRow("inside") << 4 << 1 << 2 << CellBlock{{"1", "2"}, {"3", "4"}} << 4 << "4";
    QTest::newRow("names and numbers") << 4 << 0 << 0 << CellBlock{{"甲", "9", "10"}} << 4 << "10";
    QTest::newRow("past the last stop adds stops") << 2 << 1 << 2 << CellBlock{{"5"}, {"6"}, {"7"}} << 4 << "7";
    QTest::newRow("a whole column") << 301 << 0 << 2 << CellBlock(301, {"180"}) << 301 << "180";
}

void tst_FareTableModel::blockIsOneUndoableStep()
{
    QFETCH(int, stops);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(CellBlock, block);
    QFETCH(int, stopsAfter);
    QFETCH(QString, lastCell);
    FareTableModel model;
    model.setRecords(route(stops));
    const auto before = model.records();

    QVERIFY(model.setBlock(row, column, block));
    QCOMPARE(model.rowCount(), stopsAfter);
    const int bottom = row + int(block.size()) - 1;
    const int right = column + int(block.front().size()) - 1;
    QCOMPARE(model.index(bottom, right).data().toString(), lastCell);
    QCOMPARE(model.block(row, column, int(block.size()), int(block.front().size())), block);
    QCOMPARE(model.undoStack()->count(), 1);
    model.undoStack()->undo();
    QCOMPARE(model.records(), before);
}

void tst_FareTableModel::stopsInsertedRemovedMovedAndUndone_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("stops");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("namesAfter");

    QTest::newRow("insert") << "insert 1" << 4 << true << "A,,B,C,D";
    QTest::newRow("insert at the end") << "insert 4" << 4 << true << "A,B,C,D,";
    QTest::newRow("remove") << "remove 1" << 4 << true << "A,C,D";
    QTest::newRow("move up") << "up 2" << 4 << true << "A,C,B,D";
    QTest::newRow("move down") << "down 0" << 4 << true << "B,A,C,D";
    QTest::newRow("first cannot move up") << "up 0" << 4 << false << "A,B,C,D";
    QTest::newRow("302nd stop refused") << "insert 0" << 301 << false << "";
    QTest::newRow("302nd stop by paste refused") << "paste 301" << 301 << false << "";
}

void tst_FareTableModel::stopsInsertedRemovedMovedAndUndone()
{
    QFETCH(QString, change);
    QFETCH(int, stops);
    QFETCH(bool, done);
    QFETCH(QString, namesAfter);
    FareTableModel model;
    model.setRecords(route(stops));
    const QStringList before = names(model);
    const QString what = change.section(u' ', 0, 0);
    const int row = change.section(u' ', 1, 1).toInt();

    bool made = false;
    if (what == u"insert")
        made = model.insertStops(row);
    else if (what == u"remove")
        made = model.removeStops(row);
    else if (what == u"up")
        made = model.moveStops(row, 1, -1);
    else if (what == u"down")
        made = model.moveStops(row, 1, 1);
    else
        made = model.setBlock(row, 0, {{"X"}});
    QCOMPARE(made, done);
    if (!done) {
        QCOMPARE(names(model), before);
        QCOMPARE(model.undoStack()->count(), 0);
        if (stops == 301) {
            QVERIFY(model.lastRefusal());
            QCOMPARE(model.lastRefusal()->kind, EditRefusal::Kind::TooManyStops);
            QCOMPARE(model.lastRefusal()->value, qsizetype(302));
        }
        return;
    }
    QCOMPARE(names(model).join(u','), namesAfter);
    model.undoStack()->undo();
    QCOMPARE(names(model), before);
}

void tst_FareTableModel::untouchedNamesKeepTheirBytes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("bytesKept");

    QTest::newRow("another cell of the stop") << 2 << "300" << true;
    QTest::newRow("the same name typed again") << 0 << QStringLiteral("≒") << true;
    QTest::newRow("a new name") << 0 << QStringLiteral("≒駅") << false;
}

void tst_FareTableModel::untouchedNamesKeepTheirBytes()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, bytesKept);
    // 0x8790 is one of the NEC duplicates: it reads as ≒, which is written 0x81E0.
    const QByteArray nec("\x87\x90", 2);
    FareTableModel model;
    model.setFileRecords({FareFileRecord{nec, 1, {}}, FareFileRecord{"B", 2, {}}});
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("≒"));
    QCOMPARE(model.fileRecords().front().chimei, nec);

    QVERIFY(model.setData(model.index(0, column), typed));
    QCOMPARE(model.fileRecords().front().chimei == nec, bytesKept);
    model.undoStack()->undo();
    QCOMPARE(model.fileRecords().front().chimei, nec);
}

void tst_FareTableModel::fareColumnsReachTheHighestTicket_data()
{
    QTest::addColumn<int>("highestTicket");
    QTest::addColumn<int>("fareColumns");

    QTest::newRow("few tickets") << 3 << 12;
    QTest::newRow("twelve") << 12 << 12;
    QTest::newRow("beyond the panel") << 20 << 20;
    QTest::newRow("beyond the columns") << 400 << 150;
}

void tst_FareTableModel::fareColumnsReachTheHighestTicket()
{
    QFETCH(int, highestTicket);
    QFETCH(int, fareColumns);
    FareTableModel model;
    model.setRecords(route(2));
    QVERIFY(model.setData(model.index(1, FareTableModel::kTicketColumn), QString::number(highestTicket)));
    QCOMPARE(model.fareColumnCount(), fareColumns);
}

void tst_FareTableModel::marksColourTheirCells()
{
    FareTableModel model;
    model.setRecords(route(3));
    model.setMarker([](const std::vector<FareRecord> &records) {
        std::vector<CellMark> marks;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].Col(1) < 0)
                marks.push_back(CellMark{int(i) + 1, 1, Qt::yellow, QStringLiteral("fare -1")});
        }
        return marks;
    });
    const QModelIndex fare = model.index(2, FareTableModel::columnOfFare(1));
    QVERIFY(!fare.data(Qt::BackgroundRole).isValid());
    QVERIFY(model.setData(fare, "-1"));
    QCOMPARE(fare.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    QCOMPARE(fare.data(Qt::ToolTipRole).toString(), QStringLiteral("fare -1"));
    QVERIFY(!model.index(1, FareTableModel::columnOfFare(1)).data(Qt::BackgroundRole).isValid());
}

QTEST_GUILESS_MAIN(tst_FareTableModel)
#include "tst_faretablemodel.moc"
