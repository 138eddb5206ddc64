// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void init()
    {
        QSettings(u"kerubara"_s, u"kerubara"_s).clear();
        QFile::remove(preferences::oldVoiceFile());
    }
    void cleanup() { init(); }
    void storedValueReadsWithinItsRow_data();
    void storedValueReadsWithinItsRow();
    void changeIsKeptInRangeAndSaidOnce_data();
    void changeIsKeptInRangeAndSaidOnce();
    void defaultsNeitherReadNorKeepTheUsersFile();
    void oldVoiceFileIsTakenOnce_data();
    void oldVoiceFileIsTakenOnce();
};

namespace {

void writeOldVoiceFile(const QByteArray &content)
{
    const QString file = preferences::oldVoiceFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
}

} // namespace

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
    QTest::newRow("pitch -12") << P::VoicePitch << QVariant(-12) << -12;
    QTest::newRow("pitch 13") << P::VoicePitch << QVariant(13) << 0;
    QTest::newRow("rate 49") << P::VoiceRate << QVariant(49) << 100;
    QTest::newRow("all-pass the voice's own") << P::VoiceAllPass << QVariant(-1) << -1;
    QTest::newRow("all-pass 19") << P::VoiceAllPass << QVariant(19) << -1;
    QTest::newRow("all-pass 80") << P::VoiceAllPass << QVariant(80) << 80;
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
    // The all-pass constant's default, the voice's own, lies outside its range.
    QTest::newRow("all-pass the voice's own") << Preference::VoiceAllPass << -1 << -1 << 0;
    QTest::newRow("all-pass 5 is 20") << Preference::VoiceAllPass << 5 << 20 << 1;
    QTest::newRow("volume 0") << Preference::VoiceVolume << 0 << 0 << 1;
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
    writeOldVoiceFile("[Voice]\nSpeed=150\n");
    PreferenceStore store(Preferences::Defaults);
    QCOMPARE(store.number(Preference::VoiceRate), 100);
    store.setNumber(Preference::VoiceRate, 120);
    store.setText(Preference::Voice, u"espeak"_s);
    QCOMPARE(store.number(Preference::VoiceRate), 120);
    QCOMPARE(store.number(Preference::PanelZoom), 1);
    QCOMPARE(store.text(Preference::StopRequestSound), QString());
    store.setNumber(Preference::PanelZoom, 3);
    store.setText(Preference::StopRequestSound, u"/tmp/other.wav"_s);
    QCOMPARE(store.number(Preference::PanelZoom), 3);
    QCOMPARE(store.text(Preference::StopRequestSound), u"/tmp/other.wav"_s);
    const QSettings conf(u"kerubara"_s, u"kerubara"_s);
    QCOMPARE(conf.value(u"panel/zoom"_s).toInt(), 2);
    QCOMPARE(conf.value(u"sound/stopRequest"_s).toString(), u"/tmp/ding.wav"_s);
    QCOMPARE(conf.childGroups(), (QStringList{u"panel"_s, u"sound"_s}));
}

// The voice.ini of an earlier version is moved into the preferences the first
// time they are opened without a voice: its newer keys, the espeak-ng days'
// rate in words a minute and pitch of 0 to 99, values out of range brought
// in, what is not a number read as the default. From then on the
// preferences hold the voice and the file, left in place, is not read again.
void tst_Preferences::oldVoiceFileIsTakenOnce_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QList<int>>("numbers"); // rate, pitch, volume, all-pass
    QTest::addColumn<bool>("taken");
    const QList<int> defaults{100, 0, 100, -1};
    QTest::newRow("no file") << QByteArray() << QString() << defaults << false;
    QTest::newRow("values read") << "[Voice]\nFile=/voices/f001.htsvoice\nSpeed=150\nHalfTones=-3\nVolume=70\nAllPass=48\n"_ba
                                 << u"/voices/f001.htsvoice"_s << QList<int>{150, -3, 70, 48} << true;
    QTest::newRow("espeak-ng chosen") << "[Voice]\nFile=espeak\n"_ba << u"espeak"_s << defaults << true;
    // Words a minute (160 the natural pace) and a pitch of 0 to 99 (50 the middle).
    QTest::newRow("older file's rate and pitch")
        << "[Voice]\nRate=200\nPitch=30\nVolume=70\n"_ba << QString() << QList<int>{125, -5, 70, -1} << true;
    QTest::newRow("older pitch above 99") << "[Voice]\nPitch=300\n"_ba << QString() << QList<int>{100, 12, 100, -1} << true;
    QTest::newRow("new keys over older ones")
        << "[Voice]\nRate=80\nSpeed=110\nPitch=99\nHalfTones=2\n"_ba << QString() << QList<int>{110, 2, 100, -1} << true;
    QTest::newRow("out of range pulled in") << "[Voice]\nSpeed=9999\nHalfTones=-50\nVolume=101\nAllPass=5\n"_ba
                                            << QString() << QList<int>{200, -12, 100, 20} << true;
    QTest::newRow("not numbers keep defaults") << "[Voice]\nRate=fast\nPitch=\nVolume=1e3\n"_ba << QString() << defaults
                                               << true;
    QTest::newRow("garbage") << "\x00\xff\xfe[[[Voice\n=Speed=\x01\n\xe3\x81"_ba << QString() << defaults << true;
    QTest::newRow("far too large") << "[Voice]\nSpeed=150\n"_ba + QByteArray(100 * 1024, ';') << QString() << defaults
                                   << false;
}

void tst_Preferences::oldVoiceFileIsTakenOnce()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, voice);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, taken);
    if (!content.isNull())
        writeOldVoiceFile(content);
    const QList<Preference> rows{Preference::VoiceRate, Preference::VoicePitch, Preference::VoiceVolume,
                                 Preference::VoiceAllPass};
    const auto numbersOf = [&](const PreferenceStore &store) {
        QList<int> read;
        for (const Preference id : rows)
            read << store.number(id);
        return read;
    };
    {
        const PreferenceStore store(Preferences::Remembered);
        QCOMPARE(store.text(Preference::Voice), voice);
        QCOMPARE(numbersOf(store), numbers);
    }
    QCOMPARE(QFileInfo::exists(preferences::oldVoiceFile()), !content.isNull());
    QCOMPARE(QSettings(u"kerubara"_s, u"kerubara"_s).contains(u"voice/rate"_s), taken);
    // The next run: a file taken is not read again, one not taken still may be.
    writeOldVoiceFile("[Voice]\nSpeed=60\n");
    QCOMPARE(PreferenceStore(Preferences::Remembered).number(Preference::VoiceRate), taken ? numbers[0] : 60);
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_preferences.moc"
