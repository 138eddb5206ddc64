// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace kerubara {

// One multimedia command string, parsed. The interpreter understands the
// commands the program sends:
//   open "FILE" type waveaudio|sequencer alias A [wait]
//   play A [from N] [wait]
//   stop A
//   close A
// Keywords, device types and aliases are matched without regard to case; a
// word in double quotes may hold spaces.
struct MciCommand
{
    enum class Verb { Invalid, Open, Play, Stop, Close };
    enum class Type { None, WaveAudio, Sequencer };

    Verb verb = Verb::Invalid;
    QString file;   // open: the element to open
    Type type = Type::None;
    QString alias;  // the channel, as written
    std::int64_t fromMs = -1; // play: the position to start from, -1 when not given
    bool wait = false;

    static MciCommand parse(QStringView command);
    // The command as the program writes it, the file in double quotes; empty
    // for an invalid one.
    QString text() const;
};

// Splits a command into words at spaces; a word in double quotes keeps its
// spaces and loses its quotes.
QStringList splitMciWords(QStringView command);

} // namespace kerubara
