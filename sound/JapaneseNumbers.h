// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kerubara {

// A run of ASCII digits read as a Japanese number, in digit groups of four
// up to 兆, with the sound changes of 百 and 千 (300 サンビャク, 600
// ロッピャク, 8000 ハッセン, 10000 イチマン). A run with a leading zero, or
// one longer than 16 digits, is a code and read digit by digit. Empty when
// `digits` holds anything but ASCII digits.
QString numberReading(QStringView digits);

// ASCII digits one by one, as a code or a phone number is read (012 →
// ゼロイチニ).
QString digitsReading(QStringView digits);

// The number `digits` (ASCII, no separators) with the counter word
// `counter` after it, read together with the counter's sound changes:
// 1 分 イップン, 3 分 サンプン, 3 階 サンガイ, 4 時 ヨジ, 1 丁目
// イッチョーメ, 2 人 フタリ, 20 日 ハツカ. `asDate` reads 1 日 as the first
// of the month (ツイタチ). Empty when `counter` is not a counter word.
QString countedReading(QStringView digits, QStringView counter, bool asDate = false);

// How long the counter word at the start of `text` is (the longest one:
// 番線 before 番), or 0.
qsizetype counterLength(QStringView text);

// How many characters at the end of `reading`, a number read with the
// counter word `counter` (as countedReading reads them), are the counter's own
// sound (イッ|プン, サン|ガイ); 0 when the two are read as one word (ヒトリ,
// ハツカ, ツイタチ) or `counter` is no counter word.
qsizetype counterReadingLength(QStringView reading, QStringView counter);

// A number expression in a text and how it is read.
struct NumberSpan
{
    qsizetype length = 0; // characters of the text it covers
    QString reading;
    QString counter;        // the counter word read with the number (番, 丁目), or empty
    QString counterReading; // the end of `reading` from the counter's sound on; empty
                            // when there is no counter or it is one word with the number
};

// The number expression that starts at `pos` of `text` (already normalised:
// ASCII digits): digits with or without thousands separators (1,200), a
// decimal part (1.5 イッテンゴ), a counter after it, a time (9:30), a yen
// sign before it, a range mark after it (1〜3 イチカラサン), or a code read
// digit by digit (a leading zero, a phone number 03-1234-5678). Nothing
// when no digit run starts at `pos`.
std::optional<NumberSpan> numberAt(QStringView text, qsizetype pos);

// Kanji numerals (三, 二十三, 三百, 千二百, 一万) as ASCII digits; empty
// when `text` is not a kanji number.
QString kanjiNumberValue(QStringView text);

// True for the characters kanji numbers are written with (〇 一 … 十 百 千 万 億).
bool isKanjiNumeral(QChar c);

} // namespace kerubara
