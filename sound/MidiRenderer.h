// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/PcmBuffer.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace kerubara {

// Renders standard MIDI files to stereo float with FluidSynth and a General
// MIDI sound font, piece by piece. The synthesizer and its sound font are
// loaded on the first start and kept for the next pieces. One thread at a
// time may use a renderer.
class MidiRenderer
{
public:
    explicit MidiRenderer(int sampleRate);
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer &) = delete;
    MidiRenderer &operator=(const MidiRenderer &) = delete;

    // Starts the piece in `fileBytes` (SMF, or SMF wrapped in a RIFF "RMID"
    // file) from its beginning, ending the one before. False when the bytes
    // are not a MIDI file or no sound font could be loaded.
    bool start(const QByteArray &fileBytes);
    // Renders up to `frames` frames of the piece into `out`, interleaved
    // stereo, and returns how many it did: all of them until the piece and
    // the decay of its last notes are over, then 0.
    int renderNext(float *out, int frames);

    // The whole piece at once, its trailing silence cut; null when start()
    // fails.
    std::shared_ptr<const PcmBuffer> render(const QByteArray &fileBytes);

    // The General MIDI sound font: TimGM6mb, else the system's default-GM.
    // Empty when neither is installed.
    static QString soundFontPath();

    // The standard MIDI file inside `fileBytes`, or empty when there is none.
    static QByteArray standardMidiData(const QByteArray &fileBytes);

private:
    struct Deleter
    {
        void operator()(fluid_settings_t *settings) const;
        void operator()(fluid_synth_t *synth) const;
        void operator()(fluid_player_t *player) const;
    };
    enum class Phase { Ended, Playing, Decaying };

    bool load();
    // True until the file's last event has been played.
    bool filePlaying() const;
    void end();

    int sampleRate_;
    bool tried_ = false;
    // In this order, so that the player goes before its synthesizer and the
    // synthesizer before its settings.
    std::unique_ptr<fluid_settings_t, Deleter> settings_;
    std::unique_ptr<fluid_synth_t, Deleter> synth_;
    std::unique_ptr<fluid_player_t, Deleter> player_;
    Phase phase_ = Phase::Ended;
    std::int64_t rendered_ = 0;
    std::int64_t decayEnd_ = 0;
};

} // namespace kerubara
