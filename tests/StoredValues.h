// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Compares the stored properties of a control, by key, type and value.

#include <QStringList>
#include <QVariantMap>

namespace testing {

// The keys whose values differ between `actual` and `expected`, in type or in
// value (QVariant's own == takes the text "0" for the number 0, and false for
// it too), and the keys only one of them has.
inline QStringList differingKeys(const QVariantMap &actual, const QVariantMap &expected)
{
    QStringList keys;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant found = actual.value(it.key());
        if (!actual.contains(it.key()) || found.metaType() != it->metaType() || found != *it)
            keys << it.key();
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
        if (!expected.contains(it.key()))
            keys << it.key();
    }
    return keys;
}

} // namespace testing
