// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box and file dialog behind the seams: the buttons a style
// asks for, the answer of each, and a file dialog that asks where to save.
#include "dialogs/MessageBox.h"
#include "dialogs/QtResDialogs.h"
#include "reslib/MsgBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kerubara;

class tst_MessageBox : public QObject
{
    Q_OBJECT
private slots:
    void styleGivesItsButtonsAndAnswers_data();
    void styleGivesItsButtonsAndAnswers();
    void fileDialogSavesWithTheSaveFlag_data();
    void fileDialogSavesWithTheSaveFlag();
};

namespace {

// Runs `check` on the modal window once it is open.
void whenModal(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, qApp, [check] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        check(QApplication::activeModalWidget());
    });
}

} // namespace

void tst_MessageBox::styleGivesItsButtonsAndAnswers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");

    const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QTest::newRow("OK") << int(vbOKOnly) << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(vbOK);
    QTest::newRow("yes, no: no") << int(vbYesNo) << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No)
                                 << int(vbNo);
    QTest::newRow("yes, no, cancel: yes") << int(vbYesNoCancel | vbQuestion) << yesNoCancel << int(QMessageBox::Yes)
                                          << int(vbYes);
    QTest::newRow("yes, no, cancel: cancel") << int(vbYesNoCancel) << yesNoCancel << int(QMessageBox::Cancel)
                                             << int(vbCancel);
}

void tst_MessageBox::styleGivesItsButtonsAndAnswers()
{
    QFETCH(int, style);
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    int offered = 0;
    whenModal([&](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        offered = int(box->standardButtons());
        if (QAbstractButton *button = box->button(QMessageBox::StandardButton(pressed)))
            button->click();
        else
            box->done(0); // the button is not there: closed all the same

    });
    QCOMPARE(showMessageBox(MsgBoxCall{QStringLiteral("?"), style}), answer);
    QCOMPARE(offered, buttons);
}

void tst_MessageBox::fileDialogSavesWithTheSaveFlag_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("mode");
    QTest::newRow("open") << 0 << int(QFileDialog::AcceptOpen);
    QTest::newRow("save") << int(kFileDlgSave) << int(QFileDialog::AcceptSave);
}

void tst_MessageBox::fileDialogSavesWithTheSaveFlag()
{
    QFETCH(int, flags);
    QFETCH(int, mode);
    int shown = -1;
    whenModal([&](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        shown = int(dialog->acceptMode());
        dialog->reject();
    });
    QtResDialogs dialogs;
    QCOMPARE(dialogs.fileDlg(nullptr, flags, {{QStringLiteral("運賃データ(*.hy3)"), QStringLiteral("*.hy3")}}, {},
                             QStringLiteral("運賃データ")),
             QString());
    QCOMPARE(shown, mode);
}

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
