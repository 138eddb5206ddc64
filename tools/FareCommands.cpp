// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/FareCommands.h"

#include "formats/FareCsv.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "sound/ReadingDictionary.h"
#include "tools/ReadingNotes.h"
#include "tools/ToolFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <limits>

namespace kerubara::datatool {
namespace {

// Why the bytes of a stop name are no text.
QString badNameText(const UndecodableName &bad)
{
    return QCoreApplication::translate("FareCommands", "停留所名の%1バイト目（0x%2）が Shift-JIS の文字になりません。")
        .arg(bad.at + 1)
        .arg(QString::fromLatin1(bad.bytes.toHex()).toUpper());
}

// The records of a fare data file as far as `maxRecords`, or why the file
// cannot be read; a file larger than any fare data file is not read.
std::optional<FareFileScan> scanWholeFile(const QString &path, int maxRecords, QString *why)
{
    std::optional<QByteArray> bytes =
        readWholeFile(path, kMaxFareFileBytes, QCoreApplication::translate("FareCommands", "運賃データ(.hy3)"), why);
    if (!bytes)
        return std::nullopt;
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    return scanFareFile(buffer, maxRecords);
}

// The stop names whose kanji speech reads in part one at a time, each with
// its record, read with the route's own yomi.csv beside the file.
QStringList stopNameNotes(const QString &path, const std::vector<FareFileRecord> &records)
{
    QStringList names;
    for (const FareFileRecord &r : records)
        names << cp932::decode(r.chimei);
    QStringList notes;
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    for (const auto &[k, note] : stopNameReadingNotes(names, {ReadingDictionary::dataFolderFile(folder)}))
        notes << QCoreApplication::translate("FareCommands", "record %1: 停留所「%2」: %3")
                     .arg(QString::number(k + 1), names[k], note);
    return notes;
}

} // namespace

int highestTicketNumber(const QString &path)
{
    QString why;
    const std::optional<FareFileScan> read = scanWholeFile(path, kFareRows, &why);
    int highest = 0;
    if (read) {
        for (const std::int16_t number : ticketNumbers(read->records))
            highest = std::max<int>(highest, number);
    }
    return highest;
}

std::optional<FareFileScan> readWholeFareFile(const QString &path, QTextStream &err)
{
    QString why;
    std::optional<FareFileScan> read = scanWholeFile(path, kFareRows + 1, &why);
    if (!read) {
        err << path << ": " << why << '\n';
        return std::nullopt;
    }
    FareFileScan &scan = *read;
    if (!scan.hasCount) {
        err << path
            << QCoreApplication::translate(
                   "FareCommands",
                   ": 停留所の件数（先頭2バイト）がありません。運賃データ(.hy3)ではないか、壊れています。\n");
        return std::nullopt;
    }
    if (scan.count < 0) {
        err << path
            << QCoreApplication::translate("FareCommands",
                                           ": 停留所の件数が負の値（%1）です。ファイルが壊れています。\n")
                   .arg(scan.count);
        return std::nullopt;
    }
    if (scan.count > kFareRows) {
        err << path
            << QCoreApplication::translate(
                   "FareCommands", ": 停留所の件数（%1）が301を超えています。1つの系統に入る停留所は301件までです。\n")
                   .arg(scan.count);
        return std::nullopt;
    }
    if (scan.damage) {
        err << path << QStringLiteral(": record %1: ").arg(scan.damage->record) << fareFileDamageText(*scan.damage)
            << QCoreApplication::translate("FareCommands", "（件数は%1件）\n").arg(scan.count);
        return std::nullopt;
    }
    return read;
}

int dumpFareFile(const QString &path, QTextStream &out, QTextStream &err)
{
    const std::optional<FareFileScan> read = readWholeFareFile(path, err);
    if (!read)
        return 1;
    const FareFileScan &scan = *read;
    for (std::size_t k = 0; k < scan.records.size(); ++k) {
        const QByteArray &name = scan.records[k].chimei;
        if (const auto bad = undecodableName(name)) {
            // Dumping would lose those bytes: refuse rather than change the data.
            err << path << QStringLiteral(": record %1: ").arg(k + 1) << badNameText(*bad) << '\n';
            return 1;
        }
        if (!cp932::roundTrips(name))
            err << path
                << QCoreApplication::translate(
                       "FareCommands",
                       ": record %1: "
                       "停留所名「%2」には同じ文字を表す別のコード（NEC選定IBM拡張文字など）が使われています。hy3 "
                       "で書き戻すと標準のコードになります。\n")
                       .arg(k + 1)
                       .arg(cp932::decode(name));
    }
    if (scan.trailingBytes > 0)
        err << path
            << QCoreApplication::translate(
                   "FareCommands",
                   ": 最後の停留所の後に%1バイトの余分なデータがあります（プログラムは読みません。CSV "
                   "には含まれません）。\n")
                   .arg(scan.trailingBytes);
    out << farecsv::toCsv(scan.records);
    return 0;
}

int csvToFareFile(const QString &csvPath, const QString &hy3Path, QTextStream &err)
{
    QString why;
    const std::optional<QByteArray> bytes = readWholeFile(
        csvPath, farecsv::kMaxCsvBytes, QCoreApplication::translate("FareCommands", "運賃データの CSV "), &why);
    if (!bytes) {
        err << csvPath << ": " << why << '\n';
        err << hy3Path << QCoreApplication::translate("FareCommands", " は作成・変更していません。\n");
        return 1;
    }

    const farecsv::ReadResult read = farecsv::fromCsv(*bytes);
    if (!read.problems.empty()) {
        for (const auto &p : read.problems) {
            if (p.line > 0)
                err << csvPath << QStringLiteral(": line %1: ").arg(p.line) << fareCsvProblemText(p) << '\n';
            else
                err << csvPath << ": " << fareCsvProblemText(p) << '\n';
        }
        err << hy3Path << QCoreApplication::translate("FareCommands", " は作成・変更していません。\n");
        return 1;
    }
    for (const auto &w : read.warnings)
        err << csvPath << QStringLiteral(": line ") << w.line << ": " << fareCsvProblemText(w) << '\n';
    if (read.records.empty())
        err << csvPath
            << QCoreApplication::translate("FareCommands",
                                           ": 停留所が0件です。この運賃データでは系統設定できません。\n");
    else if (read.records.size() == 1)
        err << csvPath
            << QCoreApplication::translate("FareCommands",
                                           ": 停留所が1件だけです。この運賃データでは区間1も設定できません。\n");

    // The file is written aside and moved into place only when complete.
    const std::optional<QByteArray> data = serializeFareFile(read.records);
    if (!data) {
        err << hy3Path << ": " << fareFileRefusalText(*fareFileRefusal(read.records)) << '\n';
        err << hy3Path << QCoreApplication::translate("FareCommands", " は作成・変更していません。\n");
        return 1;
    }
    return writeOutputFile(hy3Path, [&](QIODevice &out) { return out.write(*data) == data->size(); }, err);
}

QString fareFileRefusalText(const FareFileRefusal &refusal)
{
    switch (refusal.reason) {
    case FareFileRefusal::Reason::TooManyRecords:
        return QCoreApplication::translate("FareCommands",
                                           "停留所が%1件あります。運賃データに入る停留所は301件までです。")
            .arg(refusal.value);
    case FareFileRefusal::Reason::NameTooLong:
        return QCoreApplication::translate(
                   "FareCommands",
                   "record %1: 停留所名が長すぎます（%2バイト。運賃データの停留所名は65535バイトまでです）。")
            .arg(QString::number(refusal.record), QString::number(refusal.value));
    case FareFileRefusal::Reason::ControlCharacter:
        break;
    }
    return QCoreApplication::translate(
               "FareCommands",
               "record %1: "
               "停留所名に制御文字（%2）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。")
        .arg(QString::number(refusal.record),
             controlCharacterName(QChar(static_cast<char16_t>(refusal.value))));
}

namespace {

// What check says of a problem of a fare data file.
QString fareFileProblemText(const FareFileProblem &problem)
{
    using Kind = FareFileProblem::Kind;
    switch (problem.kind) {
    case Kind::NoCount:
        return QCoreApplication::translate("FareCommands", "停留所の件数（先頭2バイト）がありません。");
    case Kind::NoStops:
        return QCoreApplication::translate("FareCommands", "停留所の件数が0です（系統設定できません）。");
    case Kind::NegativeCount:
        return QCoreApplication::translate("FareCommands", "停留所の件数が負の値（%1）です。").arg(problem.value);
    case Kind::OneStop:
        return QCoreApplication::translate("FareCommands", "停留所が1件だけです（区間1も設定できません）。");
    case Kind::TooManyStops:
        return QCoreApplication::translate("FareCommands",
                                           "停留所の件数（%1）が301を超えています（301件までしか扱えません）。")
            .arg(problem.value);
    case Kind::UndecodableName:
        return QStringLiteral("record %1: ").arg(problem.record) + badNameText(*problem.name);
    case Kind::CutOff:
        return QStringLiteral("record %1: ").arg(problem.record) + fareFileDamageText(*problem.damage);
    case Kind::TrailingBytes:
        break;
    }
    return QCoreApplication::translate(
               "FareCommands",
               "最後の停留所（%1件目）の後に%2バイトの余分なデータがあります（件数が実際より少ない可能性があります）。")
        .arg(problem.record)
        .arg(problem.value);
}

} // namespace

int checkFareFiles(const QStringList &paths, QTextStream &out, QTextStream &err)
{
    int problems = 0;
    auto report = [&](const QString &path, const QString &text) {
        out << path << ": " << text << '\n';
        ++problems;
    };
    for (const QString &path : paths) {
        // Read every record the count announces, so that damage after row
        // 301 is found too.
        QString why;
        const std::optional<FareFileScan> read = scanWholeFile(path, std::numeric_limits<int>::max(), &why);
        if (!read) {
            report(path, why);
            continue;
        }
        const FareFileScan &scan = *read;
        for (const FareFileProblem &problem : fareFileProblems(scan))
            report(path, fareFileProblemText(problem));
        // Not a fault of the file, but worth knowing: said beside the problems.
        if (const auto beyond = ticketsBeyondPanel(ticketNumbers(scan.records)))
            err << QCoreApplication::translate("FareCommands", "%1: 注意: record %2: %3\n")
                       .arg(path, QString::number(beyond->firstStop), ticketsBeyondPanelText(*beyond));
        for (const QString &note : stopNameNotes(path, scan.records))
            err << QCoreApplication::translate("FareCommands", "%1: 注意: %2\n").arg(path, note);
        const FaresBeyondThreeDigits cut = faresBeyondThreeDigits(scan.records);
        for (const auto &[kind, night] : {std::pair{&cut.day, false}, std::pair{&cut.night, true}}) {
            if (*kind)
                err << QCoreApplication::translate("FareCommands", "%1: 注意: record %2: %3\n")
                           .arg(path, QString::number((*kind)->firstStop), cutFaresText(**kind, night));
        }
        std::vector<FareRecord> stops;
        stops.reserve(scan.records.size());
        for (const FareFileRecord &r : scan.records)
            stops.push_back(toFareRecord(r));
        using Kind = FareMark::Kind;
        for (const QString &note :
             fareMarkNotes(fareMarks(stops), {Kind::Falls, Kind::NoFareExpected, Kind::TicketBackwards}))
            err << QCoreApplication::translate("FareCommands", "%1: 注意: %2\n").arg(path, note);
    }
    return problems > 0 ? 1 : 0;
}

} // namespace kerubara::datatool
