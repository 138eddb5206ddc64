// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rectangular block of cells as text, the way spreadsheets put it on the
// clipboard and take it from there: a row per line, cells separated by tabs,
// a line break after the last row. A cell holding a tab, a line break or a
// double quote is written in double quotes, its quotes doubled.

#include <QString>
#include <QStringView>

#include <vector>

namespace kerubara::editing {

using CellBlock = std::vector<std::vector<QString>>;

// The text of `cells`, each row ended by "\n".
QString toBlockText(const CellBlock &cells);

// The cells of `text`: rows end at "\r\n", "\n" or "\r"; a line break at the
// very end ends the last row rather than starting an empty one. A cell that
// starts with a double quote runs to its closing quote ("" inside is one
// quote), so it may hold tabs and line breaks; a quote never closed is taken
// as it stands. Rows shorter than the widest are filled with empty cells, so
// the block is rectangular. Empty text is no rows.
CellBlock fromBlockText(QStringView text);

} // namespace kerubara::editing
