// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/UnitMessages.h"

#include "reslib/MsgBox.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kerubara {

void showRouteRefusal(const RouteRefusal &refusal)
{
    using Kind = RouteRefusal::Kind;
    switch (refusal.kind) {
    case Kind::NoStops:
        MsgBox(QCoreApplication::translate("UnitMessages", "指定した系統はデータの数が0(未登録)の可能性があります..."));
        return;
    case Kind::SectionBeyondData:
        MsgBox(QCoreApplication::translate("UnitMessages", "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい."));
        return;
    case Kind::FareFileMissing:
        MsgBox(QCoreApplication::translate("UnitMessages", "指定した系統のデータがありません..."), vbOKOnly, {},
               QCoreApplication::translate("UnitMessages", "運賃データのファイルが見つかりません:\n%1\n\n系統番号のファイル（例: 系統 12 は 12.hy3）を、"
                  "設定の「運賃データ(*.hy3)のあるフォルダー」に置いてください。")
                   .arg(QFileInfo(refusal.farePath).absoluteFilePath()));
        return;
    case Kind::FareFileUnreadable:
        MsgBox(refusal.reason);
        return;
    }
}

} // namespace kerubara
