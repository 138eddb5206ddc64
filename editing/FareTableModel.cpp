// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/FareTableModel.h"

#include "reslib/Cp932.h"

#include <QUndoCommand>

#include <algorithm>

namespace kerubara::editing {

namespace {

// One change of the table: rows replaced by others, and back.
class ReplaceRowsCommand : public QUndoCommand
{
public:
    ReplaceRowsCommand(FareTableModel &model, int first, std::vector<FareTableModel::Row> before,
                       std::vector<FareTableModel::Row> after)
        : model_(model), first_(first), before_(std::move(before)), after_(std::move(after))
    {
    }
    void redo() override { model_.replaceRows(first_, static_cast<int>(before_.size()), after_); }
    void undo() override { model_.replaceRows(first_, static_cast<int>(after_.size()), before_); }

private:
    FareTableModel &model_;
    int first_;
    std::vector<FareTableModel::Row> before_;
    std::vector<FareTableModel::Row> after_;
};

bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7F;
}

} // namespace

FareTableModel::FareTableModel(QObject *parent) : QAbstractTableModel(parent)
{
}

std::vector<FareRecord> FareTableModel::records() const
{
    std::vector<FareRecord> records;
    records.reserve(rows_.size());
    for (const Row &row : rows_)
        records.push_back(row.record);
    return records;
}

void FareTableModel::setRecords(std::vector<FareRecord> records)
{
    beginResetModel();
    rows_.clear();
    for (FareRecord &record : records)
        rows_.push_back(Row{std::move(record), std::nullopt});
    endResetModel();
    undo_.clear();
    refusal_.reset();
    remark();
    emit recordsChanged();
}

std::vector<FareFileRecord> FareTableModel::fileRecords() const
{
    std::vector<FareFileRecord> records;
    records.reserve(rows_.size());
    for (const Row &row : rows_)
        records.push_back(FareFileRecord{row.nameBytes ? *row.nameBytes : cp932::encode(row.record.Chimei),
                                         row.record.SeirikenNo, row.record.cols});
    return records;
}

void FareTableModel::setFileRecords(std::vector<FareFileRecord> records)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(records.size());
    for (FareFileRecord &record : records) {
        FareRecord held = toFareRecord(record);
        rows_.push_back(Row{std::move(held), std::move(record.chimei)});
    }
    endResetModel();
    undo_.clear();
    refusal_.reset();
    remark();
    emit recordsChanged();
}

bool FareTableModel::replaceRecords(std::vector<FareFileRecord> records)
{
    if (records.size() > std::size_t(kFareRows))
        return refuse(EditRefusal{.kind = EditRefusal::Kind::TooManyStops, .value = qsizetype(records.size())});
    std::vector<Row> after;
    after.reserve(records.size());
    for (FareFileRecord &record : records) {
        FareRecord held = toFareRecord(record);
        after.push_back(Row{std::move(held), std::move(record.chimei)});
    }
    refusal_.reset();
    undo_.push(new ReplaceRowsCommand(*this, 0, rows_, std::move(after)));
    return true;
}

void FareTableModel::replaceRows(int first, int count, const std::vector<Row> &rows)
{
    const int kept = std::min(count, static_cast<int>(rows.size()));
    if (count > kept) {
        beginRemoveRows({}, first + kept, first + count - 1);
        rows_.erase(rows_.begin() + first + kept, rows_.begin() + first + count);
        endRemoveRows();
    }
    std::copy(rows.begin(), rows.begin() + kept, rows_.begin() + first);
    if (kept > 0)
        emit dataChanged(index(first, 0), index(first + kept - 1, kColumnCount - 1));
    if (static_cast<int>(rows.size()) > kept) {
        beginInsertRows({}, first + kept, first + static_cast<int>(rows.size()) - 1);
        rows_.insert(rows_.begin() + first + kept, rows.begin() + kept, rows.end());
        endInsertRows();
    }
    remark();
    emit recordsChanged();
}

bool FareTableModel::refuse(EditRefusal refusal)
{
    refusal_ = refusal;
    emit refused();
    return false;
}

std::optional<EditRefusal> FareTableModel::put(Row &row, int column, const QString &text) const
{
    if (column == kNameColumn) {
        if (text == row.record.Chimei)
            return std::nullopt;
        const std::u32string chars = text.toStdU32String();
        const auto control = std::find_if(chars.begin(), chars.end(), isControl);
        if (control != chars.end())
            return EditRefusal{.kind = EditRefusal::Kind::NameControl, .at = control - chars.begin(), .character = *control};
        const qsizetype unencodable = cp932::firstUnencodable(text);
        if (unencodable >= 0)
            return EditRefusal{.kind = EditRefusal::Kind::NameNotShiftJis,
                               .at = unencodable,
                               .character = QStringView(text).sliced(unencodable).toUcs4().value(0)};
        const qsizetype bytes = LenB_ASCII(text);
        if (bytes > kMaxFareNameBytes)
            return EditRefusal{.kind = EditRefusal::Kind::NameTooLong, .value = bytes};
        row.record.Chimei = text;
        row.nameBytes.reset();
        return std::nullopt;
    }
    std::int16_t value = 0;
    const CellEntry entry = readCellEntry(text);
    if (const auto *refusal = std::get_if<CellRefusal>(&entry)) {
        if (refusal->kind != CellRefusal::Kind::Empty)
            return EditRefusal{.kind = EditRefusal::Kind::Cell, .cell = *refusal};
    } else {
        value = std::get<std::int16_t>(entry);
    }
    if (column == kTicketColumn)
        row.record.SeirikenNo = value;
    else
        row.record.Col(column - 1) = value;
    return std::nullopt;
}

bool FareTableModel::setBlock(int row, int column, const CellBlock &cells)
{
    if (cells.empty())
        return true;
    const int height = static_cast<int>(cells.size());
    const int width = static_cast<int>(cells.front().size());
    if (row < 0 || column < 0 || row > rowCount() || column + width > kColumnCount)
        return refuse(EditRefusal{.kind = EditRefusal::Kind::OutsideTable, .row = row, .column = column});
    if (row + height > kFareRows)
        return refuse(EditRefusal{.kind = EditRefusal::Kind::TooManyStops, .row = kFareRows, .value = row + height});
    const int replaced = std::min(height, rowCount() - row);
    std::vector<Row> before(rows_.begin() + row, rows_.begin() + row + replaced);
    std::vector<Row> after = before;
    after.resize(static_cast<std::size_t>(height));
    for (int r = 0; r < height; ++r) {
        const std::vector<QString> &line = cells[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(line.size()) && c < width; ++c) {
            if (auto why = put(after[static_cast<std::size_t>(r)], column + c, line[static_cast<std::size_t>(c)])) {
                why->row = row + r;
                why->column = column + c;
                return refuse(*why);
            }
        }
    }
    refusal_.reset();
    if (before == after)
        return true;
    undo_.push(new ReplaceRowsCommand(*this, row, std::move(before), std::move(after)));
    return true;
}

CellBlock FareTableModel::block(int row, int column, int rows, int columns) const
{
    CellBlock cells;
    for (int r = row; r < row + rows && r < rowCount(); ++r) {
        std::vector<QString> &line = cells.emplace_back();
        for (int c = column; c < column + columns && c < kColumnCount; ++c)
            line.push_back(cellText(rows_[static_cast<std::size_t>(r)], c));
    }
    return cells;
}

bool FareTableModel::insertStops(int row, int count)
{
    if (row < 0 || row > rowCount() || count < 1)
        return false;
    if (rowCount() + count > kFareRows)
        return refuse(EditRefusal{.kind = EditRefusal::Kind::TooManyStops, .row = row, .value = rowCount() + count});
    refusal_.reset();
    undo_.push(new ReplaceRowsCommand(*this, row, {}, std::vector<Row>(static_cast<std::size_t>(count))));
    return true;
}

bool FareTableModel::removeStops(int row, int count)
{
    if (row < 0 || count < 1 || row + count > rowCount())
        return false;
    undo_.push(new ReplaceRowsCommand(*this, row, std::vector<Row>(rows_.begin() + row, rows_.begin() + row + count), {}));
    return true;
}

bool FareTableModel::moveStops(int row, int count, int by)
{
    if (row < 0 || count < 1 || by == 0 || row + by < 0 || row + count + by > rowCount())
        return false;
    const int first = std::min(row, row + by);
    const int span = count + std::abs(by);
    std::vector<Row> before(rows_.begin() + first, rows_.begin() + first + span);
    std::vector<Row> after = before;
    if (by < 0)
        std::rotate(after.begin(), after.begin() + (row - first), after.end());
    else
        std::rotate(after.begin(), after.begin() + count, after.end());
    undo_.push(new ReplaceRowsCommand(*this, first, std::move(before), std::move(after)));
    return true;
}

int FareTableModel::fareColumnCount() const
{
    int highest = kLeastFareColumns;
    for (const Row &row : rows_)
        highest = std::max<int>(highest, row.record.SeirikenNo);
    return std::min(highest, kFareColumns);
}

void FareTableModel::setMarker(CellMarker marker)
{
    marker_ = std::move(marker);
    remark();
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1), {Qt::BackgroundRole, Qt::ToolTipRole});
}

void FareTableModel::remark()
{
    marks_ = marker_ ? marker_(records()) : std::vector<CellMark>{};
}

const CellMark *FareTableModel::markAt(int row, int column) const
{
    const int wanted = column - 1; // 0 = the ticket number, then the data columns
    for (const CellMark &mark : marks_) {
        if (mark.stop == row + 1 && mark.column == wanted)
            return &mark;
    }
    return nullptr;
}

int FareTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FareTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QString FareTableModel::cellText(const Row &row, int column) const
{
    if (column == kNameColumn)
        return row.record.Chimei;
    if (column == kTicketColumn)
        return QString::number(row.record.SeirikenNo);
    return QString::number(row.record.Col(column - 1));
}

QVariant FareTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row &row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == kNameColumn)
            return {};
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (const CellMark *mark = index.column() > kNameColumn ? markAt(index.row(), index.column()) : nullptr)
            return mark->colour;
        return {};
    case Qt::ToolTipRole:
        if (const CellMark *mark = index.column() > kNameColumn ? markAt(index.row(), index.column()) : nullptr)
            return mark->text;
        return {};
    default:
        return {};
    }
}

bool FareTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    return setBlock(index.row(), index.column(), {{value.toString()}});
}

QVariant FareTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return {};
    }
    if (role == Qt::DisplayRole && section >= 0 && section < kColumnCount
        && headers_[static_cast<std::size_t>(section)].isValid())
        return headers_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return section >= 2 ? QVariant(section - 1) : QVariant();
    return {};
}

bool FareTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= kColumnCount)
        return false;
    headers_[static_cast<std::size_t>(section)] = value;
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags FareTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace kerubara::editing
