// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/digit/DegitText.h"
#include "controls/digit/SegmentFont.h"
#include "reslib/OleColor.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace kerubara {

class PropertyBag;

// A row of seven-segment digits as on a fare display: `Keta` positions, each
// always showing its unlit segments as a dim "8" in BaseForeColor, with the
// characters of `Value` drawn over them right-aligned in DegitForeColor.
//
// What is drawn lives in a backing image that only the redrawing property
// writers change; painting copies it to the screen. Writers that redraw do so
// every time they are called, even with the value already held: the panel
// rewrites a digit's Value after changing its format so that it shows the
// new format.
class M_Degit : public QWidget
{
    Q_OBJECT
    // What an instance stores, each with its design value. Written through the
    // meta-object, as reading stored properties does, they take the value as
    // it is: no limits, no resizing, no redrawing. The setters below do those.
    Q_PROPERTY(OleColor BaseForeColor READ BaseForeColor MEMBER baseForeColor_)
    Q_CLASSINFO("BaseForeColor", "0x969696") // grey 150, 150, 150
    Q_PROPERTY(OleColor DegitForeColor READ DegitForeColor MEMBER degitForeColor_)
    Q_CLASSINFO("DegitForeColor", "0x72D2F8") // amber 248, 210, 114
    Q_PROPERTY(std::int16_t FillZero READ FillZero MEMBER fillZero_)
    Q_CLASSINFO("FillZero", "0")
    Q_PROPERTY(std::int16_t ZeroMode READ ZeroMode MEMBER zeroMode_)
    Q_CLASSINFO("ZeroMode", "0")
    Q_PROPERTY(std::int16_t Shift READ Shift MEMBER shift_)
    Q_CLASSINFO("Shift", "0")
    Q_PROPERTY(std::int16_t Keta READ Keta MEMBER keta_)
    Q_CLASSINFO("Keta", "4")
    Q_PROPERTY(std::int16_t DegitSize READ DegitSize MEMBER degitSize_)
    Q_CLASSINFO("DegitSize", "0")
    Q_PROPERTY(std::int16_t DegitStyle READ DegitStyle MEMBER degitStyle_)
    Q_CLASSINFO("DegitStyle", "0")
    Q_PROPERTY(QVariant Value READ Value WRITE storeValue)
    Q_CLASSINFO("Value", "0")
    Q_PROPERTY(bool UserSet READ UserSet MEMBER userSet_)
    Q_CLASSINFO("UserSet", "true")
    Q_PROPERTY(OleColor BackColor READ BackColor MEMBER backColor_)
    Q_CLASSINFO("BackColor", "0x808080") // grey 128, 128, 128

public:
    explicit M_Degit(QWidget *parent = nullptr);

    bool UserSet() const { return userSet_; }
    void setUserSet(bool on);

    OleColor BaseForeColor() const { return baseForeColor_; }
    void setBaseForeColor(OleColor color);

    OleColor DegitForeColor() const { return degitForeColor_; }
    void setDegitForeColor(OleColor color);

    // Numbers are padded with leading zeros to this many digits (0: none).
    // A value greater than Keta is stored as Keta.
    std::int16_t FillZero() const { return fillZero_; }
    void setFillZero(std::int16_t digits);

    // 0..3, see applyZeroMode(); 4 or more is stored as 0.
    std::int16_t ZeroMode() const { return zeroMode_; }
    void setZeroMode(std::int16_t mode);

    // Unlit positions kept right of the value, 0..Keta-1.
    std::int16_t Shift() const { return shift_; }
    void setShift(std::int16_t positions);

    // Number of positions, 1..15 (anything else is stored as 4). Resizes the
    // control to fit and redraws.
    std::int16_t Keta() const { return keta_; }
    void setKeta(std::int16_t positions);

    // Size class 0..3 (anything else is stored as 0). Resizes and redraws.
    std::int16_t DegitSize() const { return degitSize_; }
    void setDegitSize(std::int16_t sizeClass);

    // Glyph style: 1 is B, 2 is C, any other value A.
    std::int16_t DegitStyle() const { return degitStyle_; }
    void setDegitStyle(std::int16_t style);

    // Nothing (an invalid QVariant), a number, or a QString text.
    QVariant Value() const { return value_; }
    void setValue(const QVariant &value);

    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor color);

    // Extra spacing between characters and the bold glyph switch, fixed when
    // the control is created (no extra spacing, bold glyphs on this system).
    std::int32_t charExtra() const { return nCharExtra_; }
    bool fontBold() const { return bFontBold_; }

    // Opens the digit-format dialog on ZeroMode, Shift and FillZero and takes
    // its values as they come back. Returns 1 when the user accepted.
    std::int32_t ShowSetDlg();

    // -1 (True): the lamp test, every segment of every position lit.
    // Anything else: a blank field. Value keeps that text afterwards; the
    // format in force before comes back without a redraw.
    void ResetDegit(std::int16_t nMode);

    // The stored properties of an instance: read back without checks, without
    // resizing and without redrawing; written only where they differ from the
    // defaults.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // What the control shows (its backing image).
    QImage image() const { return image_; }

    // The pixel size of a control with `keta` positions of size class `degitSize`.
    static QSize controlSize(std::int16_t keta, std::int16_t degitSize);

    // Whole-pixel magnification of what the control shows (1 as designed):
    // the control grows by the factor and every segment with it, while the
    // drawing itself (image()) keeps the design size. A factor below 1
    // counts as 1.
    int zoom() const { return zoom_; }
    void setZoom(int factor);

    // In a layout the control keeps the size its digit count, size class and
    // zoom give.
    QSize sizeHint() const override;

signals:
    void DblClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Value is stored by a function rather than as a MEMBER: a MEMBER write
    // skips a value that compares equal to the one held, and the text "0",
    // false and 0.0 all compare equal to the number 0.
    void storeValue(const QVariant &value) { value_ = value; }

    DegitFormat format() const { return {zeroMode_, fillZero_, shift_}; }
    void DrawDegit(const QVariant &value, OleColor baseColor, OleColor degitColor);
    void redraw();
    void resizeToFit();
    // The control's size in design pixels (its size without the zoom).
    QSize designSize() const { return {width() / zoom_, height() / zoom_}; }
    const SegmentFont &font();

    // The stored properties; the constructor gives them their design values.
    bool userSet_{};
    OleColor baseForeColor_{};
    OleColor degitForeColor_{};
    std::int16_t fillZero_{};
    std::int16_t zeroMode_{};
    std::int16_t shift_{};
    std::int16_t keta_{};
    std::int16_t degitSize_{};
    std::int16_t degitStyle_{};
    QVariant value_;
    OleColor backColor_{};

    std::int32_t nCharExtra_ = 0;
    bool bFontBold_ = true;

    QImage image_;
    int zoom_ = 1;
    std::optional<SegmentFont> font_;
};

} // namespace kerubara
