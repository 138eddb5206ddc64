// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/ColorButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace kerubara {

ColorButton::ColorButton(QWidget *parent) : QPushButton(parent)
{
    setAutoFillBackground(false);
}

void ColorButton::setBackColor(OleColor color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
    emit colorChanged(color);
}

void ColorButton::paintEvent(QPaintEvent *)
{
    // A raised button face filled with the colour, so the colour shows in
    // every widget style.
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
    const QRect inner = rect().adjusted(4, 4, -4, -4);
    p.fillRect(inner, toQColor(color_));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Dark));
    p.drawRect(inner.adjusted(0, 0, -1, -1));
}

} // namespace kerubara
