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
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const Substitution &s : substitutions) {
        const QString family = QString::fromLatin1(s.family);
        if (!QFont::substitutes(s.face).contains(family))
            QFont::insertSubstitution(s.face, family);
        if (!installed.contains(family, Qt::CaseInsensitive))
            missing << family;
    }
    return missing;
}

} // namespace kerubara
