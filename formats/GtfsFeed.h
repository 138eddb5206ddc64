// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A GTFS (GTFS-JP) feed as the data tool reads it: the text files of a folder
// or of a .zip, each an RFC 4180 CSV whose columns are found by their names,
// read whole or row by row.

#include "formats/Csv.h"
#include "formats/DataFiles.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace kerubara::gtfs {

// Why a feed cannot be used: the file (as the user finds it: a path, or
// "FEED.zip:folder/stops.txt"), its 1-based line (0 for the whole file), what
// is wrong and the values its message shows, in the order the kind names them.
struct FeedError
{
    enum class Kind {
        // The feed and its files:
        NoFeed,             // neither a folder nor a file
        Unreadable,         // `read` says why (the .zip, or a file in a folder)
        NotZip,             // values: libzip's words
        NoFiles,            // no file of a feed in it
        SeveralFolders,     // values: the folders
        MissingFile,        // a file the import needs
        FileTooLarge,       // larger than Feed::kMaxFileBytes
        ZipEntryNoInfo,     // values: libzip's words
        ZipEntryCannotOpen, // values: libzip's words
        ZipEntryBroken,     // values: libzip's words
        ZipEntrySizeWrong,  // the entry is not as long as recorded
        ReadFailed,         // values: the system's words
        Syntax,             // not CSV: `csv` says what
        NoHeader,
        MissingColumns,     // values: the columns
        NoLanguageColumn,
        // The rows:
        StopIdEmpty,
        StopIdTwice,        // values: the id, the other line
        RouteIdEmpty,
        RouteIdTwice,       // values: the id
        TripIdEmpty,
        TripIdTwice,        // values: the id
        UnknownRoute,       // values: route_id
        BadDirection,       // values: direction_id
        UnknownTrip,        // values: trip_id
        UnknownStop,        // values: stop_id
        BadSequence,        // values: stop_sequence
        BadTime,            // values: the column, its value
        SequenceTwice,      // values: trip_id, stop_sequence
        BadPrice,           // values: price
        UnknownFare,        // values: fare_id
        // The route asked for:
        NoSuchRoute,        // values: route_id
        NoSuchTrip,         // values: trip_id
        TripOfOtherRoute,   // values: trip_id, the route asked for, the trip's route
        NoTripInDirection,  // values: route_id, direction_id
        NoTrip,             // values: route_id
        StopCount,          // values: trip_id, its stops
        TooManyTickets,     // values: trip_id, the ticket numbers, the most
        NameNotShiftJis,    // values: the name, stop_id, the character, its code point
        NameTooLong,        // values: the name's start, stop_id, its bytes
    };
    Kind kind = Kind::NoFeed;
    QString file{};
    int line = 0;
    QStringList values{};
    std::optional<csv::ParseError> csv{};
    std::optional<datafiles::ReadProblem> read{};
};

// The columns of a file of the feed, found by the names in its header.
class Columns
{
public:
    QString file; // as FeedError names it

    // The index of the column, or -1 when the header has none of that name.
    int column(const QString &name) const { return columns_.value(name, -1); }
    bool hasColumn(const QString &name) const { return columns_.contains(name); }
    // The field of `row` in column `index` (trimmed); empty when the column
    // is missing or the row is short.
    static QString value(const csv::Row &row, int index);

protected:
    // Takes the columns of the header row; false, with the error, when one
    // of `required` is missing.
    bool readHeader(const csv::Row &head, const QStringList &required, FeedError *error);

private:
    QHash<QString, int> columns_;
};

// One file of the feed: its rows below the header.
class Table : public Columns
{
public:
    std::vector<csv::Row> rows;
};

// One file of the feed read row by row: only the row at hand is held, so a
// file of any size takes no more memory than its longest row.
class TableReader : public Columns
{
public:
    // The next row below the header; false at the end of the file, or when
    // it cannot be read further (finish() says why).
    bool next(csv::Row &row) { return reader_->next(row); }
    // After the last row: false, with the error naming the file (and line),
    // when the file was not read to its end.
    bool finish(FeedError *error) const;

private:
    friend class Feed;
    std::unique_ptr<QIODevice> device_;
    std::unique_ptr<csv::Reader> reader_;
    bool zipped_ = false;
};

// The feed's files: in a folder, or in a .zip read with libzip. The files
// lie at the top or together in one folder inside. Opening a feed finds its
// files; each is read when it is asked for, as a stream.
class Feed
{
public:
    // The feed at `path`, a folder or a .zip file.
    static std::optional<Feed> open(const QString &path, FeedError *error);
    // A .zip held in memory; `name` is how messages call it.
    static std::optional<Feed> fromZip(const QByteArray &zip, const QString &name, FeedError *error);

    // A feed of files held in memory, by their names ("stops.txt"); `name`
    // is how messages call it.
    static Feed fromFiles(const QHash<QString, QByteArray> &files, const QString &name);

    // The file is in the feed.
    bool has(const QString &file) const { return files_.contains(file); }
    // A file of the feed as messages name it, whether the feed has it or not.
    QString shownName(const QString &file) const { return prefix_ + file; }
    // The whole table of a file of the feed. A missing file, a broken CSV or
    // a missing required column is an error naming the file (and line).
    std::optional<Table> table(const QString &file, const QStringList &required, FeedError *error) const;
    // A file of the feed to read row by row, its header read and checked as
    // table() does; each call reads the file from its start again.
    std::optional<TableReader> rows(const QString &file, const QStringList &required, FeedError *error) const;

    // The largest file of a feed read, and the largest .zip.
    static constexpr qint64 kMaxFileBytes = qint64(512) << 20;
    static constexpr qint64 kMaxZipBytes = qint64(1) << 30;

private:
    struct Zip;
    struct File
    {
        QString shownName;
        QString path;       // on disk, for a folder
        quint64 entry = 0;  // its index, in a .zip
        QByteArray bytes;   // held in memory
    };
    std::unique_ptr<QIODevice> openFile(const File &file, FeedError *error) const;

    QHash<QString, File> files_; // by the file's own name ("stops.txt")
    QString prefix_;             // what comes before a file's name in messages
    std::shared_ptr<Zip> zip_;   // the .zip the files are in, if any
};

} // namespace kerubara::gtfs
