#pragma once

#include <QStringList>

class QTextStream;

// The fare data commands of the data tool: dump, hy3 and check.
namespace kerubara::datatool {

int dumpFareFile(const QString &path, QTextStream &out, QTextStream &err);
int csvToFareFile(const QString &csvPath, const QString &hy3Path, QTextStream &err);
int checkFareFiles(const QStringList &paths, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
