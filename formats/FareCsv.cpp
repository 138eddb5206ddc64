// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareCsv.h"

#include "formats/Csv.h"
#include "reslib/Cp932.h"

#include <algorithm>

namespace kerubara::farecsv {
namespace {

constexpr int kFieldCount = 2 + kFareColumns;

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

namespace {

bool isBlank(const QString &field)
{
    return field.trimmed().isEmpty();
}

// The fields of a row without the blank cells a spreadsheet saves past the
// last of its `columns` columns.
QStringList withoutBlankTail(QStringList fields, qsizetype columns)
{
    while (fields.size() > columns && isBlank(fields.back()))
        fields.removeLast();
    return fields;
}

// Where blank cells were read as 0, and which rows held nothing at all.
struct Blanks
{
    int cells = 0;
    int firstLine = 0;
    QString firstColumn;
    int emptyRows = 0;
    int firstEmptyRow = 0;

    void cell(int line, const QString &column)
    {
        if (cells++ == 0) {
            firstLine = line;
            firstColumn = column;
        }
    }
    void emptyRow(int line)
    {
        if (emptyRows++ == 0)
            firstEmptyRow = line;
    }
};

QString columnName(int field)
{
    return field == 1 ? QStringLiteral("SeirikenNo") : QStringLiteral("Col") + QString::number(field - 1);
}

// The columns a header leaves out, a run of them as its first and last:
// "SeirikenNo", "Col3～Col150".
QStringList absentColumns(const std::vector<int> &fieldOf)
{
    QStringList spans;
    for (int f = 1; f < kFieldCount; ++f) {
        if (std::find(fieldOf.cbegin(), fieldOf.cend(), f) != fieldOf.cend())
            continue;
        int last = f;
        while (last != 1 && last + 1 < kFieldCount && std::find(fieldOf.cbegin(), fieldOf.cend(), last + 1) == fieldOf.cend())
            ++last;
        spans << (last == f ? columnName(f) : columnName(f) + u'～' + columnName(last));
        f = last;
    }
    return spans;
}

void warnAboutBlanks(const Blanks &blanks, std::vector<Problem> &warnings)
{
    if (blanks.cells > 0)
        warnings.push_back({Problem::Kind::BlankCells, blanks.firstLine, {QString::number(blanks.cells), blanks.firstColumn}});
    if (blanks.emptyRows > 0)
        warnings.push_back({Problem::Kind::BlankRows, blanks.firstEmptyRow, {QString::number(blanks.emptyRows)}});
}

} // namespace

namespace {

// The field of a record (0 the name, 1 the ticket number, 1 + c column c)
// each column of the CSV holds, as its header names them, in any order;
// nothing, with a problem, when a name is unknown or comes twice, or the
// stop name's column is missing.
std::optional<std::vector<int>> fieldsOfColumns(const csv::Row &head, std::vector<Problem> &problems)
{
    const QStringList names = header();
    const QStringList columns = withoutBlankTail(head.fields, 0);
    std::vector<int> fields;
    auto refuse = [&](Problem::Kind kind, const QStringList &values = {}) {
        problems.push_back({kind, head.line, values});
        return std::nullopt;
    };
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString name = columns[i].trimmed();
        const auto field = static_cast<int>(names.indexOf(name));
        if (name.isEmpty())
            return refuse(Problem::Kind::HeaderBlank, {QString::number(i + 1)});
        if (field < 0)
            return refuse(Problem::Kind::HeaderUnknown, {QString::number(i + 1), name});
        if (std::find(fields.cbegin(), fields.cend(), field) != fields.cend())
            return refuse(Problem::Kind::HeaderTwice, {name});
        fields.push_back(field);
    }
    if (std::find(fields.cbegin(), fields.cend(), 0) == fields.cend())
        return refuse(Problem::Kind::NoNameColumn);
    return fields;
}

} // namespace

ReadResult fromCsv(const QByteArray &utf8)
{
    ReadResult result;
    const csv::ParseResult parsed = csv::parse(utf8);
    if (parsed.error) {
        result.problems.push_back({Problem::Kind::Syntax, parsed.error->line, {}, parsed.error});
        return result;
    }
    if (parsed.rows.empty()) {
        result.problems.push_back({Problem::Kind::Empty, 0});
        return result;
    }

    const csv::Row &head = parsed.rows.front();
    const std::optional<std::vector<int>> fieldOf = fieldsOfColumns(head, result.problems);
    if (!fieldOf)
        return result;
    const auto columns = static_cast<qsizetype>(fieldOf->size());
    const auto nameColumn = static_cast<qsizetype>(std::find(fieldOf->cbegin(), fieldOf->cend(), 0) - fieldOf->cbegin());

    Blanks blanks;
    std::vector<csv::Row> rows;
    for (std::size_t k = 1; k < parsed.rows.size(); ++k) {
        csv::Row row{parsed.rows[k].line, withoutBlankTail(parsed.rows[k].fields, columns)};
        if (std::all_of(row.fields.cbegin(), row.fields.cend(), isBlank))
            blanks.emptyRow(row.line);
        else
            rows.push_back(std::move(row));
    }
    if (rows.size() > static_cast<std::size_t>(kFareRows)) {
        result.problems.push_back({Problem::Kind::TooManyStops, rows[kFareRows].line, {QString::number(rows.size())}});
        return result;
    }

    for (const csv::Row &row : rows) {
        const QStringList &fields = row.fields;
        if (fields.size() > columns) {
            result.problems.push_back(
                {Problem::Kind::TooManyColumns, row.line, {QString::number(fields.size()), QString::number(columns)}});
            continue;
        }
        FareFileRecord rec;
        const QString name = fields.value(nameColumn);
        qsizetype bad = -1;
        rec.chimei = cp932::encode(name, &bad);
        const auto control = std::find_if(name.cbegin(), name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
        if (bad >= 0) {
            const QString ch = name.mid(bad, name[bad].isHighSurrogate() ? 2 : 1);
            const auto ucs4 = ch.toUcs4();
            const uint code = ucs4.isEmpty() ? 0 : ucs4.front();
            result.problems.push_back({Problem::Kind::NameNotShiftJis, row.line,
                                       {name, ch, QStringLiteral("%1").arg(code, 4, 16, QChar(u'0')).toUpper()}});
        } else if (rec.chimei.size() > kMaxFareNameBytes) {
            result.problems.push_back({Problem::Kind::NameTooLong, row.line, {QString::number(rec.chimei.size())}});
        } else if (control != name.cend()) {
            result.problems.push_back({Problem::Kind::NameControl, row.line, {QString(*control)}});
        }
        bool rowOk = bad < 0 && rec.chimei.size() <= kMaxFareNameBytes && control == name.cend();
        for (qsizetype i = 0; i < columns; ++i) {
            const int f = (*fieldOf)[static_cast<std::size_t>(i)];
            if (f == 0)
                continue;
            const QString cell = fields.value(i);
            std::optional<std::int16_t> v;
            if (isBlank(cell)) {
                blanks.cell(row.line, columnName(f));
                v = 0;
            } else {
                v = parseInt16(cell);
            }
            if (!v) {
                result.problems.push_back({Problem::Kind::NotInt16, row.line, {columnName(f), cell}});
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
    if (!result.problems.empty()) {
        result.records.clear();
        return result;
    }
    if (columns < kFieldCount)
        result.warnings.push_back(
            {Problem::Kind::AbsentColumns, head.line, QStringList{QString::number(kFieldCount - columns)} + absentColumns(*fieldOf)});
    warnAboutBlanks(blanks, result.warnings);
    return result;
}

} // namespace kerubara::farecsv
