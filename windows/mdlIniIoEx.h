// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kerubara {

class Simulator;

// The settings file between runs: every setting of the options window, the
// per-digit formats of the twelve fare digits, the two window positions, the
// control panel's state and the colour dialog's custom colours.
//
// Both routines report their own errors: a file that is missing (53) or
// badly named (52) is passed over in silence; any other error shows the box
// "エラー Code:" number, line break, "内容:" description, and the steps after
// the failing one are skipped. Without a settings file (Simulator built
// without one) both do nothing.

// Reads the file and applies it to all windows; the last step of start-up.
// A file that ends early or is damaged, and a value a list or a slider cannot
// take, cost only those fields: they keep what the windows hold, everything
// else is restored, and one message names the file and the fields.
void LoadIniInfo(Simulator &sim);

// Collects everything from the windows and writes the file in one piece: the
// previous file stays whole until the new one is complete. Called by the
// confirmed exit, just before the program ends. A run that another program's
// lock keeps from saving (SettingsFilePaths::saves) writes nothing.
void SaveIniInfo(Simulator &sim);

} // namespace kerubara
