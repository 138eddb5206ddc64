// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/Kana.h"

namespace kerubara::kana {
namespace {

bool isKatakanaSound(char16_t u)
{
    return (u >= 0x30A1 && u <= 0x30F4) || u == 0x30FC;
}

} // namespace

QString toKatakana(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E)
            out += QChar(static_cast<char16_t>(u + 0x60));
        else
            out += c;
    }
    return out;
}

QString cleanReading(QStringView reading)
{
    QString out;
    out.reserve(reading.size());
    for (const QChar c : toKatakana(reading)) {
        if (isKatakanaSound(c.unicode()) || c == u'、' || c == u'。')
            out += c;
        else if (c == u'・' || c == u'･') // a pause between the parts of a name
            out += u'、';
        else if (!c.isSpace())
            return {};
    }
    return out;
}

} // namespace kerubara::kana
