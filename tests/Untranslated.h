// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a test translator left untranslated: it brackets each word it
// translates as «word», so the Japanese outside every bracket did not go
// through the translation.

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace testing {

// The Japanese left outside the brackets (a translated word put into
// another is bracketed within its brackets), the runs joined by blanks.
inline QString untranslated(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("«[^«»]*»"));
    static const QRegularExpression japanese(QStringLiteral("[\\p{Hiragana}\\p{Katakana}\\p{Han}（）「」、。～]+"));
    for (qsizetype length = -1; length != text.size();) {
        length = text.size();
        text.remove(bracketed);
    }
    QStringList found;
    for (auto it = japanese.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found.join(u' ');
}

// The runs of Japanese in a translated `text` other than the words it may
// keep (`kept`: the unit's own words and the like).
inline QStringList japaneseLeft(const QString &text, const QSet<QString> &kept)
{
    static const QRegularExpression japanese(QStringLiteral("[\\p{Hiragana}\\p{Katakana}\\p{Han}（）「」、。～]+"));
    QStringList left;
    for (auto it = japanese.globalMatch(text); it.hasNext();) {
        const QString run = it.next().captured();
        if (!kept.contains(run))
            left << run;
    }
    return left;
}

} // namespace testing
