// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese front end of the HTS voices: our reading in the labels, the
// accent phrases and their nuclei, and labels the voice can parse.

#include "sound/AccentRules.h"
#include "sound/FullContextLabels.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"
#include "sound/SpeechText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

// The fields of one label, by their letters: "p" the five phonemes, "A" …
// "K" their values (xx stays xx).
struct Label
{
    QStringList p;
    QHash<QChar, QStringList> fields;
    int at(QChar field, int i) const { return fields.value(field).value(i).toInt(); }
    QString text(QChar field, int i) const { return fields.value(field).value(i); }
};

const QRegularExpression &labelPattern()
{
    static const QString n = QStringLiteral("(xx|-?\\d+)");
    static const QRegularExpression pattern(
        QStringLiteral("^([a-zA-Z]+)\\^([a-zA-Z]+)-([a-zA-Z]+)\\+([a-zA-Z]+)=([a-zA-Z]+)"
                       "/A:%1\\+%1\\+%1/B:%1-%1_%1/C:%1_%1\\+%1/D:%1\\+%1_%1/E:%1_%1!%1_xx-%1"
                       "/F:%1_%1#%1_xx@%1_%1\\|%1_%1/G:%1_%1%%1_xx_%1/H:%1_%1"
                       "/I:%1-%1@%1\\+%1&%1-%1\\|%1\\+%1/J:%1_%1/K:%1\\+%1-%1$")
            .arg(n));
    return pattern;
}

// The label's fields, or nothing when it is not one of the format.
std::optional<Label> parseLabel(const QString &text)
{
    const QRegularExpressionMatch m = labelPattern().match(text);
    if (!m.hasMatch())
        return std::nullopt;
    static const std::pair<QChar, int> counts[] = {{u'A', 3}, {u'B', 3}, {u'C', 3}, {u'D', 3}, {u'E', 4}, {u'F', 7},
                                                   {u'G', 4}, {u'H', 2}, {u'I', 8}, {u'J', 2}, {u'K', 3}};
    Label label;
    int group = 1;
    for (; group <= 5; ++group)
        label.p << m.captured(group);
    for (const auto &[field, count] : counts) {
        for (int i = 0; i < count; ++i)
            label.fields[field] << m.captured(group++);
    }
    return label;
}

// The accent phrases the labels give the voice, written in the reading's
// kana: a space between phrases, 、 at a pause, \ after the mora the pitch
// falls from (none in a phrase that does not fall before its end). The
// morae are taken in order from the reading; empty when the labels have
// more morae than the reading.
QString accentPhrases(const SpokenText &spoken)
{
    std::vector<Mora> kana = splitMorae(spoken.reading);
    std::size_t next = 0;
    QString out;
    QString lastMora; // the breath group, phrase and mora of the label before
    bool fallsAfter = false;
    for (qsizetype i = 1; i + 1 < spoken.labels.size(); ++i) {
        const auto label = parseLabel(spoken.labels[i]);
        if (!label)
            return QStringLiteral("(not a label: %1)").arg(spoken.labels[i]);
        if (label->p[2] == u"pau") {
            out += u'、';
            lastMora.clear();
            continue;
        }
        const QString phrase = label->text(u'I', 2) + u'.' + label->text(u'F', 3);
        const QString mora = phrase + u'.' + label->text(u'A', 1);
        if (mora == lastMora)
            continue;
        if (fallsAfter && lastMora.section(u'.', 0, 1) == phrase)
            out += u'\\';
        if (!lastMora.isEmpty() && lastMora.section(u'.', 0, 1) != phrase)
            out += u' ';
        if (next >= kana.size())
            return QStringLiteral("(more morae than the reading has)");
        out += kana[next++].kana;
        lastMora = mora;
        fallsAfter = label->at(u'A', 0) == 0 && label->at(u'A', 2) > 1;
    }
    return out;
}

// Phonemes as a passenger hears them: whispered or not, a long vowel
// however it is written (e e and e i, o o and o u alike), pauses not at all.
QString heard(const QStringList &phonemes)
{
    QStringList out;
    QString vowel; // the phoneme before, when it was a vowel
    for (const QString &p : phonemes) {
        if (p == u"pau")
            continue;
        const QString sound = p.size() == 1 && QStringView(u"AIUEO").contains(p[0]) ? p.toLower() : p;
        const bool isVowel = sound.size() == 1 && QStringView(u"aiueo").contains(sound[0]);
        if (isVowel && (sound == vowel || (sound == u"i" && vowel == u"e") || (sound == u"u" && vowel == u"o"))) {
            out << u'-' + vowel;
            continue;
        }
        out << sound;
        vowel = isVowel ? sound : QString();
    }
    return out.join(u' ');
}

} // namespace

class tst_FrontEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void labelsFollowOurReading_data();
    void labelsFollowOurReading();
    void accentPhrasesAndNuclei_data();
    void accentPhrasesAndNuclei();
    void labelsDescribeEachPhonemesContext_data();
    void labelsDescribeEachPhonemesContext();
    void chainRuleSetsThePhrasesNucleus_data();
    void chainRuleSetsThePhrasesNucleus();
    void vowelsBetweenVoicelessConsonantsAreWhispered_data();
    void vowelsBetweenVoicelessConsonantsAreWhispered();
    void labelsAreWellFormed_data();
    void labelsAreWellFormed();
    void whatCannotBeReadIsLeftOutAndTheRestSpoken_data();
    void whatCannotBeReadIsLeftOutAndTheRestSpoken();
    void missingAccentDictionaryIsRefusedWithAReason_data();
    void missingAccentDictionaryIsRefusedWithAReason();

private:
    std::unique_ptr<JapaneseReader> reader_;
    std::unique_ptr<JapaneseFrontEnd> frontEnd_;
};

void tst_FrontEnd::initTestCase()
{
    reader_ = JapaneseReader::create();
    QVERIFY2(reader_, "MeCab with mecab-ipadic-utf8 is part of the build's packages");
    // A place name only our dictionary knows, read otherwise by the accent
    // dictionary (ミナカゼダイ).
    ReadingDictionary user;
    QVERIFY(user.insert(QStringLiteral("南風台"), QStringLiteral("ハエノダイ")));
    reader_->setUserDictionary(user);
    AccentProblem why;
    frontEnd_ = JapaneseFrontEnd::create(*reader_, &why);
    QVERIFY2(frontEnd_, qPrintable(QStringLiteral("problem %1 with %2 (open-jtalk-mecab-naist-jdic is part of the build's packages)")
                                       .arg(int(why.kind))
                                       .arg(why.folder)));
}

// Texts the accent dictionary alone reads otherwise (お降りの方 オフリノホー,
// 空港行 クーコークダリ, 南四条 ミナミヨンジョー, 桜橋 サクラキョー, 車庫行き シャコイキ):
// the phonemes the voice is given are our reading's.
void tst_FrontEnd::labelsFollowOurReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("phonemes");
    QTest::newRow("お降りの方") << "お降りの方" << "オオリノカタ" << "o o r i n o k a t a";
    QTest::newRow("空港行") << "空港行のバス" << "クーコーユキノバス" << "k u u k o o y u k i n o b a s u";
    QTest::newRow("南四条") << "南四条" << "ミナミヨジョー" << "m i n a m i y o j o o";
    QTest::newRow("7番の方") << "「7番の方」" << "ナナバンノカタ" << "n a n a b a N n o k a t a";
    QTest::newRow("桜橋") << "次は、桜橋です。" << "ツギワ、サクラバシデス。" << "ts u g i w a pau s a k u r a b a sh i d e s U";
    QTest::newRow("車庫行き") << "緑ヶ丘車庫行き" << "ミドリガオカシャコユキ" << "m i d o r i g a o k a sh a k o y u k i";
    QTest::newRow("our dictionary's name") << "南風台" << "ハエノダイ" << "h a e n o d a i";
    QTest::newRow("counter's sound change") << "10分で" << "ジュップンデ" << "j u cl p u N d e";
    QTest::newRow("digits in groups, yen") << "1,200円" << "センニヒャクエン" << "s e N n i hy a k u e N";
    QTest::newRow("letters") << "ICカード" << "アイシーカード" << "a i sh i i k a a d o";
    // Read alike, the dictionary's pronunciation is spoken: セイ as a long e.
    QTest::newRow("long vowel as heard") << "学生です" << "ガクセイデス" << "g a k U s e e d e s U";
}

void tst_FrontEnd::labelsFollowOurReading()
{
    QFETCH(QString, text);
    const SpokenText spoken = frontEnd_->analyse(text);
    QTEST(spoken.reading, "reading");
    QTEST(spoken.phonemes.join(u' '), "phonemes");
    QCOMPARE(spoken.reading, reader_->reading(text));
    QString withoutPauses = spoken.reading;
    withoutPauses.remove(u'、').remove(u'。');
    QCOMPARE(heard(spoken.phonemes), heard(soundOf(withoutPauses).split(u' ')));
    QCOMPARE(spoken.labels.size(), spoken.phonemes.size() + 2);
    for (qsizetype i = 0; i < spoken.phonemes.size(); ++i)
        QCOMPARE(labelPhoneme(spoken.labels[i + 1]), spoken.phonemes[i]);
}

void tst_FrontEnd::accentPhrasesAndNuclei_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrases");
    // Minimal pairs: head-high against low-start.
    QTest::newRow("箸 head-high") << "箸が" << "ハ\\シガ";
    QTest::newRow("橋 falls after its last mora") << "橋が" << "ハシ\\ガ";
    QTest::newRow("雨 head-high") << "雨が" << "ア\\メガ";
    QTest::newRow("飴 flat") << "飴が" << "アメガ";
    QTest::newRow("神 head-high") << "神が" << "カ\\ミガ";
    QTest::newRow("紙 falls after its last mora") << "紙が" << "カミ\\ガ";
    // Particles and auxiliaries join the phrase before; です falls after a flat noun.
    QTest::newRow("particles") << "お降りの方は、お知らせください。" << "オオリ\\ノ カタ\\ワ、オシラセ クダサ\\イ";
    QTest::newRow("です after a flat name") << "このバスは、緑ヶ丘車庫行きです。" << "コノ バ\\スワ、ミドリガオカシャコユキデ\\ス";
    // Numbers with counters: the counter's rule, the fall off ン, ッ and ー.
    QTest::newRow("番 falls after the number") << "7番の方は" << "ナナ\\バンノ カタ\\ワ";
    QTest::newRow("分 after ジュッ") << "10分" << "ジュ\\ップン";
    QTest::newRow("丁目 on its first mora") << "3丁目" << "サンチョ\\ーメ";
    QTest::newRow("円 off ー") << "210円" << "ニヒャクジュ\\ーエン";
    QTest::newRow("a number starts its phrase") << "本町一丁目" << "ホ\\ンマチ イッチョ\\ーメ";
    QTest::newRow("after a prefix") << "第3便" << "ダイサ\\ンビン";
    // Compound nouns and place names with their suffixes.
    QTest::newRow("compound noun") << "ICカード" << "アイシーカ\\ード";
    QTest::newRow("前 after a name") << "区役所前です" << "クヤクショマ\\エデス";
    QTest::newRow("駅 after a name") << "中央駅" << "チューオーエ\\キ";
    QTest::newRow("通り after a name") << "中央通り" << "チューオード\\ーリ";
    QTest::newRow("行 after a name") << "空港行のバス" << "クーコーユキノ バ\\ス";
    QTest::newRow("橋 after a name") << "桜橋が" << "サクラバシガ";
    QTest::newRow("only our dictionary's name") << "南風台が" << "ハエノダイガ";
    QTest::newRow("an entry kept as two words") << "ご乗車ありがとうございます" << "ゴジョ\\ーシャアリガトー ゴザイマ\\ス";
}

void tst_FrontEnd::accentPhrasesAndNuclei()
{
    QFETCH(QString, text);
    QTEST(accentPhrases(frontEnd_->analyse(text)), "phrases");
}

// Whole labels of 次は、箸です: two breath groups (ツギワ, ハシデス) of one
// accent phrase each, the pause between them.
void tst_FrontEnd::labelsDescribeEachPhonemesContext_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::newRow("opening silence") << 0
        << "xx^xx-sil+ts=u/A:xx+xx+xx/B:xx-xx_xx/C:xx_xx+xx/D:02+xx_xx/E:xx_xx!xx_xx-xx/F:xx_xx#xx_xx@xx_xx|xx_xx"
           "/G:3_2%0_xx_xx/H:xx_xx/I:xx-xx@xx+xx&xx-xx|xx+xx/J:1_3/K:2+2-7";
    QTest::newRow("nucleus of ツギ\\ワ") << 4
        << "u^g-i+w=a/A:0+2+2/B:xx-xx_xx/C:02_xx+xx/D:24+xx_xx/E:xx_xx!xx_xx-xx/F:3_2#0_xx@1_1|1_3"
           "/G:4_1%0_xx_0/H:xx_xx/I:1-3@1+2&1-2|1+7/J:1_4/K:2+2-7";
    QTest::newRow("pause") << 7
        << "w^a-pau+h=a/A:xx+xx+xx/B:24-xx_xx/C:xx_xx+xx/D:02+xx_xx/E:3_2!0_xx-xx/F:xx_xx#xx_xx@xx_xx|xx_xx"
           "/G:4_1%0_xx_xx/H:1_3/I:xx-xx@xx+xx&xx-xx|xx+xx/J:1_4/K:2+2-7";
    QTest::newRow("nucleus of ハ\\シデス") << 9
        << "pau^h-a+sh=i/A:0+1+4/B:24-xx_xx/C:02_xx+xx/D:10+7_2/E:3_2!0_xx-0/F:4_1#0_xx@1_1|1_4"
           "/G:xx_xx%xx_xx_xx/H:1_3/I:1-4@2+1&2-1|4+4/J:xx_xx/K:2+2-7";
    QTest::newRow("closing silence") << 16
        << "s^U-sil+xx=xx/A:xx+xx+xx/B:10-7_2/C:xx_xx+xx/D:xx+xx_xx/E:4_1!0_xx-xx/F:xx_xx#xx_xx@xx_xx|xx_xx"
           "/G:xx_xx%xx_xx_xx/H:1_4/I:xx-xx@xx+xx&xx-xx|xx+xx/J:xx_xx/K:2+2-7";
}

void tst_FrontEnd::labelsDescribeEachPhonemesContext()
{
    QFETCH(int, index);
    const SpokenText spoken = frontEnd_->analyse(QStringLiteral("次は、箸です"));
    QCOMPARE(spoken.labels.size(), 17);
    QTEST(spoken.labels[index], "label");
}

// Two words in one accent phrase: the later word's chain rule, chosen by
// the part of speech before it, sets the phrase's accent type.
void tst_FrontEnd::chainRuleSetsThePhrasesNucleus_data()
{
    QTest::addColumn<QString>("firstPos");
    QTest::addColumn<int>("firstAccent"); // of a word of three morae (one for a prefix)
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("accent"); // of the later word, of two morae
    QTest::addColumn<int>("phrase");
    QTest::newRow("C1: its own accent after the morae before") << "名詞" << 0 << "C1" << 2 << 5;
    QTest::newRow("C2: its first mora") << "名詞" << 1 << "C2" << 2 << 4;
    QTest::newRow("C3: the last mora before it") << "名詞" << 0 << "C3" << 1 << 3;
    QTest::newRow("C4: flat") << "名詞" << 2 << "C4" << 1 << 0;
    QTest::newRow("C5: as it was") << "名詞" << 2 << "C5" << 1 << 2;
    QTest::newRow("F1 after a noun: as it was") << "名詞" << 0 << "名詞%F1/動詞%F2@0" << 0 << 0;
    QTest::newRow("F2 after a verb: falls after a flat word") << "動詞" << 0 << "名詞%F1/動詞%F2@0" << 0 << 3;
    QTest::newRow("F2 keeps a fall there is") << "動詞" << 1 << "名詞%F1/動詞%F2@0" << 0 << 1;
    QTest::newRow("F2@1 on its own first mora") << "名詞" << 0 << "名詞%F2@1/動詞%F1" << 1 << 4;
    QTest::newRow("F3 moves a fall there is") << "名詞" << 1 << "F3@1" << 0 << 4;
    QTest::newRow("F3 leaves a flat word") << "名詞" << 0 << "F3@1" << 0 << 0;
    QTest::newRow("F4 always") << "名詞" << 0 << "F4@1" << 0 << 4;
    QTest::newRow("F5 flat") << "名詞" << 2 << "F5" << 0 << 0;
    QTest::newRow("P1 after a prefix, flat word") << "接頭詞" << 1 << "P1" << 0 << 0;
    QTest::newRow("P1 after a prefix, its accent") << "接頭詞" << 1 << "P1" << 2 << 3;
    QTest::newRow("P2 after a prefix, flat word") << "接頭詞" << 1 << "P2" << 0 << 2;
    QTest::newRow("no rule for the part of speech before") << "形容詞" << 2 << "名詞%F1/動詞%F2@0" << 0 << 2;
}

void tst_FrontEnd::chainRuleSetsThePhrasesNucleus()
{
    QFETCH(QString, firstPos);
    QFETCH(int, firstAccent);
    QFETCH(QString, rule);
    QFETCH(int, accent);
    std::vector<AccentWord> words(2);
    words[0].pos[0] = firstPos;
    words[0].accent = firstAccent;
    words[0].setPronunciation(firstPos == u"接頭詞" ? QStringLiteral("オ") : QStringLiteral("カタナ"));
    words[1].accent = accent;
    words[1].chainRule = rule;
    words[1].chainFlag = 1;
    words[1].setPronunciation(QStringLiteral("ハシ"));
    setAccentTypes(words);
    QTEST(words[0].accent, "phrase");
}

void tst_FrontEnd::vowelsBetweenVoicelessConsonantsAreWhispered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phonemes");
    QTest::newRow("ク before s, です at the end") << "学生です" << "g a k U s e e d e s U";
    QTest::newRow("キ before t") << "北口" << "k I t a g u ch i";
    QTest::newRow("not two in a row") << "好きです" << "s U k i d e s U";
    QTest::newRow("not before a voiced consonant") << "ください" << "k u d a s a i";
    QTest::newRow("flat word") << "菊が" << "k I k u g a";
    QTest::newRow("す of ます before another word") << "行きますか" << "i k i m a s U k a";
}

void tst_FrontEnd::vowelsBetweenVoicelessConsonantsAreWhispered()
{
    QFETCH(QString, text);
    QTEST(frontEnd_->analyse(text).phonemes.join(u' '), "phonemes");
}

void tst_FrontEnd::labelsAreWellFormed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pauses");
    QTest::newRow("one mora") << "ア" << 0;
    QTest::newRow("one word") << "次" << 0;
    QTest::newRow("pause") << "次は、市役所前です。" << 1;
    QTest::newRow("two sentences") << "ご乗車ありがとうございました。終点、緑ヶ丘車庫です。" << 2;
    QTest::newRow("long vowels and whispers") << "お降りの方は、降車ボタンでお知らせください。" << 1;
    QTest::newRow("numbers") << "運賃は大人210円、小児110円です。" << 1;
    QTest::newRow("pauses together, none first or last") << "、次は、、本町です。。" << 1;
    QTest::newRow("long") << QString(QStringLiteral("次は市役所前です")).repeated(20) << 0;
}

void tst_FrontEnd::labelsAreWellFormed()
{
    QFETCH(QString, text);
    QFETCH(int, pauses);
    const SpokenText spoken = frontEnd_->analyse(text);
    const QStringList &labels = spoken.labels;
    QCOMPARE(labels.size(), spoken.phonemes.size() + 2);
    QCOMPARE(spoken.phonemes.count(QStringLiteral("pau")), pauses);
    static const QSet<QString> voice{"a", "i", "u", "e", "o", "A", "I", "U", "E", "O", "N", "cl", "pau", "sil",
                                     "k", "ky", "g", "gy", "s", "sh", "z", "j", "t", "ts", "ty", "ch", "d", "dy",
                                     "n", "ny", "h", "hy", "f", "b", "by", "p", "py", "m", "my", "r", "ry", "w", "y", "v"};
    std::vector<Label> parsed;
    for (const QString &line : labels) {
        const auto label = parseLabel(line);
        QVERIFY2(label, qPrintable(line));
        QVERIFY2(voice.contains(label->p[2]), qPrintable(line));
        parsed.push_back(*label);
    }
    QCOMPARE(parsed.front().p[2], QStringLiteral("sil"));
    QCOMPARE(parsed.back().p[2], QStringLiteral("sil"));
    // Each label names its neighbours as they are.
    for (std::size_t i = 0; i + 1 < parsed.size(); ++i) {
        QCOMPARE(parsed[i + 1].p[1], parsed[i].p[2]);
        QCOMPARE(parsed[i + 1].p[0], parsed[i].p[1]);
        QCOMPARE(parsed[i].p[3], parsed[i + 1].p[2]);
        QCOMPARE(parsed[i].p[4], parsed[i + 1].p[3]);
    }
    // The counts agree: each mora's place in its phrase with the phrase's
    // size and accent, the phrases, breath groups and morae with the totals.
    QSet<QString> phrases;
    QSet<QString> morae;
    for (std::size_t i = 1; i + 1 < parsed.size(); ++i) {
        const Label &l = parsed[i];
        QCOMPARE(l.text(u'K', 0), parsed.front().text(u'K', 0));
        if (l.p[2] == u"pau") {
            QCOMPARE(l.text(u'A', 0), QStringLiteral("xx"));
            continue;
        }
        const int inPhrase = l.at(u'A', 1);
        const int phraseMorae = l.at(u'F', 0);
        QCOMPARE(inPhrase + l.at(u'A', 2) - 1, phraseMorae);
        QCOMPARE(l.at(u'A', 0), inPhrase - l.at(u'F', 1));
        QVERIFY(l.at(u'F', 1) >= 1 && l.at(u'F', 1) <= phraseMorae);
        QVERIFY(l.at(u'I', 2) <= l.at(u'K', 0));
        const QString phrase = l.text(u'I', 2) + u'.' + l.text(u'F', 3);
        phrases << phrase;
        morae << phrase + u'.' + l.text(u'A', 1);
    }
    QCOMPARE(parsed.front().at(u'K', 0), pauses + 1);
    QCOMPARE(parsed.front().at(u'K', 1), std::min<int>(phrases.size(), 49));
    QCOMPARE(parsed.front().at(u'K', 2), std::min<int>(morae.size(), 199));
    QCOMPARE(morae.size(), splitMorae(spoken.reading).size());
}

void tst_FrontEnd::whatCannotBeReadIsLeftOutAndTheRestSpoken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phonemes");
    QTest::addColumn<QStringList>("unreadable");
    QTest::newRow("beyond KANJIDIC") << "次は\U00020BB7野家前です" << "ts u g i w a n o y a m a e d e s U" << QStringList{"\U00020BB7"};
    QTest::newRow("another script") << "次は한本町です" << "ts u g i w a h o N ch o o d e s U" << QStringList{"한"};
    QTest::newRow("a lone surrogate") << QStringLiteral("次は") + QChar(0xD800) + QStringLiteral("本町です")
                                      << "ts u g i w a h o N ch o o d e s U" << QStringList{};
    QTest::newRow("kanji read alone") << "慈照院前" << "j i sh o o i N m a e" << QStringList{"慈", "照"};
    QTest::newRow("nothing to say") << "！？…" << "" << QStringList{};
}

void tst_FrontEnd::whatCannotBeReadIsLeftOutAndTheRestSpoken()
{
    QFETCH(QString, text);
    const SpokenText spoken = frontEnd_->analyse(text);
    QTEST(spoken.phonemes.join(u' '), "phonemes");
    QTEST(spoken.unreadable, "unreadable");
    QCOMPARE(spoken.labels.size(), spoken.phonemes.isEmpty() ? 0 : spoken.phonemes.size() + 2);
}

void tst_FrontEnd::missingAccentDictionaryIsRefusedWithAReason_data()
{
    QTest::addColumn<QStringList>("files"); // made empty, or with junk, in a scratch folder
    QTest::addColumn<int>("kind");          // AccentProblem::Kind
    QTest::addColumn<QString>("missing");

    const QStringList all{"sys.dic", "matrix.bin", "char.bin", "unk.dic"};
    QTest::newRow("an empty folder") << QStringList{} << int(AccentProblem::Kind::MissingFile) << "sys.dic";
    QTest::newRow("the last file missing") << all.mid(0, 3) << int(AccentProblem::Kind::MissingFile) << "unk.dic";
    QTest::newRow("every file, none a dictionary") << all << int(AccentProblem::Kind::NotLoadable) << "";
}

void tst_FrontEnd::missingAccentDictionaryIsRefusedWithAReason()
{
    QFETCH(QStringList, files);
    QTemporaryDir folder;
    for (const QString &name : std::as_const(files)) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a dictionary");
    }
    AccentProblem why;
    QVERIFY(!JapaneseFrontEnd::create(*reader_, folder.path(), &why));
    QTEST(int(why.kind), "kind");
    QCOMPARE(why.folder, folder.path());
    QTEST(why.file, "missing");
}

QTEST_GUILESS_MAIN(tst_FrontEnd)
#include "tst_frontend.moc"
