// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace kerubara {

// Face names the program asks for, as the displays name them.
inline const QString kGothicFace = QStringLiteral("ＭＳ ゴシック");
inline const QString kMinchoFace = QStringLiteral("ＭＳ 明朝");
inline const QString kPGothicFace = QStringLiteral("ＭＳ Ｐゴシック");

// Maps the face names above onto the IPA faces that stand in for them here
// ("ＭＳ ゴシック" → IPAGothic, "ＭＳ 明朝" → IPAMincho, "ＭＳ Ｐゴシック" →
// IPAPGothic), so drawing code keeps asking for the names it knows. Call it
// once at start-up, after the QGuiApplication exists; calling it again is
// harmless. Returns the IPA families that are not installed (empty when all
// are there); without them Qt falls back to whatever face it finds, and the
// stop-name strip and ticket labels look different. The program's start
// and the data tool say so (windows/UnitMessages.h).
QStringList installFontSubstitutions();

} // namespace kerubara
