// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/FareCsv.h"

#include "reslib/Cp932.h"
#include "tools/Csv.h"

namespace kerubara::farecsv {
namespace {

constexpr int kFieldCount = 2 + kFareColumns;
constexpr int kMaxNameBytes = 0xFFFF;

} // namespace

QStringList header()
{
    QStringList h{QStringLiteral("Chimei"), QStringLiteral("SeirikenNo")};
    for (int c = 1; c <= kFareColumns; ++c)
        h.append(QStringLiteral("Col%1").arg(c));
    return h;
}

QString toCsv(const std::vector<FareFileRecord> &records)
{
    QString out = csv::formatRow(header());
    QStringList fields;
    fields.reserve(kFieldCount);
    for (const auto &r : records) {
        fields.clear();
        fields.append(cp932::decode(r.chimei));
        fields.append(QString::number(r.seirikenNo));
        for (const std::int16_t v : r.cols)
            fields.append(QString::number(v));
        out.append(csv::formatRow(fields));
    }
    return out;
}

ReadResult fromCsv(const QByteArray &utf8)
{
    ReadResult result;
    const csv::ParseResult parsed = csv::parse(utf8);
    if (parsed.error) {
        result.problems.push_back({parsed.error->line, parsed.error->message});
        return result;
    }
    if (parsed.rows.empty()) {
        result.problems.push_back({0, QStringLiteral("CSV が空です（1行目に見出し「Chimei,SeirikenNo,Col1,…,Col150」が必要です）。")});
        return result;
    }

    const csv::Row &head = parsed.rows.front();
    QStringList trimmed;
    for (const QString &f : head.fields)
        trimmed.append(f.trimmed());
    if (trimmed != header()) {
        result.problems.push_back({head.line, QStringLiteral("見出しの行が「Chimei,SeirikenNo,Col1,…,Col150」（152列）ではありません。")});
        return result;
    }

    const auto dataRows = parsed.rows.size() - 1;
    if (dataRows > static_cast<std::size_t>(kFareRows)) {
        result.problems.push_back({parsed.rows[kFareRows + 1].line,
                                   QStringLiteral("停留所が%1件あります。1つの系統に入る停留所は301件までです。").arg(dataRows)});
        return result;
    }

    for (std::size_t k = 1; k < parsed.rows.size(); ++k) {
        const csv::Row &row = parsed.rows[k];
        if (row.fields.size() != kFieldCount) {
            result.problems.push_back({row.line, QStringLiteral("列の数が%1です（停留所名、整理券番号、Col1～Col150 の152列が必要です）。")
                                                     .arg(row.fields.size())});
            continue;
        }
        FareFileRecord rec;
        const QString &name = row.fields[0];
        qsizetype bad = -1;
        rec.chimei = cp932::encode(name, &bad);
        if (bad >= 0) {
            const QString ch = name.mid(bad, name[bad].isHighSurrogate() ? 2 : 1);
            const auto ucs4 = ch.toUcs4();
            const uint code = ucs4.isEmpty() ? 0 : ucs4.front();
            result.problems.push_back({row.line, QStringLiteral("停留所名「%1」の「%2」（U+%3）は Shift-JIS で表せない文字です。")
                                                     .arg(name, ch, QStringLiteral("%1").arg(code, 4, 16, QChar(u'0')).toUpper())});
        } else if (rec.chimei.size() > kMaxNameBytes) {
            result.problems.push_back({row.line, QStringLiteral("停留所名が長すぎます（%1バイト、65535バイトまで）。").arg(rec.chimei.size())});
        }
        bool rowOk = bad < 0 && rec.chimei.size() <= kMaxNameBytes;
        for (int f = 1; f < kFieldCount; ++f) {
            const auto v = parseInt16(row.fields[f]);
            if (!v) {
                const QString column = f == 1 ? QStringLiteral("SeirikenNo") : QStringLiteral("Col%1").arg(f - 1);
                result.problems.push_back({row.line, QStringLiteral("%1 の値「%2」が -32768～32767 の整数ではありません。")
                                                         .arg(column, row.fields[f])});
                rowOk = false;
                continue;
            }
            if (f == 1)
                rec.seirikenNo = *v;
            else
                rec.cols[static_cast<std::size_t>(f - 2)] = *v;
        }
        if (rowOk)
            result.records.push_back(std::move(rec));
    }
    if (!result.problems.empty())
        result.records.clear();
    return result;
}

} // namespace kerubara::farecsv
