// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/DataIo.h"
#include "sound/SpeechEngine.h"
#include "sound/VoiceSettings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kerubara {

class SoundSystem;
class TapeHost;

// The announcement tape of the current route: the table of announcements
// read from the route's broadcast data file, the position on it, and the
// speech engine that speaks them. Stepping forward or back plays the chosen
// pre-announcement sound and speaks the entry reached.
//
// One instance lives for the run, owned by the object that owns the windows,
// next to the SoundSystem it plays through (which must outlive it).
class mdlM_Tape
{
public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // The captions of the tape frame.
    static QString captionAvailable() { return QStringLiteral("音合使用可"); }
    static QString captionUnavailable() { return QStringLiteral("音合使用不可"); }
    // The title of the speech settings dialog.
    static QString voiceDialogTitle() { return QStringLiteral("音声の調節"); }

    // `createEngine` makes the speech engine at InitVoice, or returns null
    // when there is none.
    mdlM_Tape(SoundSystem &sound, TapeHost &host, EngineFactory createEngine);
    ~mdlM_Tape();
    mdlM_Tape(const mdlM_Tape &) = delete;
    mdlM_Tape &operator=(const mdlM_Tape &) = delete;

    // The engine factory of the program: a VoiceEngine speaking into the
    // sound system's speech voice, starting with the settings `kept` reads
    // and handing it the ones the user confirms.
    static EngineFactory voiceEngineFactory(SoundSystem &sound, VoiceSettingsKeeper kept);

    // Creates the engine and captions and enables the tape frame to match.
    void InitVoice();
    // Reads the broadcast data file of `route` in `folder` (which ends in a
    // separator or is empty) and puts the position before the first entry.
    // The speech engine takes the reading dictionary yomi.csv of the same
    // folder (and the user's own); the lines it leaves out are kept in
    // readingProblems().
    void LoadTape(const QString &folder, const QString &route);
    void TapeNext();
    void TapeBack();
    void TapeStop();
    void TapeVoiceDialog();
    void SpeakTape(std::int32_t pos);
    std::int32_t GetTapePos() const { return nTapePos_; }
    std::int32_t GetTapeCount() const { return nTapeCount_; }
    // The flags of entry `pos` (1-based); 0 outside 1..GetTapeCount().
    std::int16_t GetTapeStepFlag(std::int32_t pos) const;
    std::int16_t GetTapeSoundFlag(std::int32_t pos) const;
    void FreeVoice();

    // Entries 1..nTapeCount, at indices 0..nTapeCount-1.
    const std::vector<TapeRecord> &TapeData() const { return TapeData_; }
    bool bVoiceOK() const { return bVoiceOK_; }
    // The reading dictionary lines the last LoadTape left out.
    const std::vector<ReadingProblem> &readingProblems() const { return readingProblems_; }
    SpeechEngine *objVoice() const { return objVoice_.get(); }

private:
    const TapeRecord *entry(std::int32_t pos) const;
    // The pre-announcement sound for a flag (txtSelectSound(4..6)), or empty.
    QString soundForFlag(std::int16_t flag) const;
    // Plays the sound before an announcement; false when the driver ended
    // it while the announcement waited for it (no announcement then).
    bool playSound(const QString &file, const char *channel);
    void clearTable();
    void loadReadingDictionaries(const QString &folder);

    SoundSystem &sound_;
    TapeHost &host_;
    EngineFactory createEngine_;

    std::vector<TapeRecord> TapeData_;
    std::int32_t nTapeCount_ = 0;
    std::int32_t nTapePos_ = 0;
    std::unique_ptr<SpeechEngine> objVoice_;
    bool bVoiceOK_ = false;
    std::vector<ReadingProblem> readingProblems_;
};

} // namespace kerubara
