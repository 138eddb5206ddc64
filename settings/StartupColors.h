// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reslib/OleColor.h"

namespace kerubara {

// The colour settings as the program starts, before a settings file is read:
// the options window's colour buttons hold these, and SetProp puts them on
// the panel. The data tool draws with them, so that its pictures look like
// the panel after start-up.

// Command5(0..2): the ticket-number labels with the backlight OFF, ON1, ON2
// (written by the panel's start-up).
struct TicketNumberColors
{
    OleColor off;
    OleColor on1;
    OleColor on2;
};
inline constexpr TicketNumberColors kStartupTicketNumberColors{rgb(255, 255, 255), rgb(192, 255, 192),
                                                               rgb(192, 255, 192)};

// Command8(0..2): every fare and clock digit's background, unlit and lit
// segments.
struct DigitColors
{
    OleColor back;
    OleColor unlit;
    OleColor lit;
};
inline constexpr DigitColors kStartupDigitColors{rgb(128, 128, 128), rgb(150, 150, 150), rgb(248, 210, 114)};

// Command9(0..2): the stop-name strip's background, its text and the 「次は」
// prefix.
struct StopNameColors
{
    OleColor back;
    OleColor text;
    OleColor tsugiwa;
};
inline constexpr StopNameColors kStartupStopNameColors{rgb(128, 128, 128), rgb(255, 255, 0), rgb(255, 255, 0)};

} // namespace kerubara
