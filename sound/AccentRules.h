// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kerubara {

// One mora of a reading in the phoneme set of the HTS voices made with Open
// JTalk's labels: a consonant (k, sh, ts, ky, …) or none, then a vowel (a i
// u e o), or the moraic nasal N, or the closure cl of ッ. ー has no sound of
// its own: it draws out the phoneme before it.
struct Mora
{
    QString kana;
    QString consonant;
    QString vowel;          // a, i, u, e, o, N, cl; empty for ー
    bool devoiced = false;  // the vowel whispered (k I, s U): A I U E O in the labels
    bool isLong() const { return vowel.isEmpty(); }
    friend bool operator==(const Mora &, const Mora &) = default;
};

// The morae of a katakana reading. A character that is no kana sound (a
// pause, a letter) is skipped; a small kana with no kana before it to join
// is read as its vowel; ’ after a mora (the accent dictionary's デス’) marks
// its vowel whispered.
std::vector<Mora> splitMorae(QStringView kana);

// The phonemes of a reading, space-separated, ー drawn out as the vowel
// twice; for comparing readings by their sound.
QString soundOf(QStringView kana);

// One word of an utterance as the accent rules and the labels see it: its
// part of speech (in the IPA dictionary's four fields and conjugation, as
// naist-jdic has them), its accent type (0 flat, n: the pitch falls after
// its n-th mora), and naist-jdic's accent-chain rule for joining the word
// before it in one accent phrase (C1…C5 for nouns, F1…F5 for ancillary
// words, P1…P14 for prefixes, each possibly by the part of speech before:
// 名詞%F1/動詞%F2@0).
struct AccentWord
{
    QString surface;
    QString pronunciation; // katakana
    QStringList pos{QStringLiteral("名詞"), QStringLiteral("一般"), QStringLiteral("*"), QStringLiteral("*")};
    QString conjugationType = QStringLiteral("*");
    QString conjugationForm = QStringLiteral("*");
    int accent = 0;
    QString chainRule;
    int chainFlag = -1; // 1 joins the accent phrase before, 0 starts one, -1 not decided yet
    std::vector<Mora> morae;

    // A pause (、 or 。 in the reading).
    static AccentWord pause();
    bool isPause() const { return pos.value(0) == u"記号" && morae.empty(); }
    int moraCount() const { return static_cast<int>(morae.size()); }
    // Sets the pronunciation and its morae.
    void setPronunciation(const QString &kana);
};

// Which word joins the accent phrase before it (chainFlag), for the words
// not decided yet: ancillary words (particles, auxiliaries, suffixes) join,
// a noun after a noun joins, adverbs, conjunctions, pre-noun adjectivals,
// prefixes, symbols and a word after a particle start their own.
void setAccentPhrases(std::vector<AccentWord> &words);

// Each accent phrase's accent type, on its first word: the chain rule of
// every word after the first (C1: the phrase takes the last word's own
// accent after the morae before it; C2: the fall after the first mora of the
// last word; C3: after the last mora before it; C4: flat; C5: as the phrase
// was; F1…F5 and P… for ancillary words and prefixes).
void setAccentTypes(std::vector<AccentWord> &words);

// Moves an accent nucleus that a chain rule put on ン, ッ or ー (サンビャク
// after C3 on ン, ジュップン on ッ) to the mora before it: the pitch of
// Tokyo speech never falls from a mora that has no vowel of its own.
void keepNucleiOnVowels(std::vector<AccentWord> &words);

// Marks the vowels Tokyo speech whispers: i and u between voiceless
// consonants (キ, ク, シ, ス, チ, ツ, ヒ, フ, ピ, プ before k, s, t, h, p), the
// す of です and ます before another word, never on an accent nucleus and
// never two in a row.
void devoiceVowels(std::vector<AccentWord> &words);

} // namespace kerubara
