// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the front end while the synthesisers are built: our reading,
// its phonemes, and labels that give every phrase a flat pitch.

#include "sound/JapaneseReader.h"
#include "sound/SpeechText.h"

#include <QHash>

namespace kerubara {
namespace {

// Katakana morae → the voice's phonemes (consonant part, vowel).
const QHash<QString, QStringList> &morae()
{
    static const QHash<QString, QStringList> table = [] {
        QHash<QString, QStringList> t;
        const char *vowels[] = {"a", "i", "u", "e", "o"};
        auto row = [&](const char16_t *kana, const char *consonant) {
            const QString k = QString::fromUtf16(kana);
            for (qsizetype i = 0; i < k.size(); ++i) {
                if (k[i] == u'・')
                    continue;
                QStringList p;
                if (*consonant)
                    p << QString::fromLatin1(consonant);
                p << QString::fromLatin1(vowels[i]);
                t.insert(QString(k[i]), p);
            }
        };
        row(u"アイウエオ", "");
        row(u"ァィゥェォ", "");
        row(u"カキクケコ", "k");
        row(u"ガギグゲゴ", "g");
        row(u"サ・スセソ", "s");
        row(u"ザ・ズゼゾ", "z");
        row(u"タ・・テト", "t");
        row(u"ダ・・デド", "d");
        row(u"ナニヌネノ", "n");
        row(u"ハヒ・ヘホ", "h");
        row(u"バビブベボ", "b");
        row(u"パピプペポ", "p");
        row(u"マミムメモ", "m");
        row(u"ヤ・ユ・ヨ", "y");
        row(u"ラリルレロ", "r");
        row(u"ワ・・・ヲ", "w");
        t.insert(QStringLiteral("ヲ"), {QStringLiteral("o")});
        t.insert(QStringLiteral("シ"), {QStringLiteral("sh"), QStringLiteral("i")});
        t.insert(QStringLiteral("ジ"), {QStringLiteral("j"), QStringLiteral("i")});
        t.insert(QStringLiteral("チ"), {QStringLiteral("ch"), QStringLiteral("i")});
        t.insert(QStringLiteral("ツ"), {QStringLiteral("ts"), QStringLiteral("u")});
        t.insert(QStringLiteral("フ"), {QStringLiteral("f"), QStringLiteral("u")});
        t.insert(QStringLiteral("ヴ"), {QStringLiteral("v"), QStringLiteral("u")});
        t.insert(QStringLiteral("ヶ"), {QStringLiteral("k"), QStringLiteral("e")});
        const QString iRow = QStringLiteral("キギシジチニヒビピミリ");
        const char *palatal[] = {"ky", "gy", "sh", "j", "ch", "ny", "hy", "by", "py", "my", "ry"};
        for (qsizetype i = 0; i < iRow.size(); ++i) {
            const QString c = QString::fromLatin1(palatal[i]);
            t.insert(iRow[i] + QStringLiteral("ャ"), {c, QStringLiteral("a")});
            t.insert(iRow[i] + QStringLiteral("ュ"), {c, QStringLiteral("u")});
            t.insert(iRow[i] + QStringLiteral("ョ"), {c, QStringLiteral("o")});
        }
        return t;
    }();
    return table;
}

QString field(const QString &v)
{
    return v.isEmpty() ? QStringLiteral("xx") : v;
}

} // namespace

JapaneseFrontEnd::JapaneseFrontEnd(const JapaneseReader &reader) : reader_(reader) {}
JapaneseFrontEnd::~JapaneseFrontEnd() = default;

std::unique_ptr<JapaneseFrontEnd> JapaneseFrontEnd::create(const JapaneseReader &reader, QString *)
{
    return std::unique_ptr<JapaneseFrontEnd>(new JapaneseFrontEnd(reader));
}

SpokenText JapaneseFrontEnd::analyse(const QString &text) const
{
    SpokenText out;
    out.reading = reader_.reading(text);
    // Phonemes with the mora each belongs to, a phrase per pause.
    struct P
    {
        QString name;
        int mora = 0;   // 1-based within its phrase, 0 for pauses
        int phrase = 0; // index of its phrase
    };
    std::vector<P> ps;
    std::vector<int> phraseMorae{0};
    const QString &r = out.reading;
    for (qsizetype i = 0; i < r.size(); ++i) {
        const QChar c = r[i];
        const int phrase = static_cast<int>(phraseMorae.size()) - 1;
        if (c == u'、' || c == u'。') {
            if (!ps.empty() && ps.back().name != u"pau" && i + 1 < r.size()) {
                ps.push_back({QStringLiteral("pau"), 0, phrase});
                phraseMorae.push_back(0);
            }
            continue;
        }
        const int mora = ++phraseMorae.back();
        if (c == u'ン') {
            ps.push_back({QStringLiteral("N"), mora, phrase});
        } else if (c == u'ッ') {
            ps.push_back({QStringLiteral("cl"), mora, phrase});
        } else if (c == u'ー') {
            if (!ps.empty() && ps.back().mora > 0)
                ps.push_back({ps.back().name, mora, phrase});
            else
                --phraseMorae.back();
        } else {
            const QHash<QString, QStringList> &table = morae();
            auto p = table.constFind(r.mid(i, 2));
            if (i + 1 < r.size() && p != table.constEnd())
                ++i;
            else
                p = table.constFind(QString(c));
            if (p == table.constEnd()) {
                --phraseMorae.back();
                continue;
            }
            for (const QString &name : *p)
                ps.push_back({name, mora, phrase});
        }
    }
    while (!ps.empty() && ps.back().name == u"pau")
        ps.pop_back();
    if (ps.empty())
        return out;
    for (const P &p : ps)
        out.phonemes << p.name;
    QStringList names{QStringLiteral("xx"), QStringLiteral("sil")};
    names += out.phonemes;
    names << QStringLiteral("sil") << QStringLiteral("xx");
    for (qsizetype i = 1; i + 1 < names.size(); ++i) {
        const auto at = [&](qsizetype k) { return k >= 0 && k < names.size() ? names[k] : QStringLiteral("xx"); };
        QString a = QStringLiteral("xx+xx+xx"), f = QStringLiteral("xx_xx#xx_xx@xx_xx|xx_xx");
        if (i >= 2 && i < names.size() - 2) {
            const P &p = ps[std::size_t(i - 2)];
            const int n = phraseMorae[std::size_t(p.phrase)];
            if (p.mora > 0) {
                a = QStringLiteral("%1+%2+%3").arg(p.mora - n).arg(p.mora).arg(n - p.mora + 1);
                f = QStringLiteral("%1_0#0_xx@1_1|1_%1").arg(n);
            }
        }
        out.labels << QStringLiteral("%1^%2-%3+%4=%5/A:%6/B:xx-xx_xx/C:xx_xx+xx/D:xx+xx_xx/E:xx_xx!xx_xx-xx/F:%7"
                                     "/G:xx_xx%xx_xx_xx/H:xx_xx/I:xx-xx@xx+xx&xx-xx|xx+xx/J:xx_xx/K:1+1-%8")
                          .arg(at(i - 2), at(i - 1), at(i), at(i + 1), at(i + 2), a, f, field(QString::number(ps.size())));
    }
    return out;
}

} // namespace kerubara
