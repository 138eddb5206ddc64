// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ProgramInfo.h"
#include "tools/DataTool.h"
#include "tools/PanelCommands.h"
#include "tools/Translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

QStringList rawArguments(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool's arguments are its own, not Qt's: Qt sees only the program
    // name, so that an option such as --style reaches the command.
    const QStringList args = rawArguments(argc, argv);
    int qtArgc = 1;
    // Drawing commands need a GUI application; without a display they use
    // Qt's offscreen platform, so the tool runs on a server or in a script.
    kerubara::prepareRuntimeFolder();
    std::unique_ptr<QCoreApplication> app;
    if (kerubara::datatool::needsGui(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(qtArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(qtArgc, argv);
    }
    // The words for people in the user's language when there is a
    // translation; the Japanese ones otherwise.
    QTranslator translator;
    kerubara::installTranslation(translator);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = kerubara::datatool::runWithPanel(args, out, err);
    out.flush();
    err.flush();
    return status;
}
