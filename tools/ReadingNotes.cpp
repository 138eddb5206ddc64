// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ReadingNotes.h"
#include <QCoreApplication>

#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"

namespace kerubara::datatool {

QString unknownCharactersNote(const TextReading &reading)
{
    QStringList guessed;
    QStringList dropped;
    for (const UnknownCharacter &u : reading.unknown) {
        if (u.reading.isEmpty())
            dropped << QCoreApplication::translate("ReadingNotes", "「%1」").arg(u.character);
        else
            guessed << QCoreApplication::translate("ReadingNotes", "「%1」（%2）").arg(u.character, u.reading);
    }
    QStringList parts;
    if (!guessed.isEmpty())
        parts << QCoreApplication::translate("ReadingNotes", "%1は読み辞書に語が無いため、1字ずつの読みで読みます")
                     .arg(guessed.join(QCoreApplication::translate("ReadingNotes", "、")));
    if (!dropped.isEmpty())
        parts << QCoreApplication::translate("ReadingNotes", "%1は読みが分からないため、読み上げません")
                     .arg(dropped.join(QCoreApplication::translate("ReadingNotes", "、")));
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("ReadingNotes",
                                       "%1。正しい読みは読み辞書（yomi.csv）に「文字,読み」の行で書けます。")
        .arg(parts.join(QCoreApplication::translate("ReadingNotes", "。")));
}

std::vector<std::pair<qsizetype, QString>> stopNameReadingNotes(const QStringList &names, const QStringList &dictionaryFiles)
{
    std::vector<std::pair<qsizetype, QString>> notes;
    const auto reader = JapaneseReader::create();
    if (!reader)
        return notes;
    reader->setUserDictionary(ReadingDictionary::readFiles(QStringList{ReadingDictionary::userFile()} + dictionaryFiles, nullptr));
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (const QString note = unknownCharactersNote(reader->read(names[i])); !note.isEmpty())
            notes.emplace_back(i, note);
    }
    return notes;
}

} // namespace kerubara::datatool
