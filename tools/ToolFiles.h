// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/DataFiles.h"
#include "reslib/OleColor.h"
#include "windows/FormatMessages.h"

#include <QString>
#include <QTextStream>

#include <optional>

namespace kerubara::datatool {

// The commands read and write their files as every reader and writer of our
// formats does, and say what the readers and checks found in the words the
// windows use.
using datafiles::FilesWritten;
using datafiles::OutputFile;
using datafiles::parseInt16;
using datafiles::parseInt32;
using namespace formatmessages;

// Opens a file for reading, or says why it cannot be read.
bool openForReading(QFile &file, QString *why);

// The whole of a file of at most `limit` bytes, or says why not (`format`,
// such as "運賃データ(.hy3)", names what cannot be that large).
std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, const QString &format, QString *why);

// Writes an output file as datafiles::writeOutputFile does; the exit status:
// 0, or 1 after saying why on `err`.
int writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write, QTextStream &err);

// Writes files together as datafiles::writeFilesTogether does, saying on
// `err` what went wrong.
FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, QTextStream &err,
                                const std::function<bool(QSaveFile &)> &commit = {});

// A colour written as people write one, "RRGGBB" or "#RRGGBB" in hex.
std::optional<OleColor> parseRgb(QString text);

// A colour as parseRgb reads it: "RRGGBB", upper-case hex.
QString formatRgb(OleColor color);

} // namespace kerubara::datatool
