// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace kerubara {

class JapaneseReader;

// One text made ready for a synthesiser.
struct SpokenText
{
    QString reading;        // our katakana reading, as `say --reading` prints
    QStringList phonemes;   // the HTS voice's phoneme set: a i u e o N cl pau k s sh …; a long vowel twice
    QStringList labels;     // full-context labels, one per phoneme with the leading and trailing sil
    QStringList unreadable; // characters read one by one or left out, for warnings
};

// Turns text into what a synthesiser speaks: our reading, its phonemes and
// the labels with their pitch accent. GUI-free; analyse() is thread-safe.
class JapaneseFrontEnd
{
public:
    // Null, with `why`, when the accent dictionary is missing.
    static std::unique_ptr<JapaneseFrontEnd> create(const JapaneseReader &reader, QString *why);
    ~JapaneseFrontEnd();
    SpokenText analyse(const QString &text) const;

private:
    explicit JapaneseFrontEnd(const JapaneseReader &reader);
    const JapaneseReader &reader_;
};

} // namespace kerubara
