// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

namespace kerubara::datatool {

// render-trip FILE.hy3 OUT.(mp4|mkv|webm) [options]: a whole trip of the
// route as a video with its sound. The program's own engine, panel and sound
// run on the video's clock: route setting and its lamp test, then at each
// stop the step, its chimes and announcements, the dwell after the last
// sound and the travel to the next stop. Needs a QApplication. Returns 0 on
// success, 1 when a file cannot be read or written, 2 on bad usage and 130
// when interrupted (Ctrl-C); the output appears only when the video is whole.
int renderTrip(const QStringList &args, QTextStream &err);

} // namespace kerubara::datatool
