// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace kerubara {

// What the announcement tape needs from the windows: the settings it reads
// and the tape frame of the control panel it switches. The control panel
// implements it; the sound library knows nothing more of the windows.
class TapeHost
{
public:
    virtual ~TapeHost() = default;

    // The file of setting txtSelectSound(index) (index 3 to 6 here).
    virtual QString selectSound(int index) const = 0;
    // Setting Option2(2): always play txtSelectSound(3) before an
    // announcement of a forward step.
    virtual bool alwaysPreBroadcastSound() const = 0;
    // Setting Option7(0): the announcement starts after the sound has ended
    // (the sound is played synchronously).
    virtual bool preBroadcastSoundSync() const = 0;

    // The tape frame grpM_Tape: its caption and whether it is enabled.
    virtual void setTapeFrameCaption(const QString &caption) = 0;
    virtual void setTapeFrameEnabled(bool enabled) = 0;
    // The four tape buttons cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet.
    virtual void setTapeButtonsEnabled(bool enabled) = 0;
    // The window the speech settings dialog belongs to (the control panel).
    virtual QWidget *dialogOwner() const = 0;
};

} // namespace kerubara
