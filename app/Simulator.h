#pragma once

#include "app/Form1.h"
#include "operation/OperatingState.h"
#include "reslib/ResDialogs.h"

#include <memory>

namespace kerubara {

class frmCtl;
class frmOption;

// Owns everything that lives for the run: the three windows (the fare panel,
// the control panel and the options window) and the module state they share
// (the operating state, the settings records). The program creates one in
// main; tests create their own.
class Simulator
{
public:
    Simulator();
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // The windows. The options window and the control panel are created on
    // first use, as start-up touches them.
    Form1 &form1() { return *form1_; }
    frmOption &option();
    frmCtl &ctl();

    // The panel's start-up: digits, defaults and picture, settings applied,
    // both windows placed and shown.
    void start();

    OperatingState state;
    CustomColors CustColors{};
    FormPosRecord FormPos;

private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<frmOption> option_;
    std::unique_ptr<frmCtl> ctl_;
};

} // namespace kerubara
