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
Q_DECLARE_METATYPE(std::vector<kerubara::FareMark>)

class tst_FormatMessages : public QObject
{
    Q_OBJECT

private slots:
    void capabilityListFollowsTheFields_data();
    void capabilityListFollowsTheFields();
    void fareMarksAreWordedByKind_data();
    void fareMarksAreWordedByKind();
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

void tst_FormatMessages::fareMarksAreWordedByKind_data()
{
    using Kind = FareMark::Kind;
    QTest::addColumn<std::vector<FareMark>>("marks");
    QTest::addColumn<QStringList>("notes");
    const FareMark gap{5, 3, Kind::NoFareExpected, -1, 2, 0};
    QTest::newRow("a gap")
        << std::vector<FareMark>{gap}
        << QStringList{u"record 5: 整理券3: 運賃が -1（運賃なし）です。整理券3 は record 2 で出ているので、ここで降りる人の運賃が要ります。"_s};
    QTest::newRow("the first of three gaps, after a fall")
        << std::vector<FareMark>{{4, 1, Kind::Falls, 150, 3, 200}, gap, {6, 3, Kind::NoFareExpected, -1, 2, 0},
                                 {7, 3, Kind::NoFareExpected, -1, 2, 0}}
        << QStringList{u"record 4: 整理券1: 運賃 150 が record 3 の 200 より下がっています。"_s,
                       u"record 5: 整理券3: 運賃が -1（運賃なし）です。整理券3 は record 2 で出ているので、ここで降りる人の運賃が要ります。（ほかに2件）"_s};
    QTest::newRow("a ticket number going backwards")
        << std::vector<FareMark>{{3, 0, Kind::TicketBackwards, 2, 2, 4}}
        << QStringList{u"record 3: 整理券番号: 整理券番号 2 が record 2 の 4 より小さくなっています（整理券番号は路線の順に増えます）。"_s};
    QTest::newRow("cut by day, at night, five digits")
        << std::vector<FareMark>{{1, 2, Kind::CutByDay, 1020, 0, 0}, {1, 3, Kind::CutAtNight, 510, 0, 0},
                                 {1, 4, Kind::FiveDigits, 12000, 0, 0}}
        << QStringList{u"record 1: 整理券2: 運賃 1020 は3桁の運賃表示に 020 と出ます。"_s,
                       u"record 1: 整理券3: 深夜料金 1020 は3桁の運賃表示に 020 と出ます。"_s,
                       u"record 1: 整理券4: 運賃 12000 が 9999 を超えています（運賃の表示は3桁です）。"_s};
}

void tst_FormatMessages::fareMarksAreWordedByKind()
{
    using Kind = FareMark::Kind;
    QFETCH(std::vector<FareMark>, marks);
    QFETCH(QStringList, notes);
    QCOMPARE(formatmessages::fareMarkNotes(marks, {Kind::Falls, Kind::NoFareExpected, Kind::TicketBackwards,
                                                   Kind::CutByDay, Kind::CutAtNight, Kind::FiveDigits}),
             notes);
}

QTEST_GUILESS_MAIN(tst_FormatMessages)
#include "tst_formatmessages.moc"
