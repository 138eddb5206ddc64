// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kerubara::csv {

// One record of a CSV text and the line it starts on (1-based).
struct Row
{
    int line = 0;
    QStringList fields;
};

struct ParseError
{
    int line = 0;
    QString message; // Japanese
};

struct ParseResult
{
    std::vector<Row> rows;
    std::optional<ParseError> error;
};

// Parses RFC 4180 CSV from UTF-8 bytes: fields separated by commas, records by
// CRLF or LF, a field in double quotes may hold commas, quotes ("") and line
// breaks. A UTF-8 byte order mark is skipped; completely empty lines are
// skipped. Bytes that are not UTF-8, an unclosed quote or text after a closing
// quote give an error naming the line.
ParseResult parse(const QByteArray &utf8);

// One field quoted as RFC 4180 asks: in double quotes when it holds a comma,
// a double quote, a line break or leading or trailing blanks.
QString quoteField(const QString &field);

// One record as a CSV line ending in "\n".
QString formatRow(const QStringList &fields);

} // namespace kerubara::csv
