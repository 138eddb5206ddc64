// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/VoiceSettingsDialog.h"

#include "sound/VoiceEngine.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace kerubara {

VoiceSettingsDialog::VoiceSettingsDialog(VoiceEngine &engine, QWidget *owner, const QString &title)
    : QDialog(owner), engine_(engine), original_(engine.settings())
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    auto row = [&](const QString &caption, int minimum, int maximum, int value) {
        auto *line = new QHBoxLayout;
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(minimum, maximum);
        slider->setValue(value);
        slider->setMinimumWidth(200);
        auto *label = new QLabel(QString::number(value), this);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        connect(slider, &QSlider::valueChanged, label, [label](int v) { label->setNum(v); });
        connect(slider, &QSlider::valueChanged, this, &VoiceSettingsDialog::valuesChanged);
        line->addWidget(slider);
        line->addWidget(label);
        form->addRow(caption, line);
        return slider;
    };
    rate_ = row(QStringLiteral("速さ"), VoiceSettings::kMinRate, VoiceSettings::kMaxRate, original_.rate);
    pitch_ = row(QStringLiteral("高さ"), VoiceSettings::kMinPitch, VoiceSettings::kMaxPitch, original_.pitch);
    volume_ = row(QStringLiteral("音量"), VoiceSettings::kMinVolume, VoiceSettings::kMaxVolume, original_.volume);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QPushButton *sample = buttons->addButton(QStringLiteral("試聴"), QDialogButtonBox::ActionRole);
    sample->setObjectName(QStringLiteral("sampleButton"));
    connect(sample, &QPushButton::clicked, this, &VoiceSettingsDialog::playSample);
    connect(buttons, &QDialogButtonBox::accepted, this, &VoiceSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VoiceSettingsDialog::reject);
    layout->addWidget(buttons);
}

VoiceSettings VoiceSettingsDialog::values() const
{
    VoiceSettings v;
    v.rate = rate_->value();
    v.pitch = pitch_->value();
    v.volume = volume_->value();
    return v;
}

void VoiceSettingsDialog::setValues(const VoiceSettings &values)
{
    rate_->setValue(values.rate);
    pitch_->setValue(values.pitch);
    volume_->setValue(values.volume);
}

void VoiceSettingsDialog::valuesChanged()
{
    engine_.applySettings(values());
}

void VoiceSettingsDialog::playSample()
{
    engine_.applySettings(values());
    engine_.VoiceSpeak(VoiceEngine::sampleText());
}

void VoiceSettingsDialog::accept()
{
    engine_.VoiceStop();
    engine_.setSettings(values());
    QDialog::accept();
}

void VoiceSettingsDialog::reject()
{
    engine_.VoiceStop();
    engine_.applySettings(original_);
    QDialog::reject();
}

} // namespace kerubara
