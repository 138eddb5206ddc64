// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataTool.h"

#include "formats/DataIo.h"
#include "settings/StartupColors.h"
#include "tools/FareCommands.h"
#include "tools/GtfsCommands.h"
#include "tools/RenderDigits.h"
#include "tools/RenderName.h"
#include "tools/RouteSheet.h"
#include "tools/SettingsCommands.h"
#include "tools/TapeCommands.h"
#include "tools/TicketCommands.h"
#include "tools/ToolFiles.h"

#include <QCoreApplication>
#include <QTextStream>

namespace kerubara::datatool {
namespace {

// The help, translated where it is shown.
const char kUsage[] = QT_TRANSLATE_NOOP("DataTool", R"(使い方: kerubara-data [--lang ja|en] コマンド [引数...]

ケルバラの運賃データ(.hy3)、放送用データ(*****tp.csv)と設定ファイル(.in4)を
作成・確認し、停留所名や数字の表示、整理券、放送の読み上げを試すためのツールです。
画面やサウンドカードがなくても動きます。

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
      終わります。途中の空行で項目がずれたときは、その空行の行番号を
      示します。全角数字で書いたフラグ（0 として読まれます）には警告を
      出します。ファイル末尾の Ctrl-Z（古いエディタの終端記号）は
      データの終わりとして扱います。UTF-8 で保存されたファイルには、そう
      伝える警告を1つだけ出します（tp で Shift-JIS に変換できます）。

  tp IN.csv OUTtp.csv
      UTF-8 で保存した放送用データ（先頭の BOM はあってもなくても構いません）を
      Shift-JIS に変換して OUTtp.csv に書きます。行と改行はそのままです。
      Shift-JIS で表せない文字や UTF-8 として読めない行は行番号つきで示し、
      変換したデータをプログラムが読み込めないとき（dump と同じ検査）も
      理由を表示して、終了コード 1 で終わります。このとき OUTtp.csv は
      作成も変更もしません（書き込みは一時ファイル経由です）。

  say [--reading] [--phonemes] [--dict FILE]... TEXT [OUT.wav]
      TEXT を放送と同じ音声で話し、OUT.wav（16ビット PCM）に書き出します。
      --reading をつけると、話すときの読み（カタカナ）を表示します。
      --phonemes をつけると、HTS 音声に渡す音素（a i u e o N cl pau k sh …、
      長音は母音2つ、無声化した母音は大文字）を空白で区切って表示します
      （お降りの方 → o o r i n o k a t a）。アクセントは Open JTalk の辞書
      （open-jtalk-mecab-naist-jdic）から付けます。どちらかをつけたときは
      OUT.wav を省略できます。声の速さ・高さ・音量は
      プログラムの「音声の調節」で保存した値を使います。
      読みは、数字と助数詞（1,200円、10分、4時、一丁目）をプログラムの
      規則で、交通用語を内蔵の読み辞書で、残りを MeCab で作ります。
      設定フォルダーの読み辞書（~/.config/kerubara/yomi.csv）があれば
      内蔵の辞書より優先して使います。
        --dict FILE  この読み辞書も使います（何度でも指定でき、後に
                     指定したものほど優先されます）。
      読み辞書は UTF-8 の CSV で、1行に「文字,読み」（読みはカタカナ、
      長音は「ー」）を書きます。# で始まる行と空行は読み飛ばします。
      書き方の誤った行は「FILE: N行目: 理由」を標準エラーに出して
      使わず、読み上げは続けます。プログラムは系統設定のたびに、
      放送用データのフォルダーの yomi.csv を設定フォルダーのものより
      優先して読み込みます。

  hy3 IN.csv OUT.hy3
      dump と同じ形の CSV から運賃データを作ります。dump した CSV をそのまま
      hy3 に戻すと、元と同じバイト列のファイルになります。
      見出しには使う列だけを好きな順に書くこともできます（例
      「Chimei,SeirikenNo,Col1,Col2」。Chimei は必須）。見出しにない列は
      すべての停留所で 0 になり、その数を1つの注意で知らせます。
      各行は見出しの列の数までで、数値は -32768～32767 の整数、停留所名は
      Shift-JIS で表せる65535バイトまでの文字で改行やタブなどの制御文字を
      含まないこと、停留所は301件までです。表計算ソフトで保存した CSV のように空のセルや列の
      足りない行があると、その部分を 0 として読み、その数と最初の場所を
      警告で1つだけ知らせます。空のセルだけの行は停留所になりません。問題があると行番号つきで理由を
      表示して終了コード 1 で終わり、OUT.hy3 は作成も変更もしません
      （書き込みは一時ファイル経由で、途中で失敗しても元のファイルは残ります）。

  check FILE.hy3...
      運賃データを検査し、問題1件につき1行「FILE: record N: …」を出します。
      問題があれば終了コード 1、なければ何も出さずに 0 で終わります。
      検査する内容: 件数が0・負・1件・301超、件数に足りないデータ
      （途中で切れたレコード）、Shift-JIS として読めない停留所名、
      最後の停留所の後の余分なデータ。
      整理券番号が12を超える停留所があると（運賃表示器の既定の表示は整理券
      番号 1～12 の運賃だけです）、「FILE: 注意: record N: …」と、全部を
      交互に表示するパネルの設定「表示する整理券番号」を標準エラーに
      出します。これは問題に数えません。運賃表示器の3桁の運賃に下3桁しか
      出ない運賃（1000円以上、深夜料金（2倍）では500円以上）も、昼と深夜の
      それぞれについて停留所・整理券番号・最高の運賃を同じように注意します。
      設定ファイルと一緒に検査すると、
      設定が停留所ごとに読む列（送り・戻し時のサウンドの列、情報用数字の
      データの列）がその運賃の列の中にあるときも注意を出します。
      運賃データは 18.9 MiB（件数と、名前が最長の停留所301件）を超えることは
      なく、それより大きいファイルはどのコマンドも読まずに断ります。
      どのコマンドも通常のファイルだけを読み、デバイス（/dev/zero など）や
      名前付きパイプ（FIFO）は待たずに読まずに断ります。

  dump FILE.in4
      設定ファイルを、プログラムが読み込むとおりに1項目1行「名前=値」で
      ファイルの順に書き出します。名前はオプション画面のコントロール名
      （Text2(0)、Command5(1)、Option3(7)、txtSelectSound(10)、Label10 …）、
      CtrlData.nBackFrame … CtrlData.nTop、FormPos.nLeft、FormPos.nTop、
      CustColors(0) … CustColors(16)、DegitCount、DegitUser(1).Shift、
      DegitUser(1).ZeroMode、DegitUser(1).FillZero … DegitUser(12).FillZero
      です。数値は10進数（色は符号付き32ビットの値）、文字列は UTF-8 で、
      制御文字はその記号（U+2400～U+241F、U+2421）で書きます。途中で終わって
      いるファイルは、足りない項目を 0 と空の文字列で出します（プログラムは
      それらの項目を起動時の値のままにします）。

  in4 IN.txt OUT.in4
      dump と同じ形のテキストから設定ファイルを作ります。項目の順番は自由で、
      書かれていない項目は、設定ファイルなしで起動したプログラムの値（オプション
      画面の初期値、スクロールバーは最小、ウィンドウ位置は 0、整理券の固定日付は
      今日、DegitCount は 12）になります。空行と # で始まる行は
      読み飛ばします。dump したテキストをそのまま in4 に戻すと、元と同じ
      バイト列のファイルになります。知らない名前、同じ名前の2回目、範囲外の
      値（16ビットの項目は -32768～32767、32ビットの項目と色は
      -2147483648～2147483647）、Shift-JIS で表せない文字や 32767 バイトを
      超える文字列は行番号つきで理由を表示して終了コード 1 で終わり、
      OUT.in4 は作成も変更もしません。

  check FILE.in4...
      設定ファイルを検査し、問題1件につき1行「FILE: …」を出します。検査する
      内容: 途中で終わっているファイル、ファイルの終わりを越える文字列の長さ、
      ブロック11の後の余分なデータ、リストの範囲外の番号、選ばれたボタンが
      1つでないオプションボタンのグループ、スクロールバーの範囲外の値。
      途中で終わっているファイルの足りない項目と、リストやスクロールバーが
      取れない値は、プログラムが起動時に1回だけ知らせ、その項目だけを起動時の
      値のままにします。問題があれば終了コード 1 です。ないデータのフォルダー
      （相対パスは設定ファイルのあるフォルダーから）は「FILE: 注意: …」を
      標準エラーに出します。.hy3 と .in4 は名前の拡張子で見分けます。

  render-name TEXT OUT.png [オプション]
      停留所名 TEXT を運賃表示器の行先表示（ドットマトリクス）として描き、
      PNG で保存します。画像はスクロール前の表示面そのもので、高さ 56 ピクセル、
      幅 432 ピクセル（長い停留所名ではそれ以上）です。色と書体の既定値は
      運賃表示器の画面と同じです。
        --tsugiwa-mode N       「次は」の表示 0:なし 1:「は」を小さく 2:同じ大きさ
        --font-mode N          停留所名の書体 0:ゴシック 1:明朝
                               2:かな・記号・英数字を明朝 3:漢字を明朝
                               4:全角英数字だけゴシック
        --tsugiwa-font-mode N  「次は」の書体 0:ゴシック 1:「は」だけ明朝
                               2:明朝 3:「次」だけ明朝
        --bold                 停留所名を太字にする
        --tsugiwa-bold         「次は」を太字にする
        --back RRGGBB          背景色（既定 %1）
        --fore RRGGBB          停留所名の色（既定 %2）
        --tsugiwa-color RRGGBB 「次は」の色（既定 %3）
      書き込みは一時ファイル経由で、失敗しても元のファイルは残ります。
      IPA フォントがないときは警告を出し、代わりのフォントで描きます。
  render-digits [オプション] VALUE OUT.png
      運賃表示器の7セグメント数字を1つ描いて PNG に保存します。画像の大きさは
      数字表示そのままで、幅は1桁の幅×桁数、高さは大きさの種類で決まります
      （1桁の幅×高さ: 0 = 13×20、1 = 17×26、2 = 19×29、3 = 11×15 ピクセル）。
      点灯しない部分も「8」の形で薄く描かれます。
      VALUE は数値です（例: 230、-1、1.5）。全体を二重引用符で囲んだ値
      （シェルでは '"0"' のように書きます）か --text を付けた値は文字として
      表示します。文字の "0" は数値の 0 とは別に扱われます。
      数値として読めない値を --text なしで渡すと終了コード 1 で終わります。
      表示できる文字: 0～9、空白（消灯）、-、_、=、.、7セグメントで表せる
      英字（A b C c d E F G H h I J L n O o P q r S t U u y）。ほかの文字は
      その桁を消灯にします。
      オプション（色の既定値は運賃表示器の画面の運賃と同じ、ほかの既定値は
      数字表示の既定値と同じです）:
        --keta N       桁数 1～15（範囲外は 4）。既定 4
        --size N       大きさの種類 0～3（範囲外は 0）。既定 0
        --style N      字形 0 = A（斜体）、1 = B（角形）、2 = C（ドット）。
                       0～2 以外は A。既定 0
        --zero-mode N  0 と -1 と空の表示: 0 = 0 と空は全消灯、1 = 0 と空は
                       「0」、2 = -1 は「0」で 0 は全消灯、3 = -1 と 0 と空は
                       「0」（4 以上は 0）。既定 0
        --fill-zero N  数値をこの桁数まで先頭を 0 で埋める（桁数を超えると
                       桁数）。0 で埋めない。既定 0
        --shift N      右側に空ける桁数（0～桁数-1 に収めます）。既定 0
        --back RRGGBB  背景色。既定 %4
        --base RRGGBB  消灯部分の色。既定 %5
        --lit RRGGBB   点灯部分の色。既定 %6
      色は赤・緑・青を16進数2桁ずつ書きます（先頭の # は付けても構いません）。
      書き込みは一時ファイル経由で、失敗しても元のファイルは残ります。
      画面がなくても動きます。

  render-panel FILE.hy3 --stop N OUT.png [オプション]
      運賃表示器の画面全体を、プログラムが停留所 N（データの何番目か、1から）で
      表示するとおりに描き、PNG で保存します。プログラム自身の画面を画面に
      出さずに使って描くので、系統設定のあと停留所 N まで進めたときの表示と
      同じになります（大きさは 502×252 ピクセル、4桁なら 616×252）。
      スクロールする停留所名は、スクロールする前の、名前の先頭から表示します。
        --stop N           停留所の番号（必須）
        --section N        区間（1～300、既定 1）。これより小さい整理券番号の
                           運賃は表示しません
        --late-night       深夜料金（運賃を2倍）で表示する
        --ticket-style N   整理券番号の表示方法 0～11（設定画面の一覧の順、既定 0）
        --leading-zero     1桁の整理券番号の前に 0 を付ける
        --tsugiwa-mode N   「次は」の表示 0:なし 1:「は」を小さく 2:同じ大きさ
                           （データの最初の停留所には付きません）
        --backlight STATE  バックライト OFF、ON1、ON2（既定 OFF）
        --page P           整理券番号のページ 1～4（既定 1）。2 なら
                           整理券番号 13～24 の運賃を、ラベルもその番号で
                           描きます（パネルの「表示する整理券番号」で
                           12 を超える番号を交互に表示するときの画面です）
        --fare-digits N    運賃の桁数 3 か 4（既定 3）。4 なら枠と画面が
                           広がり、1000 以上の運賃（深夜料金は 9998 まで）を
                           下3桁でなく全部表示します
        --settings FILE.in4
                           設定ファイルを読み、プログラムがその設定ファイルで
                           起動したときの色・書体・整理券番号・情報表示・
                           数字の書式・深夜料金で描きます。設定ファイルは
                           読むだけで、変更しません。ほかのオプションは
                           設定ファイルより優先します
      書き込みは一時ファイル経由で、失敗しても元のファイルは残ります。

  render-trip FILE.hy3|FOLDER OUT.(mp4|mkv|webm) [オプション]
      系統を始発から終点まで走らせたようすを、音付きの動画にします。プログラム
      自身の運賃表示器・操作・音を、実時間を待たずに動画の時計で動かします。
      系統設定（系統選別中と全点灯）のあと、停留所ごとに送りの音と放送（放送用
      データの、次に停留所を進める放送の前まで）を順に流し、最後の音が終わって
      から停車時間、続いて走行時間のあと次の停留所へ進めます。設定にある音声
      ファイルや、設定の放送用データのフォルダーにあるはずの系統の放送用データが
      ない（読めない）ときは、警告してそれなしで作ります。
      .mp4 は H.264 と AAC、.webm は VP9 と Opus、.mkv は H.264 と AAC
      （--lossless で FFV1 と FLAC、画素も音も劣化なし）。音は 48 kHz ステレオ。
      .mp4 は索引を先頭に置くので、ブラウザーで読み込みながら再生できます。
      色は BT.709（限定範囲）として記録します。停留所ごとに、帯に出る名前の
      チャプターを、その停留所へ進んだコマから付けます。
        --section N        区間（1～300、既定 1）
        --tape FILEtp.csv  この放送用データで放送し、その移動フラグで進める
                           （既定は設定の放送用データのフォルダーの系統のもの）
        --settings FILE.in4
                           設定ファイルの色・書体・音・スクロール・深夜料金・
                           バックライトで作ります（読むだけで変更しません）
        --zoom N           倍率 1、2、3（既定 1、ドットのまま拡大）
        --fps N            毎秒のコマ数 30 か 60（既定 30）
        --fare-digits N    運賃の桁数 3 か 4（既定 3、render-panel と同じ）
        --dwell SECONDS    最後の音が終わってからの停車の秒数（既定 4）
        --travel SECONDS   次の停留所までの走行の秒数（既定 6）
        --travel-column C  走行時間を列 C（始発からの分）の差から求める
        --time-scale X     --travel-column の時間の倍率（既定 1/60、1分が1秒）
        --from N           停留所 N から（その手前までは記録しません）
        --to N             停留所 N まで
        --ticket-pages N   整理券番号を N ページ（1～4、既定 1）表示し、
                           動画の時刻で切り替える（パネルの「表示する
                           整理券番号」と同じ）
        --page-seconds S   ページを切り替える秒数（1～60、既定 3）
        --ticket           集中操作盤の整理券のプレビューを右に並べる（整理券
                           プラグインを使う設定ファイルが必要。足りないものを
                           示して終わります）。整理券の
                           日付と時刻は、2026年4月1日 10:00:00 に始まる動画の
                           時刻です（設定ファイルの固定の日付を使う設定なら
                           その日付）
        --lossless         FFV1 と FLAC（.mkv のみ）
        --cfr              すべてのコマを書く（固定フレームレート。編集ソフト
                           向け）。既定では前と同じコマは書かずに前のコマを
                           表示し続け（2秒に1度はキーフレームとして書きます）、
                           そのぶん速く書き出します
        --subtitles        放送の文を字幕にする（話し始めから話し終わりまで）。
                           動画に字幕トラックを入れ、同じ名前の .srt も書く
        --size WxH         動画の大きさ（例 1920x1080、1280x720、1080x1920）。
                           収まる最大の整数倍でドットのまま拡大し、中央に
                           置きます（幅と高さは偶数、--zoom とは併用不可）
        --background COLOR 背景の色（black、green、#00b140 など、既定は
                           暗い灰色 #202124）
        --info             パネルの下に情報バー（系統、行き先、次の停留所、
                           時刻、停留所の進み具合）を描く
        --headsign TEXT    情報バーの行き先（既定は放送の「このバスは…行き」）
        --preview FILE.png 動画の代わりに、停留所ごとの1コマを並べた一覧画像を
                           すぐに書き出す
      FILE.hy3 の代わりに gtfs が書いたフォルダーを指定すると、その .hy3、
      放送用データ（Ntp.csv）、設定ファイル（route.in4）を使います。
      書き込みは一時ファイル経由で、失敗したときや Ctrl-C で中断したときは
      作りかけのファイルを残しません（中断の終了コードは 130）。端末では
      進み具合（予定の時間からの見積もりの割合と残り時間）を1行で表示し、
      最後に書き出したファイルと動画の長さ、速さを1行で示します。

  route-sheet FILE.hy3 OUT.png [--tape FILEtp.csv]
      系統の全停留所を1枚の PNG にまとめます。1行が1停留所で、順番、整理券
      番号、行先表示と同じドットの停留所名、整理券番号 1～12 の運賃を並べます。
      -1（運賃なし）と 0 は色分けし、各運賃の下に深夜料金（2倍）を書きます。
      4桁以上の運賃と、深夜料金が4桁以上になる運賃（500以上）には表示される
      下3桁を添えます。
      前の停留所より下がる運賃と 9999 を超える運賃は赤で示し、1件につき1行
      「FILE: record N (停留所名): 整理券K: …」を標準出力に出します。
      続いて、昼か深夜に下3桁しか表示されない運賃を1件につき1行
      「… 整理券K: 注意: …」で出します。
      赤の運賃があれば終了コード 1、なければ 0 です（画像はどちらでも
      保存します）。整理券番号が12を超える停留所（その運賃は運賃表示器に
      出ません）は整理券番号を橙で示し、「FILE: 注意: record N (停留所名): …」
      を標準エラーに出します。
        --tape FILEtp.csv  放送用データの各放送を、集中操作盤の「送り」で
                           最初から順に流したときに表示されている停留所の
                           行に書き添えます（移動フラグ 1 の放送のあとは
                           次の停留所へ進みます）
      書き込みは一時ファイル経由で、失敗しても元のファイルは残ります。

  plugin FILE.4SP
      整理券プラグインを読み込み、プログラムが読み取る内容を表示します。
      1行目は「PlgInfo」と14個の値（PlgInfoRecord の 0～13 番、空白区切り）、
      続いて設定画面の「上記プラグインのプロパティ」と同じ行、「[Comment]」と
      特記事項、「[Companies]」と社名（1行に1つ）です。
      プラグインとして読めないファイルは「FILE: N行目: 理由」（ファイル全体の
      問題は「FILE: 理由」）を1行表示し、終了コード 1 で終わります。

  render-ticket FILE.4SP OUT.png [オプション]
      整理券プラグインで整理券を描き、集中操作盤のプレビューと同じ絵を
      PNG で保存します。画像の大きさはプラグインの Width×Height です。
      描いたバーコード1本ごとに「barcode: 内容」を標準出力に表示します。
        --stop-name TEXT  停留所名（既定 中央駅前）
        --date TEXT       日付の文字（既定 今日、mm-dd-yyyy）
        --time TEXT       時刻の文字（既定 現在時刻、hh:mm:ss）
        --route N         系統番号（既定 1）
        --number N        整理券番号（既定 1）
        --position N      停留所の位置（既定 1）
        --company N       社名の番号、0 が最初の社名、-1 で社名なし（既定 -1）
      書き込みは一時ファイル経由で、失敗しても元のファイルは残ります。
      IPA フォントがないときは警告を出し、代わりのフォントで描きます。

  gtfs-routes FEED
      GTFS-JP（標準的なバス情報フォーマット）のフィードの系統を、系統と方向
      ごとに1行、routes.txt の順に表示します（タブ区切り）: route_id、系統名
      （route_short_name、なければ route_long_name）、方向（direction_id、
      ないときは -）、その方向で最も停留所の多い便の行先（trip_headsign）と
      「始発 → 終点」、その方向の便数、その便の停留所数、必要な整理券番号の
      数（gtfs の既定どおり運賃区間ごとに数えます）、運賃の最低～最高
      （運賃がなければ「なし」）。停留所が301件を超える便は整理券番号と運賃を
      「-」にして注意を出します。FEED はフォルダーか .zip（ファイルが一番上か、
      中の1つのフォルダーにあるもの）です。

  gtfs FEED --route ID [オプション] OUTDIR
      フィードの系統 ID を、すぐに運行できる系統のフォルダー OUTDIR（なければ
      作ります）に書き出します: 運賃データ N.hy3、放送用データ Ntp.csv
      （Shift-JIS）、読み辞書 yomi.csv、設定ファイル route.in4。
      OUTDIR/route.in4 を設定ファイルにして kerubara を起動し、系統 N、
      区間 1 でリセットすれば運行できます。route.in4 はフォルダーを相対パス
      （.）で書くので、フォルダーごと移しても使えます。運賃表示器と集中操作盤は
      横に並びます。系統、便、停留所数、整理券番号、運賃の最低と最高、読み
      （読みのない停留所）、注意を表示します。4桁の運賃と、深夜料金（2倍）で
      4桁になる運賃も注意します。
      便は、最も停留所の多い便（同じ数なら trips.txt で先のもの）です。
      のりば（parent_station のある停留所）は親の停留所の名前と読みで表示・
      放送し、名前の最後の括弧書き（「県庁前（群馬）」の「（群馬）」）は、
      同じ名前の停留所ができてしまうとき以外は外します。行先の「行き」は
      trip_headsign が「行き」で終わっていても1回だけ言います。
      運賃は fare_rules.txt の、乗る停留所と降りる停留所の zone_id が合う
      規則（この系統か route_id が空のもの、origin_id と destination_id が
      空なら全ゾーン）の price で、複数合えば安いほうです。運賃のない区間は
      -1（運賃なし）にして、その数を注意で知らせます。
      整理券番号は乗車できない停留所（pickup_type 1）と終点で 0、
      列1～列140 が整理券番号 1～140 の運賃、列149 が始発からの分、
      列150 が送り・戻し時のサウンドのフラグ（1 普通の停留所、3 終点）です。
        --trip ID          この便を使う
        --direction 0|1    この direction_id の便から選ぶ
        --number N         系統番号（1～99999、パネルの系統に入れる番号。
                           先頭の 0 は含みません。0 は系統を入れずにリセット
                           したときの番号なので使えません。既定は
                           route_short_name がそのような番号ならその番号。
                           そうでなければ必須で、ないと終了コード 2）
        --tickets stage    運賃の同じ停留所（運賃区間）に同じ整理券番号を
                           付ける（既定）
        --tickets stop     乗車できる停留所ごとに整理券番号を付ける
        --chimes DIR       設定ファイルで使うチャイムのフォルダー（既定は
                           プログラムに同梱のチャイム）
        --plugin FILE.4SP  この整理券プラグインで整理券のプレビューを使う
                           （動画の整理券にも使えます）
        --keep-qualifiers  停留所名の最後の括弧書きを外さない
        --all              --route の代わりに、すべての系統を方向ごとに
                           OUTDIR/系統-方向/ に書き出す（下記）
      停留所名は Shift-JIS で表せないときは NFKC で正規化し、それでも表せ
      ない文字があるか65535バイトを超えれば停留所を示して終わります。
      停留所名の改行とタブは空白にし、ほかの制御文字は取り除いて注意で
      知らせます。大きなファイル（stop_times.txt など）は1行ずつ読み、
      使う便の停留所だけを残します。停留所は301件、
      整理券番号は140個までです。translations.txt の ja-Hrkt の読みを
      カタカナにして yomi.csv に書きます（OUTDIR の yomi.csv のほかの行は
      残します）。translations.txt が読めない（言語の列がない）ときは注意を
      出し、読みなしで作ります。ファイルや列の不足、存在しない系統・便・停留所、数値で
      ない運賃や順番、壊れた zip、閉じていない引用符は、ファイルと行番号を
      示して終了コード 1 で終わり、OUTDIR のファイルは作成も変更もしません
      （書き込みは一時ファイル経由で、4つのファイルの1つを置けなければ、
      置き換えたファイルを元に戻します）。

  gtfs FEED --all [オプション] OUTDIR
      フィードの系統を、gtfs-routes の1行（系統と方向）ごとに、その系統を
      --route と --direction で取り込んだのと同じフォルダー OUTDIR/ID-方向
      （direction_id がなければ OUTDIR/ID）に書き出し、一覧 OUTDIR/routes.csv
      （UTF-8、見出しあり: route_id、direction_id、route_name、number、
      headsign、first_stop、last_stop、stops、folder、status（imported か
      failed）、message）を書きます。フィードは1回だけ読みます。フォルダー名
      では、route_id の / \ : * ? " < > | %、空白、制御文字、先頭の . を
      %XX（UTF-8）で書き、同じ名前（大文字小文字の違いだけのものも）に
      なれば ~2 などを付けます。新しいフォルダーは隠れた名前で作ってから
      置き、前の実行のフォルダーは gtfs と同じく4つのファイルだけを
      まとめて置き換えます。route_short_name が系統番号にならない系統は
      routes.txt での順番を系統番号にします（注意で知らせます）。
      取り込めない系統は、理由とともに標準エラー出力と routes.csv に示して
      ほかの系統を続け、最後に終了コード 1 で終わります。--route、--trip、
      --direction、--number とは一緒に使えません（終了コード 2）。

  help, --help, -h
      この説明を表示します。

コマンドの前の --lang ja または --lang en で、説明やメッセージの言語を
選びます。省略すると、ロケール（LC_ALL、LC_MESSAGES、LANG の順に最初に
設定されているもの）が英語なら英語、それ以外は日本語です。出力する
データは言語によって変わりません。

終了コード: 0 成功、1 入力の問題、2 使い方の誤り。
)");

// The usage text with the default colours filled in.
QString usage()
{
    return QCoreApplication::translate("DataTool", kUsage)
        .arg(formatRgb(kStartupStopNameColors.back), formatRgb(kStartupStopNameColors.text),
             formatRgb(kStartupStopNameColors.tsugiwa), formatRgb(kStartupDigitColors.back),
             formatRgb(kStartupDigitColors.unlit), formatRgb(kStartupDigitColors.lit));
}

bool isHelp(const QString &arg)
{
    return arg == u"--help" || arg == u"-h" || arg == u"help";
}

} // namespace

int usageError(QTextStream &err, const QString &message)
{
    err << message << '\n'
        << QCoreApplication::translate("DataTool", "「kerubara-data --help」で使い方を表示します。\n");
    return 2;
}

bool needsGui(const QStringList &args)
{
    static const QStringList guiCommands{QStringLiteral("render-name"), QStringLiteral("render-digits"),
                                         QStringLiteral("render-ticket"), QStringLiteral("render-panel"),
                                         QStringLiteral("route-sheet"), QStringLiteral("render-trip")};
    return !args.isEmpty() && guiCommands.contains(args.front());
}

int run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usageError(err, QCoreApplication::translate("DataTool", "コマンドを指定してください。"));
    const QString &command = args.front();
    const QStringList rest = args.mid(1);
    if (isHelp(command) || (rest.size() == 1 && isHelp(rest.front()))) {
        out << usage();
        return 0;
    }
    if (command == u"dump") {
        if (rest.size() != 1)
            return usageError(err, QCoreApplication::translate("DataTool", "dump にはファイルを1つ指定してください。"));
        if (isTapeFileName(rest[0]))
            return dumpTapeFile(rest[0], out, err);
        if (isSettingsFileName(rest[0]))
            return dumpSettingsFile(rest[0], out, err);
        return dumpFareFile(rest[0], out, err);
    }
    if (command == u"say")
        return sayText(rest, out, err);
    if (command == u"hy3") {
        if (rest.size() != 2)
            return usageError(
                err, QCoreApplication::translate("DataTool", "hy3 には入力の CSV と出力の .hy3 を指定してください。"));
        return csvToFareFile(rest[0], rest[1], err);
    }
    if (command == u"tp") {
        if (rest.size() != 2)
            return usageError(err,
                              QCoreApplication::translate(
                                  "DataTool", "tp には UTF-8 の放送用データと出力する *tp.csv を指定してください。"));
        return utf8ToTapeFile(rest[0], rest[1], err);
    }
    if (command == u"in4") {
        if (rest.size() != 2)
            return usageError(
                err,
                QCoreApplication::translate("DataTool", "in4 には入力のテキストと出力の .in4 を指定してください。"));
        return textToSettingsFile(rest[0], rest[1], err);
    }
    if (command == u"check") {
        if (rest.isEmpty())
            return usageError(
                err, QCoreApplication::translate("DataTool", "check には検査するファイルを指定してください。"));
        int status = 0;
        for (const QString &path : rest) {
            const int found = isSettingsFileName(path) ? checkSettingsFile(path, out) : checkFareFiles({path}, out, err);
            if (found > 0)
                status = 1;
            if (isSettingsFileName(path)) {
                for (const QString &note : missingFolders(path))
                    err << QCoreApplication::translate("DataTool", "%1: 注意: %2\n").arg(path, note);
            }
        }
        // A route with more than twelve ticket numbers checked with settings:
        // a column the settings read at every stop must lie beyond its fares.
        for (const QString &route : rest) {
            const int tickets = isSettingsFileName(route) ? 0 : highestTicketNumber(route);
            if (tickets <= 12)
                continue;
            for (const QString &settings : rest) {
                if (isSettingsFileName(settings)) {
                    for (const QString &note : columnsAmongFares(settings, tickets))
                        err << QCoreApplication::translate("DataTool", "%1: 注意: %2 と合わせると、%3\n")
                                   .arg(settings, route, note);
                }
            }
        }
        return status;
    }
    if (command == u"render-name")
        return renderName(rest, err);
    if (command == u"render-digits")
        return renderDigits(rest, err);
    if (command == u"route-sheet")
        return routeSheet(rest, out, err);
    if (command == u"plugin") {
        if (rest.size() != 1)
            return usageError(err,
                              QCoreApplication::translate(
                                  "DataTool", "plugin には整理券プラグインのファイルを1つ指定してください。"));
        return showPlugin(rest[0], out, err);
    }
    if (command == u"render-ticket")
        return renderTicket(rest, out, err);
    if (command == u"gtfs-routes")
        return listGtfsRoutes(rest, out, err);
    if (command == u"gtfs")
        return importGtfsRoute(rest, out, err);
    return usageError(err, QCoreApplication::translate("DataTool", "「%1」というコマンドはありません。").arg(command));
}

} // namespace kerubara::datatool
