// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Form1.h"

#include "controls/digit/M_Degit.h"
#include "controls/digit/SegmentFont.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "dialogs/ScopedDisable.h"
#include "dialogs/WindowMove.h"
#include "reslib/Clock.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/FileExists.h"
#include "reslib/MsgBox.h"
#include "reslib/PixelZoom.h"
#include "reslib/PropertyBag.h"
#include "reslib/Units.h"
#include "reslib/VbError.h"
#include "windows/PanelPicture.h"
#include "windows/mdlzed_000.h"

#include <QActionGroup>
#include <QBitmap>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace kerubara {
namespace {

constexpr std::array<int, 6> kLabelLefts{1620, 2535, 3510, 4425, 5370, 6345};
constexpr std::array<int, 6> kDigitLefts{1575, 2505, 3465, 4395, 5340, 6300};

// A rectangle given in twips, in pixels.
QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The fare digits' size class; a cell grows by one of its positions for
// each fare digit beyond the design's three.
constexpr std::int16_t kFareDigitSize = 2;

int cellGrowthTwips(int fareDigits)
{
    return (fareDigits - 3) * degitSizeClass(kFareDigitSize).positionTwips;
}

// The size of the panel's face in design pixels: six cells wider for each
// fare digit beyond three.
QSize panelSize(int fareDigits)
{
    return {twipsToPixels(7530 + 6 * cellGrowthTwips(fareDigits)), twipsToPixels(3780)};
}

// The design size of the labels' type (14.25 points).
const int kLabelPixels = pointsToPixels(14.25);

// A digit as the panel data stores it: digit count, size class, style.
M_Degit *storedDigit(QWidget *parent, int keta, int size, int style)
{
    auto *digit = new M_Degit(parent);
    PropertyBag stored;
    stored.WriteProperty(QStringLiteral("keta"), keta);
    stored.WriteProperty(QStringLiteral("degitsize"), size);
    stored.WriteProperty(QStringLiteral("degitstyle"), style);
    digit->ReadProperties(stored);
    return digit;
}

// Loads a picture file, or throws the error the program reports for it.
QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (!image.isNull())
        return QPixmap::fromImage(image);
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        throw VbError(VbError::FileNotFound);
    case QImageReader::DeviceError:
        throw VbError(QFileInfo(path).isReadable() ? VbError::DeviceIo : VbError::PathFileAccess);
    default:
        throw VbError(VbError::InvalidPicture);
    }
}

// The error box's text for a picture that could not be shown: the error's
// number and, for the numbers a picture can give, what went wrong.
QString pictureErrorText(int number)
{
    const char *text = QT_TRANSLATE_NOOP("kerubara::Form1", "エラーです。\r\n\r\nエラーコード：%1");
    switch (number) {
    case 7:
    case 28:
    case 51:
        text = QT_TRANSLATE_NOOP("kerubara::Form1", "エラーです。\r\n\r\nエラーコード：%1"
                                 "　内部的なエラーです。ソマリカへ報告してください。エラー場所：frmCtl.Option4_Click()");
        break;
    case 53:
    case 75:
    case 76:
        text = QT_TRANSLATE_NOOP("kerubara::Form1", "エラーです。\r\n\r\nエラーコード：%1"
                                 "　画像ファイルが見つからないか、指定している場所が不正です。");
        break;
    case 57:
    case 68:
        text = QT_TRANSLATE_NOOP("kerubara::Form1", "エラーです。\r\n\r\nエラーコード：%1"
                                 "　デバイスエラーもしくは準備が出来ていません。");
        break;
    case 481:
        text = QT_TRANSLATE_NOOP("kerubara::Form1", "エラーです。\r\n\r\nエラーコード：%1"
                                 "　指定した画像の内容が不正です。この部分では扱えません。");
        break;
    default:
        break;
    }
    return QCoreApplication::translate("kerubara::Form1", text).arg(number);
}

} // namespace

Form1::Form1() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setFixedSize(panelSize(fareDigits_));
    labelPixelSize_.fill(kLabelPixels);
    setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // shows where a small user picture ends
    setPalette(pal);
    buildControls();
    buildZoomMenu();
    buildPagesMenu();
    buildFareDigitsMenu();
}

Form1::~Form1() = default;

void Form1::place(QWidget *control, const QRect &design)
{
    designGeometry_.insert(control, design);
    control->setGeometry(zoomedRect(design, zoom_));
}

void Form1::buildControls()
{
    ChimeiCtl = new ChimeiCtl_DX(this);
    PropertyBag strip;
    strip.WriteProperty(QStringLiteral("BackColor"), 4210752);
    strip.WriteProperty(QStringLiteral("ForeColor"), 8438015);
    ChimeiCtl->ReadProperties(strip);

    QFont labelFont(QStringLiteral("ＭＳ Ｐゴシック"));
    labelFont.setPixelSize(kLabelPixels);
    labelFont.setBold(true);
    for (int k = 0; k <= 12; ++k) {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        label->installEventFilter(this);
        lblSeiriNum[k] = label;
        setLabelColor(k, rgb(255, 255, 255));
    }
    for (int i = 0; i < 6; ++i) {
        lblSeiriNum[i + 1]->setText(QString::number(i + 1));
        lblSeiriNum[i + 7]->setText(QString::number(i + 7));
    }
    place(lblSeiriNum[0], twipsRect(1185, 45, 780, 240));
    lblSeiriNum[0]->hide();

    // Digits: digit count, size class, style.
    for (int k = 1; k <= 12; ++k)
        Degit[k] = storedDigit(this, fareDigits_, kFareDigitSize, 1);
    Degit[0] = storedDigit(this, 4, 0, 0);
    Degit[0]->hide();
    TimeDegit[0] = storedDigit(this, 2, 0, 0);
    TimeDegit[1] = storedDigit(this, 2, 0, 0);
    TimeDegit[0]->hide();
    TimeDegit[1]->hide();
    layOut();
    for (int k = 0; k <= 12; ++k) {
        Degit[k]->installEventFilter(this);
        connect(Degit[k], &M_Degit::DblClick, this, guarded([this, k] { Degit_DblClick(k); }));
    }
    for (M_Degit *d : TimeDegit)
        d->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1_Timer(); }));

    requestTurn_ = new QTimer(this);
    requestTurn_->setSingleShot(true);
    connect(requestTurn_, &QTimer::timeout, this, guarded([this] { turnStopRequest(); }));
    connect(ChimeiCtl, &ChimeiCtl_DX::nameCrossed, this, guarded([this] {
                if (stopRequested_)
                    turnStopRequest();
            }));
}

void Form1::layOut()
{
    // Each cell grows by `growth`, so cell i moves right by the growth of the
    // i cells before it; what lies above the table moves by half the panel's
    // growth and stays in the middle.
    const int growth = cellGrowthTwips(fareDigits_);
    const int above = 3 * growth;
    place(ChimeiCtl, twipsRect(570 + above, 277, 6480, 840));
    for (std::size_t i = 0; i < 6; ++i) {
        const int shift = static_cast<int>(i) * growth;
        place(lblSeiriNum[i + 1], twipsRect(kLabelLefts[i] + shift, 1830, 780 + growth, 240));
        place(lblSeiriNum[i + 7], twipsRect(kLabelLefts[i] + shift, 2670, 780 + growth, 240));
    }
    auto placeDigit = [this](M_Degit *digit, int left, int top) {
        place(digit, QRect(QPoint(twipsToPixels(left), twipsToPixels(top)),
                           M_Degit::controlSize(digit->Keta(), digit->DegitSize())));
    };
    for (std::size_t i = 0; i < 6; ++i) {
        const int left = kDigitLefts[i] + static_cast<int>(i) * growth;
        placeDigit(Degit[i + 1], left, 2145);
        placeDigit(Degit[i + 7], left, 2970);
    }
    placeDigit(Degit[0], 2100 + above, 30);
    placeDigit(TimeDegit[0], 5445 + above, 30);
    placeDigit(TimeDegit[1], 5850 + above, 30);
}

void Form1::buildZoomMenu()
{
    zoomMenu_ = new QMenu(this);
    auto *group = new QActionGroup(this);
    const std::array<QString, kMaxZoom> captions{tr("等倍 (1×)"), tr("2倍 (2×)"), tr("3倍 (3×)")};
    for (int factor = 1; factor <= kMaxZoom; ++factor) {
        QAction *action = zoomMenu_->addAction(captions[static_cast<std::size_t>(factor - 1)]);
        action->setCheckable(true);
        action->setChecked(factor == zoom_);
        group->addAction(action);
        connect(action, &QAction::triggered, this, guarded([this, factor] { mnuZoom_Click(factor); }));
        zoomActions_[static_cast<std::size_t>(factor - 1)] = action;
    }
}

void Form1::setZoom(int factor)
{
    const int zoom = std::clamp(factor, 1, kMaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setFixedSize(panelSize(fareDigits_) * zoom);
    ChimeiCtl->setZoom(zoom);
    for (M_Degit *digit : Degit)
        digit->setZoom(zoom);
    for (M_Degit *digit : TimeDegit)
        digit->setZoom(zoom);
    for (auto it = designGeometry_.cbegin(); it != designGeometry_.cend(); ++it)
        it.key()->setGeometry(zoomedRect(it.value(), zoom));
    for (int k = 0; k <= 12; ++k)
        applyLabelFont(k);
    zoomPicture();
    for (int i = 0; i < kMaxZoom; ++i)
        zoomActions_[static_cast<std::size_t>(i)]->setChecked(i + 1 == zoom);
    if (shaped_)
        shapeWindow();
    update();
}

void Form1::mnuZoom_Click(int factor)
{
    setZoom(factor);
    emit zoomChosen(zoom_);
}

// ---- Fare cells of four digits --------------------------------------------------

void Form1::buildFareDigitsMenu()
{
    QMenu *digits = zoomMenu_->addMenu(tr("運賃の桁数"));
    auto *group = new QActionGroup(this);
    for (int n = kMinFareDigits; n <= kMaxFareDigits; ++n) {
        QAction *action = digits->addAction(tr("%1桁").arg(n));
        action->setCheckable(true);
        action->setChecked(n == fareDigits_);
        group->addAction(action);
        connect(action, &QAction::triggered, this, guarded([this, n] { mnuFareDigits_Click(n); }));
        fareDigitsActions_[static_cast<std::size_t>(n - kMinFareDigits)] = action;
    }
}

void Form1::setFareDigits(int digits)
{
    const int n = std::clamp(digits, kMinFareDigits, kMaxFareDigits);
    if (n == fareDigits_)
        return;
    fareDigits_ = n;
    fareDigitsActions_[static_cast<std::size_t>(n - kMinFareDigits)]->setChecked(true);
    for (int k = 1; k <= 12; ++k) {
        M_Degit *digit = Degit[k];
        digit->setKeta(static_cast<std::int16_t>(n));
        // A format made for more positions is brought within the new count.
        digit->setShift(digit->Shift());
        digit->setFillZero(digit->FillZero());
        digit->setValue(digit->Value());
    }
    layOut();
    setFixedSize(panelSize(fareDigits_) * zoom_);
    // The built-in face is drawn for the new width; a picture of the
    // user's own stays as it is.
    const bool builtInShown = !picture_.isNull()
        && std::any_of(imgRes.begin(), imgRes.end(), [this](const QPixmap &p) { return p.cacheKey() == picture_.cacheKey(); });
    imgRes.fill(drawBuiltInPanel(fareDigits_));
    if (builtInShown)
        setPicture(imgRes[0]);
    if (shaped_)
        shapeWindow();
    update();
}

void Form1::mnuFareDigits_Click(int digits)
{
    setFareDigits(digits);
    emit fareDigitsChosen(fareDigits_);
}

// ---- Pages of ticket numbers ---------------------------------------------------

void Form1::buildPagesMenu()
{
    zoomMenu_->addSeparator();
    QMenu *pages = zoomMenu_->addMenu(tr("表示する整理券番号"));
    auto *pageGroup = new QActionGroup(this);
    for (int n = 1; n <= OperationEngine::kMaxTicketPages; ++n) {
        QAction *action = pages->addAction(tr("1〜%1").arg(12 * n));
        action->setCheckable(true);
        action->setChecked(n == 1);
        pageGroup->addAction(action);
        connect(action, &QAction::triggered, this, guarded([this, n] { mnuPages_Click(n); }));
        pageActions_[static_cast<std::size_t>(n - 1)] = action;
    }
    QMenu *seconds = zoomMenu_->addMenu(tr("切り替え間隔"));
    auto *secondsGroup = new QActionGroup(this);
    std::size_t i = 0;
    for (const int s : {2, 3, 5, 8}) {
        QAction *action = seconds->addAction(tr("%1秒").arg(s));
        action->setCheckable(true);
        action->setChecked(s == OperationEngine::kDefaultPageSeconds);
        action->setData(s);
        secondsGroup->addAction(action);
        connect(action, &QAction::triggered, this, guarded([this, s] { mnuPageSeconds_Click(s); }));
        secondsActions_[i++] = action;
    }
    // Seconds the menu does not offer mark none of its choices.
    secondsGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

void Form1::showTicketPagesChoice(int pages)
{
    const int n = std::clamp(pages, 1, OperationEngine::kMaxTicketPages);
    pageActions_[static_cast<std::size_t>(n - 1)]->setChecked(true);
}

void Form1::showPageSecondsChoice(int seconds)
{
    for (QAction *action : secondsActions_)
        action->setChecked(action->data().toInt() == seconds);
}

void Form1::mnuPages_Click(int pages)
{
    emit ticketPagesChosen(std::clamp(pages, 1, OperationEngine::kMaxTicketPages));
}

void Form1::mnuPageSeconds_Click(int seconds)
{
    emit pageSecondsChosen(std::clamp(seconds, 1, OperationEngine::kMaxPageSeconds));
}

void Form1::showTicketPage(int page)
{
    const int p = std::clamp(page, 0, OperationEngine::kMaxTicketPages - 1);
    if (p == page_)
        return;
    if (p == 0) {
        toFirstPage();
        return;
    }
    if (page_ == 0) {
        for (int k = 1; k <= 12; ++k)
            firstPage_[static_cast<std::size_t>(k)] = Degit[k]->Value();
    }
    page_ = p;
    for (int k = 1; k <= 12; ++k)
        Degit[k]->setValue(laterFares_[static_cast<std::size_t>(12 * p + k)]);
    writePageLabels(p);
}

void Form1::toFirstPage()
{
    if (page_ == 0)
        return;
    page_ = 0;
    for (int k = 1; k <= 12; ++k)
        Degit[k]->setValue(firstPage_[static_cast<std::size_t>(k)]);
    writePageLabels(0);
}

void Form1::writePageLabels(int page)
{
    std::int16_t style = look_.ticketNumberStyle;
    std::int16_t leadingZero = look_.leadingZero;
    if (page == 0) {
        writeTicketLabels(style, leadingZero);
        return;
    }
    const SeirikenCaptions captions = seirikenPageCaptions(style, leadingZero, page);
    for (int k = 1; k <= 12; ++k) {
        if (const auto &text = captions.caption[static_cast<std::size_t>(k)])
            lblSeiriNum[k]->setText(*text);
    }
    setLabelPointSize(1, captions.label1PointSize);
}

void Form1::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    zoomPicture();
    update();
}

void Form1::useBuiltInPictures()
{
    imgRes.fill(drawBuiltInPanel(fareDigits_));
    setPicture(imgRes[0]);
}

void Form1::showBacklight(int state, const std::optional<QString> &userPicture, OleColor labelColour)
{
    if (state < 0 || state > 2)
        return;
    try {
        if (userPicture) {
            if (FileExists(*userPicture))
                setPicture(loadPicture(*userPicture));
        } else {
            setPicture(imgRes[static_cast<std::size_t>(state)]);
        }
    } catch (const VbError &e) {
        MsgBox(pictureErrorText(e.number()), vbCritical, tr("エラー"));
    }
    for (int k = 1; k <= 12; ++k)
        setLabelColor(k, labelColour);
}

void Form1::zoomPicture()
{
    zoomedPicture_ = zoom_ == 1 ? picture_ : QPixmap::fromImage(zoomedByWholePixels(picture_.toImage(), zoom_));
}

void Form1::setTicketLabel(int k, const QString &text)
{
    lblSeiriNum[static_cast<std::size_t>(std::clamp(k, 0, 12))]->setText(text);
}

void Form1::setLabelColor(int k, OleColor color)
{
    QPalette pal = lblSeiriNum[k]->palette();
    pal.setColor(QPalette::WindowText, toQColor(color));
    lblSeiriNum[k]->setPalette(pal);
}

OleColor Form1::labelColor(int k) const
{
    return fromQColor(lblSeiriNum[k]->palette().color(QPalette::WindowText));
}

void Form1::setLabelFace(int k, const QString &face)
{
    QFont font = lblSeiriNum[k]->font();
    font.setFamily(face);
    lblSeiriNum[k]->setFont(font);
}

void Form1::setLabelPointSize(int k, double points)
{
    labelPixelSize_[static_cast<std::size_t>(k)] = pointsToPixels(points);
    applyLabelFont(k);
}

void Form1::applyLabelFont(int k)
{
    QFont font = lblSeiriNum[k]->font();
    font.setPixelSize(labelPixelSize_[static_cast<std::size_t>(k)] * zoom_);
    lblSeiriNum[k]->setFont(font);
}

void Form1::GetFormInfo(FormPosRecord &pos) const
{
    // A window still where SetFormInfo put it keeps the twips it was given,
    // which need not be whole pixels.
    if (this->pos() == restoredAt_)
        return;
    pos.nLeft = x() * 15;
    pos.nTop = y() * 15;
}

void Form1::SetFormInfo(const FormPosRecord &pos)
{
    move(pos.nLeft / 15, pos.nTop / 15);
    restoredAt_ = this->pos();
}

void Form1::showLampTest()
{
    toFirstPage();
    for (int k = 1; k <= 12; ++k)
        Degit[k]->ResetDegit(-1);
}

void Form1::showLampTestEnded()
{
    toFirstPage();
    laterFares_.fill(0);
    for (int k = 1; k <= 12; ++k)
        Degit[k]->setValue(0);
}

void Form1::showFare(int cell, int value)
{
    if (cell > 12 && cell < static_cast<int>(laterFares_.size())) {
        laterFares_[static_cast<std::size_t>(cell)] = value;
        if (page_ > 0 && (cell - 1) / 12 == page_)
            Degit[static_cast<std::size_t>(cell - 12 * page_)]->setValue(value);
        return;
    }
    if (cell >= 0 && cell < static_cast<int>(Degit.size())) {
        if (cell > 0)
            toFirstPage();
        Degit[static_cast<std::size_t>(cell)]->setValue(value);
    }
}

void Form1::showInfoText(int cell, const QString &text)
{
    if (cell >= 0 && cell < static_cast<int>(Degit.size())) {
        if (cell > 0)
            toFirstPage();
        Degit[static_cast<std::size_t>(cell)]->setValue(text);
    }
}

void Form1::showStopName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter)
{
    stopName_ = {name, drawnMode};
    showingRequest_ = false;
    drawName(name, drawnMode, modeAfter);
    if (stopRequested_)
        armRequestTurn();
}

void Form1::drawName(const QString &name, std::int16_t drawnMode, std::int16_t modeAfter)
{
    const std::int16_t before = ChimeiCtl->TsugiwaMode();
    ChimeiCtl->setTsugiwaMode(drawnMode);
    ChimeiCtl->SetChimei(name);
    ChimeiCtl->setTsugiwaMode(modeAfter < 0 ? before : modeAfter);
}

void Form1::blankStopName()
{
    requestTurn_->stop();
    stopName_.reset();
    ChimeiCtl->SetChimei(QString());
}

void Form1::showStopRequest(bool requested)
{
    if (requested == stopRequested_)
        return;
    stopRequested_ = requested;
    if (requested) {
        armRequestTurn();
        return;
    }
    requestTurn_->stop();
    if (showingRequest_ && stopName_) {
        showingRequest_ = false;
        drawName(stopName_->name, stopName_->mode, -1);
    }
}

void Form1::armRequestTurn()
{
    // A name that scrolls is shown for one pass (nameCrossed turns it); one
    // that fits stays for two of the strip's pauses.
    requestTurn_->stop();
    if (!stopName_ || ChimeiCtl->isScrolling())
        return;
    requestTurn_->start(std::max(2 * ChimeiCtl->ScrollStartWait(), kMinRequestTurnMs));
}

void Form1::turnStopRequest()
{
    if (!stopRequested_ || !stopName_)
        return;
    showingRequest_ = !showingRequest_;
    if (showingRequest_)
        drawName(kStopRequestText, 0, -1);
    else
        drawName(stopName_->name, stopName_->mode, -1);
    armRequestTurn();
}

void Form1::showDisplayCleared(bool cleared)
{
    if (!cleared) {
        // The clock runs only where the panel has one.
        if (TimeDegit[0]->isVisibleTo(this))
            Timer1->start();
        return;
    }
    requestTurn_->stop();
    toFirstPage();
    stopName_.reset();
    ChimeiCtl->SetChimei(QString());
    for (int k = 1; k <= 12; ++k)
        Degit[k]->ResetDegit(0);
    Timer1->stop();
    for (M_Degit *clock : TimeDegit)
        clock->setValue(QString());
}

void Form1::setScroll(std::int16_t speed, int startWait)
{
    ChimeiCtl->setSpeed(speed);
    ChimeiCtl->setScrollStartWait(startWait);
}

void Form1::DeleteRgn()
{
    // Nothing to release: the window's shape belongs to the window.
}

void Form1::shapeWindow()
{
    // Corners rounded by a 3 x 3 ellipse: at this size that takes exactly the
    // corner pixel off each corner, a zoom × zoom block when magnified.
    QRegion shape(rect());
    const int z = zoom_;
    const int r = width() - z;
    const int b = height() - z;
    for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        shape -= QRegion(corner.x(), corner.y(), z, z);
    setMask(shape);
    shaped_ = true;
}

void Form1::applyLook(const PanelLook &look)
{
    look_ = look;
    for (int k = 1; k <= 12; ++k)
        lblSeiriNum[k]->setVisible(look.ticketNumbersShown);
    // The page on show keeps its turn (the unit turns the pages), in the new style.
    writePageLabels(page_);
    setDigitColours(look.digitBack, look.digitBase, look.digitLit);
    setStripColours(look.stripBack, look.stripFore);
    ChimeiCtl->setFontMode(look.fontMode);
    ChimeiCtl->setFontBold(look.fontBold);
    setStripPrefix(look.tsugiwaMode, look.tsugiwaColor, look.tsugiwaBold, look.tsugiwaFontMode);
}

void Form1::writeTicketLabels(std::int16_t style, std::int16_t leadingZero)
{
    try {
        const SeirikenCaptions captions = seirikenCaptions(style, leadingZero);
        setLabelFace(1, QStringLiteral("ＭＳ Ｐゴシック"));
        for (int k = 1; k <= 12; ++k) {
            if (const auto &text = captions.caption[static_cast<std::size_t>(k)])
                lblSeiriNum[k]->setText(*text);
        }
        setLabelPointSize(1, captions.label1PointSize);
    } catch (const VbError &e) {
        MsgBox(tr("エラーです！\r\n\r\nコード：%1\r\n\r\n内容：%2\r\n\r\nモジュール：IniIO-SeirikenNumSet( )")
                   .arg(QString::number(e.number()), e.description()),
               vbCritical, tr("エラー！"));
    }
}

FareDigitFormat Form1::fareDigitFormat(int cell) const
{
    const M_Degit *digit = Degit[static_cast<std::size_t>(std::clamp(cell, 1, 12))];
    return {digit->ZeroMode(), digit->Shift(), digit->FillZero()};
}

void Form1::setFareDigitFormat(int cell, const FareDigitFormat &format)
{
    M_Degit *digit = Degit[static_cast<std::size_t>(std::clamp(cell, 1, 12))];
    digit->setZeroMode(format.zeroMode);
    digit->setShift(format.shift);
    digit->setFillZero(format.fillZero);
}

void Form1::setDigitColours(OleColor back, OleColor unlit, OleColor lit)
{
    auto paint = [&](M_Degit *digit) {
        digit->setBackColor(back);
        digit->setBaseForeColor(unlit);
        digit->setDegitForeColor(lit);
    };
    for (int k = 1; k <= 12; ++k)
        paint(Degit[k]);
    for (M_Degit *digit : TimeDegit)
        paint(digit);
}

void Form1::setStripColours(OleColor back, OleColor fore)
{
    ChimeiCtl->setBackColor(back);
    ChimeiCtl->setForeColor(fore);
}

void Form1::setStripPrefix(std::int16_t mode, OleColor colour, bool bold, std::int16_t fontMode)
{
    ChimeiCtl->setTsugiwaMode(mode);
    ChimeiCtl->setTsugiwaColor(colour);
    ChimeiCtl->setTsugiwaBold(bold);
    ChimeiCtl->setTsugiwaFontMode(fontMode);
}

void Form1::updateScroll()
{
    ChimeiCtl->updateScroll();
}

void Form1::stopScrolling()
{
    ChimeiCtl->stopScrolling();
}

void Form1::Degit_DblClick(int index)
{
    M_Degit *clicked = Degit[index];
    if (!clicked->UserSet())
        return;
    // The console takes no presses while the format dialog is open.
    std::optional<ScopedDisable> console;
    if (console_)
        console.emplace(*console_);
    if (clicked->ShowSetDlg() == 1) {
        const std::int16_t zeroMode = clicked->ZeroMode();
        const std::int16_t shift = clicked->Shift();
        const std::int16_t fillZero = clicked->FillZero();
        for (int k = 1; k <= 12; ++k) {
            const QVariant value = Degit[k]->Value();
            Degit[k]->setShift(shift);
            Degit[k]->setFillZero(fillZero);
            Degit[k]->setZeroMode(zeroMode);
            Degit[k]->setValue(value);
        }
    }
}

void Form1::Timer1_Timer()
{
    const QString now = wallClock().time().toString(QStringLiteral("HH:mm:ss"));
    TimeDegit[0]->setValue(now.mid(0, 2).toInt());
    TimeDegit[1]->setValue(now.mid(3, 2).toInt());
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(0, 0, zoomedPicture_);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton)
        emit stopRequestClicked();
    if (event->button() != Qt::LeftButton)
        return;
    startWindowMove(*this);
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click anywhere on the panel, over its labels, digits and strip
    // too (they leave the request to the panel).
    zoomMenu_->popup(event->globalPos());
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Presses on the labels and digits must not move the window: swallow
    // them before they reach the panel's surface. A label ignores a double
    // click, which would then reach the surface as a press; the digits take
    // their own double click (the format dialog).
    const QEvent::Type type = event->type();
    if (watched != this && type == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
        emit stopRequestClicked();
    if (watched != this
        && (type == QEvent::MouseButtonPress || (type == QEvent::MouseButtonDblClick && !qobject_cast<M_Degit *>(watched))))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace kerubara
