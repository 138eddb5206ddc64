// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/ErrorBoundary.h"

#include "reslib/MsgBox.h"
#include "reslib/VbError.h"

#include <new>

namespace kerubara {
namespace {

void showError(int number, const QString &description) noexcept
{
    try {
        MsgBox(errorBoxText(number, description), vbCritical, QStringLiteral("エラー"));
    } catch (...) {
        // The box itself failed (out of memory, or a test's answer threw):
        // there is nobody left to tell, and the event loop must go on.
    }
}

} // namespace

QString errorBoxText(int number, const QString &description)
{
    return QStringLiteral("エラー Code:%1\r\n内容:%2").arg(number).arg(description);
}

void runGuarded(const std::function<void()> &handler) noexcept
{
    try {
        handler();
    } catch (const VbError &e) {
        showError(e.number(), e.description());
    } catch (const std::bad_alloc &) {
        showError(VbError::OutOfMemory, VbError::standardDescription(VbError::OutOfMemory));
    } catch (const std::exception &e) {
        showError(VbError::InternalError,
                  VbError::standardDescription(VbError::InternalError) + QStringLiteral("（%1）").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        showError(VbError::InternalError, VbError::standardDescription(VbError::InternalError));
    }
}

} // namespace kerubara
