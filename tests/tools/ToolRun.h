// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs a data tool command in process and keeps what it printed.

#include "tools/DataTool.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace testing {

struct Run
{
    int status = 0;
    QString out;
    QString err;
};

inline Run runTool(const QStringList &args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = kerubara::datatool::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace testing
