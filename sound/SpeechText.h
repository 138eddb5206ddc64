// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/AccentProblem.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kerubara {

class AccentDictionary;
class JapaneseReader;
struct AccentWord;
struct TextReading;

// One text made ready for a synthesiser.
struct SpokenText
{
    QString reading;        // our katakana reading, as `say --reading` prints it
    QStringList phonemes;   // in the HTS voices' Japanese set (a i u e o N cl pau k s sh …, a long
                            // vowel as the vowel twice, a whispered vowel in capitals), without the
                            // silences at both ends
    QStringList labels;     // HTS full-context labels, one per phoneme with sil at both ends
    QStringList unreadable; // characters read one by one or left out, for warnings
};

// Turns Japanese text into what an HTS voice speaks, with Tokyo pitch
// accent. The reading is ours (JapaneseReader: numbers and counters, the
// reading dictionaries, MeCab); the accent comes from Open JTalk's
// dictionary (naist-jdic, in MeCab), whose analysis of the same text gives
// each word's accent type, mora count and accent-chain rule. Where our
// reading of a stretch differs from the dictionary's, the dictionary is
// asked for the word with our pronunciation, and failing that the word
// takes a rule of ours: a number's accent from its digits and its counter's
// chain rule, a place name only our dictionary knows flat. The words are
// then joined into accent phrases, each phrase's accent nucleus set from its
// words' chain rules, and vowels between voiceless consonants whispered, as
// the HTS voices made with Open JTalk's labels expect them. See
// docs/ARCHITECTURE.md (Speech) for the rules and why.
class JapaneseFrontEnd
{
public:
    // Null, with `why` set, when the accent dictionary is missing or cannot
    // be loaded. `reader` must outlive the front end.
    static std::unique_ptr<JapaneseFrontEnd> create(const JapaneseReader &reader, AccentProblem *why);
    // The same with the accent dictionary in `dictionaryFolder`.
    static std::unique_ptr<JapaneseFrontEnd> create(const JapaneseReader &reader, const QString &dictionaryFolder,
                                                    AccentProblem *why);
    ~JapaneseFrontEnd();
    JapaneseFrontEnd(const JapaneseFrontEnd &) = delete;
    JapaneseFrontEnd &operator=(const JapaneseFrontEnd &) = delete;

    // Safe to call from any thread.
    SpokenText analyse(const QString &text) const;

    // The words of `text` with their accent phrases, accent types and
    // whispered vowels: what the labels are made of.
    std::vector<AccentWord> words(const QString &text) const;

private:
    JapaneseFrontEnd(const JapaneseReader &reader, std::unique_ptr<AccentDictionary> dictionary);
    std::vector<AccentWord> wordsOf(const TextReading &reading) const;

    const JapaneseReader &reader_;
    std::unique_ptr<AccentDictionary> dictionary_;
};

} // namespace kerubara
