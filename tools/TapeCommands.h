// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextStream;

// The broadcast data and speech commands of the data tool: dump of a
// "tp.csv" file, tp and say.
namespace kerubara::datatool {

// The announcements of a broadcast data file as CSV (Text,StepFlag,SoundFlag),
// one row per line of the file, exactly as the program loads them.
int dumpTapeFile(const QString &path, QTextStream &out, QTextStream &err);

// tp IN OUTtp.csv: a broadcast data file saved as UTF-8 written again in
// Shift-JIS, line for line, once every character has a Shift-JIS form and the
// result loads; otherwise says why per line and writes nothing.
int utf8ToTapeFile(const QString &inPath, const QString &outPath, QTextStream &err);

// say [--reading] [--phonemes] [--dict FILE]... TEXT [OUT.wav]: speaks TEXT
// into a WAV file and/or prints the katakana it is read as and the phonemes
// an HTS voice is given for it, with the user's reading dictionary and those
// named by --dict over the built-in one.
int sayText(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
