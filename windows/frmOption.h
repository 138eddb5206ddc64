// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/OperationSettings.h"
#include "reslib/OleColor.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <cstdint>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kerubara {

// The ticket plug-in setting, as messages name it.
inline const QString kPluginSetting = QStringLiteral("整理券プラグイン");

class ColorButton;
class M_Degit;
class Simulator;

// The options window "オプション". Its controls are where the settings live
// while the program runs: every other part reads a setting from the control
// that holds it, at the moment it needs it. The window is created hidden at
// start-up, shown modally from the control panel, and OK (or closing it) only
// hides it, so nothing is lost.
class frmOption : public QDialog, public OperationSettings
{
    Q_OBJECT

public:
    explicit frmOption(Simulator &sim, QWidget *parent = nullptr);
    ~frmOption() override;

    // Applies every panel-related setting to the fare panel.
    void SetProp();
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

    // Data folders as typed; empty means the folder the program started in.
    QString fareDataFolder() const override;       // Text2(0)
    QString broadcastDataFolder() const override;  // Text2(1)

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
    void Command5_Click(int index);
    void Command8_Click(int index);
    void Command9_Click(int index);
    void Command7_Click();
    void Command1_Click();
    void Command11_Click();
    void Command4_Click();

    // Page tabs and pages.
    std::array<QAbstractButton *, 6> Option1{};
    std::array<QGroupBox *, 6> Frame1{};
    QPushButton *Command4 = nullptr; // "OK"

    // Page 0: data folders.
    std::array<QLineEdit *, 2> Text2{};
    std::array<QPushButton *, 2> Command3{};
    std::array<QPushButton *, 2> Command10{};

    // Page 1: panel and ticket numbers.
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    std::array<ColorButton *, 3> Command5{};
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check2 = nullptr;
    QGroupBox *Frame4 = nullptr;
    std::array<QRadioButton *, 8> Option3{};
    std::array<QGroupBox *, 3> Frame6{};
    std::array<QLineEdit *, 3> txtSelectPanel{};
    std::array<QPushButton *, 3> Command6{};

    // Page 2: digit parts and information digits.
    std::array<QGroupBox *, 2> Frame5{};
    std::array<ColorButton *, 3> Command8{};
    M_Degit *M_Degit1 = nullptr;
    std::array<QCheckBox *, 5> Check3{};
    std::array<QComboBox *, 5> Combo4{};

    // Page 3: stop name.
    QGroupBox *Frame11 = nullptr;
    QGroupBox *Frame12 = nullptr;
    std::array<ColorButton *, 3> Command9{};
    QComboBox *Combo3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QComboBox *Combo6 = nullptr;
    QComboBox *Combo5 = nullptr;
    QCheckBox *Check5 = nullptr;

    // Page 4: sounds (there is no member 2).
    std::array<QLineEdit *, 11> txtSelectSound{};
    std::array<QPushButton *, 11> cmdSelectSound{};
    std::array<QAbstractButton *, 2> Option5{};
    std::array<QGroupBox *, 2> Frame2{};
    std::array<QRadioButton *, 4> Option2{};
    QComboBox *Combo1 = nullptr;
    QGroupBox *Frame8 = nullptr;
    QGroupBox *Frame9 = nullptr;
    std::array<QRadioButton *, 2> Option6{};
    std::array<QRadioButton *, 2> Option7{};

    // Page 5: ticket preview.
    QCheckBox *chkUseSeiriPrev = nullptr;
    QGroupBox *Frame10 = nullptr;
    QLineEdit *txtSeiriPlgDir = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command11 = nullptr;
    QListWidget *List1 = nullptr;
    QPlainTextEdit *txtPlginComment = nullptr;
    QGroupBox *Frame7 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    QLabel *Label10 = nullptr;
    QPushButton *Command7 = nullptr;

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

    Simulator &sim_;
    QHash<QString, QWidget *> settingControls_;
};

} // namespace kerubara
