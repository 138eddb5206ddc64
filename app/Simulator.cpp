// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Simulator.h"

#include "app/PanelZoom.h"
#include "app/mdlzed_000.h"
#include "reslib/EndProgram.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIoEx.h"
#include "sound/SoundSystem.h"

#include <utility>


namespace kerubara {

Simulator::Simulator(std::optional<SettingsFilePaths> settingsFile) : settingsFile_(std::move(settingsFile))
{
    sound_ = std::make_unique<SoundSystem>(openAudioOutput());
    form1_ = std::make_unique<Form1>(*this);
    option_ = std::make_unique<frmOption>(*this);
    ctl_ = std::make_unique<frmCtl>(*this);
    tape_ = std::make_unique<mdlM_Tape>(*sound_, *ctl_, mdlM_Tape::voiceEngineFactory(*sound_));
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

void Simulator::start()
{
    Form1 &panel = form1();
    InitDegit(panel);
    InitPanel(*this);

    frmCtl &console = ctl();
    console.Form_Load();
    console.show();
    console.raise();

    // The user's magnification of the panel from the last run.
    panel.setZoom(storedPanelZoom());
    panel.move(0, 0);
    console.placeAtBottomRight();
    panel.show();
    panel.shapeWindow();
    panel.update();
    console.raise();
    // The console is the window in use, as a newly shown window is on the
    // system the unit was designed for: it has the keyboard from the start,
    // also without a window manager to hand it over.
    console.activateWindow();
    LoadIniInfo(*this);
}

void Simulator::endProgram()
{
    form1_->hide();
    ctl_->hide();
    option_->hide();
    EndProgram();
}

} // namespace kerubara
