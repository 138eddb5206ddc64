// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/VoiceSettings.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace kerubara {

class VoiceEngine;

// The speech engine's settings dialog (音声の調節): the voices to choose (the
// installed HTS voices, the user's own and espeak-ng), a button that copies a
// voice file the user picked into their own folder, and sliders for rate,
// pitch in half-tones, volume and, for an HTS voice, the all-pass constant
// (声質); "試聴" speaks a sample with the values as they stand. Choosing a
// voice or moving a slider takes effect at once; OK has the engine keep the
// values, Cancel (or closing the dialog) puts the previous ones back. A voice file that is
// refused is named with the reason, and the voice speaking stays.
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
    // Asks for a voice file, copies it into the user's folder and chooses it.
    void addVoiceFile();

private:
    void fillVoices();
    void selectVoice(const QString &file);
    void voiceChosen();
    void valuesChanged();
    void showVoice();

    VoiceEngine &engine_;
    const VoiceSettings original_;
    QString chosen_;      // the voice chosen in the list
    bool voiceChanged_ = false;
    bool allPassMoved_ = false;
    QListWidget *voices_ = nullptr;
    QPushButton *copy_ = nullptr;
    QSlider *rate_ = nullptr;
    QSlider *pitch_ = nullptr;
    QSlider *volume_ = nullptr;
    QSlider *allPass_ = nullptr;
};

} // namespace kerubara
