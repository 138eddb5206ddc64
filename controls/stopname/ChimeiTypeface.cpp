// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiTypeface.h"

#include "reslib/Cp932.h"
#include "reslib/Fonts.h"

#include <array>
#include <utility>

namespace kerubara {
namespace {

// Codes as signed 16-bit numbers: 0x889F is the first kanji of level 1.
constexpr std::int16_t kFirstKanji = 0x889F - 0x10000;            // -30561
constexpr std::int16_t kFirstFullWidthDigit = 0x824F - 0x10000;   // -32177
constexpr std::int16_t kLastFullWidthLetter = 0x829A - 0x10000;   // -32102

} // namespace

std::int16_t cp932Code(QStringView ch)
{
    if (ch.isEmpty())
        return 0;
    qsizetype unencodable = -1;
    const QByteArray bytes = cp932::encode(ch.first(1), &unencodable);
    if (unencodable >= 0 || bytes.isEmpty())
        return '?';
    const auto lead = static_cast<std::uint8_t>(bytes[0]);
    if (bytes.size() == 1)
        return lead;
    const auto trail = static_cast<std::uint8_t>(bytes[1]);
    return static_cast<std::int16_t>(lead * 256 + trail - 65536);
}

QString horizontalForm(const QString &ch)
{
    static const std::array<std::pair<char16_t, char16_t>, 4> forms{{
        {u'丨', u'ー'},
        {u'｜', u'－'},
        {u'↓', u'→'},
        {u'↑', u'←'},
    }};
    QString out = ch;
    for (QChar &c : out) {
        for (const auto &[vertical, horizontal] : forms) {
            if (c == QChar(vertical)) {
                c = QChar(horizontal);
                break;
            }
        }
    }
    return out;
}

QString chimeiTypeface(std::int16_t fontMode, std::int16_t code)
{
    const bool beforeKanji = code < kFirstKanji;
    switch (fontMode) {
    case 1:
        return kMinchoFace;
    case 2:
        return beforeKanji ? kMinchoFace : kGothicFace;
    case 3:
        return beforeKanji ? kGothicFace : kMinchoFace;
    case 4:
        return code >= kFirstFullWidthDigit && code <= kLastFullWidthLetter ? kGothicFace : kMinchoFace;
    default:
        return kGothicFace;
    }
}

std::optional<QString> tsugiTypeface(std::int16_t tsugiwaFontMode)
{
    switch (tsugiwaFontMode) {
    case 0:
    case 1:
        return kGothicFace;
    case 2:
    case 3:
        return kMinchoFace;
    default:
        return std::nullopt;
    }
}

std::optional<QString> haTypeface(std::int16_t tsugiwaFontMode)
{
    switch (tsugiwaFontMode) {
    case 0:
    case 3:
        return kGothicFace;
    case 1:
    case 2:
        return kMinchoFace;
    default:
        return std::nullopt;
    }
}

} // namespace kerubara
