// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/AnnouncementModel.h"

#include "formats/SequentialInput.h"
#include "reslib/Cp932.h"

#include <QFile>
#include <QIODevice>
#include <QUndoCommand>

#include <algorithm>

namespace kerubara::editing {

// One step of the undo stack: what to do and how to undo it.
class AnnouncementCommand : public QUndoCommand
{
public:
    AnnouncementCommand(std::function<void()> redo, std::function<void()> undo)
        : redo_(std::move(redo)), undo_(std::move(undo))
    {
    }
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

namespace {

// The character at `at`, a surrogate pair whole.
QString characterAt(QStringView text, qsizetype at)
{
    const bool pair = text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    return text.mid(at, pair ? 2 : 1).toString();
}

// The first line end of the data, or CR LF when it has none.
QByteArray lineEndOf(QByteArrayView data)
{
    for (qsizetype at = 0; at < data.size(); ++at) {
        if (data[at] == '\n')
            return QByteArrayLiteral("\n");
        if (data[at] == '\r')
            return at + 1 < data.size() && data[at + 1] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    }
    return QByteArrayLiteral("\r\n");
}

bool isFlagColumn(int column)
{
    return column == AnnouncementModel::StepFlagColumn || column == AnnouncementModel::SoundFlagColumn;
}

} // namespace

// Each line of the data that holds its entry's announcement whole: read by
// itself it gives that announcement and nothing more. A blank line is never
// one, since within the data it is read as a field.
AnnouncementModel::Lines AnnouncementModel::linesOf(const QByteArray &bytes, const std::vector<TapeRecord> &records)
{
    Lines lines(records.size());
    const QByteArrayView data = withoutEndOfFileMark(bytes);
    qsizetype pos = 0;
    for (std::size_t i = 0; i < records.size() && pos < data.size(); ++i) {
        qsizetype end = pos;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        const qsizetype next = end + (data.sliced(end).startsWith("\r\n") ? 2 : end < data.size() ? 1 : 0);
        const QByteArray line = data.sliced(pos, end - pos).toByteArray();
        pos = next;
        if (line.trimmed().isEmpty())
            continue;
        const TapeDataResult alone = readTapeData(line);
        if (!alone.error && alone.records.size() == 1 && alone.records.front() == records[i])
            lines[i] = WrittenLine{line, data.sliced(end, next - end).toByteArray(), records[i]};
    }
    return lines;
}

std::optional<AnnouncementRefusal> checkAnnouncementText(QStringView text)
{
    using Kind = AnnouncementRefusal::Kind;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'"')
            return AnnouncementRefusal{Kind::Quote, characterAt(text, at), at};
        if (text[at] == u'\r' || text[at] == u'\n')
            return AnnouncementRefusal{Kind::LineBreak, characterAt(text, at), at};
    }
    if (const qsizetype at = cp932::firstUnencodable(text); at >= 0)
        return AnnouncementRefusal{Kind::NotShiftJis, characterAt(text, at), at};
    return std::nullopt;
}

std::variant<std::int16_t, AnnouncementRefusal> readAnnouncementFlag(int column, QStringView typed)
{
    using Kind = AnnouncementRefusal::Kind;
    const CellEntry entry = readCellEntry(typed);
    if (const auto *why = std::get_if<CellRefusal>(&entry))
        return AnnouncementRefusal{Kind::Flag, {}, 0, *why};
    // The unit steps only on 1 and sounds only on 1..3; anything else in the
    // file means the same as 0, so a typed one is surely a slip.
    const std::int16_t value = std::get<std::int16_t>(entry);
    if (column == AnnouncementModel::StepFlagColumn && value != 0 && value != 1)
        return AnnouncementRefusal{Kind::StepFlag, {}, 0, {}, value};
    if (column == AnnouncementModel::SoundFlagColumn && (value < 0 || value > 3))
        return AnnouncementRefusal{Kind::SoundFlag, {}, 0, {}, value};
    return value;
}

QByteArray announcementLine(const TapeRecord &r)
{
    const QByteArray text = cp932::encode(r.Text);
    return (r.Text.contains(u'"') ? text : '"' + text + '"') + ',' + QByteArray::number(r.StepFlag) + ','
        + QByteArray::number(r.SoundFlag);
}

AnnouncementModel::AnnouncementModel(QObject *parent) : QAbstractTableModel(parent)
{
}

int AnnouncementModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int AnnouncementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AnnouncementModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const TapeRecord &r = records_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case TextColumn:
        return r.Text;
    case StepFlagColumn:
        return role == Qt::EditRole ? QVariant(QString::number(r.StepFlag)) : QVariant(int(r.StepFlag));
    case SoundFlagColumn:
        return role == Qt::EditRole ? QVariant(QString::number(r.SoundFlag)) : QVariant(int(r.SoundFlag));
    case ReadingColumn: {
        if (!readingOf_ || r.Text.isEmpty())
            return QString();
        auto found = readings_.constFind(r.Text);
        if (found == readings_.cend())
            found = readings_.insert(r.Text, readingOf_(r.Text));
        return *found;
    }
    default:
        return {};
    }
}

bool AnnouncementModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole)
        return false;
    const int row = index.row();
    const int column = index.column();
    const TapeRecord &r = records_[static_cast<std::size_t>(row)];
    QVariant before;
    QVariant after;
    if (column == TextColumn) {
        const QString text = value.toString();
        if (const auto why = checkAnnouncementText(text)) {
            emit refused(*why);
            return false;
        }
        before = r.Text;
        after = text;
    } else if (isFlagColumn(column)) {
        const auto flag = readAnnouncementFlag(column, value.toString());
        if (const auto *why = std::get_if<AnnouncementRefusal>(&flag)) {
            emit refused(*why);
            return false;
        }
        before = int(column == StepFlagColumn ? r.StepFlag : r.SoundFlag);
        after = int(std::get<std::int16_t>(flag));
    } else {
        return false;
    }
    if (before == after)
        return true;
    undo_.push(new AnnouncementCommand([this, row, column, after] { setField(row, column, after); },
                                       [this, row, column, before] { setField(row, column, before); }));
    return true;
}

void AnnouncementModel::setField(int row, int column, const QVariant &value)
{
    TapeRecord &r = records_[static_cast<std::size_t>(row)];
    if (column == TextColumn)
        r.Text = value.toString();
    else if (column == StepFlagColumn)
        r.StepFlag = static_cast<std::int16_t>(value.toInt());
    else
        r.SoundFlag = static_cast<std::int16_t>(value.toInt());
    // The reading follows the text.
    const int last = column == TextColumn ? ReadingColumn : column;
    emit dataChanged(index(row, column), index(row, last));
}

Qt::ItemFlags AnnouncementModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    // The file holds no reading: ours is shown, not stored.
    if (index.column() == ReadingColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant AnnouncementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < ColumnCount ? headers_[section] : QVariant();
}

bool AnnouncementModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    headers_[section] = value;
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool AnnouncementModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
        return false;
    const std::vector<TapeRecord> empty(static_cast<std::size_t>(count));
    undo_.push(new AnnouncementCommand([this, row, empty] { insertRecords(row, empty, Lines(empty.size())); },
                                       [this, row, count] { takeRecords(row, count); }));
    return true;
}

bool AnnouncementModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    const std::vector<TapeRecord> removed(records_.begin() + row, records_.begin() + row + count);
    const Lines lines(lines_.begin() + row, lines_.begin() + row + count);
    undo_.push(new AnnouncementCommand([this, row, count] { takeRecords(row, count); },
                                       [this, row, removed, lines] { insertRecords(row, removed, lines); }));
    return true;
}

bool AnnouncementModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                                 const QModelIndex &destinationParent, int destinationChild)
{
    // One entry at a time, as the editor's buttons move them.
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 || sourceRow >= rowCount()
        || destinationChild < 0 || destinationChild > rowCount() || destinationChild == sourceRow
        || destinationChild == sourceRow + 1)
        return false;
    const int to = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    undo_.push(new AnnouncementCommand([this, sourceRow, to] { moveRecord(sourceRow, to); },
                                       [this, sourceRow, to] { moveRecord(to, sourceRow); }));
    return true;
}

void AnnouncementModel::insertRecords(int row, const std::vector<TapeRecord> &records, const Lines &lines)
{
    beginInsertRows({}, row, row + static_cast<int>(records.size()) - 1);
    records_.insert(records_.begin() + row, records.begin(), records.end());
    lines_.insert(lines_.begin() + row, lines.begin(), lines.end());
    endInsertRows();
}

void AnnouncementModel::takeRecords(int row, int count)
{
    beginRemoveRows({}, row, row + count - 1);
    records_.erase(records_.begin() + row, records_.begin() + row + count);
    lines_.erase(lines_.begin() + row, lines_.begin() + row + count);
    endRemoveRows();
}

void AnnouncementModel::moveRecord(int from, int to)
{
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const TapeRecord moved = records_[static_cast<std::size_t>(from)];
    records_.erase(records_.begin() + from);
    records_.insert(records_.begin() + to, moved);
    const std::optional<WrittenLine> line = lines_[static_cast<std::size_t>(from)];
    lines_.erase(lines_.begin() + from);
    lines_.insert(lines_.begin() + to, line);
    endMoveRows();
}

void AnnouncementModel::setReadingOf(ReadingOf reading)
{
    beginResetModel();
    readingOf_ = std::move(reading);
    readings_.clear();
    endResetModel();
}

void AnnouncementModel::reset(std::vector<TapeRecord> records, QByteArray bytes)
{
    beginResetModel();
    records_ = std::move(records);
    loaded_ = records_;
    loadedBytes_ = std::move(bytes);
    lines_ = linesOf(loadedBytes_, records_);
    lineEnd_ = lineEndOf(loadedBytes_);
    readings_.clear();
    endResetModel();
    undo_.clear();
}

std::optional<AnnouncementLoadProblem> AnnouncementModel::load(const QString &path)
{
    warnings_.clear();
    datafiles::ReadProblem why;
    const std::optional<QByteArray> bytes = datafiles::readWholeFile(path, kMaxTapeFileBytes, &why);
    if (!bytes) {
        reset({}, {});
        return why;
    }
    TapeDataResult read = readTapeData(*bytes);
    if (read.error) {
        reset({}, {});
        return *read.error;
    }
    warnings_ = std::move(read.warnings);
    reset(std::move(read.records), *bytes);
    return std::nullopt;
}

void AnnouncementModel::clear()
{
    warnings_.clear();
    reset({}, {});
}

QByteArray AnnouncementModel::fileBytes() const
{
    // An unchanged file is written as it was read, and so is every line that
    // holds an unchanged announcement by itself.
    if (records_ == loaded_)
        return loadedBytes_;
    QByteArray bytes;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const std::optional<WrittenLine> &line = lines_[i];
        if (line && line->read == records_[i])
            bytes += line->bytes + (line->end.isEmpty() ? lineEnd_ : line->end);
        else
            bytes += announcementLine(records_[i]) + lineEnd_;
    }
    return bytes;
}

std::optional<datafiles::WriteProblem> AnnouncementModel::save(const QString &path)
{
    const QByteArray bytes = fileBytes();
    if (auto problem =
            datafiles::writeOutputFile(path, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); }))
        return problem;
    loaded_ = records_;
    loadedBytes_ = bytes;
    undo_.setClean();
    return std::nullopt;
}

} // namespace kerubara::editing
