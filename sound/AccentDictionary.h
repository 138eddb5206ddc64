// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/AccentProblem.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace MeCab {
class Model;
class Tagger;
} // namespace MeCab

namespace kerubara {

// A word of the accent dictionary: where it stands in the text analysed
// and its features (part of speech in four fields, conjugation type and
// form, base form, reading, pronunciation, accent type/morae, chain rule).
struct DictionaryWord
{
    qsizetype begin = 0;
    qsizetype end = 0;
    QString surface;
    QStringList features;
    // A later word of an entry the dictionary keeps as several words
    // (ありがとう:ございます): it starts an accent phrase of its own.
    bool startsPhrase = false;

    // A word of the dictionary's own, with an accent; digits and words it
    // does not know have none.
    bool isKnown() const { return features.size() >= 11; }
    QString pronunciation() const { return isKnown() ? features[8] : QString(); }
    int accent() const { return features.value(9).section(u'/', 0, 0).toInt(); }
    QString chainRule() const { return features.value(10); }
};

// Open JTalk's dictionary (naist-jdic as Debian's open-jtalk-mecab-naist-jdic
// installs it) in MeCab, for each word's accent. Debian's copy has no
// resource file (dicrc) of its own, which MeCab wants beside the
// dictionary: opening makes a folder with links to the dictionary's files
// and a dicrc of ours, loads it and removes the folder again (the loaded
// files stay mapped). The dictionary spells Latin letters and digits full
// width (ＩＣ); the text is spelt so for it. Analysing is safe from any
// thread.
class AccentDictionary
{
public:
    // The installed dictionary's folder, or empty when there is none.
    static QString defaultFolder();
    // Null, with `why` set, when the dictionary in `folder` cannot be loaded.
    static std::unique_ptr<AccentDictionary> open(const QString &folder, AccentProblem *why);
    ~AccentDictionary();
    AccentDictionary(const AccentDictionary &) = delete;
    AccentDictionary &operator=(const AccentDictionary &) = delete;

    // The words of `text`, with a word boundary at each of `boundaries`
    // (positions in `text`).
    std::vector<DictionaryWord> analyse(const QString &text, const std::vector<qsizetype> &boundaries) const;

    // The dictionary's entry for `surface` as one word pronounced
    // `pronunciation` (katakana, ー for long vowels), of part of speech
    // `pos` (its first fields, such as 名詞 or 名詞,接尾) when one is given;
    // nothing when it has none.
    std::optional<DictionaryWord> lookUp(const QString &surface, const QString &pronunciation,
                                         const QString &pos = {}) const;

private:
    AccentDictionary(std::unique_ptr<MeCab::Model> model, std::unique_ptr<MeCab::Tagger> tagger);

    std::unique_ptr<MeCab::Model> model_;
    std::unique_ptr<MeCab::Tagger> tagger_;
};

} // namespace kerubara
