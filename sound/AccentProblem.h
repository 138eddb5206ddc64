// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kerubara {

// Why the accent dictionary could not be loaded, so that there are no
// accents (and no HTS voice); the windows and the data tool word it.
struct AccentProblem
{
    enum class Kind {
        None,
        NotInstalled,  // no dictionary in any of the usual folders
        MissingFile,   // `file` is not in `folder`
        NoStaging,     // the temporary folder MeCab loads from cannot be made
        NotLoadable,   // MeCab refuses the dictionary in `folder`
        NotUtf8,       // the dictionary in `folder` is in another encoding
    };
    Kind kind = Kind::None;
    QString folder;
    QString file;

    bool ok() const { return kind == Kind::None; }
};

} // namespace kerubara
