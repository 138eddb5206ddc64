// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/ReadingDictionary.h"

#include "formats/Kana.h"
#include "reslib/BoundedRead.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingNormalizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kerubara {
namespace {

// The fields of one CSV line: commas separate, double quotes enclose a
// field that holds commas, "" inside quotes is one quote. False when a
// quote is left open.
bool splitCsvLine(QStringView line, QStringList &fields)
{
    fields.clear();
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return !quoted;
}

bool isHeading(const QStringList &fields)
{
    static const QStringList headings{QStringLiteral("reading"), QStringLiteral("読み"), QStringLiteral("よみ"),
                                      QStringLiteral("ヨミ")};
    return fields.size() == 2 && headings.contains(fields[1], Qt::CaseInsensitive);
}

ReadingProblem problemOf(ReadingProblem::Kind kind, int line = 0, QString value = {})
{
    ReadingProblem problem;
    problem.kind = kind;
    problem.line = line;
    problem.value = std::move(value);
    return problem;
}

// Why a line cannot be an entry, or nothing when it can.
std::optional<ReadingProblem> lineProblem(const QStringList &fields, const QString &reading)
{
    using Kind = ReadingProblem::Kind;
    if (fields.size() < 2)
        return problemOf(Kind::NoReading);
    if (fields.size() > 2)
        return problemOf(Kind::TooManyFields);
    if (fields[0].isEmpty())
        return problemOf(Kind::EmptyText);
    if (fields[1].isEmpty())
        return problemOf(Kind::EmptyReading);
    if (reading.isEmpty())
        return problemOf(Kind::NotKatakana, 0, fields[1]);
    return std::nullopt;
}

} // namespace

QString ReadingDictionary::userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kerubara/")
        + fileName();
}

QString ReadingDictionary::dataFolderFile(const QString &folder)
{
    const QString written = folder + fileName();
    if (QFileInfo(written).isFile())
        return written;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (entry.compare(fileName(), Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return written;
}

QString ReadingDictionary::cleanReading(QStringView reading)
{
    return kana::cleanReading(reading);
}

QString ReadingDictionary::key(QStringView text)
{
    QString folded = text.toString();
    for (QChar &c : folded) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(static_cast<char16_t>(c.unicode() + (u'a' - u'A')));
    }
    return folded;
}

QString ReadingDictionary::entryKey(QStringView text)
{
    // Spaces say nothing, and the reader matches texts without them.
    QString normal = normalizeForReading(text);
    normal.removeIf([](QChar c) { return c.isSpace(); });
    return key(normal);
}

bool ReadingDictionary::insert(const QString &text, const QString &reading)
{
    const QString k = entryKey(text);
    const QString r = cleanReading(reading);
    if (k.isEmpty() || r.isEmpty())
        return false;
    if (!readings_.contains(k)) {
        std::vector<qsizetype> &lengths = lengthsByFirst_[k[0]];
        lengths.insert(std::upper_bound(lengths.begin(), lengths.end(), k.size(), std::greater<>()), k.size());
        lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    }
    readings_.insert(k, r);
    return true;
}

void ReadingDictionary::merge(const ReadingDictionary &other)
{
    for (auto it = other.readings_.cbegin(); it != other.readings_.cend(); ++it)
        insert(it.key(), it.value());
}

qsizetype ReadingDictionary::longestMatch(QStringView text, qsizetype pos, QString *reading) const
{
    if (pos >= text.size())
        return 0;
    const QString first = key(text.mid(pos, 1));
    const auto lengths = lengthsByFirst_.constFind(first[0]);
    if (lengths == lengthsByFirst_.cend())
        return 0;
    for (const qsizetype length : *lengths) {
        if (pos + length > text.size())
            continue;
        const auto found = readings_.constFind(key(text.mid(pos, length)));
        if (found != readings_.cend()) {
            if (reading)
                *reading = *found;
            return length;
        }
    }
    return 0;
}

QString ReadingDictionary::reading(const QString &text) const
{
    return readings_.value(entryKey(text));
}

ReadingDictionary ReadingDictionary::parse(const QByteArray &bytes, std::vector<ReadingProblem> *problems)
{
    ReadingDictionary dictionary;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3); // the byte order mark spreadsheets write
    const QList<QByteArray> lines = data.split('\n');
    int lineNo = 0;
    QStringList fields;
    for (QByteArray raw : lines) {
        ++lineNo;
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8(raw);
        if (utf8.hasError()) {
            if (problems)
                problems->push_back(problemOf(ReadingProblem::Kind::NotUtf8, lineNo));
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (!splitCsvLine(trimmed, fields)) {
            if (problems)
                problems->push_back(problemOf(ReadingProblem::Kind::OpenQuote, lineNo));
            continue;
        }
        if (dictionary.isEmpty() && isHeading(fields))
            continue;
        const QString reading = fields.size() == 2 ? cleanReading(fields[1]) : QString();
        if (std::optional<ReadingProblem> why = lineProblem(fields, reading)) {
            if (problems) {
                why->line = lineNo;
                problems->push_back(*why);
            }
            continue;
        }
        dictionary.insert(fields[0], reading);
    }
    return dictionary;
}

ReadingDictionary ReadingDictionary::readFile(const QString &path, std::vector<ReadingProblem> *problems)
{
    // A dictionary of every word a route speaks is some kilobytes; a larger
    // file is not one.
    constexpr qint64 kMaxDictionaryBytes = qint64(4) << 20;
    QFile file(path);
    QString reason;
    switch (openRegularFile(file, &reason)) {
    case FileOpening::Opened:
        break;
    case FileOpening::Missing:
        return {};
    case FileOpening::Folder:
    case FileOpening::NotRegular:
        if (problems)
            problems->push_back(problemOf(ReadingProblem::Kind::NotRegularFile));
        return {};
    case FileOpening::Failed:
        if (problems)
            problems->push_back(problemOf(ReadingProblem::Kind::Unreadable, 0, reason));
        return {};
    }
    BoundedRead read = readBounded(file, kMaxDictionaryBytes);
    if (read.outcome != BoundedRead::Outcome::Read) {
        if (problems)
            problems->push_back(read.outcome == BoundedRead::Outcome::TooLarge
                                    ? problemOf(ReadingProblem::Kind::TooLarge, 0, QString::number(kMaxDictionaryBytes))
                                    : problemOf(ReadingProblem::Kind::Unreadable, 0, file.errorString()));
        return {};
    }
    return parse(read.bytes, problems);
}

ReadingDictionary ReadingDictionary::readFiles(const QStringList &paths, std::vector<ReadingProblem> *problems)
{
    ReadingDictionary all;
    for (const QString &path : paths) {
        std::vector<ReadingProblem> found;
        all.merge(readFile(path, &found));
        if (!problems)
            continue;
        for (ReadingProblem &p : found) {
            p.file = path;
            problems->push_back(std::move(p));
        }
    }
    return all;
}

const ReadingDictionary &ReadingDictionary::builtIn()
{
    static const ReadingDictionary dictionary = [] {
        QFile file(QStringLiteral(":/kerubara/sound/transit-yomi.csv"));
        return file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : ReadingDictionary();
    }();
    return dictionary;
}

} // namespace kerubara
