#pragma once

#include "reslib/OleColor.h"

#include <QDialog>

#include <array>
#include <cstdint>

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

class ColorButton;
class M_Degit;
class Simulator;

// The options window "オプション". Its controls are where the settings live
// while the program runs: every other part reads a setting from the control
// that holds it, at the moment it needs it. The window is created hidden at
// start-up, shown modally from the control panel, and OK (or closing it) only
// hides it, so nothing is lost.
class frmOption : public QDialog
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
    // The folder dialog; the chosen folder or the empty text.
    QString GetPathString();

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
    void Form_Load();

    Simulator &sim_;
};

} // namespace kerubara
