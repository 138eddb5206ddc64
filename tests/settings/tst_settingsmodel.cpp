// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsModel.h"

#include <QTest>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

// Sets the records' field `name` (as the one table names it) to `value`.
void setField(SettingsModel &model, const QString &name, const QVariant &value)
{
    for (const settingsfile::Field &field : settingsfile::fields(model.records())) {
        if (field.name != name)
            continue;
        if (auto *text = std::get_if<QByteArray *>(&field.value))
            **text = value.toString().toUtf8();
        else if (auto *number = std::get_if<std::int16_t *>(&field.value))
            **number = static_cast<std::int16_t>(value.toInt());
        return;
    }
    QFAIL(qPrintable(u"no field "_s + name));
}

// What the unit reads, by the name of the reading.
QString reading(const SettingsModel &model, const QString &what)
{
    using Info = OperationSettings::InfoDigit;
    if (what == u"fareDataFolder")
        return model.fareDataFolder();
    if (what == u"stepSoundFile(2)")
        return model.stepSoundFile(2);
    if (what == u"stepSoundFlagColumn")
        return QString::number(model.stepSoundFlagColumn());
    if (what == u"infoDigit(route)") {
        const std::optional<int> digit = model.infoDigit(Info::RouteNumber);
        return digit ? QString::number(*digit) : u"off"_s;
    }
    if (what == u"ticketDateMode")
        return QString::number(static_cast<int>(model.ticketDateMode()));
    if (what == u"userPanelPicture(1)")
        return model.userPanelPicture(1).value_or(u"built-in"_s);
    if (what == u"stopRequestSound")
        return model.stopRequestSound();
    return u"?"_s;
}

} // namespace

class tst_SettingsModel : public QObject
{
    Q_OBJECT

private slots:
    void theUnitReadsTheRecordsAsTheWindowMeansThem_data();
    void theUnitReadsTheRecordsAsTheWindowMeansThem();
};

// The records keep what the window's controls hold (a list's index, -1 for
// a chosen option, a path as typed); the unit reads what they mean.
void tst_SettingsModel::theUnitReadsTheRecordsAsTheWindowMeansThem_data()
{
    QTest::addColumn<QStringList>("fields"); // name=value, in order
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a folder beside the settings file") << QStringList{u"Text2(0)=fares"_s} << u"fareDataFolder"_s
                                                       << u"/routes/12/fares"_s;
    QTest::newRow("an absolute folder") << QStringList{u"Text2(0)=/data/fares"_s} << u"fareDataFolder"_s
                                        << u"/data/fares"_s;
    QTest::newRow("flag 2's sound") << QStringList{u"txtSelectSound(9)=/s/two.wav"_s} << u"stepSoundFile(2)"_s
                                    << u"/s/two.wav"_s;
    QTest::newRow("no flag column") << QStringList{u"Combo1=-1"_s} << u"stepSoundFlagColumn"_s << u"0"_s;
    QTest::newRow("the last column") << QStringList{u"Combo1=149"_s} << u"stepSoundFlagColumn"_s << u"150"_s;
    QTest::newRow("route digit off") << QStringList{u"Check3(2)=0"_s, u"Combo4(2)=5"_s} << u"infoDigit(route)"_s
                                     << u"off"_s;
    QTest::newRow("route digit in cell 6") << QStringList{u"Check3(2)=1"_s, u"Combo4(2)=5"_s}
                                           << u"infoDigit(route)"_s << u"6"_s;
    QTest::newRow("route digit, no cell chosen") << QStringList{u"Check3(2)=1"_s, u"Combo4(2)=-1"_s}
                                                 << u"infoDigit(route)"_s << u"0"_s;
    QTest::newRow("date at route setting") << QStringList{u"Option4(0)=0"_s, u"Option4(1)=-1"_s}
                                           << u"ticketDateMode"_s << u"1"_s;
    QTest::newRow("no date option chosen: fixed") << QStringList{u"Option4(0)=0"_s} << u"ticketDateMode"_s << u"2"_s;
    QTest::newRow("own pictures, ON1 among them")
        << QStringList{u"Option3(1)=-1"_s, u"Option3(2)=-1"_s, u"txtSelectPanel(1)=on1.bmp"_s}
        << u"userPanelPicture(1)"_s << u"/routes/12/on1.bmp"_s;
    QTest::newRow("own pictures, ON1 not among them")
        << QStringList{u"Option3(1)=-1"_s, u"Option3(2)=0"_s, u"txtSelectPanel(1)=on1.bmp"_s}
        << u"userPanelPicture(1)"_s << u"built-in"_s;
    QTest::newRow("built-in pictures") << QStringList{u"Option3(1)=0"_s, u"Option3(2)=-1"_s}
                                       << u"userPanelPicture(1)"_s << u"built-in"_s;
    QTest::newRow("no chime chosen") << QStringList{} << u"stopRequestSound"_s << u"/chimes/request.wav"_s;
}

void tst_SettingsModel::theUnitReadsTheRecordsAsTheWindowMeansThem()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    SettingsModel model(Preferences::Defaults);
    model.setSettingsFile(u"/routes/12/route.in4"_s);
    model.setBuiltInStopRequestSound(u"/chimes/request.wav"_s);
    for (const QString &field : std::as_const(fields))
        setField(model, field.section(u'=', 0, 0), field.section(u'=', 1));
    QCOMPARE(reading(model, what), expected);
}

QTEST_GUILESS_MAIN(tst_SettingsModel)
#include "tst_settingsmodel.moc"
