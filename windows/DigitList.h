// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace kerubara {

// One digit of the route or section entry: a list of "0" to "9" with no item
// chosen at first. Choosing a digit with the keyboard announces itself like a
// click does, since the console answers both with the same sound. A digit key
// typed into a list the user has put the focus in (by a click or the tab
// key) chooses that digit there, before the console's own key for the digit
// (the keypad); a list that only got the focus with its window leaves digits
// to the keypad.
class DigitList : public QListWidget
{
    Q_OBJECT

public:
    explicit DigitList(QWidget *parent = nullptr);

    // The chosen digit's text, empty while none is chosen.
    QString chosenDigit() const;

signals:
    // A key press chose another digit.
    void keyboardSelected();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool takesDigits_ = false;
};

} // namespace kerubara
