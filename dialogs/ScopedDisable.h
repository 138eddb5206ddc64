// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

namespace kerubara {

// Disables a widget for as long as the object lives, so it takes no input
// while another window works on its behalf. On leaving the scope, however
// that happens, the widget is enabled again, unless it had been disabled
// already or has been destroyed meanwhile.
class ScopedDisable
{
public:
    explicit ScopedDisable(QWidget &widget)
        : widget_(&widget), wasDisabled_(widget.testAttribute(Qt::WA_ForceDisabled))
    {
        widget.setEnabled(false);
    }
    ~ScopedDisable()
    {
        if (widget_ && !wasDisabled_)
            widget_->setEnabled(true);
    }
    ScopedDisable(const ScopedDisable &) = delete;
    ScopedDisable &operator=(const ScopedDisable &) = delete;

private:
    QPointer<QWidget> widget_;
    bool wasDisabled_;
};

} // namespace kerubara
