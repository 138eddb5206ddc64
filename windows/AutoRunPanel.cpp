// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AutoRunPanel.h"

#include "operation/AutoRun.h"
#include "operation/OperationEngine.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace kerubara {
namespace {

// A number box among the console's keys: digits, Backspace, Delete, the
// arrows and Enter edit the number (Enter confirms it and sets no route); a
// letter, Space and Esc still press the button they stand for, as they do
// wherever the focus is.
class SecondsBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const int code = key->key();
            if (code == Qt::Key_Return || code == Qt::Key_Enter) {
                event->accept();
                return true;
            }
            const bool plain = (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
            if (plain && ((code >= Qt::Key_A && code <= Qt::Key_Z) || code == Qt::Key_Space || code == Qt::Key_Escape)) {
                event->ignore();
                return true;
            }
        }
        return QSpinBox::event(event);
    }
};

// A time in seconds, one of the run's preferences.
QSpinBox *storedSeconds(Preference preference, const QString &tip, PreferenceStore &preferences, QWidget *parent)
{
    auto *box = new SecondsBox(parent);
    const preferences::Row &row = preferences::row(preference);
    box->setRange(row.minimum, row.maximum);
    box->setSuffix(QCoreApplication::translate("kerubara::AutoRunPanel", "秒"));
    box->setToolTip(tip);
    box->setValue(preferences.number(preference));
    QObject::connect(box, &QSpinBox::valueChanged, &preferences,
                     [&preferences, preference](int seconds) { preferences.setNumber(preference, seconds); });
    return box;
}

} // namespace

AutoRunPanel::AutoRunPanel(OperationEngine &unit, PreferenceStore &preferences, QWidget *parent)
    : QWidget(parent), run_(new AutoRun(unit, this))
{
    button_ = new QPushButton(tr("自動運行"), this);
    button_->setCheckable(true);
    button_->setEnabled(unit.routeSet());
    button_->setToolTip(tr("今の停留所から、放送・停車・走行を繰り返して終点まで進めます。"
                           "運転の操作をすると止まります"));
    dwell_ = storedSeconds(Preference::AutoRunDwell, tr("停車時間（最後の音が終わってから）"), preferences, this);
    travel_ = storedSeconds(Preference::AutoRunTravel, tr("走行時間（次の停留所まで）"), preferences, this);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(button_);
    row->addWidget(new QLabel(tr("停車"), this));
    row->addWidget(dwell_);
    row->addWidget(new QLabel(tr("走行"), this));
    row->addWidget(travel_);

    connect(button_, &QPushButton::toggled, this, &AutoRunPanel::toggle);
    connect(run_, &AutoRun::runningChanged, this, [this](bool running) {
        const QSignalBlocker quiet(button_);
        button_->setChecked(running);
    });
    connect(&unit, &OperationEngine::routeSetChanged, button_, &QPushButton::setEnabled);
}

AutoRunPanel::~AutoRunPanel() = default;

bool AutoRunPanel::isRunning() const
{
    return run_->isRunning();
}

void AutoRunPanel::stop()
{
    run_->stop();
}

void AutoRunPanel::toggle(bool on)
{
    if (on)
        run_->start(dwell_->value() * 1000, travel_->value() * 1000);
    else
        run_->stop();
}

} // namespace kerubara
