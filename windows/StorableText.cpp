// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/StorableText.h"

#include "reslib/Cp932.h"
#include "reslib/MsgBox.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace kerubara {
namespace {

// Remembers a box's last text the file can hold and puts it back when a
// change brings in one it cannot.
class StorableTextGuard : public QObject
{
public:
    StorableTextGuard(QLineEdit *box, QString what)
        : QObject(box), box_(box), what_(std::move(what)), kept_(box->text())
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { changed(text); });
    }

private:
    void changed(const QString &text)
    {
        if (cp932::canEncode(text)) {
            kept_ = text;
            return;
        }
        // Put the old text back first: the message box lets events run.
        box_->setText(kept_);
        acceptStorableText(text, what_);
    }

    QLineEdit *box_;
    QString what_;
    QString kept_;
};

} // namespace

bool acceptStorableText(const QString &text, const QString &what)
{
    const qsizetype bad = cp932::firstUnencodable(text);
    if (bad < 0)
        return true;
    const qsizetype length = text.at(bad).isHighSurrogate() && bad + 1 < text.size() ? 2 : 1;
    MsgBox(QCoreApplication::translate("StorableText",
                                       "%1に、設定ファイルに保存できない文字「%2」が含まれています"
                                       "（設定ファイルは Shift-JIS で書かれ、この文字を表せません）。\n"
                                       "%1は前の値のままにしました。"
                                       "この文字を含まない名前のフォルダーやファイルを指定してください。")
               .arg(what, text.mid(bad, length)),
           vbExclamation, QCoreApplication::translate("StorableText", "オプション"),
           QCoreApplication::translate("StorableText", "指定された値: %1").arg(text));
    return false;
}

void keepStorable(QLineEdit *box, const QString &what)
{
    new StorableTextGuard(box, what); // owned by the box
}

} // namespace kerubara
