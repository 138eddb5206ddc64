// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>

// Code page 932 (Windows Shift-JIS) conversion.
//
// Every string that goes into or comes out of a file (stop names, settings,
// announcement texts) and every byte-string function passes through here, so
// the whole program agrees on one mapping: the one glibc's iconv calls "CP932"
// (0x8160 is U+FF5E, 0x817C is U+FF0D, the NEC and IBM extensions included).
//
// The tables are built from iconv once per process, on first use, and are
// read-only afterwards, so the functions are safe to call from any thread.
namespace kerubara::cp932 {

// Bytes to text. A unit that does not decode (an unmapped double-byte code, a
// lead byte at the end, a byte that is never a character) yields no character.
QString decode(QByteArrayView bytes);

// Text to bytes. A character that code page 932 cannot hold is left out; when
// `unencodable` is given it receives the index (in UTF-16 units) of the first
// such character, or -1 when everything was encoded.
QByteArray encode(QStringView text, qsizetype *unencodable = nullptr);

// True when every character of the text has a code page 932 form.
bool canEncode(QStringView text);

// Index of the first character without a code page 932 form, or -1.
qsizetype firstUnencodable(QStringView text);

// True when the byte is the first byte of a double-byte character.
constexpr bool isLeadByte(std::uint8_t b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Byte offset (0-based) of the first unit that yields no character, or -1
// when every byte belongs to a character.
qsizetype firstUndecodable(QByteArrayView bytes);

// True when the bytes decode without loss and encode back to the very same
// bytes (false for undecodable units and for the NEC-selected duplicates,
// which iconv writes back in their IBM form).
bool roundTrips(QByteArrayView bytes);

} // namespace kerubara::cp932

// Length in bytes of the code page 932 form of the text.
std::int32_t LenB_ASCII(QStringView text);

// `length` bytes of the code page 932 form of `text`, starting at the 1-based
// byte `start`, converted back to text. At the end of the text the bytes that
// remain are taken; a start past the end, a start below 1 or a length of 0 or
// less gives the empty text. A unit that is not one character (for example a
// trail byte cut off from its lead byte) yields no character.
QString MidB_ASCII(QStringView text, std::int32_t start, std::int32_t length);
