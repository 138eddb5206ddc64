// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/HtsSynth.h"

#include <HTS_engine.h>

#include <QFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kerubara {
namespace {

// Samples handed on at a time: short, so that a stop is noticed quickly.
constexpr std::size_t kBlock = 1024;

// The phoneme a label is about: between its '-' and '+'.
QByteArrayView centre(const QByteArray &label)
{
    const qsizetype minus = label.indexOf('-');
    const qsizetype plus = minus < 0 ? -1 : label.indexOf('+', minus);
    return plus < 0 ? QByteArrayView() : QByteArrayView(label).sliced(minus + 1, plus - minus - 1);
}

} // namespace

void HtsSynthesiser::EngineDeleter::operator()(_HTS_Engine *engine) const
{
    HTS_Engine_clear(engine);
    delete engine;
}

std::unique_ptr<HtsSynthesiser> HtsSynthesiser::load(const QString &file, VoiceFileCheck *check)
{
    VoiceFileInfo info;
    VoiceFileCheck result = HtsVoiceFile::checkFile(file, &info);
    if (!result.ok()) {
        if (check)
            *check = result;
        return nullptr;
    }
    std::unique_ptr<_HTS_Engine, EngineDeleter> engine(new HTS_Engine);
    HTS_Engine_initialize(engine.get());
    QByteArray name = QFile::encodeName(file);
    char *voices[] = {name.data()};
    if (HTS_Engine_load(engine.get(), voices, 1) != TRUE) {
        // The check passed a file the engine would not take after all.
        if (check)
            *check = VoiceFileCheck{VoiceFileFault::BadModel, {}, {}, {}};
        return nullptr;
    }
    HTS_Engine_set_sampling_frequency(engine.get(), static_cast<std::size_t>(info.samplingFrequency));
    HTS_Engine_set_fperiod(engine.get(), static_cast<std::size_t>(info.framePeriod));
    if (check)
        *check = {};
    return std::unique_ptr<HtsSynthesiser>(new HtsSynthesiser(file, info, std::move(engine)));
}

HtsSynthesiser::HtsSynthesiser(QString file, const VoiceFileInfo &info, std::unique_ptr<_HTS_Engine, EngineDeleter> engine)
    : file_(std::move(file)), info_(info), engine_(std::move(engine))
{
    ownAllPass_ = static_cast<int>(std::lround(HTS_Engine_get_alpha(engine_.get()) * 100.0));
}

HtsSynthesiser::~HtsSynthesiser() = default;

bool HtsSynthesiser::synthesise(const SpokenText &text, const VoiceSettings &settings, std::stop_token stop,
                                const Synthesiser::Sink &sink)
{
    if (text.labels.isEmpty())
        return true;
    const std::lock_guard lock(mutex_);
    const VoiceSettings v = settings.clamped();
    HTS_Engine *engine = engine_.get();
    HTS_Engine_set_speed(engine, v.rate / 100.0);
    HTS_Engine_add_half_tone(engine, v.pitch);
    HTS_Engine_set_alpha(engine, (v.allPass == VoiceSettings::kVoicesOwn ? ownAllPass_ : v.allPass) / 100.0);
    // A phrase ends with each pause; the pause stays at its end.
    std::vector<QByteArray> phrase;
    for (qsizetype i = 0; i < text.labels.size(); ++i) {
        phrase.push_back(text.labels[i].toUtf8());
        const bool last = i + 1 == text.labels.size();
        if (!last && centre(phrase.back()) != QByteArrayView("pau"))
            continue;
        if (stop.stop_requested())
            return true;
        if (!speakPhrase(phrase, i + 1 == static_cast<qsizetype>(phrase.size()), last, stop, sink))
            return stop.stop_requested();
        phrase.clear();
    }
    return true;
}

bool HtsSynthesiser::speakPhrase(const std::vector<QByteArray> &labels, bool trimStart, bool trimEnd,
                                 std::stop_token stop, const Synthesiser::Sink &sink)
{
    HTS_Engine *engine = engine_.get();
    std::vector<char *> lines;
    lines.reserve(labels.size());
    for (const QByteArray &l : labels)
        lines.push_back(const_cast<char *>(l.constData()));
    const bool ok = HTS_Engine_synthesize_from_strings(engine, lines.data(), lines.size()) == TRUE;
    if (!ok) {
        HTS_Engine_refresh(engine);
        return false;
    }
    // The silence of a leading or trailing sil label, by the frames the
    // engine gave its states.
    const std::size_t states = HTS_Engine_get_nstate(engine);
    const std::size_t period = HTS_Engine_get_fperiod(engine);
    auto labelSamples = [&](std::size_t label) {
        std::size_t frames = 0;
        for (std::size_t s = 0; s < states; ++s)
            frames += HTS_Engine_get_state_duration(engine, label * states + s);
        return frames * period;
    };
    const std::size_t total = HTS_Engine_get_nsamples(engine);
    std::size_t from = 0, to = total;
    if (trimStart && centre(labels.front()) == QByteArrayView("sil"))
        from = std::min(total, labelSamples(0));
    if (trimEnd && labels.size() > 1 && centre(labels.back()) == QByteArrayView("sil"))
        to = std::max(from, total - std::min(total, labelSamples(labels.size() - 1)));
    std::vector<std::int16_t> block;
    block.reserve(kBlock);
    for (std::size_t at = from; at < to && !stop.stop_requested(); at += kBlock) {
        block.clear();
        for (std::size_t i = at; i < std::min(to, at + kBlock); ++i) {
            const double s = HTS_Engine_get_generated_speech(engine, i);
            block.push_back(static_cast<std::int16_t>(std::clamp(std::lround(s), -32768L, 32767L)));
        }
        sink(block.data(), static_cast<int>(block.size()));
    }
    HTS_Engine_refresh(engine);
    return true;
}

} // namespace kerubara
