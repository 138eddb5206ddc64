// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace kerubara {

// The settings the unit's operations read, each at the moment it needs it
// (the fare data folder at each route setting, the step sound at each step).
// The settings model holds them in the program; a test gives its own.
class OperationSettings
{
public:
    enum class TicketDateMode { EachTicket, AtRouteSetting, Fixed };
    enum class InfoDigit { StopOrder, TicketNumber, RouteNumber, DataColumn };

    virtual ~OperationSettings() = default;

    virtual QString fareDataFolder() const = 0;      // Text2(0)
    virtual QString broadcastDataFolder() const = 0; // Text2(1)
    virtual QString routeSettingSound() const = 0;   // txtSelectSound(0)

    virtual bool stepSoundAlways() const = 0;           // Option2(0)
    virtual QString stepSoundFile() const = 0;          // txtSelectSound(7)
    virtual QString stepSoundFile(int flag) const = 0;  // txtSelectSound(8..10) for flags 1..3, else empty
    virtual int stepSoundFlagColumn() const = 0;        // Combo1: 1..150, 0 when none is chosen
    virtual std::int16_t stepSoundWait() const = 0;     // Option6(0): -1 waits, 0 does not

    virtual QString tapeSoundFile(int index) const = 0; // txtSelectSound(3..6)
    virtual bool preBroadcastSoundAlways() const = 0;   // Option2(2)
    virtual bool preBroadcastSoundWaits() const = 0;    // Option7(0)

    virtual TicketDateMode ticketDateMode() const = 0; // Option4(0..2)
    virtual QString fixedTicketDate() const = 0;       // Label10

    // The digit cell (1..12) an information digit is shown in, if it is on.
    virtual std::optional<int> infoDigit(InfoDigit kind) const = 0; // Check3(0..3), Combo4(0..3)
    virtual bool stopOrderFromZero() const = 0;                      // Check3(4)
    virtual int infoDataColumn() const = 0;                          // Combo4(4): 1..150, 0 when none

    virtual std::int16_t tsugiwaMode() const = 0; // Combo6

    // The chime of the stop request (降車ボタン); empty plays nothing. Not in
    // the settings file: a caller that does not offer it keeps the default.
    virtual QString stopRequestSound() const { return {}; }
};

} // namespace kerubara
