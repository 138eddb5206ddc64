// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/FareRecord.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace kerubara {

class Form1;
class OperationEngine;
class SettingsModel;
class SoundSystem;
struct SettingsRecords;

// The fare panel as the unit shows one stop of a route being edited: the
// real panel (Form1), told what to show by the unit's own engine, drawn
// offscreen and shown scaled to the pane's width. The panel is magnified by
// whole factors, as its own zoom does, to the largest that fits (up to the
// panel's largest); a pane narrower than the panel shows it smoothly
// reduced. It never plays a sound, opens a window or keeps a timer running:
// a name too long for the strip is shown from its start, and with more
// ticket numbers than cells the page holding the stop's own ticket number
// stays on show.
//
// The drawing is kept: showStop() with what it showed last returns at once,
// and a change the unit does not show (a column it does not read) leaves the
// drawing as it is, so the view can follow every edit of a large route.
class FarePanelView : public QWidget
{
    Q_OBJECT

public:
    // With the settings' defaults (the panel's look, the ticket labels'
    // style), the backlight off.
    explicit FarePanelView(QWidget *parent = nullptr);
    ~FarePanelView() override;
    FarePanelView(const FarePanelView &) = delete;
    FarePanelView &operator=(const FarePanelView &) = delete;

    // The panel as the unit shows stop `stop` (1-based) of `stops` from
    // section 1; a stop that is not there leaves the panel blank.
    void showStop(const std::vector<FareRecord> &stops, int stop);
    // The run's settings (a copy is kept): the panel dressed as they dress
    // it (labels, digit colours and formats, the strip), the unit reading
    // them (the 次は prefix, the information digits), and the backlight in
    // state `backlight` (0 OFF, 1 ON1, 2 ON2). The stop on show is drawn
    // again at once.
    void useSettings(const SettingsRecords &records, int backlight = 0);
    // 深夜料金: the fares shown doubled, from the next showStop().
    void setLateNight(bool on);
    bool lateNight() const { return lateNight_; }

    // The panel as last drawn, at the magnification in force.
    const QImage &image() const { return image_; }
    int zoom() const;
    // The page of ticket numbers on show (0: tickets 1–12).
    int ticketPage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What the panel shows, as the unit told it: each cell's value (a fare
    // of tickets 13.. kept for its page), the name with its prefix modes,
    // the page on show.
    struct Shown
    {
        std::array<std::variant<int, QString>, 49> cells{};
        std::optional<QString> name;
        std::int16_t drawnMode = 0;
        std::int16_t modeAfter = 0;
        int page = 0;
        friend bool operator==(const Shown &, const Shown &) = default;
    };
    // What showStop() was asked to show.
    struct Request
    {
        int stop = 0;
        FareRecord row;
        int pages = 1;
        bool lateNight = false;
        friend bool operator==(const Request &, const Request &) = default;
    };

    void connectUnit();
    // The unit shows the stop asked for.
    void tell(const Request &request);
    void blank();
    // The panel at the largest whole magnification the pane's width holds.
    void fitZoom();
    void draw();

    std::unique_ptr<SettingsModel> settings_;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<Form1> panel_;
    // The view's child, ended first: it reads the settings, plays through
    // the sound system and tells the panel.
    OperationEngine *unit_ = nullptr;
    bool lateNight_ = false;
    std::optional<Request> request_;
    Shown shown_;
    std::optional<Shown> drawn_;
    QImage image_;
};

} // namespace kerubara
