// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Captions that fit their controls. The console and the options window are
// laid out control by control for the Japanese words; a translation's
// words may be longer, and a caption wider than its control would be cut.

class QWidget;

namespace kerubara {

// The smallest face a caption is shrunk to, in pixels.
inline constexpr int kMinCaptionPixels = 9;

// How many pixels the caption of `control` (a push button, a check box or
// radio button that does not wrap, a plain label that does not wrap) is
// wider than the room the control gives it; 0 when it fits, and for any
// other control.
int captionOverflow(const QWidget *control);

// Shows each caption in `window` that is wider than its control in a
// smaller face, as large as fits and no smaller than kMinCaptionPixels; a
// caption that fits keeps its face. Only the controls shown are measured:
// a control in a layout has its place once it is shown.
void fitCaptions(QWidget *window);

// Fits the captions of `window` each time it is shown.
void fitCaptionsWhenShown(QWidget *window);

} // namespace kerubara
