// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the readers and checks of our data files found, worded for people
// (translatable, Japanese source text). The data tool's commands and the
// windows show the same words.

#include "formats/Csv.h"
#include "formats/DataIo.h"
#include "formats/DataFiles.h"
#include "formats/FareChecks.h"
#include "formats/FareCsv.h"
#include "formats/FareFile.h"
#include "reslib/TicketPluginFile.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace kerubara::formatmessages {

// Why a file was not read; `format` (such as "運賃データ(.hy3)") names what
// cannot be larger.
QString readProblemText(const datafiles::ReadProblem &problem, const QString &format);

// Why a device or a named pipe is not read.
QString notRegularFileText();

// What went wrong writing a file, without its path.
QString writeProblemText(const datafiles::WriteProblem &problem);

// Why CSV text does not parse, without its line.
QString csvErrorText(const csv::ParseError &error);

// A problem or warning of a fare CSV, without its line.
QString fareCsvProblemText(const farecsv::Problem &problem);

// A control character as a message names it: 改行, タブ or U+XXXX.
QString controlCharacterName(QChar c);

// Which field of a fare data file's record the file ends in.
QString fareFileDamageText(const FareFileDamage &damage);

// Why a file larger than kMaxFareFileBytes is refused.
QString fareFileTooLargeText();

// What a data author is told about ticket numbers above the panel's twelve.
QString ticketsBeyondPanelText(const TicketsBeyondPanel &beyond);

// What a data author is told about fares cut to three digits, by day or at
// night; both, one line each.
QString cutFaresText(const CutFares &cut, bool night);
QStringList faresBeyondThreeDigitsText(const FaresBeyondThreeDigits &cut);

// One mark of fareMarks(), without its stop: the cell ("整理券3: ", or the
// ticket number's) and why it is marked.
QString fareMarkText(const FareMark &mark);

// What a data author is told of the marks of `kinds` among `marks`: a line
// for each kind found, in the order of `kinds`, starting "record N: " with
// the first such mark and saying how many more there are.
QStringList fareMarkNotes(const std::vector<FareMark> &marks, std::initializer_list<FareMark::Kind> kinds);

// Why a broadcast data file is refused, and what its author should know,
// each starting with its line ("N行目: ") when it has one.
QString tapeDataErrorText(const TapeDataError &error);
QString tapeDataWarningText(const TapeDataWarning &warning);

// Why a file is not a ticket plug-in, without its line.
QString ticketPluginErrorText(const TicketPluginError &error);

// What a ticket plug-in can print, a line each: the date, the time, the
// route, the stop, a barcode (its count, scheme and ranges when it has one)
// and whether it switches companies.
QStringList ticketPluginLines(const PlgInfoRecord &info);

} // namespace kerubara::formatmessages
