// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/ChimeiTypeface.h"
#include "reslib/Fonts.h"

#include <QTest>

#include <optional>

using namespace kerubara;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QString>)

class tst_ChimeiLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsCharacterCountAndPrefix_data();
    void layoutFollowsCharacterCountAndPrefix();
    void unitsAreTwoByteSlicesAndCutCharactersShowNothing_data();
    void unitsAreTwoByteSlicesAndCutCharactersShowNothing();
    void typefaceFollowsFontModeAndCode_data();
    void typefaceFollowsFontModeAndCode();
    void prefixTypefacesFollowTsugiwaFontMode_data();
    void prefixTypefacesFollowTsugiwaFontMode();
};

void tst_ChimeiLayout::layoutFollowsCharacterCountAndPrefix_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("prefix");
    QTest::addColumn<QList<int>>("startPitchWidth");
    QTest::addColumn<bool>("offStrip");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("lone single byte") << 1 << true << QList{0, 0, 432} << false << false;
    QTest::newRow("1 centred") << 2 << false << QList{188, 0, 432} << false << false;
    QTest::newRow("1 centred after prefix") << 2 << true << QList{242, 0, 432} << false << false;
    QTest::newRow("3 with prefix") << 6 << true << QList{162, 81, 432} << false << false;
    QTest::newRow("7") << 14 << false << QList{18, 57, 432} << false << false;
    QTest::newRow("8 fill the strip") << 16 << false << QList{0, 54, 432} << false << false;
    QTest::newRow("8 and a byte stand still") << 17 << false << QList{0, 54, 432} << false << false;
    QTest::newRow("9 scroll on 486") << 18 << false << QList{0, 54, 486} << true << true;
    QTest::newRow("6 with prefix stand still") << 12 << true << QList{108, 54, 432} << false << false;
    QTest::newRow("7 with prefix scroll on 486") << 14 << true << QList{108, 54, 486} << false << true;
    QTest::newRow("20 with prefix") << 40 << true << QList{108, 54, 1188} << true << true;
}

void tst_ChimeiLayout::layoutFollowsCharacterCountAndPrefix()
{
    QFETCH(int, bytes);
    QFETCH(bool, prefix);
    const ChimeiLayout layout = chimeiLayout(bytes, prefix);
    QTEST((QList{layout.start, layout.pitch, layout.canvasWidth}), "startPitchWidth");
    QTEST(layout.startsOffStrip, "offStrip");
    QTEST(layout.scrolls, "scrolls");
}

void tst_ChimeiLayout::unitsAreTwoByteSlicesAndCutCharactersShowNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("units");
    QTest::newRow("two single-byte characters share a unit") << u"JR駅"_s << QStringList{u"JR"_s, u"駅"_s};
    QTest::newRow("final single byte") << u"駅a"_s << QStringList{u"駅"_s, u"a"_s};
    QTest::newRow("misaligned after a single byte") << u"a駅前"_s << QStringList{QString(), QString(), QString()};
    QTest::newRow("misaligned then realigned") << u"aあbい"_s << QStringList{QString(), QString(), u"い"_s};
    QTest::newRow("characters outside code page 932 take no bytes") << u"駅😀前"_s << QStringList{u"駅"_s, u"前"_s};
    QTest::newRow("empty") << QString() << QStringList{};
}

void tst_ChimeiLayout::unitsAreTwoByteSlicesAndCutCharactersShowNothing()
{
    QFETCH(QString, text);
    const std::vector<QString> units = chimeiUnits(text);
    QTEST(QStringList(units.begin(), units.end()), "units");
}

void tst_ChimeiLayout::typefaceFollowsFontModeAndCode_data()
{
    QTest::addColumn<int>("fontMode");
    QTest::addColumn<QString>("ch");
    QTest::addColumn<QString>("face");
    const QString g = kGothicFace;
    const QString m = kMinchoFace;
    QTest::newRow("0 kana gothic") << 0 << u"バ"_s << g;
    QTest::newRow("1 kanji mincho") << 1 << u"駅"_s << m;
    QTest::newRow("2 kanji 駅 gothic") << 2 << u"駅"_s << g;
    QTest::newRow("2 katakana バ mincho") << 2 << u"バ"_s << m;
    QTest::newRow("2 NEC symbol ① mincho") << 2 << u"①"_s << m;
    QTest::newRow("2 first kanji 亜 gothic") << 2 << u"亜"_s << g;
    QTest::newRow("2 single byte gothic") << 2 << u"A"_s << g;
    QTest::newRow("3 kanji mincho") << 3 << u"駅"_s << m;
    QTest::newRow("3 katakana gothic") << 3 << u"バ"_s << g;
    QTest::newRow("4 full-width Ａ gothic") << 4 << u"Ａ"_s << g;
    QTest::newRow("4 first digit ０ gothic") << 4 << u"０"_s << g;
    QTest::newRow("4 last letter ｚ gothic") << 4 << u"ｚ"_s << g;
    QTest::newRow("4 after the letters ぁ mincho") << 4 << u"ぁ"_s << m;
    QTest::newRow("4 single byte mincho") << 4 << u"A"_s << m;
    QTest::newRow("other mode gothic") << 7 << u"バ"_s << g;
}

void tst_ChimeiLayout::typefaceFollowsFontModeAndCode()
{
    QFETCH(int, fontMode);
    QFETCH(QString, ch);
    QTEST(chimeiTypeface(static_cast<std::int16_t>(fontMode), cp932Code(ch)), "face");
}

void tst_ChimeiLayout::prefixTypefacesFollowTsugiwaFontMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<std::optional<QString>>("tsugi");
    QTest::addColumn<std::optional<QString>>("ha");
    const std::optional<QString> g = kGothicFace;
    const std::optional<QString> m = kMinchoFace;
    QTest::newRow("0 both gothic") << 0 << g << g;
    QTest::newRow("1 only は mincho") << 1 << g << m;
    QTest::newRow("2 both mincho") << 2 << m << m;
    QTest::newRow("3 only は gothic") << 3 << m << g;
    QTest::newRow("4 keeps the face") << 4 << std::optional<QString>() << std::optional<QString>();
}

void tst_ChimeiLayout::prefixTypefacesFollowTsugiwaFontMode()
{
    QFETCH(int, mode);
    QTEST(tsugiTypeface(static_cast<std::int16_t>(mode)), "tsugi");
    QTEST(haTypeface(static_cast<std::int16_t>(mode)), "ha");
}

QTEST_GUILESS_MAIN(tst_ChimeiLayout)
#include "tst_chimeilayout.moc"
