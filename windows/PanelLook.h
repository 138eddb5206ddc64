// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"
#include "settings/SettingsFile.h"

#include <cstdint>

namespace kerubara {

// How the options dress the fare panel: the ticket-number labels, the
// colours of the fare and clock digits and the stop-name strip's face. The
// settings give one whenever they apply (panelLookOf); the panel takes it as
// a whole. The labels' colour belongs to the backlight state and goes
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

// The look the settings records give the panel.
inline PanelLook panelLookOf(const SettingsRecords &records)
{
    const PanelDataRecord &labels = records.PanelData;
    const std::array<OleColor, 3> &digits = records.DegitData.Command8;
    const ChimeiDataRecord &strip = records.ChimeiData;
    PanelLook look;
    look.ticketNumbersShown = labels.Check1 != 0;
    look.ticketNumberStyle = labels.Combo2;
    look.leadingZero = labels.Check2;
    look.digitBack = digits[0];
    look.digitBase = digits[1];
    look.digitLit = digits[2];
    look.stripBack = strip.Command9[0];
    look.stripFore = strip.Command9[1];
    look.fontMode = strip.Combo3;
    look.fontBold = strip.Check4 == 1;
    look.tsugiwaMode = strip.Combo6;
    look.tsugiwaColor = strip.Command9[2];
    look.tsugiwaFontMode = strip.Combo5;
    look.tsugiwaBold = strip.Check5 == 1;
    return look;
}

} // namespace kerubara
