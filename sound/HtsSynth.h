// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/HtsVoiceFile.h"
#include "sound/Synthesiser.h"

#include <memory>
#include <mutex>

struct _HTS_Engine;

namespace kerubara {

// An HTS voice in-process: the engine loads the voice file (after
// HtsVoiceFile has checked it) and speaks the front end's labels at the
// voice's own sampling rate and frame period, with the settings' speed,
// half-tones and all-pass constant.
//
// A text is spoken a phrase at a time, a phrase ending at each pause (pau),
// so that the first phrase is heard while the next is still being made; the
// silence before the first phrase and after the last is left out. Every
// text is made that way, so a text gives the same samples whether it is
// spoken at once or made ahead.
class HtsSynthesiser final : public Synthesiser
{
public:
    // Null, with the reason in `check`, when the file is refused or the
    // engine does not load it.
    static std::unique_ptr<HtsSynthesiser> load(const QString &file, VoiceFileCheck *check = nullptr);
    ~HtsSynthesiser() override;

    const QString &file() const { return file_; }
    const VoiceFileInfo &info() const { return info_; }
    // The voice's own all-pass constant, in hundredths.
    int ownAllPass() const { return ownAllPass_; }

    int sampleRate() const override { return info_.samplingFrequency; }
    bool synthesise(const SpokenText &text, const VoiceSettings &settings, std::stop_token stop,
                    const Synthesiser::Sink &sink) override;

private:
    struct EngineDeleter
    {
        void operator()(_HTS_Engine *engine) const;
    };
    HtsSynthesiser(QString file, const VoiceFileInfo &info, std::unique_ptr<_HTS_Engine, EngineDeleter> engine);
    bool speakPhrase(const std::vector<QByteArray> &labels, bool trimStart, bool trimEnd, std::stop_token stop,
                     const Synthesiser::Sink &sink);

    QString file_;
    VoiceFileInfo info_;
    int ownAllPass_ = 0;
    std::mutex mutex_;
    std::unique_ptr<_HTS_Engine, EngineDeleter> engine_;
};

} // namespace kerubara
