#include "tools/TapeCommands.h"

#include "sound/DataIo.h"
#include "sound/EspeakSynth.h"
#include "sound/JapaneseReader.h"
#include "sound/VoiceEngine.h"
#include "sound/WavWriter.h"
#include "tools/Csv.h"
#include "tools/ToolFiles.h"

#include <QFile>
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

int sayText(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList rest = args;
    const bool printReading = rest.removeAll(QStringLiteral("--reading")) > 0;
    if (rest.isEmpty() || rest.size() > 2 || (!printReading && rest.size() != 2)) {
        err << QStringLiteral("say には話す文章と出力の WAV ファイルを指定してください（--reading だけなら WAV は省略できます）。\n")
            << QStringLiteral("「kerubara-data --help」で使い方を表示します。\n");
        return 2;
    }
    const auto reader = JapaneseReader::create();
    if (!reader) {
        err << QStringLiteral("MeCab の辞書（mecab-ipadic-utf8）を読み込めません。読みを作れないため、話せません。\n");
        return 1;
    }
    const QString &text = rest[0];
    if (printReading)
        out << reader->reading(text) << '\n';
    if (rest.size() < 2)
        return 0;
    const QString &wavPath = rest[1];
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
