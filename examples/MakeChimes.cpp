// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the demonstration's chimes at build time, so no sound file is kept in
// the sources: a short two-tone chime and a longer arrival chime as WAV, and
// a terminus melody as a MIDI file.
//
//     make-chimes OUTPUT-FOLDER

#include "sound/Chimes.h"
#include "sound/WavWriter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// ---- MIDI ------------------------------------------------------------------

void putVariable(QByteArray &out, std::uint32_t value)
{
    char bytes[4];
    int n = 0;
    bytes[n++] = static_cast<char>(value & 0x7F);
    while ((value >>= 7) != 0)
        bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
    while (n > 0)
        out.append(bytes[--n]);
}

void putBigEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The terminus: a short music-box phrase, one note at a time, in a
// standard MIDI file of one track at 480 ticks to the quarter note. About
// 3 s with its ring, as long as a real arrival melody: the announcement
// after it waits for it.
QByteArray terminusMelody()
{
    struct Note
    {
        int key;
        int ticks;
    };
    constexpr int kEighth = 240;
    constexpr int kQuarter = 480;
    const Note melody[] = {
        {72, kEighth}, {76, kEighth}, {79, kEighth}, {84, kQuarter}, {79, kEighth}, {76, kEighth}, {72, 2 * kQuarter},
    };
    QByteArray track;
    putVariable(track, 0);
    track.append("\xFF\x51\x03", 3);
    putBigEndian(track, 500000, 3); // 120 quarter notes a minute
    putVariable(track, 0);
    track.append("\xC0\x0A", 2); // music box
    for (const Note &n : melody) {
        putVariable(track, 0);
        track.append(static_cast<char>(0x90));
        track.append(static_cast<char>(n.key));
        track.append(static_cast<char>(96));
        putVariable(track, static_cast<std::uint32_t>(n.ticks));
        track.append(static_cast<char>(0x80));
        track.append(static_cast<char>(n.key));
        track.append(static_cast<char>(0));
    }
    putVariable(track, kQuarter); // let the last note ring
    track.append("\xFF\x2F\x00", 3);

    QByteArray file("MThd", 4);
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // one track
    putBigEndian(file, 1, 2);
    putBigEndian(file, kQuarter, 2);
    file.append("MTrk", 4);
    putBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    file.append(track);
    return file;
}

bool save(const QString &path, const QByteArray &bytes, QTextStream &err)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    err << path << ": " << file.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make-chimes OUTPUT-FOLDER\n";
        return 2;
    }
    const QString folder = args[1] + u'/';
    using namespace kerubara;
    const bool ok = save(folder + QStringLiteral("chime-stop.wav"), wavBytes(chimes::twoTone(), 1, chimes::kRate), err)
        && save(folder + QStringLiteral("chime-arrival.wav"), wavBytes(chimes::arrival(), 1, chimes::kRate), err)
        && save(folder + QStringLiteral("chime-terminus.mid"), terminusMelody(), err);
    return ok ? 0 : 1;
}
