// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/OperationSettings.h"
#include "reslib/OleColor.h"
#include "windows/PanelLook.h"
#include "settings/Preferences.h"
#include "windows/frmOptionControls.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <cstdint>
#include <optional>


namespace kerubara {

// The ticket plug-in setting, as messages name it.
inline const QString kPluginSetting = QStringLiteral("整理券プラグイン");

class ColorButton;
struct SettingsRecords;

// The options window "オプション". Its controls are where the settings live
// while the program runs: every other part reads a setting from the control
// that holds it, at the moment it needs it. The window is created hidden at
// start-up, shown modally from the control panel, and OK (or closing it) only
// hides it, so nothing is lost.
class frmOption : public QDialog, public OperationSettings, private frmOptionControls
{
    Q_OBJECT

public:
    // Copies settings to and from `ini` (which outlives the window). The
    // stop request's chime, which the settings file has no place for, is
    // one of the run's `preferences` (which outlive the window too).
    explicit frmOption(SettingsRecords &ini, PreferenceStore &preferences, QWidget *parent = nullptr);
    ~frmOption() override;

    // Applies every panel-related setting to the fare panel: the panel's
    // look, then the backlight state again (panelLookChanged, then
    // backlightChanged).
    void SetProp();
    // The look the panel settings give the fare panel.
    PanelLook panelLook() const;
    // The start-up defaults of the panel settings: ticket numbers shown, in
    // the start-up label colours.
    void setStartupPanelDefaults();
    // Lets the user choose the colour of one of the colour buttons.
    void GetBtnColor(ColorButton *button);
    // Fills Combo2 with the twelve ticket-number styles and chooses the first.
    void AddComboItem();
    // Copies every setting from its control into the settings records, and
    // back. Restoring raises the handlers of the check boxes and option
    // buttons it changes, re-applies the control panel's backlight after the
    // panel pictures, shows the digit colours on the sample digit and ends
    // with SetPlgin; a stored list index outside its list throws VbError 380.
    void GetOptionInfo();
    void SetOptionInfo();
    // The folder dialog; the chosen folder or the empty text.
    QString GetPathString();

    // ---- The settings by name -------------------------------------------
    // What the rest of the program reads, each read from its control at the
    // moment of the call, with the control's value encoding applied.

    // The settings file the folders and files are written in: a relative
    // one lies in that file's folder (the boxes keep it as written).
    void setSettingsFile(const QString &file);

    // Data folders as typed, a relative one in the settings file's folder;
    // empty means the folder the program started in.
    QString fareDataFolder() const override;       // Text2(0)
    QString broadcastDataFolder() const override;  // Text2(1)
    void setBroadcastDataFolder(const QString &folder);

    // Sound files. A click on a route or section digit and route setting.
    QString routeSettingSound() const override;    // txtSelectSound(0)
    QString keySound() const;             // txtSelectSound(1)
    // The step sound: one sound at every step, or one by a flag column.
    bool stepSoundAlways() const override;         // Option2(0)
    QString stepSoundFile() const override;        // txtSelectSound(7)
    // The sound of flag 1..3 of the flag column; empty for any other flag.
    QString stepSoundFile(int flag) const override; // txtSelectSound(8..10)
    // The fare data column (1-based) holding the step-sound flag, 0 for none.
    int stepSoundFlagColumn() const override;      // Combo1
    // The wait flag PlaySnd takes for the step sound (-1 waits, 0 not).
    std::int16_t stepSoundWait() const override;   // Option6(0)
    // The announcement tape's sounds: txtSelectSound(index) for 3..6.
    QString tapeSoundFile(int index) const override;
    bool preBroadcastSoundAlways() const override; // Option2(2)
    bool preBroadcastSoundWaits() const override;  // Option7(0)

    // The date printed on the ticket.
    using TicketDateMode = OperationSettings::TicketDateMode;
    TicketDateMode ticketDateMode() const override; // Option4(0..2)
    QString fixedTicketDate() const override;       // Label10
    bool ticketPreviewInUse() const;       // chkUseSeiriPrev
    QString ticketPluginPath() const;      // txtSeiriPlgDir

    // The information digits: the fare digit (1-based; 0 is the panel's
    // hidden display) a kind is written to, or nothing when it is off.
    using InfoDigit = OperationSettings::InfoDigit;
    std::optional<int> infoDigit(InfoDigit kind) const override; // Check3(0..3), Combo4(0..3)
    bool stopOrderFromZero() const override;        // Check3(4)
    // The fare data column (1-based) of the data-column digit, 0 for none.
    int infoDataColumn() const override;            // Combo4(4)

    // The stop-name prefix mode: 0 none, 1 small "は", 2 same size.
    std::int16_t tsugiwaMode() const override;      // Combo6
    // The stop request's chime: the user's file, else the built-in chime.
    QString stopRequestSound() const override;
    void setTsugiwaMode(std::int16_t mode);
    // The ticket numbers' style (0..11) and their leading zero.
    void setTicketNumberStyle(std::int16_t style); // Combo2
    void setLeadingZero(bool on);                  // Check2

    // The backlight state's label colour, and its own picture file when the
    // user chose one for that state (0 OFF, 1 ON1, 2 ON2).
    OleColor backlightLabelColor(int state) const;           // Command5(state)
    std::optional<QString> userPanelPicture(int state) const; // Option3, txtSelectPanel

    // Loads what the ticket plug-in at `path` can print into page 5 (the
    // list and the notes) and the control panel (the preview's size, the
    // company list). 0 when nothing was loaded: an empty path, or a file that
    // is no valid plug-in (then nothing changes).
    std::int32_t SetPlgin(const QString &path);

    // Handlers, named after the controls they belong to.
    void Option1_Click(int index);
    void Option5_Click(int index);
    void Check1_Click();
    void Check3_Click(int index);
    void Option3_Click(int index);
    void chkUseSeiriPrev_Click();
    void Command3_Click(int index);
    void Command10_Click(int index);
    void Command6_Click(int index);
    void cmdSelectSound_Click(int index);
    void cmdStopRequestSound_Click();
    void Command5_Click(int index);
    void Command8_Click(int index);
    void Command9_Click(int index);
    void Command7_Click();
    void Command1_Click();
    void Command11_Click();
    void Command4_Click();

    // The controls themselves, for tests and benchmarks that work the window
    // as a user would. The program never uses them (scripts/check-layers.sh).
    const frmOptionControls &controlsForTesting() const { return *this; }

signals:
    // The panel settings apply: the panel takes this look.
    void panelLookChanged(const PanelLook &look);
    // The backlight state's picture and label colour apply again.
    void backlightChanged();
    // A ticket plug-in was loaded: the preview takes its size (design
    // pixels), and the plug-in at `pluginPath` lists companies to choose.
    void ticketPreviewSizeChanged(const QSize &design);
    void companiesListed(const QString &pluginPath);
    // The company list empties before a plug-in is chosen.
    void companiesCleared();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void buildTabs();
    void buildDataPage();
    void buildPanelPage();
    void buildDigitPage();
    void buildStopNamePage();
    void buildSoundPage();
    void buildPreviewPage();
    void connectHandlers();
    // The path boxes refuse a text the settings file cannot hold.
    void guardPathBoxes();
    void Form_Load();
    // The controls holding the settings file's settings, by the settings'
    // names ("Combo4(3)"), gathered on first use.
    const QHash<QString, QWidget *> &settingControls();

    // A folder or file as typed, as the program uses it (pathFromSettings).
    QString usedPath(const QString &typed) const;

    SettingsRecords &ini_;
    QHash<QString, QWidget *> settingControls_;
    QString settingsFile_;
};

} // namespace kerubara
