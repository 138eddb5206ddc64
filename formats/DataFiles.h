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
class QTextStream;

namespace kerubara::datafiles {

// Opens a file for reading, or says in Japanese why it cannot be read. Only
// a regular file is opened: a device or a named pipe is refused at once.
bool openForReading(QFile &file, QString *why);

// Why a device or a named pipe is not read (Japanese).
QString notRegularFileText();

// The whole of a file of at most `limit` bytes, or says in Japanese why not:
// missing, a folder, unreadable, or larger than `limit` (then `format`, such
// as "運賃データ(.hy3)", names what cannot be that large). Never holds more
// than `limit` + 1 bytes, whatever size the file reports.
std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, const QString &format, QString *why);

// Writes an output file through a temporary file that replaces `path` only
// when `write` has succeeded, so a failure leaves no half file and any earlier
// file untouched. Returns the exit status: 0, or 1 after saying why on `err`.
int writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write, QTextStream &err);

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
// (Some) do some new files stay, and then `err` names each of them and where
// its old contents are. `commit` puts one written file in place; tests
// replace it to make that fail.
FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, QTextStream &err,
                                const std::function<bool(QSaveFile &)> &commit = {});

// Writes a new folder `folder` holding `files` (each path inside it, as
// QDir(folder).filePath(name) gives it): the folder is made aside, beside
// it under a hidden name, and renamed into place only when every file is
// written, so it appears whole or not at all. A folder or file already at
// `folder` is never replaced. False, with why in Japanese, when it cannot be
// made; then nothing is left behind.
bool writeNewFolder(const QString &folder, const std::vector<OutputFile> &files, QString *why);

// A decimal integer in the signed 16-bit range, blanks around it allowed.
std::optional<std::int16_t> parseInt16(const QString &text);

// A decimal integer in the signed 32-bit range, blanks around it allowed.
std::optional<std::int32_t> parseInt32(const QString &text);

} // namespace kerubara::datafiles
