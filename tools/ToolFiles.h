// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formats/DataFiles.h"
#include "reslib/OleColor.h"

#include <QString>

#include <optional>

namespace kerubara::datatool {

// The commands read and write their files as every reader and writer of our
// formats does.
using datafiles::FilesWritten;
using datafiles::notRegularFileText;
using datafiles::openForReading;
using datafiles::OutputFile;
using datafiles::parseInt16;
using datafiles::parseInt32;
using datafiles::readWholeFile;
using datafiles::writeFilesTogether;
using datafiles::writeNewFolder;
using datafiles::writeOutputFile;

// A colour written as people write one, "RRGGBB" or "#RRGGBB" in hex.
std::optional<OleColor> parseRgb(QString text);

// A colour as parseRgb reads it: "RRGGBB", upper-case hex.
QString formatRgb(OleColor color);

} // namespace kerubara::datatool
