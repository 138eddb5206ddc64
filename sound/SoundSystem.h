// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/AudioOutput.h"
#include "sound/MciCommand.h"
#include "sound/SoundCache.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kerubara {

class MidiStream;

// The sound module: the mixer, the named sound channels and the command
// interpreter that drives them. The application owns one for the whole run;
// tests make their own over a NullAudioOutput.
//
// A channel is a mixer voice opened under an alias with one sound: a WAV file
// decoded whole (and kept in a cache, for the chime played at every step), or
// a MIDI file, rendered while it plays by the voice's MidiStream. A new sound
// on a channel ends the old one; channels play independently. The first
// voice of the mixer is kept for speech.
class SoundSystem
{
public:
    // What mciSendString returns. The program itself never looks.
    enum MciResult : int {
        MciOk = 0,
        MciBadCommand = 1,   // not a command the interpreter understands
        MciUnknownAlias = 2, // no channel of that alias is open
        MciCannotOpen = 3,   // the file is missing or not of the given type
        MciAliasInUse = 4,   // open on an alias that is already open
        MciNoVoice = 5,      // every mixer voice is in use
    };

    // Plays through `output`; channel aliases are `aliasPrefix` (by default
    // the program's file name, spaces made underscores) followed by the
    // channel name ("S1" ... "S4").
    explicit SoundSystem(std::unique_ptr<AudioOutput> output = openAudioOutput(), QString aliasPrefix = {});
    ~SoundSystem();
    SoundSystem(const SoundSystem &) = delete;
    SoundSystem &operator=(const SoundSystem &) = delete;

    // Plays `file` on channel `alias`. An empty name or a missing file sends
    // nothing; an ending other than WAV or MID closes the channel and plays
    // nothing. `wait` not 0: returns when the sound has ended, then sleeps
    // `pause` ms. Otherwise returns at once.
    void PlaySnd(const QString &file, const QString &alias, std::int16_t wait, std::int16_t pause);
    // Closes the four channels.
    void CloseAllSnd();

    // While a synchronous play waits for its sound, `hook` runs between looks
    // at the sound: the program lets its windows' messages run there, so they
    // repaint and take presses while a chime plays.
    void setWaitHook(std::function<void()> hook) { waitHook_ = std::move(hook); }
    // Ends the sound a synchronous play is waiting for, if any: the play
    // returns at once. Called from within the wait hook (the driver's ■).
    void endWait();
    // True when the last synchronous play returned because endWait() ended
    // its sound, not because the sound had played.
    bool waitWasEnded() const { return waitEnded_; }

    // Carries out one command (see MciCommand). A command for an alias that
    // is not open, or a file that does not open, changes nothing.
    int mciSendString(const QString &command);

    // Sees every command sent, before it is carried out: the string given to
    // mciSendString, or the text of a command PlaySnd and CloseAllSnd carry
    // out (their file names are taken as they are, never parsed again).
    using CommandLog = std::function<void(const QString &)>;
    void setCommandLog(CommandLog log) { log_ = std::move(log); }

    AudioOutput &output() { return *output_; }
    Mixer &mixer() { return output_->mixer(); }
    int speechVoice() const { return 0; }
    const QString &aliasPrefix() const { return aliasPrefix_; }
    // True while a channel of that alias is open.
    bool isOpen(const QString &alias) const;
    // The stream of an open MIDI channel; null for any other alias.
    const MidiStream *midiStream(const QString &alias) const;
    // The decoded WAV files kept for playing again.
    const SoundCache &cache() const { return cache_; }

private:
    struct Channel
    {
        int voice = -1;
        std::shared_ptr<const PcmBuffer> sound; // a WAV file
        QByteArray midi;                        // or a standard MIDI file
    };

    // Logs and carries out a command the sound system made itself.
    int send(const MciCommand &c);
    int carryOut(const MciCommand &c);
    int open(const MciCommand &c);
    int play(const MciCommand &c);
    int stop(const MciCommand &c);
    int close(const MciCommand &c);
    std::shared_ptr<const PcmBuffer> loadWave(const QString &file);
    QByteArray loadMidi(const QString &file) const;
    MidiStream &streamFor(int voice);
    // Ends the MIDI piece the voice plays, if any.
    void stopStream(int voice);
    // Waits, running the wait hook, until `playing` turns false or endWait()
    // ends the voice's sound.
    void waitWhile(int voice, const std::function<bool()> &playing);
    static QString key(const QString &alias) { return alias.toLower(); }

    std::unique_ptr<AudioOutput> output_;
    QString aliasPrefix_;
    CommandLog log_;
    std::function<void()> waitHook_;
    int waitingVoice_ = -1; // the voice a synchronous play waits for
    bool waitEnded_ = false;
    QHash<QString, Channel> channels_;
    std::vector<int> freeVoices_;
    SoundCache cache_;
    // By voice, made when a voice first plays MIDI; they go before the output.
    std::vector<std::unique_ptr<MidiStream>> midiStreams_;
};

} // namespace kerubara
