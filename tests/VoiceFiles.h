// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builds a small HTS voice byte by byte: one state, a spectrum stream and a
// pitch stream whose tree asks one question (is the phoneme a?), so tests
// have a voice the engine loads and speaks with even where no voice package
// is installed, and can damage it in every way a file can be damaged.

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace testing {

inline void putU32(QByteArray &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void putFloats(QByteArray &out, std::initializer_list<float> values)
{
    for (const float f : values) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        putU32(out, bits);
    }
}

// The installed voice the program prefers, for tests that speak with it.
inline QString installedVoice()
{
    return QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");
}

// The voice; `question` is the pattern its pitch tree asks about.
inline QByteArray smallVoice(const QByteArray &question = "*-a+*")
{
    QByteArray data;
    QByteArray position;
    auto add = [&](const char *key, const QByteArray &bytes) {
        position += QByteArray(key) + ':' + QByteArray::number(data.size()) + '-'
                    + QByteArray::number(data.size() + bytes.size() - 1) + '\n';
        data += bytes;
    };
    QByteArray durationPdf;
    putU32(durationPdf, 1);
    putFloats(durationPdf, {12.0f, 1.0f}); // 12 frames a phoneme
    add("DURATION_PDF", durationPdf);
    add("DURATION_TREE", "{*}[2]\n\"dur_s2_1\"\n");
    position += "STREAM_WIN[MCP]:" + QByteArray::number(data.size()) + '-' + QByteArray::number(data.size() + 5) + '\n';
    data += "1 1.0\n";
    position += "STREAM_WIN[LF0]:" + QByteArray::number(data.size()) + '-' + QByteArray::number(data.size() + 5) + '\n';
    data += "1 1.0\n";
    QByteArray mcpPdf;
    putU32(mcpPdf, 1);
    putFloats(mcpPdf, {4.0f, 0.2f, 0.01f, 0.01f});
    add("STREAM_PDF[MCP]", mcpPdf);
    QByteArray lf0Pdf;
    putU32(lf0Pdf, 2);
    putFloats(lf0Pdf, {std::log(120.0f), 0.001f, 1.0f, std::log(160.0f), 0.001f, 1.0f});
    add("STREAM_PDF[LF0]", lf0Pdf);
    add("STREAM_TREE[MCP]", "{*}[2]\n\"mcp_s2_1\"\n");
    add("STREAM_TREE[LF0]",
        "QS C-Phone_a { \"" + question + "\" }\n\n{*}[2]\n{\n   0 C-Phone_a  \"lf0_s2_1\"  \"lf0_s2_2\"\n}\n");

    return "[GLOBAL]\n"
           "HTS_VOICE_VERSION:1.0\n"
           "SAMPLING_FREQUENCY:16000\n"
           "FRAME_PERIOD:80\n"
           "NUM_STATES:1\n"
           "NUM_STREAMS:2\n"
           "STREAM_TYPE:MCP,LF0\n"
           "FULLCONTEXT_FORMAT:HTS_TTS_JPN\n"
           "FULLCONTEXT_VERSION:1.0\n"
           "GV_OFF_CONTEXT:\"*-sil+*\"\n"
           "COMMENT:test voice\n"
           "[STREAM]\n"
           "VECTOR_LENGTH[MCP]:2\n"
           "VECTOR_LENGTH[LF0]:1\n"
           "IS_MSD[MCP]:0\n"
           "IS_MSD[LF0]:1\n"
           "NUM_WINDOWS[MCP]:1\n"
           "NUM_WINDOWS[LF0]:1\n"
           "USE_GV[MCP]:0\n"
           "USE_GV[LF0]:0\n"
           "OPTION[MCP]:ALPHA=0.42\n"
           "OPTION[LF0]:\n"
           "[POSITION]\n"
           + position + "[DATA]\n" + data;
}

// The small voice with `from` replaced by `to` (the first time it occurs).
inline QByteArray smallVoiceWith(const QByteArray &from, const QByteArray &to)
{
    QByteArray v = smallVoice();
    const qsizetype at = v.indexOf(from);
    return at < 0 ? v : v.replace(at, from.size(), to);
}

} // namespace testing
