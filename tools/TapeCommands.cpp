// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TapeCommands.h"

#include "sound/DataIo.h"
#include "sound/EspeakSynth.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"
#include "sound/VoiceEngine.h"
#include "sound/WavWriter.h"
#include "tools/Csv.h"
#include "tools/ToolFiles.h"

#include <QFile>
#include <QFileInfo>
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
    const TapeDataResult data = readTapeData(file.readAll());
    for (const TapeDataWarning &w : data.warnings)
        err << path << ": " << w.message << '\n';
    if (data.error) {
        err << path << ": " << data.error->message << '\n'
            << QStringLiteral("このファイルは読み込まれず、系統設定のあと放送（送り・戻し）は使えません。\n");
        return 1;
    }
    out << csv::formatRow({QStringLiteral("Text"), QStringLiteral("StepFlag"), QStringLiteral("SoundFlag")});
    for (const TapeRecord &r : data.records)
        out << csv::formatRow({r.Text, QString::number(r.StepFlag), QString::number(r.SoundFlag)});
    return 0;
}

namespace {

// The arguments of say: --reading, any number of --dict FILE (or
// --dict=FILE), then the text and the WAV file.
struct SayArguments
{
    bool printReading = false;
    QStringList dictionaries;
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
        } else if (arg == u"--dict") {
            if (i + 1 >= args.size()) {
                a.error = QStringLiteral("--dict には読み辞書のファイルを指定してください。");
                return a;
            }
            a.dictionaries << args[++i];
        } else if (arg.startsWith(u"--dict=")) {
            a.dictionaries << arg.mid(7);
        } else {
            a.rest << arg;
        }
    }
    if (a.rest.isEmpty() || a.rest.size() > 2 || (!a.printReading && a.rest.size() != 2))
        a.error = QStringLiteral("say には話す文章と出力の WAV ファイルを指定してください（--reading だけなら WAV は省略できます）。");
    return a;
}

} // namespace

int sayText(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const SayArguments a = sayArguments(args);
    if (!a.error.isEmpty()) {
        err << a.error << '\n' << QStringLiteral("「kerubara-data --help」で使い方を表示します。\n");
        return 2;
    }
    for (const QString &dictionary : a.dictionaries) {
        if (!QFileInfo(dictionary).isFile()) {
            err << dictionary << QStringLiteral(": 読み辞書のファイルが見つかりません。\n");
            return 1;
        }
    }
    const auto reader = JapaneseReader::create();
    if (!reader) {
        err << QStringLiteral("MeCab の辞書（mecab-ipadic-utf8）を読み込めません。読みを作れないため、話せません。\n");
        return 1;
    }
    // The user's dictionary, then those named, each overriding the ones
    // before; a bad line is named and left out.
    QStringList problems;
    reader->setUserDictionary(ReadingDictionary::readFiles(QStringList{ReadingDictionary::userFile()} + a.dictionaries, &problems));
    for (const QString &problem : std::as_const(problems))
        err << problem << '\n';
    const QString &text = a.rest[0];
    if (a.printReading)
        out << reader->reading(text) << '\n';
    if (a.rest.size() < 2)
        return 0;
    const QString &wavPath = a.rest[1];
    if (!EspeakSynth::load()) {
        err << QStringLiteral("espeak-ng の日本語音声（ja）を読み込めません。\n");
        return 1;
    }
    std::vector<std::int16_t> samples;
    if (!speakToSamples(*reader, text, VoiceSettings::load(VoiceSettings::defaultFile()), samples)) {
        err << QStringLiteral("音声の合成に失敗しました。%1 は作成していません。\n").arg(wavPath);
        return 1;
    }
    QString error;
    if (!saveWavFile(wavPath, samples, 1, EspeakSynth::sampleRate(), &error)) {
        err << wavPath << QStringLiteral(": 書き込めません（%1）。元のファイルは変更していません。\n").arg(error);
        return 1;
    }
    return 0;
}

} // namespace kerubara::datatool
