#include "app/Simulator.h"

#include "app/mdlzed_000.h"
#include "settings/frmOption.h"
#include "sound/SoundSystem.h"

#include <QApplication>

namespace kerubara {

Simulator::Simulator() : Simulator(Platform{}) {}

Simulator::Simulator(Platform platform) : platform_(std::move(platform))
{
    if (!platform_.audioOutput)
        platform_.audioOutput = [] { return openAudioOutput(); };
    if (!platform_.speechEngine)
        platform_.speechEngine = [](SoundSystem &sound) { return mdlM_Tape::voiceEngineFactory(sound); };
    if (!platform_.endProgram)
        platform_.endProgram = [] { QCoreApplication::quit(); };
    sound_ = std::make_unique<SoundSystem>(platform_.audioOutput());
    form1_ = std::make_unique<Form1>(*this);
}

Simulator::~Simulator()
{
    // The tape speaks through the sound system and is switched through the
    // control panel; the windows refer to the panel. Tear down in that order.
    tape_.reset();
    ctl_.reset();
    option_.reset();
    form1_.reset();
    sound_.reset();
}

frmOption &Simulator::option()
{
    if (!option_)
        option_ = std::make_unique<frmOption>(*this);
    return *option_;
}

frmCtl &Simulator::ctl()
{
    if (!ctl_) {
        ctl_ = std::make_unique<frmCtl>(*this);
        ctl_->Form_Load();
    }
    return *ctl_;
}

mdlM_Tape &Simulator::tape()
{
    // The tape is switched through the control panel; creating the panel
    // runs its load handler, which creates the tape itself.
    frmCtl &host = ctl();
    if (!tape_)
        tape_ = std::make_unique<mdlM_Tape>(*sound_, host, platform_.speechEngine(*sound_));
    return *tape_;
}

void Simulator::start()
{
    Form1 &panel = form1();
    InitDegit(panel);
    InitPanel(*this);
    option(); // the settings store exists from here on

    frmCtl &console = ctl();
    console.show();
    console.raise();

    panel.move(0, 0);
    console.placeAtBottomRight();
    panel.show();
    panel.shapeWindow();
    panel.update();
    console.raise();
}

void Simulator::endProgram()
{
    form1_->hide();
    if (ctl_)
        ctl_->hide();
    if (option_)
        option_->hide();
    platform_.endProgram();
}

} // namespace kerubara
