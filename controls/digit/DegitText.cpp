// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/digit/DegitText.h"

#include <QLocale>

#include <cmath>

namespace kerubara {
namespace {

bool isText(const QVariant &value)
{
    return value.typeId() == QMetaType::QString;
}

// Nothing and the empty text are the same blank value.
bool isEmptyText(const QVariant &value)
{
    return !value.isValid() || (isText(value) && value.toString().isEmpty());
}

bool isIntegerType(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return false;
    default:
        return true;
    }
}

// `digits` (no sign) padded with leading zeros to `width`, with the sign in front.
QString padded(bool negative, QString digits, int width)
{
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), u'0'));
    const bool zero = digits.count(u'0') == digits.size();
    return negative && !zero ? u'-' + digits : digits;
}

// A number written with at least `width` digits: rounded to a whole number
// (halves away from zero), leading zeros added.
QString zeroFilled(const QVariant &number, int width)
{
    if (isIntegerType(number)) {
        const qlonglong n = number.toLongLong();
        const QString digits = QString::number(n).remove(u'-');
        return padded(n < 0, digits, width);
    }
    const double rounded = std::round(number.toDouble());
    return padded(rounded < 0, QString::number(std::fabs(rounded), 'f', 0), width);
}

} // namespace

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isNumberEqualTo(const QVariant &value, double number)
{
    // Exact on purpose: only the numbers 0 and -1 are compared, and a text
    // never counts as a number here.
    return isNumber(value) && value.toDouble() == number;
}

QString valueText(const QVariant &value)
{
    if (!value.isValid())
        return {};
    if (isNumber(value) && !isIntegerType(value)) {
        // Up to 15 significant digits, exponent written as 1E+20.
        return QString::number(value.toDouble(), 'g', 15).replace(u'e', u'E');
    }
    return value.toString();
}

bool readsAsNumber(const QString &text, double *number)
{
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(d))
        return false;
    if (number)
        *number = d;
    return true;
}

QVariant applyZeroMode(const QVariant &value, std::int16_t zeroMode)
{
    const QVariant blank = QString();
    const QVariant zero = 0;
    switch (zeroMode) {
    case 0:
        return isNumberEqualTo(value, 0) || isEmptyText(value) ? blank : value;
    case 1:
        return isNumberEqualTo(value, 0) || isEmptyText(value) ? zero : value;
    case 2:
        if (isNumberEqualTo(value, -1))
            return zero;
        return isNumberEqualTo(value, 0) ? blank : value;
    case 3:
        return isNumberEqualTo(value, -1) || isNumberEqualTo(value, 0) || isEmptyText(value) ? zero
                                                                                              : value;
    default:
        return value;
    }
}

QString formatDegitValue(const QVariant &value, const DegitFormat &format)
{
    const QVariant v = applyZeroMode(value, format.zeroMode);
    QString text;
    double parsed = 0;
    if (format.fillZero > 0 && isNumber(v))
        text = zeroFilled(v, format.fillZero);
    else if (format.fillZero > 0 && isText(v) && readsAsNumber(v.toString(), &parsed))
        text = zeroFilled(parsed, format.fillZero);
    else
        text = valueText(v);
    if (format.shift >= 1)
        text += QString(format.shift, u' ');
    return text;
}

QString lastCharacters(const QString &text, int keta)
{
    return keta <= 0 ? QString() : text.right(keta);
}

} // namespace kerubara
