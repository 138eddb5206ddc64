// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows and the data tool word what the readers found.

#include "windows/FormatMessages.h"

#include <QTest>

#include <array>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

using Fields = std::array<std::int32_t, 14>;

PlgInfoRecord record(const Fields &fields)
{
    return PlgInfoRecord{fields};
}

} // namespace

Q_DECLARE_METATYPE(PlgInfoRecord)

class tst_FormatMessages : public QObject
{
    Q_OBJECT

private slots:
    void capabilityListFollowsTheFields_data();
    void capabilityListFollowsTheFields();
};

void tst_FormatMessages::capabilityListFollowsTheFields_data()
{
    QTest::addColumn<PlgInfoRecord>("info");
    QTest::addColumn<QStringList>("lines");

    const QString yes = u"---> 可能"_s;
    const QString no = u"---> 不可"_s;
    QTest::newRow("date and route, no barcode: six lines")
        << record({0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0})
        << QStringList{u"日付の印字 "_s + yes, u"時刻の印字 "_s + no,      u"系統番号の印字 "_s + yes,
                       u"停名の印字 "_s + no,  u"バーコード印字 "_s + no, u"社名切り替え:"_s + no};
    QTest::newRow("barcode, serial numbering: ten lines")
        << record({0, 1, 1, 0, 1, 0, 1, 1, 2, 999, 1, 1, 30, 0})
        << QStringList{u"日付の印字 "_s + no,
                       u"時刻の印字 "_s + yes,
                       u"系統番号の印字 "_s + no,
                       u"停名の印字 "_s + yes,
                       u"バーコード印字 "_s + yes,
                       u"バーコード本数 ---> 2"_s,
                       u"バーコード系統方式 ---> 連番式"_s,
                       u"設定可能な系統範囲 ---> 1 ～ 999"_s,
                       u"停留所認識範囲 ---> 1 ～ 30"_s,
                       u"社名切り替え:"_s + no};
    QTest::newRow("barcode, any scheme but 1 is route plus direction")
        << record({0, 1, 1, 1, 1, 1, 1, 1, 1, 50, 2, 0, 9, 1})
        << QStringList{u"日付の印字 "_s + yes,
                       u"時刻の印字 "_s + yes,
                       u"系統番号の印字 "_s + yes,
                       u"停名の印字 "_s + yes,
                       u"バーコード印字 "_s + yes,
                       u"バーコード本数 ---> 1"_s,
                       u"バーコード系統方式 ---> 系統番号＋往復フラグ"_s,
                       u"設定可能な系統範囲 ---> 1 ～ 50"_s,
                       u"停留所認識範囲 ---> 0 ～ 9"_s,
                       u"社名切り替え:"_s + yes};
    QTest::newRow("only 1 is yes: Barcode=2, PrintDate=2, CompanySwitch=3")
        << record({0, 1, 1, 2, -1, 1, 1, 2, 5, 9, 1, 1, 9, 3})
        << QStringList{u"日付の印字 "_s + no,      u"時刻の印字 "_s + no,     u"系統番号の印字 "_s + yes,
                       u"停名の印字 "_s + yes,    u"バーコード印字 "_s + no, u"社名切り替え:"_s + yes};
}

void tst_FormatMessages::capabilityListFollowsTheFields()
{
    QFETCH(PlgInfoRecord, info);
    QTEST(formatmessages::ticketPluginLines(info), "lines");
}

QTEST_GUILESS_MAIN(tst_FormatMessages)
#include "tst_formatmessages.moc"
