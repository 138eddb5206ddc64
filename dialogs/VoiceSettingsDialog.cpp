// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/VoiceSettingsDialog.h"

#include <QCoreApplication>

#include "dialogs/VoiceMessages.h"
#include "reslib/MsgBox.h"
#include "reslib/ResDialogs.h"
#include "sound/VoiceEngine.h"
#include "ui_VoiceSettingsDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace kerubara {

VoiceSettingsDialog::VoiceSettingsDialog(VoiceEngine &engine, QWidget *owner, const QString &title)
    : QDialog(owner), engine_(engine), original_(engine.settings()), chosen_(engine.voice())
{
    Ui::VoiceSettingsDialog form;
    form.setupUi(this);
    // The tape names the dialog in Japanese (mdlM_Tape::voiceDialogTitle);
    // its translation is gathered here, below the layer that names it.
    static_cast<void>(QT_TRANSLATE_NOOP("VoiceSettingsDialog", "音声の調節"));
    setWindowTitle(QCoreApplication::translate("VoiceSettingsDialog", title.toUtf8().constData()));
    voices_ = form.voiceList;
    copy_ = form.copyButton;
    if (const QString notice = voiceNoticeText(engine.notice()); !notice.isEmpty())
        form.noticeLabel->setText(notice);
    else
        delete form.noticeLabel; // nothing to say: no line for it

    // Each slider's range is the value's own, its label the value with its
    // unit, wide enough for any value so that moving it does not shift it.
    auto setUp = [this](QSlider *slider, QLabel *label, int minimum, int maximum, int value, const QString &unit) {
        slider->setRange(minimum, maximum);
        slider->setValue(value);
        auto show = [label, unit](int v) { label->setText(unit.arg(v)); };
        show(value);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(unit.arg(-999)));
        connect(slider, &QSlider::valueChanged, label, show);
        connect(slider, &QSlider::valueChanged, this, &VoiceSettingsDialog::valuesChanged);
        return slider;
    };
    rate_ = setUp(form.rateSlider, form.rateValue, VoiceSettings::kMinRate, VoiceSettings::kMaxRate, original_.rate,
                   QStringLiteral("%1 %"));
    pitch_ = setUp(form.pitchSlider, form.pitchValue, VoiceSettings::kMinPitch, VoiceSettings::kMaxPitch, original_.pitch,
                    tr("%1 半音"));
    volume_ = setUp(form.volumeSlider, form.volumeValue, VoiceSettings::kMinVolume, VoiceSettings::kMaxVolume,
                     original_.volume, QStringLiteral("%1 %"));
    allPass_ = setUp(form.allPassSlider, form.allPassValue, VoiceSettings::kMinAllPass, VoiceSettings::kMaxAllPass,
                      original_.allPass == VoiceSettings::kVoicesOwn ? engine.ownAllPass() : original_.allPass,
                      QStringLiteral("0.%1"));
    allPassMoved_ = original_.allPass != VoiceSettings::kVoicesOwn;

    QDialogButtonBox *buttons = form.buttons;
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    QPushButton *sample = buttons->addButton(tr("試聴"), QDialogButtonBox::ActionRole);
    sample->setObjectName(QStringLiteral("sampleButton"));
    connect(sample, &QPushButton::clicked, this, &VoiceSettingsDialog::playSample);
    connect(copy_, &QPushButton::clicked, this, &VoiceSettingsDialog::addVoiceFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &VoiceSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VoiceSettingsDialog::reject);

    fillVoices();
    connect(voices_, &QListWidget::currentRowChanged, this, &VoiceSettingsDialog::voiceChosen);
    showVoice();
}

void VoiceSettingsDialog::fillVoices()
{
    const QSignalBlocker block(voices_);
    voices_->clear();
    QList<VoiceEntry> entries = voices::list(engine_.places());
    if (std::none_of(entries.begin(), entries.end(), [this](const VoiceEntry &e) { return e.file == chosen_; }))
        entries.insert(0, VoiceEntry{chosen_, QFileInfo(chosen_).completeBaseName(), VoiceEntry::Source::Own});
    for (const VoiceEntry &e : entries) {
        QString text = e.name;
        if (e.source == VoiceEntry::Source::Own)
            text = tr("%1（自分の音声）").arg(e.name);
        else if (e.source == VoiceEntry::Source::Espeak)
            text = tr("%1（アクセントなし）").arg(e.name);
        auto *item = new QListWidgetItem(text, voices_);
        item->setData(Qt::UserRole, e.file);
        item->setToolTip(e.file);
    }
    selectVoice(chosen_);
}

void VoiceSettingsDialog::selectVoice(const QString &file)
{
    const QSignalBlocker block(voices_);
    for (int i = 0; i < voices_->count(); ++i) {
        if (voices_->item(i)->data(Qt::UserRole).toString() == file)
            voices_->setCurrentRow(i);
    }
}

void VoiceSettingsDialog::voiceChosen()
{
    const QListWidgetItem *item = voices_->currentItem();
    if (!item)
        return;
    const QString file = item->data(Qt::UserRole).toString();
    if (file == chosen_)
        return;
    const VoiceFileCheck check = engine_.useVoice(file);
    if (!check.ok()) {
        MsgBox(tr("%1: 音声ファイルとして使えません（%2）。今の声のままにします。").arg(file, voiceFaultText(check)),
               vbExclamation, windowTitle());
        selectVoice(chosen_);
        return;
    }
    chosen_ = file;
    voiceChanged_ = true;
    // Each HTS voice has an all-pass constant of its own; espeak-ng has none.
    if (engine_.voice() != VoiceSettings::espeak()) {
        const QSignalBlocker block(allPass_);
        allPass_->setValue(engine_.ownAllPass());
    }
    allPassMoved_ = false;
    showVoice();
    valuesChanged();
}

void VoiceSettingsDialog::showVoice()
{
    allPass_->setEnabled(engine_.voice() != VoiceSettings::espeak());
}

void VoiceSettingsDialog::addVoiceFile()
{
    const QString file = Zr7FileDlg(this, 0, {FileFilter{tr("HTS 音声 (*.htsvoice)"), QStringLiteral("*.htsvoice")}}, {},
                                    tr("追加する音声ファイル"));
    if (file.isEmpty())
        return;
    const voices::Copy copy = voices::copyOwn(file, engine_.places());
    if (!copy.check.ok()) {
        MsgBox(tr("%1: 音声ファイルとして使えません（%2）。コピーしていません。").arg(file, voiceFaultText(copy.check)),
               vbExclamation, windowTitle());
        return;
    }
    if (copy.copied.isEmpty()) {
        MsgBox(tr("%1: 自分の音声のフォルダ %2 にコピーできません（%3）。").arg(file, engine_.places().own, copy.error),
               vbExclamation, windowTitle());
        return;
    }
    fillVoices();
    for (int i = 0; i < voices_->count(); ++i) {
        if (voices_->item(i)->data(Qt::UserRole).toString() == copy.copied)
            voices_->setCurrentRow(i);
    }
}

VoiceSettings VoiceSettingsDialog::values() const
{
    VoiceSettings v;
    v.rate = rate_->value();
    v.pitch = pitch_->value();
    v.volume = volume_->value();
    v.allPass = allPassMoved_ ? allPass_->value() : VoiceSettings::kVoicesOwn;
    v.voice = voiceChanged_ ? chosen_ : original_.voice;
    return v;
}

void VoiceSettingsDialog::setValues(const VoiceSettings &values)
{
    rate_->setValue(values.rate);
    pitch_->setValue(values.pitch);
    volume_->setValue(values.volume);
    if (values.allPass != VoiceSettings::kVoicesOwn)
        allPass_->setValue(values.allPass);
}

void VoiceSettingsDialog::valuesChanged()
{
    if (sender() == allPass_)
        allPassMoved_ = true;
    VoiceSettings v = values();
    v.voice = engine_.settings().voice;
    engine_.applySettings(v);
}

void VoiceSettingsDialog::playSample()
{
    valuesChanged();
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
