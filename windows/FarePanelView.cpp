// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FarePanelView.h"

#include "operation/OperationEngine.h"
#include "settings/SettingsModel.h"
#include "sound/AudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "windows/Form1.h"
#include "windows/PanelLook.h"
#include "windows/PanelSnapshot.h"
#include "windows/mdlzed_000.h"

#include <QPainter>

#include <algorithm>

namespace kerubara {
namespace {

// The pages of twelve ticket numbers a route needs: enough for its highest
// ticket number, as many as the panel can turn.
int pagesFor(const std::vector<FareRecord> &stops)
{
    int highest = 0;
    for (const FareRecord &stop : stops)
        highest = std::max<int>(highest, stop.SeirikenNo);
    return std::clamp((highest + 11) / 12, 1, OperationEngine::kMaxTicketPages);
}

// The page holding ticket number `ticket` (the first for none).
int pageOf(int ticket, int pages)
{
    return ticket < 1 ? 0 : std::min((ticket - 1) / 12, pages - 1);
}

} // namespace

FarePanelView::FarePanelView(QWidget *parent)
    : QWidget(parent), settings_(std::make_unique<SettingsModel>(Preferences::Defaults)),
      sound_(std::make_unique<SoundSystem>(std::make_unique<NullAudioOutput>())),
      panel_(std::make_unique<Form1>()),
      unit_(new OperationEngine(*sound_, *settings_, [] { return std::unique_ptr<SpeechEngine>(); }, this))
{
    // Drawn, never shown: the panel is a window of its own in a run.
    panel_->setAttribute(Qt::WA_DontShowOnScreen);
    // The panel as a run starts it without a settings file, backlight off.
    InitDegit(*panel_);
    panel_->useBuiltInPictures();
    panel_->applyLook(panelLookOf(settings_->records()));
    panel_->showBacklight(0, settings_->userPanelPicture(0), settings_->backlightLabelColor(0));
    panel_->shapeWindow();
    connectUnit();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    draw();
}

FarePanelView::~FarePanelView()
{
    delete unit_;
}

void FarePanelView::connectUnit()
{
    Form1 *panel = panel_.get();
    OperationEngine *unit = unit_;
    const auto cell = [this](int k) -> std::variant<int, QString> & {
        return shown_.cells[static_cast<std::size_t>(std::clamp(k, 0, int(shown_.cells.size()) - 1))];
    };
    connect(unit, &OperationEngine::fareShown, panel, &Form1::showFare);
    connect(unit, &OperationEngine::infoShown, panel, &Form1::showFare);
    connect(unit, &OperationEngine::infoTextShown, panel, &Form1::showInfoText);
    connect(unit, &OperationEngine::nameShown, panel, &Form1::showStopName);
    connect(unit, &OperationEngine::nameBlanked, panel, &Form1::blankStopName);
    connect(unit, &OperationEngine::ticketPageShown, panel, &Form1::showTicketPage);
    // What the panel was told, to know whether its drawing changed.
    connect(unit, &OperationEngine::fareShown, this, [cell](int k, int value) { cell(k) = value; });
    connect(unit, &OperationEngine::infoShown, this, [cell](int k, int value) { cell(k) = value; });
    connect(unit, &OperationEngine::infoTextShown, this, [cell](int k, const QString &text) { cell(k) = text; });
    connect(unit, &OperationEngine::nameShown, this,
            [this](const QString &name, std::int16_t drawnMode, std::int16_t modeAfter) {
                shown_.name = name;
                shown_.drawnMode = drawnMode;
                shown_.modeAfter = modeAfter;
            });
    connect(unit, &OperationEngine::nameBlanked, this, [this] { shown_.name.reset(); });
    connect(unit, &OperationEngine::ticketPageShown, this, [this](int page) { shown_.page = page; });
}

void FarePanelView::showStop(const std::vector<FareRecord> &stops, int stop)
{
    if (stop < 1 || stop > static_cast<int>(stops.size()) || stop > kFareRows) {
        if (request_) {
            request_.reset();
            blank();
        }
        return;
    }
    Request request{stop, stops[static_cast<std::size_t>(stop - 1)], pagesFor(stops), lateNight_};
    if (request_ == request)
        return;
    request_ = std::move(request);
    unit_->state.nStopCount = static_cast<std::int16_t>(std::min<std::size_t>(stops.size(), kFareRows));
    tell(*request_);
    draw();
}

void FarePanelView::tell(const Request &request)
{
    // The unit shows the stop as a step to it does, from section 1: only the
    // stop's own row is read.
    OperatingState &state = unit_->state;
    state.nSection = 1;
    state.nStopPos = static_cast<std::int16_t>(request.stop - 1);
    state.FareData(request.stop) = request.row;
    unit_->setTicketPages(request.pages);
    unit_->setLateNight(request.lateNight);
    unit_->DispData(static_cast<std::int16_t>(request.stop));
    unit_->showTicketPage(pageOf(request.row.SeirikenNo, request.pages));
    unit_->holdTicketPage();
    panel_->stopScrolling();
}

void FarePanelView::useSettings(const SettingsRecords &records, int backlight)
{
    settings_->replaceRecords(records);
    const SettingsRecords &kept = settings_->records();
    panel_->applyLook(panelLookOf(kept));
    for (int cell = 1; cell <= 12; ++cell) {
        const DegitUserRecord &format = kept.DegitUser[static_cast<std::size_t>(cell)];
        panel_->setFareDigitFormat(cell, {format.ZeroMode, format.Shift, format.FillZero});
    }
    const int state = std::clamp(backlight, 0, 2);
    panel_->showBacklight(state, settings_->userPanelPicture(state), settings_->backlightLabelColor(state));
    // Every cell again, in its format.
    if (request_)
        tell(*request_);
    else
        InitDegit(*panel_);
    drawn_.reset();
    draw();
}

void FarePanelView::setLateNight(bool on)
{
    lateNight_ = on;
}

void FarePanelView::blank()
{
    unit_->showTicketPage(0);
    InitDegit(*panel_);
    panel_->blankStopName();
    shown_ = Shown{};
    draw();
}

int FarePanelView::zoom() const
{
    return panel_->zoom();
}

int FarePanelView::ticketPage() const
{
    return panel_->ticketPage();
}

void FarePanelView::draw()
{
    if (drawn_ == shown_ && !image_.isNull())
        return;
    drawn_ = shown_;
    image_ = panelImage(*panel_);
    update();
}

void FarePanelView::fitZoom()
{
    const int designWidth = panel_->width() / panel_->zoom();
    const int factor = std::clamp(width() / designWidth, 1, Form1::kMaxZoom);
    if (factor == panel_->zoom())
        return;
    panel_->setZoom(factor);
    image_ = panelImage(*panel_);
    update();
}

QSize FarePanelView::sizeHint() const
{
    return panel_->size() / panel_->zoom();
}

QSize FarePanelView::minimumSizeHint() const
{
    return sizeHint() / 2;
}

int FarePanelView::heightForWidth(int width) const
{
    const QSize design = sizeHint();
    if (width < design.width())
        return design.height() * width / design.width();
    return design.height() * std::clamp(width / design.width(), 1, Form1::kMaxZoom);
}

void FarePanelView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitZoom();
}

void FarePanelView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (image_.width() <= width() && image_.height() <= height()) {
        // Dot for dot.
        p.drawImage(QPoint((width() - image_.width()) / 2, (height() - image_.height()) / 2), image_);
        return;
    }
    // A pane smaller than the panel: reduced, as sharp as reducing allows.
    QRect target(QPoint(), image_.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image_);
}

} // namespace kerubara
