#pragma once

#include "app/Form1.h"
#include "operation/OperatingState.h"
#include "operation/frmCtl.h"
#include "reslib/ResDialogs.h"
#include "sound/mdlM_Tape.h"

#include <memory>

namespace kerubara {

class AudioOutput;
class SoundSystem;
class frmOption;

// Owns everything that lives for the run: the three windows (the fare panel,
// the control panel and the options window) and the module state they share
// (the operating state, the sound channels, the announcement tape, the
// settings records). The program creates one in main; tests create their own.
class Simulator
{
public:
    // The sound device, the speech engine and the program's end are the
    // platform's (tests replace them through reslib/Seams.h).
    Simulator();
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // The windows and the modules, all created by the constructor in the
    // order start-up needs them: the sound channels, the fare panel, the
    // options window (hidden; it holds the settings), the control panel and
    // the announcement tape that it switches.
    Form1 &form1() { return *form1_; }
    frmOption &option() { return *option_; }
    frmCtl &ctl() { return *ctl_; }
    SoundSystem &sound() { return *sound_; }
    mdlM_Tape &tape() { return *tape_; }

    // Start-up, in this order: the fare digits to 0; the options' start-up
    // defaults, the built-in panel picture and the settings applied to the
    // panel; the control panel's load (caption, keypad, speech engine); the
    // panel's remembered magnification; both windows placed and shown.
    void start();

    // Ends the program after the control panel's confirmed exit.
    void endProgram();

    OperatingState state;
    CustomColors CustColors{};
    FormPosRecord FormPos;
    CtrlDataRecord CtrlData;

private:
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<frmOption> option_;
    std::unique_ptr<frmCtl> ctl_;
    std::unique_ptr<mdlM_Tape> tape_;
};

} // namespace kerubara
