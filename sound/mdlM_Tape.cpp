// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/mdlM_Tape.h"

#include "reslib/BoundedRead.h"
#include "reslib/OsInfo.h"
#include "reslib/Seams.h"
#include "sound/SoundSystem.h"
#include "sound/TapeHost.h"
#include "sound/VoiceEngine.h"

#include <QFile>

namespace kerubara {

mdlM_Tape::mdlM_Tape(SoundSystem &sound, TapeHost &host, EngineFactory createEngine)
    : sound_(sound), host_(host), createEngine_(std::move(createEngine))
{
}

mdlM_Tape::~mdlM_Tape() = default;

mdlM_Tape::EngineFactory mdlM_Tape::voiceEngineFactory(SoundSystem &sound, VoiceSettingsKeeper kept)
{
    return [&sound, kept = std::move(kept)]() -> std::unique_ptr<SpeechEngine> {
        if (const auto &handler = SpeechEngineSeam::handler())
            return handler(sound);
        VoiceEngine::Options options;
        if (kept.read)
            options.settings = kept.read();
        options.keep = kept.keep;
        return VoiceEngine::create(sound.mixer(), sound.speechVoice(), options);
    };
}

void mdlM_Tape::InitVoice()
{
    if (speechSynthesisUnavailable()) {
        bVoiceOK_ = false;
    } else {
        objVoice_ = createEngine_ ? createEngine_() : nullptr;
        bVoiceOK_ = objVoice_ != nullptr;
    }
    host_.setTapeFrameCaption(bVoiceOK_ ? captionAvailable() : captionUnavailable());
    host_.setTapeFrameEnabled(bVoiceOK_);
}

void mdlM_Tape::clearTable()
{
    TapeData_.clear();
    nTapeCount_ = 0;
    nTapePos_ = 0;
}

void mdlM_Tape::LoadTape(const QString &folder, const QString &route)
{
    if (speechSynthesisUnavailable())
        return;
    loadReadingDictionaries(folder);
    QFile file(tapeFilePath(folder, route));
    if (openRegularFile(file) != FileOpening::Opened) {
        clearTable();
        host_.setTapeFrameEnabled(false);
        return;
    }
    TapeDataResult data = readTapeFile(file);
    file.close();
    if (data.error) {
        // All or nothing: a file that does not read leaves no half table.
        clearTable();
        host_.setTapeFrameEnabled(false);
        return;
    }
    TapeData_ = std::move(data.records);
    nTapeCount_ = static_cast<std::int32_t>(TapeData_.size());
    // The lamp test gives the engine some seconds to make the tape's speech
    // ahead, so that every announcement starts at once.
    if (objVoice_) {
        QStringList texts;
        for (const TapeRecord &r : TapeData_)
            texts << r.Text;
        objVoice_->prepare(texts);
    }
    if (bVoiceOK_) {
        host_.setTapeFrameEnabled(true);
        host_.setTapeButtonsEnabled(true);
    }
    nTapePos_ = 0;
}

void mdlM_Tape::loadReadingDictionaries(const QString &folder)
{
    // A bad line is left out; the route setting goes on.
    readingProblems_ = objVoice_ ? objVoice_->useReadingDictionaries(folder) : std::vector<ReadingProblem>();
}

const TapeRecord *mdlM_Tape::entry(std::int32_t pos) const
{
    if (pos < 1 || pos > nTapeCount_ || pos > static_cast<std::int32_t>(TapeData_.size()))
        return nullptr;
    return &TapeData_[static_cast<std::size_t>(pos - 1)];
}

std::int16_t mdlM_Tape::GetTapeStepFlag(std::int32_t pos) const
{
    const TapeRecord *r = entry(pos);
    return r ? r->StepFlag : 0;
}

std::int16_t mdlM_Tape::GetTapeSoundFlag(std::int32_t pos) const
{
    const TapeRecord *r = entry(pos);
    return r ? r->SoundFlag : 0;
}

QString mdlM_Tape::soundForFlag(std::int16_t flag) const
{
    if (flag >= 1 && flag <= 3)
        return host_.selectSound(3 + flag);
    return {};
}

bool mdlM_Tape::playSound(const QString &file, const char *channel)
{
    if (file.isEmpty())
        return true;
    const std::int16_t wait = host_.preBroadcastSoundSync() ? -1 : 0;
    sound_.PlaySnd(file, QString::fromLatin1(channel), wait, 0);
    // The driver's ■ during the sound silences the announcement as well.
    return wait == 0 || !sound_.waitWasEnded();
}

void mdlM_Tape::TapeNext()
{
    ++nTapePos_;
    if (nTapePos_ > nTapeCount_) {
        nTapePos_ = nTapeCount_;
        return;
    }
    const QString file = host_.alwaysPreBroadcastSound() ? host_.selectSound(3) : soundForFlag(GetTapeSoundFlag(nTapePos_));
    if (playSound(file, "S3"))
        SpeakTape(nTapePos_);
}

void mdlM_Tape::TapeBack()
{
    --nTapePos_;
    if (nTapePos_ < 1) {
        nTapePos_ = 1;
        return;
    }
    if (playSound(soundForFlag(GetTapeSoundFlag(nTapePos_)), "S2"))
        SpeakTape(nTapePos_);
}

void mdlM_Tape::TapeStop()
{
    if (objVoice_)
        objVoice_->VoiceStop();
}

void mdlM_Tape::TapeVoiceDialog()
{
    // The dialog is a window (dialogs/VoiceSettingsDialog), installed at
    // start-up; without windows there is none to show.
    if (objVoice_) {
        if (const auto &dialog = VoiceDialogSeam::call())
            dialog(*objVoice_, host_.dialogOwner(), voiceDialogTitle());
    }
}

void mdlM_Tape::SpeakTape(std::int32_t pos)
{
    const TapeRecord *r = entry(pos);
    if (!objVoice_ || !r)
        return;
    objVoice_->VoiceStop();
    objVoice_->VoiceSpeak(r->Text);
    if (objVoice_->VoiceStatus() == -1)
        objVoice_->VoiceStop();
}

void mdlM_Tape::FreeVoice()
{
    objVoice_.reset();
}

} // namespace kerubara
