// SPDX-License-Identifier: GPL-3.0-or-later
// The console's keys: each stands for a button and presses it as a click
// would, from whichever of the two windows has the focus.

#include "windows/frmCtl.h"

#include "reslib/ErrorBoundary.h"
#include "windows/AutoRunPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace kerubara {
namespace {

// Presses a button as a click would, when there is one and it is enabled.
void press(QAbstractButton *button)
{
    if (button && button->isEnabled())
        button->click();
}

// Names the key of a control at the end of its tool tip.
void showKey(QWidget *control, const QString &keys)
{
    const QString tip = control->toolTip();
    control->setToolTip(tip.isEmpty() ? QCoreApplication::translate("kerubara::frmCtl", "キー: %1").arg(keys)
                                      : QCoreApplication::translate("kerubara::frmCtl", "%1（キー: %2）").arg(tip, keys));
}

} // namespace

void frmCtl::connectKeys()
{
    // Application-wide keys, so that they work in the panel's window too; a
    // modal window (the options, a message) holds them back. The button is
    // looked up when the key is pressed and then clicked like any click, so
    // the busy guard and the error boundary apply alike.
    auto bind = [this](std::initializer_list<QKeySequence> keys, std::function<QAbstractButton *()> target) {
        for (const QKeySequence &key : keys) {
            auto *shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::ApplicationShortcut);
            connect(shortcut, &QShortcut::activated, this, guarded([target] { press(target()); }));
        }
    };
    for (int i = 0; i < 12; ++i) {
        const Qt::Key code = i < 10 ? static_cast<Qt::Key>(Qt::Key_0 + i) : i == 10 ? Qt::Key_R : Qt::Key_S;
        const QKeySequence key(code);
        bind({key}, [this, i] { return keypadKey(i); });
        showKey(CommandButton1[static_cast<std::size_t>(i)], key.toString());
    }
    bind({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
         [this] { return Command1[static_cast<std::size_t>(frontFrame_)]; });
    bind({QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown)}, [this] { return Command2[1]; });
    bind({QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp)}, [this] { return Command2[0]; });
    bind({QKeySequence(Qt::Key_Space)}, [this] { return cmdTapeNext; });
    bind({QKeySequence(Qt::Key_Backspace)}, [this] { return cmdTapeBack; });
    // Esc is ■; without announcements it still empties the queue and ends a chime.
    bind({QKeySequence(Qt::Key_Escape)}, [this]() -> QAbstractButton * {
        if (cmdTapeStop->isEnabled() && grpM_Tape->isEnabled())
            return cmdTapeStop;
        engine().stopWaiting();
        return nullptr;
    });
    bind({QKeySequence(Qt::Key_Delete)}, [this] { return Check1; });
    bind({QKeySequence(Qt::Key_N)}, [this] { return Check2; });
    bind({QKeySequence(Qt::Key_P)}, [this] { return cmdStopRequest; });
    bind({QKeySequence(Qt::Key_B)}, [this] { return nextBacklight(); });
    bind({QKeySequence(Qt::Key_A)}, [this] { return autoRun->button(); });

    for (QPushButton *reset : Command1)
        showKey(reset, QStringLiteral("Enter"));
    showKey(Command2[1], QStringLiteral("→ / Page Down"));
    showKey(Command2[0], QStringLiteral("← / Page Up"));
    showKey(cmdTapeNext, QStringLiteral("Space"));
    showKey(cmdTapeBack, QStringLiteral("Backspace"));
    showKey(cmdTapeStop, QStringLiteral("Esc"));
    showKey(Check1, QStringLiteral("Delete"));
    showKey(Check2, QStringLiteral("N"));
    showKey(cmdStopRequest, QStringLiteral("P"));
    showKey(autoRun->button(), QStringLiteral("A"));
    for (QRadioButton *state : Option4)
        showKey(state, tr("B（OFF → ON1 → ON2 → OFF の順）"));
}

QAbstractButton *frmCtl::keypadKey(int index)
{
    QPushButton *key = CommandButton1[static_cast<std::size_t>(index)];
    if (!key->isEnabled())
        return nullptr;
    // Typed digits go to the keypad, which comes to the front as a double
    // click on the digit lists would bring it, so they show where they land.
    if (frontFrame_ != 1)
        Frame1_DblClick(0);
    return key;
}

QAbstractButton *frmCtl::nextBacklight() const
{
    for (std::size_t i = 0; i < Option4.size(); ++i) {
        if (Option4[i]->isChecked())
            return Option4[(i + 1) % Option4.size()];
    }
    return Option4[0];
}

} // namespace kerubara
