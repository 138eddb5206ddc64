// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TapeCommands.h"

#include "dialogs/SizeText.h"
#include "dialogs/VoiceMessages.h"
#include "formats/Csv.h"
#include "formats/DataIo.h"
#include "operation/VoicePreferences.h"
#include "reslib/BoundedRead.h"
#include "reslib/Cp932.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"
#include "sound/SpeechText.h"
#include "sound/Synthesiser.h"
#include "sound/VoiceCatalog.h"
#include "sound/VoiceEngine.h"
#include "sound/WavWriter.h"
#include "tools/ReadingNotes.h"
#include "tools/ToolFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextStream>

namespace kerubara::datatool {

int dumpTapeFile(const QString &path, QTextStream &out, QTextStream &err)
{
    QFile file(path);
    QString why;
    if (!openForReading(file, &why)) {
        err << path << ": " << why << '\n';
        return 1;
    }
    const TapeDataResult data = readTapeFile(file);
    for (const TapeDataWarning &w : data.warnings)
        err << path << ": " << tapeDataWarningText(w) << '\n';
    if (data.error) {
        err << path << ": " << tapeDataErrorText(*data.error) << '\n'
            << QCoreApplication::translate(
                   "TapeCommands", "このファイルは読み込まれず、系統設定のあと放送（送り・戻し）は使えません。\n");
        return 1;
    }
    out << csv::formatRow({QStringLiteral("Text"), QStringLiteral("StepFlag"), QStringLiteral("SoundFlag")});
    for (const TapeRecord &r : data.records)
        out << csv::formatRow({r.Text, QString::number(r.StepFlag), QString::number(r.SoundFlag)});
    return 0;
}

namespace {

// One line of a UTF-8 file in code page 932, or why it has none.
std::optional<QByteArray> lineToCp932(QByteArrayView line, int number, QStringList &problems)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(line);
    if (decoder.hasError()) {
        problems << QCoreApplication::translate("TapeCommands",
                                                "%1行目: UTF-8 として読めないバイトがあります。すでに Shift-JIS "
                                                "で保存されたファイルなら、変換は要りません。")
                        .arg(number);
        return std::nullopt;
    }
    qsizetype bad = -1;
    QByteArray bytes = cp932::encode(text, &bad);
    if (bad >= 0) {
        const QString ch = text.mid(bad, text[bad].isHighSurrogate() ? 2 : 1);
        problems << QCoreApplication::translate(
                        "TapeCommands",
                        "%1行目: 「%2」（U+%3）は Shift-JIS で表せない文字です。別の文字に書き換えてください。")
                        .arg(QString::number(number), ch,
                             QString::number(ch.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0'));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

int utf8ToTapeFile(const QString &inPath, const QString &outPath, QTextStream &err)
{
    QString why;
    // Japanese grows by half in UTF-8 (two bytes of Shift-JIS become
    // three); what the conversion gives is held to the limit below.
    std::optional<QByteArray> utf8 = readWholeFile(inPath, 3 * kMaxTapeFileBytes / 2,
                                                   QCoreApplication::translate("TapeCommands", "放送用データ"), &why);
    auto refuse = [&] {
        err << outPath << QCoreApplication::translate("TapeCommands", " は作成・変更していません。\n");
        return 1;
    };
    if (!utf8) {
        err << inPath << ": " << why << '\n';
        return refuse();
    }
    if (utf8->startsWith("\xEF\xBB\xBF"))
        utf8->remove(0, 3);

    // Line by line, so that a problem is named with its line; the line ends
    // stay as they are.
    QStringList problems;
    QByteArray sjis;
    const QList<QByteArray> lines = utf8->split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (n > 0)
            sjis += '\n';
        if (const auto bytes = lineToCp932(lines[n], static_cast<int>(n + 1), problems))
            sjis += *bytes;
    }
    for (const QString &p : std::as_const(problems))
        err << inPath << ": " << p << '\n';
    if (!problems.isEmpty())
        return refuse();

    if (sjis.size() > kMaxTapeFileBytes) {
        err << QCoreApplication::translate("TapeCommands",
                                           "%1: Shift-JIS にすると %2になります。放送用データは %3 までです。\n")
                   .arg(inPath, sizeText(sjis.size()), sizeText(kMaxTapeFileBytes));
        return refuse();
    }
    const TapeDataResult data = readTapeData(sjis);
    for (const TapeDataWarning &w : data.warnings)
        err << inPath << ": " << tapeDataWarningText(w) << '\n';
    if (data.error) {
        err << inPath << ": " << tapeDataErrorText(*data.error) << '\n';
        return refuse();
    }
    return writeOutputFile(outPath, [&](QIODevice &out) { return out.write(sjis) == sjis.size(); }, err);
}

namespace {

// The arguments of say: --reading, --phonemes, any number of --dict FILE
// (or --dict=FILE), --voice FILE.htsvoice|espeak, then the text and the WAV
// file.
struct SayArguments
{
    bool printReading = false;
    bool printPhonemes = false;
    QStringList dictionaries;
    QString voice;
    QStringList rest;
    QString error;
};

SayArguments sayArguments(const QStringList &args)
{
    SayArguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--reading") {
            a.printReading = true;
        } else if (arg == u"--phonemes") {
            a.printPhonemes = true;
        } else if (arg == u"--dict") {
            if (i + 1 >= args.size()) {
                a.error =
                    QCoreApplication::translate("TapeCommands", "--dict には読み辞書のファイルを指定してください。");
                return a;
            }
            a.dictionaries << args[++i];
        } else if (arg.startsWith(u"--dict=")) {
            a.dictionaries << arg.mid(7);
        } else if (arg == u"--voice" || arg.startsWith(u"--voice=")) {
            if (arg == u"--voice" && i + 1 >= args.size()) {
                a.error = QCoreApplication::translate(
                    "TapeCommands", "--voice には音声ファイル（.htsvoice）か espeak を指定してください。");
                return a;
            }
            a.voice = arg == u"--voice" ? args[++i] : arg.mid(8);
        } else {
            a.rest << arg;
        }
    }
    const bool printsOnly = a.printReading || a.printPhonemes;
    if (a.rest.isEmpty() || a.rest.size() > 2 || (!printsOnly && a.rest.size() != 2))
        a.error = QCoreApplication::translate("TapeCommands",
                                              "say には話す文章と出力の WAV ファイルを指定してください（--reading か "
                                              "--phonemes だけなら WAV は省略できます）。");
    return a;
}

} // namespace

int sayText(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const SayArguments a = sayArguments(args);
    if (!a.error.isEmpty()) {
        err << a.error << '\n'
            << QCoreApplication::translate("TapeCommands", "「kerubara-data --help」で使い方を表示します。\n");
        return 2;
    }
    for (const QString &dictionary : a.dictionaries) {
        if (const QFileInfo info(dictionary); !info.isFile()) {
            err << dictionary << ": "
                << (info.exists() && !info.isDir()
                        ? notRegularFileText()
                        : QCoreApplication::translate("TapeCommands", "読み辞書のファイルが見つかりません。"))
                << '\n';
            return 1;
        }
    }
    const auto reader = JapaneseReader::create();
    if (!reader) {
        err << QCoreApplication::translate(
            "TapeCommands", "MeCab の辞書（mecab-ipadic-utf8）を読み込めません。読みを作れないため、話せません。\n");
        return 1;
    }
    // The user's dictionary, then those named, each overriding the ones
    // before; a bad line is named and left out.
    std::vector<ReadingProblem> problems;
    reader->setUserDictionary(ReadingDictionary::readFiles(QStringList{ReadingDictionary::userFile()} + a.dictionaries, &problems));
    for (const ReadingProblem &problem : problems)
        err << readingProblemText(problem) << '\n';
    const QString &text = a.rest[0];
    const TextReading read = reader->read(text);
    if (a.printReading)
        out << read.kana << '\n';
    if (a.printPhonemes) {
        AccentProblem why;
        const auto frontEnd = JapaneseFrontEnd::create(*reader, &why);
        if (!frontEnd) {
            err << accentProblemText(why) << QCoreApplication::translate("TapeCommands", "HTS 音声に渡す音素を作れません。\n");
            return 1;
        }
        out << frontEnd->analyse(text).phonemes.join(u' ') << '\n';
    }
    if (const QString note = unknownCharactersNote(read); !note.isEmpty())
        err << QCoreApplication::translate("TapeCommands", "注意: %1\n").arg(note);
    if (a.rest.size() < 2)
        return 0;
    const QString &wavPath = a.rest[1];
    // The voice the user set in the program's 音声の調節, only read.
    const VoiceSettings settings = voiceSettings(PreferenceStore(Preferences::Remembered));
    AccentProblem why;
    const auto frontEnd = JapaneseFrontEnd::create(*reader, &why);
    VoiceChoice choice;
    if (!a.voice.isEmpty()) {
        // The voice asked for on the command line, or none.
        VoiceFileCheck check;
        choice.voice = a.voice;
        if (a.voice != VoiceSettings::espeak() && !frontEnd) {
            err << voiceNoticeText(VoiceNotice{VoiceNotice::Kind::NoAccentDictionary, {}, {}, why}) << '\n';
            return 1;
        }
        if (!(choice.synthesiser = voices::open(a.voice, &check))) {
            err << (check.ok()
                        ? QCoreApplication::translate("TapeCommands", "espeak-ng の日本語音声（ja）を読み込めません。")
                        : voiceRefusedText(a.voice, check)
                            + QCoreApplication::translate("TapeCommands", "%1 は作成していません。").arg(wavPath))
                << '\n';
            return 1;
        }
    } else {
        choice = voices::choose(settings.voice, VoicePlaces::standard(), frontEnd != nullptr, why);
        if (const QString notice = voiceNoticeText(choice.notice); !notice.isEmpty())
            err << QCoreApplication::translate("TapeCommands", "注意: %1\n").arg(notice);
        if (!choice.synthesiser) {
            err << QCoreApplication::translate("TapeCommands", "espeak-ng の日本語音声（ja）を読み込めません。\n");
            return 1;
        }
    }
    SpokenText spoken;
    if (choice.voice != VoiceSettings::espeak())
        spoken = frontEnd->analyse(text);
    else
        spoken.reading = read.kana;
    std::vector<std::int16_t> samples;
    if (!speakToSamples(spoken, *choice.synthesiser, settings, samples)) {
        err << QCoreApplication::translate("TapeCommands", "音声の合成に失敗しました。%1 は作成していません。\n")
                   .arg(wavPath);
        return 1;
    }
    QString error;
    if (!saveWavFile(wavPath, samples, 1, choice.synthesiser->sampleRate(), &error)) {
        err << wavPath
            << QCoreApplication::translate("TapeCommands", ": 書き込めません（%1）。元のファイルは変更していません。\n")
                   .arg(error);
        return 1;
    }
    return 0;
}

} // namespace kerubara::datatool
