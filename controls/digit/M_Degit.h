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
    std::int16_t FillZero() const { return format_.fillZero; }
    void setFillZero(std::int16_t digits);

    // 0..3, see applyZeroMode(); 4 or more is stored as 0.
    std::int16_t ZeroMode() const { return format_.zeroMode; }
    void setZeroMode(std::int16_t mode);

    // Unlit positions kept right of the value, 0..Keta-1.
    std::int16_t Shift() const { return format_.shift; }
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

    QWidget *hwnd() { return this; }

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

    // In a layout the control keeps the size its digit count and size class give.
    QSize sizeHint() const override;

signals:
    void DblClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void DrawDegit(const QVariant &value, OleColor baseColor, OleColor degitColor);
    void redraw();
    void resizeToFit();
    const SegmentFont &font();

    static constexpr OleColor kDefaultBaseForeColor = 0x969696;  // grey 150, 150, 150
    static constexpr OleColor kDefaultDegitForeColor = 0x72D2F8; // amber 248, 210, 114
    static constexpr OleColor kDefaultBackColor = 0x808080;      // grey 128, 128, 128
    static constexpr std::int16_t kDefaultKeta = 4;

    bool userSet_ = true;
    OleColor baseForeColor_ = kDefaultBaseForeColor;
    OleColor degitForeColor_ = kDefaultDegitForeColor;
    DegitFormat format_;
    std::int16_t keta_ = kDefaultKeta;
    std::int16_t degitSize_ = 0;
    std::int16_t degitStyle_ = 0;
    QVariant value_ = 0;
    OleColor backColor_ = kDefaultBackColor;
    std::int32_t nCharExtra_ = 0;
    bool bFontBold_ = true;

    QImage image_;
    std::optional<SegmentFont> font_;
};

} // namespace kerubara
