// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/ProgramInfo.h"
#include "tools/DataTool.h"
#include "tools/PanelCommands.h"
#include "tools/Translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

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
    QStringList args = rawArguments(argc, argv);
    // --lang before the command chooses the language of the words; it is the
    // program's, not the command's.
    std::optional<QString> asked;
    if (!args.isEmpty() && (args.front() == u"--lang" || args.front().startsWith(u"--lang="))) {
        asked = kerubara::languageArgument(args.first(std::min<qsizetype>(2, args.size())));
        args.remove(0, args.front() == u"--lang" ? std::min<qsizetype>(2, args.size()) : 1);
    }
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
    // The words for people in English where the locale is English or --lang
    // asks for it, in Japanese otherwise. A --lang the tool does not know is
    // refused in the locale's language.
    const std::optional<kerubara::Language> named = asked ? kerubara::languageNamed(*asked) : std::nullopt;
    const QString locale = kerubara::messagesLocale(QProcessEnvironment::systemEnvironment());
    QTranslator translator;
    kerubara::installLanguage(translator, kerubara::chosenLanguage(named, {}, locale));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = asked && !named
        ? kerubara::datatool::usageError(
              err, QCoreApplication::translate("DataTool", "--lang には ja か en を指定してください（「%1」は使えません）。")
                       .arg(*asked))
        : kerubara::datatool::runWithPanel(args, out, err);
    out.flush();
    err.flush();
    return status;
}
