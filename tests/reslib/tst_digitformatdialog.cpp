#include "reslib/DigitFormatDialog.h"

#include <QApplication>
#include <QButtonGroup>
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
};

// Opens the dialog with the values given; once it shows, `act` works on it
// (the spin boxes are shift then fill) and the dialog is accepted or cancelled.
Answer runDialog(std::int16_t keta, std::int16_t zeroMode, std::int16_t shift, std::int16_t fillZero,
                 const std::function<void(QDialog &, QSpinBox &, QSpinBox &)> &act, bool accept)
{
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto spins = dialog->findChildren<QSpinBox *>();
        QCOMPARE(spins.size(), 2);
        act(*dialog, *spins[0], *spins[1]);
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    Answer a{0, zeroMode, shift, fillZero};
    a.result = runDigitFormatDialog(nullptr, keta, a.zeroMode, a.shift, a.fillZero);
    return a;
}

void chooseZeroMode(QDialog &dialog, int mode)
{
    dialog.findChildren<QRadioButton *>().at(mode)->click();
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
    void fillIsLimitedByTheShift();
    void unknownZeroModeIsKeptUnlessChosen();
};

void tst_DigitFormatDialog::exampleShowsFillAndShift_data()
{
    QTest::addColumn<int>("keta");
    QTest::addColumn<int>("fillZero");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << 3 << 0 << 0 << "・・５";
    QTest::newRow("fill 3") << 3 << 3 << 0 << "００５";
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
    const Answer a = runDialog(3, 0, 0, 0, [](QDialog &d, QSpinBox &shift, QSpinBox &fill) {
        chooseZeroMode(d, 2);
        shift.setValue(1);
        fill.setValue(2);
    }, true);
    QCOMPARE(a.result, 1);
    QCOMPARE(a.zeroMode, 2);
    QCOMPARE(a.shift, 1);
    QCOMPARE(a.fillZero, 2);
}

void tst_DigitFormatDialog::cancelLeavesTheValues()
{
    const Answer a = runDialog(3, 1, 2, 1, [](QDialog &d, QSpinBox &shift, QSpinBox &fill) {
        chooseZeroMode(d, 3);
        shift.setValue(0);
        fill.setValue(3);
    }, false);
    QCOMPARE(a.result, 0);
    QCOMPARE(a.zeroMode, 1);
    QCOMPARE(a.shift, 2);
    QCOMPARE(a.fillZero, 1);
}

void tst_DigitFormatDialog::fillIsLimitedByTheShift()
{
    const Answer a = runDialog(4, 0, 0, 4, [](QDialog &, QSpinBox &shift, QSpinBox &fill) {
        QCOMPARE(shift.maximum(), 3);
        QCOMPARE(fill.maximum(), 4);
        shift.setValue(3);
        QCOMPARE(fill.maximum(), 1);
        QCOMPARE(fill.value(), 1);
    }, true);
    QCOMPARE(a.shift, 3);
    QCOMPARE(a.fillZero, 1);
}

void tst_DigitFormatDialog::unknownZeroModeIsKeptUnlessChosen()
{
    const Answer a = runDialog(3, 7, 0, 0, [](QDialog &, QSpinBox &, QSpinBox &) {}, true);
    QCOMPARE(a.result, 1);
    QCOMPARE(a.zeroMode, 7);
}

QTEST_MAIN(tst_DigitFormatDialog)
#include "tst_digitformatdialog.moc"
