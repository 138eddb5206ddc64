// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every platform call that blocks, needs a person or reaches a device goes
// through one seam of this kind (reslib/Seam.h): the program makes the real
// call; a test installs a handler for as long as a Scoped object lives.
// This header names them all.
//
//   Seam                 The call                      Real behaviour
//   MsgBoxSeam           MsgBox()                      a modal message box
//   SleepSeam            ApiSleep()                    a blocking sleep
//   ModalSeam            ShowModal()                   a modal dialog's own loop
//   ResDialogsSeam       Call_dlg100 ... Zr7ChooseColor the Qt dialogs
//   ShellSeam            ShellOpenFolder()             the desktop's file manager
//   WindowMoveSeam       startWindowMove()             the window manager's move
//   OsInfoSeam           GetOsInfo()                   the system's product name
//   EndProgramSeam       EndProgram()                  the event loop quits
//   ClockSeam            steadyMilliseconds()          a monotonic clock
//   AudioOutputSeam      openAudioOutput()             the SDL sound device
//   SpeechEngineSeam     the tape's speech engine      espeak-ng with MeCab

#include "reslib/ApiSleep.h"
#include "reslib/Clock.h"
#include "reslib/EndProgram.h"
#include "reslib/Modal.h"
#include "reslib/MsgBox.h"
#include "reslib/OsInfo.h"
#include "reslib/ResDialogs.h"
#include "reslib/Seam.h"
#include "reslib/Shell.h"
#include "reslib/WindowMove.h"

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
