// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

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

// "12.3 MiB", "512 KiB": a size limit as people read it.
QString sizeText(qint64 bytes);

} // namespace kerubara
