<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>DataTool</name>
    <message>
        <source>「kerubara-data --help」で使い方を表示します。
</source>
        <translation>Run “kerubara-data --help” for usage.
</translation>
    </message>
    <message>
        <source>コマンドを指定してください。</source>
        <translation>Give a command.</translation>
    </message>
    <message>
        <source>dump にはファイルを1つ指定してください。</source>
        <translation>dump takes exactly one file.</translation>
    </message>
    <message>
        <source>hy3 には入力の CSV と出力の .hy3 を指定してください。</source>
        <translation>hy3 takes an input CSV and an output .hy3.</translation>
    </message>
    <message>
        <source>tp には UTF-8 の放送用データと出力する *tp.csv を指定してください。</source>
        <translation>tp takes UTF-8 announcement data and the *tp.csv to write.</translation>
    </message>
    <message>
        <source>in4 には入力のテキストと出力の .in4 を指定してください。</source>
        <translation>in4 takes an input text and an output .in4.</translation>
    </message>
    <message>
        <source>check には検査するファイルを指定してください。</source>
        <translation>check takes the files to check.</translation>
    </message>
    <message>
        <source>%1: 注意: %2
</source>
        <translation>%1: note: %2
</translation>
    </message>
    <message>
        <source>%1: 注意: %2 と合わせると、%3
</source>
        <translation>%1: note: together with %2, %3
</translation>
    </message>
    <message>
        <source>plugin には整理券プラグインのファイルを1つ指定してください。</source>
        <translation>plugin takes exactly one ticket plug-in file.</translation>
    </message>
    <message>
        <source>「%1」というコマンドはありません。</source>
        <translation>There is no command “%1”.</translation>
    </message>
    <message>
        <source>使い方: kerubara-data [--lang ja|en] コマンド [引数...]

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
      （シェルでは &apos;&quot;0&quot;&apos; のように書きます）か --text を付けた値は文字として
      表示します。文字の &quot;0&quot; は数値の 0 とは別に扱われます。
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
      では、route_id の / \ : * ? &quot; &lt; &gt; | %、空白、制御文字、先頭の . を
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
</source>
        <translation type="vanished">Usage: kerubara-data [--lang ja|en] COMMAND [ARGUMENTS...]

A tool to make and check kerubara&apos;s fare data (.hy3), announcement data
(*****tp.csv) and settings files (.in4), and to try out the stop name and
digit displays, tickets and spoken announcements. It needs no screen and no
sound card.

Commands:
  dump FILE.hy3
      Writes the fare data to standard output as CSV (UTF-8, LF line ends,
      RFC 4180 quoting): first the heading &quot;Chimei,SeirikenNo,Col1,…,Col150&quot;,
      then one line per stop (the stop name and 151 integers) in file order.

  dump FILEtp.csv
      Writes announcement data whose name ends in tp.csv (in any case) as CSV
      (UTF-8, LF line ends), as the program reads it: first the heading
      &quot;Text,StepFlag,SoundFlag&quot;, then one record (text, step flag, sound
      flag) per line of the file. Announcement data is Shift-JIS, with
      &quot;text,step flag,sound flag&quot; on each line. A file the program would not
      read (it ends in the middle of a line, a flag is outside -32768 to
      32767, there are too many fields) is reported with the line number and
      the reason, and the tool exits with status 1. When a blank line has
      shifted the fields, the blank line&apos;s number is given. A flag written
      in full-width digits (read as 0) gets a warning. A Ctrl-Z at the end of
      the file (an old editors&apos; end mark) is taken as the end of the data. A
      file saved in UTF-8 gets one warning saying so (tp converts it to
      Shift-JIS).

  tp IN.csv OUTtp.csv
      Converts announcement data saved in UTF-8 (with or without a leading
      BOM) to Shift-JIS and writes it to OUTtp.csv, keeping lines and line
      ends. Characters Shift-JIS cannot write and lines that are not valid
      UTF-8 are reported with their line numbers; so is converted data the
      program could not read (the same checks as dump). Then the tool exits
      with status 1 and OUTtp.csv is neither created nor changed (it is
      written through a temporary file).

  say [--reading] [--phonemes] [--dict FILE]... TEXT [OUT.wav]
      Speaks TEXT in the announcements&apos; voice and writes it to OUT.wav
      (16-bit PCM). --reading shows the reading spoken (in katakana).
      --phonemes shows the phonemes given to the HTS voice (a i u e o N cl
      pau k sh …, a long vowel as two vowels, a devoiced vowel in capitals),
      separated by spaces (お降りの方 → o o r i n o k a t a). The accents come
      from Open JTalk&apos;s dictionary (open-jtalk-mecab-naist-jdic). With either
      of them OUT.wav may be left out. The voice&apos;s rate, pitch and volume are
      those saved in the program&apos;s voice settings.
      The reading is made from numbers and counters (1,200円, 10分, 4時,
      一丁目) by the program&apos;s rules, from transport terms by the built-in
      reading dictionary, and from the rest by MeCab. A reading dictionary in
      the settings folder (~/.config/kerubara/yomi.csv) takes precedence over
      the built-in one.
        --dict FILE  Uses this reading dictionary too (may be given any
                     number of times; later ones take precedence).
      A reading dictionary is a UTF-8 CSV with &quot;text,reading&quot; on each line
      (the reading in katakana, a long vowel as &quot;ー&quot;). Lines starting with #
      and blank lines are skipped. A malformed line is reported on standard
      error as &quot;FILE: line N: reason&quot; and not used; the reading goes on. At
      each route setting the program reads the yomi.csv in the announcement
      data folder, which takes precedence over the settings folder&apos;s.

  hy3 IN.csv OUT.hy3
      Makes fare data from a CSV of the form dump writes. A dumped CSV turned
      back with hy3 gives a file of the very same bytes.
      The heading may also name only the columns used, in any order (for
      example &quot;Chimei,SeirikenNo,Col1,Col2&quot;; Chimei is required). Columns not
      in the heading are 0 for every stop, and one note says how many.
      Each line has at most as many columns as the heading; numbers are
      integers from -32768 to 32767; a stop name is at most 65535 bytes of
      characters Shift-JIS can write, with no control characters such as
      line breaks or tabs; there are at most 301 stops. Empty cells and short
      lines, as in a CSV saved by a spreadsheet, are read as 0, and a single
      warning gives their number and the first place. A line of only empty
      cells is not a stop. On a problem the reason is shown with the line
      number, the tool exits with status 1, and OUT.hy3 is neither created
      nor changed (it is written through a temporary file, so the original
      file stays even if writing fails midway).

  check FILE.hy3...
      Checks fare data, printing one line &quot;FILE: record N: …&quot; per problem.
      Exits with status 1 if there are problems, else 0 with no output.
      Checked: a count of 0, below 0, 1 or over 301, data short of the count
      (a record cut off), stop names that are not valid Shift-JIS, extra data
      after the last stop.
      For stops with ticket numbers above 12 (by default the unit shows fares
      for ticket numbers 1 to 12 only), &quot;FILE: note: record N: …&quot; and the
      panel setting &quot;Ticket numbers shown&quot; that shows them all in turn go
      to standard error. This does not count as a problem. Fares of which the
      unit&apos;s three-digit fares show only the last three digits (1000 yen and
      over, late-night fares (double) of 500 yen and over) are noted the same
      way, by day and by night, with the stop, ticket number and highest
      fare. Checked together with a settings file, a note also says when a
      column the settings read for each stop (the column of the step sound,
      the column of data for the info digits) lies among the fare columns.
      Fare data never exceeds 18.9 MiB (the count and 301 stops of the
      longest names); every command refuses a larger file without reading
      it. Every command reads only regular files and refuses devices (such as
      /dev/zero) and named pipes (FIFOs) without waiting or reading.

  dump FILE.in4
      Writes a settings file one field a line, &quot;name=value&quot;, in file order,
      as the program reads it. The names are the options window&apos;s control
      names (Text2(0), Command5(1), Option3(7), txtSelectSound(10), Label10 …),
      CtrlData.nBackFrame … CtrlData.nTop, FormPos.nLeft, FormPos.nTop,
      CustColors(0) … CustColors(16), DegitCount, DegitUser(1).Shift,
      DegitUser(1).ZeroMode, DegitUser(1).FillZero … DegitUser(12).FillZero.
      Numbers are decimal (colours as signed 32-bit values), texts UTF-8,
      with control characters written as their symbols (U+2400 to U+241F,
      U+2421). For a file that ends early the missing fields are given as 0
      and empty texts (the program keeps their start-up values).

  in4 IN.txt OUT.in4
      Makes a settings file from a text of the form dump writes. The fields
      may come in any order; a field not written takes the value of the
      program started without a settings file (the options window&apos;s initial
      values, scroll bars at their minimum, window positions 0, the ticket&apos;s
      fixed date today, DegitCount 12). Blank lines and lines starting with #
      are skipped. A dumped text turned back with in4 gives a file of the
      very same bytes. An unknown name, a name given twice, a value out of
      range (16-bit fields -32768 to 32767, 32-bit fields and colours
      -2147483648 to 2147483647), characters Shift-JIS cannot write, or a
      text over 32767 bytes is reported with the line number and the reason;
      the tool exits with status 1 and OUT.in4 is neither created nor
      changed.

  check FILE.in4...
      Checks settings files, printing one line &quot;FILE: …&quot; per problem.
      Checked: a file that ends early, text lengths past the end of the file,
      extra data after block 11, list indexes out of range, option button
      groups without exactly one button chosen, scroll bar values out of
      range. The missing fields of a file that ends early and values a list
      or scroll bar cannot take are reported once by the program at start-up,
      which keeps only those fields at their start-up values. Exits with
      status 1 if there are problems. A data folder that does not exist
      (relative paths from the settings file&apos;s folder) gives &quot;FILE: note: …&quot;
      on standard error. .hy3 and .in4 are told apart by the name&apos;s
      extension.

  render-name TEXT OUT.png [OPTIONS]
      Draws the stop name TEXT as the unit&apos;s destination display (a dot
      matrix) and saves it as PNG. The picture is the display face itself
      before scrolling, 56 pixels high and 432 pixels wide (more for a long
      stop name). The default colours and typefaces are those of the unit on
      screen.
        --tsugiwa-mode N       &quot;次は&quot;: 0 none, 1 small &quot;は&quot;, 2 same size
        --font-mode N          stop name typeface: 0 Gothic, 1 Mincho,
                               2 kana, symbols and Latin in Mincho,
                               3 kanji in Mincho, 4 only full-width Latin
                               and digits in Gothic
        --tsugiwa-font-mode N  &quot;次は&quot; typeface: 0 Gothic, 1 only &quot;は&quot; in
                               Mincho, 2 Mincho, 3 only &quot;次&quot; in Mincho
        --bold                 the stop name in bold
        --tsugiwa-bold         &quot;次は&quot; in bold
        --back RRGGBB          background colour (default %1)
        --fore RRGGBB          stop name colour (default %2)
        --tsugiwa-color RRGGBB &quot;次は&quot; colour (default %3)
      Written through a temporary file: if writing fails the original file
      stays. Without the IPA fonts a warning is given and another font used.
  render-digits [OPTIONS] VALUE OUT.png
      Draws one of the unit&apos;s seven-segment numbers and saves it as PNG. The
      picture is the number display&apos;s own size: the width is a digit&apos;s width
      times the digits, the height set by the size kind (a digit&apos;s width x
      height: 0 = 13x20, 1 = 17x26, 2 = 19x29, 3 = 11x15 pixels). Unlit
      segments are drawn faintly in the shape of an &quot;8&quot;.
      VALUE is a number (such as 230, -1, 1.5). A value wholly in double
      quotes (written &apos;&quot;0&quot;&apos; in the shell) or given with --text is shown as
      text. The text &quot;0&quot; is not the same as the number 0. A value that does
      not read as a number, without --text, ends the tool with status 1.
      Characters shown: 0 to 9, space (unlit), -, _, =, ., and the letters
      seven segments can show (A b C c d E F G H h I J L n O o P q r S t U u
      y). Any other character leaves its digit unlit.
      Options (the default colours are those of the unit&apos;s fares on screen,
      the other defaults those of the number display):
        --keta N       digits, 1 to 15 (4 if out of range). Default 4
        --size N       size kind, 0 to 3 (0 if out of range). Default 0
        --style N      digit shape: 0 = A (slanted), 1 = B (square), 2 = C
                       (dots). A for anything but 0 to 2. Default 0
        --zero-mode N  showing 0, -1 and blank: 0 = 0 and blank all unlit,
                       1 = 0 and blank as &quot;0&quot;, 2 = -1 as &quot;0&quot; and 0 all
                       unlit, 3 = -1, 0 and blank as &quot;0&quot; (0 for 4 and over).
                       Default 0
        --fill-zero N  pad the number with leading zeros to this many digits
                       (the digit count if more); 0 for no padding.
                       Default 0
        --shift N      digits left blank on the right (kept within 0 to
                       digits-1). Default 0
        --back RRGGBB  background colour. Default %4
        --base RRGGBB  colour of unlit segments. Default %5
        --lit RRGGBB   colour of lit segments. Default %6
      Colours are red, green and blue in two hex digits each (a leading # is
      allowed). Written through a temporary file: if writing fails the
      original file stays. Needs no screen.

  render-panel FILE.hy3 --stop N OUT.png [OPTIONS]
      Draws the unit&apos;s whole face as the program shows it at stop N (its
      place in the data, from 1) and saves it as PNG. It draws with the
      program&apos;s own panel, not shown on screen, so the picture is what the
      unit shows after setting the route and stepping to stop N (502x252
      pixels, 616x252 with four digits). A scrolling stop name is shown from
      its start, before it scrolls.
        --stop N           the stop number (required)
        --section N        section (1 to 300, default 1). Fares for ticket
                           numbers below it are not shown
        --late-night       show late-night fares (fares doubled)
        --ticket-style N   ticket number style, 0 to 11 (in the order of the
                           options window&apos;s list, default 0)
        --leading-zero     a 0 before one-digit ticket numbers
        --tsugiwa-mode N   &quot;次は&quot;: 0 none, 1 small &quot;は&quot;, 2 same size (never
                           on the first stop of the data)
        --backlight STATE  backlight OFF, ON1, ON2 (default OFF)
        --page P           ticket number page, 1 to 4 (default 1). With 2,
                           draws the fares of ticket numbers 13 to 24,
                           labelled with those numbers (the face when the
                           panel&apos;s &quot;Ticket numbers shown&quot; shows numbers
                           above 12 in turn)
        --fare-digits N    fare digits, 3 or 4 (default 3). With 4 the frame
                           and face widen and fares of 1000 and over (late-
                           night fares up to 9998) are shown whole, not just
                           the last three digits
        --settings FILE.in4
                           reads the settings file and draws with the
                           colours, typefaces, ticket numbers, info display,
                           number formats and late-night fare the program
                           would have with it. The settings file is only
                           read, never changed. Other options take
                           precedence over it
      Written through a temporary file: if writing fails the original file
      stays.

  render-trip FILE.hy3|FOLDER OUT.(mp4|mkv|webm) [OPTIONS]
      Makes a video with sound of the route run from the first stop to the
      last. The program&apos;s own unit, controls and sounds run on the video&apos;s
      clock, without waiting in real time. After the route setting (route
      selection and all lamps lit), each stop plays the step sound and its
      announcements (those of the announcement data up to the one before the
      next step) in turn; after the last sound ends come the dwell time, then
      the travel time, then the step to the next stop. When a sound file in
      the settings, or the route&apos;s announcement data expected in the
      settings&apos; announcement data folder, is missing (unreadable), a warning
      is given and the video made without it.
      .mp4 is H.264 and AAC, .webm VP9 and Opus, .mkv H.264 and AAC (FFV1 and
      FLAC with --lossless, no loss of picture or sound). Sound is 48 kHz
      stereo. An .mp4 has its index at the front, so a browser can play it
      while loading. Colours are recorded as BT.709 (limited range). Each
      stop gets a chapter named as on the strip, from the frame where the
      unit steps to it.
        --section N        section (1 to 300, default 1)
        --tape FILEtp.csv  announce from this announcement data and step by
                           its step flags (by default the route&apos;s file in
                           the settings&apos; announcement data folder)
        --settings FILE.in4
                           use the settings file&apos;s colours, typefaces,
                           sounds, scrolling, late-night fare and backlight
                           (only read, never changed)
        --zoom N           magnification 1, 2 or 3 (default 1, dots kept
                           sharp)
        --fps N            frames a second, 30 or 60 (default 30)
        --fare-digits N    fare digits, 3 or 4 (default 3, as render-panel)
        --dwell SECONDS    seconds stopped after the last sound ends
                           (default 4)
        --travel SECONDS   seconds travelling to the next stop (default 6)
        --travel-column C  travel times from the differences of column C
                           (minutes from the first stop)
        --time-scale X     time scale for --travel-column (default 1/60, a
                           minute a second)
        --from N           from stop N (nothing before it is recorded)
        --to N             up to stop N
        --ticket-pages N   show the ticket numbers on N pages (1 to 4,
                           default 1), turned on the video&apos;s clock (as the
                           panel&apos;s &quot;Ticket numbers shown&quot;)
        --page-seconds S   seconds between pages (1 to 60, default 3)
        --ticket           the console&apos;s ticket preview beside the unit (needs
                           a settings file using a ticket plug-in; the tool
                           says what is missing and stops). The ticket&apos;s
                           date and time are the video&apos;s time, starting at
                           2026-04-01 10:00:00 (or the settings file&apos;s fixed
                           date if it uses one)
        --lossless         FFV1 and FLAC (.mkv only)
        --subtitles        the announcements as subtitles (from the start to
                           the end of speaking): a subtitle track in the
                           video and an .srt of the same name
        --size WxH         video size (such as 1920x1080, 1280x720,
                           1080x1920). Enlarged by the largest whole factor
                           that fits, dots kept sharp, and centred (width
                           and height even; not with --zoom)
        --background COLOR background colour (black, green, #00b140 and so
                           on; default dark grey #202124)
        --info             an info bar under the panel (route, destination,
                           next stop, time, progress along the stops)
        --headsign TEXT    the info bar&apos;s destination (by default from the
                           announcement &quot;このバスは…行き&quot;)
        --preview FILE.png instead of the video, write at once an overview
                           picture of one frame per stop
      Given a folder written by gtfs instead of FILE.hy3, its .hy3,
      announcement data (Ntp.csv) and settings file (route.in4) are used.
      Written through a temporary file: on failure or Ctrl-C no unfinished
      file is left (status 130 when interrupted). On a terminal one line
      shows the progress (the share estimated from the planned time, and the
      time left), and a last line gives the file written, the video&apos;s length
      and the speed.

  route-sheet FILE.hy3 OUT.png [--tape FILEtp.csv]
      Puts every stop of the route on one PNG, one stop a line: the order,
      the ticket number, the stop name in the destination display&apos;s dots,
      and the fares for ticket numbers 1 to 12. -1 (no fare) and 0 are
      coloured, and under each fare is the late-night fare (double). Fares
      of four digits or more, and fares whose late-night fare has four digits
      or more (500 and over), get the last three digits shown.
      Fares lower than at the stop before and fares over 9999 are red, and
      each gets a line &quot;FILE: record N (stop name): ticket K: …&quot; on standard
      output. Then each fare shown only in its last three digits, by day or
      by night, gets a line &quot;… ticket K: note: …&quot;.
      Exits with status 1 if there are red fares, else 0 (the picture is
      saved either way). Stops with ticket numbers above 12 (their fares are
      not shown on the unit) have the ticket number in orange, with
      &quot;FILE: note: record N (stop name): …&quot; on standard error.
        --tape FILEtp.csv  beside each stop, the announcements of this data
                           shown while it is on the unit when played from the
                           start with the console&apos;s &quot;Forward&quot; (after an
                           announcement with step flag 1 the unit moves on
                           to the next stop)
      Written through a temporary file: if writing fails the original file
      stays.

  plugin FILE.4SP
      Reads a ticket plug-in and shows what the program reads from it. The
      first line is &quot;PlgInfo&quot; and 14 values (PlgInfoRecord 0 to 13, separated
      by spaces), then the same lines as the options window&apos;s &quot;What the
      plug-in can do&quot;, &quot;[Comment]&quot; and the notes, and &quot;[Companies]&quot; and the
      company names (one a line). For a file that is no plug-in one line
      &quot;FILE: line N: reason&quot; (for the whole file &quot;FILE: reason&quot;) is shown and
      the tool exits with status 1.

  render-ticket FILE.4SP OUT.png [OPTIONS]
      Draws a ticket with the ticket plug-in and saves as PNG the same picture
      as the console&apos;s preview, the plug-in&apos;s Width x Height in size. For
      each barcode drawn, &quot;barcode: CONTENT&quot; is printed on standard output.
        --stop-name TEXT  stop name (default 中央駅前)
        --date TEXT       the date&apos;s text (default today, mm-dd-yyyy)
        --time TEXT       the time&apos;s text (default now, hh:mm:ss)
        --route N         route number (default 1)
        --number N        ticket number (default 1)
        --position N      the stop&apos;s position (default 1)
        --company N       company name number, 0 for the first, -1 for none
                          (default -1)
      Written through a temporary file: if writing fails the original file
      stays. Without the IPA fonts a warning is given and another font used.

  gtfs-routes FEED
      Lists the routes of a GTFS-JP feed (Japan&apos;s standard bus information
      format), one line per route and direction, in the order of routes.txt
      (tab-separated): route_id, the route&apos;s name (route_short_name, else
      route_long_name), the direction (direction_id, - if none), the
      destination (trip_headsign) and &quot;first → last&quot; of the direction&apos;s trip
      with the most stops, the direction&apos;s number of trips, that trip&apos;s
      number of stops, the ticket numbers needed (counted by fare stage, as
      gtfs does by default), and the lowest to highest fare (&quot;none&quot; if there
      are no fares). A trip of more than 301 stops gets &quot;-&quot; for ticket numbers
      and fares, with a note. FEED is a folder or a .zip (with the files at
      the top or in a single folder inside).

  gtfs FEED --route ID [OPTIONS] OUTDIR
      Writes the feed&apos;s route ID to OUTDIR (created if need be) as a route&apos;s
      folder ready to run: the fare data N.hy3, the announcement data Ntp.csv
      (Shift-JIS), the reading dictionary yomi.csv and the settings file
      route.in4. Start kerubara with OUTDIR/route.in4 as its settings file
      and reset with route N, section 1 to run it. route.in4 names its
      folders relatively (.), so the folder can be moved as a whole. The unit
      and the console sit side by side. Shown are the route, the trip, the
      number of stops, the ticket numbers, the lowest and highest fares, the
      readings (stops without one) and notes. Four-digit fares, and fares
      whose late-night fare (double) has four digits, are noted too.
      The trip is the one with the most stops (on a tie, the first in
      trips.txt). A platform (a stop with a parent_station) is shown and
      announced with its parent stop&apos;s name and reading, and a final
      qualifier in brackets (the &quot;（群馬）&quot; of &quot;県庁前（群馬）&quot;) is dropped
      unless that would make two stops of the same name. The &quot;行き&quot; of the
      destination is said once even when trip_headsign ends in &quot;行き&quot;.
      The fare is the price of the fare_rules.txt rule whose zone_ids match
      the boarding and alighting stops (for this route or with an empty
      route_id; empty origin_id and destination_id match every zone), the
      lower if several match. A section with no fare gets -1 (no fare), and
      a note gives how many.
      The ticket number is 0 at stops where no one may board (pickup_type 1)
      and at the last stop; columns 1 to 140 are the fares of ticket numbers
      1 to 140, column 149 the minutes from the first stop, column 150 the
      flag of the step sound (1 an ordinary stop, 3 the last).
        --trip ID          use this trip
        --direction 0|1    choose among the trips of this direction_id
        --number N         route number (1 to 99999, the number keyed into
                           the panel&apos;s route, without leading zeros; 0 is
                           what a reset without a route gives, so it cannot
                           be used. By default route_short_name if it is
                           such a number; otherwise required, status 2
                           without it)
        --tickets stage    the same ticket number for stops of the same fare
                           (a fare stage; the default)
        --tickets stop     a ticket number for each stop where one may board
        --chimes DIR       the folder of chimes the settings file uses
                           (default: the chimes that come with the program)
        --plugin FILE.4SP  the ticket preview with this ticket plug-in (also
                           for the ticket in videos)
        --keep-qualifiers  keep the final qualifier in brackets of stop names
        --all              instead of --route, write every route by
                           direction to OUTDIR/ROUTE-DIRECTION/ (see below)
      A stop name Shift-JIS cannot write is normalised by NFKC; if some
      character is still unwritable, or it exceeds 65535 bytes, the tool
      names the stop and stops. Line breaks and tabs in stop names become
      spaces and other control characters are removed, with a note. Large
      files (stop_times.txt and the like) are read a line at a time, keeping
      only the stops of the trip used. At most 301 stops and 140 ticket
      numbers. The ja-Hrkt readings of translations.txt are written in
      katakana to yomi.csv (the other lines of OUTDIR&apos;s yomi.csv are kept).
      When translations.txt cannot be read (it has no language column) a note
      is given and the folder is made without readings. Missing files or
      columns, routes, trips or stops that do not exist, fares or orders that
      are not numbers, a damaged zip and unclosed quotes are reported with
      the file and line number; the tool exits with status 1 and no file in
      OUTDIR is created or changed (writing goes through temporary files,
      and if one of the four files cannot be put in place, the files already
      replaced are restored).

  gtfs FEED --all [OPTIONS] OUTDIR
      Writes each route of the feed, one per line of gtfs-routes (route and
      direction), to the folder OUTDIR/ID-DIRECTION (OUTDIR/ID without a
      direction_id), just as importing it with --route and --direction
      would, and writes the list OUTDIR/routes.csv (UTF-8, with the heading
      route_id, direction_id, route_name, number, headsign, first_stop,
      last_stop, stops, folder, status (imported or failed), message). The
      feed is read once. In folder names, / \ : * ? &quot; &lt; &gt; | %, spaces,
      control characters and a leading . of the route_id are written as %XX
      (UTF-8), and ~2 and so on is added when names clash (also those that
      differ only in case). A new folder is made under a hidden name and then
      put in place; a folder of an earlier run has its four files replaced
      together, as with gtfs. A route whose route_short_name is not a route
      number gets its place in routes.txt as route number (with a note). A
      route that cannot be imported is reported with the reason on standard
      error and in routes.csv, the other routes carry on, and the tool exits
      with status 1 at the end. Cannot be used with --route, --trip,
      --direction or --number (status 2).

  help, --help, -h
      Shows this help.

--lang ja or --lang en before the command chooses the language of the help
and messages. Without it, the language is English where the locale (the
first set of LC_ALL, LC_MESSAGES and LANG) is English, and Japanese
otherwise. The data written does not depend on the language.

Exit status: 0 success, 1 a problem in the input, 2 wrong usage.
</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください（「%1」は使えません）。</source>
        <translation>--lang takes ja or en (not “%1”).</translation>
    </message>
    <message>
        <source>使い方: kerubara-data [--lang ja|en] コマンド [引数...]

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
      （シェルでは &apos;&quot;0&quot;&apos; のように書きます）か --text を付けた値は文字として
      表示します。文字の &quot;0&quot; は数値の 0 とは別に扱われます。
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
      では、route_id の / \ : * ? &quot; &lt; &gt; | %、空白、制御文字、先頭の . を
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
</source>
        <translation>Usage: kerubara-data [--lang ja|en] COMMAND [ARGUMENTS...]

A tool to make and check kerubara&apos;s fare data (.hy3), announcement data
(*****tp.csv) and settings files (.in4), and to try out the stop name and
digit displays, tickets and spoken announcements. It needs no screen and no
sound card.

Commands:
  dump FILE.hy3
      Writes the fare data to standard output as CSV (UTF-8, LF line ends,
      RFC 4180 quoting): first the heading &quot;Chimei,SeirikenNo,Col1,…,Col150&quot;,
      then one line per stop (the stop name and 151 integers) in file order.

  dump FILEtp.csv
      Writes announcement data whose name ends in tp.csv (in any case) as CSV
      (UTF-8, LF line ends), as the program reads it: first the heading
      &quot;Text,StepFlag,SoundFlag&quot;, then one record (text, step flag, sound
      flag) per line of the file. Announcement data is Shift-JIS, with
      &quot;text,step flag,sound flag&quot; on each line. A file the program would not
      read (it ends in the middle of a line, a flag is outside -32768 to
      32767, there are too many fields) is reported with the line number and
      the reason, and the tool exits with status 1. When a blank line has
      shifted the fields, the blank line&apos;s number is given. A flag written
      in full-width digits (read as 0) gets a warning. A Ctrl-Z at the end of
      the file (an old editors&apos; end mark) is taken as the end of the data. A
      file saved in UTF-8 gets one warning saying so (tp converts it to
      Shift-JIS).

  tp IN.csv OUTtp.csv
      Converts announcement data saved in UTF-8 (with or without a leading
      BOM) to Shift-JIS and writes it to OUTtp.csv, keeping lines and line
      ends. Characters Shift-JIS cannot write and lines that are not valid
      UTF-8 are reported with their line numbers; so is converted data the
      program could not read (the same checks as dump). Then the tool exits
      with status 1 and OUTtp.csv is neither created nor changed (it is
      written through a temporary file).

  say [--reading] [--phonemes] [--dict FILE]... TEXT [OUT.wav]
      Speaks TEXT in the announcements&apos; voice and writes it to OUT.wav
      (16-bit PCM). --reading shows the reading spoken (in katakana).
      --phonemes shows the phonemes given to the HTS voice (a i u e o N cl
      pau k sh …, a long vowel as two vowels, a devoiced vowel in capitals),
      separated by spaces (お降りの方 → o o r i n o k a t a). The accents come
      from Open JTalk&apos;s dictionary (open-jtalk-mecab-naist-jdic). With either
      of them OUT.wav may be left out. The voice&apos;s rate, pitch and volume are
      those saved in the program&apos;s voice settings.
      The reading is made from numbers and counters (1,200円, 10分, 4時,
      一丁目) by the program&apos;s rules, from transport terms by the built-in
      reading dictionary, and from the rest by MeCab. A reading dictionary in
      the settings folder (~/.config/kerubara/yomi.csv) takes precedence over
      the built-in one.
        --dict FILE  Uses this reading dictionary too (may be given any
                     number of times; later ones take precedence).
      A reading dictionary is a UTF-8 CSV with &quot;text,reading&quot; on each line
      (the reading in katakana, a long vowel as &quot;ー&quot;). Lines starting with #
      and blank lines are skipped. A malformed line is reported on standard
      error as &quot;FILE: line N: reason&quot; and not used; the reading goes on. At
      each route setting the program reads the yomi.csv in the announcement
      data folder, which takes precedence over the settings folder&apos;s.

  hy3 IN.csv OUT.hy3
      Makes fare data from a CSV of the form dump writes. A dumped CSV turned
      back with hy3 gives a file of the very same bytes.
      The heading may also name only the columns used, in any order (for
      example &quot;Chimei,SeirikenNo,Col1,Col2&quot;; Chimei is required). Columns not
      in the heading are 0 for every stop, and one note says how many.
      Each line has at most as many columns as the heading; numbers are
      integers from -32768 to 32767; a stop name is at most 65535 bytes of
      characters Shift-JIS can write, with no control characters such as
      line breaks or tabs; there are at most 301 stops. Empty cells and short
      lines, as in a CSV saved by a spreadsheet, are read as 0, and a single
      warning gives their number and the first place. A line of only empty
      cells is not a stop. On a problem the reason is shown with the line
      number, the tool exits with status 1, and OUT.hy3 is neither created
      nor changed (it is written through a temporary file, so the original
      file stays even if writing fails midway).

  check FILE.hy3...
      Checks fare data, printing one line &quot;FILE: record N: …&quot; per problem.
      Exits with status 1 if there are problems, else 0 with no output.
      Checked: a count of 0, below 0, 1 or over 301, data short of the count
      (a record cut off), stop names that are not valid Shift-JIS, extra data
      after the last stop.
      For stops with ticket numbers above 12 (by default the unit shows fares
      for ticket numbers 1 to 12 only), &quot;FILE: note: record N: …&quot; and the
      panel setting &quot;Ticket numbers shown&quot; that shows them all in turn go
      to standard error. This does not count as a problem. Fares of which the
      unit&apos;s three-digit fares show only the last three digits (1000 yen and
      over, late-night fares (double) of 500 yen and over) are noted the same
      way, by day and by night, with the stop, ticket number and highest
      fare. Checked together with a settings file, a note also says when a
      column the settings read for each stop (the column of the step sound,
      the column of data for the info digits) lies among the fare columns.
      Fare data never exceeds 18.9 MiB (the count and 301 stops of the
      longest names); every command refuses a larger file without reading
      it. Every command reads only regular files and refuses devices (such as
      /dev/zero) and named pipes (FIFOs) without waiting or reading.

  dump FILE.in4
      Writes a settings file one field a line, &quot;name=value&quot;, in file order,
      as the program reads it. The names are the options window&apos;s control
      names (Text2(0), Command5(1), Option3(7), txtSelectSound(10), Label10 …),
      CtrlData.nBackFrame … CtrlData.nTop, FormPos.nLeft, FormPos.nTop,
      CustColors(0) … CustColors(16), DegitCount, DegitUser(1).Shift,
      DegitUser(1).ZeroMode, DegitUser(1).FillZero … DegitUser(12).FillZero.
      Numbers are decimal (colours as signed 32-bit values), texts UTF-8,
      with control characters written as their symbols (U+2400 to U+241F,
      U+2421). For a file that ends early the missing fields are given as 0
      and empty texts (the program keeps their start-up values).

  in4 IN.txt OUT.in4
      Makes a settings file from a text of the form dump writes. The fields
      may come in any order; a field not written takes the value of the
      program started without a settings file (the options window&apos;s initial
      values, scroll bars at their minimum, window positions 0, the ticket&apos;s
      fixed date today, DegitCount 12). Blank lines and lines starting with #
      are skipped. A dumped text turned back with in4 gives a file of the
      very same bytes. An unknown name, a name given twice, a value out of
      range (16-bit fields -32768 to 32767, 32-bit fields and colours
      -2147483648 to 2147483647), characters Shift-JIS cannot write, or a
      text over 32767 bytes is reported with the line number and the reason;
      the tool exits with status 1 and OUT.in4 is neither created nor
      changed.

  check FILE.in4...
      Checks settings files, printing one line &quot;FILE: …&quot; per problem.
      Checked: a file that ends early, text lengths past the end of the file,
      extra data after block 11, list indexes out of range, option button
      groups without exactly one button chosen, scroll bar values out of
      range. The missing fields of a file that ends early and values a list
      or scroll bar cannot take are reported once by the program at start-up,
      which keeps only those fields at their start-up values. Exits with
      status 1 if there are problems. A data folder that does not exist
      (relative paths from the settings file&apos;s folder) gives &quot;FILE: note: …&quot;
      on standard error. .hy3 and .in4 are told apart by the name&apos;s
      extension.

  render-name TEXT OUT.png [OPTIONS]
      Draws the stop name TEXT as the unit&apos;s destination display (a dot
      matrix) and saves it as PNG. The picture is the display face itself
      before scrolling, 56 pixels high and 432 pixels wide (more for a long
      stop name). The default colours and typefaces are those of the unit on
      screen.
        --tsugiwa-mode N       &quot;次は&quot;: 0 none, 1 small &quot;は&quot;, 2 same size
        --font-mode N          stop name typeface: 0 Gothic, 1 Mincho,
                               2 kana, symbols and Latin in Mincho,
                               3 kanji in Mincho, 4 only full-width Latin
                               and digits in Gothic
        --tsugiwa-font-mode N  &quot;次は&quot; typeface: 0 Gothic, 1 only &quot;は&quot; in
                               Mincho, 2 Mincho, 3 only &quot;次&quot; in Mincho
        --bold                 the stop name in bold
        --tsugiwa-bold         &quot;次は&quot; in bold
        --back RRGGBB          background colour (default %1)
        --fore RRGGBB          stop name colour (default %2)
        --tsugiwa-color RRGGBB &quot;次は&quot; colour (default %3)
      Written through a temporary file: if writing fails the original file
      stays. Without the IPA fonts a warning is given and another font used.
  render-digits [OPTIONS] VALUE OUT.png
      Draws one of the unit&apos;s seven-segment numbers and saves it as PNG. The
      picture is the number display&apos;s own size: the width is a digit&apos;s width
      times the digits, the height set by the size kind (a digit&apos;s width x
      height: 0 = 13x20, 1 = 17x26, 2 = 19x29, 3 = 11x15 pixels). Unlit
      segments are drawn faintly in the shape of an &quot;8&quot;.
      VALUE is a number (such as 230, -1, 1.5). A value wholly in double
      quotes (written &apos;&quot;0&quot;&apos; in the shell) or given with --text is shown as
      text. The text &quot;0&quot; is not the same as the number 0. A value that does
      not read as a number, without --text, ends the tool with status 1.
      Characters shown: 0 to 9, space (unlit), -, _, =, ., and the letters
      seven segments can show (A b C c d E F G H h I J L n O o P q r S t U u
      y). Any other character leaves its digit unlit.
      Options (the default colours are those of the unit&apos;s fares on screen,
      the other defaults those of the number display):
        --keta N       digits, 1 to 15 (4 if out of range). Default 4
        --size N       size kind, 0 to 3 (0 if out of range). Default 0
        --style N      digit shape: 0 = A (slanted), 1 = B (square), 2 = C
                       (dots). A for anything but 0 to 2. Default 0
        --zero-mode N  showing 0, -1 and blank: 0 = 0 and blank all unlit,
                       1 = 0 and blank as &quot;0&quot;, 2 = -1 as &quot;0&quot; and 0 all
                       unlit, 3 = -1, 0 and blank as &quot;0&quot; (0 for 4 and over).
                       Default 0
        --fill-zero N  pad the number with leading zeros to this many digits
                       (the digit count if more); 0 for no padding.
                       Default 0
        --shift N      digits left blank on the right (kept within 0 to
                       digits-1). Default 0
        --back RRGGBB  background colour. Default %4
        --base RRGGBB  colour of unlit segments. Default %5
        --lit RRGGBB   colour of lit segments. Default %6
      Colours are red, green and blue in two hex digits each (a leading # is
      allowed). Written through a temporary file: if writing fails the
      original file stays. Needs no screen.

  render-panel FILE.hy3 --stop N OUT.png [OPTIONS]
      Draws the unit&apos;s whole face as the program shows it at stop N (its
      place in the data, from 1) and saves it as PNG. It draws with the
      program&apos;s own panel, not shown on screen, so the picture is what the
      unit shows after setting the route and stepping to stop N (502x252
      pixels, 616x252 with four digits). A scrolling stop name is shown from
      its start, before it scrolls.
        --stop N           the stop number (required)
        --section N        section (1 to 300, default 1). Fares for ticket
                           numbers below it are not shown
        --late-night       show late-night fares (fares doubled)
        --ticket-style N   ticket number style, 0 to 11 (in the order of the
                           options window&apos;s list, default 0)
        --leading-zero     a 0 before one-digit ticket numbers
        --tsugiwa-mode N   &quot;次は&quot;: 0 none, 1 small &quot;は&quot;, 2 same size (never
                           on the first stop of the data)
        --backlight STATE  backlight OFF, ON1, ON2 (default OFF)
        --page P           ticket number page, 1 to 4 (default 1). With 2,
                           draws the fares of ticket numbers 13 to 24,
                           labelled with those numbers (the face when the
                           panel&apos;s &quot;Ticket numbers shown&quot; shows numbers
                           above 12 in turn)
        --fare-digits N    fare digits, 3 or 4 (default 3). With 4 the frame
                           and face widen and fares of 1000 and over (late-
                           night fares up to 9998) are shown whole, not just
                           the last three digits
        --settings FILE.in4
                           reads the settings file and draws with the
                           colours, typefaces, ticket numbers, info display,
                           number formats and late-night fare the program
                           would have with it. The settings file is only
                           read, never changed. Other options take
                           precedence over it
      Written through a temporary file: if writing fails the original file
      stays.

  render-trip FILE.hy3|FOLDER OUT.(mp4|mkv|webm) [OPTIONS]
      Makes a video with sound of the route run from the first stop to the
      last. The program&apos;s own unit, controls and sounds run on the video&apos;s
      clock, without waiting in real time. After the route setting (route
      selection and all lamps lit), each stop plays the step sound and its
      announcements (those of the announcement data up to the one before the
      next step) in turn; after the last sound ends come the dwell time, then
      the travel time, then the step to the next stop. When a sound file in
      the settings, or the route&apos;s announcement data expected in the
      settings&apos; announcement data folder, is missing (unreadable), a warning
      is given and the video made without it.
      .mp4 is H.264 and AAC, .webm VP9 and Opus, .mkv H.264 and AAC (FFV1 and
      FLAC with --lossless, no loss of picture or sound). Sound is 48 kHz
      stereo. An .mp4 has its index at the front, so a browser can play it
      while loading. Colours are recorded as BT.709 (limited range). Each
      stop gets a chapter named as on the strip, from the frame where the
      unit steps to it.
        --section N        section (1 to 300, default 1)
        --tape FILEtp.csv  announce from this announcement data and step by
                           its step flags (by default the route&apos;s file in
                           the settings&apos; announcement data folder)
        --settings FILE.in4
                           use the settings file&apos;s colours, typefaces,
                           sounds, scrolling, late-night fare and backlight
                           (only read, never changed)
        --zoom N           magnification 1, 2 or 3 (default 1, dots kept
                           sharp)
        --fps N            frames a second, 30 or 60 (default 30)
        --fare-digits N    fare digits, 3 or 4 (default 3, as render-panel)
        --dwell SECONDS    seconds stopped after the last sound ends
                           (default 4)
        --travel SECONDS   seconds travelling to the next stop (default 6)
        --travel-column C  travel times from the differences of column C
                           (minutes from the first stop)
        --time-scale X     time scale for --travel-column (default 1/60, a
                           minute a second)
        --from N           from stop N (nothing before it is recorded)
        --to N             up to stop N
        --ticket-pages N   show the ticket numbers on N pages (1 to 4,
                           default 1), turned on the video&apos;s clock (as the
                           panel&apos;s &quot;Ticket numbers shown&quot;)
        --page-seconds S   seconds between pages (1 to 60, default 3)
        --ticket           the console&apos;s ticket preview beside the unit (needs
                           a settings file using a ticket plug-in; the tool
                           says what is missing and stops). The ticket&apos;s
                           date and time are the video&apos;s time, starting at
                           2026-04-01 10:00:00 (or the settings file&apos;s fixed
                           date if it uses one)
        --lossless         FFV1 and FLAC (.mkv only)
        --cfr              store every frame (a constant frame rate, for video
                           editors); by default a frame equal to the one
                           before is not stored again but held on (one is
                           stored every two seconds as a key frame), which is
                           faster
        --subtitles        the announcements as subtitles (from the start to
                           the end of speaking): a subtitle track in the
                           video and an .srt of the same name
        --size WxH         video size (such as 1920x1080, 1280x720,
                           1080x1920). Enlarged by the largest whole factor
                           that fits, dots kept sharp, and centred (width
                           and height even; not with --zoom)
        --background COLOR background colour (black, green, #00b140 and so
                           on; default dark grey #202124)
        --info             an info bar under the panel (route, destination,
                           next stop, time, progress along the stops)
        --headsign TEXT    the info bar&apos;s destination (by default from the
                           announcement &quot;このバスは…行き&quot;)
        --preview FILE.png instead of the video, write at once an overview
                           picture of one frame per stop
      Given a folder written by gtfs instead of FILE.hy3, its .hy3,
      announcement data (Ntp.csv) and settings file (route.in4) are used.
      Written through a temporary file: on failure or Ctrl-C no unfinished
      file is left (status 130 when interrupted). On a terminal one line
      shows the progress (the share estimated from the planned time, and the
      time left), and a last line gives the file written, the video&apos;s length
      and the speed.

  route-sheet FILE.hy3 OUT.png [--tape FILEtp.csv]
      Puts every stop of the route on one PNG, one stop a line: the order,
      the ticket number, the stop name in the destination display&apos;s dots,
      and the fares for ticket numbers 1 to 12. -1 (no fare) and 0 are
      coloured, and under each fare is the late-night fare (double). Fares
      of four digits or more, and fares whose late-night fare has four digits
      or more (500 and over), get the last three digits shown.
      Fares lower than at the stop before and fares over 9999 are red, and
      each gets a line &quot;FILE: record N (stop name): ticket K: …&quot; on standard
      output. Then each fare shown only in its last three digits, by day or
      by night, gets a line &quot;… ticket K: note: …&quot;.
      Exits with status 1 if there are red fares, else 0 (the picture is
      saved either way). Stops with ticket numbers above 12 (their fares are
      not shown on the unit) have the ticket number in orange, with
      &quot;FILE: note: record N (stop name): …&quot; on standard error.
        --tape FILEtp.csv  beside each stop, the announcements of this data
                           shown while it is on the unit when played from the
                           start with the console&apos;s &quot;Forward&quot; (after an
                           announcement with step flag 1 the unit moves on
                           to the next stop)
      Written through a temporary file: if writing fails the original file
      stays.

  plugin FILE.4SP
      Reads a ticket plug-in and shows what the program reads from it. The
      first line is &quot;PlgInfo&quot; and 14 values (PlgInfoRecord 0 to 13, separated
      by spaces), then the same lines as the options window&apos;s &quot;What the
      plug-in can do&quot;, &quot;[Comment]&quot; and the notes, and &quot;[Companies]&quot; and the
      company names (one a line). For a file that is no plug-in one line
      &quot;FILE: line N: reason&quot; (for the whole file &quot;FILE: reason&quot;) is shown and
      the tool exits with status 1.

  render-ticket FILE.4SP OUT.png [OPTIONS]
      Draws a ticket with the ticket plug-in and saves as PNG the same picture
      as the console&apos;s preview, the plug-in&apos;s Width x Height in size. For
      each barcode drawn, &quot;barcode: CONTENT&quot; is printed on standard output.
        --stop-name TEXT  stop name (default 中央駅前)
        --date TEXT       the date&apos;s text (default today, mm-dd-yyyy)
        --time TEXT       the time&apos;s text (default now, hh:mm:ss)
        --route N         route number (default 1)
        --number N        ticket number (default 1)
        --position N      the stop&apos;s position (default 1)
        --company N       company name number, 0 for the first, -1 for none
                          (default -1)
      Written through a temporary file: if writing fails the original file
      stays. Without the IPA fonts a warning is given and another font used.

  gtfs-routes FEED
      Lists the routes of a GTFS-JP feed (Japan&apos;s standard bus information
      format), one line per route and direction, in the order of routes.txt
      (tab-separated): route_id, the route&apos;s name (route_short_name, else
      route_long_name), the direction (direction_id, - if none), the
      destination (trip_headsign) and &quot;first → last&quot; of the direction&apos;s trip
      with the most stops, the direction&apos;s number of trips, that trip&apos;s
      number of stops, the ticket numbers needed (counted by fare stage, as
      gtfs does by default), and the lowest to highest fare (&quot;none&quot; if there
      are no fares). A trip of more than 301 stops gets &quot;-&quot; for ticket numbers
      and fares, with a note. FEED is a folder or a .zip (with the files at
      the top or in a single folder inside).

  gtfs FEED --route ID [OPTIONS] OUTDIR
      Writes the feed&apos;s route ID to OUTDIR (created if need be) as a route&apos;s
      folder ready to run: the fare data N.hy3, the announcement data Ntp.csv
      (Shift-JIS), the reading dictionary yomi.csv and the settings file
      route.in4. Start kerubara with OUTDIR/route.in4 as its settings file
      and reset with route N, section 1 to run it. route.in4 names its
      folders relatively (.), so the folder can be moved as a whole. The unit
      and the console sit side by side. Shown are the route, the trip, the
      number of stops, the ticket numbers, the lowest and highest fares, the
      readings (stops without one) and notes. Four-digit fares, and fares
      whose late-night fare (double) has four digits, are noted too.
      The trip is the one with the most stops (on a tie, the first in
      trips.txt). A platform (a stop with a parent_station) is shown and
      announced with its parent stop&apos;s name and reading, and a final
      qualifier in brackets (the &quot;（群馬）&quot; of &quot;県庁前（群馬）&quot;) is dropped
      unless that would make two stops of the same name. The &quot;行き&quot; of the
      destination is said once even when trip_headsign ends in &quot;行き&quot;.
      The fare is the price of the fare_rules.txt rule whose zone_ids match
      the boarding and alighting stops (for this route or with an empty
      route_id; empty origin_id and destination_id match every zone), the
      lower if several match. A section with no fare gets -1 (no fare), and
      a note gives how many.
      The ticket number is 0 at stops where no one may board (pickup_type 1)
      and at the last stop; columns 1 to 140 are the fares of ticket numbers
      1 to 140, column 149 the minutes from the first stop, column 150 the
      flag of the step sound (1 an ordinary stop, 3 the last).
        --trip ID          use this trip
        --direction 0|1    choose among the trips of this direction_id
        --number N         route number (1 to 99999, the number keyed into
                           the panel&apos;s route, without leading zeros; 0 is
                           what a reset without a route gives, so it cannot
                           be used. By default route_short_name if it is
                           such a number; otherwise required, status 2
                           without it)
        --tickets stage    the same ticket number for stops of the same fare
                           (a fare stage; the default)
        --tickets stop     a ticket number for each stop where one may board
        --chimes DIR       the folder of chimes the settings file uses
                           (default: the chimes that come with the program)
        --plugin FILE.4SP  the ticket preview with this ticket plug-in (also
                           for the ticket in videos)
        --keep-qualifiers  keep the final qualifier in brackets of stop names
        --all              instead of --route, write every route by
                           direction to OUTDIR/ROUTE-DIRECTION/ (see below)
      A stop name Shift-JIS cannot write is normalised by NFKC; if some
      character is still unwritable, or it exceeds 65535 bytes, the tool
      names the stop and stops. Line breaks and tabs in stop names become
      spaces and other control characters are removed, with a note. Large
      files (stop_times.txt and the like) are read a line at a time, keeping
      only the stops of the trip used. At most 301 stops and 140 ticket
      numbers. The ja-Hrkt readings of translations.txt are written in
      katakana to yomi.csv (the other lines of OUTDIR&apos;s yomi.csv are kept).
      When translations.txt cannot be read (it has no language column) a note
      is given and the folder is made without readings. Missing files or
      columns, routes, trips or stops that do not exist, fares or orders that
      are not numbers, a damaged zip and unclosed quotes are reported with
      the file and line number; the tool exits with status 1 and no file in
      OUTDIR is created or changed (writing goes through temporary files,
      and if one of the four files cannot be put in place, the files already
      replaced are restored).

  gtfs FEED --all [OPTIONS] OUTDIR
      Writes each route of the feed, one per line of gtfs-routes (route and
      direction), to the folder OUTDIR/ID-DIRECTION (OUTDIR/ID without a
      direction_id), just as importing it with --route and --direction
      would, and writes the list OUTDIR/routes.csv (UTF-8, with the heading
      route_id, direction_id, route_name, number, headsign, first_stop,
      last_stop, stops, folder, status (imported or failed), message). The
      feed is read once. In folder names, / \ : * ? &quot; &lt; &gt; | %, spaces,
      control characters and a leading . of the route_id are written as %XX
      (UTF-8), and ~2 and so on is added when names clash (also those that
      differ only in case). A new folder is made under a hidden name and then
      put in place; a folder of an earlier run has its four files replaced
      together, as with gtfs. A route whose route_short_name is not a route
      number gets its place in routes.txt as route number (with a note). A
      route that cannot be imported is reported with the reason on standard
      error and in routes.csv, the other routes carry on, and the tool exits
      with status 1 at the end. Cannot be used with --route, --trip,
      --direction or --number (status 2).

  help, --help, -h
      Shows this help.

--lang ja or --lang en before the command chooses the language of the help
and messages. Without it, the language is English where the locale (the
first set of LC_ALL, LC_MESSAGES and LANG) is English, and Japanese
otherwise. The data written does not depend on the language.

Exit status: 0 success, 1 a problem in the input, 2 wrong usage.
</translation>
    </message>
</context>
<context>
    <name>DigitFormatDialog</name>
    <message>
        <source>数字の表示設定</source>
        <translation>Digit display</translation>
    </message>
    <message>
        <source>0 と -1 の表示</source>
        <translation>Showing 0 and -1</translation>
    </message>
    <message>
        <source>0 は表示しない（空欄も消灯のまま）</source>
        <translation>Do not show 0 (blanks stay unlit)</translation>
    </message>
    <message>
        <source>0 は「0」と表示する（空欄も「0」）</source>
        <translation>Show 0 as “0” (blanks too)</translation>
    </message>
    <message>
        <source>-1 は「0」と表示し、0 は表示しない</source>
        <translation>Show -1 as “0” and do not show 0</translation>
    </message>
    <message>
        <source>-1 と 0 は「0」と表示する（空欄も「0」）</source>
        <translation>Show -1 and 0 as “0” (blanks too)</translation>
    </message>
    <message>
        <source>右側に空ける桁数：</source>
        <translation>Digits left blank on the right:</translation>
    </message>
    <message>
        <source> 桁</source>
        <translation> digits</translation>
    </message>
    <message>
        <source>先頭を 0 で埋める桁数：</source>
        <translation>Digits padded with leading zeros:</translation>
    </message>
    <message>
        <source>埋めない</source>
        <translation>No padding</translation>
    </message>
    <message>
        <source>表示例（5 のとき）：</source>
        <translation>Example (for 5):</translation>
    </message>
    <message>
        <source>全部で %1 桁です。「・」は消灯している桁です。</source>
        <translation>%1 digits in all. “・” marks an unlit digit.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>エラー Code:%1<byte value="xd"/>
内容:%2</source>
        <translation>Error Code:%1<byte value="xd"/>
Details:%2</translation>
    </message>
</context>
<context>
    <name>FareCommands</name>
    <message>
        <source>停留所名の%1バイト目（0x%2）が Shift-JIS の文字になりません。</source>
        <translation>Byte %1 of the stop name (0x%2) is not a Shift-JIS character.</translation>
    </message>
    <message>
        <source>運賃データ(.hy3)</source>
        <translation>fare data (.hy3)</translation>
    </message>
    <message>
        <source>record %1: 停留所「%2」: %3</source>
        <translation>record %1: stop “%2”: %3</translation>
    </message>
    <message>
        <source>: 停留所の件数（先頭2バイト）がありません。運賃データ(.hy3)ではないか、壊れています。
</source>
        <translation>: the stop count (the first 2 bytes) is missing. This is not fare data (.hy3), or it is damaged.
</translation>
    </message>
    <message>
        <source>: 停留所の件数が負の値（%1）です。ファイルが壊れています。
</source>
        <translation>: the stop count is negative (%1). The file is damaged.
</translation>
    </message>
    <message>
        <source>: 停留所の件数（%1）が301を超えています。1つの系統に入る停留所は301件までです。
</source>
        <translation>: the stop count (%1) is over 301. A route holds at most 301 stops.
</translation>
    </message>
    <message>
        <source>（件数は%1件）
</source>
        <translation>(%1 stops)
</translation>
    </message>
    <message>
        <source>: record %1: 停留所名「%2」には同じ文字を表す別のコード（NEC選定IBM拡張文字など）が使われています。hy3 で書き戻すと標準のコードになります。
</source>
        <translation>: record %1: stop name “%2” uses another code for the same character (NEC-selected IBM extensions or the like). Writing it back with hy3 gives the standard code.
</translation>
    </message>
    <message>
        <source>: 最後の停留所の後に%1バイトの余分なデータがあります（プログラムは読みません。CSV には含まれません）。
</source>
        <translation>: there are %1 bytes of extra data after the last stop (the program does not read them; they are not in the CSV).
</translation>
    </message>
    <message>
        <source>運賃データの CSV </source>
        <translation>The fare data CSV </translation>
    </message>
    <message>
        <source> は作成・変更していません。
</source>
        <translation> was not created or changed.
</translation>
    </message>
    <message>
        <source>: 停留所が0件です。この運賃データでは系統設定できません。
</source>
        <translation>: there are no stops. A route cannot be set with this fare data.
</translation>
    </message>
    <message>
        <source>: 停留所が1件だけです。この運賃データでは区間1も設定できません。
</source>
        <translation>: there is only one stop. Not even section 1 can be set with this fare data.
</translation>
    </message>
    <message>
        <source>停留所が%1件あります。運賃データに入る停留所は301件までです。</source>
        <translation>There are %1 stops. Fare data holds at most 301 stops.</translation>
    </message>
    <message>
        <source>record %1: 停留所名が長すぎます（%2バイト。運賃データの停留所名は65535バイトまでです）。</source>
        <translation>record %1: the stop name is too long (%2 bytes; a stop name in fare data is at most 65535 bytes).</translation>
    </message>
    <message>
        <source>record %1: 停留所名に制御文字（%2）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。</source>
        <translation>record %1: the stop name contains a control character (%2). A stop name in fare data cannot contain control characters such as line breaks or tabs.</translation>
    </message>
    <message>
        <source>停留所の件数（先頭2バイト）がありません。</source>
        <translation>The stop count (the first 2 bytes) is missing.</translation>
    </message>
    <message>
        <source>停留所の件数が0です（系統設定できません）。</source>
        <translation>The stop count is 0 (no route can be set).</translation>
    </message>
    <message>
        <source>停留所の件数が負の値（%1）です。</source>
        <translation>The stop count is negative (%1).</translation>
    </message>
    <message>
        <source>停留所が1件だけです（区間1も設定できません）。</source>
        <translation>There is only one stop (not even section 1 can be set).</translation>
    </message>
    <message>
        <source>停留所の件数（%1）が301を超えています（301件までしか扱えません）。</source>
        <translation>The stop count (%1) is over 301 (at most 301 can be handled).</translation>
    </message>
    <message>
        <source>最後の停留所（%1件目）の後に%2バイトの余分なデータがあります（件数が実際より少ない可能性があります）。</source>
        <translation>There are %2 bytes of extra data after the last stop (number %1); the count may be smaller than the real number of stops.</translation>
    </message>
    <message>
        <source>%1: 注意: record %2: %3
</source>
        <translation>%1: note: record %2: %3
</translation>
    </message>
    <message>
        <source>%1: 注意: %2
</source>
        <translation>%1: note: %2
</translation>
    </message>
</context>
<context>
    <name>FareFillDialog</name>
    <message>
        <source>運賃の自動入力</source>
        <translation>Fill Fares by Rule</translation>
    </message>
    <message>
        <source>運賃段階表で埋める(&amp;S)</source>
        <translation>From a fare-&amp;stage table</translation>
    </message>
    <message>
        <source>0区間からの運賃(&amp;F)：</source>
        <translation>&amp;Fares from 0 stages:</translation>
    </message>
    <message>
        <source>例: 170, 190, 210, 240</source>
        <translation>e.g. 170, 190, 210, 240</translation>
    </message>
    <message>
        <source>表より先は1区間ごとに(&amp;A)：</source>
        <translation>Beyond the table, &amp;add per stage:</translation>
    </message>
    <message>
        <source> 円加算</source>
        <translation> yen</translation>
    </message>
    <message>
        <source>端数の単位(&amp;U)：</source>
        <translation>Round to a m&amp;ultiple of:</translation>
    </message>
    <message>
        <source>1円（まるめない）</source>
        <translation>1 yen (no rounding)</translation>
    </message>
    <message>
        <source>5円</source>
        <translation>5 yen</translation>
    </message>
    <message>
        <source>10円</source>
        <translation>10 yen</translation>
    </message>
    <message>
        <source>50円</source>
        <translation>50 yen</translation>
    </message>
    <message>
        <source>100円</source>
        <translation>100 yen</translation>
    </message>
    <message>
        <source>端数の処理(&amp;R)：</source>
        <translation>&amp;Rounding:</translation>
    </message>
    <message>
        <source>四捨五入</source>
        <translation>Nearest (half up)</translation>
    </message>
    <message>
        <source>切り上げ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>切り捨て</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>整理券の列の並びを斜めに写す(&amp;D)</source>
        <translation>Copy a ticket column&apos;s pattern down the &amp;diagonal</translation>
    </message>
    <message>
        <source>写す元の整理券番号(&amp;T)：</source>
        <translation>Source &amp;ticket number:</translation>
    </message>
</context>
<context>
    <name>FormatMessages</name>
    <message>
        <source>行の途中でファイルが終わっています</source>
        <translation>the file ends in the middle of a line</translation>
    </message>
    <message>
        <source>フラグの数値が -32768～32767 の範囲を超えています</source>
        <translation>a flag is outside -32768 to 32767</translation>
    </message>
    <message>
        <source>項目が行数に対して多すぎます</source>
        <translation>too many fields for the number of lines</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>フォルダーです。ファイルを指定してください。</source>
        <translation>This is a folder. Choose a file.</translation>
    </message>
    <message>
        <source>ファイルを開けません（%1）。</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。%1は %2 までです。</source>
        <translation>The file is too large. %1 is at most %2.</translation>
    </message>
    <message>
        <source>読み込みに失敗しました（%1）。</source>
        <translation>Reading failed (%1).</translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイスや名前付きパイプは読みません）。</source>
        <translation>This is not a regular file (devices and named pipes are not read).</translation>
    </message>
    <message>
        <source>書き込めません（%1）。</source>
        <translation>Cannot write (%1).</translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。元のファイルは変更していません。</source>
        <translation>Writing failed (%1). The original file is unchanged.</translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。</source>
        <translation>Writing failed (%1).</translation>
    </message>
    <message>
        <source>元のファイルを置き換えられません。</source>
        <translation>The original file cannot be replaced.</translation>
    </message>
    <message>
        <source>新しいファイルを消せませんでした。</source>
        <translation>The new file could not be removed.</translation>
    </message>
    <message>
        <source>元のファイルに戻せませんでした。新しい内容のままです。元の内容は %1 にあります。</source>
        <translation>The original file could not be restored; it holds the new content. The original content is in %1.</translation>
    </message>
    <message>
        <source>元のファイルに戻せませんでした。元の内容は %1 にあります。</source>
        <translation>The original file could not be restored. The original content is in %1.</translation>
    </message>
    <message>
        <source>すでにあります。</source>
        <translation>It already exists.</translation>
    </message>
    <message>
        <source>%1 にフォルダーを作れません。</source>
        <translation>Cannot create a folder in %1.</translation>
    </message>
    <message>
        <source>フォルダーを置けません。</source>
        <translation>The folder cannot be put in place.</translation>
    </message>
    <message>
        <source>置き換えた元のファイル %1 を消せませんでした。</source>
        <translation>The replaced original file %1 could not be removed.</translation>
    </message>
    <message>
        <source>「&quot;」を含むフィールドは全体を「&quot;」で囲み、中の「&quot;」は「&quot;&quot;」と書いてください。</source>
        <translation>Enclose a field containing “&quot;” in “&quot;”, and write a “&quot;” inside it as “&quot;&quot;”.</translation>
    </message>
    <message>
        <source>「&quot;」で始まったフィールドが閉じられていません。</source>
        <translation>A field starting with “&quot;” is not closed.</translation>
    </message>
    <message>
        <source>閉じた「&quot;」の後に余分な文字があります。</source>
        <translation>There are extra characters after the closing “&quot;”.</translation>
    </message>
    <message>
        <source>UTF-8 として読めない文字があります（Shift-JIS の CSV は「CSV UTF-8」形式で保存し直してください）。</source>
        <translation>Some characters cannot be read as UTF-8 (save a Shift-JIS CSV again as “CSV UTF-8”).</translation>
    </message>
    <message>
        <source>改行</source>
        <translation>line break</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>CSV が空です（1行目に見出し「Chimei,SeirikenNo,Col1,…,Col150」が必要です）。</source>
        <translation>The CSV is empty (line 1 must be the heading “Chimei,SeirikenNo,Col1,…,Col150”).</translation>
    </message>
    <message>
        <source>見出しの%1列目が空です。列の名前（Chimei、SeirikenNo、Col1～Col150）を書いてください。</source>
        <translation>Column %1 of the heading is empty. Write a column name (Chimei, SeirikenNo, Col1 to Col150).</translation>
    </message>
    <message>
        <source>見出しの%1列目「%2」は運賃データの列の名前（Chimei、SeirikenNo、Col1～Col150）ではありません。</source>
        <translation>Column %1 of the heading, “%2”, is not a fare data column name (Chimei, SeirikenNo, Col1 to Col150).</translation>
    </message>
    <message>
        <source>見出しに列「%1」が2回あります。</source>
        <translation>Column “%1” appears twice in the heading.</translation>
    </message>
    <message>
        <source>見出しに停留所名の列「Chimei」がありません（1行目に「Chimei,SeirikenNo,Col1,…」のように列の名前が必要です）。</source>
        <translation>The heading has no stop name column “Chimei” (line 1 needs the column names, such as “Chimei,SeirikenNo,Col1,…”).</translation>
    </message>
    <message>
        <source>停留所が%1件あります。1つの系統に入る停留所は301件までです。</source>
        <translation>There are %1 stops. A route holds at most 301 stops.</translation>
    </message>
    <message>
        <source>列の数が%1です（見出しにある%2列までです）。</source>
        <translation>There are %1 columns (at most the %2 in the heading).</translation>
    </message>
    <message>
        <source>停留所名「%1」の「%2」（U+%3）は Shift-JIS で表せない文字です。</source>
        <translation>“%2” (U+%3) in stop name “%1” cannot be written in Shift-JIS.</translation>
    </message>
    <message>
        <source>停留所名が長すぎます（%1バイト、65535バイトまで）。</source>
        <translation>The stop name is too long (%1 bytes; at most 65535).</translation>
    </message>
    <message>
        <source>停留所名に制御文字（%1）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。</source>
        <translation>The stop name contains a control character (%1). A stop name in fare data cannot contain control characters such as line breaks or tabs.</translation>
    </message>
    <message>
        <source>%1 の値「%2」が -32768～32767 の整数ではありません。</source>
        <translation>The value “%2” of %1 is not an integer from -32768 to 32767.</translation>
    </message>
    <message>
        <source>見出しにない%1列（%2）はすべての停留所で 0 として読みました。</source>
        <translation>The %1 columns not in the heading (%2) were read as 0 for every stop.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>空のセルを 0 として読みました（全部で%1個、最初はこの行の %2。列の足りない行の残りの列も空のセルとして数えています）。</source>
        <translation>Empty cells were read as 0 (%1 in all, the first being %2 on this line; the missing columns of short lines count as empty cells too).</translation>
    </message>
    <message>
        <source>空のセルだけの行は停留所として読みませんでした（全部で%1行、最初はこの行）。</source>
        <translation>Lines of only empty cells were not read as stops (%1 in all, the first being this line).</translation>
    </message>
    <message>
        <source>ファイルが終わっていて、この停留所のデータがありません。</source>
        <translation>The file ends; this stop&apos;s data is missing.</translation>
    </message>
    <message>
        <source>停留所名の長さ（2バイト）の途中でファイルが終わっています。</source>
        <translation>The file ends in the middle of the stop name&apos;s length (2 bytes).</translation>
    </message>
    <message>
        <source>停留所名（%1バイト）の途中でファイルが終わっています（%2バイトしかありません）。</source>
        <translation>The file ends in the middle of the stop name (%1 bytes; only %2 are there).</translation>
    </message>
    <message>
        <source>整理券番号の途中でファイルが終わっています。</source>
        <translation>The file ends in the middle of the ticket number.</translation>
    </message>
    <message>
        <source>データ列の途中でファイルが終わっています（列%1以降がありません）。</source>
        <translation>The file ends in the middle of the data columns (column %1 onwards are missing).</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。運賃データ(.hy3)は %1 までです。運賃データではないか、壊れています。</source>
        <translation>The file is too large. Fare data (.hy3) is at most %1. This is not fare data, or it is damaged.</translation>
    </message>
    <message>
        <source>整理券番号が12を超える停留所が%1件あります（最大の整理券番号は%2）。</source>
        <translation>%1 stops have ticket numbers above 12 (the highest ticket number is %2).</translation>
    </message>
    <message>
        <source>運賃表示器に出せるのは整理券番号 1～48 の運賃までなので、49番以降から乗った人の運賃は表示されません（パネルの右クリックメニュー「表示する整理券番号」で「1〜48」を選ぶと、48番までを12番ずつ交互に表示します）。</source>
        <translation>The unit shows fares only for ticket numbers 1 to 48, so the fare of a passenger boarding at number 49 or later is not shown (choosing “1〜48” under “Ticket numbers shown” in the panel&apos;s right-click menu shows up to number 48, twelve numbers at a time in turn).</translation>
    </message>
    <message>
        <source>既定の表示（1〜12）では13番以降の運賃が出ません。パネルの右クリックメニュー「表示する整理券番号」で「1〜%1」を選ぶと、12番ずつ交互にすべての運賃を表示します。</source>
        <translation>The default display (1〜12) does not show fares from number 13 on. Choosing “1〜%1” under “Ticket numbers shown” in the panel&apos;s right-click menu shows every fare, twelve numbers at a time in turn.</translation>
    </message>
    <message>
        <source>「%1」%2</source>
        <translation>“%1”%2</translation>
    </message>
    <message>
        <source>」「</source>
        <translation>”, “</translation>
    </message>
    <message>
        <source>など</source>
        <translation> and others</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>深夜料金（2倍）が4桁になる停留所が%1件あります（%2、整理券%3、最高 深夜 %4円）。深夜料金は下3桁（%5）しか出ません。</source>
        <translation>%1 stops have a four-digit late-night fare (double) (%2, ticket %3, highest late-night %4 yen). Only the last three digits (%5) of the late-night fare are shown.</translation>
    </message>
    <message>
        <source>運賃が4桁の停留所が%1件あります（%2、整理券%3、最高 %4円）。運賃表示器の3桁の運賃には下3桁（%5）しか出ません。</source>
        <translation>%1 stops have a four-digit fare (%2, ticket %3, highest %4 yen). The unit&apos;s three-digit fares show only the last three digits (%5).</translation>
    </message>
    <message>
        <source>パネルのメニュー「運賃の桁数」→ 4桁、または --fare-digits 4 で全桁が出ます。</source>
        <translation>The panel menu “Fare digits” → 4 digits, or --fare-digits 4, shows every digit.</translation>
    </message>
    <message>
        <source>%1行目: 空行があります。空行も1つの項目として読まれるため、これより後の項目がずれて、%2行目で読み込めなくなっています（%3）。空行を削除してください。</source>
        <translation>Line %1: a blank line. A blank line is read as a field too, so the fields after it shift and line %2 cannot be read (%3). Delete the blank line.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。放送用データは %1 までです。</source>
        <translation>The file is too large. Announcement data is at most %1.</translation>
    </message>
    <message>
        <source>%1行目: %2。各行に「文章,移動フラグ,サウンドフラグ」の3項目が必要です。</source>
        <translation>Line %1: %2. Each line needs the three fields “text,step flag,sound flag”.</translation>
    </message>
    <message>
        <source>%1行目: %2。</source>
        <translation>Line %1: %2.</translation>
    </message>
    <message>
        <source>%1行目: %2。1行に「文章,移動フラグ,サウンドフラグ」の3項目だけを書いてください。</source>
        <translation>Line %1: %2. Write only the three fields “text,step flag,sound flag” on a line.</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1行目: このファイルは UTF-8 で保存されているようです。放送用データは Shift-JIS で読むため、文章が化けて読み上げられます。「kerubara-data tp このファイル 新しいファイル名tp.csv」で Shift-JIS に変換するか、エディタで文字コードを Shift-JIS にして保存し直してください。</source>
        <translation>Line %1: this file seems to be saved in UTF-8. Announcement data is read as Shift-JIS, so the text would be garbled when read aloud. Convert it to Shift-JIS with “kerubara-data tp THIS-FILE NEW-NAMEtp.csv”, or save it again as Shift-JIS in an editor.</translation>
    </message>
    <message>
        <source>%1行目: %2「%3」に全角数字があります。全角数字は数字として読まれないため、%4 として読み込まれます。半角数字で書いてください。</source>
        <translation>Line %1: %2 “%3” has full-width digits. Full-width digits are not read as numbers, so it is read as %4. Write half-width digits.</translation>
    </message>
    <message>
        <source>移動フラグ</source>
        <translation>step flag</translation>
    </message>
    <message>
        <source>サウンドフラグ</source>
        <translation>sound flag</translation>
    </message>
    <message>
        <source>%1行目: 文章の%2バイト目（0x%3）が Shift-JIS の文字にならないため、その部分は読まれません。</source>
        <translation>Line %1: byte %2 of the text (0x%3) is not a Shift-JIS character, so that part is not read.</translation>
    </message>
    <message>
        <source>ファイルではありません。</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1 MiB まで）。</source>
        <translation>The file is too large (at most 1 MiB).</translation>
    </message>
    <message>
        <source>空のファイルです。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>UTF-8 として読めない文字があります。</source>
        <translation>Some characters cannot be read as UTF-8.</translation>
    </message>
    <message>
        <source>区分（[Plugin] など）より前に「%1」があります。</source>
        <translation>“%1” comes before any section (such as [Plugin]).</translation>
    </message>
    <message>
        <source>「[%1]」という区分はありません（[Plugin]、[Comment]、[Companies]、[Layout] のどれかです）。</source>
        <translation>There is no section “[%1]” (it is one of [Plugin], [Comment], [Companies] and [Layout]).</translation>
    </message>
    <message>
        <source>区分 [%1] が2回あります。</source>
        <translation>Section [%1] appears twice.</translation>
    </message>
    <message>
        <source>「キー=値」の形ではありません（「%1」）。</source>
        <translation>This is not of the form “key=value” (“%1”).</translation>
    </message>
    <message>
        <source>[%1] に「%2」というキーはありません。</source>
        <translation>[%1] has no key “%2”.</translation>
    </message>
    <message>
        <source>キー %1 が2回あります。</source>
        <translation>Key %1 appears twice.</translation>
    </message>
    <message>
        <source>%1 の値「%2」は整数ではありません。</source>
        <translation>The value “%2” of %1 is not an integer.</translation>
    </message>
    <message>
        <source>%1 の値「%2」は範囲外です（%3～%4）。</source>
        <translation>The value “%2” of %1 is out of range (%3 to %4).</translation>
    </message>
    <message>
        <source>%1 は「左,上,幅,高さ[,文字の大きさ[,太さ[,揃え[,色]]]]」の形で書きます（「%2」）。</source>
        <translation>Write %1 as “left,top,width,height[,size[,weight[,alignment[,colour]]]]” (“%2”).</translation>
    </message>
    <message>
        <source>%1 の太さ「%2」は normal か bold で書きます。</source>
        <translation>The weight “%2” of %1 is normal or bold.</translation>
    </message>
    <message>
        <source>%1 の揃え「%2」は left、center、right のどれかで書きます。</source>
        <translation>The alignment “%2” of %1 is one of left, center and right.</translation>
    </message>
    <message>
        <source>%1 の色「%2」は #RRGGBB（16進数）で書きます。</source>
        <translation>The colour “%2” of %1 is written #RRGGBB (hexadecimal).</translation>
    </message>
    <message>
        <source>Format は「%1」でなければなりません（「%2」）。</source>
        <translation>Format must be “%1” (“%2”).</translation>
    </message>
    <message>
        <source>BarcodeType「%1」は NW7、ITF、CODE39、CODE128 のどれかで書きます。</source>
        <translation>BarcodeType “%1” is one of NW7, ITF, CODE39 and CODE128.</translation>
    </message>
    <message>
        <source>Face「%1」は Gothic か Mincho で書きます。</source>
        <translation>Face “%1” is Gothic or Mincho.</translation>
    </message>
    <message>
        <source>[Plugin] の区分がありません。</source>
        <translation>There is no [Plugin] section.</translation>
    </message>
    <message>
        <source>Format=%1 がありません。</source>
        <translation>Format=%1 is missing.</translation>
    </message>
    <message>
        <source>%1 がありません（1～2000 の整数）。</source>
        <translation>%1 is missing (an integer from 1 to 2000).</translation>
    </message>
    <message>
        <source>Barcode=1 のときは BarcodeType（NW7、ITF、CODE39、CODE128）が必要です。</source>
        <translation>Barcode=1 needs a BarcodeType (NW7, ITF, CODE39, CODE128).</translation>
    </message>
    <message>
        <source>StopMin（%1）が StopMax（%2）より大きくなっています。</source>
        <translation>StopMin (%1) is greater than StopMax (%2).</translation>
    </message>
    <message>
        <source>%1 ---&gt; 可能</source>
        <translation>%1 ---&gt; yes</translation>
    </message>
    <message>
        <source>%1 ---&gt; 不可</source>
        <translation>%1 ---&gt; no</translation>
    </message>
    <message>
        <source>日付の印字</source>
        <translation>Prints the date</translation>
    </message>
    <message>
        <source>時刻の印字</source>
        <translation>Prints the time</translation>
    </message>
    <message>
        <source>系統番号の印字</source>
        <translation>Prints the route number</translation>
    </message>
    <message>
        <source>停名の印字</source>
        <translation>Prints the stop name</translation>
    </message>
    <message>
        <source>バーコード印字</source>
        <translation>Prints a barcode</translation>
    </message>
    <message>
        <source>バーコード本数 ---&gt; %1</source>
        <translation>Barcode bars ---&gt; %1</translation>
    </message>
    <message>
        <source>バーコード系統方式 ---&gt; 連番式</source>
        <translation>Barcode route scheme ---&gt; serial numbers</translation>
    </message>
    <message>
        <source>バーコード系統方式 ---&gt; 系統番号＋往復フラグ</source>
        <translation>Barcode route scheme ---&gt; route number + direction flag</translation>
    </message>
    <message>
        <source>設定可能な系統範囲 ---&gt; 1 ～ %1</source>
        <translation>Routes it can take ---&gt; 1 to %1</translation>
    </message>
    <message>
        <source>停留所認識範囲 ---&gt; %1 ～ %2</source>
        <translation>Stops it recognises ---&gt; %1 to %2</translation>
    </message>
    <message>
        <source>社名切り替え:---&gt; 可能</source>
        <translation>Company name switching:---&gt; yes</translation>
    </message>
    <message>
        <source>社名切り替え:---&gt; 不可</source>
        <translation>Company name switching:---&gt; no</translation>
    </message>
    <message>
        <source>整理券番号: </source>
        <translation>ticket number: </translation>
    </message>
    <message>
        <source>整理券%1: </source>
        <translation>ticket %1: </translation>
    </message>
    <message>
        <source>運賃 %1 は3桁の運賃表示に %2 と出ます。</source>
        <translation>fare %1 shows as %2 in the three-digit fare cells.</translation>
    </message>
    <message>
        <source>深夜料金 %1 は3桁の運賃表示に %2 と出ます。</source>
        <translation>late-night fare %1 shows as %2 in the three-digit fare cells.</translation>
    </message>
    <message>
        <source>運賃 %1 が 9999 を超えています（運賃の表示は3桁です）。</source>
        <translation>fare %1 is over 9999 (fares are shown with three digits).</translation>
    </message>
    <message>
        <source>運賃 %1 が record %2 の %3 より下がっています。</source>
        <translation>fare %1 is lower than %3 in record %2.</translation>
    </message>
    <message>
        <source>運賃が -1（運賃なし）です。整理券%1 は record %2 で出ているので、ここで降りる人の運賃が要ります。</source>
        <translation>the fare is -1 (no fare), but ticket %1 is issued at record %2, so passengers alighting here need a fare.</translation>
    </message>
    <message>
        <source>整理券番号 %1 が record %2 の %3 より小さくなっています（整理券番号は路線の順に増えます）。</source>
        <translation>ticket number %1 is lower than %3 in record %2 (ticket numbers rise along the route).</translation>
    </message>
    <message>
        <source>record %1: </source>
        <translation>record %1: </translation>
    </message>
    <message>
        <source>（ほかに%1件）</source>
        <translation> (and %1 more)</translation>
    </message>
</context>
<context>
    <name>GtfsCommands</name>
    <message>
        <source>%1 の値がありません。</source>
        <translation>%1 has no value.</translation>
    </message>
    <message>
        <source>「%1」というオプションはありません。</source>
        <translation>There is no option “%1”.</translation>
    </message>
    <message>
        <source>--direction には 0 か 1 を指定してください。</source>
        <translation>--direction takes 0 or 1.</translation>
    </message>
    <message>
        <source>--number %1 は系統番号 0 です。系統番号 0 は、系統を入力せずにリセットしたときに読まれる番号なので使えません。1～99999 を指定してください。</source>
        <translation>--number %1 is route number 0. Route number 0 is what a reset without a route reads, so it cannot be used. Give 1 to 99999.</translation>
    </message>
    <message>
        <source>--number には系統番号を1～5桁の数字（1～99999）で指定してください。</source>
        <translation>--number takes a route number of 1 to 5 digits (1 to 99999).</translation>
    </message>
    <message>
        <source>--tickets には stage か stop を指定してください。</source>
        <translation>--tickets takes stage or stop.</translation>
    </message>
    <message>
        <source>gtfs にはフィード、--route 系統の route_id と出力のフォルダーを指定してください。</source>
        <translation>gtfs takes a feed, --route with the route&apos;s route_id, and an output folder.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1円</source>
        <translation>%1 yen</translation>
    </message>
    <message>
        <source>%1～%2円</source>
        <translation>%1 to %2 yen</translation>
    </message>
    <message>
        <source>（運賃のない区間あり）</source>
        <translation> (some sections have no fare)</translation>
    </message>
    <message>
        <source>停留所「%1」: %2</source>
        <translation>stop “%1”: %2</translation>
    </message>
    <message>
        <source>gtfs-routes にはフィード（フォルダーか .zip）を1つ指定してください。</source>
        <translation>gtfs-routes takes exactly one feed (a folder or a .zip).</translation>
    </message>
    <message>
        <source>route_id	系統名	方向	行先	始発 → 終点	便数	停留所数	整理券番号	運賃
</source>
        <translation>route_id	route name	direction	headsign	first → last	trips	stops	ticket numbers	fares
</translation>
    </message>
    <message>
        <source>注意: 系統「%1」%2の便は停留所が%3件あり、1つの系統に入る301件を超えるため、gtfs では取り込めません。
</source>
        <translation>note: the trips of route “%1”%2 have %3 stops, more than the 301 a route holds, so gtfs cannot import them.
</translation>
    </message>
    <message>
        <source>（方向 %1）</source>
        <translation> (direction %1)</translation>
    </message>
    <message>
        <source> のファイルは作成・変更していません。
</source>
        <translation>: no files were created or changed.
</translation>
    </message>
    <message>
        <source>系統「%1」の route_short_name「%2」は系統番号（1～99999）になりません。--number で系統番号を指定してください。</source>
        <translation>The route_short_name “%2” of route “%1” is not a route number (1 to 99999). Give a route number with --number.</translation>
    </message>
    <message>
        <source>%1 にチャイム（%2）がありません。音の設定は空のままにしました（--chimes でチャイムのフォルダーを指定できます）。</source>
        <translation>%1 has no chimes (%2). The sound settings were left empty (--chimes names a folder of chimes).</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>同梱のチャイムが見つかりません。音の設定は空のままにしました（--chimes でチャイムのフォルダーを指定できます）。</source>
        <translation>The bundled chimes were not found. The sound settings were left empty (--chimes names a folder of chimes).</translation>
    </message>
    <message>
        <source>%1: %2行目: %3（--plugin には整理券プラグイン .4SP を指定してください）
</source>
        <translation>%1: line %2: %3 (--plugin takes a ticket plug-in .4SP)
</translation>
    </message>
    <message>
        <source>%1: %2（--plugin には整理券プラグイン .4SP を指定してください）
</source>
        <translation>%1: %2 (--plugin takes a ticket plug-in .4SP)
</translation>
    </message>
    <message>
        <source>読み辞書</source>
        <translation>reading dictionary</translation>
    </message>
    <message>
        <source>: フォルダーを作れません。
</source>
        <translation>: cannot create the folder.
</translation>
    </message>
    <message>
        <source>系統: %1（%2） → 系統番号 %3</source>
        <translation>Route: %1 (%2) → route number %3</translation>
    </message>
    <message>
        <source>（%1 の先頭の 0 は系統番号に入りません）</source>
        <translation> (the leading zeros of %1 are not part of the route number)</translation>
    </message>
    <message>
        <source>便: %1（%2行き）
</source>
        <translation>Trip: %1 (to %2)
</translation>
    </message>
    <message>
        <source>停留所: %1件
</source>
        <translation>Stops: %1
</translation>
    </message>
    <message>
        <source>整理券番号: 1～%1
</source>
        <translation>Ticket numbers: 1 to %1
</translation>
    </message>
    <message>
        <source>整理券番号: なし（乗車できる停留所がありません）
</source>
        <translation>Ticket numbers: none (no stop to board at)
</translation>
    </message>
    <message>
        <source>運賃: %1円～%2円
</source>
        <translation>Fares: %1 to %2 yen
</translation>
    </message>
    <message>
        <source>運賃: なし
</source>
        <translation>Fares: none
</translation>
    </message>
    <message>
        <source>整理券プラグイン: %1
</source>
        <translation>Ticket plug-in: %1
</translation>
    </message>
    <message>
        <source>読み: %1件</source>
        <translation>Readings: %1</translation>
    </message>
    <message>
        <source>（読みのない停留所: %1 など%2件）</source>
        <translation> (stops with no reading: %1 and %2 more)</translation>
    </message>
    <message>
        <source>（読みのない停留所: %1）</source>
        <translation> (stops with no reading: %1)</translation>
    </message>
    <message>
        <source>書き出し: %1
</source>
        <translation>Written: %1
</translation>
    </message>
    <message>
        <source>kerubara --settings %1 で起動し、系統 %2、区間 1 でリセットしてください。
</source>
        <translation>Start with kerubara --settings %1 and reset with route %2, section 1.
</translation>
    </message>
    <message>
        <source>注意: %1
</source>
        <translation>note: %1
</translation>
    </message>
    <message>
        <source>--all はすべての系統を取り込みます。--route、--trip、--direction、--number とは一緒に使えません。</source>
        <translation>--all imports every route. It cannot be used with --route, --trip, --direction or --number.</translation>
    </message>
    <message>
        <source>gtfs --all にはフィードと出力のフォルダーを指定してください。</source>
        <translation>gtfs --all takes a feed and an output folder.</translation>
    </message>
    <message>
        <source>放送用データを正しく作れませんでした（%1）。</source>
        <translation>The announcement data could not be made correctly (%1).</translation>
    </message>
    <message>
        <source>放送用データを正しく作れませんでした。</source>
        <translation>The announcement data could not be made correctly.</translation>
    </message>
    <message>
        <source>系統「%1」</source>
        <translation>route “%1”</translation>
    </message>
    <message>
        <source>系統「%1」（方向 %2）</source>
        <translation>route “%1” (direction %2)</translation>
    </message>
    <message>
        <source>: フォルダーではありません。出力のフォルダーを指定してください。
</source>
        <translation>: not a folder. Give an output folder.
</translation>
    </message>
    <message>
        <source>: 取り込めませんでした: </source>
        <translation>: could not be imported: </translation>
    </message>
    <message>
        <source>route_short_name「%1」は系統番号になりません。</source>
        <translation>route_short_name “%1” is not a route number.</translation>
    </message>
    <message>
        <source>: フォルダーを作れません。</source>
        <translation>: cannot create the folder.</translation>
    </message>
    <message>
        <source> のファイルは変更していません。</source>
        <translation>: no files were changed.</translation>
    </message>
    <message>
        <source> の一部のファイルだけが新しくなりました。</source>
        <translation>: only some of the files were renewed.</translation>
    </message>
    <message>
        <source>: フォルダーではないものがあります。そのままにしました。</source>
        <translation>: something that is not a folder is in the way; it was left as it is.</translation>
    </message>
    <message>
        <source>%1 → %2: 系統番号 %3、停留所 %4件、%5</source>
        <translation>%1 → %2: route number %3, %4 stops, %5</translation>
    </message>
    <message>
        <source>運賃 %1円～%2円</source>
        <translation>fares %1 to %2 yen</translation>
    </message>
    <message>
        <source>運賃なし</source>
        <translation>no fares</translation>
    </message>
    <message>
        <source>注意: %1: %2
</source>
        <translation>note: %1: %2
</translation>
    </message>
    <message>
        <source>%1件を取り込みました（取り込めなかったもの %2件）。一覧: %3
</source>
        <translation>Imported %1 (%2 could not be imported). List: %3
</translation>
    </message>
</context>
<context>
    <name>GtfsMessages</name>
    <message>
        <source>フィードが見つかりません（フォルダーか .zip を指定してください）。</source>
        <translation>The feed was not found (give a folder or a .zip).</translation>
    </message>
    <message>
        <source>フィードの .zip </source>
        <translation>The feed&apos;s .zip </translation>
    </message>
    <message>
        <source>zip として読めません（%1）。壊れていないか確かめてください。</source>
        <translation>It cannot be read as a zip (%1). Check that it is not damaged.</translation>
    </message>
    <message>
        <source>GTFS のファイル（stops.txt、routes.txt など）がありません。</source>
        <translation>There are no GTFS files (stops.txt, routes.txt and so on).</translation>
    </message>
    <message>
        <source>GTFS のファイルが複数のフォルダー（%1）にあります。1つのフィードだけを指定してください。</source>
        <translation>GTFS files are in more than one folder (%1). Give a single feed.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>フィードにこのファイルがありません（必要なファイルです）。</source>
        <translation>The feed lacks this file (it is required).</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（フィードの1つのファイルは %1 までです）。</source>
        <translation>The file is too large (a file of a feed is at most %1).</translation>
    </message>
    <message>
        <source>zip の中のファイルの情報を読めません（%1）</source>
        <translation>Cannot read the details of a file in the zip (%1)</translation>
    </message>
    <message>
        <source>zip の中のファイルを開けません（%1）</source>
        <translation>Cannot open a file in the zip (%1)</translation>
    </message>
    <message>
        <source>zip の中のファイルが壊れていて読めません（%1）。</source>
        <translation>A file in the zip is damaged and cannot be read (%1).</translation>
    </message>
    <message>
        <source>大きさが記録と違います</source>
        <translation>the size differs from the one recorded</translation>
    </message>
    <message>
        <source>読み込みに失敗しました（%1）。</source>
        <translation>Reading failed (%1).</translation>
    </message>
    <message>
        <source>見出しの行がありません（1行目に列の名前が必要です）。</source>
        <translation>There is no heading line (line 1 must hold the column names).</translation>
    </message>
    <message>
        <source>見出しに必要な列「%1」がありません。</source>
        <translation>The heading lacks the required column “%1”.</translation>
    </message>
    <message>
        <source>」「</source>
        <translation>”, “</translation>
    </message>
    <message>
        <source>見出しに言語の列（language または lang）がありません。</source>
        <translation>The heading has no language column (language or lang).</translation>
    </message>
    <message>
        <source>stop_id が空です。</source>
        <translation>stop_id is empty.</translation>
    </message>
    <message>
        <source>stop_id「%1」は %2 行目にもあります。</source>
        <translation>stop_id “%1” is also on line %2.</translation>
    </message>
    <message>
        <source>route_id が空です。</source>
        <translation>route_id is empty.</translation>
    </message>
    <message>
        <source>route_id「%1」が2回あります。</source>
        <translation>route_id “%1” appears twice.</translation>
    </message>
    <message>
        <source>trip_id が空です。</source>
        <translation>trip_id is empty.</translation>
    </message>
    <message>
        <source>trip_id「%1」が2回あります。</source>
        <translation>trip_id “%1” appears twice.</translation>
    </message>
    <message>
        <source>route_id「%1」は routes.txt にありません。</source>
        <translation>route_id “%1” is not in routes.txt.</translation>
    </message>
    <message>
        <source>direction_id「%1」は 0 か 1 でなければなりません。</source>
        <translation>direction_id “%1” must be 0 or 1.</translation>
    </message>
    <message>
        <source>trip_id「%1」は trips.txt にありません。</source>
        <translation>trip_id “%1” is not in trips.txt.</translation>
    </message>
    <message>
        <source>stop_id「%1」は stops.txt にありません。</source>
        <translation>stop_id “%1” is not in stops.txt.</translation>
    </message>
    <message>
        <source>stop_sequence「%1」が 0 以上の整数ではありません。</source>
        <translation>stop_sequence “%1” is not an integer of 0 or more.</translation>
    </message>
    <message>
        <source>%1「%2」が「時:分:秒」（例 7:05:00）の形ではありません。</source>
        <translation>%1 “%2” is not of the form “h:mm:ss” (such as 7:05:00).</translation>
    </message>
    <message>
        <source>便「%1」の stop_sequence %2 が2回あります。</source>
        <translation>stop_sequence %2 of trip “%1” appears twice.</translation>
    </message>
    <message>
        <source>price「%1」が 0～32767 の整数（円）ではありません。</source>
        <translation>price “%1” is not an integer from 0 to 32767 (yen).</translation>
    </message>
    <message>
        <source>fare_id「%1」は fare_attributes.txt にありません。</source>
        <translation>fare_id “%1” is not in fare_attributes.txt.</translation>
    </message>
    <message>
        <source>route_id「%1」の系統はありません（gtfs-routes で一覧を表示できます）。</source>
        <translation>There is no route with route_id “%1” (gtfs-routes lists them).</translation>
    </message>
    <message>
        <source>trip_id「%1」の便はありません。</source>
        <translation>There is no trip with trip_id “%1”.</translation>
    </message>
    <message>
        <source>便「%1」は系統「%2」ではなく系統「%3」の便です。</source>
        <translation>Trip “%1” belongs to route “%3”, not route “%2”.</translation>
    </message>
    <message>
        <source>系統「%1」に direction_id が %2 の便がありません。</source>
        <translation>Route “%1” has no trip with direction_id %2.</translation>
    </message>
    <message>
        <source>系統「%1」の便がありません。</source>
        <translation>Route “%1” has no trips.</translation>
    </message>
    <message>
        <source>便「%1」の停留所が%2件です。1つの系統に入る停留所は2件から301件までです。</source>
        <translation>Trip “%1” has %2 stops. A route holds 2 to 301 stops.</translation>
    </message>
    <message>
        <source>便「%1」には整理券番号が%2個必要です。運賃データに入るのは%3個までです（--tickets stage で運賃の同じ停留所をまとめられます）。</source>
        <translation>Trip “%1” needs %2 ticket numbers. Fare data holds at most %3 (--tickets stage groups stops of the same fare).</translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の名前の「%3」（%4）は Shift-JIS で表せません。別の文字に書き換えてください。</source>
        <translation>“%3” (%4) in the name of stop “%1” (stop_id %2) cannot be written in Shift-JIS. Replace it with another character.</translation>
    </message>
    <message>
        <source>停留所「%1…」（stop_id %2）の名前が長すぎます（%3バイト。運賃データの停留所名は65535バイトまでです）。</source>
        <translation>The name of stop “%1…” (stop_id %2) is too long (%3 bytes; a stop name in fare data is at most 65535 bytes).</translation>
    </message>
    <message>
        <source>「%1」→「%2」</source>
        <translation>“%1” → “%2”</translation>
    </message>
    <message>
        <source> など</source>
        <translation> and others</translation>
    </message>
    <message>
        <source>%1: %2行目: %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の parent_station「%3」は stops.txt にありません。停留所自身の名前にしました。</source>
        <translation>The parent_station “%3” of stop “%1” (stop_id %2) is not in stops.txt. The stop&apos;s own name was used.</translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の名前にある改行やタブは空白に、そのほかの制御文字は取り除きました。</source>
        <translation>Line breaks and tabs in the name of stop “%1” (stop_id %2) were made spaces, and other control characters removed.</translation>
    </message>
    <message>
        <source>停留所名「%1」は Shift-JIS で表せないため「%2」としました。</source>
        <translation>Stop name “%1” cannot be written in Shift-JIS, so “%2” was used.</translation>
    </message>
    <message>
        <source>trip_headsign「%1」は Shift-JIS で表せないため、行先は終点の名前にしました。</source>
        <translation>trip_headsign “%1” cannot be written in Shift-JIS, so the destination is the last stop&apos;s name.</translation>
    </message>
    <message>
        <source>fare_rules.txt に運賃のない区間が%1件あります（%2）。その運賃は -1（運賃なし）にしました。</source>
        <translation>fare_rules.txt has %1 sections without a fare (%2). Their fare was set to -1 (no fare).</translation>
    </message>
    <message>
        <source>stop_times.txt に時刻のない停留所が%1件あります。その停留所の列149（始発からの分）は 0 にしました。</source>
        <translation>stop_times.txt has %1 stops without a time. Their column 149 (minutes from the first stop) was set to 0.</translation>
    </message>
    <message>
        <source>読みは使わずに続けました。</source>
        <translation>Carried on without the readings.</translation>
    </message>
    <message>
        <source>%1: %2行目: 「%3」の読み「%4」はかなではないため使いません。</source>
        <translation>%1: line %2: the reading “%4” of “%3” is not kana, so it is not used.</translation>
    </message>
    <message>
        <source>route_short_name「%1」は系統番号（1～99999）にならないため、routes.txt の%2番目の系統として系統番号 %2 にしました。</source>
        <translation>route_short_name “%1” is not a route number (1 to 99999), so the route, number %2 in routes.txt, was given route number %2.</translation>
    </message>
</context>
<context>
    <name>InfoBar</name>
    <message>
        <source>系統 %1</source>
        <translation>Route %1</translation>
    </message>
    <message>
        <source>次は</source>
        <translation>次は</translation>
    </message>
</context>
<context>
    <name>OffscreenPanel</name>
    <message>
        <source>警告: %1
</source>
        <translation>warning: %1
</translation>
    </message>
    <message>
        <source>: 停留所が0件です（系統設定できません）。
</source>
        <translation>: there are no stops (no route can be set).
</translation>
    </message>
    <message>
        <source>: 区間 %1 は設定できません。区間は停留所の数（%2件）より小さくしてください。
</source>
        <translation>: section %1 cannot be set. The section must be less than the number of stops (%2).
</translation>
    </message>
</context>
<context>
    <name>PanelCommands</name>
    <message>
        <source>停留所の番号（1～301）</source>
        <translation>a stop number (1 to 301)</translation>
    </message>
    <message>
        <source>区間（1～300）</source>
        <translation>a section (1 to 300)</translation>
    </message>
    <message>
        <source>整理券番号の表示方法（0～11）</source>
        <translation>a ticket number style (0 to 11)</translation>
    </message>
    <message>
        <source>「次は」の表示（0～2）</source>
        <translation>a “次は” display (0 to 2)</translation>
    </message>
    <message>
        <source>整理券番号のページ（1～4）</source>
        <translation>a ticket number page (1 to 4)</translation>
    </message>
    <message>
        <source>運賃の桁数 3 か 4</source>
        <translation>fare digits, 3 or 4</translation>
    </message>
    <message>
        <source>render-panel に「%1」というオプションはありません。</source>
        <translation>render-panel has no option “%1”.</translation>
    </message>
    <message>
        <source>設定ファイル（.in4）</source>
        <translation>a settings file (.in4)</translation>
    </message>
    <message>
        <source>バックライト（OFF、ON1、ON2）</source>
        <translation>a backlight (OFF, ON1, ON2)</translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation>%1 must be followed by %2.</translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation>The value “%2” of %1 is not valid. Give %3.</translation>
    </message>
    <message>
        <source>render-panel には運賃データ（.hy3）と出力する PNG ファイルを指定してください。</source>
        <translation>render-panel takes fare data (.hy3) and the PNG file to write.</translation>
    </message>
    <message>
        <source>render-panel には --stop で停留所の番号を指定してください。</source>
        <translation>render-panel needs the stop number, given with --stop.</translation>
    </message>
    <message>
        <source>: 停留所 %1 はありません。この系統の停留所は 1～%2 です。
</source>
        <translation>: there is no stop %1. This route&apos;s stops are 1 to %2.
</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>運賃表示器シミュレーター</source>
        <translation>Fare display simulator</translation>
    </message>
    <message>
        <source>設定ファイル FILE を読み込み、終了時に FILE へ保存します。</source>
        <translation>Reads the settings file FILE, and saves to FILE on quitting.</translation>
    </message>
    <message>
        <source>バックライトを STATE（OFF、ON1、ON2）にして始めます。</source>
        <translation>Starts with the backlight in STATE (OFF, ON1, ON2).</translation>
    </message>
    <message>
        <source>--backlight には OFF、ON1、ON2 のどれかを指定してください（「%1」は使えません）。
</source>
        <translation>--backlight takes one of OFF, ON1 and ON2 (not “%1”).
</translation>
    </message>
    <message>
        <source>引数「%1」は使えません。

</source>
        <translation>The argument “%1” is not accepted.

</translation>
    </message>
    <message>
        <source>画面の言語を LANG（ja または en）にします。</source>
        <translation>Shows the program in the language LANG (ja or en).</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください（「%1」は使えません）。
</source>
        <translation>--lang takes ja or en (not “%1”).
</translation>
    </message>
    <message>
        <source>運賃表の編集を開きます（FILE.hy3 を指定すればそのファイルを開きます）。</source>
        <translation>Opens the fare editor (on FILE.hy3 when given).</translation>
    </message>
    <message>
        <source>--edit で開く運賃データ。</source>
        <translation>The fare data --edit opens.</translation>
    </message>
</context>
<context>
    <name>QtResDialogs</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>日付の選択</source>
        <translation>Choose a date</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReadingNotes</name>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>「%1」（%2）</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>%1は読み辞書に語が無いため、1字ずつの読みで読みます</source>
        <translation>%1 not in the reading dictionary, so read character by character</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1は読みが分からないため、読み上げません</source>
        <translation>%1 has no known reading, so it is not read aloud</translation>
    </message>
    <message>
        <source>%1。正しい読みは読み辞書（yomi.csv）に「文字,読み」の行で書けます。</source>
        <translation>%1. A correct reading can be written in the reading dictionary (yomi.csv) as a line “text,reading”.</translation>
    </message>
    <message>
        <source>。</source>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>RenderDigits</name>
    <message>
        <source>「%1」というオプションはありません。</source>
        <translation>There is no option “%1”.</translation>
    </message>
    <message>
        <source>--%1 には値を指定してください。</source>
        <translation>--%1 needs a value.</translation>
    </message>
    <message>
        <source>--%1 には -32768～32767 の整数を指定してください（「%2」は使えません）。</source>
        <translation>--%1 takes an integer from -32768 to 32767 (not “%2”).</translation>
    </message>
    <message>
        <source>--%1 の色は RRGGBB（赤・緑・青を16進数2桁ずつ、例: F8D272）で指定してください（「%2」は使えません）。</source>
        <translation>The colour for --%1 is written RRGGBB (red, green and blue, two hex digits each, such as F8D272), not “%2”.</translation>
    </message>
    <message>
        <source>render-digits には表示する値と出力する PNG ファイルの2つを指定してください。</source>
        <translation>render-digits takes the value to show and the PNG file to write.</translation>
    </message>
    <message>
        <source>「%1」は数値ではありません。文字として表示するには --text を付けるか、値全体を二重引用符で囲んでください（例: &apos;&quot;%1&quot;&apos;）。
</source>
        <translation>“%1” is not a number. To show it as text, add --text or put the whole value in double quotes (such as &apos;&quot;%1&quot;&apos;).
</translation>
    </message>
</context>
<context>
    <name>RenderName</name>
    <message>
        <source>-32768～32767 の整数</source>
        <translation>an integer from -32768 to 32767</translation>
    </message>
    <message>
        <source>RRGGBB 形式の16進数の色（例: FFC080）</source>
        <translation>a colour in hexadecimal RRGGBB (such as FFC080)</translation>
    </message>
    <message>
        <source>render-name に「%1」というオプションはありません。</source>
        <translation>render-name has no option “%1”.</translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation>%1 must be followed by %2.</translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation>The value “%2” of %1 is not valid. Give %3.</translation>
    </message>
    <message>
        <source>render-name には停留所名と出力する PNG ファイルを指定してください。</source>
        <translation>render-name takes a stop name and the PNG file to write.</translation>
    </message>
    <message>
        <source>停留所名の「%1」は Shift-JIS で表せない文字のため表示できません。
</source>
        <translation>“%1” in the stop name cannot be written in Shift-JIS, so it cannot be shown.
</translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation>warning: %1
</translation>
    </message>
</context>
<context>
    <name>RouteSettings</name>
    <message>
        <source>パス「%1」は Shift-JIS で表せないか長すぎるため、設定ファイルに書けません。</source>
        <translation>The path “%1” cannot be written in Shift-JIS or is too long, so it cannot go into the settings file.</translation>
    </message>
</context>
<context>
    <name>RouteSheet</name>
    <message>
        <source>♪%1 </source>
        <translation>♪%1 </translation>
    </message>
    <message>
        <source>&#x3000;→ 次の停留所へ</source>
        <translation> → to the next stop</translation>
    </message>
    <message>
        <source>運賃なし</source>
        <translation>no fare</translation>
    </message>
    <message>
        <source>深夜 %1</source>
        <translation>late night %1</translation>
    </message>
    <message>
        <source>表示は %1</source>
        <translation>shown as %1</translation>
    </message>
    <message>
        <source>深夜は %1</source>
        <translation>late night %1</translation>
    </message>
    <message>
        <source>↓ 前は %1</source>
        <translation>↓ was %1 before</translation>
    </message>
    <message>
        <source>9999 超</source>
        <translation>over 9999</translation>
    </message>
    <message>
        <source>record %1 (%2): 整理券%3: </source>
        <translation>record %1 (%2): ticket %3: </translation>
    </message>
    <message>
        <source>運賃 %1 が record %2 の %3 より下がっています。</source>
        <translation>fare %1 is lower than %3 in record %2.</translation>
    </message>
    <message>
        <source>運賃 %1 が 9999 を超えています（運賃の表示は3桁です）。</source>
        <translation>fare %1 is over 9999 (fares are shown with three digits).</translation>
    </message>
    <message>
        <source>record %1 (%2): 整理券%3: 注意: </source>
        <translation>record %1 (%2): ticket %3: note: </translation>
    </message>
    <message>
        <source>深夜料金 %1 は %2 と表示されます（運賃の表示は3桁です）。</source>
        <translation>the late-night fare %1 is shown as %2 (fares are shown with three digits).</translation>
    </message>
    <message>
        <source>運賃 %1 は %2 と、深夜料金 %3 は %4 と表示されます（運賃の表示は3桁です）。</source>
        <translation>fare %1 is shown as %2, and the late-night fare %3 as %4 (fares are shown with three digits).</translation>
    </message>
    <message>
        <source>%1&#x3000;停留所 %2 件</source>
        <translation>%1 %2 stops</translation>
    </message>
    <message>
        <source>赤: 前の停留所より下がる運賃・9999 を超える運賃</source>
        <translation>Red: fares lower than at the stop before, fares over 9999</translation>
    </message>
    <message>
        <source>-1: 運賃なし</source>
        <translation>-1: no fare</translation>
    </message>
    <message>
        <source>0 円</source>
        <translation>0 yen</translation>
    </message>
    <message>
        <source>4桁以上（深夜料金も）: 表示は下3桁</source>
        <translation>Four digits or more (late-night fares too): the last three are shown</translation>
    </message>
    <message>
        <source>深夜: 深夜料金（2倍）</source>
        <translation>Late night: the late-night fare (double)</translation>
    </message>
    <message>
        <source>順</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>整理券</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>停留所名（行先表示）</source>
        <translation>Stop name (destination shown)</translation>
    </message>
    <message>
        <source>整理券%1</source>
        <translation>Ticket %1</translation>
    </message>
    <message>
        <source>放送</source>
        <translation>Announcements</translation>
    </message>
    <message>
        <source>…ほか %1 件</source>
        <translation>…and %1 more</translation>
    </message>
    <message>
        <source>--tape の後に放送用データ（*tp.csv）を指定してください。</source>
        <translation>--tape must be followed by announcement data (*tp.csv).</translation>
    </message>
    <message>
        <source>route-sheet に「%1」というオプションはありません。</source>
        <translation>route-sheet has no option “%1”.</translation>
    </message>
    <message>
        <source>route-sheet には運賃データ（.hy3）と出力する PNG ファイルを指定してください。</source>
        <translation>route-sheet takes fare data (.hy3) and the PNG file to write.</translation>
    </message>
    <message>
        <source>: 停留所が0件です。
</source>
        <translation>: there are no stops.
</translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation>warning: %1
</translation>
    </message>
    <message>
        <source>系統 %1（%2）</source>
        <translation>Route %1 (%2)</translation>
    </message>
    <message>
        <source>%1: 注意: record %2 (%3): %4
</source>
        <translation>%1: note: record %2 (%3): %4
</translation>
    </message>
    <message>
        <source>%1: 注意: %2
</source>
        <translation>%1: note: %2
</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>「%1」は Shift-JIS で表せない文字です。</source>
        <translation>“%1” cannot be written in Shift-JIS.</translation>
    </message>
    <message>
        <source>文字列が Shift-JIS で%1バイトあり、%2バイトを超えています。</source>
        <translation>The text is %1 bytes in Shift-JIS, more than %2.</translation>
    </message>
    <message>
        <source>値「%1」は -32768～32767 の整数ではありません。</source>
        <translation>The value “%1” is not an integer from -32768 to 32767.</translation>
    </message>
    <message>
        <source>値「%1」は -2147483648～2147483647 の整数ではありません。</source>
        <translation>The value “%1” is not an integer from -2147483648 to 2147483647.</translation>
    </message>
    <message>
        <source>「%1」から後の項目はプログラムが読み込まず、起動時の値のままになります（dump では 0 または空）。</source>
        <translation>The program does not read the fields from “%1” on; they keep their start-up values (0 or empty in dump).</translation>
    </message>
    <message>
        <source>ファイルが%1バイトで終わっていて、ブロック%2の %3 が途中までしかないか、ありません。</source>
        <translation>The file ends at byte %1, and %3 of block %2 is cut short or missing.</translation>
    </message>
    <message>
        <source>%1: 文字列の長さ %2 がファイルの終わりを越えています（残りは%3バイト）。</source>
        <translation>%1: the text length %2 runs past the end of the file (%3 bytes remain).</translation>
    </message>
    <message>
        <source>%1: 文字列の長さが負の値（%2）です。</source>
        <translation>%1: the text length is negative (%2).</translation>
    </message>
    <message>
        <source>ブロック11の後に%1バイトの余分なデータがあります（プログラムは読みません）。</source>
        <translation>There are %1 bytes of extra data after block 11 (the program does not read them).</translation>
    </message>
    <message>
        <source>プログラムは起動時にこの項目を知らせ、起動時の値のままにします。</source>
        <translation>The program reports this field at start-up and keeps its start-up value.</translation>
    </message>
    <message>
        <source>%1: リストの番号 %2 がリストの範囲（%3）の外です。</source>
        <translation>%1: list index %2 is outside the list (%3).</translation>
    </message>
    <message>
        <source>%1: 値 %2 がスクロールバーの範囲（%3）の外です。</source>
        <translation>%1: value %2 is outside the scroll bar&apos;s range (%3).</translation>
    </message>
    <message>
        <source>%1: どのオプションボタンも選ばれていません。</source>
        <translation>%1: no option button is chosen.</translation>
    </message>
    <message>
        <source>%1: %2個のオプションボタンが選ばれています（最後のものだけが選ばれます）。</source>
        <translation>%1: %2 option buttons are chosen (only the last one will be).</translation>
    </message>
    <message>
        <source>設定ファイル(.in4)</source>
        <translation>settings file (.in4)</translation>
    </message>
    <message>
        <source>一覧には含まれません。
</source>
        <translation>It is not in the list.
</translation>
    </message>
    <message>
        <source>%1: Shift-JIS として読めないバイトか、同じ文字の別のコード（NEC選定IBM拡張文字など）があります。in4 で書き戻すと別のバイト列になります。
</source>
        <translation>%1: bytes that cannot be read as Shift-JIS, or another code for the same character (NEC-selected IBM extensions or the like). Writing it back with in4 gives different bytes.
</translation>
    </message>
    <message>
        <source>line %1: 「名前=値」の形ではありません。</source>
        <translation>line %1: not of the form “name=value”.</translation>
    </message>
    <message>
        <source>line %1: 「%2」という項目はありません。</source>
        <translation>line %1: there is no field “%2”.</translation>
    </message>
    <message>
        <source>line %1: %2 は %3 行目にもあります。</source>
        <translation>line %1: %2 is also on line %3.</translation>
    </message>
    <message>
        <source>設定のテキスト</source>
        <translation>settings text</translation>
    </message>
    <message>
        <source>%1 は作成・変更していません。
</source>
        <translation>%1 was not created or changed.
</translation>
    </message>
    <message>
        <source>%1が %2 列目で、整理券番号 1～%3 の運賃の列の中にあります。運賃の列より後ろ（%4 列目以降）の列を指定してください。</source>
        <translation>%1 is column %2, among the fare columns of ticket numbers 1 to %3. Give a column after the fare columns (column %4 or later).</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンドを決める列</source>
        <translation>The column choosing the step sound</translation>
    </message>
    <message>
        <source>情報用数字に出すデータの列</source>
        <translation>The column of data for the info digits</translation>
    </message>
    <message>
        <source>運賃データのフォルダー Text2(0)</source>
        <translation>The fare data folder Text2(0)</translation>
    </message>
    <message>
        <source>放送用データのフォルダー Text2(1)</source>
        <translation>The announcement data folder Text2(1)</translation>
    </message>
    <message>
        <source>%1「%2」（%3）がありません。</source>
        <translation>%1 “%2” (%3) does not exist.</translation>
    </message>
    <message>
        <source>%1「%2」がありません。</source>
        <translation>%1 “%2” does not exist.</translation>
    </message>
</context>
<context>
    <name>SettingsFileMessages</name>
    <message>
        <source>%1: 値 %2 はリストの範囲（%3～%4）の外です。</source>
        <translation>%1: value %2 is outside the list (%3 to %4).</translation>
    </message>
    <message>
        <source>%1: 値 %2 はスクロールバーの範囲（%3～%4）の外です。</source>
        <translation>%1: value %2 is outside the scroll bar&apos;s range (%3 to %4).</translation>
    </message>
    <message>
        <source>%1 から後のすべて: %1 の位置（先頭から %2 バイト）でファイルが終わっています。</source>
        <translation>Everything from %1 on: the file ends where %1 would be (byte %2 from the start).</translation>
    </message>
    <message>
        <source>%1 から後のすべて: %1 の位置（先頭から %2 バイト）の文字列の長さ %3 が正しくありません（ファイルが壊れています）。</source>
        <translation>Everything from %1 on: the text length %3 where %1 is (byte %2 from the start) is wrong (the file is damaged).</translation>
    </message>
    <message>
        <source>設定ファイル「%1」の次の設定は読み込めなかったため、起動時の値のままにしました。

%2

ほかの設定は読み込みました。終了時に保存すると、これらの設定は今の値で書き直されます。</source>
        <translation>These settings of the settings file “%1” could not be read and keep their start-up values:

%2

The other settings were read. Saving on quitting writes these settings with their current values.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」の次の設定は読み込めなかったため、起動時の値のままにしました。

%2

ほかの設定は読み込みました。ファイルは読むだけで、書き換えません。</source>
        <translation>These settings of the settings file “%1” could not be read and keep their start-up values:

%2

The other settings were read. The file is only read, never rewritten.</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings file</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>ほかのケルバラ（プロセス %1、コンピューター %2）</source>
        <translation>another kerubara (process %1, computer %2)</translation>
    </message>
    <message>
        <source>ほかのケルバラ</source>
        <translation>another kerubara</translation>
    </message>
    <message>
        <source>設定ファイル「%1」は、%2が使っています。

このまま起動すると、もう一方の設定を上書きしないように、終了するときに設定を保存しません。
設定を保存しないで起動しますか？（「いいえ」で起動をやめます）</source>
        <translation>The settings file “%1” is in use by %2.

If you start anyway, the settings will not be saved on quitting, so as not to overwrite the other&apos;s.
Start without saving the settings? (“No” does not start.)</translation>
    </message>
    <message>
        <source>ケルバラ</source>
        <translation>kerubara</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>StorableText</name>
    <message>
        <source>%1に、設定ファイルに保存できない文字「%2」が含まれています（設定ファイルは Shift-JIS で書かれ、この文字を表せません）。
%1は前の値のままにしました。この文字を含まない名前のフォルダーやファイルを指定してください。</source>
        <translation>The character “%2” in %1 cannot be kept in the settings file (which is written in Shift-JIS and cannot represent it).
The previous value of %1 was kept. Choose a folder or file whose name does not contain it.</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>指定された値: %1</source>
        <translation>Value given: %1</translation>
    </message>
</context>
<context>
    <name>TapeCommands</name>
    <message>
        <source>このファイルは読み込まれず、系統設定のあと放送（送り・戻し）は使えません。
</source>
        <translation>This file is not read, and after setting the route the announcements (forward/back) do not work.
</translation>
    </message>
    <message>
        <source>%1行目: UTF-8 として読めないバイトがあります。すでに Shift-JIS で保存されたファイルなら、変換は要りません。</source>
        <translation>Line %1: bytes that cannot be read as UTF-8. A file already saved in Shift-JIS needs no conversion.</translation>
    </message>
    <message>
        <source>%1行目: 「%2」（U+%3）は Shift-JIS で表せない文字です。別の文字に書き換えてください。</source>
        <translation>Line %1: “%2” (U+%3) cannot be written in Shift-JIS. Replace it with another character.</translation>
    </message>
    <message>
        <source>放送用データ</source>
        <translation>announcement data</translation>
    </message>
    <message>
        <source> は作成・変更していません。
</source>
        <translation> was not created or changed.
</translation>
    </message>
    <message>
        <source>%1: Shift-JIS にすると %2になります。放送用データは %3 までです。
</source>
        <translation>%1: in Shift-JIS it would be %2. Announcement data is at most %3.
</translation>
    </message>
    <message>
        <source>--dict には読み辞書のファイルを指定してください。</source>
        <translation>--dict takes a reading dictionary file.</translation>
    </message>
    <message>
        <source>--voice には音声ファイル（.htsvoice）か espeak を指定してください。</source>
        <translation>--voice takes a voice file (.htsvoice) or espeak.</translation>
    </message>
    <message>
        <source>say には話す文章と出力の WAV ファイルを指定してください（--reading か --phonemes だけなら WAV は省略できます）。</source>
        <translation>say takes the text to speak and the WAV file to write (the WAV may be left out with only --reading or --phonemes).</translation>
    </message>
    <message>
        <source>「kerubara-data --help」で使い方を表示します。
</source>
        <translation>Run “kerubara-data --help” for usage.
</translation>
    </message>
    <message>
        <source>読み辞書のファイルが見つかりません。</source>
        <translation>The reading dictionary file was not found.</translation>
    </message>
    <message>
        <source>MeCab の辞書（mecab-ipadic-utf8）を読み込めません。読みを作れないため、話せません。
</source>
        <translation>The MeCab dictionary (mecab-ipadic-utf8) cannot be loaded. Without it no reading can be made, so nothing can be spoken.
</translation>
    </message>
    <message>
        <source>HTS 音声に渡す音素を作れません。
</source>
        <translation>Cannot make the phonemes for the HTS voice.
</translation>
    </message>
    <message>
        <source>注意: %1
</source>
        <translation>note: %1
</translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。</source>
        <translation>The espeak-ng Japanese voice (ja) cannot be loaded.</translation>
    </message>
    <message>
        <source>%1 は作成していません。</source>
        <translation>%1 was not created.</translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。
</source>
        <translation>The espeak-ng Japanese voice (ja) cannot be loaded.
</translation>
    </message>
    <message>
        <source>音声の合成に失敗しました。%1 は作成していません。
</source>
        <translation>Speech synthesis failed. %1 was not created.
</translation>
    </message>
    <message>
        <source>: 書き込めません（%1）。元のファイルは変更していません。
</source>
        <translation>: cannot write (%1). The original file is unchanged.
</translation>
    </message>
</context>
<context>
    <name>TicketCommands</name>
    <message>
        <source>文字</source>
        <translation>text</translation>
    </message>
    <message>
        <source>-32768～32767 の整数</source>
        <translation>an integer from -32768 to 32767</translation>
    </message>
    <message>
        <source>-2147483648～2147483647 の整数</source>
        <translation>an integer from -2147483648 to 2147483647</translation>
    </message>
    <message>
        <source>render-ticket に「%1」というオプションはありません。</source>
        <translation>render-ticket has no option “%1”.</translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation>%1 must be followed by %2.</translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation>The value “%2” of %1 is not valid. Give %3.</translation>
    </message>
    <message>
        <source>render-ticket にはプラグインのファイルと出力する PNG ファイルを指定してください。</source>
        <translation>render-ticket takes the plug-in file and the PNG file to write.</translation>
    </message>
    <message>
        <source>%1: %2行目: %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation>warning: %1
</translation>
    </message>
</context>
<context>
    <name>TicketNumberStyles</name>
    <message>
        <source>1,2,3... 12 （既定の表示）</source>
        <translation>1,2,3... 12 (the default)</translation>
    </message>
    <message>
        <source>0,1,2... 11</source>
        <translation>0,1,2... 11</translation>
    </message>
    <message>
        <source>「なし」、1,2... 11</source>
        <translation>“なし” (none), 1,2... 11</translation>
    </message>
    <message>
        <source>「なし」、2,3... 12</source>
        <translation>“なし” (none), 2,3... 12</translation>
    </message>
    <message>
        <source>「無券」、1,2... 11</source>
        <translation>“無券” (no ticket), 1,2... 11</translation>
    </message>
    <message>
        <source>「無券」、2,3... 12</source>
        <translation>“無券” (no ticket), 2,3... 12</translation>
    </message>
    <message>
        <source>「券なし」、1,2... 11</source>
        <translation>“券なし” (no ticket), 1,2... 11</translation>
    </message>
    <message>
        <source>「券なし」、2,3... 12</source>
        <translation>“券なし” (no ticket), 2,3... 12</translation>
    </message>
    <message>
        <source>「券無し」、1,2... 11</source>
        <translation>“券無し” (no ticket), 1,2... 11</translation>
    </message>
    <message>
        <source>「券無し」、2,3... 12</source>
        <translation>“券無し” (no ticket), 2,3... 12</translation>
    </message>
    <message>
        <source>(無地)、1,2... 11</source>
        <translation>(blank), 1,2... 11</translation>
    </message>
    <message>
        <source>(無地)、2,3... 12</source>
        <translation>(blank), 2,3... 12</translation>
    </message>
</context>
<context>
    <name>TripCommands</name>
    <message>
        <source>区間（1～300）</source>
        <translation>a section (1 to 300)</translation>
    </message>
    <message>
        <source>放送用データ（*tp.csv）</source>
        <translation>announcement data (*tp.csv)</translation>
    </message>
    <message>
        <source>設定ファイル（.in4）</source>
        <translation>a settings file (.in4)</translation>
    </message>
    <message>
        <source>音声ファイル（.htsvoice）か espeak</source>
        <translation>a voice file (.htsvoice) or espeak</translation>
    </message>
    <message>
        <source>倍率 1、2、3 のどれか</source>
        <translation>a magnification of 1, 2 or 3</translation>
    </message>
    <message>
        <source>毎秒のコマ数 30 か 60</source>
        <translation>frames a second, 30 or 60</translation>
    </message>
    <message>
        <source>運賃の桁数 3 か 4</source>
        <translation>fare digits, 3 or 4</translation>
    </message>
    <message>
        <source>停車の秒数（0～3600）</source>
        <translation>seconds stopped (0 to 3600)</translation>
    </message>
    <message>
        <source>走行の秒数（0～3600）</source>
        <translation>seconds travelling (0 to 3600)</translation>
    </message>
    <message>
        <source>時刻の列（13～150）</source>
        <translation>a time column (13 to 150)</translation>
    </message>
    <message>
        <source>時間の倍率（0より大きく 100 以下、1/60 のような分数も可）</source>
        <translation>a time scale (over 0, up to 100; a fraction such as 1/60 is allowed)</translation>
    </message>
    <message>
        <source>停留所の番号（1～301）</source>
        <translation>a stop number (1 to 301)</translation>
    </message>
    <message>
        <source>整理券番号のページ数（1～4）</source>
        <translation>a number of ticket number pages (1 to 4)</translation>
    </message>
    <message>
        <source>ページを切り替える秒数（1～60）</source>
        <translation>seconds between pages (1 to 60)</translation>
    </message>
    <message>
        <source>--lossless の出力は .mkv にしてください（FFV1 と FLAC の Matroska）。</source>
        <translation>Write --lossless output as .mkv (Matroska with FFV1 and FLAC).</translation>
    </message>
    <message>
        <source>出力ファイル「%1」の拡張子は .mp4、.webm、.mkv のどれかにしてください。</source>
        <translation>The output file “%1” must end in .mp4, .webm or .mkv.</translation>
    </message>
    <message>
        <source>render-trip に「%1」というオプションはありません。</source>
        <translation>render-trip has no option “%1”.</translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation>%1 must be followed by %2.</translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation>The value “%2” of %1 is not valid. Give %3.</translation>
    </message>
    <message>
        <source>--travel と --travel-column は一緒に指定できません。</source>
        <translation>--travel and --travel-column cannot be given together.</translation>
    </message>
    <message>
        <source>--time-scale は --travel-column と一緒に指定してください。</source>
        <translation>--time-scale goes with --travel-column.</translation>
    </message>
    <message>
        <source>--to（%1）は --from（%2）より前にできません。</source>
        <translation>--to (%1) cannot come before --from (%2).</translation>
    </message>
    <message>
        <source>: 停留所 %1 はありません。この系統の停留所は 1～%2 です。
</source>
        <translation>: there is no stop %1. This route&apos;s stops are 1 to %2.
</translation>
    </message>
    <message>
        <source>: 区間 %1 の系統設定では停留所 %1 から走ります。--from と --to は %1～%2 の間で、--from を --to より前にしてください。
</source>
        <translation>: with the route set at section %1, the trip starts from stop %1. --from and --to must lie between %1 and %2, --from before --to.
</translation>
    </message>
    <message>
        <source>: 停留所 %1（%2）の列 %3 の値 %4 が前の停留所の値 %5 より小さく、走行時間になりません。列 %3 には始発からの分を書いてください。
</source>
        <translation>: the value %4 in column %3 of stop %1 (%2) is smaller than the stop before&apos;s %5, so it gives no travel time. Write minutes from the first stop in column %3.
</translation>
    </message>
    <message>
        <source>残り約 %1 秒</source>
        <translation>about %1 s left</translation>
    </message>
    <message>
        <source>残り時間を計算中</source>
        <translation>working out the time left</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1% 停留所 %2/%3 %4 コマ 実時間の %5 倍 %6   </source>
        <translation><byte value="xd"/>%1% stop %2/%3 %4 frames %5× real time %6   </translation>
    </message>
    <message>
        <source>警告: 音声ファイル %1 がありません。鳴らさずに（無音で）作ります。
</source>
        <translation>warning: the sound file %1 is missing. Made without it (silent).
</translation>
    </message>
    <message>
        <source>: --ticket には、整理券プラグインを選んだ設定ファイルを --settings で指定してください。</source>
        <translation>: --ticket needs a settings file with a ticket plug-in chosen, given with --settings.</translation>
    </message>
    <message>
        <source>整理券プラグインが選ばれていません（--ticket に必要です）。kerubara-data gtfs --plugin FILE.4SP で作るか、オプションの「整理券プレビュー」でプラグインを選んで保存してください。</source>
        <translation>No ticket plug-in is chosen (--ticket needs one). Make one with kerubara-data gtfs --plugin FILE.4SP, or choose a plug-in under “Ticket preview” in the options and save.</translation>
    </message>
    <message>
        <source>整理券プレビューを使わない設定です（--ticket に必要です）。オプションの「整理券プレビュー」で「整理券プレビュー機能を使用する」を選んで保存してください。</source>
        <translation>The settings do not use the ticket preview (--ticket needs it). Choose “Use the ticket preview” under “Ticket preview” in the options and save.</translation>
    </message>
    <message>
        <source>整理券プラグイン %1 を読めません（%2）。--ticket に必要です。</source>
        <translation>Cannot read the ticket plug-in %1 (%2). --ticket needs it.</translation>
    </message>
    <message>
        <source>警告: %1: 放送用データがありません（設定の放送用データのフォルダー）。放送なしで作ります。
</source>
        <translation>warning: %1: no announcement data (in the settings&apos; announcement data folder). Made without announcements.
</translation>
    </message>
    <message>
        <source>警告: %1: %2行目: %3 放送なしで作ります。
</source>
        <translation>warning: %1: line %2: %3 Made without announcements.
</translation>
    </message>
    <message>
        <source>放送用データ(tp.csv)</source>
        <translation>announcement data (tp.csv)</translation>
    </message>
    <message>
        <source>: %1行目: </source>
        <translation>: line %1: </translation>
    </message>
    <message>
        <source>: 書き込めません（%1）。
</source>
        <translation>: cannot write (%1).
</translation>
    </message>
    <message>
        <source>音声の出力を準備できません。</source>
        <translation>Cannot prepare the sound output.</translation>
    </message>
    <message>
        <source>: 中断しました。作りかけのファイルは消しました。
</source>
        <translation>: stopped. The unfinished file was removed.
</translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。</source>
        <translation>The espeak-ng Japanese voice (ja) cannot be loaded.</translation>
    </message>
    <message>
        <source>%1 は作成していません。</source>
        <translation>%1 was not created.</translation>
    </message>
    <message>
        <source> 元のファイルは変更していません。
</source>
        <translation> The original file is unchanged.
</translation>
    </message>
    <message>
        <source>: 書き込みに失敗しました（%1）。元のファイルは変更していません。
</source>
        <translation>: writing failed (%1). The original file is unchanged.
</translation>
    </message>
    <message>
        <source>: 書き出しました。長さ %1（%2 コマ）、実時間の %3 倍の速さでした。
</source>
        <translation>: written. Length %1 (%2 frames), made at %3× real time.
</translation>
    </message>
    <message>
        <source>動画の大きさ（幅x高さ、例えば 1920x1080）</source>
        <translation>a video size (width x height, such as 1920x1080)</translation>
    </message>
    <message>
        <source>背景の色（black、green のような色の名前か #RRGGBB）</source>
        <translation>a background colour (a name such as black or green, or #RRGGBB)</translation>
    </message>
    <message>
        <source>行き先（Shift-JIS で書ける文字）</source>
        <translation>a destination (characters Shift-JIS can write)</translation>
    </message>
    <message>
        <source>一覧画像の PNG ファイル</source>
        <translation>a PNG file for the overview picture</translation>
    </message>
    <message>
        <source>render-trip には運賃データ（.hy3）か系統のフォルダーと、出力する動画ファイルを指定してください。</source>
        <translation>render-trip takes fare data (.hy3) or a route&apos;s folder, and the video file to write.</translation>
    </message>
    <message>
        <source>--zoom と --size は一緒に指定できません（--size では倍率を大きさに合わせて決めます）。</source>
        <translation>--zoom and --size cannot be given together (--size chooses the magnification to fit the size).</translation>
    </message>
    <message>
        <source>--headsign は --info と一緒に指定してください。</source>
        <translation>--headsign goes with --info.</translation>
    </message>
    <message>
        <source>--size %1: 幅と高さは偶数にしてください（動画の符号化は偶数の大きさしか扱えません）。</source>
        <translation>--size %1: width and height must be even (video encoding takes only even sizes).</translation>
    </message>
    <message>
        <source>--size %1: 幅も高さも %2 以下にしてください。</source>
        <translation>--size %1: width and height must each be at most %2.</translation>
    </message>
    <message>
        <source>--size %1: 等倍でも収まりません。%2x%3 以上の大きさを指定してください。</source>
        <translation>--size %1: does not fit even at magnification 1. Give a size of at least %2x%3.</translation>
    </message>
    <message>
        <source>: 書き込みに失敗しました（%1）。動画 %2 も消しました。
</source>
        <translation>: writing failed (%1). The video %2 was removed too.
</translation>
    </message>
    <message>
        <source>: 系統のフォルダーには運賃データ（.hy3）がちょうど一つ要りますが、%1 個あります。kerubara-data gtfs が書いたフォルダーか、運賃データのファイルを指定してください。
</source>
        <translation>: a route&apos;s folder needs exactly one fare data file (.hy3), but it has %1. Give a folder written by kerubara-data gtfs, or a fare data file.
</translation>
    </message>
    <message>
        <source>警告: 放送が一つもなく、字幕は空です。
</source>
        <translation>warning: there are no announcements at all; the subtitles are empty.
</translation>
    </message>
</context>
<context>
    <name>TripProgress</name>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1時間%2分%3秒</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>UnitMessages</name>
    <message>
        <source>指定した系統はデータの数が0(未登録)の可能性があります...</source>
        <translation>The route given may have no data (count 0, not registered)...</translation>
    </message>
    <message>
        <source>指定した区間はデータの数よりも多いです...<byte value="xd"/>
  解決法：正しい区間を入力して下さい.</source>
        <translation>The section given is beyond the number of stops in the data...<byte value="xd"/>
  To fix: enter a valid section.</translation>
    </message>
    <message>
        <source>指定した系統のデータがありません...</source>
        <translation>There is no data for the route given...</translation>
    </message>
    <message>
        <source>運賃データのファイルが見つかりません:
%1

系統番号のファイル（例: 系統 12 は 12.hy3）を、設定の「運賃データ(*.hy3)のあるフォルダー」に置いてください。</source>
        <translation>The fare data file was not found:
%1

Put the file named after the route number (route 12 is 12.hy3, say) in the settings&apos; “fare data (*.hy3) folder”.</translation>
    </message>
    <message>
        <source>運賃データの停留所の数（%1件）が多すぎます。扱える停留所は301件までです。</source>
        <translation>The fare data has too many stops (%1). At most 301 stops can be handled.</translation>
    </message>
    <message>
        <source>運賃データが壊れています。%1件の停留所のうち%2件目の途中でファイルが終わっています。</source>
        <translation>The fare data is damaged. Of %1 stops, the file ends in the middle of number %2.</translation>
    </message>
    <message>
        <source>フォント %1 が見つかりません。停留所名と整理券番号は別のフォントで表示されるため、本来の見た目になりません。fonts-ipafont-gothic と fonts-ipafont-mincho をインストールしてください。</source>
        <translation>Font %1 was not found. Stop names and ticket numbers are shown in another font, so the unit does not look as it should. Install fonts-ipafont-gothic and fonts-ipafont-mincho.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>フォントがありません</source>
        <translation>Fonts missing</translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>GoSub のない Return です。</source>
        <translation>Return without GoSub.</translation>
    </message>
    <message>
        <source>プロシージャの呼び出し、または引数が不正です。</source>
        <translation>Invalid procedure call or argument.</translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Overflow.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Subscript out of range.</translation>
    </message>
    <message>
        <source>0 で除算しました。</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Type mismatch.</translation>
    </message>
    <message>
        <source>スタック領域が不足しています。</source>
        <translation>Out of stack space.</translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation>Internal error.</translation>
    </message>
    <message>
        <source>ファイル名または番号が不正です。</source>
        <translation>Bad file name or number.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>ファイル モードが不正です。</source>
        <translation>Bad file mode.</translation>
    </message>
    <message>
        <source>ファイルは既に開かれています。</source>
        <translation>File already open.</translation>
    </message>
    <message>
        <source>デバイス I/O エラーです。</source>
        <translation>Device I/O error.</translation>
    </message>
    <message>
        <source>既に同名のファイルが存在しています。</source>
        <translation>File already exists.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が不足しています。</source>
        <translation>Disk full.</translation>
    </message>
    <message>
        <source>ファイルにこれ以上データがありません。</source>
        <translation>Input past end of file.</translation>
    </message>
    <message>
        <source>ファイルが多すぎます。</source>
        <translation>Too many files.</translation>
    </message>
    <message>
        <source>デバイスが準備されていません。</source>
        <translation>Device unavailable.</translation>
    </message>
    <message>
        <source>書き込みできません。</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>ディスクが準備されていません。</source>
        <translation>Disk not ready.</translation>
    </message>
    <message>
        <source>パス名が無効です。</source>
        <translation>Path/File access error.</translation>
    </message>
    <message>
        <source>パスが見つかりません。</source>
        <translation>Path not found.</translation>
    </message>
    <message>
        <source>オブジェクト変数または With ブロック変数が設定されていません。</source>
        <translation>Object variable or With block variable not set.</translation>
    </message>
    <message>
        <source>プロパティの値が不正です。</source>
        <translation>Invalid property value.</translation>
    </message>
    <message>
        <source>ActiveX コンポーネントはオブジェクトを作成できません。</source>
        <translation>ActiveX component can&apos;t create object.</translation>
    </message>
    <message>
        <source>ピクチャが不正です。</source>
        <translation>Invalid picture.</translation>
    </message>
    <message>
        <source>アプリケーション定義またはオブジェクト定義のエラーです。</source>
        <translation>Application-defined or object-defined error.</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>%1に失敗しました（%2）。</source>
        <translation>%1 failed (%2).</translation>
    </message>
    <message>
        <source>メモリーが足りません。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>符号化方式 %1 が FFmpeg のライブラリにありません。</source>
        <translation>FFmpeg&apos;s libraries lack the codec %1.</translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。</source>
        <translation>Writing failed (%1).</translation>
    </message>
    <message>
        <source>出力形式の準備</source>
        <translation>Preparing the output format</translation>
    </message>
    <message>
        <source>動画ファイルの書き始め</source>
        <translation>Starting the video file</translation>
    </message>
    <message>
        <source>ストリームの準備</source>
        <translation>Preparing the stream</translation>
    </message>
    <message>
        <source>映像の符号化の準備</source>
        <translation>Preparing the video encoder</translation>
    </message>
    <message>
        <source>映像のバッファーの準備</source>
        <translation>Preparing the video buffer</translation>
    </message>
    <message>
        <source>映像の色の変換を準備できません。</source>
        <translation>Cannot prepare the video&apos;s colour conversion.</translation>
    </message>
    <message>
        <source>音声の準備</source>
        <translation>Preparing the audio</translation>
    </message>
    <message>
        <source>音声の符号化の準備</source>
        <translation>Preparing the audio encoder</translation>
    </message>
    <message>
        <source>音声の変換の準備</source>
        <translation>Preparing the audio conversion</translation>
    </message>
    <message>
        <source>符号化</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>動画ファイルへの書き込み</source>
        <translation>Writing to the video file</translation>
    </message>
    <message>
        <source>映像の大きさが途中で変わりました。</source>
        <translation>The picture size changed midway.</translation>
    </message>
    <message>
        <source>音声の変換</source>
        <translation>Converting the audio</translation>
    </message>
    <message>
        <source>音声のバッファーの準備</source>
        <translation>Preparing the audio buffer</translation>
    </message>
    <message>
        <source>音声のバッファー</source>
        <translation>The audio buffer</translation>
    </message>
    <message>
        <source>動画ファイルの書き終わり</source>
        <translation>Finishing the video file</translation>
    </message>
    <message>
        <source>映像の幅と高さは偶数にしてください。</source>
        <translation>The video&apos;s width and height must be even.</translation>
    </message>
    <message>
        <source>字幕の符号化の準備</source>
        <translation>Preparing the subtitle encoder</translation>
    </message>
    <message>
        <source>字幕の符号化</source>
        <translation>Encoding the subtitles</translation>
    </message>
    <message>
        <source>字幕ファイルの書き始め</source>
        <translation>Starting the subtitle file</translation>
    </message>
    <message>
        <source>字幕ファイルへの書き込み</source>
        <translation>Writing to the subtitle file</translation>
    </message>
    <message>
        <source>字幕ファイルの書き終わり</source>
        <translation>Finishing the subtitle file</translation>
    </message>
</context>
<context>
    <name>VoiceMessages</name>
    <message>
        <source>読み込めません（%1）</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>空のファイルです</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>音声ファイルとしては大きすぎます（%1 まで）</source>
        <translation>too large for a voice file (at most %1)</translation>
    </message>
    <message>
        <source>HTS 音声（.htsvoice）のファイルではありません（先頭に [GLOBAL] がありません）</source>
        <translation>not an HTS voice (.htsvoice) file (it does not begin with [GLOBAL])</translation>
    </message>
    <message>
        <source>見出しの %1 がないか、壊れています</source>
        <translation>the header&apos;s %1 is missing or damaged</translation>
    </message>
    <message>
        <source>見出しの %1 の値「%2」は音声としてありえません</source>
        <translation>the value “%2” of the header&apos;s %1 is impossible for a voice</translation>
    </message>
    <message>
        <source>日本語の音声ではありません（%1 が「%2」）</source>
        <translation>not a Japanese voice (%1 is “%2”)</translation>
    </message>
    <message>
        <source>%1 の位置がファイルの終わりを越えています（ファイルが途中で切れています）</source>
        <translation>the position of %1 is past the end of the file (the file is cut short)</translation>
    </message>
    <message>
        <source>音声エンジンが読み込めませんでした</source>
        <translation>the speech engine could not load it</translation>
    </message>
    <message>
        <source>%1 のモデルが壊れています</source>
        <translation>the model of %1 is damaged</translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。</source>
        <translation>%1: cannot be used as a voice file (%2).</translation>
    </message>
    <message>
        <source>HTS 音声が入っていないため、espeak-ng の声で話します。抑揚（アクセント）のある声は、Debian の contrib にあるパッケージ %1 で入ります（scripts/install-deps.sh が入れます）。</source>
        <translation>No HTS voice is installed, so the espeak-ng voice speaks. A voice with pitch accent comes with the package %1 in Debian&apos;s contrib (scripts/install-deps.sh installs it).</translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。代わりの声で話します。</source>
        <translation>%1: cannot be used as a voice file (%2). Another voice speaks instead.</translation>
    </message>
    <message>
        <source>アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します。</source>
        <translation>The accent dictionary (open-jtalk-mecab-naist-jdic) cannot be loaded, so the espeak-ng voice speaks.</translation>
    </message>
    <message>
        <source>アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します（%1）。</source>
        <translation>The accent dictionary (open-jtalk-mecab-naist-jdic) cannot be loaded, so the espeak-ng voice speaks (%1).</translation>
    </message>
    <message>
        <source>Open JTalk のアクセント辞書（open-jtalk-mecab-naist-jdic）がインストールされていません。</source>
        <translation>Open JTalk&apos;s accent dictionary (open-jtalk-mecab-naist-jdic) is not installed.</translation>
    </message>
    <message>
        <source>アクセント辞書 %1 に %2 がありません。</source>
        <translation>The accent dictionary %1 lacks %2.</translation>
    </message>
    <message>
        <source>アクセント辞書を読み込むための一時フォルダーを作れません。</source>
        <translation>Cannot create the temporary folder for loading the accent dictionary.</translation>
    </message>
    <message>
        <source>アクセント辞書 %1 を MeCab で読み込めません。</source>
        <translation>MeCab cannot load the accent dictionary %1.</translation>
    </message>
    <message>
        <source>アクセント辞書 %1 が UTF-8 ではありません。</source>
        <translation>The accent dictionary %1 is not UTF-8.</translation>
    </message>
    <message>
        <source>「文字,読み」の形になっていません（読みがありません）。</source>
        <translation>Not of the form “text,reading” (the reading is missing).</translation>
    </message>
    <message>
        <source>欄が多すぎます（「文字,読み」の2つだけにしてください。文字にコンマを含めるときは &quot;&quot; で囲みます）。</source>
        <translation>Too many fields (write only the two, “text,reading”; enclose text containing a comma in &quot;&quot;).</translation>
    </message>
    <message>
        <source>読ませる文字が空です。</source>
        <translation>The text to read is empty.</translation>
    </message>
    <message>
        <source>読みが空です。</source>
        <translation>The reading is empty.</translation>
    </message>
    <message>
        <source>読み「%1」にカタカナ以外の文字があります。</source>
        <translation>The reading “%1” contains characters other than katakana.</translation>
    </message>
    <message>
        <source>UTF-8 として読めません（Shift-JIS で保存されていませんか。UTF-8 で保存してください）。</source>
        <translation>It cannot be read as UTF-8 (was it saved in Shift-JIS? Save it in UTF-8).</translation>
    </message>
    <message>
        <source>引用符（&quot;）が閉じていません。</source>
        <translation>A quotation mark (&quot;) is not closed.</translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイスや名前付きパイプは読みません）。</source>
        <translation>This is not a regular file (devices and named pipes are not read).</translation>
    </message>
    <message>
        <source>読み込めません（%1）。</source>
        <translation>Cannot be read (%1).</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。読み辞書は %1 までです。</source>
        <translation>The file is too large. A reading dictionary is at most %1.</translation>
    </message>
    <message>
        <source>%1: %2行目: %3この行は使いません。</source>
        <translation>%1: line %2: %3This line is not used.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>VoiceSettingsDialog</name>
    <message>
        <source>声</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>選んだ .htsvoice ファイルを自分の音声のフォルダにコピーして使います</source>
        <translation>Copies the chosen .htsvoice file into your own voice folder and uses it</translation>
    </message>
    <message>
        <source>音声ファイルを追加...</source>
        <translation>Add a voice file...</translation>
    </message>
    <message>
        <source>速さ</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>声質</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>小さいほど太く低い声、大きいほど細く軽い声になります（HTS 音声のみ）</source>
        <translation>Lower gives a deeper, heavier voice, higher a thinner, lighter one (HTS voices only)</translation>
    </message>
    <message>
        <source>音声の調節</source>
        <translation>Voice Settings</translation>
    </message>
</context>
<context>
    <name>frmCtl</name>
    <message>
        <source>集中操作盤</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>ダブルクリックで入力方法を切り替えます</source>
        <translation>Double-click to switch the way of entry</translation>
    </message>
    <message>
        <source>系統設定</source>
        <translation>Route setting</translation>
    </message>
    <message>
        <source>系&#x3000;統</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>区間</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>QPushButton { margin: 2px; border: 1px solid rgb(110, 110, 110); border-radius: 2px; background-color: rgb(238, 238, 238); }QPushButton:pressed { background-color: rgb(200, 200, 200); }</source>
        <translation>QPushButton { margin: 2px; border: 1px solid rgb(110, 110, 110); border-radius: 2px; background-color: rgb(238, 238, 238); }QPushButton:pressed { background-color: rgb(200, 200, 200); }</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>系統</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>QPushButton { background-color: rgb(255, 255, 0); border: 1px solid rgb(120, 120, 0); border-radius: 3px; }QPushButton:pressed { background-color: rgb(220, 220, 0); }QPushButton:disabled { background-color: rgb(230, 230, 170); color: rgb(150, 150, 120); }</source>
        <translation>QPushButton { background-color: rgb(255, 255, 0); border: 1px solid rgb(120, 120, 0); border-radius: 3px; }QPushButton:pressed { background-color: rgb(220, 220, 0); }QPushButton:disabled { background-color: rgb(230, 230, 170); color: rgb(150, 150, 120); }</translation>
    </message>
    <message>
        <source>データ戻し</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>データ送り</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>表示消去</source>
        <translation>Clear display</translation>
    </message>
    <message>
        <source>次の停留所でとまるよう知らせます。パネルの中ボタンでも押せます</source>
        <translation>Tells the driver to stop at the next stop. The panel&apos;s middle button presses it too</translation>
    </message>
    <message>
        <source>降車ボタン</source>
        <translation>Stop request</translation>
    </message>
    <message>
        <source>深夜料金</source>
        <translation>Late-night fare</translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙ速度</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙ間隔</source>
        <translation>Scroll gap</translation>
    </message>
    <message>
        <source>バックライト</source>
        <translation>Backlight</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON1</source>
        <translation>ON1</translation>
    </message>
    <message>
        <source>ON2</source>
        <translation>ON2</translation>
    </message>
    <message>
        <source>音合使用不可</source>
        <translation>Speech unavailable</translation>
    </message>
    <message>
        <source>調整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>戻し</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>送り</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>■</source>
        <translation>■</translation>
    </message>
    <message>
        <source>設定...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ</source>
        <translation>About</translation>
    </message>
    <message>
        <source>整理券プレビューを開きます</source>
        <translation>Opens the ticket preview</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>整理券プレビュー</source>
        <translation>Ticket preview</translation>
    </message>
    <message>
        <source>社名</source>
        <translation>Company</translation>
    </message>
</context>
<context>
    <name>frmFareEdit</name>
    <message>
        <source>運賃表の編集</source>
        <translation>Fare Editor</translation>
    </message>
    <message>
        <source>運賃表</source>
        <translation>Fares</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>CSVの読み込み(&amp;I)...</source>
        <translation>&amp;Import CSV...</translation>
    </message>
    <message>
        <source>CSVへの書き出し(&amp;E)...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>停留所の挿入(&amp;I)</source>
        <translation>&amp;Insert Stop</translation>
    </message>
    <message>
        <source>停留所の削除(&amp;R)</source>
        <translation>&amp;Remove Stop</translation>
    </message>
    <message>
        <source>停留所を上へ(&amp;U)</source>
        <translation>Move Stop &amp;Up</translation>
    </message>
    <message>
        <source>停留所を下へ(&amp;W)</source>
        <translation>Move Stop Do&amp;wn</translation>
    </message>
    <message>
        <source>規則で埋める(&amp;F)...</source>
        <translation>&amp;Fill by Rule...</translation>
    </message>
    <message>
        <source>13～150列も表示(&amp;A)</source>
        <translation>Show Columns 13–150 &amp;Too</translation>
    </message>
</context>
<context>
    <name>frmOption</name>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>運賃データと&#x3000;放送用データ</source>
        <translation>Fares and announcements</translation>
    </message>
    <message>
        <source>運賃データと放送用データ</source>
        <translation>Fares and announcements</translation>
    </message>
    <message>
        <source>運賃データ(*.hy3)のあるフォルダー：</source>
        <translation>Folder of the fare data (*.hy3):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>上記運賃データの場所をエクスプローラで開く</source>
        <translation>Open the fare data&apos;s folder in the file manager</translation>
    </message>
    <message>
        <source>放送用データ(*****Tp.csv)のあるフォルダー：</source>
        <translation>Folder of the announcement data (*****Tp.csv):</translation>
    </message>
    <message>
        <source>上記放送用データの場所をエクスプローラで開く</source>
        <translation>Open the announcement data&apos;s folder in the file manager</translation>
    </message>
    <message>
        <source>パネルと整理券番号表示</source>
        <translation>Panel and ticket numbers</translation>
    </message>
    <message>
        <source>整理券番号自動表示機能を使用</source>
        <translation>Show ticket numbers automatically</translation>
    </message>
    <message>
        <source>整理券番号のバックライトカラー(文字色)</source>
        <translation>Ticket number backlight colours (text)</translation>
    </message>
    <message>
        <source>OFF：</source>
        <translation>OFF:</translation>
    </message>
    <message>
        <source>バックライトOFF時の整理券番号の文字色</source>
        <translation>Ticket number text colour with the backlight OFF</translation>
    </message>
    <message>
        <source>ON1：</source>
        <translation>ON1:</translation>
    </message>
    <message>
        <source>バックライトON1時の整理券番号の文字色</source>
        <translation>Ticket number text colour with the backlight ON1</translation>
    </message>
    <message>
        <source>ON2：</source>
        <translation>ON2:</translation>
    </message>
    <message>
        <source>バックライトON2時の整理券番号の文字色</source>
        <translation>Ticket number text colour with the backlight ON2</translation>
    </message>
    <message>
        <source>整理券番号表示設定</source>
        <translation>Ticket number display</translation>
    </message>
    <message>
        <source>数字が1桁の番号は頭に0を付け足す</source>
        <translation>Pad one-digit numbers with a leading 0</translation>
    </message>
    <message>
        <source>※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。</source>
        <translation>* Clear the box above if your own panel picture has the numbers drawn on it.</translation>
    </message>
    <message>
        <source>本体パネル</source>
        <translation>Unit panel</translation>
    </message>
    <message>
        <source>内蔵しているパネルを自動で割り当てる</source>
        <translation>Use the built-in panels automatically</translation>
    </message>
    <message>
        <source>panelChoice</source>
        <translation>panelChoice</translation>
    </message>
    <message>
        <source>個別に設定する</source>
        <translation>Choose each one</translation>
    </message>
    <message>
        <source>バックライトOFF時の画像：</source>
        <translation>Picture with the backlight OFF:</translation>
    </message>
    <message>
        <source>内蔵</source>
        <translation>Built-in</translation>
    </message>
    <message>
        <source>panelState0</source>
        <translation>panelState0</translation>
    </message>
    <message>
        <source>ユーザーパネル</source>
        <translation>Own panel</translation>
    </message>
    <message>
        <source>ON1の画像：</source>
        <translation>Picture for ON1:</translation>
    </message>
    <message>
        <source>panelState1</source>
        <translation>panelState1</translation>
    </message>
    <message>
        <source>ON2の画像：</source>
        <translation>Picture for ON2:</translation>
    </message>
    <message>
        <source>panelState2</source>
        <translation>panelState2</translation>
    </message>
    <message>
        <source>※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意ください。</source>
        <translation>* Use a picture made for the current model as your own panel. A larger picture is cut off at the right and bottom; a smaller one is shown from the top left, with the rest grey.</translation>
    </message>
    <message>
        <source>デジタル部品と情報用数字</source>
        <translation>Digital parts and info digits</translation>
    </message>
    <message>
        <source>デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）</source>
        <translation>Colours of the digital parts (a clock, if any, takes them too)</translation>
    </message>
    <message>
        <source>背景色：</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>デジタル部品の背景色</source>
        <translation>Background colour of the digital parts</translation>
    </message>
    <message>
        <source>未発光時の文字色：</source>
        <translation>Unlit digits:</translation>
    </message>
    <message>
        <source>デジタル部品の未発光時の文字色</source>
        <translation>Colour of the digital parts&apos; unlit digits</translation>
    </message>
    <message>
        <source>発光時の文字色：</source>
        <translation>Lit digits:</translation>
    </message>
    <message>
        <source>デジタル部品の発光時の文字色</source>
        <translation>Colour of the digital parts&apos; lit digits</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>情報用数字の設定</source>
        <translation>Info digits</translation>
    </message>
    <message>
        <source>停留所の順番（区間・個数）を、</source>
        <translation>Show the stop&apos;s order (section, count) in cell</translation>
    </message>
    <message>
        <source>コマ目に表示する。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>0から数える</source>
        <translation>Count from 0</translation>
    </message>
    <message>
        <source>整理券番号を、</source>
        <translation>Show the ticket number in cell</translation>
    </message>
    <message>
        <source>系統番号を、</source>
        <translation>Show the route number in cell</translation>
    </message>
    <message>
        <source>データの</source>
        <translation>Show data column</translation>
    </message>
    <message>
        <source>列目の値を、</source>
        <translation>in cell</translation>
    </message>
    <message>
        <source>デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用数字は運賃の表示よりも優先されます。</source>
        <translation>Double-click a digital part to set its digit shift and zero padding. These info digits take precedence over the fare display.</translation>
    </message>
    <message>
        <source>停名の設定</source>
        <translation>Stop names</translation>
    </message>
    <message>
        <source>停名部分の設定</source>
        <translation>Stop name strip</translation>
    </message>
    <message>
        <source>停名部分の背景色</source>
        <translation>Background colour of the stop name strip</translation>
    </message>
    <message>
        <source>文字色：</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>停名部分の文字色</source>
        <translation>Text colour of the stop name strip</translation>
    </message>
    <message>
        <source>フォントオプション：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>ゴシック体</source>
        <translation>Gothic</translation>
    </message>
    <message>
        <source>明朝体</source>
        <translation>Mincho</translation>
    </message>
    <message>
        <source>漢字はゴシック、それ以外は明朝</source>
        <translation>Kanji in Gothic, the rest in Mincho</translation>
    </message>
    <message>
        <source>漢字は明朝、それ以外はゴシック</source>
        <translation>Kanji in Mincho, the rest in Gothic</translation>
    </message>
    <message>
        <source>英数字はゴシック、それ以外は明朝</source>
        <translation>Latin letters and digits in Gothic, the rest in Mincho</translation>
    </message>
    <message>
        <source>太字（表示の不具合はサポート対象外）</source>
        <translation>Bold (display faults not supported)</translation>
    </message>
    <message>
        <source>「次は」の表示設定(データの最初は「次は」は表示されません)</source>
        <translation>“次は” display (not shown before the first stop of the data)</translation>
    </message>
    <message>
        <source>「次は」表示オプション：</source>
        <translation>“次は” options:</translation>
    </message>
    <message>
        <source>「次は」表示なし</source>
        <translation>No “次は”</translation>
    </message>
    <message>
        <source>「次は」を表示（「は」が小さい）</source>
        <translation>Show “次は” (small “は”)</translation>
    </message>
    <message>
        <source>「次は」を表示（同じ大きさ）</source>
        <translation>Show “次は” (same size)</translation>
    </message>
    <message>
        <source>すべてゴシック体</source>
        <translation>All in Gothic</translation>
    </message>
    <message>
        <source>「は」だけ明朝体</source>
        <translation>Only “は” in Mincho</translation>
    </message>
    <message>
        <source>すべて明朝体</source>
        <translation>All in Mincho</translation>
    </message>
    <message>
        <source>「は」だけゴシック体</source>
        <translation>Only “は” in Gothic</translation>
    </message>
    <message>
        <source>「次は」の文字色：</source>
        <translation>“次は” colour:</translation>
    </message>
    <message>
        <source>「次は」の文字色</source>
        <translation>Colour of “次は”</translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）</source>
        <translation>Sound (leave the file name empty for a sound you do not want)</translation>
    </message>
    <message>
        <source>系統設定時のサウンド：</source>
        <translation>Sound on setting a route:</translation>
    </message>
    <message>
        <source>リセット時のサウンド：</source>
        <translation>Sound on reset:</translation>
    </message>
    <message>
        <source>降車ボタンのサウンド：</source>
        <translation>Stop request sound:</translation>
    </message>
    <message>
        <source>（内蔵のチャイム）</source>
        <translation>(built-in chime)</translation>
    </message>
    <message>
        <source>放送前のサウンド...</source>
        <translation>Sound before announcements...</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド...</source>
        <translation>Sound on forward/back...</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド</source>
        <translation>Sound on forward/back</translation>
    </message>
    <message>
        <source>常に右記のサウンドを鳴らす</source>
        <translation>Always play the sound on the right</translation>
    </message>
    <message>
        <source>stepSoundChoice</source>
        <translation>stepSoundChoice</translation>
    </message>
    <message>
        <source>運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）</source>
        <translation>Play one of the sounds below according to a column of the fare data (*.hy3); no sound when that column holds anything but 1 to 3</translation>
    </message>
    <message>
        <source>運賃データの</source>
        <translation>When column</translation>
    </message>
    <message>
        <source>列目</source>
        <translation>of the fare data</translation>
    </message>
    <message>
        <source>のデータが、</source>
        <translation> holds</translation>
    </message>
    <message>
        <source>「1」の場合</source>
        <translation>“1”</translation>
    </message>
    <message>
        <source>「2」の場合</source>
        <translation>“2”</translation>
    </message>
    <message>
        <source>「3」の場合</source>
        <translation>“3”</translation>
    </message>
    <message>
        <source>再生方法</source>
        <translation>Playback</translation>
    </message>
    <message>
        <source>同期再生(サウンドが完全に再生された後で運賃切り替え)</source>
        <translation>In turn (the fare changes after the sound has finished)</translation>
    </message>
    <message>
        <source>stepPlayback</source>
        <translation>stepPlayback</translation>
    </message>
    <message>
        <source>非同期再生(サウンドを再生しながら運賃切り替え)</source>
        <translation>Together (the fare changes while the sound plays)</translation>
    </message>
    <message>
        <source>放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。</source>
        <translation>Sound before announcements: * has no effect unless speech announcements are enabled.</translation>
    </message>
    <message>
        <source>chimeChoice</source>
        <translation>chimeChoice</translation>
    </message>
    <message>
        <source>放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の場合はサウンドは鳴りません）</source>
        <translation>Play one of the sounds below according to the flag in the announcement data (*.Tp.csv); no sound when the flag is anything but 1 to 3</translation>
    </message>
    <message>
        <source>同期再生(サウンドが完全に再生された後で放送開始)</source>
        <translation>In turn (the announcement starts after the sound has finished)</translation>
    </message>
    <message>
        <source>chimePlayback</source>
        <translation>chimePlayback</translation>
    </message>
    <message>
        <source>非同期再生(サウンドを再生しながら放送開始)</source>
        <translation>Together (the announcement starts while the sound plays)</translation>
    </message>
    <message>
        <source>「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。</source>
        <translation>While the “sound before announcements” plays, the stop name may stop scrolling.</translation>
    </message>
    <message>
        <source>整理券&#x3000;&#x3000;プレビュー</source>
        <translation>Ticket preview</translation>
    </message>
    <message>
        <source>整理券プレビュー</source>
        <translation>Ticket preview</translation>
    </message>
    <message>
        <source>整理券プレビュー機能を使用する</source>
        <translation>Use the ticket preview</translation>
    </message>
    <message>
        <source>整理券プラグイン設定</source>
        <translation>Ticket plug-in</translation>
    </message>
    <message>
        <source>整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）：</source>
        <translation>Ticket plug-in (leave empty if you do not use the ticket preview):</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>プラグインの指定を消去します</source>
        <translation>Clears the chosen plug-in</translation>
    </message>
    <message>
        <source>上記プラグインのプロパティ：</source>
        <translation>What the plug-in can do:</translation>
    </message>
    <message>
        <source>上記プラグインの特記事項：</source>
        <translation>Notes on the plug-in:</translation>
    </message>
    <message>
        <source>日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）</source>
        <translation>Date (when the ticket plug-in prints the date)</translation>
    </message>
    <message>
        <source>システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）</source>
        <translation>The system&apos;s date (updated with each ticket printed; the default)</translation>
    </message>
    <message>
        <source>dateChoice</source>
        <translation>dateChoice</translation>
    </message>
    <message>
        <source>システムの日付を使用（系統設定した時点の日付を保持）</source>
        <translation>The system&apos;s date (kept from when the route was set)</translation>
    </message>
    <message>
        <source>右記の日付に固定</source>
        <translation>Fixed to the date on the right</translation>
    </message>
    <message>
        <source>日付選択...</source>
        <translation>Choose date...</translation>
    </message>
    <message>
        <source>系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理券の日付変更を行いません。</source>
        <translation>The date at route setting is kept: even if the date changes meanwhile, the ticket&apos;s date stays until the route is set again.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>表示の言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>次回の起動から有効になります。</source>
        <translation>Takes effect at the next start.</translation>
    </message>
</context>
<context>
    <name>kerubara::AnnouncementEditor</name>
    <message>
        <source>行を挿入</source>
        <translation>Insert line</translation>
    </message>
    <message>
        <source>行を削除</source>
        <translation>Delete line</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>聞く</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>文章</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>移動フラグ</source>
        <translation>Step flag</translation>
    </message>
    <message>
        <source>サウンドフラグ</source>
        <translation>Sound flag</translation>
    </message>
    <message>
        <source>読み</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>放送用データ</source>
        <translation>announcement data</translation>
    </message>
    <message>
        <source>%1 を開けません。%2</source>
        <translation>Cannot open %1. %2</translation>
    </message>
    <message>
        <source>保存する放送用データのファイルが開かれていません。</source>
        <translation>No announcement data file is open to save.</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。%2</source>
        <translation>Could not save to %1. %2</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>音声合成を使えないため、聞くことができません。</source>
        <translation>Speech synthesis is not available, so the line cannot be heard.</translation>
    </message>
    <message>
        <source>「%1」（%2文字目）は Shift-JIS で表せないため、放送用データに保存できません。別の文字にしてください。</source>
        <translation>&quot;%1&quot; (character %2) has no Shift-JIS form, so announcement data cannot hold it. Use another character.</translation>
    </message>
    <message>
        <source>文章に「&quot;」は使えません（放送用データの文章は「&quot;」で囲んで保存します）。「”」などにしてください。</source>
        <translation>A text cannot hold &quot; (announcement texts are saved inside &quot;). Use ” or similar.</translation>
    </message>
    <message>
        <source>文章に改行は使えません。改行のあとは別の行として読まれます。</source>
        <translation>A text cannot hold a line break: what follows it would be read as another line.</translation>
    </message>
    <message>
        <source>移動フラグは 0（停留所を移さない）か 1（停留所を移す）です。%1 は使えません。</source>
        <translation>The step flag is 0 (stay at the stop) or 1 (move to the next stop); %1 cannot be used.</translation>
    </message>
    <message>
        <source>サウンドフラグは 0（鳴らさない）か 1～3（鳴らすサウンドの番号）です。%1 は使えません。</source>
        <translation>The sound flag is 0 (no sound) or 1–3 (the sound to play); %1 cannot be used.</translation>
    </message>
    <message>
        <source>フラグが空です。数字を入力してください。</source>
        <translation>The flag is empty. Enter a number.</translation>
    </message>
    <message>
        <source>フラグの %1文字目が数字ではありません。</source>
        <translation>Character %1 of the flag is not a digit.</translation>
    </message>
    <message>
        <source>フラグが -32768～32767 の範囲を超えています。</source>
        <translation>The flag is outside -32768 to 32767.</translation>
    </message>
</context>
<context>
    <name>kerubara::AutoRunPanel</name>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>自動運行</source>
        <translation>Auto run</translation>
    </message>
    <message>
        <source>今の停留所から、放送・停車・走行を繰り返して終点まで進めます。運転の操作をすると止まります</source>
        <translation>From the current stop, repeats announcements, stopping and travelling up to the last stop. Any driving control stops it</translation>
    </message>
    <message>
        <source>停車時間（最後の音が終わってから）</source>
        <translation>Dwell time (after the last sound ends)</translation>
    </message>
    <message>
        <source>走行時間（次の停留所まで）</source>
        <translation>Travel time (to the next stop)</translation>
    </message>
    <message>
        <source>停車</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>走行</source>
        <translation>Travel</translation>
    </message>
</context>
<context>
    <name>kerubara::FareFillDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>0区間からの運賃を、カンマか空白で区切って入力してください。</source>
        <translation>Enter the fares from 0 stages, separated by commas or spaces.</translation>
    </message>
    <message>
        <source>%1番目の「%2」は運賃として読めません（0～32767 の数にしてください）。</source>
        <translation>Item %1, &quot;%2&quot;, is not a fare (enter a number from 0 to 32767).</translation>
    </message>
    <message>
        <source>%1区間の運賃が 0～32767 に収まりません。</source>
        <translation>The fare for %1 stages is outside 0 to 32767.</translation>
    </message>
    <message>
        <source>%1区間 %2円</source>
        <translation>%1 stages %2 yen</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>、…</source>
        <translation>, …</translation>
    </message>
</context>
<context>
    <name>kerubara::Form1</name>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1</source>
        <translation>An error occurred.<byte value="xd"/>
<byte value="xd"/>
Error code: %1</translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;内部的なエラーです。ソマリカへ報告してください。エラー場所：frmCtl.Option4_Click()</source>
        <translation>An error occurred.<byte value="xd"/>
<byte value="xd"/>
Error code: %1  An internal error. Please report it to Somarica. Where: frmCtl.Option4_Click()</translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;画像ファイルが見つからないか、指定している場所が不正です。</source>
        <translation>An error occurred.<byte value="xd"/>
<byte value="xd"/>
Error code: %1  The picture file was not found, or the place given is invalid.</translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;デバイスエラーもしくは準備が出来ていません。</source>
        <translation>An error occurred.<byte value="xd"/>
<byte value="xd"/>
Error code: %1  A device error, or the device is not ready.</translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;指定した画像の内容が不正です。この部分では扱えません。</source>
        <translation>An error occurred.<byte value="xd"/>
<byte value="xd"/>
Error code: %1  The picture given is invalid and cannot be used here.</translation>
    </message>
    <message>
        <source>等倍 (1×)</source>
        <translation>Actual size (1×)</translation>
    </message>
    <message>
        <source>2倍 (2×)</source>
        <translation>Double (2×)</translation>
    </message>
    <message>
        <source>3倍 (3×)</source>
        <translation>Triple (3×)</translation>
    </message>
    <message>
        <source>運賃の桁数</source>
        <translation>Fare digits</translation>
    </message>
    <message>
        <source>%1桁</source>
        <translation>%1 digits</translation>
    </message>
    <message>
        <source>表示する整理券番号</source>
        <translation>Ticket numbers shown</translation>
    </message>
    <message>
        <source>1〜%1</source>
        <translation>1〜%1</translation>
    </message>
    <message>
        <source>切り替え間隔</source>
        <translation>Page interval</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>エラーです！<byte value="xd"/>
<byte value="xd"/>
コード：%1<byte value="xd"/>
<byte value="xd"/>
内容：%2<byte value="xd"/>
<byte value="xd"/>
モジュール：IniIO-SeirikenNumSet( )</source>
        <translation>An error occurred!<byte value="xd"/>
<byte value="xd"/>
Code: %1<byte value="xd"/>
<byte value="xd"/>
Details: %2<byte value="xd"/>
<byte value="xd"/>
Module: IniIO-SeirikenNumSet( )</translation>
    </message>
    <message>
        <source>エラー！</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>kerubara::VoiceSettingsDialog</name>
    <message>
        <source>%1 半音</source>
        <translation>%1 semitones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>試聴</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>%1（自分の音声）</source>
        <translation>%1 (own voice)</translation>
    </message>
    <message>
        <source>%1（アクセントなし）</source>
        <translation>%1 (no accent)</translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。今の声のままにします。</source>
        <translation>%1: cannot be used as a voice file (%2). The current voice stays.</translation>
    </message>
    <message>
        <source>HTS 音声 (*.htsvoice)</source>
        <translation>HTS voices (*.htsvoice)</translation>
    </message>
    <message>
        <source>追加する音声ファイル</source>
        <translation>Voice file to add</translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。コピーしていません。</source>
        <translation>%1: cannot be used as a voice file (%2). It was not copied.</translation>
    </message>
    <message>
        <source>%1: 自分の音声のフォルダ %2 にコピーできません（%3）。</source>
        <translation>%1: cannot copy to your voice folder %2 (%3).</translation>
    </message>
</context>
<context>
    <name>kerubara::frmCtl</name>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>ケルバラケーション - 型番:%1</source>
        <translation>Kerubaracation - model: %1</translation>
    </message>
    <message>
        <source>注意: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>整理券プレビューを隠します</source>
        <translation>Hides the ticket preview</translation>
    </message>
    <message>
        <source>整理券プレビューを開きます</source>
        <translation>Opens the ticket preview</translation>
    </message>
    <message>
        <source>機種：%1<byte value="xd"/>
バージョン：%2  ServiceRelease 1<byte value="xd"/>
<byte value="xd"/>
配布：kerubara プロジェクト<byte value="xd"/>
開発：kerubara 開発チーム (C) %3<byte value="xd"/>
</source>
        <translation>Model: %1<byte value="xd"/>
Version: %2  ServiceRelease 1<byte value="xd"/>
<byte value="xd"/>
Distributed by: the kerubara project<byte value="xd"/>
Developed by: the kerubara developers (C) %3<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ケルバラを終了しますか？</source>
        <translation>Quit kerubara?</translation>
    </message>
    <message>
        <source>ケルバラの終了確認</source>
        <translation>Quit kerubara</translation>
    </message>
    <message>
        <source>キー: %1</source>
        <translation>Key: %1</translation>
    </message>
    <message>
        <source>%1（キー: %2）</source>
        <translation>%1 (key: %2)</translation>
    </message>
    <message>
        <source>B（OFF → ON1 → ON2 → OFF の順）</source>
        <translation>B (OFF → ON1 → ON2 → OFF in turn)</translation>
    </message>
    <message>
        <source>音合使用可</source>
        <translation>Speech available</translation>
    </message>
    <message>
        <source>音合使用不可</source>
        <translation>Speech unavailable</translation>
    </message>
    <message>
        <source>運賃表の編集(&amp;E)...</source>
        <translation>Fare &amp;Editor...</translation>
    </message>
</context>
<context>
    <name>kerubara::frmFareEdit</name>
    <message>
        <source>停留所の件数（先頭の2バイト）がありません。運賃データではないか、壊れています。</source>
        <translation>The stop count (the first two bytes) is missing: this is not fare data, or it is damaged.</translation>
    </message>
    <message>
        <source>停留所の件数が負の数（%1）です。運賃データではないか、壊れています。</source>
        <translation>The stop count is negative (%1): this is not fare data, or it is damaged.</translation>
    </message>
    <message>
        <source>停留所の件数（%1）が301を超えています（301件までしか扱えません）。</source>
        <translation>The stop count (%1) is over 301 (at most 301 can be handled).</translation>
    </message>
    <message>
        <source>%1件目の停留所: %2</source>
        <translation>Stop %1: %2</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>運賃データ</source>
        <translation>Fare data</translation>
    </message>
    <message>
        <source>運賃データのCSV</source>
        <translation>Fare data CSV</translation>
    </message>
    <message>
        <source>停留所名</source>
        <translation>Stop name</translation>
    </message>
    <message>
        <source>整理券番号</source>
        <translation>Ticket no.</translation>
    </message>
    <message>
        <source>運賃 %1</source>
        <translation>Fare %1</translation>
    </message>
    <message>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>ステップ音</source>
        <translation>Step sound</translation>
    </message>
    <message>
        <source>データ表示</source>
        <translation>Data digit</translation>
    </message>
    <message>
        <source>所要分（GTFS）</source>
        <translation>Minutes (GTFS)</translation>
    </message>
    <message>
        <source>ステップ音（GTFS）</source>
        <translation>Step sound (GTFS)</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1[*] - 運賃表の編集</source>
        <translation>%1[*] - Fare Editor</translation>
    </message>
    <message>
        <source>-32768～32767の範囲を超えています。</source>
        <translation>The value is outside -32768 to 32767.</translation>
    </message>
    <message>
        <source>%1文字目が数字ではありません。-32768～32767の整数を入力してください。</source>
        <translation>Character %1 is not a digit. Enter a whole number from -32768 to 32767.</translation>
    </message>
    <message>
        <source>「%1」（U+%2）はShift-JISにない文字のため、停留所名に使えません。</source>
        <translation>&quot;%1&quot; (U+%2) has no Shift-JIS form, so a stop name cannot hold it.</translation>
    </message>
    <message>
        <source>%1は停留所名に使えません。</source>
        <translation>A stop name cannot hold %1.</translation>
    </message>
    <message>
        <source>停留所名が%1バイトあります（65535バイトまで）。</source>
        <translation>The stop name is %1 bytes long (at most 65535).</translation>
    </message>
    <message>
        <source>停留所は301件までです（%1件になるため、変更しませんでした）。</source>
        <translation>A route holds at most 301 stops (this would make %1, so nothing was changed).</translation>
    </message>
    <message>
        <source>貼り付ける範囲が表の右端（列150）を超えるため、貼り付けませんでした。</source>
        <translation>Nothing was pasted: the block would reach past the last column (150).</translation>
    </message>
    <message>
        <source>停留所%1の%2: %3</source>
        <translation>Stop %1, %2: %3</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>運賃データ(.hy3)</source>
        <translation>fare data (.hy3)</translation>
    </message>
    <message>
        <source>%1 を開けませんでした。
%2</source>
        <translation>Could not open %1.
%2</translation>
    </message>
    <message>
        <source>最後の停留所の後にある%1バイトはプログラムが読まないデータのため、保存しません。</source>
        <translation>The %1 bytes after the last stop are not read by the program and will not be saved.</translation>
    </message>
    <message>
        <source>停留所が%1件あります（301件まで）。</source>
        <translation>There are %1 stops (at most 301).</translation>
    </message>
    <message>
        <source>停留所%1の名前が%2バイトあります（65535バイトまで）。</source>
        <translation>The name of stop %1 is %2 bytes long (at most 65535).</translation>
    </message>
    <message>
        <source>停留所%1の名前に制御文字（0x%2）があります。</source>
        <translation>The name of stop %1 holds a control character (0x%2).</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save to %1.
%2</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした。
%2</source>
        <translation>Could not import %1.
%2</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした。表は変更していません。</source>
        <translation>Could not import %1. The table is unchanged.</translation>
    </message>
    <message>
        <source>%1 を読み込みました。次の点に注意してください。</source>
        <translation>Imported %1. Note the following.</translation>
    </message>
    <message>
        <source>%1 に書き出せませんでした。
%2</source>
        <translation>Could not export to %1.
%2</translation>
    </message>
    <message>
        <source>変更が保存されていません。保存しますか？</source>
        <translation>There are unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>放送</source>
        <translation>Announcements</translation>
    </message>
    <message>
        <source>停留所%1（%2）: %3</source>
        <translation>Stop %1 (%2): %3</translation>
    </message>
    <message>
        <source>運賃の列（運賃 1 から）を選んでから規則で埋めてください。</source>
        <translation>Select fare cells (from Fare 1 on) before filling by rule.</translation>
    </message>
    <message>
        <source>この規則では運賃が 0～32767 円に収まりません。何も変えていません。</source>
        <translation>This rule gives fares outside 0 to 32767 yen. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1停留所 × %2列を規則で埋めました（元に戻す: Ctrl+Z）。</source>
        <translation>Filled %1 stops × %2 columns by rule (Ctrl+Z undoes it).</translation>
    </message>
</context>
<context>
    <name>kerubara::frmOption</name>
    <message>
        <source>運賃データと|&#x3000;放送用データ</source>
        <translation>Fares and| announcements</translation>
    </message>
    <message>
        <source>パネルと|整理券番号表示</source>
        <translation>Panel and| ticket numbers</translation>
    </message>
    <message>
        <source>デジタル部品と|情報用数字</source>
        <translation>Digital parts| and info digits</translation>
    </message>
    <message>
        <source>停名の設定</source>
        <translation>Stop names</translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>整理券|&#x3000;&#x3000;プレビュー</source>
        <translation>Ticket| preview</translation>
    </message>
    <message>
        <source>Waveサウンド(*.wav)</source>
        <translation>Wave sound (*.wav)</translation>
    </message>
    <message>
        <source>MIDIサウンド(*.mid)</source>
        <translation>MIDI sound (*.mid)</translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>GIF画像(*.gif)</source>
        <translation>GIF image (*.gif)</translation>
    </message>
    <message>
        <source>JPEG画像(*.jpg)</source>
        <translation>JPEG image (*.jpg)</translation>
    </message>
    <message>
        <source>運賃データのフォルダー</source>
        <translation>the fare data folder</translation>
    </message>
    <message>
        <source>放送用データのフォルダー</source>
        <translation>the announcement data folder</translation>
    </message>
    <message>
        <source>バックライト%1時のパネル画像</source>
        <translation>the panel picture for backlight %1</translation>
    </message>
    <message>
        <source>系統設定時のサウンド</source>
        <translation>the sound on setting a route</translation>
    </message>
    <message>
        <source>リセット時のサウンド</source>
        <translation>the sound on reset</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド</source>
        <translation>the sound on forward/back</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「1」の場合）</source>
        <translation>the sound on forward/back (for “1”)</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「2」の場合）</source>
        <translation>the sound on forward/back (for “2”)</translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「3」の場合）</source>
        <translation>the sound on forward/back (for “3”)</translation>
    </message>
    <message>
        <source>放送前のサウンド</source>
        <translation>the sound before announcements</translation>
    </message>
    <message>
        <source>放送前のサウンド（「1」の場合）</source>
        <translation>the sound before announcements (for “1”)</translation>
    </message>
    <message>
        <source>放送前のサウンド（「2」の場合）</source>
        <translation>the sound before announcements (for “2”)</translation>
    </message>
    <message>
        <source>放送前のサウンド（「3」の場合）</source>
        <translation>the sound before announcements (for “3”)</translation>
    </message>
    <message>
        <source>フォルダーを選択してください</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>フォルダー「%1」を開けません。フォルダーを開くファイルマネージャーが見つかりません。
ファイルマネージャーと xdg-utils（xdg-open）をインストールしてください。</source>
        <translation>Cannot open the folder “%1”: no file manager was found to open it.
Install a file manager and xdg-utils (xdg-open).</translation>
    </message>
    <message>
        <source>エクスプローラで開く</source>
        <translation>Open in the file manager</translation>
    </message>
    <message>
        <source>パネル画像の選択</source>
        <translation>Choose a panel picture</translation>
    </message>
    <message>
        <source>サウンドの選択</source>
        <translation>Choose a sound</translation>
    </message>
    <message>
        <source>整理券プラグイン</source>
        <translation>ticket plug-in</translation>
    </message>
    <message>
        <source>ファイル: %1
%2行目: %3</source>
        <translation>File: %1
Line %2: %3</translation>
    </message>
    <message>
        <source>ファイル: %1
%2</source>
        <translation>File: %1
%2</translation>
    </message>
    <message>
        <source>整理券プラグイン(*.4SP)</source>
        <translation>Ticket plug-ins (*.4SP)</translation>
    </message>
    <message>
        <source>プラグインの選択</source>
        <translation>Choose a plug-in</translation>
    </message>
    <message>
        <source>指定したファイルはプラグインでないか、内容が不正です</source>
        <translation>The file chosen is not a plug-in, or its content is invalid</translation>
    </message>
    <message>
        <source>プラグインロードエラー</source>
        <translation>Plug-in load error</translation>
    </message>
    <message>
        <source>ロケールに合わせる</source>
        <translation>System language</translation>
    </message>
</context>
</TS>
