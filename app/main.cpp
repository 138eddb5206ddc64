// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/MessageBox.h"
#include "reslib/ProgramInfo.h"
#include "settings/Preferences.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsLock.h"
#include "tools/Translation.h"
#include "windows/SettingsMessages.h"
#include "windows/UnitMessages.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"
#include "windows/frmFareEdit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QRadioButton>
#include <QTranslator>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    kerubara::prepareRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kerubara"));
    QApplication::setApplicationVersion(QStringLiteral(KERUBARA_VERSION));
    // The words for people in English or Japanese: as --lang asks, else as
    // chosen in the options window, else English where the locale is English
    // and Japanese otherwise. Qt's own buttons and dialogs speak Japanese
    // with the rest of the program.
    const std::optional<QString> asked = kerubara::languageArgument(app.arguments().mid(1));
    const std::optional<kerubara::Language> named = asked ? kerubara::languageNamed(*asked) : std::nullopt;
    const kerubara::Language language = kerubara::chosenLanguage(
        named, kerubara::PreferenceStore(kerubara::Preferences::Remembered).text(kerubara::Preference::Language),
        kerubara::messagesLocale(QProcessEnvironment::systemEnvironment()));
    QTranslator translation;
    QTranslator qtJapanese;
    if (language == kerubara::Language::English)
        kerubara::installLanguage(translation, language);
    else if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    // The settings file: beside the program (or in the user's configuration
    // folder), or the one --settings names.
    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("Program", "運賃表示器シミュレーター"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QApplication::translate("Program", "設定ファイル FILE を読み込み、終了時に FILE へ保存します。"),
        QStringLiteral("FILE"));
    parser.addOption(settingsOption);
    // The backlight is not among the saved settings; a demonstration or a
    // kiosk can still start with it on.
    const QCommandLineOption backlightOption(
        QStringLiteral("backlight"),
        QApplication::translate("Program", "バックライトを STATE（OFF、ON1、ON2）にして始めます。"),
        QStringLiteral("STATE"));
    parser.addOption(backlightOption);
    const QCommandLineOption languageOption(
        QStringLiteral("lang"),
        QApplication::translate("Program", "画面の言語を LANG（ja または en）にします。"),
        QStringLiteral("LANG"));
    parser.addOption(languageOption);
    // The fare editor by itself, on a route's fare data or a new route.
    const QCommandLineOption editOption(
        QStringLiteral("edit"),
        QApplication::translate("Program", "運賃表の編集を開きます（FILE.hy3 を指定すればそのファイルを開きます）。"));
    parser.addOption(editOption);
    parser.addPositionalArgument(QStringLiteral("FILE.hy3"),
                                 QApplication::translate("Program", "--edit で開く運賃データ。"),
                                 QStringLiteral("[FILE.hy3]"));
    parser.process(app);
    if (asked && !named) {
        std::fputs(qPrintable(QApplication::translate(
                                  "Program", "--lang には ja か en を指定してください（「%1」は使えません）。\n")
                                  .arg(*asked)),
                   stderr);
        return 2;
    }
    const QStringList backlightStates{QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    const qsizetype backlight = parser.isSet(backlightOption)
        ? backlightStates.indexOf(parser.value(backlightOption).toUpper())
        : 0;
    if (backlight < 0) {
        std::fputs(qPrintable(QApplication::translate(
                                  "Program",
                                  "--backlight には OFF、ON1、ON2 のどれかを指定してください（「%1」は使えません）。\n")
                                  .arg(parser.value(backlightOption))),
                   stderr);
        return 2;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > (parser.isSet(editOption) ? 1 : 0)) {
        std::fputs(qPrintable(QApplication::translate("Program", "引数「%1」は使えません。\n\n")
                                  .arg(files.value(parser.isSet(editOption) ? 1 : 0))
                              + parser.helpText()),
                   stderr);
        return 2;
    }
    if (parser.isSet(editOption)) {
        kerubara::installWidgetCalls();
        kerubara::warnOfMissingFonts();
        kerubara::frmFareEdit editor;
        if (!files.isEmpty())
            editor.openFile(files.front());
        editor.show();
        return QApplication::exec();
    }
    kerubara::SettingsFilePaths settingsFile = parser.isSet(settingsOption)
        ? kerubara::settingsFilePaths(parser.value(settingsOption))
        : kerubara::programSettingsFilePaths();

    // Message boxes and dialogs are windows from here on: the font warning
    // and the settings lock's question below are the first that may show.
    kerubara::installWidgetCalls();
    kerubara::warnOfMissingFonts();

    // Held until the program ends: a second program on the same settings file
    // asks before it starts, and then does not save.
    kerubara::SettingsLock settingsLock;
    if (!settingsLock.claim(settingsFile, kerubara::askToStartWithoutSaving))
        return 0;

    kerubara::Simulator simulator(settingsFile);
    simulator.start();
    if (backlight > 0)
        simulator.ctl().Option4[static_cast<std::size_t>(backlight)]->click();
    return QApplication::exec();
}
