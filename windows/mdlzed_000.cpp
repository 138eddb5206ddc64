// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/mdlzed_000.h"

#include "windows/Form1.h"
#include "windows/Simulator.h"

#include <QCoreApplication>

namespace kerubara {
namespace {

// The word of label 1 for styles 2..11.
const std::array<const char16_t *, 12> kStyleWords{
    u"", u"", u"な し", u"な し", u"無 券", u"無 券", u"券なし", u"券なし", u"券無し", u"券無し", u"", u""};

QString number(int n, std::int16_t leadingZero)
{
    const QString plain = leadingZero != 0 ? QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')) : QString::number(n);
    return toFullWidth(plain);
}

} // namespace

QStringList ticketNumberStyleNames()
{
    static constexpr std::array<const char *, 12> kNames{
        QT_TRANSLATE_NOOP("TicketNumberStyles", "1,2,3... 12 （既定の表示）"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "0,1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「なし」、1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「なし」、2,3... 12"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「無券」、1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「無券」、2,3... 12"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「券なし」、1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「券なし」、2,3... 12"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「券無し」、1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "「券無し」、2,3... 12"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "(無地)、1,2... 11"),
        QT_TRANSLATE_NOOP("TicketNumberStyles", "(無地)、2,3... 12")};
    QStringList names;
    for (const char *name : kNames)
        names << QCoreApplication::translate("TicketNumberStyles", name);
    return names;
}

QString toFullWidth(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u == u' ')
            c = QChar(0x3000);
        else if (u >= 0x21 && u <= 0x7E)
            c = QChar(static_cast<char16_t>(u - 0x21 + 0xFF01));
    }
    return out;
}

SeirikenCaptions seirikenCaptions(std::int16_t style, std::int16_t leadingZero)
{
    SeirikenCaptions out;
    if (style >= 2)
        out.caption[1] = (style <= 11) ? QString::fromUtf16(kStyleWords[static_cast<std::size_t>(style)]) : QString();
    if (style == 0) {
        for (int k = 1; k <= 12; ++k)
            out.caption[static_cast<std::size_t>(k)] = number(k, leadingZero);
    } else if (style == 1) {
        for (int k = 0; k <= 11; ++k)
            out.caption[static_cast<std::size_t>(k + 1)] = number(k, leadingZero);
    } else if (style >= 2 && style <= 11) {
        const bool fromTwo = style % 2 == 1; // styles 3, 5, 7, 9, 11
        for (int k = 1; k <= 11; ++k)
            out.caption[static_cast<std::size_t>(k + 1)] = number(fromTwo ? k + 1 : k, leadingZero);
    }
    out.label1PointSize = (style >= 2 && style <= 9) ? 12 : 14;
    return out;
}

SeirikenCaptions seirikenPageCaptions(std::int16_t style, std::int16_t leadingZero, int page)
{
    if (page <= 0)
        return seirikenCaptions(style, leadingZero);
    SeirikenCaptions out;
    if (style < 0 || style > 11)
        return out;
    // The number a style gives ticket t: t itself, or t - 1 where the
    // numbering starts at 0 or the first ticket has a word.
    const bool fromTicket = style == 0 || (style >= 2 && style % 2 == 1);
    for (int k = 1; k <= 12; ++k) {
        const int ticket = 12 * page + k;
        out.caption[static_cast<std::size_t>(k)] = number(fromTicket ? ticket : ticket - 1, leadingZero);
    }
    out.label1PointSize = 14;
    return out;
}

void InitDegit(Form1 &panel)
{
    for (int k = 1; k <= 12; ++k)
        panel.showFare(k, 0);
}

void InitPanel(Simulator &sim)
{
    sim.form1().useBuiltInPictures();
    sim.applyPanelSettings();
}

} // namespace kerubara
