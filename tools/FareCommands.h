// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/FareChecks.h"
#include "formats/FareFile.h"

#include <QStringList>

#include <optional>

class QTextStream;

// The fare data commands of the data tool: dump, hy3 and check.
namespace kerubara::datatool {

int dumpFareFile(const QString &path, QTextStream &out, QTextStream &err);

// Reads every record of a fare data file the program could load (a count of
// 0 to 301 and every record complete), or says on `err` why the file cannot
// be read and gives nothing.
std::optional<FareFileScan> readWholeFareFile(const QString &path, QTextStream &err);
int csvToFareFile(const QString &csvPath, const QString &hy3Path, QTextStream &err);

// Why records cannot be written as fare data (Japanese, naming the record).
QString fareFileRefusalText(const FareFileRefusal &refusal);

// The highest ticket number the fare data at `path` issues; 0 when it cannot
// be read.
int highestTicketNumber(const QString &path);

int checkFareFiles(const QStringList &paths, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
