// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Simulator.h"

#include "dialogs/MessageBox.h"
#include "dialogs/Modal.h"
#include "operation/VoicePreferences.h"
#include "reslib/EndProgram.h"
#include "sound/Chimes.h"
#include "sound/SoundSystem.h"
#include "windows/FarePanelView.h"
#include "windows/frmFareEdit.h"
#include "windows/frmOption.h"
#include "windows/PanelLook.h"
#include "windows/UnitMessages.h"
#include "windows/mdlIniIoEx.h"
#include "windows/mdlzed_000.h"

#include <QFileInfo>

#include <utility>


namespace kerubara {

namespace {

// The seams whose real calls are windows get them before anything can ask.
std::unique_ptr<SoundSystem> soundWithWindows()
{
    installWidgetCalls();
    return std::make_unique<SoundSystem>(openAudioOutput());
}

} // namespace

Simulator::Simulator(std::optional<SettingsFilePaths> settingsFile, Preferences preferences)
    : settingsFile_(std::move(settingsFile)),
      settings_(std::make_unique<SettingsModel>(preferences)),
      ini(settings_->records()),
      sound_(soundWithWindows()),
      form1_(std::make_unique<Form1>()),
      engine_(std::make_unique<OperationEngine>(*sound_, *settings_,
                                                mdlM_Tape::voiceEngineFactory(*sound_, voiceKeeper(settings_->preferences())))),
      state(engine_->state),
      ctl_(std::make_unique<frmCtl>(*engine_, *form1_, *settings_, ini.CtrlData))
{
    settings_->setBuiltInStopRequestSound(chimes::stopRequestFile());
    if (settingsFile_)
        settings_->setSettingsFile(settingsFile_->read);
    connectPanel();
    connectConsole();
}

Simulator::~Simulator()
{
    // The control panel drives the engine; the engine's tape speaks through
    // the sound system and reads the options; the windows refer to the panel.
    // Tear down in that order.
    ctl_.reset();
    engine_.reset();
    option_.reset();
    form1_.reset();
    sound_.reset();
}

void Simulator::connectPanel()
{
    Form1 *panel = form1_.get();
    OperationEngine *unit = engine_.get();
    QObject::connect(unit, &OperationEngine::routeRefused, panel, &showRouteRefusal);
    QObject::connect(unit, &OperationEngine::readingProblemsFound, panel, &reportReadingProblems);
    QObject::connect(unit, &OperationEngine::lampTestStarted, panel, &Form1::showLampTest);
    QObject::connect(unit, &OperationEngine::lampTestEnded, panel, &Form1::showLampTestEnded);
    QObject::connect(unit, &OperationEngine::fareShown, panel, &Form1::showFare);
    QObject::connect(unit, &OperationEngine::infoShown, panel, &Form1::showFare);
    QObject::connect(unit, &OperationEngine::infoTextShown, panel, &Form1::showInfoText);
    QObject::connect(unit, &OperationEngine::nameShown, panel, &Form1::showStopName);
    QObject::connect(unit, &OperationEngine::nameBlanked, panel, &Form1::blankStopName);
    QObject::connect(unit, &OperationEngine::displayClearedChanged, panel, &Form1::showDisplayCleared);
    QObject::connect(unit, &OperationEngine::stopRequestChanged, panel, &Form1::showStopRequest);
    QObject::connect(panel, &Form1::stopRequestClicked, unit, &OperationEngine::requestStop);
    // What the user chooses on the panel's menu is kept for the next run.
    PreferenceStore *kept = &settings_->preferences();
    QObject::connect(panel, &Form1::zoomChosen, kept,
                     [kept](int factor) { kept->setNumber(Preference::PanelZoom, factor); });
    QObject::connect(panel, &Form1::fareDigitsChosen, kept,
                     [kept](int digits) { kept->setNumber(Preference::FareDigits, digits); });
    QObject::connect(panel, &Form1::ticketPagesChosen, kept,
                     [kept](int pages) { kept->setNumber(Preference::TicketPages, pages); });
    QObject::connect(panel, &Form1::pageSecondsChosen, kept,
                     [kept](int seconds) { kept->setNumber(Preference::PageSeconds, seconds); });
    // Pages of ticket numbers: the unit turns them, the panel shows them
    // and offers the choice.
    QObject::connect(unit, &OperationEngine::ticketPageShown, panel, &Form1::showTicketPage);
    QObject::connect(panel, &Form1::ticketPagesChosen, unit, [unit, panel](int pages) {
        unit->setTicketPages(pages);
        panel->showTicketPagesChoice(unit->ticketPages());
        // The stop on show gets the fares of the new pages at once.
        unit->redraw();
    });
    QObject::connect(panel, &Form1::pageSecondsChosen, unit, [unit, panel](int seconds) {
        unit->setPageSeconds(seconds);
        panel->showPageSecondsChoice(unit->pageSeconds());
    });
}

frmOption &Simulator::option()
{
    if (!option_) {
        option_ = std::make_unique<frmOption>(*settings_);
        connectOptions(*option_);
    }
    return *option_;
}

void Simulator::connectOptions(frmOption &options)
{
    frmCtl *console = ctl_.get();
    QObject::connect(&options, &frmOption::settingsApplied, console, [this] { applyPanelSettings(); });
    QObject::connect(&options, &frmOption::companiesCleared, console, &frmCtl::clearCompanies);
    QObject::connect(&options, &frmOption::ticketPluginChosen, console, &frmCtl::useTicketPlugin);
}

void Simulator::applyPanelSettings()
{
    form1_->applyLook(panelLookOf(ini));
    // The backlight state again, for its picture and label colour.
    ctl_->reapplyBacklight();
}

void Simulator::applyTicketPlugin()
{
    // A plug-in that is missing or refused leaves its path in place,
    // unreported.
    ctl_->useTicketPlugin(settings_->ticketPluginPath());
}

void Simulator::editFares(const QString &farePath)
{
    if (!fareEdit_)
        fareEdit_ = std::make_unique<frmFareEdit>();
    const auto dataDigit = settings_->infoDigit(OperationSettings::InfoDigit::DataColumn);
    fareEdit_->setReadColumns(settings_->stepSoundFlagColumn(), dataDigit ? settings_->infoDataColumn() : 0);
    // The panel beside the grid dressed and read as the run's panel is.
    fareEdit_->panelView()->useSettings(settings_->records());
    if (!farePath.isEmpty() && farePath != fareEdit_->filePath() && QFileInfo::exists(farePath)
        && fareEdit_->maybeKeepChanges())
        fareEdit_->openFile(farePath);
    fareEdit_->show();
    fareEdit_->raise();
    fareEdit_->activateWindow();
}

void Simulator::connectConsole()
{
    form1_->setConsole(ctl_.get());
    QObject::connect(ctl_.get(), &frmCtl::optionsRequested, ctl_.get(), [this] { ShowModal(option()); });
    QObject::connect(ctl_.get(), &frmCtl::fareEditRequested, ctl_.get(),
                     [this](const QString &farePath) { editFares(farePath); });
    QObject::connect(ctl_.get(), &frmCtl::exitConfirmed, ctl_.get(), [this] {
        sound_->CloseAllSnd();
        tape().FreeVoice();
        SaveIniInfo(*this);
        endProgram();
    });
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

    // The user's magnification of the panel, fare digits and pages of
    // ticket numbers from the last run.
    if (settings_->preferences().mode() == Preferences::Remembered) {
        const PreferenceStore &kept = settings_->preferences();
        panel.setZoom(kept.number(Preference::PanelZoom));
        panel.setFareDigits(kept.number(Preference::FareDigits));
        engine_->setTicketPages(kept.number(Preference::TicketPages));
        engine_->setPageSeconds(kept.number(Preference::PageSeconds));
        panel.showTicketPagesChoice(engine_->ticketPages());
        panel.showPageSecondsChoice(engine_->pageSeconds());
    }
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
    if (option_)
        option_->hide();
    EndProgram();
}

} // namespace kerubara
