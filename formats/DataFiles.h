// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading and writing our data files: only regular files are read, and never
// more than a format can hold; a file is written aside and put in place only
// when complete, several files together or none.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QFile;
class QIODevice;
class QSaveFile;

namespace kerubara::datafiles {

// Why a file was not read.
struct ReadProblem
{
    enum class Kind {
        Missing,
        Folder,
        NotRegularFile, // a device or a named pipe
        CannotOpen,     // `systemError` says why
        TooLarge,       // larger than `limit` bytes
        ReadFailed,     // `systemError` says why
    };
    Kind kind = Kind::Missing;
    QString systemError{}; // the system's own words
    qint64 limit = 0;
};

// Opens a file for reading, or says why it cannot be read. Only a regular
// file is opened: a device or a named pipe is refused at once.
bool openForReading(QFile &file, ReadProblem *why);

// The whole of a file of at most `limit` bytes, or says why not: missing, a
// folder, unreadable, or larger than `limit`. Never holds more than `limit`
// + 1 bytes, whatever size the file reports.
std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, ReadProblem *why);

// What went wrong writing a file, or putting files written together in place.
struct WriteProblem
{
    enum class Kind {
        CannotWrite,        // the file cannot be written (`systemError`)
        WriteFailed,        // writing it failed (`systemError`); the old file is untouched
        CommitFailed,       // putting it in place failed (`systemError`)
        CannotReplace,      // the old file cannot be moved aside
        NewNotRemoved,      // taking a new file back failed: it stays
        OldNotPutBack,      // the old contents are left at `aside`, the new file stays
        OldNotRestored,     // the old contents are left at `aside`
        AsideNotRemoved,    // the old file replaced stays at `aside`
        AlreadyThere,       // a new folder's place is taken
        CannotMakeFolder,   // no folder can be made in `path`
        CannotPlaceFolder,  // the folder written aside cannot be put in place
    };
    Kind kind = Kind::CannotWrite;
    QString path{};
    QString systemError{};
    QString aside{};
};

// Writes an output file through a temporary file that replaces `path` only
// when `write` has succeeded, so a failure leaves no half file and any earlier
// file untouched. Nothing when it was written.
std::optional<WriteProblem> writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write);

// One file of several written together: where it goes and what it holds.
struct OutputFile
{
    QString path;
    QByteArray bytes;
};

// How writing files together ended.
enum class FilesWritten { All, None, Some };

// Writes several files as one: each is written aside first; then they
// replace the files of their names one after another, the files replaced
// kept aside until all are in place. When one cannot be put in place, those
// already placed are taken back and the old ones put back, so that either
// every file is new or none is (None). Only when putting back fails too
// (Some) do some new files stay, and then `problems` names each of them and
// where its old contents are. `commit` puts one written file in place;
// tests replace it to make that fail.
FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, std::vector<WriteProblem> &problems,
                                const std::function<bool(QSaveFile &)> &commit = {});

// Writes a new folder `folder` holding `files` (each path inside it, as
// QDir(folder).filePath(name) gives it): the folder is made aside, beside
// it under a hidden name, and renamed into place only when every file is
// written, so it appears whole or not at all. A folder or file already at
// `folder` is never replaced. Nothing when it was made; else why not (a
// file that cannot be written is named relative to `folder`), and nothing
// is left behind.
std::optional<WriteProblem> writeNewFolder(const QString &folder, const std::vector<OutputFile> &files);

// A decimal integer in the signed 16-bit range, blanks around it allowed.
std::optional<std::int16_t> parseInt16(const QString &text);

// A decimal integer in the signed 32-bit range, blanks around it allowed.
std::optional<std::int32_t> parseInt32(const QString &text);

} // namespace kerubara::datafiles
