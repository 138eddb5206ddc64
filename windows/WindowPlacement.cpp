// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WindowPlacement.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace kerubara {

void whenFramed(QWidget &window, const std::function<void()> &check)
{
    // No event of Qt's tells the moment for certain.
    for (int delay : {0, 250, 1000, 2500})
        QTimer::singleShot(delay, &window, check);
}

void keepOnScreen(QWidget &window)
{
    QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window's outer frame, decorations included once the window manager
    // has placed it; the frame's size follows the new client width at once.
    const QRect frame = window.frameGeometry();
    const int frameWidth = frame.width() - window.geometry().width() + window.width();
    const int frameHeight = frame.height() - window.geometry().height() + window.height();
    int left = frame.left();
    int top = frame.top();
    if (left + frameWidth > area.right() + 1)
        left = area.right() + 1 - frameWidth;
    if (top + frameHeight > area.bottom() + 1)
        top = area.bottom() + 1 - frameHeight;
    left = std::max(left, area.left());
    top = std::max(top, area.top());
    if (left != frame.left() || top != frame.top())
        window.move(left, top);
}

void placeAtBottomRight(QWidget &window)
{
    QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    window.move(area.right() + 1 - frame.width(), area.bottom() + 1 - frame.height());
    const QPoint placedAt = window.pos();
    const QSize frameUsed = frame.size();
    whenFramed(window, [&window, placedAt, frameUsed] {
        if (window.pos() == placedAt && window.frameGeometry().size() != frameUsed)
            placeAtBottomRight(window);
    });
}

} // namespace kerubara
