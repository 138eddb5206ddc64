// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/SequentialInput.h"

#include "reslib/VbError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kerubara {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool SequentialInput::onlyBlankLeft() const
{
    for (qsizetype i = pos_; i < data_.size(); ++i) {
        if (!isBlank(data_[i]) && !isLineEnd(data_[i]))
            return false;
    }
    return true;
}

bool SequentialInput::atBlankLine() const
{
    if (atEnd() || (pos_ > 0 && !isLineEnd(data_[pos_ - 1])))
        return false;
    qsizetype i = pos_;
    while (i < data_.size() && isBlank(data_[i]))
        ++i;
    return i < data_.size() && isLineEnd(data_[i]);
}

void SequentialInput::skipLineEnd()
{
    if (pos_ < data_.size() && data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        ++line_;
    } else if (pos_ < data_.size() && data_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

// Moves past the next comma or line end (or to the end of the data).
void SequentialInput::skipToDelimiter()
{
    while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
        ++pos_;
    if (pos_ < data_.size() && data_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
}

QByteArray SequentialInput::readField()
{
    if (atEnd())
        throw VbError(VbError::InputPastEnd);
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
    QByteArray field;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        ++pos_;
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != '"') {
            // Count the lines a quoted field spans (CR LF is one line end).
            if (data_[pos_] == '\n' || (data_[pos_] == '\r' && (pos_ + 1 >= data_.size() || data_[pos_ + 1] != '\n')))
                ++line_;
            ++pos_;
        }
        field = data_.mid(start, pos_ - start);
        if (pos_ < data_.size())
            ++pos_; // the closing quote
        skipToDelimiter();
        return field;
    }
    const qsizetype start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
        ++pos_;
    qsizetype end = pos_;
    while (end > start && isBlank(data_[end - 1]))
        --end;
    field = data_.mid(start, end - start);
    if (pos_ < data_.size() && data_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}

std::int16_t SequentialInput::readInteger()
{
    return integerField(readField());
}

std::int16_t integerField(QByteArrayView field)
{
    const std::optional<double> value = leadingNumber(field);
    if (!value)
        return 0;
    const double rounded = std::nearbyint(*value); // the default mode rounds half to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        throw VbError(VbError::Overflow);
    return static_cast<std::int16_t>(rounded);
}

int countLines(QByteArrayView data)
{
    int lines = 0;
    qsizetype i = 0;
    while (i < data.size()) {
        while (i < data.size() && !isLineEnd(data[i]))
            ++i;
        ++lines;
        if (i < data.size() && data[i] == '\r') {
            ++i;
            if (i < data.size() && data[i] == '\n')
                ++i;
        } else if (i < data.size() && data[i] == '\n') {
            ++i;
        }
    }
    return lines;
}

std::optional<double> leadingNumber(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // An exponent counts only when digits follow it ("1E3"; "1E" is just 1).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const qsizetype expStart = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > expStart)
            number += exponent;
    }
    // from_chars ignores the locale and takes no leading '+'.
    const char *begin = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(begin, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (number.find("e-") != std::string::npos)
            return 0.0; // too small to tell from zero
        return number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

QByteArrayView withoutEndOfFileMark(QByteArrayView data)
{
    qsizetype end = data.size();
    while (end > 0 && isLineEnd(data[end - 1]))
        --end;
    if (end > 0 && data[end - 1] == '\x1A')
        return data.first(end - 1);
    return data;
}

} // namespace kerubara
