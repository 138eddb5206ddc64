// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/BlockText.h"

#include <algorithm>

namespace kerubara::editing {

namespace {

bool needsQuotes(const QString &cell)
{
    return std::any_of(cell.cbegin(), cell.cend(), [](QChar c) {
        return c == u'\t' || c == u'\n' || c == u'\r' || c == u'"';
    });
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Moves `at` past the line break at it ("\r\n" counts as one).
void skipLineBreak(QStringView text, qsizetype &at)
{
    if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
        ++at;
    ++at;
}

// A quoted cell starting at `at` (on its opening quote): its text and where
// it ends (after the closing quote), or false when the quote never closes.
bool readQuoted(QStringView text, qsizetype &at, QString &cell)
{
    QString value;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] != u'"') {
            value += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'"') {
            value += u'"';
            ++i;
            continue;
        }
        at = i + 1;
        cell = std::move(value);
        return true;
    }
    return false;
}

} // namespace

QString toBlockText(const CellBlock &cells)
{
    QString text;
    for (const std::vector<QString> &row : cells) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += u'\t';
            if (needsQuotes(row[c])) {
                QString quoted = row[c];
                quoted.replace(u'"', QStringLiteral("\"\""));
                text += u'"' + quoted + u'"';
            } else {
                text += row[c];
            }
        }
        text += u'\n';
    }
    return text;
}

CellBlock fromBlockText(QStringView text)
{
    CellBlock rows;
    std::vector<QString> row;
    qsizetype at = 0;
    while (at < text.size()) {
        QString cell;
        if (text[at] != u'"' || !readQuoted(text, at, cell)) {
            const qsizetype start = at;
            while (at < text.size() && text[at] != u'\t' && !isLineBreak(text[at]))
                ++at;
            cell = text.sliced(start, at - start).toString();
        } else {
            // Text after the closing quote stays with the cell, as typed.
            while (at < text.size() && text[at] != u'\t' && !isLineBreak(text[at]))
                cell += text[at++];
        }
        row.push_back(std::move(cell));
        if (at < text.size() && text[at] == u'\t') {
            ++at;
            if (at == text.size())
                row.emplace_back(); // a tab at the very end opens an empty cell
            continue;
        }
        if (at < text.size())
            skipLineBreak(text, at);
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty())
        rows.push_back(std::move(row));
    std::size_t width = 0;
    for (const auto &r : rows)
        width = std::max(width, r.size());
    for (auto &r : rows)
        r.resize(width);
    return rows;
}

} // namespace kerubara::editing
