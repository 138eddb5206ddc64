// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/Seam.h"
#include "sound/ReadingDictionary.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;

namespace kerubara {

// What the announcement tape asks of a speech engine.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;

    // Cuts off whatever is being spoken, at once.
    virtual void VoiceStop() = 0;
    // Starts speaking `text` and returns at once; the speech runs on in the
    // background until it ends or VoiceStop is called.
    virtual void VoiceSpeak(const QString &text) = 0;
    // -1 when speaking failed; any other value is the engine's own.
    virtual std::int32_t VoiceStatus() = 0;
    // Makes the speech of `texts` ahead, in the background, so that each is
    // heard at once when it is spoken; replaces what an earlier call asked
    // for. An engine that speaks at once anyway ignores it.
    virtual void prepare(const QStringList &texts) { Q_UNUSED(texts); }

    // Reads from now on with the user's reading dictionaries: yomi.csv in
    // the broadcast data folder `folder` (ending in a separator, or empty for
    // the current folder) over the one in the user's configuration folder.
    // Returns the problems found in them; the lines with problems are left
    // out. An engine that has no reading of its own ignores it.
    virtual std::vector<ReadingProblem> useReadingDictionaries(const QString &folder)
    {
        Q_UNUSED(folder);
        return {};
    }
};

// The settings dialog of a speech engine (音声の調節): a window of a higher
// layer (dialogs/VoiceSettingsDialog) that the program installs as the real
// call; it offers what the engine has to adjust, if anything.
using VoiceDialogSeam = Seam<void(SpeechEngine &, QWidget *owner, const QString &title), struct VoiceDialogTag>;
using ScopedVoiceDialog = VoiceDialogSeam::Scoped;

} // namespace kerubara
