// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace kerubara {

class Form1;
class Simulator;

// The captions the ticket-number labels get for one numbering style: index
// 1..12 is the label; an empty optional leaves that label's caption as it was.
struct SeirikenCaptions
{
    std::array<std::optional<QString>, 13> caption;
    int label1PointSize = 14; // 12 for the styles whose label 1 is a word
};

// The twelve numbering styles as the options window lists them.
QStringList ticketNumberStyleNames();

// Every half-width character of the text in its full-width form ("12" gives
// "１２", a space gives an ideographic space).
QString toFullWidth(const QString &text);

// What the first page's labels show for a style (0..11; any other style writes no
// caption) and a leading-zero flag (non-zero: one-digit numbers get a 0).
SeirikenCaptions seirikenCaptions(std::int16_t style, std::int16_t leadingZero);

// The captions of page `page` (0 the first) of a panel that shows its ticket
// numbers in pages of twelve: page 0 as seirikenCaptions; on the later pages
// every label is a number, the one the style gives ticket 12 × page + k.
SeirikenCaptions seirikenPageCaptions(std::int16_t style, std::int16_t leadingZero, int page);

// Writes 0 to the twelve fare digits, so that each draws.
void InitDegit(Form1 &panel);

// The panel's start-up defaults: the options' defaults, the built-in panel
// picture for all three backlight states, then the settings applied.
void InitPanel(Simulator &sim);

} // namespace kerubara
