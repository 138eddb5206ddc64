// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/DataFiles.h"

#include "reslib/BoundedRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <memory>

namespace kerubara::datafiles {

bool openForReading(QFile &file, ReadProblem *why)
{
    QString reason;
    switch (openRegularFile(file, &reason)) {
    case FileOpening::Opened:
        return true;
    case FileOpening::Missing:
        *why = {ReadProblem::Kind::Missing};
        return false;
    case FileOpening::Folder:
        *why = {ReadProblem::Kind::Folder};
        return false;
    case FileOpening::NotRegular:
        *why = {ReadProblem::Kind::NotRegularFile};
        return false;
    case FileOpening::Failed:
        break;
    }
    *why = {ReadProblem::Kind::CannotOpen, reason};
    return false;
}

std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, ReadProblem *why)
{
    QFile file(path);
    if (!openForReading(file, why))
        return std::nullopt;
    BoundedRead read = readBounded(file, limit);
    switch (read.outcome) {
    case BoundedRead::Outcome::Read:
        return std::move(read.bytes);
    case BoundedRead::Outcome::TooLarge:
        *why = {ReadProblem::Kind::TooLarge, {}, limit};
        return std::nullopt;
    case BoundedRead::Outcome::Failed:
        break;
    }
    *why = {ReadProblem::Kind::ReadFailed, file.errorString()};
    return std::nullopt;
}

std::optional<WriteProblem> writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteProblem{WriteProblem::Kind::CannotWrite, path, file.errorString()};
    // commit() would pass over a failure of its own final flush and put a
    // short file in place, so the flush comes first.
    if (!write(file) || !file.flush() || !file.commit())
        return WriteProblem{WriteProblem::Kind::WriteFailed, path, file.errorString()};
    return std::nullopt;
}

namespace {

// A name beside `path` that no file has, for the file it replaces.
QString asideName(const QString &path)
{
    const QFileInfo info(path);
    for (int n = 1;; ++n) {
        const QString aside = info.dir().filePath(QStringLiteral(".%1.%2.old").arg(info.fileName()).arg(n));
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return aside;
    }
}

// Renames, replacing what is at `to`.
bool replaceWith(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    return !error;
}

} // namespace

FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, std::vector<WriteProblem> &problems,
                                const std::function<bool(QSaveFile &)> &commit)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const OutputFile &f : files) {
        auto file = std::make_unique<QSaveFile>(f.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(f.bytes) != f.bytes.size() || !file->flush()) {
            problems.push_back({WriteProblem::Kind::CannotWrite, f.path, file->errorString()});
            return FilesWritten::None;
        }
        pending.push_back(std::move(file));
    }
    // Each file replaced is kept aside (empty when there was none) until all
    // are in place.
    std::vector<QString> aside;
    auto takeBack = [&] {
        bool allBack = true;
        for (std::size_t i = aside.size(); i-- > 0;) {
            const QString &path = files[i].path;
            const bool back = aside[i].isEmpty() ? QFile::remove(path) : replaceWith(aside[i], path);
            if (back)
                continue;
            allBack = false;
            problems.push_back(aside[i].isEmpty() ? WriteProblem{WriteProblem::Kind::NewNotRemoved, path}
                                                  : WriteProblem{WriteProblem::Kind::OldNotPutBack, path, {}, aside[i]});
        }
        return allBack ? FilesWritten::None : FilesWritten::Some;
    };
    for (std::size_t i = 0; i < pending.size(); ++i) {
        QSaveFile &file = *pending[i];
        const QString &path = files[i].path;
        QString old;
        if (QFileInfo::exists(path)) {
            old = asideName(path);
            if (!QFile::rename(path, old)) {
                problems.push_back({WriteProblem::Kind::CannotReplace, path});
                return takeBack();
            }
        }
        aside.push_back(old);
        if (!(commit ? commit(file) : file.commit())) {
            problems.push_back({WriteProblem::Kind::CommitFailed, path, file.errorString()});
            // This one is not in place: only its old file goes back.
            aside.pop_back();
            const bool restored = old.isEmpty() || replaceWith(old, path);
            if (!restored)
                problems.push_back({WriteProblem::Kind::OldNotRestored, path, {}, old});
            const FilesWritten back = takeBack();
            return restored ? back : FilesWritten::Some;
        }
    }
    for (std::size_t i = 0; i < aside.size(); ++i) {
        if (!aside[i].isEmpty() && !QFile::remove(aside[i]))
            problems.push_back({WriteProblem::Kind::AsideNotRemoved, files[i].path, {}, aside[i]});
    }
    return FilesWritten::All;
}

namespace {

// A folder made for writing that is removed again unless kept.
class FolderAside
{
public:
    explicit FolderAside(QString path) : path_(std::move(path)) {}
    FolderAside(const FolderAside &) = delete;
    FolderAside &operator=(const FolderAside &) = delete;
    ~FolderAside()
    {
        if (!kept_)
            QDir(path_).removeRecursively();
    }
    void keep() { kept_ = true; }

private:
    QString path_;
    bool kept_ = false;
};

// A hidden name beside `folder` that nothing has yet, made as a folder.
std::optional<QString> makeAsideFolder(const QString &folder, std::optional<WriteProblem> &why)
{
    const QFileInfo info(folder);
    for (int n = 1; n < 1000; ++n) {
        const QString aside = info.dir().filePath(QStringLiteral(".%1.%2.new").arg(info.fileName()).arg(n));
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            continue;
        if (QDir().mkdir(aside))
            return aside;
        if (!QFileInfo::exists(aside))
            break;
    }
    why = WriteProblem{WriteProblem::Kind::CannotMakeFolder, info.dir().path()};
    return std::nullopt;
}

} // namespace

std::optional<WriteProblem> writeNewFolder(const QString &folder, const std::vector<OutputFile> &files)
{
    using Kind = WriteProblem::Kind;
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink())
        return WriteProblem{Kind::AlreadyThere, folder};
    std::optional<WriteProblem> why;
    const std::optional<QString> aside = makeAsideFolder(folder, why);
    if (!aside)
        return why;
    FolderAside guard(*aside);
    const QDir final(folder);
    for (const OutputFile &f : files) {
        QFile file(QDir(*aside).filePath(final.relativeFilePath(f.path)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(f.bytes) != f.bytes.size() || !file.flush())
            return WriteProblem{Kind::CannotWrite, final.relativeFilePath(f.path), file.errorString()};
    }
    // Qt renames without replacing: a folder that appeared meanwhile stays.
    if (!QDir().rename(*aside, folder))
        return WriteProblem{QFileInfo::exists(folder) ? Kind::AlreadyThere : Kind::CannotPlaceFolder, folder};
    guard.keep();
    return std::nullopt;
}

namespace {

// A decimal integer in min..max with an optional sign, blanks around it
// allowed.
std::optional<long long> parseInteger(const QString &text, long long min, long long max)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i >= t.size())
        return std::nullopt;
    long long v = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
        if (v > -min) // already beyond the range; stop before the digits overflow
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v < min || v > max)
        return std::nullopt;
    return v;
}

} // namespace

std::optional<std::int16_t> parseInt16(const QString &text)
{
    const auto v = parseInteger(text, INT16_MIN, INT16_MAX);
    return v ? std::optional(static_cast<std::int16_t>(*v)) : std::nullopt;
}

std::optional<std::int32_t> parseInt32(const QString &text)
{
    const auto v = parseInteger(text, INT32_MIN, INT32_MAX);
    return v ? std::optional(static_cast<std::int32_t>(*v)) : std::nullopt;
}

} // namespace kerubara::datafiles
