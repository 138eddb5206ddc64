// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/ErrorBoundary.h"

#include "reslib/MsgBox.h"
#include "reslib/VbError.h"

#include <QCoreApplication>

#include <new>

namespace kerubara {
namespace {

// The words of the program's error box, translated where the box is shown
// (lupdate gathers them with the windows' words).
constexpr const char *kErrorTitle = QT_TRANSLATE_NOOP("ErrorBoundary", "エラー");
constexpr const char *kErrorText = QT_TRANSLATE_NOOP("ErrorBoundary", "エラー Code:%1\r\n内容:%2");

void showError(int number, const QString &description) noexcept
{
    try {
        MsgBox(errorBoxText(number, description), vbCritical, QCoreApplication::translate("ErrorBoundary", kErrorTitle));
    } catch (...) {
        // The box itself failed (out of memory, or a test's answer threw):
        // there is nobody left to tell, and the event loop must go on.
    }
}

} // namespace

QString errorBoxText(int number, const QString &description)
{
    return QCoreApplication::translate("ErrorBoundary", kErrorText).arg(number).arg(description);
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
