#pragma once

#include <QStringList>

class QTextStream;

namespace kerubara::datatool {

// Runs one command of the data tool. `args` are the arguments after the
// program name; normal output goes to `out`, messages to `err`. Returns the
// exit status: 0 success, 1 bad input or a problem found, 2 bad usage.
int run(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace kerubara::datatool
