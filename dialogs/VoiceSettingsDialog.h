// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/VoiceSettings.h"

#include <QDialog>

class QSlider;

namespace kerubara {

class VoiceEngine;

// The speech engine's settings dialog: rate, pitch and volume, each a slider
// with its value, and "試聴" to hear a sample with the values as they stand.
// Moving a slider takes effect at once; OK saves the values, Cancel (or
// closing the dialog) puts the previous ones back.
class VoiceSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    VoiceSettingsDialog(VoiceEngine &engine, QWidget *owner, const QString &title);

    VoiceSettings values() const;
    void setValues(const VoiceSettings &values);

    void accept() override;
    void reject() override;

public slots:
    // Speaks the sample sentence with the values as they stand.
    void playSample();

private:
    void valuesChanged();

    VoiceEngine &engine_;
    const VoiceSettings original_;
    QSlider *rate_ = nullptr;
    QSlider *pitch_ = nullptr;
    QSlider *volume_ = nullptr;
};

} // namespace kerubara
