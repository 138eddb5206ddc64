// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DigitFormatDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kerubara;

namespace {

struct Answer
{
    std::int32_t result = 0;
    std::int16_t zeroMode, shift, fillZero;
    bool shown = false;
};

// Opens the dialog with the values given; once it shows, `act` works on it
// (the spin boxes are shift then fill) and the dialog is accepted or
// cancelled. Failures inside `act` still close the dialog.
Answer runDialog(std::int16_t keta, std::int16_t zeroMode, std::int16_t shift, std::int16_t fillZero,
                 const std::function<void(QDialog &, QSpinBox &, QSpinBox &)> &act, bool accept)
{
    Answer a{0, zeroMode, shift, fillZero};
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        const auto spins = dialog->findChildren<QSpinBox *>();
        a.shown = spins.size() == 2;
        if (a.shown)
            act(*dialog, *spins[0], *spins[1]);
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    a.result = runDigitFormatDialog(nullptr, keta, a.zeroMode, a.shift, a.fillZero);
    return a;
}

} // namespace

class tst_DigitFormatDialog : public QObject
{
    Q_OBJECT

private slots:
    void exampleShowsFillAndShift_data();
    void exampleShowsFillAndShift();
    void okWritesTheChosenValues();
    void cancelLeavesTheValues();
};

void tst_DigitFormatDialog::exampleShowsFillAndShift_data()
{
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("fillZero");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << 3 << 0 << 0 << "・・５";
    QTest::newRow("fill 2 and shift 1") << 4 << 2 << 1 << "・０５・";
    QTest::newRow("too wide is cut on the left") << 2 << 3 << 1 << "５・";
}

void tst_DigitFormatDialog::exampleShowsFillAndShift()
{
    QFETCH(int, keta);
    QFETCH(int, fillZero);
    QFETCH(int, shift);
    QFETCH(QString, expected);
    QCOMPARE(digitFormatExample(keta, fillZero, shift), expected);
}

void tst_DigitFormatDialog::okWritesTheChosenValues()
{
    // A ZeroMode outside 0..3 stays unless the user picks one.
    const Answer a = runDialog(4, 7, 0, 4, [](QDialog &, QSpinBox &shift, QSpinBox &fill) {
        QCOMPARE(shift.maximum(), 3);
        QCOMPARE(fill.maximum(), 4);
        shift.setValue(1); // zero fill gets the positions left of the shift
        QCOMPARE(fill.maximum(), 3);
        QCOMPARE(fill.value(), 3);
    }, true);
    QVERIFY(a.shown);
    QCOMPARE(a.result, 1);
    QCOMPARE(QList<int>({a.zeroMode, a.shift, a.fillZero}), QList<int>({7, 1, 3}));
}

void tst_DigitFormatDialog::cancelLeavesTheValues()
{
    const Answer a = runDialog(3, 1, 2, 1, [](QDialog &d, QSpinBox &shift, QSpinBox &) {
        d.findChildren<QRadioButton *>().at(3)->click();
        shift.setValue(0);
    }, false);
    QVERIFY(a.shown);
    QCOMPARE(a.result, 0);
    QCOMPARE(QList<int>({a.zeroMode, a.shift, a.fillZero}), QList<int>({1, 2, 1}));
}

QTEST_MAIN(tst_DigitFormatDialog)
#include "tst_digitformatdialog.moc"
