// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/DataFiles.h"

#include "reslib/BoundedRead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <filesystem>
#include <memory>

namespace kerubara::datafiles {

bool openForReading(QFile &file, QString *why)
{
    QString reason;
    switch (openRegularFile(file, &reason)) {
    case FileOpening::Opened:
        return true;
    case FileOpening::Missing:
        *why = QStringLiteral("ファイルが見つかりません。");
        return false;
    case FileOpening::Folder:
        *why = QStringLiteral("フォルダーです。ファイルを指定してください。");
        return false;
    case FileOpening::NotRegular:
        *why = notRegularFileText();
        return false;
    case FileOpening::Failed:
        break;
    }
    *why = QStringLiteral("ファイルを開けません（%1）。").arg(reason);
    return false;
}

QString notRegularFileText()
{
    return QStringLiteral("通常のファイルではありません（デバイスや名前付きパイプは読みません）。");
}

std::optional<QByteArray> readWholeFile(const QString &path, qint64 limit, const QString &format, QString *why)
{
    QFile file(path);
    if (!openForReading(file, why))
        return std::nullopt;
    BoundedRead read = readBounded(file, limit);
    switch (read.outcome) {
    case BoundedRead::Outcome::Read:
        return std::move(read.bytes);
    case BoundedRead::Outcome::TooLarge:
        *why = QStringLiteral("ファイルが大きすぎます。") + format + QStringLiteral("は ") + sizeText(limit)
            + QStringLiteral(" までです。");
        return std::nullopt;
    case BoundedRead::Outcome::Failed:
        break;
    }
    *why = QStringLiteral("読み込みに失敗しました（") + file.errorString() + QStringLiteral("）。");
    return std::nullopt;
}

int writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write, QTextStream &err)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        err << path << QStringLiteral(": 書き込めません（%1）。\n").arg(file.errorString());
        return 1;
    }
    // commit() would pass over a failure of its own final flush and put a
    // short file in place, so the flush comes first.
    if (!write(file) || !file.flush() || !file.commit()) {
        err << path << QStringLiteral(": 書き込みに失敗しました（%1）。元のファイルは変更していません。\n").arg(file.errorString());
        return 1;
    }
    return 0;
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

FilesWritten writeFilesTogether(const std::vector<OutputFile> &files, QTextStream &err,
                                const std::function<bool(QSaveFile &)> &commit)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const OutputFile &f : files) {
        auto file = std::make_unique<QSaveFile>(f.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(f.bytes) != f.bytes.size() || !file->flush()) {
            err << f.path << QStringLiteral(": 書き込めません（") << file->errorString() << QStringLiteral("）。\n");
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
            err << path << (aside[i].isEmpty() ? QStringLiteral(": 新しいファイルを消せませんでした。")
                                               : QStringLiteral(": 元のファイルに戻せませんでした。新しい内容のままです。元の内容は %1 にあります。").arg(aside[i]))
                << '\n';
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
                err << path << QStringLiteral(": 元のファイルを置き換えられません。\n");
                return takeBack();
            }
        }
        aside.push_back(old);
        if (!(commit ? commit(file) : file.commit())) {
            err << path << QStringLiteral(": 書き込みに失敗しました（") << file.errorString() << QStringLiteral("）。\n");
            // This one is not in place: only its old file goes back.
            aside.pop_back();
            const bool restored = old.isEmpty() || replaceWith(old, path);
            if (!restored)
                err << path << QStringLiteral(": 元のファイルに戻せませんでした。元の内容は %1 にあります。\n").arg(old);
            const FilesWritten back = takeBack();
            return restored ? back : FilesWritten::Some;
        }
    }
    for (std::size_t i = 0; i < aside.size(); ++i) {
        if (!aside[i].isEmpty() && !QFile::remove(aside[i]))
            err << files[i].path << QStringLiteral(": 置き換えた元のファイル %1 を消せませんでした。\n").arg(aside[i]);
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
std::optional<QString> makeAsideFolder(const QString &folder, QString *why)
{
    const QFileInfo info(folder);
    for (int n = 1; n < 1000; ++n) {
        const QString aside = info.dir().filePath(QStringLiteral(".%1.%2.new").arg(info.fileName()).arg(n));
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            continue;
        if (QDir().mkdir(aside))
            return aside;
        if (!QFileInfo::exists(aside)) {
            *why = QStringLiteral("%1 にフォルダーを作れません。").arg(info.dir().path());
            return std::nullopt;
        }
    }
    *why = QStringLiteral("%1 に一時フォルダーを作れません。").arg(info.dir().path());
    return std::nullopt;
}

} // namespace

bool writeNewFolder(const QString &folder, const std::vector<OutputFile> &files, QString *why)
{
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink()) {
        *why = QStringLiteral("すでにあります。");
        return false;
    }
    const std::optional<QString> aside = makeAsideFolder(folder, why);
    if (!aside)
        return false;
    FolderAside guard(*aside);
    const QDir final(folder);
    for (const OutputFile &f : files) {
        QFile file(QDir(*aside).filePath(final.relativeFilePath(f.path)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(f.bytes) != f.bytes.size() || !file.flush()) {
            *why = QStringLiteral("%1 を書き込めません（%2）。").arg(final.relativeFilePath(f.path), file.errorString());
            return false;
        }
    }
    // Qt renames without replacing: a folder that appeared meanwhile stays.
    if (!QDir().rename(*aside, folder)) {
        *why = QFileInfo::exists(folder) ? QStringLiteral("すでにあります。") : QStringLiteral("フォルダーを置けません。");
        return false;
    }
    guard.keep();
    return true;
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
