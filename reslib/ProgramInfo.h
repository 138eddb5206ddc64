#pragma once

#include <QString>

namespace kerubara {

// The program's file name without its extension: the simulated unit's model
// number, the prefix of the sound channel aliases and the name of the
// settings file.
QString programFileName();

// The folder that holds the program file.
QString programFolder();

} // namespace kerubara
