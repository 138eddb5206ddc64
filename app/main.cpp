#include "app/Simulator.h"
#include "reslib/Fonts.h"
#include "reslib/MsgBox.h"
#include "reslib/ProgramInfo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    kerubara::prepareRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kerubara"));
    QApplication::setApplicationVersion(QStringLiteral(KERUBARA_VERSION));

    // Qt's own buttons and dialogs in Japanese, like the rest of the program.
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    const QStringList missing = kerubara::installFontSubstitutions();
    if (!missing.isEmpty())
        kerubara::MsgBox(kerubara::missingFontsMessage(missing), kerubara::vbExclamation,
                         QStringLiteral("フォントがありません"));

    kerubara::Simulator simulator;
    simulator.start();
    return QApplication::exec();
}
