// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/AccentProblem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kerubara {

// What is wrong with a voice file, if anything: the engine that loads HTS
// voices trusts every size and position a file gives and every name its
// trees use, so a file is checked through before the engine sees it.
enum class VoiceFileFault {
    None,
    Unreadable,    // the file cannot be opened or read
    Empty,         // no bytes at all
    TooLarge,      // larger than any voice (kMaxBytes)
    NotHtsVoice,   // does not begin with [GLOBAL]: some other kind of file
    BadHeader,     // a header line or section missing, too long or out of order
    BadValue,      // a header value outside what a voice can have
    NotJapanese,   // a voice for another language's labels
    PositionPastEnd, // a position or size reaches past the end of the file
    BadModel,      // the models' trees or tables do not fit together
    NoAccentDictionary, // an HTS voice needs the accent dictionary (accent says why)
};

// The outcome of the check: the fault, the header item or model it was found
// in ("SAMPLING_FREQUENCY", "STREAM_PDF[LF0]", …) and, for values, the value.
struct VoiceFileCheck
{
    VoiceFileFault fault = VoiceFileFault::None;
    QString item;
    QString value;
    AccentProblem accent;

    bool ok() const { return fault == VoiceFileFault::None; }
};

// What the [GLOBAL] section of a good voice says, for the voice list and the
// synthesiser.
struct VoiceFileInfo
{
    int samplingFrequency = 0;
    int framePeriod = 0;
    double alpha = 0.0; // the all-pass constant of the spectrum stream, 0 when not given
    QString comment;
};

class HtsVoiceFile
{
public:
    // Larger than any voice made for the engine (those are 1 to 20 MiB).
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;
    // The engine reads header lines and tokens into buffers of this size.
    static constexpr int kMaxToken = 1000;

    // Checks the bytes of a voice file; fills `info` when they are good.
    static VoiceFileCheck check(const QByteArray &bytes, VoiceFileInfo *info = nullptr);
    // Reads the file (at most kMaxBytes) and checks it.
    static VoiceFileCheck checkFile(const QString &path, VoiceFileInfo *info = nullptr);
};

} // namespace kerubara
