// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Preferences.h"

#include <QWidget>

class QPushButton;
class QSpinBox;

namespace kerubara {

class AutoRun;
class OperationEngine;

// The console's 自動運行: a toggle that runs the trip by itself from the stop
// shown (operation/AutoRun), beside the dwell and travel times in seconds,
// which are the run's preferences (remembered in kerubara.conf unless the
// run starts from the defaults). It is usable once a route is set and
// springs back when the run ends at the last stop or stop() ends it.
class AutoRunPanel : public QWidget
{
    Q_OBJECT

public:
    AutoRunPanel(OperationEngine &unit, PreferenceStore &preferences, QWidget *parent = nullptr);
    ~AutoRunPanel() override;

    QPushButton *button() const { return button_; }
    QSpinBox *dwellSeconds() const { return dwell_; }
    QSpinBox *travelSeconds() const { return travel_; }
    bool isRunning() const;
    // The driver pressed an operating button: the run stops (the press
    // itself is the button's).
    void stop();

private:
    void toggle(bool on);

    AutoRun *run_ = nullptr;
    QPushButton *button_ = nullptr;
    QSpinBox *dwell_ = nullptr;
    QSpinBox *travel_ = nullptr;
};

} // namespace kerubara
