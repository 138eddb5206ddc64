// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Preferences.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kerubara::Preference)

class tst_Preferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(u"kerubara"_s, u"kerubara"_s).clear(); }
    void cleanup() { init(); }
    void storedValueReadsWithinItsRow_data();
    void storedValueReadsWithinItsRow();
    void changeIsKeptInRangeAndSaidOnce_data();
    void changeIsKeptInRangeAndSaidOnce();
    void defaultsNeitherReadNorKeepTheUsersFile();
};

// What kerubara.conf holds reads through the preference's row: a value out
// of range, not a number or missing is the default, never passed on.
void tst_Preferences::storedValueReadsWithinItsRow_data()
{
    QTest::addColumn<Preference>("id");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("read");
    using P = Preference;
    QTest::newRow("zoom in range") << P::PanelZoom << QVariant(3) << 3;
    QTest::newRow("zoom above") << P::PanelZoom << QVariant(4) << 1;
    QTest::newRow("zoom 0") << P::PanelZoom << QVariant(0) << 1;
    QTest::newRow("zoom a word") << P::PanelZoom << QVariant(u"large"_s) << 1;
    QTest::newRow("four digits") << P::FareDigits << QVariant(4) << 4;
    QTest::newRow("two digits") << P::FareDigits << QVariant(2) << 3;
    QTest::newRow("pages missing") << P::TicketPages << QVariant() << 1;
    QTest::newRow("pages 4") << P::TicketPages << QVariant(4) << 4;
    QTest::newRow("page seconds 61") << P::PageSeconds << QVariant(61) << 3;
    QTest::newRow("dwell 0") << P::AutoRunDwell << QVariant(0) << 0;
    QTest::newRow("dwell -1") << P::AutoRunDwell << QVariant(-1) << 4;
    QTest::newRow("travel missing") << P::AutoRunTravel << QVariant() << 6;
    QTest::newRow("travel 600") << P::AutoRunTravel << QVariant(600) << 600;
}

void tst_Preferences::storedValueReadsWithinItsRow()
{
    QFETCH(Preference, id);
    QFETCH(QVariant, stored);
    QFETCH(int, read);
    if (stored.isValid())
        QSettings(u"kerubara"_s, u"kerubara"_s).setValue(preferences::row(id).key, stored);
    QCOMPARE(PreferenceStore(Preferences::Remembered).number(id), read);
}

void tst_Preferences::changeIsKeptInRangeAndSaidOnce_data()
{
    QTest::addColumn<Preference>("id");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("changes");
    QTest::newRow("zoom 2") << Preference::PanelZoom << 2 << 2 << 1;
    QTest::newRow("zoom 9 is 3") << Preference::PanelZoom << 9 << 3 << 1;
    QTest::newRow("zoom as it was") << Preference::PanelZoom << 1 << 1 << 0;
    QTest::newRow("travel 700 is 600") << Preference::AutoRunTravel << 700 << 600 << 1;
}

void tst_Preferences::changeIsKeptInRangeAndSaidOnce()
{
    QFETCH(Preference, id);
    QFETCH(int, set);
    QFETCH(int, kept);
    QFETCH(int, changes);
    PreferenceStore store(Preferences::Remembered);
    QSignalSpy changed(&store, &PreferenceStore::changed);
    store.setNumber(id, set);
    QCOMPARE(changed.count(), changes);
    // The next run reads it.
    QCOMPARE(PreferenceStore(Preferences::Remembered).number(id), kept);
}

// A render of the data tool starts from the defaults whatever the user kept,
// and what it sets lasts for its run only.
void tst_Preferences::defaultsNeitherReadNorKeepTheUsersFile()
{
    QSettings(u"kerubara"_s, u"kerubara"_s).setValue(u"panel/zoom"_s, 2);
    QSettings(u"kerubara"_s, u"kerubara"_s).setValue(u"sound/stopRequest"_s, u"/tmp/ding.wav"_s);
    PreferenceStore store(Preferences::Defaults);
    QCOMPARE(store.number(Preference::PanelZoom), 1);
    QCOMPARE(store.text(Preference::StopRequestSound), QString());
    store.setNumber(Preference::PanelZoom, 3);
    store.setText(Preference::StopRequestSound, u"/tmp/other.wav"_s);
    QCOMPARE(store.number(Preference::PanelZoom), 3);
    QCOMPARE(store.text(Preference::StopRequestSound), u"/tmp/other.wav"_s);
    const QSettings conf(u"kerubara"_s, u"kerubara"_s);
    QCOMPARE(conf.value(u"panel/zoom"_s).toInt(), 2);
    QCOMPARE(conf.value(u"sound/stopRequest"_s).toString(), u"/tmp/ding.wav"_s);
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_preferences.moc"
