// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceMessages.h"

#include "reslib/BoundedRead.h"

namespace kerubara {

QString voiceFaultText(const VoiceFileCheck &check)
{
    switch (check.fault) {
    case VoiceFileFault::None:
        return {};
    case VoiceFileFault::Unreadable:
        return QStringLiteral("読み込めません（%1）").arg(check.value);
    case VoiceFileFault::Empty:
        return QStringLiteral("空のファイルです");
    case VoiceFileFault::TooLarge:
        return QStringLiteral("音声ファイルとしては大きすぎます（%1 まで）").arg(sizeText(HtsVoiceFile::kMaxBytes));
    case VoiceFileFault::NotHtsVoice:
        return QStringLiteral("HTS 音声（.htsvoice）のファイルではありません（先頭に [GLOBAL] がありません）");
    case VoiceFileFault::BadHeader:
        return QStringLiteral("見出しの %1 がないか、壊れています").arg(check.item);
    case VoiceFileFault::BadValue:
        return QStringLiteral("見出しの %1 の値「%2」は音声としてありえません").arg(check.item, check.value);
    case VoiceFileFault::NotJapanese:
        return QStringLiteral("日本語の音声ではありません（%1 が「%2」）").arg(check.item, check.value);
    case VoiceFileFault::PositionPastEnd:
        return QStringLiteral("%1 の位置がファイルの終わりを越えています（ファイルが途中で切れています）").arg(check.item);
    case VoiceFileFault::BadModel:
        return check.item.isEmpty() ? QStringLiteral("音声エンジンが読み込めませんでした")
                                    : QStringLiteral("%1 のモデルが壊れています").arg(check.item);
    }
    return {};
}

QString voiceRefusedText(const QString &file, const VoiceFileCheck &check)
{
    return QStringLiteral("%1: 音声ファイルとして使えません（%2）。").arg(file, voiceFaultText(check));
}

QString voiceNoticeText(const VoiceNotice &notice)
{
    const QString better = QStringLiteral("抑揚（アクセント）のある声は、Debian の contrib にあるパッケージ %1 で入ります"
                                          "（scripts/install-deps.sh が入れます）。")
                               .arg(voices::preferredPackage());
    switch (notice.kind) {
    case VoiceNotice::Kind::None:
        return {};
    case VoiceNotice::Kind::NoHtsVoice:
        return QStringLiteral("HTS 音声が入っていないため、espeak-ng の声で話します。") + better;
    case VoiceNotice::Kind::VoiceRefused:
        return voiceRefusedText(notice.file, notice.check) + QStringLiteral("代わりの声で話します。");
    case VoiceNotice::Kind::NoAccentDictionary:
        return QStringLiteral("アクセント辞書（open-jtalk-mecab-naist-jdic）を読み込めないため、espeak-ng の声で話します%1。")
                   .arg(notice.why.isEmpty() ? QString() : QStringLiteral("（%1）").arg(notice.why));
    }
    return {};
}

} // namespace kerubara
