// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/digit/M_Degit.h"

#include "reslib/PixelZoom.h"
#include "reslib/PropertyBag.h"
#include "reslib/ResDialogs.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kerubara {
namespace {

std::int16_t toInt16(const QVariant &v)
{
    return static_cast<std::int16_t>(std::clamp<qlonglong>(v.toLongLong(), INT16_MIN, INT16_MAX));
}

OleColor toOleColor(const QVariant &v)
{
    return static_cast<OleColor>(v.toLongLong() & 0xFFFFFFFF);
}

// A stored number that does not fit is brought into range: a 16-bit one
// saturates, a colour keeps its low 32 bits. Value is taken as it is stored.
QVariant fromBag(const QVariant &stored, const QVariant &, QMetaType type)
{
    if (type == QMetaType::fromType<std::int16_t>())
        return QVariant::fromValue(toInt16(stored));
    if (type == QMetaType::fromType<OleColor>())
        return QVariant::fromValue(toOleColor(stored));
    if (type == QMetaType::fromType<bool>())
        return stored.toBool();
    return stored;
}

// 16-bit numbers are kept as int.
QVariant toBag(const QVariant &value, QMetaType type)
{
    return type == QMetaType::fromType<std::int16_t>() ? QVariant(value.toInt()) : value;
}

// A number is the design value when that is a number of the same value (a
// Value of 0.0 is not written); anything else only in the same type: the
// text "0" and false are not the number 0.
bool isDesignValue(const QVariant &value, const QVariant &designValue)
{
    if (isNumber(designValue))
        return isNumberEqualTo(value, designValue.toDouble());
    return value.metaType() == designValue.metaType() && value == designValue;
}

constexpr StoredValueRules kStoredValues{fromBag, toBag, isDesignValue};

} // namespace

M_Degit::M_Degit(QWidget *parent) : QWidget(parent)
{
    initStoredProperties(*this, staticMetaObject);
    // The backing image covers the whole control.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(controlSize(keta_, degitSize_));
    // A new control starts as a cleared surface; nothing is drawn until a
    // redrawing property is written.
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(toQColor(backColor_));
}

QSize M_Degit::controlSize(std::int16_t keta, std::int16_t degitSize)
{
    const DegitSizeClass size = degitSizeClass(degitSize);
    return {size.positionWidth() * keta, size.height()};
}

void M_Degit::setUserSet(bool on)
{
    userSet_ = on;
}

void M_Degit::setBaseForeColor(OleColor color)
{
    baseForeColor_ = color;
    redraw();
}

void M_Degit::setDegitForeColor(OleColor color)
{
    degitForeColor_ = color;
    redraw();
}

void M_Degit::setFillZero(std::int16_t digits)
{
    fillZero_ = std::min(digits, keta_);
}

void M_Degit::setZeroMode(std::int16_t mode)
{
    zeroMode_ = mode >= 4 ? 0 : mode;
}

void M_Degit::setShift(std::int16_t positions)
{
    const int limited = std::min<int>(positions, keta_ - 1);
    shift_ = static_cast<std::int16_t>(std::max(limited, 0));
}

void M_Degit::setKeta(std::int16_t positions)
{
    keta_ = positions >= 1 && positions <= 15 ? positions : 4;
    resizeToFit();
    redraw();
}

void M_Degit::setDegitSize(std::int16_t sizeClass)
{
    degitSize_ = sizeClass >= 1 && sizeClass <= 3 ? sizeClass : 0;
    resizeToFit();
    redraw();
}

void M_Degit::setDegitStyle(std::int16_t style)
{
    degitStyle_ = style;
    redraw();
}

void M_Degit::setValue(const QVariant &value)
{
    value_ = value;
    redraw();
}

void M_Degit::setBackColor(OleColor color)
{
    backColor_ = color;
    redraw();
}

std::int32_t M_Degit::ShowSetDlg()
{
    std::int16_t zeroMode = zeroMode_;
    std::int16_t shift = shift_;
    std::int16_t fillZero = fillZero_;
    const std::int32_t result = Call_dlg100(this, keta_, zeroMode, shift, fillZero);
    // Taken as the dialog returns them, without the writers' limits.
    zeroMode_ = zeroMode;
    shift_ = shift;
    fillZero_ = fillZero;
    redraw();
    return result;
}

void M_Degit::ResetDegit(std::int16_t nMode)
{
    const DegitFormat kept = format();
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    setValue(nMode == -1 ? QString(std::max<int>(keta_, 0), u'8') : QStringLiteral(""));
    setShift(kept.shift);
    setZeroMode(kept.zeroMode);
    setFillZero(kept.fillZero);
}

void M_Degit::ReadProperties(const PropertyBag &bag)
{
    readStoredProperties(*this, staticMetaObject, bag, kStoredValues);
}

void M_Degit::WriteProperties(PropertyBag &bag) const
{
    writeStoredProperties(*this, staticMetaObject, bag, kStoredValues);
}

const SegmentFont &M_Degit::font()
{
    const GlyphStyle style = glyphStyle(degitStyle_);
    const DegitSizeClass size = degitSizeClass(degitSize_);
    if (!font_ || font_->style() != style || font_->height() != size.height()
        || font_->advance() != size.positionWidth() || font_->bold() != bFontBold_)
        font_.emplace(style, size, bFontBold_);
    return *font_;
}

void M_Degit::redraw()
{
    DrawDegit(value_, baseForeColor_, degitForeColor_);
}

void M_Degit::DrawDegit(const QVariant &value, OleColor baseColor, OleColor degitColor)
{
    const QString text = formatDegitValue(value, format());
    if (image_.size() != designSize())
        image_ = QImage(designSize(), QImage::Format_RGB32);
    image_.fill(toQColor(backColor_));
    if (image_.isNull()) // a control of no extent shows nothing
        return;

    const SegmentFont &glyphs = font();
    const int step = glyphs.advance() + nCharExtra_;
    QPainter painter(&image_);
    // The unlit "8" of every position from the left edge (those past the
    // right edge would not show)...
    const QColor base = toQColor(baseColor);
    const int width = image_.width();
    for (int i = 0; i < keta_ && i * step < width; ++i)
        glyphs.draw(painter, QPoint(i * step, 0), kEightMask, base);
    // ...and the value's last Keta characters over them, against the right edge.
    const QString shown = lastCharacters(text, keta_);
    const QColor lit = toQColor(degitColor);
    const int left = width - static_cast<int>(shown.size()) * step;
    for (int j = 0; j < shown.size(); ++j) {
        const int x = left + j * step;
        if (x + step > 0)
            glyphs.draw(painter, QPoint(x, 0), segmentMask(shown[j]), lit);
    }
    painter.end();
    update();
}

void M_Degit::resizeToFit()
{
    resize(sizeHint());
    updateGeometry();
}

QSize M_Degit::sizeHint() const
{
    return controlSize(keta_, degitSize_) * zoom_;
}

void M_Degit::setZoom(int factor)
{
    const int zoom = std::max(factor, 1);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    resizeToFit();
    update();
}

void M_Degit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, zoomedByWholePixels(image_, zoom_));
}

void M_Degit::resizeEvent(QResizeEvent *)
{
    // The backing image follows the control's size and keeps what it held;
    // new area shows the background until the next redraw.
    if (image_.size() == designSize())
        return;
    QImage resized(designSize(), QImage::Format_RGB32);
    resized.fill(toQColor(backColor_));
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void M_Degit::mousePressEvent(QMouseEvent *event)
{
    // Taken here so that a press on the digits does not start a window drag.
    event->accept();
}

void M_Degit::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit DblClick();
}

} // namespace kerubara
