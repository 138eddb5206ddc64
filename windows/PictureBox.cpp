// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kerubara {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void PictureBox::Cls()
{
    image_.fill(Qt::white);
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    // The drawing keeps what it had where the new size still holds it.
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(Qt::white);
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
    image_ = grown;
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit rightClicked(event->pos());
}

} // namespace kerubara
