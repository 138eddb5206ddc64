// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/JapaneseNumbers.h"

#include <algorithm>
#include <array>
#include <span>

namespace kerubara {
namespace {

using Kana = const char16_t *;

constexpr std::array<Kana, 10> kDigitNames = {u"ゼロ", u"イチ", u"ニ", u"サン", u"ヨン",
                                              u"ゴ", u"ロク", u"ナナ", u"ハチ", u"キュー"};
constexpr std::array<Kana, 10> kHundreds = {u"", u"ヒャク", u"ニヒャク", u"サンビャク", u"ヨンヒャク",
                                            u"ゴヒャク", u"ロッピャク", u"ナナヒャク", u"ハッピャク", u"キューヒャク"};
constexpr std::array<Kana, 10> kThousands = {u"", u"セン", u"ニセン", u"サンゼン", u"ヨンセン",
                                             u"ゴセン", u"ロクセン", u"ナナセン", u"ハッセン", u"キューセン"};
constexpr std::array<Kana, 4> kGroupUnits = {u"", u"マン", u"オク", u"チョー"};

// A whole number a counter reads its own way (1 人 ヒトリ).
struct Whole
{
    int value;
    Kana reading;
};

// How a counter joins the number before it. Most counters are read after
// the number as they are; those that start with k, s, t or h make 1, 8 and
// 10 (and for k and h also 6 and 百) end in a small ッ, h turns into p after
// it, and after ン (3, 千, 万) into b or p.
struct Counter
{
    Kana word;                // as written after the number
    Kana reading;             // after most numbers
    Kana geminated = nullptr; // after イッ, ハッ, ジュッ; null: no small ッ
    Kana afterN = nullptr;    // after サン, セン, マン; null: `reading`
    bool rokuGeminates = false;       // ロク and ヒャク become ロッ, ヒャッ as well
    bool nasalAfterFour = false;      // ヨン takes `afterN` too (4 分 ヨンプン)
    bool nasalOnlyAfterThree = false; // 千 and 万 keep `reading` (3 階 サンガイ, 千階 センカイ)
    bool needsDigitAfter = false;     // counts only before another digit (3分の1)
    bool clock = false;               // an hour or minutes: a leading zero pads (07時 シチジ)
    Kana four = nullptr;              // 4 before this counter (時 ヨ); null: ヨン
    Kana seven = nullptr;             // 7 (時 シチ); null: ナナ
    Kana nine = nullptr;              // 9 (時 ク); null: キュー
    Kana notBefore = nullptr;         // no counter when this follows: the word runs on (日曜日)
    std::span<const Whole> whole = {};
};

constexpr Whole kDays[] = {
    {1, u"イチニチ"}, {2, u"フツカ"}, {3, u"ミッカ"}, {4, u"ヨッカ"}, {5, u"イツカ"}, {6, u"ムイカ"}, {7, u"ナノカ"},
    {8, u"ヨーカ"}, {9, u"ココノカ"}, {10, u"トーカ"}, {14, u"ジューヨッカ"}, {20, u"ハツカ"}, {24, u"ニジューヨッカ"}};
constexpr Whole kDayCounts[] = {
    {1, u"イチニチカン"}, {2, u"フツカカン"}, {3, u"ミッカカン"}, {4, u"ヨッカカン"}, {5, u"イツカカン"},
    {6, u"ムイカカン"}, {7, u"ナノカカン"}, {8, u"ヨーカカン"}, {9, u"ココノカカン"}, {10, u"トーカカン"},
    {14, u"ジューヨッカカン"}, {20, u"ハツカカン"}};
constexpr Whole kThings[] = {
    {1, u"ヒトツ"}, {2, u"フタツ"}, {3, u"ミッツ"}, {4, u"ヨッツ"}, {5, u"イツツ"},
    {6, u"ムッツ"}, {7, u"ナナツ"}, {8, u"ヤッツ"}, {9, u"ココノツ"}, {10, u"トー"}};
constexpr Whole kMidnight[] = {{0, u"レイジ"}};
constexpr Whole kHalfPastMidnight[] = {{0, u"レイジハン"}};
constexpr Whole kMidnightBand[] = {{0, u"レイジダイ"}};
constexpr Whole kTwenty[] = {{20, u"ハタチ"}};
constexpr Whole kPeople[] = {{1, u"ヒトリ"}, {2, u"フタリ"}};
constexpr Whole kPeopleSeats[] = {{1, u"ヒトリガケ"}, {2, u"フタリガケ"}};
constexpr Whole kStations[] = {{1, u"ヒトエキ"}, {2, u"フタエキ"}};
constexpr Whole kPointZero[] = {{0, u"レイテン"}};

// The counter words, each with its sound changes. Several spellings of one
// counter (ヶ月, か月, カ月) are separate rows.
const Counter kCounters[] = {
    {.word = u"分間", .reading = u"フンカン", .geminated = u"プンカン", .afterN = u"プンカン", .rokuGeminates = true, .nasalAfterFour = true},
    {.word = u"分の", .reading = u"ブンノ", .needsDigitAfter = true},
    {.word = u"分", .reading = u"フン", .geminated = u"プン", .afterN = u"プン", .rokuGeminates = true, .nasalAfterFour = true, .clock = true},
    {.word = u"秒", .reading = u"ビョー"},
    {.word = u"時間", .reading = u"ジカン", .four = u"ヨ", .seven = u"シチ", .nine = u"ク"},
    {.word = u"時半", .reading = u"ジハン", .clock = true, .four = u"ヨ", .seven = u"シチ", .nine = u"ク", .whole = kHalfPastMidnight},
    {.word = u"時台", .reading = u"ジダイ", .clock = true, .four = u"ヨ", .seven = u"シチ", .nine = u"ク", .whole = kMidnightBand},
    {.word = u"時", .reading = u"ジ", .clock = true, .four = u"ヨ", .seven = u"シチ", .nine = u"ク", .whole = kMidnight},
    {.word = u"日間", .reading = u"ニチカン", .seven = u"シチ", .nine = u"ク", .whole = kDayCounts},
    {.word = u"日", .reading = u"ニチ", .seven = u"シチ", .nine = u"ク", .notBefore = u"曜", .whole = kDays},
    {.word = u"ヶ月", .reading = u"カゲツ", .geminated = u"カゲツ", .rokuGeminates = true},
    {.word = u"か月", .reading = u"カゲツ", .geminated = u"カゲツ", .rokuGeminates = true},
    {.word = u"カ月", .reading = u"カゲツ", .geminated = u"カゲツ", .rokuGeminates = true},
    {.word = u"ケ月", .reading = u"カゲツ", .geminated = u"カゲツ", .rokuGeminates = true},
    {.word = u"月", .reading = u"ガツ", .four = u"シ", .seven = u"シチ", .nine = u"ク", .notBefore = u"曜"},
    {.word = u"年間", .reading = u"ネンカン", .four = u"ヨ"},
    {.word = u"年", .reading = u"ネン", .four = u"ヨ"},
    {.word = u"歳", .reading = u"サイ", .geminated = u"サイ", .whole = kTwenty},
    {.word = u"才", .reading = u"サイ", .geminated = u"サイ", .whole = kTwenty},
    {.word = u"人掛け", .reading = u"ニンガケ", .four = u"ヨ", .whole = kPeopleSeats},
    {.word = u"人", .reading = u"ニン", .four = u"ヨ", .whole = kPeople},
    {.word = u"名", .reading = u"メー"},
    {.word = u"丁目", .reading = u"チョーメ", .geminated = u"チョーメ"},
    {.word = u"条", .reading = u"ジョー", .four = u"ヨ", .seven = u"シチ", .nine = u"ク"},
    {.word = u"番線", .reading = u"バンセン"},
    {.word = u"番目", .reading = u"バンメ"},
    {.word = u"番台", .reading = u"バンダイ"},
    {.word = u"番", .reading = u"バン"},
    {.word = u"号車", .reading = u"ゴーシャ"},
    {.word = u"号線", .reading = u"ゴーセン"},
    {.word = u"号", .reading = u"ゴー"},
    {.word = u"両", .reading = u"リョー"},
    {.word = u"区", .reading = u"ク", .geminated = u"ク", .rokuGeminates = true},
    {.word = u"階", .reading = u"カイ", .geminated = u"カイ", .afterN = u"ガイ", .rokuGeminates = true, .nasalOnlyAfterThree = true},
    {.word = u"回", .reading = u"カイ", .geminated = u"カイ", .rokuGeminates = true},
    {.word = u"件", .reading = u"ケン", .geminated = u"ケン", .rokuGeminates = true},
    {.word = u"軒", .reading = u"ケン", .geminated = u"ケン", .afterN = u"ゲン", .rokuGeminates = true, .nasalOnlyAfterThree = true},
    {.word = u"個", .reading = u"コ", .geminated = u"コ", .rokuGeminates = true},
    {.word = u"ヶ所", .reading = u"カショ", .geminated = u"カショ", .rokuGeminates = true},
    {.word = u"か所", .reading = u"カショ", .geminated = u"カショ", .rokuGeminates = true},
    {.word = u"カ所", .reading = u"カショ", .geminated = u"カショ", .rokuGeminates = true},
    {.word = u"箇所", .reading = u"カショ", .geminated = u"カショ", .rokuGeminates = true},
    {.word = u"本", .reading = u"ホン", .geminated = u"ポン", .afterN = u"ボン", .rokuGeminates = true},
    {.word = u"杯", .reading = u"ハイ", .geminated = u"パイ", .afterN = u"バイ", .rokuGeminates = true},
    {.word = u"匹", .reading = u"ヒキ", .geminated = u"ピキ", .afterN = u"ビキ", .rokuGeminates = true},
    {.word = u"泊", .reading = u"ハク", .geminated = u"パク", .afterN = u"パク", .rokuGeminates = true},
    {.word = u"歩", .reading = u"ホ", .geminated = u"ポ", .afterN = u"ポ", .rokuGeminates = true},
    {.word = u"系統", .reading = u"ケートー", .geminated = u"ケートー", .rokuGeminates = true},
    {.word = u"円玉", .reading = u"エンダマ", .four = u"ヨ"},
    {.word = u"円札", .reading = u"エンサツ", .four = u"ヨ"},
    {.word = u"円", .reading = u"エン", .four = u"ヨ"},
    {.word = u"km", .reading = u"キロ", .geminated = u"キロ", .rokuGeminates = true},
    {.word = u"キロメートル", .reading = u"キロメートル", .geminated = u"キロメートル", .rokuGeminates = true},
    {.word = u"キロ", .reading = u"キロ", .geminated = u"キロ", .rokuGeminates = true},
    {.word = u"kg", .reading = u"キロ", .geminated = u"キロ", .rokuGeminates = true},
    {.word = u"キログラム", .reading = u"キログラム", .geminated = u"キログラム", .rokuGeminates = true},
    {.word = u"cm", .reading = u"センチ", .geminated = u"センチ"},
    {.word = u"mm", .reading = u"ミリ"},
    {.word = u"ミリ", .reading = u"ミリ"},
    {.word = u"センチ", .reading = u"センチ", .geminated = u"センチ"},
    {.word = u"m", .reading = u"メートル"},
    {.word = u"メートル", .reading = u"メートル"},
    {.word = u"%引き", .reading = u"パーセントビキ", .geminated = u"パーセントビキ", .rokuGeminates = true},
    {.word = u"%", .reading = u"パーセント", .geminated = u"パーセント", .rokuGeminates = true},
    {.word = u"パーセント", .reading = u"パーセント", .geminated = u"パーセント", .rokuGeminates = true},
    {.word = u"枚", .reading = u"マイ"},
    {.word = u"台", .reading = u"ダイ"},
    {.word = u"度", .reading = u"ド"},
    {.word = u"割引き", .reading = u"ワリビキ"},
    {.word = u"割引", .reading = u"ワリビキ"},
    {.word = u"割", .reading = u"ワリ"},
    {.word = u"円引き", .reading = u"エンビキ", .four = u"ヨ"},
    {.word = u"便", .reading = u"ビン"},
    {.word = u"倍", .reading = u"バイ"},
    {.word = u"冊", .reading = u"サツ", .geminated = u"サツ"},
    {.word = u"周", .reading = u"シュー", .geminated = u"シュー"},
    {.word = u"着", .reading = u"チャク", .geminated = u"チャク"},
    {.word = u"点", .reading = u"テン", .geminated = u"テン"},
    {.word = u"等", .reading = u"トー", .geminated = u"トー"},
    {.word = u"駅", .reading = u"エキ", .whole = kStations},
    {.word = u"つ", .reading = u"ツ", .whole = kThings},
};

// The decimal point joins the number before it like a counter (1.5 イッテンゴ).
const Counter kPoint = {.word = u".", .reading = u"テン", .geminated = u"テン", .whole = kPointZero};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int digitValue(QChar c)
{
    return c.unicode() - u'0';
}

QString kana(Kana k)
{
    return k ? QString::fromUtf16(k) : QString();
}

qsizetype digitRunEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Reads 1..9999 (0 reads as nothing).
QString groupReading(int n)
{
    QString out = kana(kThousands[static_cast<std::size_t>(n / 1000)]);
    out += kana(kHundreds[static_cast<std::size_t>(n / 100 % 10)]);
    const int tens = n / 10 % 10;
    if (tens > 0) {
        if (tens > 1)
            out += kana(kDigitNames[static_cast<std::size_t>(tens)]);
        out += QStringLiteral("ジュー");
    }
    if (n % 10 > 0)
        out += kana(kDigitNames[static_cast<std::size_t>(n % 10)]);
    return out;
}

// A number without leading zeros, at most 16 digits; all zeros read as
// nothing, so that it can be the front part of a longer reading.
QString valueReading(QStringView digits)
{
    QString out;
    const qsizetype groups = (digits.size() + 3) / 4;
    for (qsizetype g = groups - 1; g >= 0; --g) {
        const qsizetype end = digits.size() - g * 4;
        const qsizetype begin = std::max<qsizetype>(end - 4, 0);
        const int value = digits.mid(begin, end - begin).toInt();
        if (value == 0)
            continue;
        if (g == 3 && value == 1)
            out += QStringLiteral("イッ"); // 一兆 is イッチョー
        else if (g > 0 && value == 1)
            out += QStringLiteral("イチ");
        else
            out += groupReading(value);
        out += kana(kGroupUnits[static_cast<std::size_t>(g)]);
    }
    return out;
}

// `digits` with its last `count` digits set to 0.
QString zeroedTail(QStringView digits, qsizetype count)
{
    return digits.left(digits.size() - count).toString() + QString(count, u'0');
}

const Counter *findCounter(QStringView text)
{
    const Counter *best = nullptr;
    qsizetype bestLength = 0;
    for (const Counter &c : kCounters) {
        const QStringView word(c.word);
        if (word.size() > bestLength && text.startsWith(word)) {
            best = &c;
            bestLength = word.size();
        }
    }
    return best;
}

// The number read with the counter after it: its last element (a digit,
// ジュー, a hundred, a thousand or a group unit) takes the counter's sound
// change, what comes before it reads as usual.
QString joinCounter(QStringView digits, const Counter &c)
{
    const QString reading = kana(c.reading);
    const QString geminated = kana(c.geminated);
    const QString afterN = c.afterN ? kana(c.afterN) : reading;
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[digits.size() - 1 - zeros] == u'0')
        ++zeros;
    if (zeros == digits.size()) // the number 0
        return kana(kDigitNames[0]) + reading;
    const int last = digitValue(digits[digits.size() - 1 - zeros]);
    const QString front = valueReading(zeroedTail(digits, zeros + 1));
    const bool gem = c.geminated != nullptr;
    if (zeros == 0) {
        switch (last) {
        case 1: return front + (gem ? QStringLiteral("イッ") + geminated : QStringLiteral("イチ") + reading);
        case 3: return front + QStringLiteral("サン") + afterN;
        case 4:
            if (c.four)
                return front + kana(c.four) + reading;
            return front + QStringLiteral("ヨン") + (c.nasalAfterFour ? afterN : reading);
        case 6: return front + (gem && c.rokuGeminates ? QStringLiteral("ロッ") + geminated : QStringLiteral("ロク") + reading);
        case 7: return front + (c.seven ? kana(c.seven) : kana(kDigitNames[7])) + reading;
        case 8: return front + (gem ? QStringLiteral("ハッ") + geminated : QStringLiteral("ハチ") + reading);
        case 9: return front + (c.nine ? kana(c.nine) : kana(kDigitNames[9])) + reading;
        default: return front + kana(kDigitNames[static_cast<std::size_t>(last)]) + reading;
        }
    }
    if (zeros == 1) {
        const QString tens = last > 1 ? kana(kDigitNames[static_cast<std::size_t>(last)]) : QString();
        return front + tens + (gem ? QStringLiteral("ジュッ") + geminated : QStringLiteral("ジュー") + reading);
    }
    if (zeros == 2) {
        const QString hundred = kana(kHundreds[static_cast<std::size_t>(last)]);
        if (gem && c.rokuGeminates)
            return front + hundred.chopped(1) + QStringLiteral("ッ") + geminated;
        return front + hundred + reading;
    }
    // A thousand or a group unit: セン, マン end in ン, オク and チョー do not.
    const QString whole = valueReading(digits);
    const bool endsInN = whole.endsWith(u'ン');
    return whole + (endsInN && !c.nasalOnlyAfterThree ? afterN : reading);
}

QString counted(QStringView digits, const Counter &c, bool asDate)
{
    qsizetype lead = 0;
    while (lead + 1 < digits.size() && digits[lead] == u'0')
        ++lead;
    const QStringView value = digits.mid(lead);
    if (value.size() > 16)
        return digitsReading(digits) + kana(c.reading);
    if (value.size() <= 2) {
        const int n = value.toInt();
        if (asDate && n == 1 && QStringView(c.word) == u"日")
            return QStringLiteral("ツイタチ");
        for (const Whole &w : c.whole) {
            if (w.value == n)
                return kana(w.reading);
        }
    }
    return joinCounter(value, c);
}

// A decimal number: the whole part joined with テン, the fraction digit by
// digit, the counter joined with its last digit (1.1人 is イッテンイチニン,
// no ヒトリ in it).
QString decimalReading(QStringView whole, QStringView fraction, const Counter *counter)
{
    QString out = counted(whole, kPoint, false);
    for (qsizetype i = 0; i + 1 < fraction.size(); ++i)
        out += kana(kDigitNames[static_cast<std::size_t>(digitValue(fraction[i]))]);
    const QStringView last = fraction.right(1);
    out += counter ? joinCounter(last, *counter) : kana(kDigitNames[static_cast<std::size_t>(digitValue(last[0]))]);
    return out;
}

// The counter at `pos`, if one may be read there: a Latin unit (km, m) not
// followed by another letter, a fraction's 分の only before a digit, 日 and
// 月 not at the start of a weekday's name (第3日曜日 is the third Sunday).
const Counter *counterAt(QStringView text, qsizetype pos)
{
    const Counter *c = findCounter(text.mid(pos));
    if (!c)
        return nullptr;
    const qsizetype end = pos + QStringView(c->word).size();
    const bool latin = isAsciiLetter(QStringView(c->word).back());
    if (latin && end < text.size() && isAsciiLetter(text[end]))
        return nullptr;
    if (c->notBefore && text.mid(end).startsWith(QStringView(c->notBefore)))
        return nullptr;
    if (c->needsDigitAfter && (end >= text.size() || !isDigit(text[end]))) {
        // 5分の遅れ is five minutes, not a fraction: read the plain 分.
        return findCounter(text.mid(pos, QStringView(c->word).size() - 1));
    }
    return c;
}

// Digits written with kanji units after them (5千, 1万, 3千万, 1万2千,
// 1億5,000万): the whole value in digits, `end` moved past the units. The
// digits as they were when no unit follows or the value would not fit.
QString withKanjiUnits(QStringView text, qsizetype &end, const QString &digits)
{
    constexpr unsigned long long kLimit = 10'000'000'000'000'000ULL; // 16 digits
    if (digits.size() > 12)
        return digits;
    unsigned long long total = 0;
    unsigned long long section = digits.toULongLong();
    qsizetype j = end;
    bool unitSeen = false;
    while (true) {
        while (j < text.size() && (text[j] == u'千' || text[j] == u'百') && section < kLimit / 1000) {
            section *= text[j] == u'千' ? 1000 : 100;
            unitSeen = true;
            ++j;
        }
        const unsigned long long big = j >= text.size() ? 0
            : text[j] == u'万'                            ? 10'000ULL
            : text[j] == u'億'                            ? 100'000'000ULL
            : text[j] == u'兆'                            ? 1'000'000'000'000ULL
                                                          : 0;
        if (big == 0 || section == 0 || section > kLimit / big) {
            total += section;
            break;
        }
        total += section * big;
        unitSeen = true;
        ++j;
        // More digits after a 万 or 億 (1万2千, 1億5,000万) belong to it.
        qsizetype next = digitRunEnd(text, j);
        if (next == j) {
            section = 0;
            continue;
        }
        QString more = text.mid(j, next - j).toString();
        while (more.size() <= 3 && next + 4 <= text.size() && text[next] == u',' && digitRunEnd(text, next + 1) == next + 4) {
            more += text.mid(next + 1, 3);
            next += 4;
        }
        if (more.size() > 4)
            break; // 1万23456 is no number a person writes
        section = more.toULongLong();
        j = next;
    }
    if (!unitSeen || total >= kLimit)
        return digits;
    end = j;
    return QString::number(total);
}

// 03-1234-5678, 3-5-1: groups of digits joined by hyphens, read digit by
// digit with ノ between the groups. `end` receives where it ends.
std::optional<QString> hyphenatedCode(QStringView text, qsizetype pos, qsizetype &end)
{
    qsizetype i = digitRunEnd(text, pos);
    QString out = digitsReading(text.mid(pos, i - pos));
    int groups = 1;
    while (i + 1 < text.size() && text[i] == u'-' && isDigit(text[i + 1])) {
        const qsizetype next = digitRunEnd(text, i + 1);
        out += QStringLiteral("ノ") + digitsReading(text.mid(i + 1, next - i - 1));
        i = next;
        ++groups;
    }
    if (groups < 2)
        return std::nullopt;
    end = i;
    return out;
}

// 9:30, 13:05: hours and minutes. `end` receives where it ends.
std::optional<QString> clockTime(QStringView text, qsizetype pos, qsizetype &end)
{
    const qsizetype colon = digitRunEnd(text, pos);
    if (colon - pos > 2 || colon + 3 > text.size() || text[colon] != u':')
        return std::nullopt;
    const qsizetype minutesEnd = digitRunEnd(text, colon + 1);
    if (minutesEnd - colon - 1 != 2)
        return std::nullopt;
    const int hours = text.mid(pos, colon - pos).toInt();
    const int minutes = text.mid(colon + 1, 2).toInt();
    if (hours > 24 || minutes > 59)
        return std::nullopt;
    QString out = countedReading(QString::number(hours), u"時");
    if (minutes > 0)
        out += countedReading(QString::number(minutes), u"分");
    end = minutesEnd;
    return out;
}

// Zero-padded minutes right after an hour (7時05分, 8時00分) at `pos`: read
// as the clock form reads them (ゴフン, and nothing for 00). `end` receives
// where they end.
std::optional<QString> paddedMinutes(QStringView text, qsizetype pos, qsizetype &end)
{
    if (pos + 3 > text.size() || text[pos] != u'0' || digitRunEnd(text, pos) != pos + 2 || text[pos + 2] != u'分')
        return std::nullopt;
    const int minutes = text.mid(pos, 2).toInt();
    end = pos + 3;
    return minutes > 0 ? countedReading(QString::number(minutes), u"分") : QString();
}

} // namespace

QString numberReading(QStringView digits)
{
    if (!allDigits(digits))
        return {};
    if (digits.size() == 1)
        return kana(kDigitNames[static_cast<std::size_t>(digitValue(digits[0]))]);
    if (digits[0] == u'0' || digits.size() > 16)
        return digitsReading(digits);
    return valueReading(digits);
}

QString digitsReading(QStringView digits)
{
    QString out;
    for (const QChar d : digits) {
        if (isDigit(d))
            out += kana(kDigitNames[static_cast<std::size_t>(digitValue(d))]);
    }
    return out;
}

QString countedReading(QStringView digits, QStringView counter, bool asDate)
{
    if (!allDigits(digits))
        return {};
    const Counter *c = findCounter(counter);
    if (!c || QStringView(c->word).size() != counter.size())
        return {};
    return counted(digits, *c, asDate);
}

qsizetype counterReadingLength(QStringView reading, QStringView counter)
{
    const Counter *c = findCounter(counter);
    if (!c || QStringView(c->word).size() != counter.size())
        return 0;
    for (const Whole &w : c->whole) {
        if (reading == QStringView(w.reading))
            return 0;
    }
    qsizetype longest = 0;
    for (Kana sound : {c->reading, c->geminated, c->afterN}) {
        const QStringView s = sound ? QStringView(sound) : QStringView();
        if (!s.isEmpty() && s.size() > longest && reading.size() > s.size() && reading.endsWith(s))
            longest = s.size();
    }
    return longest;
}

qsizetype counterLength(QStringView text)
{
    const Counter *c = findCounter(text);
    return c ? QStringView(c->word).size() : 0;
}

std::optional<NumberSpan> numberAt(QStringView text, qsizetype pos)
{
    if (pos >= text.size() || (pos > 0 && isDigit(text[pos - 1])))
        return std::nullopt;
    qsizetype i = pos;
    const bool yen = text[i] == u'¥' || text[i] == u'￥';
    if (yen)
        ++i;
    if (i >= text.size() || !isDigit(text[i]))
        return std::nullopt;
    const qsizetype start = i;
    qsizetype end = 0;
    QString reading;
    if (!yen) {
        if (auto code = hyphenatedCode(text, start, end))
            return NumberSpan{end - pos, *code, {}, {}};
        if (auto time = clockTime(text, start, end))
            return NumberSpan{end - pos, *time, {}, {}};
    }
    // The whole part, with thousands separators only between groups of three.
    qsizetype j = digitRunEnd(text, start);
    QString whole = text.mid(start, j - start).toString();
    if (whole.size() <= 3) {
        while (j + 4 <= text.size() && text[j] == u',' && digitRunEnd(text, j + 1) == j + 4) {
            whole += text.mid(j + 1, 3);
            j += 4;
        }
    }
    QStringView fraction;
    if (j + 1 < text.size() && text[j] == u'.' && isDigit(text[j + 1])) {
        const qsizetype fractionEnd = digitRunEnd(text, j + 1);
        fraction = text.mid(j + 1, fractionEnd - j - 1);
        j = fractionEnd;
    }
    // 1.5万: a decimal with a unit after it.
    QString fractionUnit;
    if (!fraction.isEmpty() && j < text.size()) {
        static constexpr std::array<std::pair<char16_t, Kana>, 3> units = {{{u'千', u"セン"}, {u'万', u"マン"}, {u'億', u"オク"}}};
        for (const auto &[mark, word] : units) {
            if (text[j] == mark) {
                fractionUnit = kana(word);
                ++j;
                break;
            }
        }
    } else if (fraction.isEmpty()) {
        whole = withKanjiUnits(text, j, whole); // 5千, 1万, 3千万, 1万2千
    }
    const bool asDate = pos > 0 && text[pos - 1] == u'月';
    const Counter *counter = yen ? findCounter(u"円") : counterAt(text, j);
    if (counter && !yen)
        j += QStringView(counter->word).size();
    if (!fraction.isEmpty() && !fractionUnit.isEmpty())
        reading = decimalReading(whole, fraction, nullptr) + fractionUnit
            + (counter ? (fractionUnit.endsWith(u'ン') && counter->afterN && !counter->nasalOnlyAfterThree
                              ? kana(counter->afterN)
                              : kana(counter->reading))
                       : QString());
    else if (!fraction.isEmpty())
        reading = decimalReading(whole, fraction, counter);
    else if (whole.size() > 1 && whole[0] == u'0' && !yen && !(counter && counter->clock))
        reading = digitsReading(whole) + (counter ? kana(counter->reading) : QString());
    else if (counter)
        reading = counted(whole, *counter, asDate);
    else
        reading = numberReading(whole);
    // The counter's own sound, and whatever runs on after it, is its part.
    QString counterWord;
    qsizetype counterFrom = -1;
    if (counter) {
        counterWord = QString::fromUtf16(counter->word);
        if (const qsizetype sound = counterReadingLength(reading, counterWord); sound > 0)
            counterFrom = reading.size() - sound;
    }
    if (counter && QStringView(counter->word) == u"時" && fraction.isEmpty()) {
        if (const auto minutes = paddedMinutes(text, j, j))
            reading += *minutes;
    }
    // A range: 1〜3 reads イチカラサン.
    if (j < text.size() && (text[j] == u'〜' || text[j] == u'~')) {
        reading += QStringLiteral("カラ");
        ++j;
    }
    return NumberSpan{j - pos, reading, counterWord, counterFrom >= 0 ? reading.mid(counterFrom) : QString()};
}

bool isKanjiNumeral(QChar c)
{
    static const QString numerals = QStringLiteral("〇零一二三四五六七八九十百千万億");
    return numerals.contains(c);
}

QString kanjiNumberValue(QStringView text)
{
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    if (text.isEmpty())
        return {};
    // Written digit by digit (二〇二四) when there is no 十, 百, 千 or a unit.
    const bool positional = std::all_of(text.begin(), text.end(), [](QChar c) { return digits.contains(c) || c == u'零'; });
    if (positional && text.size() > 1) {
        QString out;
        for (const QChar c : text)
            out += QChar(static_cast<char16_t>(u'0' + (c == u'零' ? 0 : digits.indexOf(c))));
        return out;
    }
    long long total = 0; // the finished 万 and 億 parts
    long long section = 0; // below 万: thousands, hundreds, tens
    long long digit = -1;  // a digit waiting for its multiplier
    for (const QChar c : text) {
        const qsizetype d = c == u'零' ? 0 : digits.indexOf(c);
        if (d >= 0) {
            if (digit >= 0)
                return {}; // two digits in a row: not a kanji number
            digit = d;
            continue;
        }
        const long long small = c == u'十' ? 10 : c == u'百' ? 100 : c == u'千' ? 1000 : 0;
        if (small > 0) {
            section += (digit < 0 ? 1 : digit) * small;
            digit = -1;
            continue;
        }
        const long long big = c == u'万' ? 10000LL : c == u'億' ? 100000000LL : 0;
        if (big == 0)
            return {};
        section += digit < 0 ? 0 : digit;
        total += (section == 0 ? 1 : section) * big;
        section = 0;
        digit = -1;
    }
    total += section + (digit < 0 ? 0 : digit);
    return QString::number(total);
}

} // namespace kerubara
