// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A route's announcements as a data author edits them: one row per entry of
// the broadcast data file (text, step flag, sound flag, and the reading the
// speech will use), every change one step of an undo stack.

#include "editing/CellEntry.h"
#include "formats/DataFiles.h"
#include "formats/DataIo.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace kerubara::editing {

// Why a typed text or flag is not taken.
struct AnnouncementRefusal
{
    enum class Kind {
        NotShiftJis, // `character` has no Shift-JIS form
        Quote,       // a double quote: the file's quoted text cannot hold one
        LineBreak,   // a line break would make the line two entries
        Flag,        // `cell` says why the flag is no number
        StepFlag,    // `value` is neither 0 (no step) nor 1 (steps)
        SoundFlag,   // `value` is outside 0 (no sound) .. 3
    };
    Kind kind = Kind::NotShiftJis;
    QString character{}; // the character refused (a surrogate pair whole)
    qsizetype at = 0;    // its 0-based position in the text
    CellRefusal cell{};
    int value = 0;

    friend bool operator==(const AnnouncementRefusal &, const AnnouncementRefusal &) = default;
};

// Nothing when the broadcast data file can hold `text` as an announcement.
std::optional<AnnouncementRefusal> checkAnnouncementText(QStringView text);

// A flag typed into the step flag's or the sound flag's column, or why not.
std::variant<std::int16_t, AnnouncementRefusal> readAnnouncementFlag(int column, QStringView typed);

// Why a broadcast data file did not open.
using AnnouncementLoadProblem = std::variant<datafiles::ReadProblem, TapeDataError>;

// One announcement as a line of a broadcast data file, without its line
// end: Shift-JIS, the text in double quotes unless it holds one (such a text
// was read unquoted, so it holds no comma, line break or blank at either end).
QByteArray announcementLine(const TapeRecord &record);

class AnnouncementModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TextColumn, StepFlagColumn, SoundFlagColumn, ReadingColumn, ColumnCount };

    // How a text is read aloud; the reading column is empty without one.
    using ReadingOf = std::function<QString(const QString &)>;

    explicit AnnouncementModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A text or flag typed as the EditRole: refused (false, and `refused`
    // emitted) when the file cannot hold it; else one undoable step.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // The column titles are the view's words, given to the model.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

    // Empty entries inserted, entries removed, an entry moved: one step each.
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count, const QModelIndex &destinationParent,
                  int destinationChild) override;

    void setReadingOf(ReadingOf reading);

    // Reads a broadcast data file, all or nothing: refused, the model is left
    // empty and the problem returned. The warnings of a file that opened are
    // in warnings(). Either way the undo stack starts afresh.
    std::optional<AnnouncementLoadProblem> load(const QString &path);
    // No announcements, the undo stack afresh: a route that has none yet.
    void clear();
    // Writes the announcements to `path` through a temporary file. An
    // unchanged table writes the bytes read; a changed one keeps each line
    // whose announcement is unchanged as it was written, and writes the
    // others anew in the file's line ends. Nothing when written.
    std::optional<datafiles::WriteProblem> save(const QString &path);
    // What save would write.
    QByteArray fileBytes() const;

    const std::vector<TapeDataWarning> &warnings() const { return warnings_; }
    const std::vector<TapeRecord> &records() const { return records_; }
    QUndoStack *undoStack() { return &undo_; }

signals:
    void refused(const kerubara::editing::AnnouncementRefusal &why);

private:
    void setField(int row, int column, const QVariant &value);
    // A line of the file read that holds one whole announcement by itself:
    // written again as it was while its announcement is unchanged.
    struct WrittenLine
    {
        QByteArray bytes; // without its line end
        QByteArray end;   // empty for a last line without one
        TapeRecord read;
    };
    using Lines = std::vector<std::optional<WrittenLine>>;

    void insertRecords(int row, const std::vector<TapeRecord> &records, const Lines &lines);
    void takeRecords(int row, int count);
    void moveRecord(int from, int to);
    void reset(std::vector<TapeRecord> records, QByteArray bytes);
    static Lines linesOf(const QByteArray &bytes, const std::vector<TapeRecord> &records);

    std::vector<TapeRecord> records_;
    Lines lines_;                    // beside records_
    QByteArray lineEnd_;             // the file's own, for lines written anew
    std::vector<TapeRecord> loaded_; // as read or last saved
    QByteArray loadedBytes_;
    std::vector<TapeDataWarning> warnings_;
    ReadingOf readingOf_;
    mutable QHash<QString, QString> readings_;
    QVariant headers_[ColumnCount];
    QUndoStack undo_;
};

} // namespace kerubara::editing

Q_DECLARE_METATYPE(kerubara::editing::AnnouncementRefusal)
