// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace kerubara {

// One digit of the route or section entry: a list of "0" to "9" with no item
// chosen at first. Choosing a digit with the keyboard announces itself like a
// click does, since the console answers both with the same sound.
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
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kerubara
