// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceSettingsDialog.h"
#include "sound/AudioOutput.h"
#include "sound/VoiceEngine.h"

#include "../sound/SoundFiles.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace kerubara;

class tst_VoiceSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogKeepsValuesOnOkAndRestoresThemOnCancel();

private:
    QTemporaryDir dir_;
};

void tst_VoiceSettingsDialog::initTestCase()
{
    // The user's configuration folder is this test's own.
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
}

void tst_VoiceSettingsDialog::dialogKeepsValuesOnOkAndRestoresThemOnCancel()
{
    NullAudioOutput out;
    auto engine = VoiceEngine::create(out.mixer(), 0, dir_.filePath("voice.ini"));
    QVERIFY(engine);
    const VoiceSettings before = engine->settings();
    const VoiceSettings tried{120, 70, 40};
    {
        VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("音声の調節"));
        QCOMPARE(dialog.values(), before);
        dialog.setValues(tried);
        QCOMPARE(engine->settings(), tried); // heard at once
        QTest::mouseClick(dialog.findChild<QPushButton *>("sampleButton"), Qt::LeftButton);
        bool heard = false;
        for (int i = 0; i < 2000 && !heard; ++i) {
            const qsizetype from = static_cast<qsizetype>(out.captured().size() / 2);
            out.pump();
            heard = testing::firstSound(out.captured(), from) >= 0;
            QThread::msleep(1);
        }
        QVERIFY(heard);
        dialog.reject();
    }
    QCOMPARE(engine->settings(), before);
    QCOMPARE(VoiceSettings::load(engine->settingsFile()), before);
    {
        VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
        dialog.setValues(tried);
        dialog.accept();
    }
    QCOMPARE(engine->settings(), tried);
    QCOMPARE(VoiceSettings::load(engine->settingsFile()), tried);
}

QTEST_MAIN(tst_VoiceSettingsDialog)
#include "tst_voicesettingsdialog.moc"
