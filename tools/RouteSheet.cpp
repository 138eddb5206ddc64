// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RouteSheet.h"

#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/ChimeiLayout.h"
#include "formats/FareFile.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "settings/StartupColors.h"
#include "tools/DataTool.h"
#include "tools/FareCommands.h"
#include "tools/ToolFiles.h"
#include "windows/UnitMessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <optional>

namespace kerubara::datatool {
namespace {

constexpr int kNoFare = -1;

// Layout, in pixels.
constexpr int kMargin = 8;
constexpr int kTitleHeight = 30;
constexpr int kLegendHeight = 24;
constexpr int kHeaderHeight = 24;
constexpr int kTableTop = kMargin + kTitleHeight + kLegendHeight;
constexpr int kFirstRowTop = kTableTop + kHeaderHeight;
constexpr int kNamePadding = 4;
constexpr int kRowHeight = kCanvasHeight + 2 * kNamePadding;
constexpr int kOrderWidth = 44;
constexpr int kTicketWidth = 52;
constexpr int kFareWidth = 66;
constexpr int kTapeLineHeight = 16;
constexpr int kTapePadding = 6;
constexpr int kMaxTapeWidth = 640;
// Limits that keep a sheet drawable whatever the data hold: a name is drawn
// up to 40 characters (its canvas then ends there too), a stop lists up to 30
// announcements.
constexpr int kMaxNameCharacters = 40;
constexpr std::size_t kMaxTapeLines = 30;

// Colours.
const QColor kInk(20, 20, 20);
const QColor kGrid(190, 190, 190);
const QColor kHeaderBack(230, 230, 230);
const QColor kStripedBack(247, 247, 247);
const QColor kFlagBack(255, 222, 222);
const QColor kFlagInk(210, 0, 0);
const QColor kNoFareBack(236, 236, 236);
const QColor kNoFareInk(140, 140, 140);
const QColor kZeroBack(220, 232, 255);
const QColor kZeroInk(30, 80, 200);
const QColor kCutBack(255, 240, 212);
const QColor kCutInk(160, 95, 0);
const QColor kLateNightInk(95, 60, 150);

QFont sheetFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The name as far as the sheet draws it.
QString drawnName(const QString &name)
{
    return name.size() > kMaxNameCharacters ? name.left(kMaxNameCharacters) : name;
}

// The lines of a stop's announcements the sheet has room for; when they do
// not all fit, the last line says how many more there are.
std::size_t tapeLines(std::size_t count)
{
    return std::min(count, kMaxTapeLines);
}

QString tapeLine(const PlacedAnnouncement &a)
{
    QString line = QStringLiteral("%1: ").arg(a.entry);
    if (a.soundFlag >= 1 && a.soundFlag <= 3)
        line += QCoreApplication::translate("RouteSheet", "♪%1 ").arg(a.soundFlag);
    line += a.text;
    if (a.steps)
        line += QCoreApplication::translate("RouteSheet", "　→ 次の停留所へ");
    return line;
}

// The parts of a fare cell: its colours and three lines of text.
struct FareLook
{
    QColor back = Qt::white;
    QColor ink = kInk;
    QString fare;
    QString lateNight;
    QColor lateNightInk = kLateNightInk;
    QString note;
    QColor noteInk = kInk;
};

// `display`: what the three-digit cell loses of the fare, as fareMarks() says.
FareLook fareLook(int fare, std::optional<FareMark::Kind> display, const FareFlag *flag)
{
    FareLook look;
    look.fare = QString::number(fare);
    // The late-night fare doubles every fare but −1, in full.
    look.lateNight = fare == kNoFare ? QCoreApplication::translate("RouteSheet", "運賃なし")
                                     : QCoreApplication::translate("RouteSheet", "深夜 %1").arg(2 * fare);
    if (fare == kNoFare) {
        look.back = kNoFareBack;
        look.ink = kNoFareInk;
        look.lateNightInk = kNoFareInk;
    } else if (fare == 0) {
        look.back = kZeroBack;
        look.ink = kZeroInk;
    }
    const bool cutByDay = display == FareMark::Kind::CutByDay || display == FareMark::Kind::FiveDigits;
    if (cutByDay) {
        look.back = kCutBack;
        look.note = QCoreApplication::translate("RouteSheet", "表示は %1").arg(fare % 1000, 3, 10, QChar(u'0'));
        look.noteInk = kCutInk;
    }
    // So does its late-night fare from 500 up.
    if (display) {
        look.back = kCutBack;
        look.lateNightInk = kCutInk;
        if (look.note.isEmpty()) {
            look.note = QCoreApplication::translate("RouteSheet", "深夜は %1").arg(2 * fare % 1000, 3, 10, QChar(u'0'));
            look.noteInk = kCutInk;
        }
    }
    if (flag) {
        look.back = kFlagBack;
        look.ink = kFlagInk;
        look.noteInk = kFlagInk;
        look.note = flag->kind == FareFlag::Kind::Falls
            ? QCoreApplication::translate("RouteSheet", "↓ 前は %1").arg(flag->earlierFare)
            : QCoreApplication::translate("RouteSheet", "9999 超");
    }
    return look;
}

void drawFareCell(QPainter &p, const QRect &cell, const FareLook &look)
{
    p.fillRect(cell, look.back);
    const QRect inner = cell.adjusted(4, 3, -5, -3);
    p.setPen(look.ink);
    p.setFont(sheetFont(17, true));
    p.drawText(QRect(inner.left(), inner.top(), inner.width(), 20), Qt::AlignRight | Qt::AlignVCenter, look.fare);
    p.setFont(sheetFont(11));
    p.setPen(look.lateNightInk);
    p.drawText(QRect(inner.left(), inner.top() + 22, inner.width(), 14), Qt::AlignRight | Qt::AlignVCenter,
               look.lateNight);
    if (!look.note.isEmpty()) {
        p.setPen(look.noteInk);
        p.drawText(QRect(inner.left(), inner.top() + 37, inner.width(), 14), Qt::AlignRight | Qt::AlignVCenter,
                   look.note);
    }
}

// A small coloured square with its meaning, left to right; returns the x
// after it.
int drawLegendEntry(QPainter &p, int x, int y, const QColor &back, const QColor &ink, const QString &text)
{
    const QRect swatch(x, y + 5, 14, 14);
    p.fillRect(swatch, back);
    p.setPen(ink);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    p.setPen(kInk);
    const QFontMetrics metrics(p.font());
    const int width = metrics.horizontalAdvance(text);
    p.drawText(QRect(x + 18, y, width + 2, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    return x + 18 + width + 18;
}

} // namespace

std::vector<FareFlag> fareFlags(const std::vector<FareRecord> &stops, int columns)
{
    std::vector<FareFlag> flags;
    for (const FareMark &mark : fareMarks(stops, columns)) {
        if (mark.kind == FareMark::Kind::Falls)
            flags.push_back({FareFlag::Kind::Falls, mark.stop, mark.column, mark.value, mark.earlierStop, mark.earlierValue});
        else if (mark.kind == FareMark::Kind::FiveDigits)
            flags.push_back({FareFlag::Kind::FiveDigits, mark.stop, mark.column, mark.value, 0, 0});
    }
    return flags;
}

QString flagText(const FareFlag &flag, const std::vector<FareRecord> &stops)
{
    const QString where = QCoreApplication::translate("RouteSheet", "record %1 (%2): 整理券%3: ")
                              .arg(QString::number(flag.stop), stops[static_cast<std::size_t>(flag.stop - 1)].Chimei,
                                   QString::number(flag.ticket));
    if (flag.kind == FareFlag::Kind::Falls)
        return where
            + QCoreApplication::translate("RouteSheet", "運賃 %1 が record %2 の %3 より下がっています。")
                  .arg(flag.fare)
                  .arg(flag.earlierStop)
                  .arg(flag.earlierFare);
    return where
        + QCoreApplication::translate("RouteSheet", "運賃 %1 が 9999 を超えています（運賃の表示は3桁です）。")
              .arg(flag.fare);
}

std::vector<CutFare> cutFares(const std::vector<FareRecord> &stops, int columns)
{
    std::vector<CutFare> cut;
    for (const FareMark &mark : fareMarks(stops, columns)) {
        if (mark.kind == FareMark::Kind::CutByDay || mark.kind == FareMark::Kind::CutAtNight)
            cut.push_back({mark.stop, mark.column, mark.value, mark.kind == FareMark::Kind::CutByDay});
    }
    return cut;
}

QString cutFareText(const CutFare &cut, const std::vector<FareRecord> &stops)
{
    const auto lastThree = [](int fare) { return QStringLiteral("%1").arg(fare % 1000, 3, 10, QChar(u'0')); };
    const QString where = QCoreApplication::translate("RouteSheet", "record %1 (%2): 整理券%3: 注意: ")
                              .arg(QString::number(cut.stop), stops[static_cast<std::size_t>(cut.stop - 1)].Chimei,
                                   QString::number(cut.ticket));
    const int night = 2 * cut.fare;
    if (!cut.byDay)
        return where
            + QCoreApplication::translate("RouteSheet", "深夜料金 %1 は %2 と表示されます（運賃の表示は3桁です）。")
                  .arg(QString::number(night), lastThree(night));
    return where
        + QCoreApplication::translate("RouteSheet",
                                      "運賃 %1 は %2 と、深夜料金 %3 は %4 と表示されます（運賃の表示は3桁です）。")
              .arg(QString::number(cut.fare), lastThree(cut.fare), QString::number(night), lastThree(night));
}

std::vector<std::vector<PlacedAnnouncement>> placeAnnouncements(const std::vector<TapeRecord> &tape, int stopCount)
{
    std::vector<std::vector<PlacedAnnouncement>> placed(static_cast<std::size_t>(std::max(stopCount, 0)));
    if (stopCount <= 0)
        return placed;
    // An announcement that steps moves the bus as its speech starts, so it
    // is heard while the panel shows the stop it moved to.
    int at = 0;
    for (std::size_t i = 0; i < tape.size(); ++i) {
        const TapeRecord &r = tape[i];
        const bool steps = r.StepFlag == 1;
        if (steps)
            at = std::min(at + 1, stopCount - 1);
        if (!r.Text.isEmpty())
            placed[static_cast<std::size_t>(at)].push_back({static_cast<int>(i) + 1, r.Text, steps, r.SoundFlag});
    }
    return placed;
}

RouteSheet::RouteSheet(QString title, std::vector<FareRecord> stops,
                       std::vector<std::vector<PlacedAnnouncement>> announcements)
    : title_(std::move(title)), stops_(std::move(stops)), announcements_(std::move(announcements)),
      fareColumns_(fareColumnsInUse(stops_)), flags_(fareFlags(stops_, fareColumns_))
{
    layOut();
}

int RouteSheet::rowHeight(int stop) const
{
    return rowTops_[static_cast<std::size_t>(stop)] - rowTops_[static_cast<std::size_t>(stop - 1)];
}

void RouteSheet::layOut()
{
    // The name column is as wide as the widest name's canvas, so that names
    // that scroll on the panel show whole.
    nameWidth_ = kStripWidth;
    for (const FareRecord &stop : stops_)
        nameWidth_ = std::max(nameWidth_, chimeiLayout(LenB_ASCII(drawnName(stop.Chimei)), false).canvasWidth);
    nameWidth_ += 2 * kNamePadding;

    tapeWidth_ = 0;
    const QFontMetrics metrics(sheetFont(13));
    for (const auto &list : announcements_) {
        for (const PlacedAnnouncement &a : list)
            tapeWidth_ = std::max(tapeWidth_, std::min(metrics.horizontalAdvance(tapeLine(a)), kMaxTapeWidth));
    }
    if (!announcements_.empty())
        tapeWidth_ = std::max(tapeWidth_, 120) + 2 * kTapePadding;

    columns_.order = kMargin;
    columns_.ticket = columns_.order + kOrderWidth;
    columns_.name = columns_.ticket + kTicketWidth;
    columns_.fares = columns_.name + nameWidth_;
    columns_.tape = columns_.fares + fareColumns_ * kFareWidth;
    columns_.right = columns_.tape + tapeWidth_;

    rowTops_.assign(1, kFirstRowTop);
    for (std::size_t s = 0; s < stops_.size(); ++s) {
        const std::size_t lines = s < announcements_.size() ? tapeLines(announcements_[s].size()) : 0;
        const int tapeHeight = static_cast<int>(lines) * kTapeLineHeight + 2 * kTapePadding;
        rowTops_.push_back(rowTops_.back() + std::max(kRowHeight, tapeHeight));
    }
}

QRect RouteSheet::fareCell(int stop, int ticket) const
{
    return {columns_.fares + (ticket - 1) * kFareWidth, rowTop(stop), kFareWidth, rowHeight(stop)};
}

QImage RouteSheet::draw() const
{
    const int width = columns_.right + kMargin;
    const int height = rowTops_.back() + kMargin;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);

    // Title and legend.
    p.setPen(kInk);
    p.setFont(sheetFont(20, true));
    p.drawText(
        QRect(kMargin, kMargin, width - 2 * kMargin, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("RouteSheet", "%1　停留所 %2 件").arg(title_, QString::number(stops_.size())));
    p.setFont(sheetFont(12));
    int x = kMargin;
    const int legendTop = kMargin + kTitleHeight;
    x = drawLegendEntry(p, x, legendTop, kFlagBack, kFlagInk,
                        QCoreApplication::translate("RouteSheet", "赤: 前の停留所より下がる運賃・9999 を超える運賃"));
    x = drawLegendEntry(p, x, legendTop, kNoFareBack, kNoFareInk,
                        QCoreApplication::translate("RouteSheet", "-1: 運賃なし"));
    x = drawLegendEntry(p, x, legendTop, kZeroBack, kZeroInk, QCoreApplication::translate("RouteSheet", "0 円"));
    x = drawLegendEntry(p, x, legendTop, kCutBack, kCutInk,
                        QCoreApplication::translate("RouteSheet", "4桁以上（深夜料金も）: 表示は下3桁"));
    p.setPen(kLateNightInk);
    p.drawText(QRect(x, legendTop, width - x, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("RouteSheet", "深夜: 深夜料金（2倍）"));

    // Column headings.
    const QRect header(kMargin, kTableTop, columns_.right - kMargin, kHeaderHeight);
    p.fillRect(header, kHeaderBack);
    p.setPen(kInk);
    p.setFont(sheetFont(13, true));
    auto heading = [&](int left, int w, const QString &text) {
        p.drawText(QRect(left, kTableTop, w, kHeaderHeight), Qt::AlignCenter, text);
    };
    heading(columns_.order, kOrderWidth, QCoreApplication::translate("RouteSheet", "順"));
    heading(columns_.ticket, kTicketWidth, QCoreApplication::translate("RouteSheet", "整理券"));
    heading(columns_.name, nameWidth_, QCoreApplication::translate("RouteSheet", "停留所名（行先表示）"));
    for (int k = 1; k <= fareColumns_; ++k)
        heading(columns_.fares + (k - 1) * kFareWidth, kFareWidth,
                QCoreApplication::translate("RouteSheet", "整理券%1").arg(k));
    if (tapeWidth_ > 0)
        heading(columns_.tape, tapeWidth_, QCoreApplication::translate("RouteSheet", "放送"));

    // The strip in the colours the panel shows after start-up, without the
    // prefix: the name as the strip draws it.
    ChimeiCtl_DX strip;
    strip.setBackColor(kStartupStopNameColors.back);
    strip.setForeColor(kStartupStopNameColors.text);

    const auto columns = static_cast<std::size_t>(fareColumns_);
    std::vector<const FareFlag *> flagAt(stops_.size() * columns, nullptr);
    std::vector<std::optional<FareMark::Kind>> displayAt(stops_.size() * columns);
    for (const FareMark &mark : fareMarks(stops_, fareColumns_)) {
        using Kind = FareMark::Kind;
        if (mark.kind == Kind::CutByDay || mark.kind == Kind::CutAtNight || mark.kind == Kind::FiveDigits)
            displayAt[static_cast<std::size_t>(mark.stop - 1) * columns + static_cast<std::size_t>(mark.column - 1)] = mark.kind;
    }
    for (const FareFlag &flag : flags_) {
        const std::size_t i = static_cast<std::size_t>(flag.stop - 1) * columns + static_cast<std::size_t>(flag.ticket - 1);
        if (!flagAt[i] || flag.kind == FareFlag::Kind::Falls)
            flagAt[i] = &flag;
    }

    const QFontMetrics tapeMetrics(sheetFont(13));
    for (std::size_t s = 0; s < stops_.size(); ++s) {
        const int stop = static_cast<int>(s) + 1;
        const FareRecord &record = stops_[s];
        const int top = rowTop(stop);
        const int h = rowHeight(stop);
        if (s % 2 == 1)
            p.fillRect(QRect(kMargin, top, columns_.fares - kMargin, h), kStripedBack);

        bool flagged = false;
        for (int k = 1; k <= fareColumns_; ++k) {
            const std::size_t cell = s * columns + static_cast<std::size_t>(k - 1);
            const FareFlag *flag = flagAt[cell];
            flagged = flagged || flag;
            drawFareCell(p, fareCell(stop, k), fareLook(record.Col(k), displayAt[cell], flag));
        }

        p.setFont(sheetFont(15, true));
        p.setPen(flagged ? kFlagInk : kInk);
        p.drawText(QRect(columns_.order, top, kOrderWidth, h), Qt::AlignCenter, QString::number(stop));
        // The panel shows the fares of a ticket number above 12 only in
        // pages (and none above 48).
        p.setPen(record.SeirikenNo > kPanelTickets ? kCutInk : kInk);
        p.drawText(QRect(columns_.ticket, top, kTicketWidth, h), Qt::AlignCenter, QString::number(record.SeirikenNo));

        strip.SetChimei(drawnName(record.Chimei));
        strip.stopScrolling();
        p.drawImage(columns_.name + kNamePadding, top + kNamePadding, strip.canvas());

        if (s < announcements_.size()) {
            p.setFont(sheetFont(13));
            p.setPen(kInk);
            int y = top + kTapePadding;
            const auto &list = announcements_[s];
            for (std::size_t i = 0; i < tapeLines(list.size()); ++i) {
                const bool more = list.size() > kMaxTapeLines && i + 1 == kMaxTapeLines;
                const QString text = more
                    ? QCoreApplication::translate("RouteSheet", "…ほか %1 件").arg(list.size() - i)
                    : tapeLine(list[i]);
                const QString line = tapeMetrics.elidedText(text, Qt::ElideRight, tapeWidth_ - 2 * kTapePadding);
                p.drawText(QRect(columns_.tape + kTapePadding, y, tapeWidth_ - 2 * kTapePadding, kTapeLineHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, line);
                y += kTapeLineHeight;
            }
        }
    }

    // Rules between rows and columns.
    p.setPen(kGrid);
    for (const int y : rowTops_)
        p.drawLine(kMargin, y, columns_.right - 1, y);
    p.drawLine(kMargin, kTableTop, columns_.right - 1, kTableTop);
    std::vector<int> lefts{kMargin, columns_.ticket, columns_.name, columns_.fares};
    for (int k = 1; k < fareColumns_; ++k)
        lefts.push_back(columns_.fares + k * kFareWidth);
    lefts.push_back(columns_.tape);
    if (tapeWidth_ > 0)
        lefts.push_back(columns_.right - 1);
    for (const int left : lefts)
        p.drawLine(left, kTableTop, left, rowTops_.back());
    return sheet;
}

int routeSheet(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList positional;
    QString tapePath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--tape") {
            if (i + 1 >= args.size())
                return usageError(err,
                                  QCoreApplication::translate(
                                      "RouteSheet", "--tape の後に放送用データ（*tp.csv）を指定してください。"));
            tapePath = args[++i];
        } else if (args[i].startsWith(QStringLiteral("--"))) {
            return usageError(
                err,
                QCoreApplication::translate("RouteSheet", "route-sheet に「%1」というオプションはありません。")
                    .arg(args[i]));
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 2)
        return usageError(
            err,
            QCoreApplication::translate(
                "RouteSheet", "route-sheet には運賃データ（.hy3）と出力する PNG ファイルを指定してください。"));
    const QString &farePath = positional[0];
    const QString &outPath = positional[1];

    const std::optional<FareFileScan> scan = readWholeFareFile(farePath, err);
    if (!scan)
        return 1;
    if (scan->records.empty()) {
        err << farePath << QCoreApplication::translate("RouteSheet", ": 停留所が0件です。\n");
        return 1;
    }
    std::vector<FareRecord> stops;
    stops.reserve(scan->records.size());
    for (const FareFileRecord &r : scan->records)
        stops.push_back(toFareRecord(r));

    std::vector<std::vector<PlacedAnnouncement>> announcements;
    if (!tapePath.isEmpty()) {
        QFile file(tapePath);
        QString why;
        if (!openForReading(file, &why)) {
            err << tapePath << ": " << why << '\n';
            return 1;
        }
        const TapeDataResult tape = readTapeFile(file);
        if (tape.error) {
            err << tapePath << ": " << tapeDataErrorText(*tape.error) << '\n';
            return 1;
        }
        announcements = placeAnnouncements(tape.records, static_cast<int>(stops.size()));
    }

    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        err << QCoreApplication::translate("RouteSheet", "警告: %1\n").arg(missingFontsMessage(missing));

    const QFileInfo fareFile(farePath);
    const QString title = QCoreApplication::translate("RouteSheet", "系統 %1（%2）")
                              .arg(routeNumberText(fareFile.completeBaseName()), fareFile.fileName());
    const RouteSheet sheet(title, stops, std::move(announcements));
    for (const FareFlag &flag : sheet.flags())
        out << farePath << ": " << flagText(flag, stops) << '\n';
    for (const CutFare &cut : cutFares(stops, fareColumnsInUse(stops)))
        out << farePath << ": " << cutFareText(cut, stops) << '\n';
    std::vector<std::int16_t> ticketNumbers;
    for (const FareRecord &stop : stops)
        ticketNumbers.push_back(stop.SeirikenNo);
    const std::optional<TicketsBeyondPanel> beyond = ticketsBeyondPanel(ticketNumbers);
    if (beyond)
        err << QCoreApplication::translate("RouteSheet", "%1: 注意: record %2 (%3): %4\n")
                   .arg(farePath, QString::number(beyond->firstStop),
                        stops[static_cast<std::size_t>(beyond->firstStop - 1)].Chimei, ticketsBeyondPanelText(*beyond));
    // The sheet flags falls; gaps and ticket numbers out of order are told beside it.
    for (const QString &note : fareMarkNotes(fareMarks(stops), {FareMark::Kind::NoFareExpected, FareMark::Kind::TicketBackwards}))
        err << QCoreApplication::translate("RouteSheet", "%1: 注意: %2\n").arg(farePath, note);

    const QImage image = sheet.draw();
    const int written = writeOutputFile(outPath, [&](QIODevice &device) {
        // The fastest compression (zlib level 1): a sheet is large and mostly
        // flat colour, which level 1 already packs nearly as tightly as the
        // default level, in a fraction of the time.
        QImageWriter writer(&device, "png");
        writer.setQuality(85);
        return writer.write(image);
    }, err);
    if (written != 0)
        return written;
    return sheet.flags().empty() ? 0 : 1;
}

} // namespace kerubara::datatool
