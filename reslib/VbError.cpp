// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/VbError.h"

#include <utility>

namespace kerubara {

VbError::VbError(int number) : VbError(number, standardDescription(number)) {}

VbError::VbError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QStringLiteral("%1: %2").arg(number_).arg(description_).toStdString())
{
}

QString VbError::standardDescription(int number)
{
    switch (number) {
    case 3: return QStringLiteral("GoSub のない Return です。");
    case 5: return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case 6: return QStringLiteral("オーバーフローしました。");
    case 7: return QStringLiteral("メモリが不足しています。");
    case 9: return QStringLiteral("インデックスが有効範囲にありません。");
    case 11: return QStringLiteral("0 で除算しました。");
    case 13: return QStringLiteral("型が一致しません。");
    case 28: return QStringLiteral("スタック領域が不足しています。");
    case 51: return QStringLiteral("内部エラーです。");
    case 52: return QStringLiteral("ファイル名または番号が不正です。");
    case 53: return QStringLiteral("ファイルが見つかりません。");
    case 54: return QStringLiteral("ファイル モードが不正です。");
    case 55: return QStringLiteral("ファイルは既に開かれています。");
    case 57: return QStringLiteral("デバイス I/O エラーです。");
    case 58: return QStringLiteral("既に同名のファイルが存在しています。");
    case 61: return QStringLiteral("ディスクの空き容量が不足しています。");
    case 62: return QStringLiteral("ファイルにこれ以上データがありません。");
    case 67: return QStringLiteral("ファイルが多すぎます。");
    case 68: return QStringLiteral("デバイスが準備されていません。");
    case 70: return QStringLiteral("書き込みできません。");
    case 71: return QStringLiteral("ディスクが準備されていません。");
    case 75: return QStringLiteral("パス名が無効です。");
    case 76: return QStringLiteral("パスが見つかりません。");
    case 91: return QStringLiteral("オブジェクト変数または With ブロック変数が設定されていません。");
    case 380: return QStringLiteral("プロパティの値が不正です。");
    case 429: return QStringLiteral("ActiveX コンポーネントはオブジェクトを作成できません。");
    case 481: return QStringLiteral("ピクチャが不正です。");
    default: return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

} // namespace kerubara
