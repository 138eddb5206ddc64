#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <mutex>

namespace MeCab {
class Tagger;
}

namespace kerubara {

// Turns Japanese text into the katakana a speech synthesizer reads aloud,
// with MeCab and its UTF-8 IPA dictionary: each word's pronunciation, so the
// particle は reads ワ, へ reads エ and long vowels come out as ー
// (東京 → トーキョー). Numbers are read out (12 → ジュウニ), Latin letters
// by their names, and punctuation becomes the pauses 、 and 。. Words the
// dictionary cannot read and that are not kana are left out.
class JapaneseReader
{
public:
    // Null when MeCab or the UTF-8 IPA dictionary cannot be loaded.
    static std::unique_ptr<JapaneseReader> create();
    ~JapaneseReader();
    JapaneseReader(const JapaneseReader &) = delete;
    JapaneseReader &operator=(const JapaneseReader &) = delete;

    // Safe to call from any thread.
    QString reading(const QString &text) const;

    // The dictionary folder used, or empty when none is installed.
    static QString dictionaryPath();

private:
    explicit JapaneseReader(std::unique_ptr<MeCab::Tagger> tagger);

    mutable std::mutex mutex_;
    std::unique_ptr<MeCab::Tagger> tagger_;
};

// A run of ASCII digits read as a Japanese number (300 → サンビャク,
// 8000 → ハッセン, 10000 → イチマン). A run with a leading zero, or one
// longer than 16 digits, is read digit by digit.
QString numberReading(QStringView digits);

// Hiragana turned into katakana; everything else unchanged.
QString toKatakana(QStringView text);

// The name of a Latin letter in katakana (A → エー); empty for other characters.
QString letterReading(QChar letter);

} // namespace kerubara
