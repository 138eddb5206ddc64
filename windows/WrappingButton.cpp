// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/WrappingButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace kerubara {
namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

template<class Base>
QStyle::PixelMetric indicatorWidthMetric()
{
    if constexpr (std::is_same_v<Base, QCheckBox>)
        return QStyle::PM_IndicatorWidth;
    else
        return QStyle::PM_ExclusiveIndicatorWidth;
}

template<class Base>
QStyle::PrimitiveElement indicatorElement()
{
    if constexpr (std::is_same_v<Base, QCheckBox>)
        return QStyle::PE_IndicatorCheckBox;
    else
        return QStyle::PE_IndicatorRadioButton;
}

} // namespace

template<class Base>
int Wrapping<Base>::indicatorSpace() const
{
    return this->style()->pixelMetric(indicatorWidthMetric<Base>(), nullptr, this)
        + this->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

template<class Base>
QRect Wrapping<Base>::textRect(int width) const
{
    const int left = indicatorSpace();
    const QRect bounds(left, 0, std::max(1, width - left), 10000);
    return this->fontMetrics().boundingRect(bounds, kTextFlags, this->text());
}

template<class Base>
int Wrapping<Base>::heightForWidth(int width) const
{
    const int indicator = this->style()->pixelMetric(indicatorWidthMetric<Base>(), nullptr, this);
    return std::max(indicator, textRect(width).height()) + 2;
}

template<class Base>
QSize Wrapping<Base>::sizeHint() const
{
    const int one = indicatorSpace() + this->fontMetrics().horizontalAdvance(this->text()) + 2;
    return {one, heightForWidth(one)};
}

template<class Base>
QSize Wrapping<Base>::minimumSizeHint() const
{
    return {indicatorSpace() + this->fontMetrics().height() * 4, heightForWidth(indicatorSpace() + 60)};
}

template<class Base>
void Wrapping<Base>::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const int indicator = this->style()->pixelMetric(indicatorWidthMetric<Base>(), nullptr, this);
    const int lineHeight = this->fontMetrics().height();
    option.rect = QRect(0, std::max(0, (lineHeight - indicator) / 2) + 1, indicator, indicator);
    this->style()->drawPrimitive(indicatorElement<Base>(), &option, &p, this);
    const QRect text = textRect(this->width());
    p.setPen(this->palette().color(this->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    p.drawText(QRect(text.left(), 1, this->width() - text.left(), this->height()), kTextFlags, this->text());
    if (this->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, 0, 1, 2);
        this->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

template class Wrapping<QCheckBox>;
template class Wrapping<QRadioButton>;

} // namespace kerubara
