#include "sound/MidiRenderer.h"

#include <fluidsynth.h>

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace kerubara {
namespace {

constexpr int kBlockFrames = 1024;
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

// Renders one block into the stereo buffer and returns its peak.
float renderBlock(fluid_synth_t *synth, std::vector<float> &samples)
{
    const std::size_t at = samples.size();
    samples.resize(at + kBlockFrames * PcmBuffer::kChannels);
    float *out = samples.data() + at;
    fluid_synth_write_float(synth, kBlockFrames, out, 0, 2, out, 1, 2);
    float peak = 0.0f;
    for (int i = 0; i < kBlockFrames * PcmBuffer::kChannels; ++i)
        peak = std::max(peak, std::fabs(out[i]));
    return peak;
}

} // namespace

MidiRenderer::MidiRenderer(int sampleRate) : sampleRate_(sampleRate) {}

MidiRenderer::~MidiRenderer()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
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
    settings_ = new_fluid_settings();
    if (!settings_)
        return false;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate_);
    fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    if (!synth_)
        return false;
    if (fluid_synth_sfload(synth_, font.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        return false;
    }
    return true;
}

std::shared_ptr<const PcmBuffer> MidiRenderer::render(const QByteArray &fileBytes)
{
    const QByteArray smf = standardMidiData(fileBytes);
    if (smf.isEmpty() || !load())
        return nullptr;
    fluid_synth_system_reset(synth_);
    fluid_player_t *player = new_fluid_player(synth_);
    if (!player)
        return nullptr;
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->sampleRate = sampleRate_;
    bool ok = fluid_player_add_mem(player, smf.constData(), static_cast<std::size_t>(smf.size())) == FLUID_OK
        && fluid_player_play(player) == FLUID_OK;
    if (ok) {
        const std::int64_t maxFrames = static_cast<std::int64_t>(kMaxSeconds) * sampleRate_;
        while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && pcm->frames() < maxFrames)
            renderBlock(synth_, pcm->samples);
        fluid_player_stop(player);
        // Let the last notes and the reverb die away, then cut the silence.
        const std::int64_t tailEnd = pcm->frames() + static_cast<std::int64_t>(kMaxTailSeconds) * sampleRate_;
        while (pcm->frames() < tailEnd && renderBlock(synth_, pcm->samples) > kSilence) {
        }
        std::size_t end = pcm->samples.size();
        while (end > 0 && std::fabs(pcm->samples[end - 1]) <= kSilence)
            --end;
        pcm->samples.resize((end + 1) / 2 * 2);
    }
    delete_fluid_player(player);
    fluid_synth_system_reset(synth_);
    if (!ok)
        return nullptr;
    return pcm;
}

} // namespace kerubara
