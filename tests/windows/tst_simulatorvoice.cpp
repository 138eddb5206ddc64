// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceSettingsDialog.h"
#include "operation/VoicePreferences.h"
#include "reslib/EndProgram.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/VoiceEngine.h"
#include "windows/Simulator.h"

#include "../sound/SpeechTesting.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace kerubara;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kerubara::Preferences)
Q_DECLARE_METATYPE(kerubara::VoiceSettings)

// The program's voice against its preferences, with the real speech engine
// and the real 音声の調節 dialog, opened by the console's 調整 button.
class tst_SimulatorVoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(u"kerubara"_s, u"kerubara"_s).clear(); }
    void dialogChangeIsWhatTheNextRunStartsWith_data();
    void dialogChangeIsWhatTheNextRunStartsWith();

private:
    ScopedMsgBoxHandler boxes_{[](const MsgBoxCall &) { return int(vbOK); }};
    ScopedSleepHandler sleeps_{[](int) {}};
    ScopedAudioOutput audio_{[] { return std::make_unique<NullAudioOutput>(); }};
    ScopedEndProgramHandler end_{[] {}};
};

namespace {

// Moves `slider` of the open dialog by `key` and confirms with OK; false
// (the dialog cancelled) when the dialog or its controls are not there.
bool adjustOpenDialog(const QString &slider, int key)
{
    auto *dialog = qobject_cast<VoiceSettingsDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return false;
    auto *moved = dialog->findChild<QSlider *>(slider);
    QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    if (!moved || !ok) {
        dialog->reject();
        return false;
    }
    QTest::keyClick(moved, Qt::Key(key));
    QTest::mouseClick(ok, Qt::LeftButton);
    return true;
}

const VoiceSettings *voiceOf(Simulator &sim)
{
    const auto *engine = dynamic_cast<const VoiceEngine *>(sim.tape().objVoice());
    return engine ? &engine->settings() : nullptr;
}

} // namespace

// What the user confirms in 音声の調節 is in the preferences at once and is
// the voice the next program starts with; a run on the default preferences
// (a render, a test) leaves kerubara.conf as it was.
void tst_SimulatorVoice::dialogChangeIsWhatTheNextRunStartsWith_data()
{
    QTest::addColumn<Preferences>("mode");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<VoiceSettings>("confirmed");
    QTest::addColumn<VoiceSettings>("nextRun");
    const auto R = Preferences::Remembered;
    QTest::newRow("rate") << R << u"rateSlider"_s << int(Qt::Key_Right) << testing::valuesOf(101, 0, 100)
                          << testing::valuesOf(101, 0, 100);
    QTest::newRow("volume") << R << u"volumeSlider"_s << int(Qt::Key_Left) << testing::valuesOf(100, 0, 99)
                            << testing::valuesOf(100, 0, 99);
    QTest::newRow("defaults: rate for the run only") << Preferences::Defaults << u"rateSlider"_s << int(Qt::Key_Right)
                                                     << testing::valuesOf(101, 0, 100) << VoiceSettings{};
}

void tst_SimulatorVoice::dialogChangeIsWhatTheNextRunStartsWith()
{
    QFETCH(Preferences, mode);
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(VoiceSettings, confirmed);
    QFETCH(VoiceSettings, nextRun);
    {
        Simulator sim(std::nullopt, mode);
        sim.start();
        QVERIFY(voiceOf(sim));
        QCOMPARE(*voiceOf(sim), VoiceSettings{});
        QVERIFY(sim.ctl().cmdTapeSet->isEnabled());
        bool adjusted = false;
        QTimer::singleShot(0, [&] { adjusted = adjustOpenDialog(slider, key); });
        QTest::mouseClick(sim.ctl().cmdTapeSet, Qt::LeftButton);
        QVERIFY(adjusted);
        QCOMPARE(*voiceOf(sim), confirmed);
        QCOMPARE(voiceSettings(sim.settings().preferences()), confirmed);
    }
    if (mode == Preferences::Defaults)
        QCOMPARE(QSettings(u"kerubara"_s, u"kerubara"_s).allKeys(), QStringList());
    Simulator next;
    next.start();
    QVERIFY(voiceOf(next));
    QCOMPARE(*voiceOf(next), nextRun);
}

QTEST_MAIN(tst_SimulatorVoice)
#include "tst_simulatorvoice.moc"
