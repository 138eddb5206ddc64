// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QTextStream;

// The settings file commands of the data tool: dump, in4 and check for .in4
// files. The text form is one "Name=Value" line per field in file order;
// numbers in decimal (colours as signed 32-bit values), texts in UTF-8 with
// control characters written as their Unicode pictures (U+2400..U+2421).
namespace kerubara::datatool {

// True for a name ending in ".in4", in any case.
bool isSettingsFileName(const QString &path);

// The text form of the records: one "Name=Value" line per field, in file order.
QString settingsText(SettingsRecords records);

// The records a text form describes, or every line that keeps it from being
// one ("line N: ..."); the records mean nothing when there are problems. A
// field the text does not name keeps its value of settingsfile::initialRecords
// (today as the fixed date).
struct SettingsTextRead
{
    SettingsRecords records;
    QStringList problems;
};
SettingsTextRead settingsFromText(QByteArray utf8);

// What check reports about a settings file's bytes, one problem a line.
QStringList settingsFileProblems(QByteArrayView bytes);

int dumpSettingsFile(const QString &path, QTextStream &out, QTextStream &err);
int textToSettingsFile(const QString &textPath, const QString &in4Path, QTextStream &err);
// Reports the file's problems on `out`, one line each; returns how many.
int checkSettingsFile(const QString &path, QTextStream &out);

// The data folders the settings file at `path` names that are not there, a
// relative one looked for in the settings file's folder as the program does;
// one note each.
QStringList missingFolders(const QString &path);

// The columns the settings file at `path` reads at every stop (the step
// sound's flag column, the data-column digit) that lie among the first
// `fareColumns` columns, which a route's fares use; one note each.
QStringList columnsAmongFares(const QString &path, int fareColumns);

} // namespace kerubara::datatool
