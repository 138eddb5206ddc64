<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>DataTool</name>
    <message>
        <source>「kerubara-data --help」で使い方を表示します。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コマンドを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dump にはファイルを1つ指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hy3 には入力の CSV と出力の .hy3 を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tp には UTF-8 の放送用データと出力する *tp.csv を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in4 には入力のテキストと出力の .in4 を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check には検査するファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 注意: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 注意: %2 と合わせると、%3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plugin には整理券プラグインのファイルを1つ指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」というコマンドはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使い方: kerubara-data コマンド [引数...]

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

終了コード: 0 成功、1 入力の問題、2 使い方の誤り。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DigitFormatDialog</name>
    <message>
        <source>数字の表示設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 と -1 の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 は表示しない（空欄も消灯のまま）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 は「0」と表示する（空欄も「0」）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1 は「0」と表示し、0 は表示しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1 と 0 は「0」と表示する（空欄も「0」）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右側に空ける桁数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 桁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先頭を 0 で埋める桁数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>埋めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示例（5 のとき）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部で %1 桁です。「・」は消灯している桁です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー Code:%1<byte value="xd"/>
内容:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FareCommands</name>
    <message>
        <source>停留所名の%1バイト目（0x%2）が Shift-JIS の文字になりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データ(.hy3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1: 停留所「%2」: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所の件数（先頭2バイト）がありません。運賃データ(.hy3)ではないか、壊れています。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所の件数が負の値（%1）です。ファイルが壊れています。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所の件数（%1）が301を超えています。1つの系統に入る停留所は301件までです。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（件数は%1件）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: record %1: 停留所名「%2」には同じ文字を表す別のコード（NEC選定IBM拡張文字など）が使われています。hy3 で書き戻すと標準のコードになります。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 最後の停留所の後に%1バイトの余分なデータがあります（プログラムは読みません。CSV には含まれません）。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データの CSV </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> は作成・変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所が0件です。この運賃データでは系統設定できません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所が1件だけです。この運賃データでは区間1も設定できません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所が%1件あります。運賃データに入る停留所は301件までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1: 停留所名が長すぎます（%2バイト。運賃データの停留所名は65535バイトまでです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1: 停留所名に制御文字（%2）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数（先頭2バイト）がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数が0です（系統設定できません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数が負の値（%1）です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所が1件だけです（区間1も設定できません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数（%1）が301を超えています（301件までしか扱えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後の停留所（%1件目）の後に%2バイトの余分なデータがあります（件数が実際より少ない可能性があります）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 注意: record %2: %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 注意: %2
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatMessages</name>
    <message>
        <source>行の途中でファイルが終わっています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フラグの数値が -32768～32767 の範囲を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>項目が行数に対して多すぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダーです。ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開けません（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。%1は %2 までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込みに失敗しました（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイスや名前付きパイプは読みません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込めません（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。元のファイルは変更していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルを置き換えられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいファイルを消せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルに戻せませんでした。新しい内容のままです。元の内容は %1 にあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルに戻せませんでした。元の内容は %1 にあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すでにあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 にフォルダーを作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダーを置けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置き換えた元のファイル %1 を消せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「&quot;」を含むフィールドは全体を「&quot;」で囲み、中の「&quot;」は「&quot;&quot;」と書いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「&quot;」で始まったフィールドが閉じられていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じた「&quot;」の後に余分な文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 として読めない文字があります（Shift-JIS の CSV は「CSV UTF-8」形式で保存し直してください）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>改行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タブ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV が空です（1行目に見出し「Chimei,SeirikenNo,Col1,…,Col150」が必要です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しの%1列目が空です。列の名前（Chimei、SeirikenNo、Col1～Col150）を書いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しの%1列目「%2」は運賃データの列の名前（Chimei、SeirikenNo、Col1～Col150）ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しに列「%1」が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しに停留所名の列「Chimei」がありません（1行目に「Chimei,SeirikenNo,Col1,…」のように列の名前が必要です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所が%1件あります。1つの系統に入る停留所は301件までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列の数が%1です（見出しにある%2列までです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名「%1」の「%2」（U+%3）は Shift-JIS で表せない文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名が長すぎます（%1バイト、65535バイトまで）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名に制御文字（%1）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」が -32768～32767 の整数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しにない%1列（%2）はすべての停留所で 0 として読みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空のセルを 0 として読みました（全部で%1個、最初はこの行の %2。列の足りない行の残りの列も空のセルとして数えています）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空のセルだけの行は停留所として読みませんでした（全部で%1行、最初はこの行）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが終わっていて、この停留所のデータがありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名の長さ（2バイト）の途中でファイルが終わっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名（%1バイト）の途中でファイルが終わっています（%2バイトしかありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号の途中でファイルが終わっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ列の途中でファイルが終わっています（列%1以降がありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。運賃データ(.hy3)は %1 までです。運賃データではないか、壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号が12を超える停留所が%1件あります（最大の整理券番号は%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃表示器に出せるのは整理券番号 1～48 の運賃までなので、49番以降から乗った人の運賃は表示されません（パネルの右クリックメニュー「表示する整理券番号」で「1〜48」を選ぶと、48番までを12番ずつ交互に表示します）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>既定の表示（1〜12）では13番以降の運賃が出ません。パネルの右クリックメニュー「表示する整理券番号」で「1〜%1」を選ぶと、12番ずつ交互にすべての運賃を表示します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>」「</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>など</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜料金（2倍）が4桁になる停留所が%1件あります（%2、整理券%3、最高 深夜 %4円）。深夜料金は下3桁（%5）しか出ません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃が4桁の停留所が%1件あります（%2、整理券%3、最高 %4円）。運賃表示器の3桁の運賃には下3桁（%5）しか出ません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パネルのメニュー「運賃の桁数」→ 4桁、または --fare-digits 4 で全桁が出ます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: 空行があります。空行も1つの項目として読まれるため、これより後の項目がずれて、%2行目で読み込めなくなっています（%3）。空行を削除してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。放送用データは %1 までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2。各行に「文章,移動フラグ,サウンドフラグ」の3項目が必要です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2。1行に「文章,移動フラグ,サウンドフラグ」の3項目だけを書いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: このファイルは UTF-8 で保存されているようです。放送用データは Shift-JIS で読むため、文章が化けて読み上げられます。「kerubara-data tp このファイル 新しいファイル名tp.csv」で Shift-JIS に変換するか、エディタで文字コードを Shift-JIS にして保存し直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2「%3」に全角数字があります。全角数字は数字として読まれないため、%4 として読み込まれます。半角数字で書いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動フラグ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドフラグ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: 文章の%2バイト目（0x%3）が Shift-JIS の文字にならないため、その部分は読まれません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1 MiB まで）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空のファイルです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 として読めない文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>区分（[Plugin] など）より前に「%1」があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「[%1]」という区分はありません（[Plugin]、[Comment]、[Companies]、[Layout] のどれかです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>区分 [%1] が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「キー=値」の形ではありません（「%1」）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1] に「%2」というキーはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー %1 が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」は整数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」は範囲外です（%3～%4）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は「左,上,幅,高さ[,文字の大きさ[,太さ[,揃え[,色]]]]」の形で書きます（「%2」）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の太さ「%2」は normal か bold で書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の揃え「%2」は left、center、right のどれかで書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の色「%2」は #RRGGBB（16進数）で書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format は「%1」でなければなりません（「%2」）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BarcodeType「%1」は NW7、ITF、CODE39、CODE128 のどれかで書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face「%1」は Gothic か Mincho で書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Plugin] の区分がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format=%1 がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 がありません（1～2000 の整数）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode=1 のときは BarcodeType（NW7、ITF、CODE39、CODE128）が必要です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StopMin（%1）が StopMax（%2）より大きくなっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ---&gt; 可能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ---&gt; 不可</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付の印字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時刻の印字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統番号の印字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名の印字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バーコード印字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バーコード本数 ---&gt; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バーコード系統方式 ---&gt; 連番式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バーコード系統方式 ---&gt; 系統番号＋往復フラグ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定可能な系統範囲 ---&gt; 1 ～ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所認識範囲 ---&gt; %1 ～ %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社名切り替え:---&gt; 可能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社名切り替え:---&gt; 不可</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GtfsCommands</name>
    <message>
        <source>%1 の値がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--direction には 0 か 1 を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--number %1 は系統番号 0 です。系統番号 0 は、系統を入力せずにリセットしたときに読まれる番号なので使えません。1～99999 を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--number には系統番号を1～5桁の数字（1～99999）で指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tickets には stage か stop を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gtfs にはフィード、--route 系統の route_id と出力のフォルダーを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1円</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1～%2円</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（運賃のない区間あり）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所「%1」: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gtfs-routes にはフィード（フォルダーか .zip）を1つ指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_id	系統名	方向	行先	始発 → 終点	便数	停留所数	整理券番号	運賃
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意: 系統「%1」%2の便は停留所が%3件あり、1つの系統に入る301件を超えるため、gtfs では取り込めません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（方向 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> のファイルは作成・変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統「%1」の route_short_name「%2」は系統番号（1～99999）になりません。--number で系統番号を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 にチャイム（%2）がありません。音の設定は空のままにしました（--chimes でチャイムのフォルダーを指定できます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同梱のチャイムが見つかりません。音の設定は空のままにしました（--chimes でチャイムのフォルダーを指定できます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2行目: %3（--plugin には整理券プラグイン .4SP を指定してください）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2（--plugin には整理券プラグイン .4SP を指定してください）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み辞書</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: フォルダーを作れません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統: %1（%2） → 系統番号 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1 の先頭の 0 は系統番号に入りません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>便: %1（%2行き）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所: %1件
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号: 1～%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号: なし（乗車できる停留所がありません）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃: %1円～%2円
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃: なし
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み: %1件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（読みのない停留所: %1 など%2件）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（読みのない停留所: %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出し: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kerubara --settings %1 で起動し、系統 %2、区間 1 でリセットしてください。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all はすべての系統を取り込みます。--route、--trip、--direction、--number とは一緒に使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gtfs --all にはフィードと出力のフォルダーを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データを正しく作れませんでした（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データを正しく作れませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統「%1」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統「%1」（方向 %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: フォルダーではありません。出力のフォルダーを指定してください。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 取り込めませんでした: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_short_name「%1」は系統番号になりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: フォルダーを作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> のファイルは変更していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> の一部のファイルだけが新しくなりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: フォルダーではないものがあります。そのままにしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2: 系統番号 %3、停留所 %4件、%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃 %1円～%2円</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意: %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1件を取り込みました（取り込めなかったもの %2件）。一覧: %3
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GtfsMessages</name>
    <message>
        <source>フィードが見つかりません（フォルダーか .zip を指定してください）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フィードの .zip </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip として読めません（%1）。壊れていないか確かめてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GTFS のファイル（stops.txt、routes.txt など）がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GTFS のファイルが複数のフォルダー（%1）にあります。1つのフィードだけを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フィードにこのファイルがありません（必要なファイルです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（フィードの1つのファイルは %1 までです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip の中のファイルの情報を読めません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip の中のファイルを開けません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip の中のファイルが壊れていて読めません（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大きさが記録と違います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込みに失敗しました（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しの行がありません（1行目に列の名前が必要です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しに必要な列「%1」がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>」「</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しに言語の列（language または lang）がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_id が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_id「%1」は %2 行目にもあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_id が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_id「%1」が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip_id が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip_id「%1」が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_id「%1」は routes.txt にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direction_id「%1」は 0 か 1 でなければなりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip_id「%1」は trips.txt にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_id「%1」は stops.txt にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_sequence「%1」が 0 以上の整数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」が「時:分:秒」（例 7:05:00）の形ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>便「%1」の stop_sequence %2 が2回あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price「%1」が 0～32767 の整数（円）ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fare_id「%1」は fare_attributes.txt にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_id「%1」の系統はありません（gtfs-routes で一覧を表示できます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip_id「%1」の便はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>便「%1」は系統「%2」ではなく系統「%3」の便です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統「%1」に direction_id が %2 の便がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統「%1」の便がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>便「%1」の停留所が%2件です。1つの系統に入る停留所は2件から301件までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>便「%1」には整理券番号が%2個必要です。運賃データに入るのは%3個までです（--tickets stage で運賃の同じ停留所をまとめられます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の名前の「%3」（%4）は Shift-JIS で表せません。別の文字に書き換えてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所「%1…」（stop_id %2）の名前が長すぎます（%3バイト。運賃データの停留所名は65535バイトまでです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」→「%2」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> など</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2行目: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の parent_station「%3」は stops.txt にありません。停留所自身の名前にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所「%1」（stop_id %2）の名前にある改行やタブは空白に、そのほかの制御文字は取り除きました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名「%1」は Shift-JIS で表せないため「%2」としました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip_headsign「%1」は Shift-JIS で表せないため、行先は終点の名前にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fare_rules.txt に運賃のない区間が%1件あります（%2）。その運賃は -1（運賃なし）にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_times.txt に時刻のない停留所が%1件あります。その停留所の列149（始発からの分）は 0 にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みは使わずに続けました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2行目: 「%3」の読み「%4」はかなではないため使いません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route_short_name「%1」は系統番号（1～99999）にならないため、routes.txt の%2番目の系統として系統番号 %2 にしました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoBar</name>
    <message>
        <source>系統 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次は</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OffscreenPanel</name>
    <message>
        <source>警告: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所が0件です（系統設定できません）。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 区間 %1 は設定できません。区間は停留所の数（%2件）より小さくしてください。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelCommands</name>
    <message>
        <source>停留所の番号（1～301）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>区間（1～300）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号の表示方法（0～11）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」の表示（0～2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号のページ（1～4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃の桁数 3 か 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-panel に「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル（.in4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライト（OFF、ON1、ON2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-panel には運賃データ（.hy3）と出力する PNG ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-panel には --stop で停留所の番号を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所 %1 はありません。この系統の停留所は 1～%2 です。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>運賃表示器シミュレーター</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル FILE を読み込み、終了時に FILE へ保存します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライトを STATE（OFF、ON1、ON2）にして始めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--backlight には OFF、ON1、ON2 のどれかを指定してください（「%1」は使えません）。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引数「%1」は使えません。

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃表の編集を開きます（FILE.hy3 を指定すればそのファイルを開きます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--edit で開く運賃データ。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtResDialogs</name>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingNotes</name>
    <message>
        <source>「%1」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は読み辞書に語が無いため、1字ずつの読みで読みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は読みが分からないため、読み上げません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1。正しい読みは読み辞書（yomi.csv）に「文字,読み」の行で書けます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderDigits</name>
    <message>
        <source>「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 には値を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 には -32768～32767 の整数を指定してください（「%2」は使えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 の色は RRGGBB（赤・緑・青を16進数2桁ずつ、例: F8D272）で指定してください（「%2」は使えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-digits には表示する値と出力する PNG ファイルの2つを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は数値ではありません。文字として表示するには --text を付けるか、値全体を二重引用符で囲んでください（例: &apos;&quot;%1&quot;&apos;）。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenderName</name>
    <message>
        <source>-32768～32767 の整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RRGGBB 形式の16進数の色（例: FFC080）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-name に「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-name には停留所名と出力する PNG ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名の「%1」は Shift-JIS で表せない文字のため表示できません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteSettings</name>
    <message>
        <source>パス「%1」は Shift-JIS で表せないか長すぎるため、設定ファイルに書けません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteSheet</name>
    <message>
        <source>♪%1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;→ 次の停留所へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示は %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜は %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↓ 前は %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9999 超</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 (%2): 整理券%3: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃 %1 が record %2 の %3 より下がっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃 %1 が 9999 を超えています（運賃の表示は3桁です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 (%2): 整理券%3: 注意: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜料金 %1 は %2 と表示されます（運賃の表示は3桁です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃 %1 は %2 と、深夜料金 %3 は %4 と表示されます（運賃の表示は3桁です）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;停留所 %2 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤: 前の停留所より下がる運賃・9999 を超える運賃</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1: 運賃なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 円</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4桁以上（深夜料金も）: 表示は下3桁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜: 深夜料金（2倍）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>順</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名（行先表示）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…ほか %1 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tape の後に放送用データ（*tp.csv）を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route-sheet に「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route-sheet には運賃データ（.hy3）と出力する PNG ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所が0件です。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統 %1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 注意: record %2 (%3): %4
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>「%1」は Shift-JIS で表せない文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字列が Shift-JIS で%1バイトあり、%2バイトを超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>値「%1」は -32768～32767 の整数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>値「%1」は -2147483648～2147483647 の整数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」から後の項目はプログラムが読み込まず、起動時の値のままになります（dump では 0 または空）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが%1バイトで終わっていて、ブロック%2の %3 が途中までしかないか、ありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 文字列の長さ %2 がファイルの終わりを越えています（残りは%3バイト）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 文字列の長さが負の値（%2）です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブロック11の後に%1バイトの余分なデータがあります（プログラムは読みません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラムは起動時にこの項目を知らせ、起動時の値のままにします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: リストの番号 %2 がリストの範囲（%3）の外です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 値 %2 がスクロールバーの範囲（%3）の外です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: どのオプションボタンも選ばれていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2個のオプションボタンが選ばれています（最後のものだけが選ばれます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル(.in4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一覧には含まれません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Shift-JIS として読めないバイトか、同じ文字の別のコード（NEC選定IBM拡張文字など）があります。in4 で書き戻すと別のバイト列になります。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: 「名前=値」の形ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: 「%2」という項目はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2 は %3 行目にもあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定のテキスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は作成・変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1が %2 列目で、整理券番号 1～%3 の運賃の列の中にあります。運賃の列より後ろ（%4 列目以降）の列を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンドを決める列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>情報用数字に出すデータの列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データのフォルダー Text2(0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データのフォルダー Text2(1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」（%3）がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」がありません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFileMessages</name>
    <message>
        <source>%1: 値 %2 はリストの範囲（%3～%4）の外です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 値 %2 はスクロールバーの範囲（%3～%4）の外です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 から後のすべて: %1 の位置（先頭から %2 バイト）でファイルが終わっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 から後のすべて: %1 の位置（先頭から %2 バイト）の文字列の長さ %3 が正しくありません（ファイルが壊れています）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」の次の設定は読み込めなかったため、起動時の値のままにしました。

%2

ほかの設定は読み込みました。終了時に保存すると、これらの設定は今の値で書き直されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」の次の設定は読み込めなかったため、起動時の値のままにしました。

%2

ほかの設定は読み込みました。ファイルは読むだけで、書き換えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>ほかのケルバラ（プロセス %1、コンピューター %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほかのケルバラ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」は、%2が使っています。

このまま起動すると、もう一方の設定を上書きしないように、終了するときに設定を保存しません。
設定を保存しないで起動しますか？（「いいえ」で起動をやめます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ケルバラ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>%1 バイト</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorableText</name>
    <message>
        <source>%1に、設定ファイルに保存できない文字「%2」が含まれています（設定ファイルは Shift-JIS で書かれ、この文字を表せません）。
%1は前の値のままにしました。この文字を含まない名前のフォルダーやファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定された値: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TapeCommands</name>
    <message>
        <source>このファイルは読み込まれず、系統設定のあと放送（送り・戻し）は使えません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: UTF-8 として読めないバイトがあります。すでに Shift-JIS で保存されたファイルなら、変換は要りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: 「%2」（U+%3）は Shift-JIS で表せない文字です。別の文字に書き換えてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> は作成・変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Shift-JIS にすると %2になります。放送用データは %3 までです。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dict には読み辞書のファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--voice には音声ファイル（.htsvoice）か espeak を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say には話す文章と出力の WAV ファイルを指定してください（--reading か --phonemes だけなら WAV は省略できます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「kerubara-data --help」で使い方を表示します。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み辞書のファイルが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MeCab の辞書（mecab-ipadic-utf8）を読み込めません。読みを作れないため、話せません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTS 音声に渡す音素を作れません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は作成していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の合成に失敗しました。%1 は作成していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 書き込めません（%1）。元のファイルは変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketCommands</name>
    <message>
        <source>文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-32768～32767 の整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-2147483648～2147483647 の整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-ticket に「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-ticket にはプラグインのファイルと出力する PNG ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2行目: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketNumberStyles</name>
    <message>
        <source>1,2,3... 12 （既定の表示）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「なし」、1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「なし」、2,3... 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「無券」、1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「無券」、2,3... 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「券なし」、1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「券なし」、2,3... 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「券無し」、1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「券無し」、2,3... 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(無地)、1,2... 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(無地)、2,3... 12</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripCommands</name>
    <message>
        <source>区間（1～300）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データ（*tp.csv）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル（.in4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイル（.htsvoice）か espeak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率 1、2、3 のどれか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毎秒のコマ数 30 か 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃の桁数 3 か 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停車の秒数（0～3600）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行の秒数（0～3600）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時刻の列（13～150）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間の倍率（0より大きく 100 以下、1/60 のような分数も可）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の番号（1～301）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号のページ数（1～4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページを切り替える秒数（1～60）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lossless の出力は .mkv にしてください（FFV1 と FLAC の Matroska）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力ファイル「%1」の拡張子は .mp4、.webm、.mkv のどれかにしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-trip に「%1」というオプションはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の後に%2を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の値「%2」が正しくありません。%3を指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--travel と --travel-column は一緒に指定できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--time-scale は --travel-column と一緒に指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to（%1）は --from（%2）より前にできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所 %1 はありません。この系統の停留所は 1～%2 です。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 区間 %1 の系統設定では停留所 %1 から走ります。--from と --to は %1～%2 の間で、--from を --to より前にしてください。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 停留所 %1（%2）の列 %3 の値 %4 が前の停留所の値 %5 より小さく、走行時間になりません。列 %3 には始発からの分を書いてください。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>残り約 %1 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>残り時間を計算中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>%1% 停留所 %2/%3 %4 コマ 実時間の %5 倍 %6   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: 音声ファイル %1 がありません。鳴らさずに（無音で）作ります。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: --ticket には、整理券プラグインを選んだ設定ファイルを --settings で指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグインが選ばれていません（--ticket に必要です）。kerubara-data gtfs --plugin FILE.4SP で作るか、オプションの「整理券プレビュー」でプラグインを選んで保存してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビューを使わない設定です（--ticket に必要です）。オプションの「整理券プレビュー」で「整理券プレビュー機能を使用する」を選んで保存してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン %1 を読めません（%2）。--ticket に必要です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1: 放送用データがありません（設定の放送用データのフォルダー）。放送なしで作ります。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1: %2行目: %3 放送なしで作ります。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データ(tp.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1行目: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 書き込めません（%1）。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の出力を準備できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 中断しました。作りかけのファイルは消しました。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>espeak-ng の日本語音声（ja）を読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は作成していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 元のファイルは変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 書き込みに失敗しました（%1）。元のファイルは変更していません。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 書き出しました。長さ %1（%2 コマ）、実時間の %3 倍の速さでした。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動画の大きさ（幅x高さ、例えば 1920x1080）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景の色（black、green のような色の名前か #RRGGBB）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行き先（Shift-JIS で書ける文字）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一覧画像の PNG ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>render-trip には運賃データ（.hy3）か系統のフォルダーと、出力する動画ファイルを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--zoom と --size は一緒に指定できません（--size では倍率を大きさに合わせて決めます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--headsign は --info と一緒に指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size %1: 幅と高さは偶数にしてください（動画の符号化は偶数の大きさしか扱えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size %1: 幅も高さも %2 以下にしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size %1: 等倍でも収まりません。%2x%3 以上の大きさを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 書き込みに失敗しました（%1）。動画 %2 も消しました。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: 系統のフォルダーには運賃データ（.hy3）がちょうど一つ要りますが、%1 個あります。kerubara-data gtfs が書いたフォルダーか、運賃データのファイルを指定してください。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: 放送が一つもなく、字幕は空です。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripProgress</name>
    <message>
        <source>%1秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1時間%2分%3秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitMessages</name>
    <message>
        <source>指定した系統はデータの数が0(未登録)の可能性があります...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定した区間はデータの数よりも多いです...<byte value="xd"/>
  解決法：正しい区間を入力して下さい.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定した系統のデータがありません...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データのファイルが見つかりません:
%1

系統番号のファイル（例: 系統 12 は 12.hy3）を、設定の「運賃データ(*.hy3)のあるフォルダー」に置いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データの停留所の数（%1件）が多すぎます。扱える停留所は301件までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データが壊れています。%1件の停留所のうち%2件目の途中でファイルが終わっています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント %1 が見つかりません。停留所名と整理券番号は別のフォントで表示されるため、本来の見た目になりません。fonts-ipafont-gothic と fonts-ipafont-mincho をインストールしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントがありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VbError</name>
    <message>
        <source>GoSub のない Return です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロシージャの呼び出し、または引数が不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 で除算しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタック領域が不足しています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部エラーです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名または番号が不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル モードが不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルは既に開かれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイス I/O エラーです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>既に同名のファイルが存在しています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの空き容量が不足しています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルにこれ以上データがありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが多すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスが準備されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクが準備されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パス名が無効です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オブジェクト変数または With ブロック変数が設定されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロパティの値が不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ActiveX コンポーネントはオブジェクトを作成できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピクチャが不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アプリケーション定義またはオブジェクト定義のエラーです。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>%1に失敗しました（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモリーが足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>符号化方式 %1 が FFmpeg のライブラリにありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みに失敗しました（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力形式の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動画ファイルの書き始め</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ストリームの準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像の符号化の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像のバッファーの準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像の色の変換を準備できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の符号化の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の変換の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>符号化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動画ファイルへの書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像の大きさが途中で変わりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声の変換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声のバッファーの準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声のバッファー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動画ファイルの書き終わり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>映像の幅と高さは偶数にしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字幕の符号化の準備</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字幕の符号化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字幕ファイルの書き始め</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字幕ファイルへの書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字幕ファイルの書き終わり</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceMessages</name>
    <message>
        <source>読み込めません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空のファイルです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイルとしては大きすぎます（%1 まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTS 音声（.htsvoice）のファイルではありません（先頭に [GLOBAL] がありません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しの %1 がないか、壊れています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しの %1 の値「%2」は音声としてありえません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語の音声ではありません（%1 が「%2」）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の位置がファイルの終わりを越えています（ファイルが途中で切れています）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声エンジンが読み込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 のモデルが壊れています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTS 音声が入っていないため、espeak-ng の声で話します。抑揚（アクセント）のある声は、Debian の contrib にあるパッケージ %1 で入ります（scripts/install-deps.sh が入れます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。代わりの声で話します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open JTalk のアクセント辞書（open-jtalk-mecab-naist-jdic）がインストールされていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書 %1 に %2 がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書を読み込むための一時フォルダーを作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書 %1 を MeCab で読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセント辞書 %1 が UTF-8 ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「文字,読み」の形になっていません（読みがありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>欄が多すぎます（「文字,読み」の2つだけにしてください。文字にコンマを含めるときは &quot;&quot; で囲みます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読ませる文字が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みが空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み「%1」にカタカナ以外の文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 として読めません（Shift-JIS で保存されていませんか。UTF-8 で保存してください）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引用符（&quot;）が閉じていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイスや名前付きパイプは読みません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込めません（%1）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。読み辞書は %1 までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2行目: %3この行は使いません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceSettingsDialog</name>
    <message>
        <source>声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだ .htsvoice ファイルを自分の音声のフォルダにコピーして使います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイルを追加...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>声質</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小さいほど太く低い声、大きいほど細く軽い声になります（HTS 音声のみ）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCtl</name>
    <message>
        <source>集中操作盤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルクリックで入力方法を切り替えます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系&#x3000;統</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>区間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リセット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QPushButton { margin: 2px; border: 1px solid rgb(110, 110, 110); border-radius: 2px; background-color: rgb(238, 238, 238); }QPushButton:pressed { background-color: rgb(200, 200, 200); }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QPushButton { background-color: rgb(255, 255, 0); border: 1px solid rgb(120, 120, 0); border-radius: 3px; }QPushButton:pressed { background-color: rgb(220, 220, 0); }QPushButton:disabled { background-color: rgb(230, 230, 170); color: rgb(150, 150, 120); }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ戻し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ送り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示消去</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の停留所でとまるよう知らせます。パネルの中ボタンでも押せます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>降車ボタン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>深夜料金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙ速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽｸﾛｰﾙ間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音合使用不可</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>■</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビューを開きます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社名</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFareEdit</name>
    <message>
        <source>運賃表の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVの読み込み(&amp;I)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVへの書き出し(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の挿入(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の削除(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所を上へ(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所を下へ(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>規則で埋める(&amp;F)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13～150列も表示(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOption</name>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データと&#x3000;放送用データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データと放送用データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データ(*.hy3)のあるフォルダー：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上記運賃データの場所をエクスプローラで開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データ(*****Tp.csv)のあるフォルダー：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上記放送用データの場所をエクスプローラで開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パネルと整理券番号表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号自動表示機能を使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号のバックライトカラー(文字色)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライトOFF時の整理券番号の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON1：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライトON1時の整理券番号の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON2：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライトON2時の整理券番号の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号表示設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字が1桁の番号は頭に0を付け足す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本体パネル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内蔵しているパネルを自動で割り当てる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panelChoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>個別に設定する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライトOFF時の画像：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内蔵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panelState0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザーパネル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON1の画像：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panelState1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON2の画像：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panelState2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意ください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品と情報用数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景色：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品の背景色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未発光時の文字色：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品の未発光時の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>発光時の文字色：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品の発光時の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>情報用数字の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の順番（区間・個数）を、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コマ目に表示する。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0から数える</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号を、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統番号を、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データの</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列目の値を、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用数字は運賃の表示よりも優先されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名部分の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名部分の背景色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字色：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名部分の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォントオプション：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ゴシック体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>明朝体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>漢字はゴシック、それ以外は明朝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>漢字は明朝、それ以外はゴシック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英数字はゴシック、それ以外は明朝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>太字（表示の不具合はサポート対象外）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」の表示設定(データの最初は「次は」は表示されません)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」表示オプション：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」表示なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」を表示（「は」が小さい）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」を表示（同じ大きさ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてゴシック体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「は」だけ明朝体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて明朝体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「は」だけゴシック体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」の文字色：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次は」の文字色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統設定時のサウンド：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リセット時のサウンド：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>降車ボタンのサウンド：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（内蔵のチャイム）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常に右記のサウンドを鳴らす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stepSoundChoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データの</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>のデータが、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「1」の場合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「2」の場合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「3」の場合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再生方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同期再生(サウンドが完全に再生された後で運賃切り替え)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stepPlayback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非同期再生(サウンドを再生しながら運賃切り替え)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chimeChoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の場合はサウンドは鳴りません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同期再生(サウンドが完全に再生された後で放送開始)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chimePlayback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非同期再生(サウンドを再生しながら放送開始)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券&#x3000;&#x3000;プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビュー機能を使用する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プラグインの指定を消去します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上記プラグインのプロパティ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上記プラグインの特記事項：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dateChoice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムの日付を使用（系統設定した時点の日付を保持）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右記の日付に固定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付選択...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理券の日付変更を行いません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::AutoRunPanel</name>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動運行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今の停留所から、放送・停車・走行を繰り返して終点まで進めます。運転の操作をすると止まります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停車時間（最後の音が終わってから）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行時間（次の停留所まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停車</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::Form1</name>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;内部的なエラーです。ソマリカへ報告してください。エラー場所：frmCtl.Option4_Click()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;画像ファイルが見つからないか、指定している場所が不正です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;デバイスエラーもしくは準備が出来ていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーです。<byte value="xd"/>
<byte value="xd"/>
エラーコード：%1&#x3000;指定した画像の内容が不正です。この部分では扱えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等倍 (1×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2倍 (2×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3倍 (3×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃の桁数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1桁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示する整理券番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1〜%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り替え間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーです！<byte value="xd"/>
<byte value="xd"/>
コード：%1<byte value="xd"/>
<byte value="xd"/>
内容：%2<byte value="xd"/>
<byte value="xd"/>
モジュール：IniIO-SeirikenNumSet( )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::VoiceSettingsDialog</name>
    <message>
        <source>%1 半音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試聴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（自分の音声）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（アクセントなし）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。今の声のままにします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTS 音声 (*.htsvoice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>追加する音声ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 音声ファイルとして使えません（%2）。コピーしていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 自分の音声のフォルダ %2 にコピーできません（%3）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::frmCtl</name>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ケルバラケーション - 型番:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注意: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビューを隠します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プレビューを開きます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>機種：%1<byte value="xd"/>
バージョン：%2  ServiceRelease 1<byte value="xd"/>
<byte value="xd"/>
配布：kerubara プロジェクト<byte value="xd"/>
開発：kerubara 開発チーム (C) %3<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ケルバラを終了しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ケルバラの終了確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（キー: %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B（OFF → ON1 → ON2 → OFF の順）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃表の編集(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::frmFareEdit</name>
    <message>
        <source>停留所の件数（先頭の2バイト）がありません。運賃データではないか、壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数が負の数（%1）です。運賃データではないか、壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所の件数（%1）が301を超えています（301件までしか扱えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1件目の停留所: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データのCSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステップ音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データ表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所要分（GTFS）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステップ音（GTFS）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] - 運賃表の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-32768～32767の範囲を超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1文字目が数字ではありません。-32768～32767の整数を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」（U+%2）はShift-JISにない文字のため、停留所名に使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は停留所名に使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所名が%1バイトあります（65535バイトまで）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所は301件までです（%1件になるため、変更しませんでした）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付ける範囲が表の右端（列150）を超えるため、貼り付けませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所%1の%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データ(.hy3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を開けませんでした。
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後の停留所の後にある%1バイトはプログラムが読まないデータのため、保存しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所が%1件あります（301件まで）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所%1の名前が%2バイトあります（65535バイトまで）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停留所%1の名前に制御文字（0x%2）があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした。
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした。表は変更していません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読み込みました。次の点に注意してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に書き出せませんでした。
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更が保存されていません。保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kerubara::frmOption</name>
    <message>
        <source>運賃データと|&#x3000;放送用データ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パネルと|整理券番号表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デジタル部品と|情報用数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停名の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券|&#x3000;&#x3000;プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveサウンド(*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDIサウンド(*.mid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF画像(*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG画像(*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>運賃データのフォルダー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送用データのフォルダー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バックライト%1時のパネル画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系統設定時のサウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リセット時のサウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「1」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「2」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送り・戻し時のサウンド（「3」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド（「1」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド（「2」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放送前のサウンド（「3」の場合）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダーを選択してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダー「%1」を開けません。フォルダーを開くファイルマネージャーが見つかりません。
ファイルマネージャーと xdg-utils（xdg-open）をインストールしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エクスプローラで開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パネル画像の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル: %1
%2行目: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>整理券プラグイン(*.4SP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プラグインの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定したファイルはプラグインでないか、内容が不正です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プラグインロードエラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
