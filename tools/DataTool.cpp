#include "tools/DataTool.h"

#include "sound/DataIo.h"
#include "tools/FareCommands.h"
#include "tools/TapeCommands.h"

#include <QTextStream>

namespace kerubara::datatool {
namespace {

const char16_t kUsage[] = uR"(使い方: kerubara-data コマンド [引数...]

ケルバラの運賃データ(.hy3)と放送用データ(*****tp.csv)を作成・確認するための
ツールです。画面やサウンドカードがなくても動きます。

コマンド:
  dump FILE.hy3
      運賃データを CSV（UTF-8、改行 LF、RFC 4180 の引用規則）で標準出力に
      書き出します。1行目は見出し「Chimei,SeirikenNo,Col1,…,Col150」、
      続いて停留所ごとに1行（停留所名と151個の整数）をファイルの順に出します。

  dump FILEtp.csv
      名前が tp.csv で終わる（大文字・小文字は問いません）放送用データを、
      プログラムが読み込むとおりに CSV（UTF-8、改行 LF）で書き出します。
      1行目は見出し「Text,StepFlag,SoundFlag」、続いてファイルの1行ごとに
      1件（文章、移動フラグ、サウンドフラグ）です。放送用データは Shift-JIS
      で、各行に「文章,移動フラグ,サウンドフラグ」を書きます。プログラムが
      読み込まないファイル（行の途中で終わる、フラグが -32768～32767 を
      超える、項目が多すぎる）は行番号つきで理由を表示し、終了コード 1 で
      終わります。

  say [--reading] TEXT [OUT.wav]
      TEXT を放送と同じ音声で話し、OUT.wav（16ビット PCM）に書き出します。
      --reading をつけると、話すときの読み（カタカナ）を表示します
      （このときは OUT.wav を省略できます）。声の速さ・高さ・音量は
      プログラムの「音声の調節」で保存した値を使います。

  hy3 IN.csv OUT.hy3
      dump と同じ形の CSV から運賃データを作ります。dump した CSV をそのまま
      hy3 に戻すと、元と同じバイト列のファイルになります。
      各行は152列、数値は -32768～32767 の整数、停留所名は Shift-JIS で
      表せる文字、停留所は301件までです。問題があると行番号つきで理由を
      表示して終了コード 1 で終わり、OUT.hy3 は作成も変更もしません
      （書き込みは一時ファイル経由で、途中で失敗しても元のファイルは残ります）。

  check FILE.hy3...
      運賃データを検査し、問題1件につき1行「FILE: record N: …」を出します。
      問題があれば終了コード 1、なければ何も出さずに 0 で終わります。
      検査する内容: 件数が0・負・1件・301超、件数に足りないデータ
      （途中で切れたレコード）、Shift-JIS として読めない停留所名、
      最後の停留所の後の余分なデータ。

  help, --help, -h
      この説明を表示します。

終了コード: 0 成功、1 入力の問題、2 使い方の誤り。
)";

int usageError(QTextStream &err, const QString &message)
{
    err << message << '\n' << QStringLiteral("「kerubara-data --help」で使い方を表示します。\n");
    return 2;
}

bool isHelp(const QString &arg)
{
    return arg == u"--help" || arg == u"-h" || arg == u"help";
}

} // namespace

bool needsGui(const QStringList &args)
{
    static const QStringList guiCommands{};
    return !args.isEmpty() && guiCommands.contains(args.front());
}

int run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usageError(err, QStringLiteral("コマンドを指定してください。"));
    const QString &command = args.front();
    const QStringList rest = args.mid(1);
    if (isHelp(command) || (rest.size() == 1 && isHelp(rest.front()))) {
        out << QString::fromUtf16(kUsage);
        return 0;
    }
    if (command == u"dump") {
        if (rest.size() != 1)
            return usageError(err, QStringLiteral("dump にはファイルを1つ指定してください。"));
        if (isTapeFileName(rest[0]))
            return dumpTapeFile(rest[0], out, err);
        return dumpFareFile(rest[0], out, err);
    }
    if (command == u"say")
        return sayText(rest, out, err);
    if (command == u"hy3") {
        if (rest.size() != 2)
            return usageError(err, QStringLiteral("hy3 には入力の CSV と出力の .hy3 を指定してください。"));
        return csvToFareFile(rest[0], rest[1], err);
    }
    if (command == u"check") {
        if (rest.isEmpty())
            return usageError(err, QStringLiteral("check には検査するファイルを指定してください。"));
        return checkFareFiles(rest, out, err);
    }
    return usageError(err, QStringLiteral("「%1」というコマンドはありません。").arg(command));
}

} // namespace kerubara::datatool
