// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A GTFS (GTFS-JP) feed as the data tool reads it: the text files of a folder
// or of a .zip, each an RFC 4180 CSV whose columns are found by their names.

#include "tools/Csv.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kerubara::gtfs {

// Why a feed cannot be used: the file (as the user finds it: a path, or
// "FEED.zip:folder/stops.txt"), its 1-based line (0 for the whole file) and
// what is wrong, in Japanese.
struct FeedError
{
    QString file;
    int line = 0;
    QString message;

    // "FILE: N行目: message", or "FILE: message" without a line.
    QString text() const;
};

// One file of the feed: its rows below the header, and its columns by name.
class Table
{
public:
    QString file; // as FeedError names it
    std::vector<csv::Row> rows;

    // The index of the column, or -1 when the header has none of that name.
    int column(const QString &name) const { return columns_.value(name, -1); }
    bool hasColumn(const QString &name) const { return columns_.contains(name); }
    // The field of `row` in column `index` (trimmed); empty when the column
    // is missing or the row is short.
    static QString value(const csv::Row &row, int index);

    // Parses the bytes of a file named `file` (UTF-8, with or without a byte
    // order mark, CRLF or LF). The header row is required, and so is every
    // column of `required`.
    static std::optional<Table> parse(const QString &file, const QByteArray &bytes, const QStringList &required,
                                      FeedError *error);

private:
    QHash<QString, int> columns_;
};

// The feed's files: read from a folder, or from a .zip with libzip. The files
// lie at the top or together in one folder inside.
class Feed
{
public:
    // Reads the feed at `path`, a folder or a .zip file.
    static std::optional<Feed> open(const QString &path, FeedError *error);
    // Reads a .zip held in memory; `name` is how messages call it.
    static std::optional<Feed> fromZip(const QByteArray &zip, const QString &name, FeedError *error);

    // A feed of files held in memory, by their names ("stops.txt"); `name`
    // is how messages call it.
    static Feed fromFiles(const QHash<QString, QByteArray> &files, const QString &name);

    // The file is in the feed.
    bool has(const QString &file) const { return files_.contains(file); }
    // A file of the feed as messages name it, whether the feed has it or not.
    QString shownName(const QString &file) const { return prefix_ + file; }
    // The table of a file of the feed. A missing file, a broken CSV or a
    // missing required column is an error naming the file (and line).
    std::optional<Table> table(const QString &file, const QStringList &required, FeedError *error) const;

    // The largest file of a feed read, and the largest .zip.
    static constexpr qint64 kMaxFileBytes = qint64(512) << 20;
    static constexpr qint64 kMaxZipBytes = qint64(1) << 30;

private:
    struct File
    {
        QString shownName;
        QByteArray bytes;
    };
    QHash<QString, File> files_; // by the file's own name ("stops.txt")
    QString prefix_;             // what comes before a file's name in messages
};

} // namespace kerubara::gtfs
