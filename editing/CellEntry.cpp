// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/CellEntry.h"

#include <limits>
#include <optional>

namespace kerubara::editing {

namespace {

// The ASCII character an input method's full-width one stands for.
char16_t halfWidth(char16_t c)
{
    if (c >= u'０' && c <= u'９')
        return static_cast<char16_t>(u'0' + (c - u'０'));
    if (c == u'－' || c == u'−')
        return u'-';
    if (c == u'＋')
        return u'+';
    if (c == u'　')
        return u' ';
    return c;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

} // namespace

CellEntry readCellEntry(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(halfWidth(text[begin].unicode())))
        ++begin;
    while (end > begin && isBlank(halfWidth(text[end - 1].unicode())))
        --end;
    if (begin == end)
        return CellRefusal{CellRefusal::Kind::Empty, 0};

    qsizetype at = begin;
    bool negative = false;
    if (const char16_t sign = halfWidth(text[at].unicode()); sign == u'-' || sign == u'+') {
        negative = sign == u'-';
        ++at;
    }
    if (at == end)
        return CellRefusal{CellRefusal::Kind::NotANumber, at};

    // Digits beyond what 16 bits hold are still read to the end, so that
    // "99999x" is named for its "x" and "99999" for its size.
    std::int64_t value = 0;
    bool tooLarge = false;
    for (; at < end; ++at) {
        const char16_t c = halfWidth(text[at].unicode());
        if (c < u'0' || c > u'9')
            return CellRefusal{CellRefusal::Kind::NotANumber, at};
        value = value * 10 + (c - u'0');
        tooLarge = tooLarge || value > 32768;
        if (tooLarge)
            value = 32769;
    }
    if (negative)
        value = -value;
    if (tooLarge || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return CellRefusal{CellRefusal::Kind::OutOfRange, 0};
    return static_cast<std::int16_t>(value);
}

} // namespace kerubara::editing
