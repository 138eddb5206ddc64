// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/Kana.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace MeCab {
class Model;
class Tagger;
} // namespace MeCab

namespace kerubara {

class ReadingDictionary;

// Turns Japanese text into the katakana a speech synthesizer reads aloud.
// The text is first normalised (full-width digits, kanji variants); then
// the reading dictionary's words (the built-in transit words and the user's
// own, longest first) and the numbers with their counters (1,200円
// センニヒャクエン, 10分 ジュップン, 4時 ヨジ) are read by our own rules, and
// MeCab with its UTF-8 IPA dictionary reads the rest around them, each
// word's pronunciation: the particle は reads ワ, へ reads エ, long vowels
// come out as ー (東京 → トーキョー). Kanji numerals before a counter follow
// the counter's rules too (一丁目 イッチョーメ); Latin letters are read by
// their names, and punctuation becomes the pauses 、 and 。. A kanji in a
// word that neither MeCab nor a reading dictionary has is read by a reading
// of its own (KanjiReadings: 慈照院 ジショーイン), and named in the outcome
// so that a tool can say so; a character with no reading at all is left out
// and named too.
//
// Some words read otherwise in a bus's announcements and stop names than
// MeCab reads them: 行き after a place is ユキ, 止まり ドマリ, 方 after の
// カタ or ホー by what follows; 橋 ending a place name is バシ (桜橋), and a
// kanji numeral with ッ in a name counts the old way (三ッ沢 ミツザワ).

// A character the reader found in no word of its dictionaries.
struct UnknownCharacter
{
    QString character;
    QString reading; // the reading of its own it was read by; empty: left out
    friend bool operator==(const UnknownCharacter &, const UnknownCharacter &) = default;
};

// Where a stretch of a text's reading comes from.
enum class ReadingSource {
    Dictionary, // a word of the reading dictionaries, built in or the user's
    Number,     // a number, with its counter when one follows (7番, 1,200円, 三丁目)
    Word,       // a word of MeCab's, by its pronunciation or our correction of it
    Letter,     // a Latin letter read by its name
    Kana,       // kana of no word MeCab knows, read as written
    Character,  // a kanji read by a reading of its own, or a character left out
    Pause,      // punctuation: the pause 、 or 。, or nothing
};

// One stretch of the text as the reader read it, and its part of the reading.
struct ReadingPiece
{
    ReadingSource source = ReadingSource::Word;
    qsizetype begin = 0; // in TextReading::text
    qsizetype end = 0;
    QString reading;        // its part of TextReading::kana, maybe empty
    QStringList features;   // a Word: MeCab's features of it (IPA dictionary)
    QString counter;        // a Number: the counter word read with it (番, 丁目), or empty
    QString counterReading; // a Number: the end of `reading` from the counter's sound
                            // on, empty when the two are read as one word (ヒトリ)
    friend bool operator==(const ReadingPiece &, const ReadingPiece &) = default;
};

// A text's reading, and the characters of it no dictionary has a word for,
// each once, in the order of the text. `pieces` are the stretches of `text`
// (the text as read: normalised, blanks taken out) in order, their readings
// making up `kana`.
struct TextReading
{
    QString kana;
    std::vector<UnknownCharacter> unknown;
    QString text;
    std::vector<ReadingPiece> pieces;
};

class JapaneseReader
{
public:
    // Null when MeCab or the UTF-8 IPA dictionary cannot be loaded.
    static std::unique_ptr<JapaneseReader> create();
    ~JapaneseReader();
    JapaneseReader(const JapaneseReader &) = delete;
    JapaneseReader &operator=(const JapaneseReader &) = delete;

    // Safe to call from any thread.
    QString reading(const QString &text) const { return read(text).kana; }
    // The reading with the characters no dictionary has a word for.
    TextReading read(const QString &text) const;

    // The user's words, read from now on besides the built-in ones; an entry
    // for a built-in word overrides it. Safe to call from any thread.
    void setUserDictionary(const ReadingDictionary &user);

    // The dictionary folder used, or empty when none is installed.
    static QString dictionaryPath();

private:
    JapaneseReader(std::unique_ptr<MeCab::Model> model, std::unique_ptr<MeCab::Tagger> tagger);
    std::shared_ptr<const ReadingDictionary> words() const;

    std::unique_ptr<MeCab::Model> model_;
    std::unique_ptr<MeCab::Tagger> tagger_;
    mutable std::mutex wordsMutex_;
    std::shared_ptr<const ReadingDictionary> words_;
};

// The UTF-8 bytes of `text`, as MeCab takes it, and for each of its UTF-16
// positions (and its end) the byte offset there, so that MeCab's words can be
// found again in the text.
std::pair<QByteArray, std::vector<int>> utf8WithOffsets(QStringView text);

// Hiragana turned into katakana; everything else unchanged.
using kana::toKatakana;

// The name of a Latin letter in katakana (A → エー); empty for other characters.
QString letterReading(QChar letter);

} // namespace kerubara
