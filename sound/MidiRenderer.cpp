// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MidiRenderer.h"

#include <fluidsynth.h>

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace kerubara {
namespace {

constexpr int kBlockFrames = 1024;
// Frames rendered, and thrown away, to let a cut of every voice take effect.
constexpr int kCutFrames = 256;
// A runaway file (an endless tempo, a stuck loop) ends here.
constexpr int kMaxSeconds = 600;
// How long the last notes may ring on after the file's last event.
constexpr int kMaxTailSeconds = 4;
constexpr float kSilence = 1.0e-4f;
// FluidSynth's own default (0.2) is much quieter than typical chimes.
constexpr double kSynthGain = 0.4;

// FluidSynth writes its warnings to the console; a file that cannot be played
// gives silence and no message, so they are dropped.
void silenceFluidSynthLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

// The loudest sample of interleaved stereo frames.
float peakOf(const float *samples, int frames)
{
    float peak = 0.0f;
    for (int i = 0; i < frames * PcmBuffer::kChannels; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

} // namespace

MidiRenderer::MidiRenderer(int sampleRate) : sampleRate_(sampleRate) {}

MidiRenderer::~MidiRenderer() = default;

void MidiRenderer::Deleter::operator()(fluid_settings_t *settings) const
{
    delete_fluid_settings(settings);
}

void MidiRenderer::Deleter::operator()(fluid_synth_t *synth) const
{
    delete_fluid_synth(synth);
}

void MidiRenderer::Deleter::operator()(fluid_player_t *player) const
{
    delete_fluid_player(player);
}

QString MidiRenderer::soundFontPath()
{
    for (const char *path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        if (QFileInfo(QString::fromLatin1(path)).isFile())
            return QString::fromLatin1(path);
    }
    return {};
}

QByteArray MidiRenderer::standardMidiData(const QByteArray &fileBytes)
{
    if (fileBytes.startsWith("MThd"))
        return fileBytes;
    if (fileBytes.startsWith("RIFF") && fileBytes.mid(8, 4) == "RMID") {
        const qsizetype at = fileBytes.indexOf("MThd", 12);
        if (at >= 0)
            return fileBytes.mid(at);
    }
    return {};
}

bool MidiRenderer::load()
{
    if (tried_)
        return synth_ != nullptr;
    tried_ = true;
    silenceFluidSynthLog();
    const QString font = soundFontPath();
    if (font.isEmpty())
        return false;
    settings_.reset(new_fluid_settings());
    if (!settings_)
        return false;
    fluid_settings_setnum(settings_.get(), "synth.sample-rate", sampleRate_);
    fluid_settings_setnum(settings_.get(), "synth.gain", kSynthGain);
    fluid_settings_setstr(settings_.get(), "player.timing-source", "sample");
    synth_.reset(new_fluid_synth(settings_.get()));
    if (synth_ && fluid_synth_sfload(synth_.get(), font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        synth_.reset();
    return synth_ != nullptr;
}

bool MidiRenderer::start(const QByteArray &fileBytes)
{
    end();
    const QByteArray smf = standardMidiData(fileBytes);
    if (smf.isEmpty() || !load())
        return false;
    player_.reset(new_fluid_player(synth_.get()));
    // The player keeps its own copy of the file.
    if (!player_ || fluid_player_add_mem(player_.get(), smf.constData(), static_cast<std::size_t>(smf.size())) != FLUID_OK
        || fluid_player_play(player_.get()) != FLUID_OK) {
        end();
        return false;
    }
    phase_ = Phase::Playing;
    rendered_ = 0;
    return true;
}

int MidiRenderer::renderNext(float *out, int frames)
{
    if (phase_ == Phase::Playing && !filePlaying()) {
        // The file is over: let the last notes and the reverb die away.
        fluid_player_stop(player_.get());
        phase_ = Phase::Decaying;
        decayEnd_ = rendered_ + static_cast<std::int64_t>(kMaxTailSeconds) * sampleRate_;
    }
    if (phase_ == Phase::Ended || frames <= 0)
        return 0;
    fluid_synth_write_float(synth_.get(), frames, out, 0, 2, out, 1, 2);
    if (phase_ == Phase::Decaying && (peakOf(out, frames) <= kSilence || rendered_ >= decayEnd_)) {
        end();
        return 0;
    }
    rendered_ += frames;
    return frames;
}

bool MidiRenderer::filePlaying() const
{
    // The player reports "playing" for seconds after the file's last event;
    // the file's length in ticks (known once the first block has loaded the
    // file) tells sooner.
    fluid_player_t *player = player_.get();
    const int total = fluid_player_get_total_ticks(player);
    return fluid_player_get_status(player) == FLUID_PLAYER_PLAYING
        && (total <= 0 || fluid_player_get_current_tick(player) < total)
        && rendered_ < static_cast<std::int64_t>(kMaxSeconds) * sampleRate_;
}

void MidiRenderer::end()
{
    if (player_)
        fluid_player_stop(player_.get());
    player_.reset();
    if (synth_ && phase_ != Phase::Ended) {
        // Controllers and programs back to their defaults and every voice cut
        // without its release, so the next piece starts in silence. The cut
        // takes effect in the next block, which is thrown away; a second
        // reset then clears what the cut left in the reverb and chorus. (A
        // reset straight after the cut would bring the voices back.)
        fluid_synth_system_reset(synth_.get());
        fluid_synth_all_sounds_off(synth_.get(), -1);
        std::array<float, kCutFrames * PcmBuffer::kChannels> discard{};
        fluid_synth_write_float(synth_.get(), kCutFrames, discard.data(), 0, 2, discard.data(), 1, 2);
        fluid_synth_system_reset(synth_.get());
    }
    phase_ = Phase::Ended;
}

std::shared_ptr<const PcmBuffer> MidiRenderer::render(const QByteArray &fileBytes)
{
    if (!start(fileBytes))
        return nullptr;
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = sampleRate_;
    for (;;) {
        const std::size_t at = pcm->samples.size();
        pcm->samples.resize(at + kBlockFrames * PcmBuffer::kChannels);
        const int got = renderNext(pcm->samples.data() + at, kBlockFrames);
        pcm->samples.resize(at + static_cast<std::size_t>(got) * PcmBuffer::kChannels);
        if (got == 0)
            break;
    }
    std::size_t size = pcm->samples.size();
    while (size > 0 && std::fabs(pcm->samples[size - 1]) <= kSilence)
        --size;
    pcm->samples.resize((size + 1) / 2 * 2);
    return pcm;
}

} // namespace kerubara
