// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the GTFS-JP feed and the import of a route found, worded for the data
// tool's gtfs commands (translatable, Japanese source text).

#include "formats/GtfsFeed.h"
#include "formats/GtfsImport.h"

#include <QString>

namespace kerubara::datatool {

// "FILE: N行目: what is wrong", or "FILE: what is wrong" without a line.
QString feedErrorText(const gtfs::FeedError &error);

// What the import did other than the feed says.
QString importNoteText(const gtfs::ImportNote &note);

} // namespace kerubara::datatool
