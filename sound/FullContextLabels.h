// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/AccentRules.h"

#include <QStringList>

#include <vector>

namespace kerubara {

// The full-context labels of an utterance for an HTS voice trained on Open
// JTalk's Japanese labels (HTS_TTS_JPN), one per phoneme with sil at both
// ends and pau at each pause:
//
//   p1^p2-p3+p4=p5/A:a1+a2+a3/B:b1-b2_b3/C:c1_c2+c3/D:d1+d2_d3
//   /E:e1_e2!e3_e4-e5/F:f1_f2#f3_f4@f5_f6|f7_f8/G:g1_g2%g3_g4_g5/H:h1_h2
//   /I:i1-i2@i3+i4&i5-i6|i7+i8/J:j1_j2/K:k1+k2-k3
//
// p: the phoneme and two on each side; A: the mora's distance from the
// accent nucleus and its place in the accent phrase; B, C, D: the part of
// speech and conjugation of the words before, this and after; E, F, G: the
// accent phrases before, this and after (morae, accent type, place in the
// breath group, whether a pause parts them); H, I, J: the breath groups
// (stretches between pauses) before, this and after; K: the utterance. A
// value that does not apply is xx.
//
// `words` carry their accent phrases (chainFlag), the accent type on the
// first word of each and the morae; a word without morae adds nothing.
QStringList fullContextLabels(const std::vector<AccentWord> &words);

// The phoneme (p3) of a label.
QString labelPhoneme(const QString &label);

} // namespace kerubara
