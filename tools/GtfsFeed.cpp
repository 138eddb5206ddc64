// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/GtfsFeed.h"

#include "reslib/BoundedRead.h"
#include "tools/ToolFiles.h"

#include <QDir>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>
#include <memory>

namespace kerubara::gtfs {
namespace {

using datatool::readWholeFile;

// The files of a feed the data tool reads; the others are left alone.
const QStringList &knownFiles()
{
    static const QStringList files{QStringLiteral("stops.txt"),           QStringLiteral("routes.txt"),
                                   QStringLiteral("trips.txt"),           QStringLiteral("stop_times.txt"),
                                   QStringLiteral("fare_attributes.txt"), QStringLiteral("fare_rules.txt"),
                                   QStringLiteral("translations.txt")};
    return files;
}

QString sizeLimitText()
{
    return QStringLiteral("ファイルが大きすぎます（フィードの1つのファイルは ") + sizeText(Feed::kMaxFileBytes)
        + QStringLiteral(" までです）。");
}

// Where the feed's files are: the top (an empty folder), or the one folder
// inside that holds them. `folders` maps each folder to the known files in it.
std::optional<QString> feedFolder(const QHash<QString, QStringList> &folders, const QString &feed, FeedError *error)
{
    if (folders.contains(QString()))
        return QString();
    if (folders.size() == 1)
        return folders.constBegin().key();
    QStringList names = folders.keys();
    names.sort();
    *error = folders.isEmpty()
        ? FeedError{feed, 0, QStringLiteral("GTFS のファイル（stops.txt、routes.txt など）がありません。")}
        : FeedError{feed, 0, QStringLiteral("GTFS のファイルが複数のフォルダー（") + names.join(QStringLiteral("、"))
                                 + QStringLiteral("）にあります。1つのフィードだけを指定してください。")};
    return std::nullopt;
}

struct ZipCloser
{
    void operator()(zip_t *z) const { zip_discard(z); }
};
struct ZipFileCloser
{
    void operator()(zip_file_t *f) const { zip_fclose(f); }
};

QString zipErrorText(zip_error_t *e)
{
    return QString::fromLocal8Bit(zip_error_strerror(e));
}

// The whole of one entry, checked against its size and its checksum.
std::optional<QByteArray> readEntry(zip_t *archive, zip_uint64_t index, const QString &shown, FeedError *error)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
        *error = {shown, 0, QStringLiteral("zip の中のファイルの情報を読めません（") + zipErrorText(zip_get_error(archive)) + u'）'};
        return std::nullopt;
    }
    if (st.size > static_cast<zip_uint64_t>(Feed::kMaxFileBytes)) {
        *error = {shown, 0, sizeLimitText()};
        return std::nullopt;
    }
    const std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file) {
        *error = {shown, 0, QStringLiteral("zip の中のファイルを開けません（") + zipErrorText(zip_get_error(archive)) + u'）'};
        return std::nullopt;
    }
    // Read as the data comes, whatever size the entry claims: a damaged
    // entry ends early, and memory grows only with what is really there.
    QByteArray bytes;
    constexpr qsizetype kChunk = qsizetype(1) << 20;
    for (;;) {
        const qsizetype at = bytes.size();
        bytes.resize(at + kChunk);
        const zip_int64_t n = zip_fread(file.get(), bytes.data() + at, static_cast<zip_uint64_t>(kChunk));
        bytes.resize(at + std::max<qsizetype>(0, static_cast<qsizetype>(n)));
        if (n < 0) {
            *error = {shown, 0, QStringLiteral("zip の中のファイルが壊れていて読めません（") + zipErrorText(zip_file_get_error(file.get())) + u'）'};
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (bytes.size() > Feed::kMaxFileBytes) {
            *error = {shown, 0, sizeLimitText()};
            return std::nullopt;
        }
    }
    if (static_cast<zip_uint64_t>(bytes.size()) != st.size) {
        *error = {shown, 0, QStringLiteral("zip の中のファイルが壊れていて読めません（大きさが記録と違います）。")};
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QString FeedError::text() const
{
    if (line > 0)
        return file + QStringLiteral(": ") + QString::number(line) + QStringLiteral("行目: ") + message;
    return file + QStringLiteral(": ") + message;
}

QString Table::value(const csv::Row &row, int index)
{
    return index >= 0 && index < row.fields.size() ? row.fields[index].trimmed() : QString();
}

std::optional<Table> Table::parse(const QString &file, const QByteArray &bytes, const QStringList &required,
                                  FeedError *error)
{
    csv::ParseResult parsed = csv::parse(bytes);
    if (parsed.error) {
        *error = {file, parsed.error->line, parsed.error->message};
        return std::nullopt;
    }
    if (parsed.rows.empty()) {
        *error = {file, 1, QStringLiteral("見出しの行がありません（1行目に列の名前が必要です）。")};
        return std::nullopt;
    }
    Table table;
    table.file = file;
    const csv::Row &head = parsed.rows.front();
    for (int i = 0; i < head.fields.size(); ++i) {
        const QString name = head.fields[i].trimmed();
        if (!table.columns_.contains(name))
            table.columns_.insert(name, i);
    }
    QStringList missing;
    for (const QString &name : required) {
        if (!table.columns_.contains(name))
            missing << name;
    }
    if (!missing.isEmpty()) {
        *error = {file, head.line, QStringLiteral("見出しに必要な列「") + missing.join(QStringLiteral("」「"))
                                       + QStringLiteral("」がありません。")};
        return std::nullopt;
    }
    table.rows.assign(std::make_move_iterator(parsed.rows.begin() + 1), std::make_move_iterator(parsed.rows.end()));
    return table;
}

std::optional<Feed> Feed::open(const QString &path, FeedError *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = {path, 0, QStringLiteral("フィードが見つかりません（フォルダーか .zip を指定してください）。")};
        return std::nullopt;
    }
    if (!info.isDir()) {
        QString why;
        const std::optional<QByteArray> zip = readWholeFile(path, kMaxZipBytes, QStringLiteral("フィードの .zip "), &why);
        if (!zip) {
            *error = {path, 0, why};
            return std::nullopt;
        }
        return fromZip(*zip, path, error);
    }

    // The known files at the top, or in the one folder inside holding them.
    const QDir top(path);
    QHash<QString, QStringList> folders;
    const QStringList inside = top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &folder : QStringList{QString()} + inside) {
        const QDir dir(top.filePath(folder));
        for (const QString &name : knownFiles()) {
            if (QFileInfo(dir.filePath(name)).isFile())
                folders[folder] << name;
        }
    }
    const std::optional<QString> folder = feedFolder(folders, path, error);
    if (!folder)
        return std::nullopt;
    Feed feed;
    const QDir dir(top.filePath(*folder));
    feed.prefix_ = QDir::cleanPath(dir.path()) + u'/';
    for (const QString &name : folders.value(*folder)) {
        const QString file = QDir::cleanPath(dir.filePath(name));
        QString why;
        std::optional<QByteArray> bytes = readWholeFile(file, kMaxFileBytes, QStringLiteral("フィードの1つのファイル"), &why);
        if (!bytes) {
            *error = {file, 0, why};
            return std::nullopt;
        }
        feed.files_.insert(name, File{file, std::move(*bytes)});
    }
    return feed;
}

std::optional<Feed> Feed::fromZip(const QByteArray &zip, const QString &name, FeedError *error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    auto fail = [&](const QString &why) {
        *error = {name, 0, QStringLiteral("zip として読めません（") + why + QStringLiteral("）。壊れていないか確かめてください。")};
        zip_error_fini(&zipError);
        return std::nullopt;
    };
    zip_source_t *source = zip_source_buffer_create(zip.constData(), static_cast<zip_uint64_t>(zip.size()), 0, &zipError);
    if (!source)
        return fail(zipErrorText(&zipError));
    const std::unique_ptr<zip_t, ZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &zipError));
    if (!archive) {
        zip_source_free(source);
        return fail(zipErrorText(&zipError));
    }
    zip_error_fini(&zipError);

    // Each known file by the folder it lies in: the top, or one folder down.
    QHash<QString, QStringList> folders;
    QHash<QString, zip_uint64_t> indexOf;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char *entry = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (!entry)
            continue;
        const QString path = QString::fromUtf8(entry);
        const QStringList parts = path.split(u'/');
        if (parts.size() > 2 || !knownFiles().contains(parts.back()))
            continue;
        const QString folder = parts.size() == 2 ? parts.front() : QString();
        if (indexOf.contains(path))
            continue;
        folders[folder] << parts.back();
        indexOf.insert(path, static_cast<zip_uint64_t>(i));
    }
    const std::optional<QString> folder = feedFolder(folders, name, error);
    if (!folder)
        return std::nullopt;
    Feed feed;
    feed.prefix_ = name + u':' + (folder->isEmpty() ? QString() : *folder + u'/');
    for (const QString &file : folders.value(*folder)) {
        const QString path = folder->isEmpty() ? file : *folder + u'/' + file;
        const QString shown = name + u':' + path;
        std::optional<QByteArray> bytes = readEntry(archive.get(), indexOf.value(path), shown, error);
        if (!bytes)
            return std::nullopt;
        feed.files_.insert(file, File{shown, std::move(*bytes)});
    }
    return feed;
}

Feed Feed::fromFiles(const QHash<QString, QByteArray> &files, const QString &name)
{
    Feed feed;
    feed.prefix_ = name + u':';
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        feed.files_.insert(it.key(), File{feed.prefix_ + it.key(), it.value()});
    return feed;
}

std::optional<Table> Feed::table(const QString &file, const QStringList &required, FeedError *error) const
{
    const auto it = files_.constFind(file);
    if (it == files_.constEnd()) {
        *error = {prefix_ + file, 0, QStringLiteral("フィードにこのファイルがありません（必要なファイルです）。")};
        return std::nullopt;
    }
    return Table::parse(it->shownName, it->bytes, required, error);
}

} // namespace kerubara::gtfs
