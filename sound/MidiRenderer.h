#pragma once

#include "sound/PcmBuffer.h"

#include <QByteArray>
#include <QString>

#include <memory>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace kerubara {

// Renders standard MIDI files to stereo float with FluidSynth and a General
// MIDI sound font. The synthesizer and its sound font are loaded on the first
// render and kept for the next ones.
class MidiRenderer
{
public:
    explicit MidiRenderer(int sampleRate);
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer &) = delete;
    MidiRenderer &operator=(const MidiRenderer &) = delete;

    // The whole piece and the decay of its last notes; null when the bytes
    // are not a MIDI file (SMF, or SMF wrapped in a RIFF "RMID" file) or no
    // sound font could be loaded.
    std::shared_ptr<const PcmBuffer> render(const QByteArray &fileBytes);

    // The General MIDI sound font: TimGM6mb, else the system's default-GM.
    // Empty when neither is installed.
    static QString soundFontPath();

    // The standard MIDI file inside `fileBytes`, or empty when there is none.
    static QByteArray standardMidiData(const QByteArray &fileBytes);

private:
    bool load();

    int sampleRate_;
    bool tried_ = false;
    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
};

} // namespace kerubara
