// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/RenderName.h"

#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/OleColor.h"
#include "settings/StartupColors.h"
#include "tools/DataTool.h"
#include "tools/ToolFiles.h"
#include "windows/UnitMessages.h"

#include <QCoreApplication>
#include <QTextStream>

#include <functional>
#include <map>
#include <optional>

namespace kerubara::datatool {
namespace {

using Setter = std::function<void(ChimeiCtl_DX &)>;

struct ValueOption
{
    // How the value is described in a message, translated where it is used:
    // the table is made once, perhaps before the translation is installed.
    const char *what;
    std::function<std::optional<Setter>(const QString &)> parse;
};

ValueOption integerOption(void (ChimeiCtl_DX::*set)(std::int16_t))
{
    return {QT_TRANSLATE_NOOP("RenderName", "-32768～32767 の整数"),
            [set](const QString &text) -> std::optional<Setter> {
                const auto value = parseInt16(text);
                if (!value)
                    return std::nullopt;
                return Setter([set, v = *value](ChimeiCtl_DX &c) { (c.*set)(v); });
            }};
}

ValueOption colourOption(void (ChimeiCtl_DX::*set)(OleColor))
{
    return {QT_TRANSLATE_NOOP("RenderName", "RRGGBB 形式の16進数の色（例: FFC080）"),
            [set](const QString &text) -> std::optional<Setter> {
                const auto value = parseRgb(text);
                if (!value)
                    return std::nullopt;
                return Setter([set, v = *value](ChimeiCtl_DX &c) { (c.*set)(v); });
            }};
}

const std::map<QString, ValueOption> &valueOptions()
{
    static const std::map<QString, ValueOption> options{
        {QStringLiteral("--tsugiwa-mode"), integerOption(&ChimeiCtl_DX::setTsugiwaMode)},
        {QStringLiteral("--font-mode"), integerOption(&ChimeiCtl_DX::setFontMode)},
        {QStringLiteral("--tsugiwa-font-mode"), integerOption(&ChimeiCtl_DX::setTsugiwaFontMode)},
        {QStringLiteral("--back"), colourOption(&ChimeiCtl_DX::setBackColor)},
        {QStringLiteral("--fore"), colourOption(&ChimeiCtl_DX::setForeColor)},
        {QStringLiteral("--tsugiwa-color"), colourOption(&ChimeiCtl_DX::setTsugiwaColor)},
    };
    return options;
}

const std::map<QString, Setter> &flagOptions()
{
    static const std::map<QString, Setter> options{
        {QStringLiteral("--bold"), [](ChimeiCtl_DX &c) { c.setFontBold(true); }},
        {QStringLiteral("--tsugiwa-bold"), [](ChimeiCtl_DX &c) { c.setTsugiwaBold(true); }},
    };
    return options;
}

} // namespace

int renderName(const QStringList &args, QTextStream &err)
{
    std::vector<Setter> setters;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(QStringLiteral("--"))) {
            positional << arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        if (const auto flag = flagOptions().find(arg); flag != flagOptions().end()) {
            setters.push_back(flag->second);
            continue;
        }
        const auto option = valueOptions().find(arg);
        if (option == valueOptions().end())
            return usageError(
                err,
                QCoreApplication::translate("RenderName", "render-name に「%1」というオプションはありません。")
                    .arg(arg));
        if (i + 1 >= args.size())
            return usageError(err,
                              QCoreApplication::translate("RenderName", "%1 の後に%2を指定してください。")
                                  .arg(arg, QCoreApplication::translate("RenderName", option->second.what)));
        const QString &value = args[++i];
        const auto setter = option->second.parse(value);
        if (!setter)
            return usageError(
                err,
                QCoreApplication::translate("RenderName", "%1 の値「%2」が正しくありません。%3を指定してください。")
                    .arg(arg, value, QCoreApplication::translate("RenderName", option->second.what)));
        setters.push_back(*setter);
    }
    if (positional.size() != 2)
        return usageError(err,
                          QCoreApplication::translate(
                              "RenderName", "render-name には停留所名と出力する PNG ファイルを指定してください。"));
    const QString &text = positional[0];
    const QString &outPath = positional[1];

    const qsizetype bad = cp932::firstUnencodable(text);
    if (bad >= 0) {
        err << QCoreApplication::translate("RenderName",
                                           "停留所名の「%1」は Shift-JIS で表せない文字のため表示できません。\n")
                   .arg(text.mid(bad, 1));
        return 1;
    }

    const QStringList missing = installFontSubstitutions();
    if (!missing.isEmpty())
        err << QCoreApplication::translate("RenderName", "警告: %1\n").arg(missingFontsMessage(missing));

    // The strip in the colours the panel shows after start-up. Its typeface
    // and prefix modes start at 0, which draws as the panel's start-up
    // settings (no list entry chosen) do.
    ChimeiCtl_DX strip;
    strip.setBackColor(kStartupStopNameColors.back);
    strip.setForeColor(kStartupStopNameColors.text);
    strip.setTsugiwaColor(kStartupStopNameColors.tsugiwa);
    for (const Setter &set : setters)
        set(strip);
    strip.SetChimei(text);

    return writeOutputFile(outPath, [&](QIODevice &out) { return strip.canvas().save(&out, "PNG"); }, err);
}

} // namespace kerubara::datatool
