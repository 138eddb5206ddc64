// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/Csv.h"

#include <QBuffer>

#include <algorithm>

namespace kerubara::csv {
namespace {

constexpr qsizetype kBlockBytes = qsizetype(1) << 16;

// The offset of the first byte that is not part of valid UTF-8, or -1.
qsizetype firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        int extra = 0;
        char32_t min = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
        } else {
            return i;
        }
        char32_t cp = b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

// The line breaks in the first `end` bytes of a field: CRLF, LF and a lone
// CR each end one line.
int lineBreaks(const QByteArray &field, qsizetype end)
{
    int breaks = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (field[i] == '\n' || (field[i] == '\r' && (i + 1 >= field.size() || field[i + 1] != '\n')))
            ++breaks;
    }
    return breaks;
}

bool endsField(char c)
{
    return c == ',' || c == '\n' || c == '\r';
}

} // namespace

Reader::Reader(QIODevice &device, qint64 limit)
    : device_(&device)
    , limit_(limit)
{
}

bool Reader::refill()
{
    if (failure_ != Failure::None)
        return false;
    block_.clear();
    at_ = 0;
    // The byte order mark is looked for in the first three bytes, however
    // few of them a read hands out.
    const qsizetype wanted = started_ ? 1 : 3;
    while (block_.size() < wanted) {
        const qsizetype had = block_.size();
        block_.resize(had + static_cast<qsizetype>(std::min<qint64>(kBlockBytes, limit_ + 1 - total_)));
        const qint64 n = device_->read(block_.data() + had, block_.size() - had);
        block_.resize(had + static_cast<qsizetype>(std::max<qint64>(n, 0)));
        if (n < 0) {
            failure_ = Failure::ReadFailed;
            return false;
        }
        if (n == 0)
            break;
        total_ += n;
        if (total_ > limit_) {
            failure_ = Failure::TooLarge;
            return false;
        }
    }
    if (!started_) {
        started_ = true;
        if (block_.startsWith("\xEF\xBB\xBF"))
            at_ = 3;
    }
    return at_ < block_.size();
}

int Reader::peek()
{
    if (at_ >= block_.size() && !refill())
        return -1;
    return static_cast<unsigned char>(block_[at_]);
}

int Reader::get()
{
    const int c = peek();
    if (c >= 0)
        ++at_;
    return c;
}

bool Reader::fail(int line, ParseError::Kind kind)
{
    failure_ = Failure::Syntax;
    error_ = ParseError{kind, line};
    return false;
}

void Reader::endOfLine(int c)
{
    if (c == '\r' && peek() == '\n')
        ++at_;
    ++line_;
}

// A field without quotes, up to the comma or line break after it.
bool Reader::readPlain(QByteArray &field)
{
    for (;;) {
        if (at_ >= block_.size() && !refill())
            return failure_ == Failure::None; // the text ends the field
        const char *p = block_.constData();
        qsizetype i = at_;
        while (i < block_.size() && !endsField(p[i]) && p[i] != '"')
            ++i;
        field.append(p + at_, i - at_);
        at_ = i;
        if (i < block_.size()) {
            if (p[i] == '"')
                return fail(line_, ParseError::Kind::QuoteInPlainField);
            return true;
        }
    }
}

// A field in double quotes, its opening quote read.
bool Reader::readQuoted(QByteArray &field)
{
    const int quoteLine = line_;
    for (;;) {
        if (at_ >= block_.size() && !refill())
            return failure_ == Failure::None
                && fail(quoteLine, ParseError::Kind::UnclosedQuote);
        const char *p = block_.constData();
        qsizetype i = at_;
        while (i < block_.size() && p[i] != '"' && p[i] != '\n' && p[i] != '\r')
            ++i;
        field.append(p + at_, i - at_);
        at_ = i;
        if (i == block_.size())
            continue;
        const char c = p[at_++];
        if (c == '"') {
            if (peek() == '"') {
                ++at_;
                field.append('"');
                continue;
            }
            const int after = peek();
            if (failure_ != Failure::None)
                return false;
            if (after >= 0 && !endsField(static_cast<char>(after)))
                return fail(line_, ParseError::Kind::TextAfterQuote);
            return true;
        }
        field.append(c);
        if (c == '\r' && peek() == '\n') {
            ++at_;
            field.append('\n');
        }
        ++line_;
    }
}

bool Reader::next(Row &row)
{
    row.fields.clear();
    // Empty lines (LF, CRLF or CR alone) hold no record.
    for (;;) {
        const int c = peek();
        if (c < 0)
            return false;
        if (c != '\n' && c != '\r')
            break;
        ++at_;
        endOfLine(c);
    }
    row.line = line_;
    QByteArray &field = field_;
    for (;;) {
        field.resize(0); // keeps its room for the next field
        const int fieldLine = line_;
        const bool quoted = peek() == '"';
        if (quoted)
            ++at_;
        if (!(quoted ? readQuoted(field) : readPlain(field)))
            return false;
        if (const qsizetype bad = firstInvalidUtf8(field); bad >= 0)
            return fail(fieldLine + lineBreaks(field, bad), ParseError::Kind::NotUtf8);
        row.fields.append(QString::fromUtf8(field));
        const int c = get();
        if (c == ',')
            continue;
        if (c >= 0)
            endOfLine(c);
        return failure_ == Failure::None;
    }
}

ParseResult parse(const QByteArray &utf8)
{
    ParseResult result;
    QByteArray bytes = utf8;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Reader reader(buffer, bytes.size());
    Row row;
    while (reader.next(row))
        result.rows.push_back(std::move(row));
    if (reader.failure() == Reader::Failure::Syntax)
        result.error = reader.error();
    return result;
}

QString quoteField(const QString &field)
{
    const bool needs = field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
        || field.contains(u'\r')
        || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!needs)
        return field;
    QString q = field;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString formatRow(const QStringList &fields)
{
    QString line;
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0)
            line.append(u',');
        line.append(quoteField(fields[k]));
    }
    line.append(u'\n');
    return line;
}

} // namespace kerubara::csv
