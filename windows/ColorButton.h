// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"

#include <QPushButton>

namespace kerubara {

// A command button that holds a colour setting and shows it as its background.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);

    OleColor BackColor() const { return color_; }
    void setBackColor(OleColor color);

signals:
    void colorChanged(kerubara::OleColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    OleColor color_ = rgb(192, 192, 192);
};

} // namespace kerubara
