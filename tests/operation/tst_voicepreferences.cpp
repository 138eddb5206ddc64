// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/VoicePreferences.h"

#include "../sound/SpeechTesting.h"

#include <QTest>

using namespace kerubara;

Q_DECLARE_METATYPE(kerubara::VoiceSettings)

class tst_VoicePreferences : public QObject
{
    Q_OBJECT

private slots:
    void keptVoiceIsReadBack_data();
    void keptVoiceIsReadBack();
};

// What the engine hands to be kept is what the next engine starts with,
// every value in its own preference, brought into range.
void tst_VoicePreferences::keptVoiceIsReadBack_data()
{
    QTest::addColumn<VoiceSettings>("kept");
    QTest::addColumn<VoiceSettings>("read");
    using testing::valuesOf;
    QTest::newRow("defaults") << VoiceSettings{} << VoiceSettings{};
    QTest::newRow("every value") << valuesOf(150, -3, 70, 48, "/voices/f001.htsvoice")
                                 << valuesOf(150, -3, 70, 48, "/voices/f001.htsvoice");
    QTest::newRow("the ends, espeak-ng") << valuesOf(50, 12, 0, 80, "espeak") << valuesOf(50, 12, 0, 80, "espeak");
    QTest::newRow("out of range") << valuesOf(999, -40, 101, 5) << valuesOf(200, -12, 100, 20);
}

void tst_VoicePreferences::keptVoiceIsReadBack()
{
    QFETCH(VoiceSettings, kept);
    QFETCH(VoiceSettings, read);
    PreferenceStore store(Preferences::Defaults);
    const VoiceSettingsKeeper keeper = voiceKeeper(store);
    keeper.keep(testing::valuesOf(120, 1, 90, 30, "other")); // replaced, not merged
    keeper.keep(kept);
    QCOMPARE(keeper.read(), read);
    QCOMPARE(voiceSettings(store), read);
}

QTEST_GUILESS_MAIN(tst_VoicePreferences)
#include "tst_voicepreferences.moc"
