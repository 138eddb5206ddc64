// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Fonts.h"

#include <QFont>
#include <QFontDatabase>

#include <array>

namespace kerubara {
namespace {

struct Substitution
{
    const QString &face;
    const char *family;
};

} // namespace

QStringList installFontSubstitutions()
{
    const std::array<Substitution, 3> substitutions{{
        {kGothicFace, "IPAGothic"},
        {kMinchoFace, "IPAMincho"},
        {kPGothicFace, "IPAPGothic"},
    }};
    // The database is filled on first use, and until then an alias such as
    // IPAGothic (listed as IPAゴシック under a Japanese locale) is unknown.
    QFontDatabase::families();
    QStringList missing;
    for (const Substitution &s : substitutions) {
        const QString family = QString::fromLatin1(s.family);
        if (!QFont::substitutes(s.face).contains(family))
            QFont::insertSubstitution(s.face, family);
        // Under a Japanese locale the font database lists these faces by
        // their Japanese names (IPAゴシック); the Latin one is an alias.
        if (!QFontDatabase::hasFamily(family))
            missing << family;
    }
    return missing;
}

} // namespace kerubara
