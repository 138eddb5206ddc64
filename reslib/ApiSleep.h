#pragma once

#include <functional>

namespace kerubara {

// Blocks the calling thread for `ms` milliseconds, as the program does on
// purpose in a few places (the lamp test, the pause after a synchronous
// sound). Tests replace it so they need not wait.
void ApiSleep(int ms);

// While alive, ApiSleep calls `handler` with the milliseconds instead of
// sleeping.
class ScopedSleepHandler
{
public:
    using Handler = std::function<void(int)>;
    explicit ScopedSleepHandler(Handler handler);
    ~ScopedSleepHandler();
    ScopedSleepHandler(const ScopedSleepHandler &) = delete;
    ScopedSleepHandler &operator=(const ScopedSleepHandler &) = delete;

private:
    Handler previous_;
};

} // namespace kerubara
