// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace kerubara {

// The one place where an error thrown by an event handler ends. Qt's event
// loop must never see an exception: a handler connected to a signal or a
// timer runs inside `runGuarded`, and whatever it throws (a VbError, any
// std::exception, anything else) is shown in the program's error box, with
// its number and description, and goes no further. The program keeps running.
void runGuarded(const std::function<void()> &handler) noexcept;

// A handler wrapped for `connect`: the slot runs `handler` inside runGuarded.
// The slot takes no arguments; handlers that need the signal's values take
// them from their widgets.
template<typename Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)]() { runGuarded(handler); };
}

// The error box's text for a number and a description:
// "エラー Code:" number, a line break, "内容:" description.
QString errorBoxText(int number, const QString &description);

} // namespace kerubara
