// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"

#include <cstdint>

namespace kerubara {

// How the options dress the fare panel: the ticket-number labels, the
// colours of the fare and clock digits and the stop-name strip's face. The
// options window makes one whenever its settings apply; the panel takes it
// as a whole. The labels' colour belongs to the backlight state and goes
// with its picture.
struct PanelLook
{
    bool ticketNumbersShown = true;  // Check1
    std::int16_t ticketNumberStyle = 0; // Combo2
    std::int16_t leadingZero = 0;       // Check2

    OleColor digitBack = 0;  // Command8(0)
    OleColor digitBase = 0;  // Command8(1): unlit segments
    OleColor digitLit = 0;   // Command8(2)

    OleColor stripBack = 0;          // Command9(0)
    OleColor stripFore = 0;          // Command9(1)
    std::int16_t fontMode = 0;       // Combo3
    bool fontBold = false;           // Check4
    std::int16_t tsugiwaMode = 0;    // Combo6
    OleColor tsugiwaColor = 0;       // Command9(2)
    std::int16_t tsugiwaFontMode = 0; // Combo5
    bool tsugiwaBold = false;        // Check5
};

} // namespace kerubara
