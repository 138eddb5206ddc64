// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every platform call that blocks, needs a person or reaches a device goes
// through one seam of this kind (reslib/Seam.h): the program makes the real
// call; a test installs a handler for as long as a Scoped object lives.
// This header names them all.
//
//   Seam                 The call                      Real behaviour
//   MsgBoxSeam           MsgBox()                      a modal message box (dialogs/MessageBox)
//   SleepSeam            ApiSleep()                    a blocking sleep
//   ModalSeam            ShowModal()                   a modal dialog's own loop (dialogs/Modal.h)
//   ResDialogsSeam       Call_dlg100 ... Zr7ChooseColor the Qt dialogs (dialogs/QtResDialogs)
//   ShellSeam            ShellOpenFolder()             the desktop's file manager
//   WindowMoveSeam       startWindowMove()             the window manager's move (dialogs/WindowMove.h)
//   OsInfoSeam           GetOsInfo()                   the system's product name
//   EndProgramSeam       EndProgram()                  the event loop quits
//   ClockSeam            steadyMilliseconds()          a monotonic clock
//   WallClockSeam        wallClock()                   the date and time of day
//   AudioOutputSeam      openAudioOutput()             the SDL sound device
//   SpeechEngineSeam     the tape's speech engine      an HTS voice or espeak-ng
//   VoiceDialogSeam      the speech settings dialog    dialogs/VoiceSettingsDialog (sound/SpeechEngine.h)
//
// A real call that is a window lives in dialogs/, the layer that needs
// QtWidgets; installWidgetCalls() (dialogs/MessageBox.h) installs it as the
// seam's real call when the windows are built. Without it a message goes to
// standard error and a dialog is cancelled.

#include "reslib/ApiSleep.h"
#include "reslib/Clock.h"
#include "reslib/EndProgram.h"
#include "reslib/MsgBox.h"
#include "reslib/OsInfo.h"
#include "reslib/ResDialogs.h"
#include "reslib/Seam.h"
#include "reslib/Shell.h"

#include <memory>

namespace kerubara {

class AudioOutput;
class SoundSystem;
class SpeechEngine;

// The output the sound system plays through (sound/AudioOutput.h).
using AudioOutputSeam = Seam<std::unique_ptr<AudioOutput>(), struct AudioOutputTag>;
using ScopedAudioOutput = AudioOutputSeam::Scoped;

// The speech engine the announcement tape creates at start-up
// (sound/mdlM_Tape.h); a handler returning null means "no speech".
using SpeechEngineSeam = Seam<std::unique_ptr<SpeechEngine>(SoundSystem &), struct SpeechEngineTag>;
using ScopedSpeechEngine = SpeechEngineSeam::Scoped;

} // namespace kerubara
