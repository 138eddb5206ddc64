#include "reslib/ApiSleep.h"

#include <QThread>

namespace kerubara {
namespace {

ScopedSleepHandler::Handler &currentHandler()
{
    static ScopedSleepHandler::Handler handler;
    return handler;
}

} // namespace

void ApiSleep(int ms)
{
    if (const auto &handler = currentHandler()) {
        handler(ms);
        return;
    }
    if (ms <= 0)
        QThread::yieldCurrentThread();
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

ScopedSleepHandler::ScopedSleepHandler(Handler handler) : previous_(std::move(currentHandler()))
{
    currentHandler() = std::move(handler);
}

ScopedSleepHandler::~ScopedSleepHandler()
{
    currentHandler() = std::move(previous_);
}

} // namespace kerubara
