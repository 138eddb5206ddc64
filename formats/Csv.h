// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

namespace kerubara::csv {

// One record of a CSV text and the line it starts on (1-based).
struct Row
{
    int line = 0;
    QStringList fields;
};

// What stopped the parse, and on which line.
struct ParseError
{
    enum class Kind {
        QuoteInPlainField, // a '"' inside a field not quoted as a whole
        UnclosedQuote,     // a quoted field runs to the end of the text: `line` is where it opened
        TextAfterQuote,    // something other than a separator after a closing '"'
        NotUtf8,           // bytes that are not UTF-8
    };
    Kind kind = Kind::QuoteInPlainField;
    int line = 0;
};

struct ParseResult
{
    std::vector<Row> rows;
    std::optional<ParseError> error;
};

// Parses RFC 4180 CSV from UTF-8 bytes: fields separated by commas, records by
// CRLF, LF or CR, a field in double quotes may hold commas, quotes ("") and
// line breaks. A UTF-8 byte order mark is skipped; completely empty lines are
// skipped. Bytes that are not UTF-8, an unclosed quote or text after a closing
// quote give an error naming the line.
ParseResult parse(const QByteArray &utf8);

// Reads CSV as parse() does, one record at a time from a device, holding no
// more of the text than the record and a block of bytes: for files too large
// to hold whole.
class Reader
{
public:
    // Why reading stopped before the end of the text.
    enum class Failure { None, Syntax, TooLarge, ReadFailed };

    // Reads `device`, open for reading, up to `limit` bytes.
    Reader(QIODevice &device, qint64 limit);

    // The next record; false at the end of the text or when reading failed
    // (failure() says why).
    bool next(Row &row);

    Failure failure() const { return failure_; }
    // The line and what is wrong, when failure() is Syntax.
    const std::optional<ParseError> &error() const { return error_; }

private:
    int peek();
    int get();
    bool refill();
    bool readQuoted(QByteArray &field);
    bool readPlain(QByteArray &field);
    bool fail(int line, ParseError::Kind kind);
    void endOfLine(int c);

    QIODevice *device_;
    qint64 limit_;
    qint64 total_ = 0;
    QByteArray block_;
    qsizetype at_ = 0;
    QByteArray field_;
    bool started_ = false;
    int line_ = 1;
    Failure failure_ = Failure::None;
    std::optional<ParseError> error_;
};

// One field quoted as RFC 4180 asks: in double quotes when it holds a comma,
// a double quote, a line break or leading or trailing blanks.
QString quoteField(const QString &field);

// One record as a CSV line ending in "\n".
QString formatRow(const QStringList &fields);

} // namespace kerubara::csv
