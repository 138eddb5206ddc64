// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/FareCommands.h"

#include "operation/FareFile.h"
#include "reslib/Cp932.h"
#include "tools/FareCsv.h"
#include "tools/ToolFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <limits>

namespace kerubara::datatool {
namespace {

// Why a stop name does not decode, or an empty text when it does.
QString badNameReason(const QByteArray &bytes)
{
    const qsizetype at = cp932::firstUndecodable(bytes);
    if (at < 0)
        return {};
    const auto lead = static_cast<std::uint8_t>(bytes[at]);
    const qsizetype len = cp932::isLeadByte(lead) && at + 1 < bytes.size() ? 2 : 1;
    return QStringLiteral("停留所名の%1バイト目（0x%2）が Shift-JIS の文字になりません。")
        .arg(at + 1)
        .arg(QString::fromLatin1(bytes.mid(at, len).toHex()).toUpper());
}

} // namespace

std::optional<FareFileScan> readWholeFareFile(const QString &path, QTextStream &err)
{
    QFile file(path);
    QString why;
    if (!openForReading(file, &why)) {
        err << path << ": " << why << '\n';
        return std::nullopt;
    }
    FareFileScan scan = scanFareFile(file, kFareRows + 1);
    if (!scan.hasCount) {
        err << path << QStringLiteral(": 停留所の件数（先頭2バイト）がありません。運賃データ(.hy3)ではないか、壊れています。\n");
        return std::nullopt;
    }
    if (scan.count < 0) {
        err << path << QStringLiteral(": 停留所の件数が負の値（%1）です。ファイルが壊れています。\n").arg(scan.count);
        return std::nullopt;
    }
    if (scan.count > kFareRows) {
        err << path << QStringLiteral(": 停留所の件数（%1）が301を超えています。1つの系統に入る停留所は301件までです。\n").arg(scan.count);
        return std::nullopt;
    }
    if (scan.damage) {
        err << path << QStringLiteral(": record %1: ").arg(scan.damage->record) << scan.damage->description
            << QStringLiteral("（件数は%1件）\n").arg(scan.count);
        return std::nullopt;
    }
    return scan;
}

int dumpFareFile(const QString &path, QTextStream &out, QTextStream &err)
{
    const std::optional<FareFileScan> read = readWholeFareFile(path, err);
    if (!read)
        return 1;
    const FareFileScan &scan = *read;
    for (std::size_t k = 0; k < scan.records.size(); ++k) {
        const QByteArray &name = scan.records[k].chimei;
        if (const QString badName = badNameReason(name); !badName.isEmpty()) {
            // Dumping would lose those bytes: refuse rather than change the data.
            err << path << QStringLiteral(": record %1: ").arg(k + 1) << badName << '\n';
            return 1;
        }
        if (!cp932::roundTrips(name))
            err << path << QStringLiteral(": record %1: 停留所名「%2」には同じ文字を表す別のコード（NEC選定IBM拡張文字など）が使われています。hy3 で書き戻すと標準のコードになります。\n")
                               .arg(k + 1)
                               .arg(cp932::decode(name));
    }
    if (scan.trailingBytes > 0)
        err << path << QStringLiteral(": 最後の停留所の後に%1バイトの余分なデータがあります（プログラムは読みません。CSV には含まれません）。\n")
                           .arg(scan.trailingBytes);
    out << farecsv::toCsv(scan.records);
    return 0;
}

int csvToFareFile(const QString &csvPath, const QString &hy3Path, QTextStream &err)
{
    QFile in(csvPath);
    QString why;
    if (!openForReading(in, &why)) {
        err << csvPath << ": " << why << '\n';
        return 1;
    }
    const QByteArray bytes = in.readAll();
    in.close();

    const farecsv::ReadResult read = farecsv::fromCsv(bytes);
    if (!read.problems.empty()) {
        for (const auto &p : read.problems) {
            if (p.line > 0)
                err << csvPath << QStringLiteral(": line %1: ").arg(p.line) << p.message << '\n';
            else
                err << csvPath << ": " << p.message << '\n';
        }
        err << QStringLiteral("%1 は作成・変更していません。\n").arg(hy3Path);
        return 1;
    }
    if (read.records.empty())
        err << csvPath << QStringLiteral(": 停留所が0件です。この運賃データでは系統設定できません。\n");
    else if (read.records.size() == 1)
        err << csvPath << QStringLiteral(": 停留所が1件だけです。この運賃データでは区間1も設定できません。\n");

    // The file is written aside and moved into place only when complete.
    const QByteArray data = serializeFareFile(read.records);
    return writeOutputFile(hy3Path, [&](QIODevice &out) { return out.write(data) == data.size(); }, err);
}

int checkFareFiles(const QStringList &paths, QTextStream &out, QTextStream &err)
{
    Q_UNUSED(err);
    int problems = 0;
    auto report = [&](const QString &path, const QString &text) {
        out << path << ": " << text << '\n';
        ++problems;
    };
    for (const QString &path : paths) {
        QFile file(path);
        QString why;
        if (!openForReading(file, &why)) {
            report(path, why);
            continue;
        }
        // Read every record the count announces, so that damage after row
        // 301 is found too.
        const FareFileScan scan = scanFareFile(file, std::numeric_limits<int>::max());
        if (!scan.hasCount) {
            report(path, QStringLiteral("停留所の件数（先頭2バイト）がありません。"));
            continue;
        }
        if (scan.count == 0)
            report(path, QStringLiteral("停留所の件数が0です（系統設定できません）。"));
        else if (scan.count < 0)
            report(path, QStringLiteral("停留所の件数が負の値（%1）です。").arg(scan.count));
        else if (scan.count == 1)
            report(path, QStringLiteral("停留所が1件だけです（区間1も設定できません）。"));
        else if (scan.count > kFareRows)
            report(path, QStringLiteral("停留所の件数（%1）が301を超えています（301件までしか扱えません）。").arg(scan.count));

        for (std::size_t k = 0; k < scan.records.size(); ++k) {
            if (const QString badName = badNameReason(scan.records[k].chimei); !badName.isEmpty())
                report(path, QStringLiteral("record %1: ").arg(k + 1) + badName);
        }
        if (scan.damage)
            report(path, QStringLiteral("record %1: ").arg(scan.damage->record) + scan.damage->description);
        else if (scan.count > 0 && scan.trailingBytes > 0)
            report(path, QStringLiteral("最後の停留所（%1件目）の後に%2バイトの余分なデータがあります（件数が実際より少ない可能性があります）。")
                             .arg(scan.count)
                             .arg(scan.trailingBytes));
    }
    return problems > 0 ? 1 : 0;
}

} // namespace kerubara::datatool
