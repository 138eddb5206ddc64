// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/DataIo.h"

#include "formats/SequentialInput.h"
#include "reslib/BoundedRead.h"
#include "reslib/Cp932.h"
#include "reslib/VbError.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace kerubara {
namespace {

// What kind of error a run-time error number is to the reader.
TapeDataError::Kind kindOf(int number)
{
    switch (number) {
    case VbError::InputPastEnd:
        return TapeDataError::Kind::CutOff;
    case VbError::Overflow:
        return TapeDataError::Kind::FlagOutOfRange;
    case VbError::SubscriptOutOfRange:
        return TapeDataError::Kind::TooManyFields;
    default:
        return TapeDataError::Kind::Other;
    }
}

bool hasFullWidthDigit(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'０' && c <= u'９'; });
}

// Reads one flag field. Full-width digits are not digits to the reader: the
// flag quietly reads as 0 (or as the half-width number in front of them),
// so the author is told.
std::int16_t readFlag(SequentialInput &in, TapeDataWarning::Kind fullWidth, std::vector<TapeDataWarning> &warnings)
{
    const int line = in.line();
    const QByteArray field = in.readField();
    const std::int16_t value = integerField(field);
    const QString text = cp932::decode(field);
    if (hasFullWidthDigit(text))
        warnings.push_back({fullWidth, line, {text.trimmed(), QString::number(value)}});
    return value;
}

void warnUndecodable(const QByteArray &text, int line, std::vector<TapeDataWarning> &warnings)
{
    const qsizetype at = cp932::firstUndecodable(text);
    if (at < 0)
        return;
    warnings.push_back({TapeDataWarning::Kind::Undecodable, line,
                        {QString::number(at + 1), QString::fromLatin1(text.mid(at, 1).toHex()).toUpper()}});
}

// The line where the text of a file saved as UTF-8 starts to differ from
// Shift-JIS, or 0 when the file is not UTF-8. Japanese in UTF-8 is made of
// three-byte sequences, and Shift-JIS text of any length is next to never
// valid UTF-8.
int firstUtf8Line(const QByteArray &data)
{
    const bool byteOrderMark = data.startsWith("\xEF\xBB\xBF");
    const qsizetype firstWide = std::find_if(data.cbegin(), data.cend(), [](char c) {
                                    return (static_cast<unsigned char>(c) & 0xF0) == 0xE0;
                                }) - data.cbegin();
    if (!byteOrderMark && firstWide == data.size())
        return 0;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(data);
    Q_UNUSED(decoded);
    if (decoder.hasError())
        return 0;
    return byteOrderMark ? 1 : countLines(QByteArrayView(data).first(firstWide + 1));
}

} // namespace

TapeDataResult readTapeFile(QFileDevice &file)
{
    BoundedRead read = readBounded(file, kMaxTapeFileBytes);
    switch (read.outcome) {
    case BoundedRead::Outcome::Read:
        return readTapeData(read.bytes);
    case BoundedRead::Outcome::TooLarge: {
        TapeDataResult result;
        result.error = TapeDataError{TapeDataError::Kind::TooLarge, 0, VbError::OutOfMemory};
        return result;
    }
    case BoundedRead::Outcome::Failed:
        break;
    }
    TapeDataResult result;
    result.error = TapeDataError{TapeDataError::Kind::ReadFailed, 0, VbError::DeviceIo, 0, file.errorString()};
    return result;
}

TapeDataResult readTapeData(const QByteArray &bytes)
{
    TapeDataResult result;
    const QByteArray data = withoutEndOfFileMark(bytes).toByteArray();
    const int lines = countLines(data);
    result.records.resize(static_cast<std::size_t>(lines));
    const int utf8Line = firstUtf8Line(data);
    if (utf8Line > 0)
        result.warnings.push_back({TapeDataWarning::Kind::Utf8File, utf8Line});
    SequentialInput in(data);
    int count = 0;
    int recordLine = 1; // where the record being read starts
    int fieldLine = 1;  // where the field being read starts
    std::optional<int> blankLine; // the first blank line read as a field
    auto startField = [&] {
        fieldLine = in.line();
        if (!blankLine && in.atBlankLine())
            blankLine = fieldLine;
    };
    try {
        while (!in.atEnd() && !in.onlyBlankLeft()) {
            startField();
            recordLine = fieldLine;
            if (++count > lines)
                throw VbError(VbError::SubscriptOutOfRange);
            TapeRecord &r = result.records[static_cast<std::size_t>(count - 1)];
            const QByteArray text = in.readField();
            if (utf8Line == 0)
                warnUndecodable(text, recordLine, result.warnings);
            r.Text = cp932::decode(text);
            startField();
            r.StepFlag = readFlag(in, TapeDataWarning::Kind::FullWidthStep, result.warnings);
            startField();
            r.SoundFlag = readFlag(in, TapeDataWarning::Kind::FullWidthSound, result.warnings);
        }
    } catch (const VbError &e) {
        // A flag out of range is reported where it stands, anything else
        // where its record starts; a blank line before either is the cause.
        const int line = e.number() == VbError::Overflow ? fieldLine : recordLine;
        result.error = blankLine ? TapeDataError{kindOf(e.number()), *blankLine, e.number(), line}
                                 : TapeDataError{kindOf(e.number()), line, e.number()};
    }
    return result;
}

QString tapeFilePath(const QString &folder, const QString &route)
{
    const QString name = route + QStringLiteral("tp.csv");
    const QString written = folder + name;
    if (QFileInfo(written).isFile())
        return written;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return written;
}

bool isTapeFileName(const QString &path)
{
    return path.endsWith(QStringLiteral("tp.csv"), Qt::CaseInsensitive);
}

} // namespace kerubara
