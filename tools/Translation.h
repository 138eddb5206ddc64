// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The translation of the words for people, chosen by the user's languages.
// The words are written in Japanese; a translation is a .qm file embedded
// as :/i18n/kerubara_<language>.qm (see translations/). Both programs call
// this at start; it is inline so that the program links nothing of the
// data tool for it.

#include <QCoreApplication>
#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <optional>

namespace kerubara {

// Loads into `translator` the translation for the first of `uiLanguages`
// (most wanted first, as QLocale::uiLanguages() gives them) that is either
// Japanese, which needs none, or has a translation in `folder`. Returns
// whether a translation was loaded; false keeps the Japanese words.
inline bool loadTranslation(QTranslator &translator, const QStringList &uiLanguages,
                            const QString &folder = QStringLiteral(":/i18n"))
{
    for (const QString &language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::Japanese)
            return false;
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;
        // Only the language's own file: QTranslator::load(QLocale, …) would
        // fall back to a file with no language, and a later language would
        // then never be tried.
        for (const QString &name : {locale.name(), QLocale::languageToCode(locale.language())})
            if (translator.load(QStringLiteral("kerubara_") + name, folder))
                return true;
    }
    return false;
}

// The languages the words are shown in: Japanese, the words as written, and
// English.
enum class Language { Japanese, English };

// The locale the C library takes its messages from: LC_ALL, else
// LC_MESSAGES, else LANG, the first of them set and not empty; empty when
// none is.
inline QString messagesLocale(const QProcessEnvironment &environment)
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(name));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// English for an English locale ("en", "en_GB.UTF-8", "en_US@euro");
// Japanese for every other, "C" and none included.
inline Language languageOfLocale(const QString &locale)
{
    const QString language = locale.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0);
    return language == QLatin1String("en") ? Language::English : Language::Japanese;
}

// The language a --lang value or a stored preference names ("ja", "en");
// nothing for any other text.
inline std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String("ja"))
        return Language::Japanese;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

// The language of a run: the one asked for on the command line, else the
// one the user chose in the options ("ja", "en"; anything else leaves the
// choice to the locale), else the locale's.
inline Language chosenLanguage(std::optional<Language> asked, const QString &preferred, const QString &locale)
{
    if (asked)
        return *asked;
    if (const std::optional<Language> kept = languageNamed(preferred))
        return *kept;
    return languageOfLocale(locale);
}

// The value of the first --lang option among `args` ("--lang en" or
// "--lang=en"); nothing when there is none, an empty text when the option
// has no value.
inline std::optional<QString> languageArgument(const QStringList &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--lang"))
            return i + 1 < args.size() ? args[i + 1] : QString();
        if (args[i].startsWith(QLatin1String("--lang=")))
            return args[i].mid(7);
    }
    return std::nullopt;
}

// Installs the translation into `language`; Japanese needs none. Returns
// whether the words are now in `language`.
inline bool installLanguage(QTranslator &translator, Language language)
{
    if (language == Language::Japanese)
        return true;
    return loadTranslation(translator, {QStringLiteral("en")}) && QCoreApplication::installTranslator(&translator);
}

} // namespace kerubara
