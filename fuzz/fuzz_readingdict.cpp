// SPDX-License-Identifier: GPL-3.0-or-later
// Reading dictionaries (yomi.csv) as speech reads them: the user's own words
// in "text,reading" lines.
//
// A line left out is named by its number; a word taken in reads as clean
// katakana; the file read by name gives the same words as its bytes; and the
// reader speaks a text full of those words with the dictionary in use.

#include "FuzzSupport.h"

#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"

#include <QCoreApplication>

using namespace kerubara;

namespace {

std::unique_ptr<fuzz::ScratchFolder> scratch;
std::unique_ptr<JapaneseReader> reader; // null without MeCab's dictionary

// The texts of the input's lines: what a word of the dictionary can be.
QStringList textsOf(const QByteArray &bytes)
{
    QStringList texts;
    for (const QByteArray &line : bytes.split('\n')) {
        const qsizetype comma = line.indexOf(',');
        texts << QString::fromUtf8(comma >= 0 ? line.left(comma) : line).trimmed();
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::application<QCoreApplication>(argc, argv);
    scratch = std::make_unique<fuzz::ScratchFolder>();
    reader = JapaneseReader::create();
    // Torn down at exit while the Qt globals they use are still there,
    // which the destructors of this file's globals run too late for.
    std::atexit([] {
        reader.reset();
        scratch.reset();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    std::vector<ReadingProblem> problems;
    const ReadingDictionary words = ReadingDictionary::parse(bytes, &problems);
    const qsizetype lines = bytes.count('\n') + 1;
    for (const ReadingProblem &p : problems) {
        FUZZ_CHECK(p.line >= 1 && p.line <= lines);
        FUZZ_CHECK(p.value.isEmpty() == (p.kind != ReadingProblem::Kind::NotKatakana));
    }

    const QStringList texts = textsOf(bytes);
    for (const QString &text : texts) {
        const QString reading = words.reading(text);
        FUZZ_CHECK(reading.isEmpty() || ReadingDictionary::cleanReading(reading) == reading);
    }

    std::vector<ReadingProblem> fileProblems;
    const ReadingDictionary fromFile =
        ReadingDictionary::readFile(scratch->put(ReadingDictionary::fileName(), bytes), &fileProblems);
    FUZZ_CHECK(fromFile.size() == words.size() && fileProblems.size() == problems.size());

    if (reader) {
        reader->setUserDictionary(words);
        reader->reading(texts.join(u'、').left(400));
    }
    return 0;
}
