// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/stopname/ChimeiScroll.h"
#include "controls/stopname/GlyphRaster.h"
#include "reslib/OleColor.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace kerubara {

class PropertyBag;

// The stop-name strip of the fare display: an amber dot-matrix line showing
// the next stop's name, optionally after the prefix "次は", scrolling names
// too long for its eight cells from right to left.
//
// Three surfaces make it up, all kept as images so that what is drawn can be
// read back pixel by pixel:
//   - the viewport (432 × 58 at the control's origin): what is visible, in
//     BackColor, with a flat or sunken border (Appearance 0 or 1). Changing
//     Appearance only changes the border; the viewport keeps its size. The
//     control itself is 432 × 56, so the viewport's last two rows are hidden;
//   - the canvas (56 high, 432 wide or wider for long names): the dots, placed
//     in the viewport at left canvasLeft(), top −1, and moved to scroll;
//   - the glyph raster (18 × 18, white with black ink): each character is
//     printed on it in a real typeface and each black pixel becomes a dot.
//
// Property setters store their value and emit propertyChanged() with the
// property's name; they never redraw the text, which takes new values at the
// next SetChimei. The scroll runs on a timer: SetChimei draws, starts or
// stops the scroll and returns at once.
class ChimeiCtl_DX : public QWidget
{
    Q_OBJECT
    // What an instance stores, each with its design value. Written through the
    // meta-object, as reading stored properties does, they take the value as
    // it is: no checks, no repainting, no propertyChanged(). The setters below
    // do those.
    Q_PROPERTY(OleColor BackColor READ BackColor MEMBER backColor_)
    Q_CLASSINFO("BackColor", "0x808080") // RGB 128, 128, 128
    Q_PROPERTY(OleColor ForeColor READ ForeColor MEMBER foreColor_)
    Q_CLASSINFO("ForeColor", "0x00BEFF") // RGB 255, 190, 0
    Q_PROPERTY(std::int16_t Speed READ Speed MEMBER speed_)
    Q_CLASSINFO("Speed", "5")
    Q_PROPERTY(std::int32_t ScrollStartWait READ ScrollStartWait MEMBER scrollStartWait_)
    Q_CLASSINFO("ScrollStartWait", "1500")
    Q_PROPERTY(std::int16_t Mode READ Mode MEMBER mode_)
    Q_CLASSINFO("Mode", "0")
    Q_PROPERTY(std::int16_t Appearance READ Appearance MEMBER appearance_)
    Q_CLASSINFO("Appearance", "1")
    Q_PROPERTY(std::int16_t FontMode READ FontMode MEMBER fontMode_)
    Q_CLASSINFO("FontMode", "0")
    Q_PROPERTY(bool FontBold READ FontBold MEMBER fontBold_)
    Q_CLASSINFO("FontBold", "false")
    Q_PROPERTY(std::int16_t TsugiwaMode READ TsugiwaMode MEMBER tsugiwaMode_)
    Q_CLASSINFO("TsugiwaMode", "0")
    Q_PROPERTY(OleColor TsugiwaColor READ TsugiwaColor MEMBER tsugiwaColor_)
    Q_CLASSINFO("TsugiwaColor", "0x79B9FF") // RGB 255, 185, 121
    Q_PROPERTY(std::int16_t TsugiwaFontMode READ TsugiwaFontMode MEMBER tsugiwaFontMode_)
    Q_CLASSINFO("TsugiwaFontMode", "0")
    Q_PROPERTY(bool TsugiwaBold READ TsugiwaBold MEMBER tsugiwaBold_)
    Q_CLASSINFO("TsugiwaBold", "false")

public:
    explicit ChimeiCtl_DX(QWidget *parent = nullptr);
    ~ChimeiCtl_DX() override;

    // Canvas and viewport background. Setting it repaints both in the new
    // colour, which erases the dots until the next SetChimei.
    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor colour);
    // Dot colour of the stop name.
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor colour);
    // Repaints the viewport from the canvas.
    void Refresh();
    // Scroll speed: each pass moves the name Speed \ 200 + Speed / 200 pixels.
    std::int16_t Speed() const { return speed_; }
    void setSpeed(std::int16_t speed);
    // Pause before each repeated pass across the strip, in milliseconds.
    std::int32_t ScrollStartWait() const { return scrollStartWait_; }
    void setScrollStartWait(std::int32_t ms);
    // Draws the character `ch` as dots with its glyph origin at (x, y) on the
    // canvas, in ForeColor and the face FontMode chooses for it. A character
    // written for vertical text is replaced by its horizontal form, and the
    // replacement is written back into `ch`.
    void DrawDot54(std::int32_t &x, std::int32_t &y, QString &ch);
    // Clears the strip and shows `text`: with the prefix when TsugiwaMode is
    // not 0, spread over the strip when it fits, else scrolling from the
    // right edge. An empty text blanks the strip and leaves a running scroll
    // going; a name that fits stops it.
    void SetChimei(const QString &text);
    // Stored and persisted; nothing in drawing or scrolling reads it.
    std::int16_t Mode() const { return mode_; }
    void setMode(std::int16_t mode);
    // Viewport border: 0 flat, 1 sunken (any value other than 0 counts as 1).
    // Setting it also repaints the canvas in BackColor.
    std::int16_t Appearance() const { return appearance_; }
    void setAppearance(std::int16_t appearance);
    // Typeface rule for the stop-name characters (see chimeiTypeface).
    std::int16_t FontMode() const { return fontMode_; }
    void setFontMode(std::int16_t mode);
    // Stop-name characters bold; the raster's bold flag follows at once.
    bool FontBold() const { return fontBold_; }
    void setFontBold(bool bold);
    // 0 no prefix, 1 "次は" with a small "は", 2 both characters full size.
    // The setter stores values outside 0..2 as 0; a stored value read by
    // ReadProperties is kept as it is, and any value but 0 shows the prefix.
    std::int16_t TsugiwaMode() const { return tsugiwaMode_; }
    void setTsugiwaMode(std::int16_t mode);
    // Dot colour of the prefix.
    OleColor TsugiwaColor() const { return tsugiwaColor_; }
    void setTsugiwaColor(OleColor colour);
    // Draws "次は" in the first two cells of the canvas.
    void DrawTsugiwa();
    // Faces of the prefix: 0 both gothic, 1 only "は" mincho, 2 both mincho,
    // 3 only "は" gothic.
    std::int16_t TsugiwaFontMode() const { return tsugiwaFontMode_; }
    void setTsugiwaFontMode(std::int16_t mode);
    // Prefix bold.
    bool TsugiwaBold() const { return tsugiwaBold_; }
    void setTsugiwaBold(bool bold);

    // Persistence: the design values of a new control; reading stored values
    // (applied directly, without the setters' checks and side effects);
    // writing every property whose value differs from its design value.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // What the surfaces hold, for tests and the data tool.
    const QImage &canvas() const { return canvas_; }
    int canvasLeft() const { return canvasLeft_; }
    const QImage &raster() const { return raster_; }
    const RasterFont &rasterFont() const { return rasterFont_; }
    int rasterPrintY() const { return rasterPrintY_; }
    bool isScrolling() const { return scroll_.running(); }
    // Ends a running scroll as a later name that fits would: the canvas goes
    // back to left 0, showing the name from its start, and stays there.
    void stopScrolling();
    bool isScrollPausing() const { return scroll_.pausing(); }
    double scrollPosition() const { return scroll_.position(); }
    // The 432 × 58 viewport as it is shown (before the control clips it).
    QImage viewportImage() const;

    // The scroll keeps time by steadyMilliseconds() (reslib/Clock.h); tests
    // set that clock and call updateScroll() to move time on.
    // Runs the scroll passes due by the clock's time, repaints the viewport
    // when the canvas moved by a whole pixel and arms the timer for the next
    // pass that moves it. The timer calls it; calling it between passes does
    // nothing.
    void updateScroll();

    // Whole-pixel magnification of what the control shows (1 as designed):
    // its size and every dot grow by the factor, while the canvas, the raster
    // and every position stay in design pixels. A factor below 1 counts as 1.
    int zoom() const { return zoom_; }
    void setZoom(int factor);

    QSize sizeHint() const override;

signals:
    // A property changed through its setter; `name` is its persistence key.
    void propertyChanged(const QString &name);
    // A scrolling name has left the strip on the left: one pass is over.
    void nameCrossed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Stores a changed value and announces it under `name`.
    template<typename T>
    void changeProperty(T &member, T value, const QString &name);
    void clearCanvas(int width);
    void printAndSample(const QString &text, std::int32_t x, std::int32_t y, OleColor colour);
    void clearRaster();
    // Paints the viewport magnified by `zoom` with `canvas`, the canvas
    // magnified by the same factor, and the sunken edge when `withEdge`.
    void paintViewport(QPainter &painter, int zoom, const QImage &canvas, bool withEdge) const;
    // The canvas as the magnified strip shows it, made again after a change.
    const QImage &zoomedCanvas();
    void startScroll();
    void stopScroll();
    enum class Repaint { Later, Now };
    void setCanvasLeft(int left, Repaint when = Repaint::Later);
    // The part of the viewport inside the sunken edge (all of it without one).
    QRect insideEdge() const;
    // Runs the passes due by `nowMs` and shows where they left the canvas.
    void runDuePasses(qint64 nowMs);
    void armScrollTimer(qint64 nowMs);

    // The stored properties; the constructor gives them their design values.
    OleColor backColor_{};
    OleColor foreColor_{};
    std::int16_t speed_{};
    std::int32_t scrollStartWait_{};
    std::int16_t mode_{};
    std::int16_t appearance_{};
    std::int16_t fontMode_{};
    bool fontBold_{};
    std::int16_t tsugiwaMode_{};
    OleColor tsugiwaColor_{};
    std::int16_t tsugiwaFontMode_{};
    bool tsugiwaBold_{};

    QImage canvas_;
    int canvasLeft_ = 0;
    int zoom_ = 1;
    QImage zoomedCanvas_; // null until needed after a change of the canvas
    QImage raster_;
    RasterFont rasterFont_;
    int rasterPrintY_ = 0;
    GlyphRasterizer glyphs_;

    ChimeiScroll scroll_;
    QTimer scrollTimer_{this}; // a child, so that tests can find it
};

} // namespace kerubara
