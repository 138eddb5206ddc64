// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/OperatingState.h"
#include "operation/OperationEngine.h"
#include "reslib/ResDialogs.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "sound/mdlM_Tape.h"
#include "windows/Form1.h"
#include "settings/SettingsModel.h"
#include "windows/frmCtl.h"

#include <memory>
#include <optional>

namespace kerubara {

class AudioOutput;
class SoundSystem;
class frmOption;
class frmFareEdit;

// Owns everything that lives for the run: the three windows (the fare panel,
// the control panel and the options window) and the module state they share
// (the operating state, the sound channels, the announcement tape, the
// settings records). The program creates one in main; tests create their own.
class Simulator
{
public:
    // The sound device, the speech engine and the program's end are the
    // platform's (tests replace them through reslib/Seams.h). The settings
    // file is read at the end of start() and written at the confirmed exit;
    // without one (tests, benchmarks) the settings last for the run only.
    // With Preferences::Defaults nothing of kerubara.conf is read or kept.
    explicit Simulator(std::optional<SettingsFilePaths> settingsFile = std::nullopt,
                       Preferences preferences = Preferences::Remembered);
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // The windows and the modules, created by the constructor in the order
    // start-up needs them: the sound channels, the fare panel, the unit's
    // engine with its announcement tape, and the control panel that drives
    // it. The options window, a view of the settings, is made the first
    // time it is wanted (a render never makes one).
    Form1 &form1() { return *form1_; }
    frmOption &option();
    bool hasOptionWindow() const { return option_ != nullptr; }
    frmCtl &ctl() { return *ctl_; }
    // The fare editor, made the first time the console asks for it; shown
    // on the route that is set (its file opened, once unsaved changes are
    // settled) with the columns the settings read named.
    void editFares(const QString &farePath);
    frmFareEdit *fareEditor() { return fareEdit_.get(); }
    SoundSystem &sound() { return *sound_; }
    // The unit's behaviour, which the control panel drives and the panel shows.
    OperationEngine &engine() { return *engine_; }
    mdlM_Tape &tape() { return engine_->tape(); }

    // Start-up, in this order: the fare digits to 0; the options' start-up
    // defaults, the built-in panel picture and the settings applied to the
    // panel; the control panel's load (caption, keypad, speech engine); the
    // panel's remembered magnification, fare digits and pages of ticket
    // numbers (with Preferences::Remembered); both windows placed and shown;
    // last, the settings file read and applied.
    void start();

    // Ends the program after the control panel's confirmed exit.
    void endProgram();

    // The settings as they are now applied to the panel and the console:
    // the panel's look, the backlight state's picture and label colour.
    void applyPanelSettings();
    // The chosen ticket plug-in's preview size and companies to the console.
    void applyTicketPlugin();

    // The settings file this run reads and writes, if any.
    const std::optional<SettingsFilePaths> &settingsFile() const { return settingsFile_; }

    // The run's settings: the settings file's records and the program's
    // preferences; the unit reads them here, the options window shows them.
    SettingsModel &settings() { return *settings_; }

private:
    // The panel shows what the unit tells it.
    void connectPanel();
    // The panel and the console take what the options window applies.
    void connectOptions(frmOption &options);
    // The console's format-dialog guard and its confirmed exit.
    void connectConsole();

    std::optional<SettingsFilePaths> settingsFile_;
    // The settings before everything that reads them.
    std::unique_ptr<SettingsModel> settings_;

public:
    // The settings records (the model's): what the settings file carries
    // (CustColors lives only here).
    SettingsRecords &ini;

private:
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<frmOption> option_;
    std::unique_ptr<OperationEngine> engine_;

public:
    // The unit's operating state (the engine's).
    OperatingState &state;

private:
    std::unique_ptr<frmCtl> ctl_;
    std::unique_ptr<frmFareEdit> fareEdit_;
};

} // namespace kerubara
