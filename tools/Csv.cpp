// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Csv.h"

namespace kerubara::csv {
namespace {

// The 1-based line of the first byte that is not part of valid UTF-8, or 0.
int firstInvalidUtf8Line(const QByteArray &bytes)
{
    int line = 1;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        int extra = 0;
        char32_t min = 0;
        if (b < 0x80) {
            if (b == '\n')
                ++line;
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
            return line;
        }
        char32_t cp = b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return line;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return line;
        i += extra + 1;
    }
    return 0;
}

} // namespace

ParseResult parse(const QByteArray &utf8)
{
    ParseResult result;
    if (const int bad = firstInvalidUtf8Line(utf8)) {
        result.error = ParseError{bad, QStringLiteral("UTF-8 として読めない文字があります（Shift-JIS の CSV は「CSV UTF-8」形式で保存し直してください）。")};
        return result;
    }
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    while (i < n) {
        Row row;
        row.line = line;
        // An empty line (LF or CRLF alone) holds no record.
        if (text[i] == u'\n') {
            ++line;
            ++i;
            continue;
        }
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            ++line;
            i += 2;
            continue;
        }
        bool endOfRecord = false;
        while (!endOfRecord) {
            QString field;
            if (i < n && text[i] == u'"') {
                const int quoteLine = line;
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = text[i];
                    if (c == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            field.append(u'"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == u'\n')
                        ++line;
                    field.append(c);
                    ++i;
                }
                if (!closed) {
                    result.error = ParseError{quoteLine, QStringLiteral("「\"」で始まったフィールドが閉じられていません。")};
                    return result;
                }
                if (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r') {
                    result.error = ParseError{line, QStringLiteral("閉じた「\"」の後に余分な文字があります。")};
                    return result;
                }
            } else {
                while (i < n && text[i] != u',' && text[i] != u'\n' && text[i] != u'\r') {
                    if (text[i] == u'"') {
                        result.error = ParseError{line, QStringLiteral("「\"」を含むフィールドは全体を「\"」で囲み、中の「\"」は「\"\"」と書いてください。")};
                        return result;
                    }
                    field.append(text[i]);
                    ++i;
                }
            }
            row.fields.append(field);
            if (i >= n) {
                endOfRecord = true;
            } else if (text[i] == u',') {
                ++i;
            } else if (text[i] == u'\n') {
                ++i;
                ++line;
                endOfRecord = true;
            } else if (text[i] == u'\r') {
                ++i;
                if (i < n && text[i] == u'\n')
                    ++i;
                ++line;
                endOfRecord = true;
            }
        }
        result.rows.push_back(std::move(row));
    }
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
