// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/GtfsFeed.h"

#include "formats/DataFiles.h"
#include "reslib/BoundedRead.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <zip.h>

#include <memory>

namespace kerubara::gtfs {
namespace {

using datafiles::readWholeFile;

// The files of a feed the data tool reads; the others are left alone.
const QStringList &knownFiles()
{
    static const QStringList files{QStringLiteral("stops.txt"),           QStringLiteral("routes.txt"),
                                   QStringLiteral("trips.txt"),           QStringLiteral("stop_times.txt"),
                                   QStringLiteral("fare_attributes.txt"), QStringLiteral("fare_rules.txt"),
                                   QStringLiteral("translations.txt")};
    return files;
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
    *error = folders.isEmpty() ? FeedError{FeedError::Kind::NoFiles, feed}
                               : FeedError{FeedError::Kind::SeveralFolders, feed, 0, names};
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

// One entry of a .zip as a device to read from, checked against its recorded
// size when it ends.
class ZipEntryDevice : public QIODevice
{
public:
    ZipEntryDevice(zip_file_t *file, zip_uint64_t size)
        : file_(file)
        , size_(size)
    {
    }
    bool isSequential() const override { return true; }
    // The entry ended before or after its recorded size.
    bool sizeWrong() const { return sizeWrong_; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const zip_int64_t n = zip_fread(file_.get(), data, static_cast<zip_uint64_t>(maxSize));
        if (n < 0) {
            setErrorString(zipErrorText(zip_file_get_error(file_.get())));
            return -1;
        }
        read_ += static_cast<zip_uint64_t>(n);
        if (n == 0 && read_ != size_) {
            sizeWrong_ = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    std::unique_ptr<zip_file_t, ZipFileCloser> file_;
    zip_uint64_t size_;
    zip_uint64_t read_ = 0;
    bool sizeWrong_ = false;
};

} // namespace

// The .zip a feed's files are read from, and the bytes libzip reads it in.
struct Feed::Zip
{
    QByteArray bytes;
    std::unique_ptr<zip_t, ZipCloser> archive;
};

QString Columns::value(const csv::Row &row, int index)
{
    return index >= 0 && index < row.fields.size() ? row.fields[index].trimmed() : QString();
}

bool Columns::readHeader(const csv::Row &head, const QStringList &required, FeedError *error)
{
    for (int i = 0; i < head.fields.size(); ++i) {
        const QString name = head.fields[i].trimmed();
        if (!columns_.contains(name))
            columns_.insert(name, i);
    }
    QStringList missing;
    for (const QString &name : required) {
        if (!columns_.contains(name))
            missing << name;
    }
    if (missing.isEmpty())
        return true;
    *error = {FeedError::Kind::MissingColumns, file, head.line, missing};
    return false;
}

bool TableReader::finish(FeedError *error) const
{
    switch (reader_->failure()) {
    case csv::Reader::Failure::None:
        return true;
    case csv::Reader::Failure::Syntax:
        *error = {FeedError::Kind::Syntax, file, reader_->error()->line, {}, reader_->error()};
        return false;
    case csv::Reader::Failure::TooLarge:
        *error = {FeedError::Kind::FileTooLarge, file};
        return false;
    case csv::Reader::Failure::ReadFailed:
        break;
    }
    if (const auto *entry = dynamic_cast<const ZipEntryDevice *>(device_.get()); entry && entry->sizeWrong())
        *error = {FeedError::Kind::ZipEntrySizeWrong, file};
    else
        *error = {zipped_ ? FeedError::Kind::ZipEntryBroken : FeedError::Kind::ReadFailed, file, 0, {device_->errorString()}};
    return false;
}

std::optional<Feed> Feed::open(const QString &path, FeedError *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = {FeedError::Kind::NoFeed, path};
        return std::nullopt;
    }
    if (!info.isDir()) {
        datafiles::ReadProblem why;
        const std::optional<QByteArray> zip = readWholeFile(path, kMaxZipBytes, &why);
        if (!zip) {
            *error = {FeedError::Kind::Unreadable, path, 0, {}, {}, why};
            return std::nullopt;
        }
        return fromZip(*zip, path, error);
    }

    // The known files at the top, or in the one folder inside holding them.
    // A device or a pipe of a known name counts, to be refused when read.
    const QDir top(path);
    QHash<QString, QStringList> folders;
    const QStringList inside = top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &folder : QStringList{QString()} + inside) {
        const QDir dir(top.filePath(folder));
        for (const QString &name : knownFiles()) {
            const QFileInfo file(dir.filePath(name));
            if (file.exists() && !file.isDir())
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
        feed.files_.insert(name, File{file, file, 0, {}});
    }
    return feed;
}

std::optional<Feed> Feed::fromZip(const QByteArray &zip, const QString &name, FeedError *error)
{
    auto held = std::make_shared<Zip>();
    held->bytes = zip;
    zip_error_t zipError;
    zip_error_init(&zipError);
    auto fail = [&](const QString &why) {
        *error = {FeedError::Kind::NotZip, name, 0, {why}};
        zip_error_fini(&zipError);
        return std::nullopt;
    };
    zip_source_t *source =
        zip_source_buffer_create(held->bytes.constData(), static_cast<zip_uint64_t>(held->bytes.size()), 0, &zipError);
    if (!source)
        return fail(zipErrorText(&zipError));
    held->archive.reset(zip_open_from_source(source, ZIP_RDONLY, &zipError));
    if (!held->archive) {
        zip_source_free(source);
        return fail(zipErrorText(&zipError));
    }
    zip_error_fini(&zipError);

    // Each known file by the folder it lies in: the top, or one folder down.
    QHash<QString, QStringList> folders;
    QHash<QString, zip_uint64_t> indexOf;
    const zip_int64_t entries = zip_get_num_entries(held->archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char *entry = zip_get_name(held->archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
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
        feed.files_.insert(file, File{name + u':' + path, {}, indexOf.value(path), {}});
    }
    feed.zip_ = std::move(held);
    return feed;
}

Feed Feed::fromFiles(const QHash<QString, QByteArray> &files, const QString &name)
{
    Feed feed;
    feed.prefix_ = name + u':';
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        feed.files_.insert(it.key(), File{feed.prefix_ + it.key(), {}, 0, it.value()});
    return feed;
}

std::unique_ptr<QIODevice> Feed::openFile(const File &file, FeedError *error) const
{
    if (zip_) {
        zip_t *archive = zip_->archive.get();
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, file.entry, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
            *error = {FeedError::Kind::ZipEntryNoInfo, file.shownName, 0, {zipErrorText(zip_get_error(archive))}};
            return nullptr;
        }
        if (st.size > static_cast<zip_uint64_t>(kMaxFileBytes)) {
            *error = {FeedError::Kind::FileTooLarge, file.shownName};
            return nullptr;
        }
        zip_file_t *entry = zip_fopen_index(archive, file.entry, 0);
        if (!entry) {
            *error = {FeedError::Kind::ZipEntryCannotOpen, file.shownName, 0, {zipErrorText(zip_get_error(archive))}};
            return nullptr;
        }
        auto device = std::make_unique<ZipEntryDevice>(entry, st.size);
        device->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        return device;
    }
    if (!file.path.isEmpty()) {
        auto device = std::make_unique<QFile>(file.path);
        datafiles::ReadProblem why;
        if (!datafiles::openForReading(*device, &why)) {
            *error = {FeedError::Kind::Unreadable, file.shownName, 0, {}, {}, why};
            return nullptr;
        }
        return device;
    }
    auto device = std::make_unique<QBuffer>();
    device->setData(file.bytes);
    device->open(QIODevice::ReadOnly);
    return device;
}

std::optional<TableReader> Feed::rows(const QString &file, const QStringList &required, FeedError *error) const
{
    const auto it = files_.constFind(file);
    if (it == files_.constEnd()) {
        *error = {FeedError::Kind::MissingFile, prefix_ + file};
        return std::nullopt;
    }
    TableReader table;
    table.file = it->shownName;
    table.zipped_ = zip_ != nullptr;
    table.device_ = openFile(*it, error);
    if (!table.device_)
        return std::nullopt;
    table.reader_ = std::make_unique<csv::Reader>(*table.device_, kMaxFileBytes);
    csv::Row head;
    if (!table.next(head)) {
        if (table.finish(error))
            *error = {FeedError::Kind::NoHeader, table.file, 1};
        return std::nullopt;
    }
    if (!table.readHeader(head, required, error))
        return std::nullopt;
    return table;
}

std::optional<Table> Feed::table(const QString &file, const QStringList &required, FeedError *error) const
{
    std::optional<TableReader> reader = rows(file, required, error);
    if (!reader)
        return std::nullopt;
    Table table;
    static_cast<Columns &>(table) = *reader;
    csv::Row row;
    while (reader->next(row))
        table.rows.push_back(std::move(row));
    if (!reader->finish(error))
        return std::nullopt;
    return table;
}

} // namespace kerubara::gtfs
