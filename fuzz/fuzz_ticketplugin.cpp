// SPDX-License-Identifier: GPL-3.0-or-later
// Ticket plug-ins (.4SP) as the options window, the ticket preview and the
// data tool read them.
//
// A file is a plug-in or refused with a line inside it; the file read by name
// gives the same answer as its bytes; a plug-in's ticket draws at the preview's
// size and at odd sizes, its barcodes fit their range, and its list of what it
// prints has a line per item.

#include "FuzzSupport.h"

#include "reslib/Fonts.h"
#include "reslib/TicketBarcode.h"
#include "reslib/TicketPlugin.h"
#include "reslib/TicketPluginFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace kerubara;

namespace {

std::unique_ptr<fuzz::ScratchFolder> scratch;

void draw(const TicketPlugin &plugin, QSize size, const TicketText &text)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QPainter p(&picture);
    drawTicket(p, picture.rect(), plugin, text);
}

void checkPlugin(const TicketPlugin &plugin)
{
    const auto &field = plugin.info.field;
    FUZZ_CHECK(field[PlgReserved] == 0);
    FUZZ_CHECK(field[PlgWidth] >= 1 && field[PlgWidth] <= 2000 && field[PlgHeight] >= 1 && field[PlgHeight] <= 2000);
    FUZZ_CHECK(field[PlgStopMin] <= field[PlgStopMax]);

    const std::int32_t routes[] = {0, 1, 12, field[PlgRouteMax], field[PlgRouteMax] + 1, -5};
    const std::int32_t numbers[] = {0, 1, field[PlgStopMin], field[PlgStopMax], 32767, -1};
    for (std::size_t k = 0; k < std::size(routes); ++k) {
        const QStringList codes = ticketBarcodes(plugin, routes[k], numbers[k]);
        FUZZ_CHECK(codes.isEmpty() || codes.size() == field[PlgBarcodeCount]);
        for (const QString &code : codes) {
            FUZZ_CHECK(!code.isEmpty());
            for (const QChar c : code)
                FUZZ_CHECK(c >= u'0' && c <= u'9');
        }
    }

    const TicketText text{QStringLiteral("市立総合病院前"), QStringLiteral("12-07-2026"), QStringLiteral("06:59:00"),
                          12, 4, 0};
    draw(plugin, QSize(200, 256), text); // the console's preview pane
    draw(plugin, QSize(7, 3), text);
    if (field[PlgWidth] * field[PlgHeight] <= 400 * 400)
        draw(plugin, QSize(field[PlgWidth], field[PlgHeight]), text);
    draw(plugin, QSize(120, 160), {QString(300, u'長'), {}, {}, 999999999, 32767, static_cast<std::int32_t>(plugin.companies.size())});
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fuzz::application<QGuiApplication>(argc, argv);
    installFontSubstitutions();
    scratch = std::make_unique<fuzz::ScratchFolder>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const TicketPluginRead read = parseTicketPlugin(bytes);
    if (read.plugin) {
        checkPlugin(*read.plugin);
    } else {
        FUZZ_CHECK(read.error.kind != TicketPluginError::Kind::None);
        FUZZ_CHECK(read.error.line >= 0 && read.error.line <= bytes.count('\n') + 1);
    }
    const QString path = scratch->put(QStringLiteral("fuzz.4SP"), bytes);
    PlgInfoRecord info;
    FUZZ_CHECK(ZR8_GetPlgInfo(path, info) == (read.plugin ? 1 : 0));
    if (read.plugin)
        FUZZ_CHECK(info == read.plugin->info);
    return 0;
}
