// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The translation of the words for people, chosen by the user's languages.
// The words are written in Japanese; a translation is a .qm file embedded
// as :/i18n/kerubara_<language>.qm (see translations/). Both programs call
// this at start; it is inline so that the program links nothing of the
// data tool for it.

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

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

// Installs the translation for the system's languages, when there is one.
inline bool installTranslation(QTranslator &translator)
{
    return loadTranslation(translator, QLocale::system().uiLanguages())
        && QCoreApplication::installTranslator(&translator);
}

} // namespace kerubara
