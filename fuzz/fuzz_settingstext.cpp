// SPDX-License-Identifier: GPL-3.0-or-later
// The data tool's text form of a settings file ("Name=Value" lines, in4).
//
// A text it accepts makes a complete settings file whose dump reads back to
// the very same bytes; a text it refuses names a line of the text.

#include "FuzzSupport.h"

#include "settings/SettingsFile.h"
#include "tools/SettingsCommands.h"

#include <QRegularExpression>

using namespace kerubara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const datatool::SettingsTextRead read = datatool::settingsFromText(bytes);
    if (!read.problems.isEmpty()) {
        static const QRegularExpression line(QStringLiteral("^line ([0-9]+): "));
        const qsizetype lines = bytes.count('\n') + 1;
        for (const QString &problem : read.problems) {
            const QRegularExpressionMatch m = line.match(problem);
            FUZZ_CHECK(m.hasMatch());
            const qlonglong n = m.captured(1).toLongLong();
            FUZZ_CHECK(n >= 1 && n <= lines);
        }
        return 0;
    }
    const QByteArray file = settingsfile::bytes(read.records);
    const settingsfile::ReadResult back = settingsfile::read(file);
    FUZZ_CHECK(back.damage == settingsfile::Damage::None && back.trailingBytes == 0);
    const datatool::SettingsTextRead again = datatool::settingsFromText(datatool::settingsText(back.records).toUtf8());
    FUZZ_CHECK(again.problems.isEmpty());
    FUZZ_CHECK(settingsfile::bytes(again.records) == file);
    return 0;
}
