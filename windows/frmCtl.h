// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "operation/OperationEngine.h"
#include "settings/SettingsModel.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <cstdint>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kerubara {

class AutoRunPanel;
class DigitList;
class PictureBox;
class Form1;
struct CtrlDataRecord;

// The control panel "集中操作盤": the driver's console beside the fare panel.
// Route entry (digit lists or keypad), route setting, stepping, display
// clear, late-night fare, backlight, the stop-name scroll sliders, the
// announcement buttons, the numbered-ticket preview, options and version.
// Closing it (after the question) ends the program.
//
// Keys press the buttons they stand for, from whichever of the two windows
// has the focus (each button's tool tip names its key): 0-9 the keypad's
// digits, R 系統, S 区間 (the keypad comes to the front), Enter the リセット of
// the entry in front, → and Page Down データ送り, ← and Page Up データ戻し,
// Space, Backspace and Esc the announcement buttons 送り, 戻し and ■, Delete
// 表示消去, N 深夜料金, P 降車ボタン, B the next backlight state, A 自動運行.
// A key does nothing while its button is disabled.
class frmCtl : public QWidget
{
    Q_OBJECT

public:
    // Drives `engine`, beside the fare panel `panel`, with the settings of
    // `settings`; keeps its place in `place`. All outlive the window. The
    // times of 自動運行 are among the settings' preferences.
    frmCtl(OperationEngine &engine, Form1 &panel, SettingsModel &settings, CtrlDataRecord &place,
           QWidget *parent = nullptr);
    ~frmCtl() override;

    // The window's load handler: the panel's caption, the keypad's rounded
    // buttons, then the speech engine.
    void Form_Load();

    // Redraws everything that depends on the stop shown: row nIndex (1..301).
    void DispData(std::int16_t nIndex);
    // Backlight: swaps the panel picture to the state's and recolours the
    // ticket-number labels (0 OFF, 1 ON1, 2 ON2).
    void Option4_Click(std::int16_t index);
    // The backlight state chosen (0 OFF, 1 ON1, 2 ON2), and the same applied
    // again (after the panel's pictures or colours changed).
    std::int16_t backlightState() const;
    void reapplyBacklight();
    // The company list: the names of the plug-in at `pluginPath` added (none
    // chosen), or the list emptied.
    void addCompanies(const QString &pluginPath);
    void clearCompanies();
    // What the ticket plug-in at `pluginPath` gives the console: the
    // preview's size and, when the plug-in has them, its companies. A path
    // that is empty or no plug-in changes nothing (false).
    bool useTicketPlugin(const QString &pluginPath);
    void GetCtrlDataInfo();
    void SetCtrlDataInfo();

    // Handlers, named after their controls.
    void Command1_Click(int index);       // route setting
    void Command2_Click(int index);       // step back (0) / forward (1)
    void Check1_Click();                  // display clear
    void CommandButton1_Click(int index); // keypad
    void List2_Click(int index);
    void List3_Click(int index);
    void Frame1_DblClick(int index);
    void HScroll1_Change(int index);
    void Check4_Click();
    void Combo1_Click();                  // company chosen: the ticket shows it
    void MnuHideCopy_Click();
    void Command4_Click();
    // 運賃表の編集 (Ctrl+E, or the console's context menu): asks for the
    // fare editor on the fare data of the route that is set.
    void editFares();
    void Command8_Click();
    void cmdTapeNext_Click();
    void cmdTapeBack_Click();
    void cmdTapeSet_Click();
    void cmdTapeStop_Click();

    // The version text shown by Command8.
    static QString versionText();

    // Route entry by digit lists.
    std::array<QGroupBox *, 2> Frame1{};
    std::array<DigitList *, 5> List2{};
    std::array<DigitList *, 3> List3{};
    std::array<QPushButton *, 2> Command1{};
    // Route entry by keypad.
    std::array<QPushButton *, 12> CommandButton1{};
    std::array<QLabel *, 3> Label2{};
    // Stepping and display.
    std::array<QPushButton *, 2> Command2{};
    QPushButton *Check1 = nullptr; // "表示消去", a toggle
    QPushButton *cmdStopRequest = nullptr; // "降車ボタン"
    QGroupBox *Frame6 = nullptr;
    QCheckBox *Check2 = nullptr;   // "深夜料金"
    std::array<QScrollBar *, 2> HScroll1{};
    std::array<QLabel *, 2> Label1{};
    std::array<QLabel *, 2> Label3{};
    // Backlight.
    QGroupBox *Frame2 = nullptr;
    std::array<QRadioButton *, 3> Option4{}; // OFF, ON1, ON2
    // Announcements.
    QGroupBox *grpM_Tape = nullptr;
    QPushButton *cmdTapeSet = nullptr;
    QPushButton *cmdTapeBack = nullptr;
    QPushButton *cmdTapeNext = nullptr;
    QPushButton *cmdTapeStop = nullptr;
    // Options, version, ticket preview.
    QPushButton *Command4 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Check4 = nullptr; // ">>" / "<<", a toggle
    QLabel *Label4 = nullptr;
    PictureBox *picSeirikenPrev = nullptr;
    // 自動運行 with its dwell and travel times (key A); any operating button
    // the driver presses stops it.
    AutoRunPanel *autoRun = nullptr;
    QComboBox *Combo1 = nullptr;
    QMenu *MnuHide = nullptr;

    // Sizes the ticket preview for a plug-in's Width x Height: as it is when
    // it fits the preview pane, else scaled down to fit, keeping its shape
    // (the ticket is drawn at that size, never cropped).
    void setTicketPreviewSize(const QSize &design);

    // Puts the window's outer frame in the bottom-right corner of the
    // screen's available area (clear of task bars). Placed again with the
    // real frame once the window manager has decorated the window, unless
    // the user has moved it by then.
    void placeAtBottomRight();

    // The unit this console drives (busy, queue and state are the unit's).
    // A close request that arrives while the unit is busy is asked once the
    // unit is free; 設定... is ignored meanwhile.
    OperationEngine &engine() { return engine_; }
    bool isBusy() { return engine().isBusy(); }
    std::size_t queuedPresses() { return engine().queuedPresses(); }

signals:
    // The user confirmed the exit; the panel's strip is blank. What remains
    // is the program's: sounds closed, settings saved, the end.
    void exitConfirmed();
    // オプション: the options window is wanted, modally, now; both windows
    // are disabled until it returns.
    void optionsRequested();
    // 運賃表の編集: the fare editor is wanted, on `farePath` (the route that
    // is set), or on what it holds when no route is set (empty).
    void fareEditRequested(const QString &farePath);

public:
    // Form variables.
    std::int16_t nBackFrame = 0;
    bool bKeyRoute = false;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Builds the controls from the form and points the members at them.
    void takeForm();
    // Draws the ticket into the preview, or clears it when the preview is
    // off; the company is the one chosen in Combo1.
    void drawTicketPreview(const TicketInfo &ticket);
    // 表示消去: the entry, steps, sliders and tape frame follow it.
    void showDisplayCleared(bool clear);
    void connectHandlers();
    void connectKeys();
    void connectEngine();
    void buildAutoRun(PreferenceStore &preferences);
    // What a key stands for at the moment it is pressed.
    QAbstractButton *keypadKey(int index);
    QAbstractButton *nextBacklight() const;
    void shapeKeypad();
    // The route and section digits of the pressed "リセット".
    void readEntry(int index, QString &route, QString &section) const;


    OperationEngine &engine_;
    Form1 &panel_;
    SettingsModel &settings_;
    CtrlDataRecord &place_;
    bool closeRequested_ = false;
    int frontFrame_ = 0; // the entry frame in front: 0 digit lists, 1 keypad
    // Where SetCtrlDataInfo left the window; nothing before it has run.
    std::optional<QPoint> restoredAt_;
};

} // namespace kerubara
