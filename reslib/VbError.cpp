// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/VbError.h"

#include <QCoreApplication>

#include <utility>

namespace kerubara {

VbError::VbError(int number) : VbError(number, standardDescription(number)) {}

VbError::VbError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QStringLiteral("%1: %2").arg(number_).arg(description_).toStdString())
{
}

namespace {

// The standard description of each error number, in the source language;
// the windows show them translated (context "VbError").
struct Description
{
    int number;
    const char *text;
};

constexpr Description kDescriptions[] = {
    {3, QT_TRANSLATE_NOOP("VbError", "GoSub のない Return です。")},
    {5, QT_TRANSLATE_NOOP("VbError", "プロシージャの呼び出し、または引数が不正です。")},
    {6, QT_TRANSLATE_NOOP("VbError", "オーバーフローしました。")},
    {7, QT_TRANSLATE_NOOP("VbError", "メモリが不足しています。")},
    {9, QT_TRANSLATE_NOOP("VbError", "インデックスが有効範囲にありません。")},
    {11, QT_TRANSLATE_NOOP("VbError", "0 で除算しました。")},
    {13, QT_TRANSLATE_NOOP("VbError", "型が一致しません。")},
    {28, QT_TRANSLATE_NOOP("VbError", "スタック領域が不足しています。")},
    {51, QT_TRANSLATE_NOOP("VbError", "内部エラーです。")},
    {52, QT_TRANSLATE_NOOP("VbError", "ファイル名または番号が不正です。")},
    {53, QT_TRANSLATE_NOOP("VbError", "ファイルが見つかりません。")},
    {54, QT_TRANSLATE_NOOP("VbError", "ファイル モードが不正です。")},
    {55, QT_TRANSLATE_NOOP("VbError", "ファイルは既に開かれています。")},
    {57, QT_TRANSLATE_NOOP("VbError", "デバイス I/O エラーです。")},
    {58, QT_TRANSLATE_NOOP("VbError", "既に同名のファイルが存在しています。")},
    {61, QT_TRANSLATE_NOOP("VbError", "ディスクの空き容量が不足しています。")},
    {62, QT_TRANSLATE_NOOP("VbError", "ファイルにこれ以上データがありません。")},
    {67, QT_TRANSLATE_NOOP("VbError", "ファイルが多すぎます。")},
    {68, QT_TRANSLATE_NOOP("VbError", "デバイスが準備されていません。")},
    {70, QT_TRANSLATE_NOOP("VbError", "書き込みできません。")},
    {71, QT_TRANSLATE_NOOP("VbError", "ディスクが準備されていません。")},
    {75, QT_TRANSLATE_NOOP("VbError", "パス名が無効です。")},
    {76, QT_TRANSLATE_NOOP("VbError", "パスが見つかりません。")},
    {91, QT_TRANSLATE_NOOP("VbError", "オブジェクト変数または With ブロック変数が設定されていません。")},
    {380, QT_TRANSLATE_NOOP("VbError", "プロパティの値が不正です。")},
    {429, QT_TRANSLATE_NOOP("VbError", "ActiveX コンポーネントはオブジェクトを作成できません。")},
    {481, QT_TRANSLATE_NOOP("VbError", "ピクチャが不正です。")},
};

constexpr const char *kApplicationDefined = QT_TRANSLATE_NOOP("VbError", "アプリケーション定義またはオブジェクト定義のエラーです。");

} // namespace

const char *VbError::standardText(int number)
{
    for (const Description &d : kDescriptions) {
        if (d.number == number)
            return d.text;
    }
    return kApplicationDefined;
}

QString VbError::standardDescription(int number)
{
    return QString::fromUtf8(standardText(number));
}

} // namespace kerubara
