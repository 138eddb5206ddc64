// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kerubara {

// A line of a reading dictionary file that was left out, or a file that
// was not read, and why; the windows and the data tool word it.
struct ReadingProblem
{
    enum class Kind {
        NoReading,      // one field only
        TooManyFields,  // more than text and reading
        EmptyText,
        EmptyReading,
        NotKatakana,    // value: the reading as written
        NotUtf8,
        OpenQuote,
        NotRegularFile, // a folder, device or pipe
        Unreadable,     // value: why the system refused
        TooLarge,       // value: the largest size allowed, in bytes
    };
    Kind kind = Kind::NoReading;
    int line = 0;   // 1-based; 0 for the whole file
    QString value;
    QString file;   // set by readFiles
};

// Words read the way the dictionary says, before MeCab reads the rest of a
// text: the transit words built into the program (後払い, 整理券, …) and the
// user's own, from UTF-8 CSV files of "text,reading" lines with the reading
// in katakana. A text is matched longest first; a later entry for the same
// text replaces an earlier one, so a user's entry overrides a built-in one.
class ReadingDictionary
{
public:
    // The name of a user dictionary file: in the broadcast data folder and in
    // the user's configuration folder.
    static QString fileName() { return QStringLiteral("yomi.csv"); }
    // yomi.csv in the user's configuration folder for kerubara.
    static QString userFile();
    // yomi.csv in the broadcast data folder `folder` (which ends in a
    // separator, or is empty for the current folder), the name matched
    // without regard to case as the broadcast data files are.
    static QString dataFolderFile(const QString &folder);

    // The transit words that come with the program.
    static const ReadingDictionary &builtIn();

    // Reads the lines of a dictionary file. A line that is not a text and a
    // katakana reading is left out and named in `problems`; blank lines,
    // lines starting with #, and a heading line (text,reading / 表記,読み)
    // are skipped quietly. Hiragana in a reading is taken as katakana.
    static ReadingDictionary parse(const QByteArray &bytes, std::vector<ReadingProblem> *problems = nullptr);

    // Reads the file at `path`. A missing file is an empty dictionary with no
    // problem; an unreadable one gives one problem with line 0.
    static ReadingDictionary readFile(const QString &path, std::vector<ReadingProblem> *problems = nullptr);

    // The dictionaries in `paths` read in order, a later one overriding an
    // earlier one; missing files are skipped. Each problem is added to
    // `problems` with the file it was found in.
    static ReadingDictionary readFiles(const QStringList &paths, std::vector<ReadingProblem> *problems);

    // Adds an entry, replacing one with the same text. False (and nothing
    // added) when the text is empty or the reading is not kana.
    bool insert(const QString &text, const QString &reading);
    // Every entry of `other`, replacing entries of this one with the same text.
    void merge(const ReadingDictionary &other);

    // The number of characters of the longest entry whose text starts at
    // `pos` of `text` (normalised as normalizeForReading does), or 0;
    // `reading` receives its reading. Latin letters match in either case.
    qsizetype longestMatch(QStringView text, qsizetype pos, QString *reading) const;

    // The reading of exactly `text`, or empty.
    QString reading(const QString &text) const;

    qsizetype size() const { return readings_.size(); }
    bool isEmpty() const { return readings_.isEmpty(); }

    // A reading as the dictionary keeps it: katakana, the long vowel mark and
    // the pauses 、 and 。 (hiragana turned into katakana, the middle dot ・
    // into 、, spaces dropped); empty when it holds anything else.
    static QString cleanReading(QStringView reading);

private:
    // Latin capitals folded to small letters.
    static QString key(QStringView text);
    // A text as the reader sees it (normalised, no spaces), folded.
    static QString entryKey(QStringView text);

    // Folded text → reading, and for each first character the lengths of
    // the texts starting with it, longest first.
    QHash<QString, QString> readings_;
    QHash<QChar, std::vector<qsizetype>> lengthsByFirst_;
};

} // namespace kerubara
