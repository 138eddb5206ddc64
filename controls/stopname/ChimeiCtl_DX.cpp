// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/stopname/ChimeiCtl_DX.h"

#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/ChimeiTypeface.h"
#include "reslib/Clock.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/PixelZoom.h"
#include "reslib/PropertyBag.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace kerubara {
namespace {

// Raster sizes in points: the design size until the prefix is first drawn,
// then 14, and 12 for the small "は".
constexpr double kRasterDesignPoints = 14.25;
constexpr double kRasterPoints = 14.0;
constexpr double kSmallHaPoints = 12.0;
constexpr int kSmallHaDrop = 4;

const QString kTsugi = QStringLiteral("次");
const QString kHa = QStringLiteral("は");

// A stored value is taken when it fits the property's type; anything else
// (a wrong type, a number out of range) gives the design value. A colour is
// kept as a signed 32-bit number.
template<typename T>
std::optional<T> storedNumber(const QVariant &stored)
{
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(value);
}

template<typename Stored, typename Property = Stored>
QVariant storedNumberOr(const QVariant &stored, const QVariant &designValue)
{
    const std::optional<Stored> number = storedNumber<Stored>(stored);
    return number ? QVariant::fromValue(static_cast<Property>(*number)) : designValue;
}

QVariant fromBag(const QVariant &stored, const QVariant &designValue, QMetaType type)
{
    if (type == QMetaType::fromType<std::int16_t>())
        return storedNumberOr<std::int16_t>(stored, designValue);
    if (type == QMetaType::fromType<std::int32_t>())
        return storedNumberOr<std::int32_t>(stored, designValue);
    if (type == QMetaType::fromType<OleColor>())
        return storedNumberOr<std::int32_t, OleColor>(stored, designValue);
    if (type == QMetaType::fromType<bool>())
        return stored.toBool();
    return stored;
}

QVariant toBag(const QVariant &value, QMetaType type)
{
    if (type == QMetaType::fromType<OleColor>())
        return static_cast<int>(static_cast<std::int32_t>(value.value<OleColor>()));
    if (type == QMetaType::fromType<std::int16_t>() || type == QMetaType::fromType<std::int32_t>())
        return value.toInt();
    return value;
}

bool isDesignValue(const QVariant &value, const QVariant &designValue)
{
    return value == designValue;
}

constexpr StoredValueRules kStoredValues{fromBag, toBag, isDesignValue};

// The parts of `outer` that `inner` (empty, or inside `outer`) leaves
// uncovered: the bands above and below it across the whole width, and those
// to its left and right; empty where there is none.
std::array<QRect, 4> bandsAround(const QRect &outer, const QRect &inner)
{
    if (inner.isEmpty())
        return {outer, QRect(), QRect(), QRect()};
    return {QRect(QPoint(outer.left(), outer.top()), QPoint(outer.right(), inner.top() - 1)),
            QRect(QPoint(outer.left(), inner.bottom() + 1), QPoint(outer.right(), outer.bottom())),
            QRect(QPoint(outer.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
            QRect(QPoint(inner.right() + 1, inner.top()), QPoint(outer.right(), inner.bottom()))};
}

} // namespace

ChimeiCtl_DX::ChimeiCtl_DX(QWidget *parent)
    : QWidget(parent),
      canvas_(kStripWidth, kCanvasHeight, QImage::Format_RGB32),
      rasterFont_{kGothicFace, kRasterDesignPoints, false}
{
    initStoredProperties(*this, staticMetaObject);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    canvas_.fill(toQColor(backColor_));
    clearRaster();

    scrollTimer_.setSingleShot(true);
    scrollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&scrollTimer_, &QTimer::timeout, this, &ChimeiCtl_DX::updateScroll);
}

ChimeiCtl_DX::~ChimeiCtl_DX() = default;

QSize ChimeiCtl_DX::sizeHint() const
{
    return QSize(kStripWidth, kCanvasHeight) * zoom_;
}

void ChimeiCtl_DX::setZoom(int factor)
{
    const int zoom = std::max(factor, 1);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    zoomedCanvas_ = QImage();
    resize(sizeHint());
    update();
}

// --- properties ---------------------------------------------------------

template<typename T>
void ChimeiCtl_DX::changeProperty(T &member, T value, const QString &name)
{
    if (member == value)
        return;
    member = value;
    emit propertyChanged(name);
}

void ChimeiCtl_DX::setBackColor(OleColor colour)
{
    if (colour == backColor_)
        return;
    backColor_ = colour;
    clearCanvas(canvas_.width());
    update();
    emit propertyChanged(QStringLiteral("BackColor"));
}

void ChimeiCtl_DX::setForeColor(OleColor colour)
{
    changeProperty(foreColor_, colour, QStringLiteral("ForeColor"));
}

void ChimeiCtl_DX::Refresh()
{
    update();
}

void ChimeiCtl_DX::setSpeed(std::int16_t speed)
{
    if (speed == speed_)
        return;
    // The timer may be asleep over passes that do not move the canvas: those
    // due by now run at the old speed, and the next wake-up is reckoned anew.
    const qint64 now = steadyMilliseconds();
    if (scroll_.running())
        runDuePasses(now);
    speed_ = speed;
    if (scroll_.running())
        armScrollTimer(now);
    emit propertyChanged(QStringLiteral("Speed"));
}

void ChimeiCtl_DX::setScrollStartWait(std::int32_t ms)
{
    if (ms == scrollStartWait_)
        return;
    scrollStartWait_ = ms;
    // A pause under way ends by the new value.
    if (scroll_.pausing())
        updateScroll();
    emit propertyChanged(QStringLiteral("ScrollStartWait"));
}

void ChimeiCtl_DX::setMode(std::int16_t mode)
{
    changeProperty(mode_, mode, QStringLiteral("Mode"));
}

void ChimeiCtl_DX::setAppearance(std::int16_t appearance)
{
    const std::int16_t look = appearance == 0 ? 0 : 1;
    if (look == appearance_)
        return;
    appearance_ = look;
    emit propertyChanged(QStringLiteral("Appearance"));
    clearCanvas(canvas_.width());
    update();
}

void ChimeiCtl_DX::setFontMode(std::int16_t mode)
{
    changeProperty(fontMode_, mode, QStringLiteral("FontMode"));
}

void ChimeiCtl_DX::setFontBold(bool bold)
{
    rasterFont_.bold = bold;
    changeProperty(fontBold_, bold, QStringLiteral("FontBold"));
}

void ChimeiCtl_DX::setTsugiwaMode(std::int16_t mode)
{
    const std::int16_t stored = mode < 0 || mode > 2 ? 0 : mode;
    changeProperty(tsugiwaMode_, stored, QStringLiteral("TsugiwaMode"));
}

void ChimeiCtl_DX::setTsugiwaColor(OleColor colour)
{
    changeProperty(tsugiwaColor_, colour, QStringLiteral("TsugiwaColor"));
}

void ChimeiCtl_DX::setTsugiwaFontMode(std::int16_t mode)
{
    changeProperty(tsugiwaFontMode_, mode, QStringLiteral("TsugiwaFontMode"));
}

void ChimeiCtl_DX::setTsugiwaBold(bool bold)
{
    changeProperty(tsugiwaBold_, bold, QStringLiteral("TsugiwaBold"));
}

// --- persistence --------------------------------------------------------

void ChimeiCtl_DX::InitProperties()
{
    initStoredProperties(*this, staticMetaObject);
    clearCanvas(canvas_.width());
    update();
}

void ChimeiCtl_DX::ReadProperties(const PropertyBag &bag)
{
    readStoredProperties(*this, staticMetaObject, bag, kStoredValues);
    appearance_ = appearance_ == 0 ? 0 : 1; // a stored value but 0 is the sunken border
    clearCanvas(canvas_.width());
    update();
}

void ChimeiCtl_DX::WriteProperties(PropertyBag &bag) const
{
    writeStoredProperties(*this, staticMetaObject, bag, kStoredValues);
}

// --- drawing ------------------------------------------------------------

void ChimeiCtl_DX::clearCanvas(int width)
{
    if (canvas_.width() != width)
        canvas_ = QImage(width, kCanvasHeight, QImage::Format_RGB32);
    canvas_.fill(toQColor(backColor_));
    zoomedCanvas_ = QImage();
}

void ChimeiCtl_DX::clearRaster()
{
    raster_ = printOnRaster(rasterFont_, 0, QString());
    rasterPrintY_ = 0;
}

void ChimeiCtl_DX::printAndSample(const QString &text, std::int32_t x, std::int32_t y, OleColor colour)
{
    const GlyphRasterizer::Glyph &glyph = glyphs_.print(rasterFont_, rasterPrintY_, text);
    raster_ = glyph.raster;
    drawDots(canvas_, x, y, glyph.dots, colour);
    zoomedCanvas_ = QImage();
}

void ChimeiCtl_DX::SetChimei(const QString &text)
{
    update();
    // An empty text only blanks the strip: a scroll under way keeps moving
    // the blank canvas until the next name arrives.
    if (text.isEmpty()) {
        clearCanvas(canvas_.width());
        return;
    }

    const bool prefixOn = tsugiwaMode_ != 0;
    const ChimeiLayout layout = chimeiLayout(LenB_ASCII(text), prefixOn);
    setCanvasLeft(layout.startsOffStrip ? kStripWidth : 0);
    clearCanvas(layout.canvasWidth);
    if (prefixOn)
        DrawTsugiwa();

    const std::vector<QString> units = chimeiUnits(text);
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::int32_t x = layout.start + static_cast<std::int32_t>(i) * layout.pitch;
        std::int32_t y = 0;
        QString ch = units[i];
        DrawDot54(x, y, ch);
    }

    if (layout.scrolls)
        startScroll();
    else
        stopScroll();
}

void ChimeiCtl_DX::DrawDot54(std::int32_t &x, std::int32_t &y, QString &ch)
{
    clearRaster();
    if (ch.isEmpty())
        return;
    ch = horizontalForm(ch);
    rasterFont_.face = chimeiTypeface(fontMode_, cp932Code(ch));
    rasterFont_.bold = fontBold_;
    printAndSample(ch, x, y, foreColor_);
    update();
}

void ChimeiCtl_DX::DrawTsugiwa()
{
    clearRaster();
    rasterFont_.points = kRasterPoints;
    rasterFont_.bold = tsugiwaBold_;
    if (const auto face = tsugiTypeface(tsugiwaFontMode_))
        rasterFont_.face = *face;
    printAndSample(kTsugi, 0, 0, tsugiwaColor_);

    clearRaster();
    if (tsugiwaMode_ == 1) {
        rasterFont_.points = kSmallHaPoints;
        rasterPrintY_ = kSmallHaDrop;
    } else {
        rasterFont_.points = kRasterPoints;
        rasterPrintY_ = 0;
    }
    if (const auto face = haTypeface(tsugiwaFontMode_))
        rasterFont_.face = *face;
    rasterFont_.bold = tsugiwaBold_;
    printAndSample(kHa, kCellWidth, 0, tsugiwaColor_);

    rasterFont_.points = kRasterPoints;
    rasterPrintY_ = 0;
    rasterFont_.bold = false;
    update();
}

// --- scrolling ----------------------------------------------------------

void ChimeiCtl_DX::startScroll()
{
    if (speed_ == 0)
        setSpeed(1);
    scroll_.start(steadyMilliseconds(), kStripWidth, canvas_.width());
    scrollTimer_.start(0);
}

void ChimeiCtl_DX::stopScroll()
{
    if (!scroll_.running())
        return;
    scroll_.stop();
    scrollTimer_.stop();
    setCanvasLeft(0);
}

void ChimeiCtl_DX::stopScrolling()
{
    stopScroll();
}

void ChimeiCtl_DX::updateScroll()
{
    if (!scroll_.running())
        return;
    const qint64 now = steadyMilliseconds();
    runDuePasses(now);
    armScrollTimer(now);
}

void ChimeiCtl_DX::runDuePasses(qint64 nowMs)
{
    const qint64 crossed = scroll_.crossings();
    scroll_.advanceTo(nowMs, speed_, scrollStartWait_);
    if (scroll_.passes() > 0)
        setCanvasLeft(scroll_.left(), Repaint::Now);
    if (scroll_.crossings() != crossed)
        emit nameCrossed();
}

void ChimeiCtl_DX::armScrollTimer(qint64 nowMs)
{
    // The timer sleeps until the canvas next moves by a whole pixel: at low
    // speeds many passes in a row change nothing that is shown.
    scrollTimer_.start(scroll_.msUntilNextChange(nowMs, speed_, scrollStartWait_));
}

void ChimeiCtl_DX::setCanvasLeft(int left, Repaint when)
{
    if (left == canvasLeft_)
        return;
    canvasLeft_ = left;
    // Only the inside of the strip changes; the sunken edge stays as it is.
    // A scroll step paints at once: the timer has already woken the program,
    // and a posted update would take it through the event loop a second time
    // on every pass.
    const QRect moving = zoomedRect(insideEdge(), zoom_);
    if (when == Repaint::Now)
        repaint(moving);
    else
        update(moving);
}

QRect ChimeiCtl_DX::insideEdge() const
{
    const QRect viewport(0, 0, kStripWidth, kViewportHeight);
    return appearance_ != 0 ? viewport.adjusted(1, 1, -1, -1) : viewport;
}

// --- painting -----------------------------------------------------------

void ChimeiCtl_DX::paintViewport(QPainter &painter, int zoom, const QImage &canvas, bool withEdge) const
{
    const QRect viewport(0, 0, kStripWidth, kViewportHeight);
    // Only the part of the canvas inside the viewport is copied, unscaled:
    // `canvas` is already as large as the surface needs it. The background
    // fills the rest, so no pixel is written twice at each scroll step.
    const QRect placed(canvasLeft_, -1, canvas_.width(), canvas_.height());
    const QRect visible = placed.intersected(viewport);
    if (!visible.isEmpty()) {
        const QRect target = zoomedRect(visible, zoom);
        painter.drawImage(target.topLeft(), canvas, zoomedRect(visible.translated(-placed.topLeft()), zoom));
    }
    const QColor back = toQColor(backColor_);
    for (const QRect &band : bandsAround(viewport, visible)) {
        if (!band.isEmpty())
            painter.fillRect(zoomedRect(band, zoom), back);
    }
    if (appearance_ != 0 && withEdge) {
        // A sunken edge: shadow above and left, light below and right, one
        // design pixel wide.
        const int right = viewport.right();
        const int bottom = viewport.bottom();
        const QColor shadow(128, 128, 128);
        painter.fillRect(zoomedRect(QRect(0, 0, right + 1, 1), zoom), shadow);
        painter.fillRect(zoomedRect(QRect(0, 0, 1, bottom + 1), zoom), shadow);
        painter.fillRect(zoomedRect(QRect(1, bottom, right, 1), zoom), Qt::white);
        painter.fillRect(zoomedRect(QRect(right, 1, 1, bottom), zoom), Qt::white);
    }
}

const QImage &ChimeiCtl_DX::zoomedCanvas()
{
    if (zoom_ == 1)
        return canvas_;
    // Magnified once per change of the canvas, so that a scroll step only
    // copies pixels, as it does at the design size.
    if (zoomedCanvas_.isNull())
        zoomedCanvas_ = zoomedByWholePixels(canvas_, zoom_);
    return zoomedCanvas_;
}

QImage ChimeiCtl_DX::viewportImage() const
{
    QImage image(kStripWidth, kViewportHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintViewport(painter, 1, canvas_, true);
    return image;
}

void ChimeiCtl_DX::paintEvent(QPaintEvent *event)
{
    // The painter is clipped to the event's region already; a scroll step
    // repaints only the inside of the edge.
    QPainter painter(this);
    const bool edgeDirty = !zoomedRect(insideEdge(), zoom_).contains(event->rect());
    paintViewport(painter, zoom_, zoomedCanvas(), edgeDirty);
}

} // namespace kerubara
