// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

namespace kerubara {

// A replaceable platform call. The program uses the real call; a test
// installs a handler for as long as a Scoped object lives, and handlers nest
// (the previous one comes back when the Scoped object goes).
template<typename Signature, typename Tag>
class Seam
{
public:
    using Handler = std::function<Signature>;

    // The installed handler, empty when the real call is to be made.
    static const Handler &handler() { return slot(); }

    // A real call that only a higher layer can make (a window): the program
    // installs it once at start-up. Without it the call has no real form.
    static void setReal(Handler real) { realSlot() = std::move(real); }
    // The handler a test installed, else the installed real call; empty when
    // there is neither.
    static const Handler &call() { return slot() ? slot() : realSlot(); }

    class Scoped
    {
    public:
        explicit Scoped(Handler handler) : previous_(std::move(slot())) { slot() = std::move(handler); }
        ~Scoped() { slot() = std::move(previous_); }
        Scoped(const Scoped &) = delete;
        Scoped &operator=(const Scoped &) = delete;

    private:
        Handler previous_;
    };

private:
    static Handler &slot()
    {
        static Handler current;
        return current;
    }
    static Handler &realSlot()
    {
        static Handler real;
        return real;
    }
};

} // namespace kerubara
