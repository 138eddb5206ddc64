// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

namespace kerubara {

// Reads comma-separated fields the way sequential text input has always
// read them from a data file:
// - spaces and tabs before a field are skipped;
// - a field in double quotes ends at the closing quote (it may hold commas
//   and line breaks; the quotes are removed) and anything after the closing
//   quote up to the next comma or line end is ignored;
// - any other field ends at a comma or a line end (CR LF, CR or LF), and its
//   trailing spaces and tabs are dropped;
// - a line end ends a field just as a comma does, so a line with fewer
//   fields than a record needs takes the rest from the next line, and an
//   empty line reads as one empty field;
// - reading at the end of the data is the error "Input past end of file"
//   (VbError 62).
// Bytes are not decoded: Shift-JIS text passes through unchanged, and since
// no Shift-JIS trail byte is a comma, quote, space or line end, the fields
// fall at the right places.
class SequentialInput
{
public:
    explicit SequentialInput(QByteArray data) : data_(std::move(data)) {}

    // True when every byte has been read.
    bool atEnd() const { return pos_ >= data_.size(); }
    // True when nothing but spaces, tabs and line ends is left.
    bool onlyBlankLeft() const;
    // True when reading stands at the start of a line that holds nothing but
    // spaces and tabs: the next field read is that blank line, empty.
    bool atBlankLine() const;
    // The 1-based line where reading goes on.
    int line() const { return line_; }

    // One field as text.
    QByteArray readField();
    // One field as a 16-bit integer (see integerField).
    std::int16_t readInteger();

private:
    void skipLineEnd();
    void skipToDelimiter();

    QByteArray data_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The number of lines as reading the data line by line counts them: every
// line end (CR LF, CR or LF) ends one, and text after the last line end is one
// more. Empty data has no lines.
int countLines(QByteArrayView data);

// The number a text starts with, as the integer field reading sees it, or
// nothing when it does not start with one.
std::optional<double> leadingNumber(QByteArrayView text);

// A field read as a 16-bit integer: its leading number (sign, digits,
// decimal point, exponent) rounded half to even. A field that does not start
// with a number reads as 0; a number outside -32768..32767 is the error
// "Overflow" (VbError 6).
std::int16_t integerField(QByteArrayView field);

// The data without a trailing end-of-file mark: old editors end a text file
// with Ctrl-Z (0x1A), and sequential reading ends there. Only a mark followed
// by nothing but line ends counts; any other data is returned whole. (No
// Shift-JIS trail byte is 0x1A, so the mark cannot be half a character.)
QByteArrayView withoutEndOfFileMark(QByteArrayView data);

} // namespace kerubara
