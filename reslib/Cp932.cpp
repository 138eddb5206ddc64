// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/Cp932.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <mutex>
#include <vector>

namespace kerubara::cp932 {
namespace {

constexpr char16_t kNone = 0xFFFF;      // no character for this code
constexpr std::uint16_t kNoCode = 0xFFFF; // no code for this character

// One conversion descriptor for the time a table is being built.
class IconvHandle
{
public:
    IconvHandle(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (valid())
            iconv_close(cd_);
    }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in` completely; returns the number of output bytes, or -1.
    int convert(const char *in, std::size_t inLen, char *out, std::size_t outCap)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        char *inPtr = const_cast<char *>(in);
        char *outPtr = out;
        std::size_t inLeft = inLen;
        std::size_t outLeft = outCap;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return -1;
        if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return -1;
        return inLeft == 0 ? static_cast<int>(outCap - outLeft) : -1;
    }

private:
    iconv_t cd_;
};

// Index of a lead byte in the double-byte table: 0x81..0x9F then 0xE0..0xFC.
constexpr int leadIndex(std::uint8_t lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}
constexpr int kLeadCount = 31 + 29;

struct DecodeTable
{
    std::array<char16_t, 256> single{};
    std::vector<char16_t> dbcs = std::vector<char16_t>(kLeadCount * 256, kNone);

    char16_t pair(std::uint8_t lead, std::uint8_t trail) const
    {
        return dbcs[static_cast<std::size_t>(leadIndex(lead) * 256 + trail)];
    }
};

char16_t decodeOne(IconvHandle &cd, const char *bytes, std::size_t len)
{
    char out[8];
    const int n = cd.convert(bytes, len, out, sizeof out);
    if (n != 2)
        return kNone; // unmapped, or more than one UTF-16 unit
    return static_cast<char16_t>(static_cast<std::uint8_t>(out[0])
                                 | (static_cast<std::uint8_t>(out[1]) << 8));
}

DecodeTable buildDecodeTable()
{
    DecodeTable t;
    t.single.fill(kNone);
    IconvHandle cd("UTF-16LE", "CP932");
    if (!cd.valid())
        return t;
    for (int b = 0; b < 256; ++b) {
        if (isLeadByte(static_cast<std::uint8_t>(b)))
            continue;
        const char c = static_cast<char>(b);
        t.single[static_cast<std::size_t>(b)] = decodeOne(cd, &c, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<std::uint8_t>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            t.dbcs[static_cast<std::size_t>(leadIndex(static_cast<std::uint8_t>(lead)) * 256 + trail)] =
                decodeOne(cd, pair, 2);
        }
    }
    return t;
}

const DecodeTable &decodeTable()
{
    static const DecodeTable table = buildDecodeTable();
    return table;
}

// The encode direction covers the whole Basic Multilingual Plane; it is built
// one block of 256 code points at a time, when a character of the block is
// first encoded, because most programs only ever touch a few blocks.
class EncodeTable
{
public:
    std::uint16_t code(char16_t ch)
    {
        const std::size_t block = ch >> 8;
        std::call_once(once_[block], [this, block] { buildBlock(block); });
        return (*blocks_[block])[ch & 0xFF];
    }

private:
    using Block = std::array<std::uint16_t, 256>;

    void buildBlock(std::size_t block)
    {
        auto b = std::make_unique<Block>();
        b->fill(kNoCode);
        const bool surrogates = block >= 0xD8 && block <= 0xDF;
        IconvHandle cd("CP932", "UTF-16LE");
        if (!surrogates && cd.valid()) {
            for (std::size_t low = 0; low < 256; ++low) {
                const auto u = static_cast<char16_t>((block << 8) | low);
                const char in[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
                char out[8];
                const int n = cd.convert(in, 2, out, sizeof out);
                if (n == 1)
                    (*b)[low] = static_cast<std::uint8_t>(out[0]);
                else if (n == 2)
                    (*b)[low] = static_cast<std::uint16_t>((static_cast<std::uint8_t>(out[0]) << 8)
                                                           | static_cast<std::uint8_t>(out[1]));
            }
        }
        blocks_[block] = std::move(b);
    }

    std::array<std::once_flag, 256> once_;
    std::array<std::unique_ptr<Block>, 256> blocks_;
};

EncodeTable &encodeTable()
{
    static EncodeTable table;
    return table;
}

bool isTrailByte(std::uint8_t b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

} // namespace

// Walks the bytes unit by unit; `onChar` receives each character, `onLost` the
// offset of each unit that yields none (returning false stops the walk).
template<typename OnChar, typename OnLost>
void walk(QByteArrayView bytes, OnChar onChar, OnLost onLost)
{
    const DecodeTable &t = decodeTable();
    const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const std::uint8_t b = p[i];
        char16_t ch = kNone;
        qsizetype len = 1;
        if (isLeadByte(b)) {
            // A lead byte without a valid trail byte is a unit of its own.
            if (i + 1 < n && isTrailByte(p[i + 1])) {
                ch = t.pair(b, p[i + 1]);
                len = 2;
            }
        } else {
            ch = t.single[b];
        }
        if (ch != kNone)
            onChar(ch);
        else if (!onLost(i))
            return;
        i += len;
    }
}

QString decode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    walk(bytes, [&](char16_t ch) { out.append(QChar(ch)); }, [](qsizetype) { return true; });
    return out;
}

qsizetype firstUndecodable(QByteArrayView bytes)
{
    qsizetype at = -1;
    walk(bytes, [](char16_t) {}, [&](qsizetype i) { at = i; return false; });
    return at;
}

QByteArray encode(QStringView text, qsizetype *unencodable)
{
    EncodeTable &t = encodeTable();
    QByteArray out;
    out.reserve(text.size() * 2);
    if (unencodable)
        *unencodable = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::uint16_t code = t.code(text[i].unicode());
        if (code == kNoCode) {
            if (unencodable && *unencodable < 0)
                *unencodable = i;
            continue;
        }
        if (code > 0xFF)
            out.append(static_cast<char>(code >> 8));
        out.append(static_cast<char>(code & 0xFF));
    }
    return out;
}

qsizetype firstUnencodable(QStringView text)
{
    EncodeTable &t = encodeTable();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (t.code(text[i].unicode()) == kNoCode)
            return i;
    }
    return -1;
}

bool canEncode(QStringView text)
{
    return firstUnencodable(text) < 0;
}

bool roundTrips(QByteArrayView bytes)
{
    const QString text = decode(bytes);
    qsizetype bad = -1;
    const QByteArray back = encode(text, &bad);
    return bad < 0 && back == bytes;
}

} // namespace kerubara::cp932

std::int32_t LenB_ASCII(QStringView text)
{
    return static_cast<std::int32_t>(kerubara::cp932::encode(text).size());
}

QString MidB_ASCII(QStringView text, std::int32_t start, std::int32_t length)
{
    if (start < 1 || length <= 0)
        return {};
    const QByteArray bytes = kerubara::cp932::encode(text);
    if (start > bytes.size())
        return {};
    const qsizetype from = start - 1;
    const qsizetype count = std::min<qsizetype>(length, bytes.size() - from);
    return kerubara::cp932::decode(QByteArrayView(bytes).sliced(from, count));
}
