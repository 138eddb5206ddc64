// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/UnitMessages.h"

#include "dialogs/VoiceMessages.h"
#include "reslib/Fonts.h"
#include "reslib/MsgBox.h"
#include "windows/FormatMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace kerubara {
namespace {

// The context the words below are translated in (lupdate reads it too).
class Words
{
    Q_DECLARE_TR_FUNCTIONS(UnitMessages)
};

} // namespace

QString missingFontsMessage(const QStringList &missingFamilies)
{
    if (missingFamilies.isEmpty())
        return {};
    return Words::tr("フォント %1 が見つかりません。停留所名と整理券番号は別のフォントで表示されるため、"
                     "本来の見た目になりません。fonts-ipafont-gothic と fonts-ipafont-mincho を"
                     "インストールしてください。")
        .arg(missingFamilies.join(Words::tr("、")));
}

QStringList warnOfMissingFonts()
{
    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        MsgBox(missingFontsMessage(missing), vbExclamation, Words::tr("フォントがありません"));
    return missing;
}

void reportReadingProblems(const std::vector<ReadingProblem> &problems)
{
    QTextStream err(stderr);
    for (const ReadingProblem &problem : problems)
        err << readingProblemText(problem) << '\n';
}

void showRouteRefusal(const RouteRefusal &refusal)
{
    using Kind = RouteRefusal::Kind;
    switch (refusal.kind) {
    case Kind::NoStops:
        MsgBox(Words::tr("指定した系統はデータの数が0(未登録)の可能性があります..."));
        return;
    case Kind::SectionBeyondData:
        MsgBox(Words::tr("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい."));
        return;
    case Kind::FareFileMissing:
        MsgBox(Words::tr("指定した系統のデータがありません..."), vbOKOnly, {},
               Words::tr("運賃データのファイルが見つかりません:\n%1\n\n系統番号のファイル（例: 系統 12 は 12.hy3）を、"
                  "設定の「運賃データ(*.hy3)のあるフォルダー」に置いてください。")
                   .arg(QFileInfo(refusal.farePath).absoluteFilePath()));
        return;
    case Kind::FareFileUnreadable:
        MsgBox(refusal.loadError ? fareLoadErrorText(*refusal.loadError) : vbErrorDescription(refusal.error));
        return;
    }
}

QString vbErrorDescription(int number)
{
    return QCoreApplication::translate("VbError", VbError::standardText(number));
}

QString vbErrorText(const VbError &error)
{
    return error.description() == VbError::standardDescription(error.number()) ? vbErrorDescription(error.number())
                                                                               : error.description();
}

QString fareLoadErrorText(const FareLoadError &error)
{
    switch (error.kind) {
    case FareLoadError::Kind::TooLarge:
        return QDir::toNativeSeparators(QFileInfo(error.path).absoluteFilePath()) + QStringLiteral(": ")
            + formatmessages::fareFileTooLargeText();
    case FareLoadError::Kind::TooManyStops:
        return Words::tr("運賃データの停留所の数（%1件）が多すぎます。扱える停留所は301件までです。").arg(error.count);
    case FareLoadError::Kind::CutShort:
        break;
    }
    return Words::tr("運賃データが壊れています。%1件の停留所のうち%2件目の途中でファイルが終わっています。")
        .arg(error.count)
        .arg(error.record);
}

} // namespace kerubara
