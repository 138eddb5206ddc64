#pragma once

#include <QString>

class QFile;

namespace kerubara::datatool {

// Opens a file for reading, or says in Japanese why it cannot be read.
bool openForReading(QFile &file, QString *why);

} // namespace kerubara::datatool
