// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/QtResDialogs.h"

#include "dialogs/DigitFormatDialog.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace kerubara {
namespace {

// "Waveサウンド(*.wav)" already names its pattern; otherwise it is appended.
QString qtFilter(const QList<FileFilter> &filter)
{
    QStringList parts;
    for (const FileFilter &f : filter) {
        if (f.description.contains(u'(') && f.description.endsWith(u')'))
            parts << f.description;
        else
            parts << QStringLiteral("%1 (%2)").arg(f.description, f.pattern);
    }
    return parts.join(QStringLiteral(";;"));
}

} // namespace

std::int32_t QtResDialogs::dlg100(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                                  std::int16_t &shift, std::int16_t &fillZero)
{
    return runDigitFormatDialog(owner, keta, zeroMode, shift, fillZero);
}

void QtResDialogs::dlg110(QWidget *owner, std::int32_t /*kind*/, const QString &text)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("QtResDialogs", "バージョン情報"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *view = new QPlainTextEdit(text, &dialog);
    view->setReadOnly(true);
    view->setMinimumSize(360, 140);
    layout->addWidget(view);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}

std::int32_t QtResDialogs::dlg111(QWidget *owner, SystemTime &date)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("QtResDialogs", "日付の選択"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *calendar = new QCalendarWidget(&dialog);
    if (date.wYear > 0)
        calendar->setSelectedDate(QDate(date.wYear, date.wMonth, date.wDay));
    layout->addWidget(calendar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("QtResDialogs", "キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const QDate d = calendar->selectedDate();
    date.wYear = static_cast<std::int16_t>(d.year());
    date.wMonth = static_cast<std::int16_t>(d.month());
    date.wDay = static_cast<std::int16_t>(d.day());
    date.wDayOfWeek = static_cast<std::int16_t>(d.dayOfWeek() % 7);
    return 1;
}

QString QtResDialogs::fileDlg(QWidget *owner, std::int32_t flags, const QList<FileFilter> &filter,
                              const QString &initialName, const QString &title)
{
    if (flags & kFileDlgSave)
        return QFileDialog::getSaveFileName(owner, title, initialName, qtFilter(filter));
    return QFileDialog::getOpenFileName(owner, title, initialName, qtFilter(filter));
}

QString QtResDialogs::folderDlg(QWidget *owner, const QString &title)
{
    return QFileDialog::getExistingDirectory(owner, title);
}

std::int32_t QtResDialogs::chooseColor(QWidget *owner, OleColor &color, CustomColors &custom)
{
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i)
        QColorDialog::setCustomColor(i, toQColor(custom[static_cast<std::size_t>(i)]));
    const QColor chosen = QColorDialog::getColor(toQColor(color), owner);
    for (int i = 0; i < QColorDialog::customCount() && i < 16; ++i)
        custom[static_cast<std::size_t>(i)] = fromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid())
        return 0;
    color = fromQColor(chosen);
    return 1;
}

} // namespace kerubara
