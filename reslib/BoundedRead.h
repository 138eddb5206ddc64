// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QFile;
class QFileDevice;

namespace kerubara {

// What reading a file up to a limit gave.
struct BoundedRead
{
    enum class Outcome { Read, TooLarge, Failed };
    Outcome outcome = Outcome::Read;
    QByteArray bytes; // the whole file when Read, empty otherwise
};

// Reads an open file to its end, but never more than `limit` + 1 bytes, so a
// file larger than its format can hold is found out without holding it. The
// size the file reports is not trusted: devices and pipes report 0.
BoundedRead readBounded(QFileDevice &file, qint64 limit);

// What opening a file for reading found.
enum class FileOpening { Opened, Missing, Folder, NotRegular, Failed };

// Opens `file` (by its fileName()) for reading when it is a regular file. A
// device, a named pipe or a socket is refused as it is found, never waited
// on or read: opening a pipe waits for a writer, a device may never end. Qt
// resources (":/...") open as usual. When opening failed, `reason` gets the
// system's word for why.
FileOpening openRegularFile(QFile &file, QString *reason = nullptr);

} // namespace kerubara
