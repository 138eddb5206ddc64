// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/HtsVoiceFile.h"
#include "sound/ReadingDictionary.h"
#include "sound/VoiceCatalog.h"

#include <QString>

namespace kerubara {

// Why the accent dictionary could not be loaded ("アクセント辞書 FOLDER に
// FILE がありません。").
QString accentProblemText(const AccentProblem &problem);
// What is wrong with a voice file, as people read it ("途中で切れています").
QString voiceFaultText(const VoiceFileCheck &check);
// "FILE: 音声ファイルとして使えません（reason）。"
QString voiceRefusedText(const QString &file, const VoiceFileCheck &check);
// The one notice saying why the voice speaking is not the one wanted and
// which package brings the better voice; empty when there is nothing to say.
QString voiceNoticeText(const VoiceNotice &notice);

// Why a reading dictionary line was left out ("読みが空です。"), or why the
// file was not read.
QString readingProblemReason(const ReadingProblem &problem);
// One line for standard error: "FILE: N行目: whyこの行は使いません。", or
// "FILE: why" for the whole file.
QString readingProblemText(const ReadingProblem &problem);

} // namespace kerubara
