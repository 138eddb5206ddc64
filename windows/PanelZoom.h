// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kerubara {

// Whether a run takes the user's remembered preferences and keeps what the
// user chooses (the program), or starts from the defaults and neither reads
// nor keeps any (a render of the data tool, which its options and the
// settings file alone decide).
enum class Preferences { Remembered, Defaults };

// The fare panel's magnification is the user's own preference, kept between
// runs in the program's small settings (QSettings, organisation and
// application "kerubara", key "panel/zoom"), never in the settings file.

// The magnification remembered from an earlier run: 1 when there is none or
// the stored value is not one the panel offers.
int storedPanelZoom();

// Remembers `factor` for the next run.
void storePanelZoom(int factor);

// How many pages of twelve ticket numbers the panel shows (1 to 4, key
// "panel/ticketPages"; 1 when none is stored or the value is out of range)
// and the seconds each page stays (key "panel/pageSeconds", 1 to 60, 3 when
// none is stored).
int storedTicketPages();
void storeTicketPages(int pages);
int storedPageSeconds();
void storePageSeconds(int seconds);

// The fare cells' digits, 3 or 4 (key "panel/fareDigits"; 3 when none is
// stored or the value is out of range).
int storedFareDigits();
void storeFareDigits(int digits);

// The stop request's chime as the user chose it (key "sound/stopRequest"),
// kept here because the settings file has no place for it; empty for the
// built-in chime.
QString storedStopRequestSound();
void storeStopRequestSound(const QString &file);

} // namespace kerubara
