// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceMessages.h"

#include "reslib/BoundedRead.h"

#include <QCoreApplication>

namespace kerubara {

QString voiceFaultText(const VoiceFileCheck &check)
{
    switch (check.fault) {
    case VoiceFileFault::None:
        return {};
    case VoiceFileFault::Unreadable:
        return QCoreApplication::translate("VoiceMessages", "読み込めません（%1）").arg(check.value);
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
        if (notice.why.isEmpty())
            return QCoreApplication::translate(
                "VoiceMessages", "アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します。");
        return QCoreApplication::translate(
                   "VoiceMessages", "アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します（%1）。")
            .arg(notice.why);
    }
    return {};
}

} // namespace kerubara
