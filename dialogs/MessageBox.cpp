// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MessageBox.h"

#include "dialogs/QtResDialogs.h"
#include "dialogs/VoiceSettingsDialog.h"
#include "sound/VoiceEngine.h"

#include <QApplication>
#include <QMessageBox>

namespace kerubara {

int showMessageBox(const MsgBoxCall &call)
{
    QMessageBox box;
    const int icon = call.style & 0x70;
    box.setIcon(icon == vbCritical      ? QMessageBox::Critical
                : icon == vbQuestion    ? QMessageBox::Question
                : icon == vbExclamation ? QMessageBox::Warning
                : icon == vbInformation ? QMessageBox::Information
                                        : QMessageBox::NoIcon);
    box.setWindowTitle(call.title.isEmpty() ? QApplication::applicationName() : call.title);
    QString text = call.prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // the box breaks lines at LF alone
    box.setText(text);
    if (!call.details.isEmpty())
        box.setDetailedText(call.details);
    switch (call.style & 0x0F) {
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return vbOK;
    }
}

void installWidgetCalls()
{
    MsgBoxSeam::setReal(&showMessageBox);
    ResDialogsSeam::setReal([]() -> ResDialogs & {
        static QtResDialogs dialogs;
        return dialogs;
    });
    // Only our own engine has settings to adjust.
    VoiceDialogSeam::setReal([](SpeechEngine &engine, QWidget *owner, const QString &title) {
        if (auto *voice = dynamic_cast<VoiceEngine *>(&engine)) {
            VoiceSettingsDialog dialog(*voice, owner, title);
            dialog.exec();
        }
    });
}

} // namespace kerubara
