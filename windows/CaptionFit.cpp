// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/CaptionFit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace kerubara {
namespace {

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, fm.horizontalAdvance(QString(line).remove(u'&')));
    return widest;
}

// The width a control leaves for its caption.
int captionRoom(const QWidget *control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    // A pixel of air on each side, so that a caption never touches the
    // button's edge.
    if (const auto *push = qobject_cast<const QPushButton *>(control))
        return (push->isFlat() ? push->width()
                               : push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width())
            - 2;
    if (qobject_cast<const QRadioButton *>(control))
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control).width();
    if (qobject_cast<const QCheckBox *>(control))
        return control->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, control).width();
    const auto *label = static_cast<const QLabel *>(control);
    return label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
}

QString captionText(const QWidget *control, bool *measured)
{
    *measured = false;
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        if (control->hasHeightForWidth())
            return {}; // a wrapping button takes more lines instead
        *measured = qobject_cast<const QPushButton *>(control) || qobject_cast<const QRadioButton *>(control)
            || qobject_cast<const QCheckBox *>(control);
        return button->text();
    }
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return {};
        *measured = true;
        return label->text();
    }
    return {};
}

} // namespace

int captionOverflow(const QWidget *control)
{
    bool measured = false;
    const QString text = captionText(control, &measured);
    if (!measured || text.isEmpty())
        return 0;
    return std::max(0, widestLine(control->fontMetrics(), text) - captionRoom(control));
}

void fitCaptions(QWidget *window)
{
    // Only a control shown has the place its layout gives it.
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || captionOverflow(control) == 0)
            continue;
        QFont face = control->font();
        int pixels = QFontInfo(face).pixelSize();
        while (captionOverflow(control) > 0 && pixels > kMinCaptionPixels) {
            face.setPixelSize(--pixels);
            control->setFont(face);
        }
    }
}

namespace {

// Fits the captions of the window it watches whenever the window is shown.
class CaptionFitter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            fitCaptions(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void fitCaptionsWhenShown(QWidget *window)
{
    window->installEventFilter(new CaptionFitter(window));
}

} // namespace kerubara
