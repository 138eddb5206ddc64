// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/HtsVoiceFile.h"

#include <QList>
#include <QString>

#include <memory>

namespace kerubara {

class Synthesiser;

// Where voices are found: the voices Debian's packages install, and the
// user's own folder, where the voice dialog copies a voice the user picked.
struct VoicePlaces
{
    QString installed;
    QString own;

    // hts-voice in the system's data folders (/usr/share/hts-voice; none
    // when no folder has one) and ~/.local/share/kerubara/voices.
    static VoicePlaces standard();
};

// A voice to choose.
struct VoiceEntry
{
    enum class Source { Installed, Own, Espeak };
    QString file; // VoiceSettings::espeak() for espeak-ng
    QString name; // the file's name without .htsvoice, or espeak-ng
    Source source = Source::Installed;

    bool operator==(const VoiceEntry &) const = default;
};

// Why the voice speaking is not the one wanted, if it is not.
struct VoiceNotice
{
    enum class Kind {
        None,
        NoHtsVoice,         // no HTS voice is installed: espeak-ng speaks
        VoiceRefused,       // the voice chosen was refused (file, check): the default speaks
        NoAccentDictionary, // the front end's dictionary is missing (why): espeak-ng speaks
    };
    Kind kind = Kind::None;
    QString file;
    VoiceFileCheck check;
    AccentProblem accent; // why there is no accent dictionary
};

// A voice chosen and opened.
struct VoiceChoice
{
    QString voice; // the file speaking, or VoiceSettings::espeak()
    std::unique_ptr<Synthesiser> synthesiser; // null when not even espeak-ng loads
    VoiceNotice notice;
};

namespace voices {

// The package that brings the voice the program prefers (Debian contrib).
inline QString preferredPackage() { return QStringLiteral("hts-voice-nitech-jp-atr503-m001"); }

// The installed voices (every .htsvoice below the folder, by path), the
// user's own (in their folder, by name), then espeak-ng. Lists names only:
// a file is checked when it is chosen.
QList<VoiceEntry> list(const VoicePlaces &places);
// The installed voice spoken when none is chosen: the package's male voice
// m001 when it is there, else the first installed; empty when there is none.
QString preferred(const VoicePlaces &places);

// Opens `voice` (a voice file, or VoiceSettings::espeak()); null, with the
// reason in `check`, when it is refused.
std::unique_ptr<Synthesiser> open(const QString &voice, VoiceFileCheck *check = nullptr);
// The voice to speak with when `wanted` is asked for (empty: the default),
// falling back to the default and then to espeak-ng, with the notice saying
// why. `labels` is false when there is no front end to make labels, which
// every HTS voice needs.
VoiceChoice choose(const QString &wanted, const VoicePlaces &places, bool labels, const AccentProblem &noLabelsWhy = {});

// What copying a voice into the user's folder came to.
struct Copy
{
    QString copied; // the file in the user's folder; empty when not copied
    VoiceFileCheck check; // why the voice was refused
    QString error;        // why the copy could not be written
};
// Checks `source` and copies it into the user's folder under its own name
// (numbered when another file has that name); the same file already there is
// not copied twice.
Copy copyOwn(const QString &source, const VoicePlaces &places);

} // namespace voices
} // namespace kerubara
