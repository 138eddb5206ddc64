// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/RenderDigits.h"

#include "controls/digit/M_Degit.h"
#include "settings/StartupColors.h"
#include "tools/DataTool.h"
#include "tools/ToolFiles.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <array>
#include <cmath>
#include <optional>

namespace kerubara::datatool {
namespace {

// The integer options, in the order they are applied: Keta first, because
// the limits of FillZero and Shift depend on it.
struct IntOption
{
    const char16_t *name;
    void (M_Degit::*set)(std::int16_t);
};
constexpr std::array<IntOption, 6> kIntOptions{{
    {u"keta", &M_Degit::setKeta},
    {u"size", &M_Degit::setDegitSize},
    {u"style", &M_Degit::setDegitStyle},
    {u"zero-mode", &M_Degit::setZeroMode},
    {u"fill-zero", &M_Degit::setFillZero},
    {u"shift", &M_Degit::setShift},
}};

struct ColorOption
{
    const char16_t *name;
    void (M_Degit::*set)(OleColor);
};
constexpr std::array<ColorOption, 3> kColorOptions{{
    {u"back", &M_Degit::setBackColor},
    {u"base", &M_Degit::setBaseForeColor},
    {u"lit", &M_Degit::setDegitForeColor},
}};

struct Request
{
    QStringList positional;
    bool text = false;
    std::array<std::optional<std::int16_t>, kIntOptions.size()> ints;
    std::array<std::optional<OleColor>, kColorOptions.size()> colors;
};

template<typename Options>
int indexOf(const Options &options, const QString &name)
{
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (name == QStringView(options[i].name))
            return static_cast<int>(i);
    }
    return -1;
}

// A whole number stays an integer (int when it fits), anything else that
// reads as a number is a double.
std::optional<QVariant> parseNumber(const QString &text)
{
    bool ok = false;
    const qlonglong whole = QLocale::c().toLongLong(text, &ok);
    if (ok)
        return whole >= INT_MIN && whole <= INT_MAX ? QVariant(static_cast<int>(whole)) : QVariant(whole);
    const double d = QLocale::c().toDouble(text, &ok);
    if (ok && std::isfinite(d))
        return QVariant(d);
    return std::nullopt;
}

bool isQuoted(const QString &arg)
{
    return arg.size() >= 2 && arg.startsWith(u'"') && arg.endsWith(u'"');
}

// Reads the options into `request`; returns the message of the first
// problem, or nothing.
std::optional<QString> parseArguments(const QStringList &args, Request &request)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u"--")) {
            request.positional << arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        if (arg == u"--text") {
            request.text = true;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(u'=');
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        }
        const int intIndex = indexOf(kIntOptions, name);
        const int colorIndex = indexOf(kColorOptions, name);
        if (intIndex < 0 && colorIndex < 0)
            return QCoreApplication::translate("RenderDigits", "「%1」というオプションはありません。").arg(arg);
        if (eq < 0) {
            if (i + 1 >= args.size())
                return QCoreApplication::translate("RenderDigits", "--%1 には値を指定してください。").arg(name);
            value = args[++i];
        }
        if (intIndex >= 0) {
            request.ints[intIndex] = parseInt16(value);
            if (!request.ints[intIndex])
                return QCoreApplication::translate(
                           "RenderDigits", "--%1 には -32768～32767 の整数を指定してください（「%2」は使えません）。")
                    .arg(name, value);
        } else {
            request.colors[colorIndex] = parseRgb(value);
            if (!request.colors[colorIndex])
                return QCoreApplication::translate("RenderDigits",
                                                   "--%1 の色は RRGGBB（赤・緑・青を16進数2桁ずつ、例: "
                                                   "F8D272）で指定してください（「%2」は使えません）。")
                    .arg(name, value);
        }
    }
    if (request.positional.size() != 2)
        return QCoreApplication::translate(
            "RenderDigits", "render-digits には表示する値と出力する PNG ファイルの2つを指定してください。");
    return std::nullopt;
}

} // namespace

int renderDigits(const QStringList &args, QTextStream &err)
{
    Request request;
    if (const auto problem = parseArguments(args, request))
        return usageError(err, *problem);
    const QString &valueArg = request.positional[0];
    const QString &outPath = request.positional[1];

    QVariant value;
    if (isQuoted(valueArg)) {
        value = valueArg.mid(1, valueArg.size() - 2);
    } else if (request.text) {
        value = valueArg;
    } else if (const auto number = parseNumber(valueArg)) {
        value = *number;
    } else {
        err << QCoreApplication::translate("RenderDigits",
                                           "「%1」は数値ではありません。文字として表示するには --text を付けるか、"
                                           "値全体を二重引用符で囲んでください（例: '\"%1\"'）。\n")
                   .arg(valueArg);
        return 1;
    }

    // The colours the panel's fare digits show after start-up, unless asked
    // otherwise; the format starts at the control's defaults.
    M_Degit digit;
    digit.setBackColor(kStartupDigitColors.back);
    digit.setBaseForeColor(kStartupDigitColors.unlit);
    digit.setDegitForeColor(kStartupDigitColors.lit);
    for (std::size_t k = 0; k < kIntOptions.size(); ++k) {
        if (request.ints[k])
            (digit.*kIntOptions[k].set)(*request.ints[k]);
    }
    for (std::size_t k = 0; k < kColorOptions.size(); ++k) {
        if (request.colors[k])
            (digit.*kColorOptions[k].set)(*request.colors[k]);
    }
    digit.setValue(value);

    return writeOutputFile(outPath, [&](QIODevice &out) { return digit.image().save(&out, "PNG"); }, err);
}

} // namespace kerubara::datatool
