// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceMessages.h"

#include "dialogs/SizeText.h"

#include <QCoreApplication>

namespace kerubara {

QString accentProblemText(const AccentProblem &problem)
{
    using Kind = AccentProblem::Kind;
    switch (problem.kind) {
    case Kind::None:
        return {};
    case Kind::NotInstalled:
        return QCoreApplication::translate(
            "VoiceMessages", "Open JTalk のアクセント辞書（open-jtalk-mecab-naist-jdic）がインストールされていません。");
    case Kind::MissingFile:
        return QCoreApplication::translate("VoiceMessages", "アクセント辞書 %1 に %2 がありません。").arg(problem.folder, problem.file);
    case Kind::NoStaging:
        return QCoreApplication::translate("VoiceMessages", "アクセント辞書を読み込むための一時フォルダーを作れません。");
    case Kind::NotLoadable:
        return QCoreApplication::translate("VoiceMessages", "アクセント辞書 %1 を MeCab で読み込めません。").arg(problem.folder);
    case Kind::NotUtf8:
        return QCoreApplication::translate("VoiceMessages", "アクセント辞書 %1 が UTF-8 ではありません。").arg(problem.folder);
    }
    return {};
}

QString voiceFaultText(const VoiceFileCheck &check)
{
    switch (check.fault) {
    case VoiceFileFault::None:
        return {};
    case VoiceFileFault::Unreadable:
        return QCoreApplication::translate("VoiceMessages", "読み込めません（%1）").arg(check.value);
    case VoiceFileFault::NoAccentDictionary:
        return QCoreApplication::translate("VoiceMessages", "読み込めません（%1）").arg(accentProblemText(check.accent));
    case VoiceFileFault::Empty:
        return QCoreApplication::translate("VoiceMessages", "空のファイルです");
    case VoiceFileFault::TooLarge:
        return QCoreApplication::translate("VoiceMessages", "音声ファイルとしては大きすぎます（%1 まで）").arg(sizeText(HtsVoiceFile::kMaxBytes));
    case VoiceFileFault::NotHtsVoice:
        return QCoreApplication::translate("VoiceMessages", "HTS 音声（.htsvoice）のファイルではありません（先頭に [GLOBAL] がありません）");
    case VoiceFileFault::BadHeader:
        return QCoreApplication::translate("VoiceMessages", "見出しの %1 がないか、壊れています").arg(check.item);
    case VoiceFileFault::BadValue:
        return QCoreApplication::translate("VoiceMessages", "見出しの %1 の値「%2」は音声としてありえません").arg(check.item, check.value);
    case VoiceFileFault::NotJapanese:
        return QCoreApplication::translate("VoiceMessages", "日本語の音声ではありません（%1 が「%2」）").arg(check.item, check.value);
    case VoiceFileFault::PositionPastEnd:
        return QCoreApplication::translate("VoiceMessages", "%1 の位置がファイルの終わりを越えています（ファイルが途中で切れています）").arg(check.item);
    case VoiceFileFault::BadModel:
        return check.item.isEmpty() ? QCoreApplication::translate("VoiceMessages", "音声エンジンが読み込めませんでした")
                                    : QCoreApplication::translate("VoiceMessages", "%1 のモデルが壊れています").arg(check.item);
    }
    return {};
}

QString voiceRefusedText(const QString &file, const VoiceFileCheck &check)
{
    return QCoreApplication::translate("VoiceMessages", "%1: 音声ファイルとして使えません（%2）。")
        .arg(file, voiceFaultText(check));
}

QString voiceNoticeText(const VoiceNotice &notice)
{
    switch (notice.kind) {
    case VoiceNotice::Kind::None:
        return {};
    case VoiceNotice::Kind::NoHtsVoice:
        return QCoreApplication::translate("VoiceMessages",
                                           "HTS 音声が入っていないため、espeak-ng の声で話します。"
                                           "抑揚（アクセント）のある声は、Debian の contrib にあるパッケージ %1 で入ります"
                                           "（scripts/install-deps.sh が入れます）。")
            .arg(voices::preferredPackage());
    case VoiceNotice::Kind::VoiceRefused:
        return QCoreApplication::translate("VoiceMessages", "%1: 音声ファイルとして使えません（%2）。代わりの声で話します。")
            .arg(notice.file, voiceFaultText(notice.check));
    case VoiceNotice::Kind::NoAccentDictionary:
        if (notice.accent.ok())
            return QCoreApplication::translate(
                "VoiceMessages", "アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します。");
        return QCoreApplication::translate(
                   "VoiceMessages", "アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します（%1）。")
            .arg(accentProblemText(notice.accent));
    }
    return {};
}

QString readingProblemReason(const ReadingProblem &problem)
{
    using Kind = ReadingProblem::Kind;
    switch (problem.kind) {
    case Kind::NoReading:
        return QCoreApplication::translate("VoiceMessages", "「文字,読み」の形になっていません（読みがありません）。");
    case Kind::TooManyFields:
        return QCoreApplication::translate(
            "VoiceMessages",
            "欄が多すぎます（「文字,読み」の2つだけにしてください。文字にコンマを含めるときは \"\" で囲みます）。");
    case Kind::EmptyText:
        return QCoreApplication::translate("VoiceMessages", "読ませる文字が空です。");
    case Kind::EmptyReading:
        return QCoreApplication::translate("VoiceMessages", "読みが空です。");
    case Kind::NotKatakana:
        return QCoreApplication::translate("VoiceMessages", "読み「%1」にカタカナ以外の文字があります。").arg(problem.value);
    case Kind::NotUtf8:
        return QCoreApplication::translate(
            "VoiceMessages", "UTF-8 として読めません（Shift-JIS で保存されていませんか。UTF-8 で保存してください）。");
    case Kind::OpenQuote:
        return QCoreApplication::translate("VoiceMessages", "引用符（\"）が閉じていません。");
    case Kind::NotRegularFile:
        return QCoreApplication::translate("VoiceMessages", "通常のファイルではありません（デバイスや名前付きパイプは読みません）。");
    case Kind::Unreadable:
        return QCoreApplication::translate("VoiceMessages", "読み込めません（%1）。").arg(problem.value);
    case Kind::TooLarge:
        return QCoreApplication::translate("VoiceMessages", "ファイルが大きすぎます。読み辞書は %1 までです。")
            .arg(sizeText(problem.value.toLongLong()));
    }
    return {};
}

QString readingProblemText(const ReadingProblem &problem)
{
    if (problem.line > 0)
        return QCoreApplication::translate("VoiceMessages", "%1: %2行目: %3この行は使いません。")
            .arg(problem.file, QString::number(problem.line), readingProblemReason(problem));
    return QCoreApplication::translate("VoiceMessages", "%1: %2").arg(problem.file, readingProblemReason(problem));
}

} // namespace kerubara
