// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

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

namespace Ui {
class frmOption;
}

namespace kerubara {

class ColorButton;
class M_Degit;

// The controls of the options window, by the names its settings and
// handlers go by. The window owns them (as their Qt parent) and keeps them
// to itself: the rest of the program reads a setting through the window's
// typed accessors.
struct frmOptionControls
{
    frmOptionControls() = default;
    // The controls of the options form, under the names here: the form's
    // object "Text2_0" is Text2[0].
    explicit frmOptionControls(const Ui::frmOption &form);

    // Page tabs and pages.
    std::array<QAbstractButton *, 6> Option1{};
    std::array<QGroupBox *, 6> Frame1{};
    QPushButton *Command4 = nullptr; // "OK"
    // The language of the words, a preference (kept outside the settings
    // file), and the note that it applies from the next start.
    QComboBox *cboLanguage = nullptr;
    QLabel *lblLanguageNote = nullptr;

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
    // The stop request's chime (kept outside the settings file).
    QLineEdit *txtStopRequestSound = nullptr;
    QPushButton *cmdStopRequestSound = nullptr;

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
};

} // namespace kerubara
