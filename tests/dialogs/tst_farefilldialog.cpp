// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/FareFillDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QInputMethodEvent>
#include <QTest>

#include <algorithm>

using namespace kerubara;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

template<typename T>
T *child(const QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("the dialog has no %s", name);
    return widget;
}

QPushButton *okButton(const QDialog &dialog)
{
    return child<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok);
}

// Types `text` as a person would: Latin-1 key by key, anything else (full
// width) committed by the input method, as a Japanese keyboard sends it.
void type(QWidget *widget, const QString &text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        QTest::keyClicks(widget, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(widget, &commit);
}

// Moves a closed list `steps` entries down with the arrow key.
void stepDown(QComboBox *box, int steps)
{
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace

class tst_FareFillDialog : public QObject
{
    Q_OBJECT

private slots:
    void typedStageTableIsTheRule_data();
    void typedStageTableIsTheRule();
    void diagonalCopyNamesItsColumn();
};

void tst_FareFillDialog::typedStageTableIsTheRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("perStage");
    QTest::addColumn<int>("unitSteps");     // down the unit list: 1, 5, 10, 50, 100 yen
    QTest::addColumn<int>("roundingSteps"); // down the rounding list: nearest, up, down
    QTest::addColumn<std::vector<double>>("fares"); // empty: refused
    QTest::addColumn<QString>("example");
    QTest::newRow("commas and blanks") << "170, 190 210" << "" << 0 << 0 << std::vector<double>{170, 190, 210}
                                       << "0区間 170円、1区間 190円、2区間 210円、3区間 210円、4区間 210円、…";
    QTest::newRow("full-width, rounded up to 10 past the list")
        << "１７０、１８４" << "12.5" << 2 << 1 << std::vector<double>{170, 184}
        << "0区間 170円、1区間 190円、2区間 200円、3区間 210円、…";
    QTest::newRow("cut down to 50") << "170 220" << "" << 3 << 2 << std::vector<double>{170, 220}
                                    << "0区間 150円、1区間 200円、2区間 200円、3区間 200円、…";
    QTest::newRow("nothing typed") << "" << "" << 0 << 0 << std::vector<double>{}
                                   << "0区間からの運賃を、カンマか空白で区切って入力してください。";
    QTest::newRow("not a number") << "170, 1a0" << "" << 0 << 0 << std::vector<double>{}
                                  << "2番目の「1a0」は運賃として読めません（0～32767 の数にしてください）。";
    QTest::newRow("32768 is too dear") << "32768" << "" << 0 << 0 << std::vector<double>{}
                                       << "1番目の「32768」は運賃として読めません（0～32767 の数にしてください）。";
    QTest::newRow("past the list too dear") << "32700" << "100" << 0 << 0 << std::vector<double>{}
                                            << "1区間の運賃が 0～32767 に収まりません。";
}

void tst_FareFillDialog::typedStageTableIsTheRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, perStage);
    QFETCH(int, unitSteps);
    QFETCH(int, roundingSteps);
    QFETCH(std::vector<double>, fares);
    QFETCH(QString, example);
    FareFillDialog dialog(12, 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    type(child<QLineEdit>(dialog, "faresEdit"), typed);
    auto *perStageBox = child<QDoubleSpinBox>(dialog, "perStageBox");
    perStageBox->selectAll();
    QTest::keyClicks(perStageBox, perStage.isEmpty() ? QStringLiteral("0") : perStage);
    stepDown(child<QComboBox>(dialog, "roundToBox"), unitSteps);
    stepDown(child<QComboBox>(dialog, "roundingBox"), roundingSteps);

    QCOMPARE(child<QLabel>(dialog, "example")->text(), example);
    QCOMPARE(okButton(dialog)->isEnabled(), !fares.empty());
    const std::optional<FareFillRule> rule = dialog.rule();
    QCOMPARE(rule.has_value(), !fares.empty());
    if (!rule)
        return;
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(std::holds_alternative<FareStageRule>(*rule));
    QCOMPARE(std::get<FareStageRule>(*rule).stageFares, fares);
}

void tst_FareFillDialog::diagonalCopyNamesItsColumn()
{
    FareFillDialog dialog(12, 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *choice = child<QRadioButton>(dialog, "diagonalChoice");
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
    QVERIFY(choice->isChecked());
    // No fares typed: the stage table is not asked for.
    QVERIFY(okButton(dialog)->isEnabled());
    auto *source = child<QSpinBox>(dialog, "sourceBox");
    QCOMPARE(source->value(), 2);
    QTest::keyClick(source, Qt::Key_Up);
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.rule() == std::optional<FareFillRule>(DiagonalRule{3}));
}

QTEST_MAIN(tst_FareFillDialog)
#include "tst_farefilldialog.moc"
