// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolFiles.h"

#include <QFile>

namespace kerubara::datatool {

bool openForReading(QFile &file, QString *why)
{
    datafiles::ReadProblem problem;
    if (datafiles::openForReading(file, &problem))
        return true;
    *why = readProblemText(problem, {});
    return false;
}

std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, const QString &format, QString *why)
{
    datafiles::ReadProblem problem;
    std::optional<QByteArray> bytes = datafiles::readWholeFile(path, limit, &problem);
    if (!bytes)
        *why = readProblemText(problem, format);
    return bytes;
}

int writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write, QTextStream &err)
{
    const std::optional<datafiles::WriteProblem> problem = datafiles::writeOutputFile(path, write);
    if (!problem)
        return 0;
    err << problem->path << ": " << writeProblemText(*problem) << '\n';
    return 1;
}

FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, QTextStream &err,
                                const std::function<bool(QSaveFile &)> &commit)
{
    std::vector<datafiles::WriteProblem> problems;
    const FilesWritten written = datafiles::writeFilesTogether(files, problems, commit);
    for (const datafiles::WriteProblem &problem : problems)
        err << problem.path << ": " << writeProblemText(problem) << '\n';
    return written;
}

std::optional<OleColor> parseRgb(QString text)
{
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    if (text.size() != 6 || text.startsWith(u'+') || text.startsWith(u'-'))
        return std::nullopt;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return rgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>(value & 0xFF));
}

QString formatRgb(OleColor color)
{
    return toQColor(color).name(QColor::HexRgb).mid(1).toUpper();
}

} // namespace kerubara::datatool
