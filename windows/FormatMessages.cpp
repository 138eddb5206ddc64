// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FormatMessages.h"

#include "dialogs/SizeText.h"
#include "reslib/BoundedRead.h"
#include "reslib/VbError.h"

#include <QCoreApplication>

#include <algorithm>

namespace kerubara::formatmessages {
namespace {

// The context the words below are translated in (lupdate reads it too).
class Words
{
    Q_DECLARE_TR_FUNCTIONS(FormatMessages)
};

// Why the fields of a broadcast data file stopped reading, in a few words.
QString tapeFailure(const TapeDataError &error)
{
    using Kind = TapeDataError::Kind;
    switch (error.kind) {
    case Kind::CutOff:
        return Words::tr("行の途中でファイルが終わっています");
    case Kind::FlagOutOfRange:
        return Words::tr("フラグの数値が -32768～32767 の範囲を超えています");
    case Kind::TooManyFields:
        return Words::tr("項目が行数に対して多すぎます");
    default:
        return QCoreApplication::translate("VbError", VbError::standardText(error.number));
    }
}

} // namespace

QString readProblemText(const datafiles::ReadProblem &problem, const QString &format)
{
    using Kind = datafiles::ReadProblem::Kind;
    switch (problem.kind) {
    case Kind::Missing:
        return Words::tr("ファイルが見つかりません。");
    case Kind::Folder:
        return Words::tr("フォルダーです。ファイルを指定してください。");
    case Kind::NotRegularFile:
        return notRegularFileText();
    case Kind::CannotOpen:
        return Words::tr("ファイルを開けません（%1）。").arg(problem.systemError);
    case Kind::TooLarge:
        return Words::tr("ファイルが大きすぎます。%1は %2 までです。").arg(format, sizeText(problem.limit));
    case Kind::ReadFailed:
        break;
    }
    return Words::tr("読み込みに失敗しました（%1）。").arg(problem.systemError);
}

QString notRegularFileText()
{
    return Words::tr("通常のファイルではありません（デバイスや名前付きパイプは読みません）。");
}

QString writeProblemText(const datafiles::WriteProblem &problem)
{
    using Kind = datafiles::WriteProblem::Kind;
    switch (problem.kind) {
    case Kind::CannotWrite:
        return Words::tr("書き込めません（%1）。").arg(problem.systemError);
    case Kind::WriteFailed:
        return Words::tr("書き込みに失敗しました（%1）。元のファイルは変更していません。").arg(problem.systemError);
    case Kind::CommitFailed:
        return Words::tr("書き込みに失敗しました（%1）。").arg(problem.systemError);
    case Kind::CannotReplace:
        return Words::tr("元のファイルを置き換えられません。");
    case Kind::NewNotRemoved:
        return Words::tr("新しいファイルを消せませんでした。");
    case Kind::OldNotPutBack:
        return Words::tr("元のファイルに戻せませんでした。新しい内容のままです。元の内容は %1 にあります。").arg(problem.aside);
    case Kind::OldNotRestored:
        return Words::tr("元のファイルに戻せませんでした。元の内容は %1 にあります。").arg(problem.aside);
    case Kind::AlreadyThere:
        return Words::tr("すでにあります。");
    case Kind::CannotMakeFolder:
        return Words::tr("%1 にフォルダーを作れません。").arg(problem.path);
    case Kind::CannotPlaceFolder:
        return Words::tr("フォルダーを置けません。");
    case Kind::AsideNotRemoved:
        break;
    }
    return Words::tr("置き換えた元のファイル %1 を消せませんでした。").arg(problem.aside);
}

QString csvErrorText(const csv::ParseError &error)
{
    using Kind = csv::ParseError::Kind;
    switch (error.kind) {
    case Kind::QuoteInPlainField:
        return Words::tr("「\"」を含むフィールドは全体を「\"」で囲み、中の「\"」は「\"\"」と書いてください。");
    case Kind::UnclosedQuote:
        return Words::tr("「\"」で始まったフィールドが閉じられていません。");
    case Kind::TextAfterQuote:
        return Words::tr("閉じた「\"」の後に余分な文字があります。");
    case Kind::NotUtf8:
        break;
    }
    return Words::tr("UTF-8 として読めない文字があります（Shift-JIS の CSV は「CSV UTF-8」形式で保存し直してください）。");
}

QString controlCharacterName(QChar c)
{
    if (c == u'\n' || c == u'\r')
        return Words::tr("改行");
    if (c == u'\t')
        return Words::tr("タブ");
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
}

QString fareCsvProblemText(const farecsv::Problem &problem)
{
    using Kind = farecsv::Problem::Kind;
    const QStringList &v = problem.values;
    switch (problem.kind) {
    case Kind::Syntax:
        return problem.csv ? csvErrorText(*problem.csv) : QString();
    case Kind::Empty:
        return Words::tr("CSV が空です（1行目に見出し「Chimei,SeirikenNo,Col1,…,Col150」が必要です）。");
    case Kind::HeaderBlank:
        return Words::tr("見出しの%1列目が空です。列の名前（Chimei、SeirikenNo、Col1～Col150）を書いてください。").arg(v.value(0));
    case Kind::HeaderUnknown:
        return Words::tr("見出しの%1列目「%2」は運賃データの列の名前（Chimei、SeirikenNo、Col1～Col150）ではありません。")
            .arg(v.value(0), v.value(1));
    case Kind::HeaderTwice:
        return Words::tr("見出しに列「%1」が2回あります。").arg(v.value(0));
    case Kind::NoNameColumn:
        return Words::tr("見出しに停留所名の列「Chimei」がありません（1行目に「Chimei,SeirikenNo,Col1,…」のように列の名前が必要です）。");
    case Kind::TooManyStops:
        return Words::tr("停留所が%1件あります。1つの系統に入る停留所は301件までです。").arg(v.value(0));
    case Kind::TooManyColumns:
        return Words::tr("列の数が%1です（見出しにある%2列までです）。").arg(v.value(0), v.value(1));
    case Kind::NameNotShiftJis:
        return Words::tr("停留所名「%1」の「%2」（U+%3）は Shift-JIS で表せない文字です。").arg(v.value(0), v.value(1), v.value(2));
    case Kind::NameTooLong:
        return Words::tr("停留所名が長すぎます（%1バイト、65535バイトまで）。").arg(v.value(0));
    case Kind::NameControl:
        return Words::tr("停留所名に制御文字（%1）があります。運賃データの停留所名には改行やタブなどの制御文字を入れられません。")
            .arg(controlCharacterName(v.value(0).isEmpty() ? QChar() : v.value(0).front()));
    case Kind::NotInt16:
        return Words::tr("%1 の値「%2」が -32768～32767 の整数ではありません。").arg(v.value(0), v.value(1));
    case Kind::AbsentColumns:
        return Words::tr("見出しにない%1列（%2）はすべての停留所で 0 として読みました。").arg(v.value(0), v.mid(1).join(Words::tr("、")));
    case Kind::BlankCells:
        return Words::tr("空のセルを 0 として読みました（全部で%1個、最初はこの行の %2。列の足りない行の残りの列も空のセルとして数えています）。")
            .arg(v.value(0), v.value(1));
    case Kind::BlankRows:
        return Words::tr("空のセルだけの行は停留所として読みませんでした（全部で%1行、最初はこの行）。").arg(v.value(0));
    }
    return {};
}

QString fareFileDamageText(const FareFileDamage &damage)
{
    using Kind = FareFileDamage::Kind;
    switch (damage.kind) {
    case Kind::NoRecord:
        return Words::tr("ファイルが終わっていて、この停留所のデータがありません。");
    case Kind::NameLength:
        return Words::tr("停留所名の長さ（2バイト）の途中でファイルが終わっています。");
    case Kind::Name:
        return Words::tr("停留所名（%1バイト）の途中でファイルが終わっています（%2バイトしかありません）。")
            .arg(damage.nameBytes)
            .arg(damage.bytesThere);
    case Kind::TicketNumber:
        return Words::tr("整理券番号の途中でファイルが終わっています。");
    case Kind::Columns:
        break;
    }
    return Words::tr("データ列の途中でファイルが終わっています（列%1以降がありません）。").arg(damage.column);
}

QString fareFileTooLargeText()
{
    return Words::tr("ファイルが大きすぎます。運賃データ(.hy3)は %1 までです。運賃データではないか、壊れています。")
        .arg(sizeText(kMaxFareFileBytes));
}

QString ticketsBeyondPanelText(const TicketsBeyondPanel &beyond)
{
    const QString found = Words::tr("整理券番号が12を超える停留所が%1件あります（最大の整理券番号は%2）。")
                              .arg(QString::number(beyond.stops), QString::number(beyond.highest));
    constexpr int kMostShown = 48;
    if (beyond.highest > kMostShown)
        return found
            + Words::tr("運賃表示器に出せるのは整理券番号 1～48 の運賃までなので、49番以降から乗った人の運賃は表示されません"
                 "（パネルの右クリックメニュー「表示する整理券番号」で「1〜48」を選ぶと、48番までを12番ずつ交互に表示します）。");
    const int pages = (beyond.highest + 11) / 12;
    return found
        + Words::tr("既定の表示（1〜12）では13番以降の運賃が出ません。パネルの右クリックメニュー「表示する整理券番号」で"
             "「1〜%1」を選ぶと、12番ずつ交互にすべての運賃を表示します。")
              .arg(QString::number(12 * pages));
}

QString cutFaresText(const CutFares &cut, bool night)
{
    constexpr qsizetype kNamed = 3;
    const QString stops = Words::tr("「%1」%2").arg(cut.stops.mid(0, kNamed).join(Words::tr("」「")),
                                            cut.stops.size() > kNamed ? Words::tr("など") : QString());
    const QString tickets = cut.lowestTicket == cut.highestTicket
        ? QString::number(cut.lowestTicket)
        : Words::tr("%1～%2").arg(cut.lowestTicket).arg(cut.highestTicket);
    const QString shown = QStringLiteral("%1").arg(cut.highest % 1000, 3, 10, QChar(u'0'));
    const QString found = night
        ? Words::tr("深夜料金（2倍）が4桁になる停留所が%1件あります（%2、整理券%3、最高 深夜 %4円）。深夜料金は下3桁（%5）しか出ません。")
        : Words::tr("運賃が4桁の停留所が%1件あります（%2、整理券%3、最高 %4円）。運賃表示器の3桁の運賃には下3桁（%5）しか出ません。");
    return found.arg(QString::number(cut.stops.size()), stops, tickets, QString::number(cut.highest), shown)
        + Words::tr("パネルのメニュー「運賃の桁数」→ 4桁、または --fare-digits 4 で全桁が出ます。");
}

QStringList faresBeyondThreeDigitsText(const FaresBeyondThreeDigits &cut)
{
    QStringList lines;
    if (cut.day)
        lines << cutFaresText(*cut.day, false);
    if (cut.night)
        lines << cutFaresText(*cut.night, true);
    return lines;
}

QString fareMarkText(const FareMark &mark)
{
    using Kind = FareMark::Kind;
    const QString cell = mark.column == 0 ? Words::tr("整理券番号: ") : Words::tr("整理券%1: ").arg(mark.column);
    const auto lastThree = [](int fare) { return QStringLiteral("%1").arg(fare % 1000, 3, 10, QChar(u'0')); };
    switch (mark.kind) {
    case Kind::CutByDay:
        return cell + Words::tr("運賃 %1 は3桁の運賃表示に %2 と出ます。").arg(mark.value).arg(lastThree(mark.value));
    case Kind::CutAtNight:
        return cell
            + Words::tr("深夜料金 %1 は3桁の運賃表示に %2 と出ます。").arg(2 * mark.value).arg(lastThree(2 * mark.value));
    case Kind::FiveDigits:
        return cell + Words::tr("運賃 %1 が 9999 を超えています（運賃の表示は3桁です）。").arg(mark.value);
    case Kind::Falls:
        return cell
            + Words::tr("運賃 %1 が record %2 の %3 より下がっています。")
                  .arg(mark.value)
                  .arg(mark.earlierStop)
                  .arg(mark.earlierValue);
    case Kind::NoFareExpected:
        return cell
            + Words::tr("運賃が -1（運賃なし）です。整理券%1 は record %2 で出ているので、ここで降りる人の運賃が要ります。")
                  .arg(mark.column)
                  .arg(mark.earlierStop);
    case Kind::TicketBackwards:
        break;
    }
    return cell
        + Words::tr("整理券番号 %1 が record %2 の %3 より小さくなっています（整理券番号は路線の順に増えます）。")
              .arg(mark.value)
              .arg(mark.earlierStop)
              .arg(mark.earlierValue);
}

QStringList fareMarkNotes(const std::vector<FareMark> &marks, std::initializer_list<FareMark::Kind> kinds)
{
    QStringList notes;
    for (const FareMark::Kind kind : kinds) {
        const auto first = std::find_if(marks.begin(), marks.end(), [&](const FareMark &m) { return m.kind == kind; });
        if (first == marks.end())
            continue;
        const auto more = std::count_if(first + 1, marks.end(), [&](const FareMark &m) { return m.kind == kind; });
        QString note = Words::tr("record %1: ").arg(first->stop) + fareMarkText(*first);
        if (more > 0)
            note += Words::tr("（ほかに%1件）").arg(more);
        notes << note;
    }
    return notes;
}

QString tapeDataErrorText(const TapeDataError &error)
{
    using Kind = TapeDataError::Kind;
    const QString why = tapeFailure(error);
    // A blank line inside the data is read as one empty field, so every field
    // after it moves by one; that, not the line where reading finally fails,
    // is what the author has to mend.
    if (error.failedLine > 0)
        return Words::tr("%1行目: 空行があります。空行も1つの項目として読まれるため、これより後の項目がずれて、"
                  "%2行目で読み込めなくなっています（%3）。空行を削除してください。")
            .arg(QString::number(error.line), QString::number(error.failedLine), why);
    switch (error.kind) {
    case Kind::TooLarge:
        return Words::tr("ファイルが大きすぎます。放送用データは %1 までです。").arg(sizeText(kMaxTapeFileBytes));
    case Kind::ReadFailed:
        return Words::tr("読み込みに失敗しました（%1）。").arg(error.systemError);
    case Kind::CutOff:
        return Words::tr("%1行目: %2。各行に「文章,移動フラグ,サウンドフラグ」の3項目が必要です。").arg(QString::number(error.line), why);
    case Kind::FlagOutOfRange:
        return Words::tr("%1行目: %2。").arg(QString::number(error.line), why);
    case Kind::TooManyFields:
        return Words::tr("%1行目: %2。1行に「文章,移動フラグ,サウンドフラグ」の3項目だけを書いてください。")
            .arg(QString::number(error.line), why);
    case Kind::Other:
        break;
    }
    return Words::tr("%1行目: %2").arg(QString::number(error.line), why);
}

QString tapeDataWarningText(const TapeDataWarning &warning)
{
    using Kind = TapeDataWarning::Kind;
    const QString line = QString::number(warning.line);
    const QStringList &v = warning.values;
    switch (warning.kind) {
    case Kind::Utf8File:
        return Words::tr("%1行目: このファイルは UTF-8 で保存されているようです。放送用データは Shift-JIS で読むため、"
                  "文章が化けて読み上げられます。「kerubara-data tp このファイル 新しいファイル名tp.csv」で "
                  "Shift-JIS に変換するか、エディタで文字コードを Shift-JIS にして保存し直してください。")
            .arg(line);
    case Kind::FullWidthStep:
    case Kind::FullWidthSound:
        return Words::tr("%1行目: %2「%3」に全角数字があります。全角数字は数字として読まれないため、"
                  "%4 として読み込まれます。半角数字で書いてください。")
            .arg(line, warning.kind == Kind::FullWidthStep ? Words::tr("移動フラグ") : Words::tr("サウンドフラグ"), v.value(0), v.value(1));
    case Kind::Undecodable:
        break;
    }
    return Words::tr("%1行目: 文章の%2バイト目（0x%3）が Shift-JIS の文字にならないため、その部分は読まれません。")
        .arg(line, v.value(0), v.value(1));
}

QString ticketPluginErrorText(const TicketPluginError &error)
{
    using Kind = TicketPluginError::Kind;
    const QStringList &v = error.values;
    switch (error.kind) {
    case Kind::None:
        return {};
    case Kind::Missing:
        return Words::tr("ファイルが見つかりません。");
    case Kind::NotAFile:
        return Words::tr("ファイルではありません。");
    case Kind::NotRegularFile:
        return notRegularFileText();
    case Kind::CannotOpen:
        return Words::tr("ファイルを開けません（%1）。").arg(v.value(0));
    case Kind::TooLarge:
        return Words::tr("ファイルが大きすぎます（1 MiB まで）。");
    case Kind::Empty:
        return Words::tr("空のファイルです。");
    case Kind::NotUtf8:
        return Words::tr("UTF-8 として読めない文字があります。");
    case Kind::BeforeSection:
        return Words::tr("区分（[Plugin] など）より前に「%1」があります。").arg(v.value(0));
    case Kind::UnknownSection:
        return Words::tr("「[%1]」という区分はありません（[Plugin]、[Comment]、[Companies]、[Layout] のどれかです）。").arg(v.value(0));
    case Kind::SectionTwice:
        return Words::tr("区分 [%1] が2回あります。").arg(v.value(0));
    case Kind::NotKeyValue:
        return Words::tr("「キー=値」の形ではありません（「%1」）。").arg(v.value(0));
    case Kind::UnknownKey:
        return Words::tr("[%1] に「%2」というキーはありません。").arg(v.value(0), v.value(1));
    case Kind::KeyTwice:
        return Words::tr("キー %1 が2回あります。").arg(v.value(0));
    case Kind::NotInteger:
        return Words::tr("%1 の値「%2」は整数ではありません。").arg(v.value(0), v.value(1));
    case Kind::OutOfRange:
        return Words::tr("%1 の値「%2」は範囲外です（%3～%4）。").arg(v.value(0), v.value(1), v.value(2), v.value(3));
    case Kind::BadItem:
        return Words::tr("%1 は「左,上,幅,高さ[,文字の大きさ[,太さ[,揃え[,色]]]]」の形で書きます（「%2」）。").arg(v.value(0), v.value(1));
    case Kind::BadWeight:
        return Words::tr("%1 の太さ「%2」は normal か bold で書きます。").arg(v.value(0), v.value(1));
    case Kind::BadAlignment:
        return Words::tr("%1 の揃え「%2」は left、center、right のどれかで書きます。").arg(v.value(0), v.value(1));
    case Kind::BadColour:
        return Words::tr("%1 の色「%2」は #RRGGBB（16進数）で書きます。").arg(v.value(0), v.value(1));
    case Kind::BadFormat:
        return Words::tr("Format は「%1」でなければなりません（「%2」）。").arg(v.value(0), v.value(1));
    case Kind::BadBarcodeType:
        return Words::tr("BarcodeType「%1」は NW7、ITF、CODE39、CODE128 のどれかで書きます。").arg(v.value(0));
    case Kind::BadFace:
        return Words::tr("Face「%1」は Gothic か Mincho で書きます。").arg(v.value(0));
    case Kind::NoPluginSection:
        return Words::tr("[Plugin] の区分がありません。");
    case Kind::NoFormat:
        return Words::tr("Format=%1 がありません。").arg(v.value(0));
    case Kind::MissingKey:
        return Words::tr("%1 がありません（1～2000 の整数）。").arg(v.value(0));
    case Kind::NoBarcodeType:
        return Words::tr("Barcode=1 のときは BarcodeType（NW7、ITF、CODE39、CODE128）が必要です。");
    case Kind::StopsReversed:
        break;
    }
    return Words::tr("StopMin（%1）が StopMax（%2）より大きくなっています。").arg(v.value(0), v.value(1));
}

QStringList ticketPluginLines(const PlgInfoRecord &info)
{
    const auto &field = info.field;
    const auto line = [](const char *what, bool yes) {
        return (yes ? Words::tr("%1 ---> 可能") : Words::tr("%1 ---> 不可")).arg(Words::tr(what));
    };
    QStringList lines{
        line(QT_TRANSLATE_NOOP("FormatMessages", "日付の印字"), field[PlgPrintDate] == 1),
        line(QT_TRANSLATE_NOOP("FormatMessages", "時刻の印字"), field[PlgPrintTime] == 1),
        line(QT_TRANSLATE_NOOP("FormatMessages", "系統番号の印字"), field[PlgPrintRoute] == 1),
        line(QT_TRANSLATE_NOOP("FormatMessages", "停名の印字"), field[PlgPrintStopName] == 1),
        line(QT_TRANSLATE_NOOP("FormatMessages", "バーコード印字"), field[PlgBarcode] == 1),
    };
    if (field[PlgBarcode] == 1) {
        lines << Words::tr("バーコード本数 ---> %1").arg(field[PlgBarcodeCount])
              << (field[PlgBarcodeScheme] == 1 ? Words::tr("バーコード系統方式 ---> 連番式")
                                               : Words::tr("バーコード系統方式 ---> 系統番号＋往復フラグ"))
              << Words::tr("設定可能な系統範囲 ---> 1 ～ %1").arg(field[PlgRouteMax])
              << Words::tr("停留所認識範囲 ---> %1 ～ %2").arg(field[PlgStopMin]).arg(field[PlgStopMax]);
    }
    lines << (field[PlgCompanySwitch] >= 1 ? Words::tr("社名切り替え:---> 可能") : Words::tr("社名切り替え:---> 不可"));
    return lines;
}

} // namespace kerubara::formatmessages
