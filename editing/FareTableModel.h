// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fare table of a route as a data author edits it: a row per stop, the
// stop name, the ticket number and the 150 data columns. Every change is a
// step of the undo stack; what cannot go into the file is refused whole, and
// why is kept for the window to say.

#include "editing/BlockText.h"
#include "editing/CellEntry.h"
#include "formats/FareFile.h"
#include "formats/FareRecord.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <vector>

namespace kerubara::editing {

// Why a change was not made.
struct EditRefusal
{
    enum class Kind {
        Cell,            // a number cell: `cell` says why
        NameNotShiftJis, // `character` has no Shift-JIS form; `at` is its position
        NameControl,     // `character` is a control character; `at` is its position
        NameTooLong,     // `value` is the name's bytes
        TooManyStops,    // `value` is the stops it would make
        OutsideTable,    // a block that reaches past the last column
    };
    Kind kind = Kind::Cell;
    int row = 0;    // 0-based row and model column of the cell refused
    int column = 0;
    CellRefusal cell{};
    qsizetype at = 0;
    char32_t character = 0;
    qsizetype value = 0;
};

// A cell to mark: its colour and what its tooltip says.
struct CellMark
{
    int stop = 0;   // 1-based
    int column = 0; // 0 = the ticket number, 1..150 the data column
    QColor colour;
    QString text;
};

using CellMarker = std::function<std::vector<CellMark>(const std::vector<FareRecord> &)>;

class FareTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The model's columns: the name, the ticket number, then data column k at k + 1.
    static constexpr int kNameColumn = 0;
    static constexpr int kTicketColumn = 1;
    static constexpr int kColumnCount = 2 + kFareColumns;
    // The fare columns shown without asking for the others.
    static constexpr int kLeastFareColumns = 12;

    explicit FareTableModel(QObject *parent = nullptr);

    QUndoStack *undoStack() { return &undo_; }
    const QUndoStack *undoStack() const { return &undo_; }

    std::vector<FareRecord> records() const;
    // Replaces the table; the undo stack starts afresh.
    void setRecords(std::vector<FareRecord> records);
    // The records as the file holds them: the names of the rows never edited
    // keep the very bytes they were read with.
    std::vector<FareFileRecord> fileRecords() const;
    void setFileRecords(std::vector<FareFileRecord> records);

    // Replaces the whole table as one undoable step (a CSV read in).
    bool replaceRecords(std::vector<FareFileRecord> records);

    // Sets the cells from (row, column) on, one undoable step: every cell is
    // read as typed (an empty number cell is 0), rows past the last stop add
    // stops. When a cell is refused nothing changes and lastRefusal() says why.
    bool setBlock(int row, int column, const CellBlock &cells);
    // The cells of a rectangle as text.
    CellBlock block(int row, int column, int rows, int columns) const;

    // New cleared stops before `row` (row == rowCount() adds them at the end).
    bool insertStops(int row, int count = 1);
    bool removeStops(int row, int count = 1);
    // Moves `count` stops from `row` by `by` places (negative: up).
    bool moveStops(int row, int count, int by);

    // The model column of the fare for a ticket number, and how many fare
    // columns a route needs shown: its highest ticket number, at least 12.
    static int columnOfFare(int ticket) { return ticket + 1; }
    int fareColumnCount() const;

    // Why the last change refused was refused.
    const std::optional<EditRefusal> &lastRefusal() const { return refusal_; }

    // What marks the cells, asked again after each change.
    void setMarker(CellMarker marker);
    const std::vector<CellMark> &marks() const { return marks_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A stop as held: the record and, while its name is untouched, the name's
    // bytes as read.
    struct Row
    {
        FareRecord record;
        std::optional<QByteArray> nameBytes;
        friend bool operator==(const Row &, const Row &) = default;
    };
    // Replaces `count` rows from `first` with `rows`: the one change every
    // undo step makes.
    void replaceRows(int first, int count, const std::vector<Row> &rows);

signals:
    void recordsChanged();
    // A change was refused: lastRefusal() says why.
    void refused();

private:
    bool refuse(EditRefusal refusal);
    // Reads `text` into the cell of `row`, or says why not.
    std::optional<EditRefusal> put(Row &row, int column, const QString &text) const;
    QString cellText(const Row &row, int column) const;
    const CellMark *markAt(int row, int column) const;
    void remark();

    std::vector<Row> rows_;
    QUndoStack undo_;
    std::optional<EditRefusal> refusal_;
    CellMarker marker_;
    std::vector<CellMark> marks_;
    std::vector<QVariant> headers_ = std::vector<QVariant>(kColumnCount);
};

} // namespace kerubara::editing
