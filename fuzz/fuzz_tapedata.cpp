// SPDX-License-Identifier: GPL-3.0-or-later
// Broadcast data files (*tp.csv) as the announcement tape and the data tool
// read them.
//
// The table has one entry per line or the file is refused with a line inside
// it; the tape loads all of it or nothing and steps over it without leaving
// its ends; the tool's dump is CSV that reads back to the same announcements.

#include "FuzzSupport.h"

#include "formats/Csv.h"
#include "formats/DataIo.h"
#include "formats/SequentialInput.h"
#include "sound/SoundSystem.h"
#include "sound/TapeHost.h"
#include "sound/mdlM_Tape.h"
#include "tools/TapeCommands.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace kerubara;

namespace {

struct QuietHost : TapeHost
{
    QString selectSound(int) const override { return {}; }
    bool alwaysPreBroadcastSound() const override { return false; }
    bool preBroadcastSoundSync() const override { return false; }
    void setTapeFrameCaption(const QString &) override {}
    void setTapeFrameEnabled(bool) override {}
    void setTapeButtonsEnabled(bool) override {}
    QWidget *dialogOwner() const override { return nullptr; }
};

// Remembers the last text it was given, as a speech engine that says nothing.
struct SilentEngine : SpeechEngine
{
    QString *last;
    explicit SilentEngine(QString *said) : last(said) {}
    void VoiceStop() override {}
    void VoiceSpeak(const QString &text) override { *last = text; }
    std::int32_t VoiceStatus() override { return 0; }
};

struct Tape
{
    QuietHost host;
    QString said;
    SoundSystem sound{std::make_unique<NullAudioOutput>(), QStringLiteral("fz")};
    mdlM_Tape tape{sound, host, [this] { return std::make_unique<SilentEngine>(&said); }};
};

std::unique_ptr<fuzz::ScratchFolder> scratch;
std::unique_ptr<Tape> rig;

void checkTable(const QByteArray &bytes, const TapeDataResult &read)
{
    const int lines = countLines(withoutEndOfFileMark(bytes));
    FUZZ_CHECK(static_cast<int>(read.records.size()) == lines);
    if (read.error) {
        FUZZ_CHECK(read.error->line >= 1 && read.error->line <= lines + 1);
        // Where reading failed, when a blank line is named as its cause: a
        // line of the file (the blank line may lie in the failed record).
        FUZZ_CHECK(read.error->failedLine == 0 || (read.error->failedLine >= 1 && read.error->failedLine <= lines + 1));
    }
    for (const TapeDataWarning &w : read.warnings)
        FUZZ_CHECK(w.line >= 1 && w.line <= lines + 1);
}

// Loads the file as route setting does and steps both ways past the ends.
void checkTape(const TapeDataResult &read)
{
    mdlM_Tape &tape = rig->tape;
    tape.LoadTape(scratch->path() + u'/', QStringLiteral("7"));
    const int count = read.error ? 0 : static_cast<int>(read.records.size());
    FUZZ_CHECK(tape.GetTapeCount() == count);
    FUZZ_CHECK(tape.GetTapePos() == 0);
    for (int i = 0; i < 3; ++i) {
        tape.TapeNext();
        FUZZ_CHECK(tape.GetTapePos() >= 0 && tape.GetTapePos() <= count);
    }
    if (count > 0)
        FUZZ_CHECK(rig->said == read.records[static_cast<std::size_t>(tape.GetTapePos() - 1)].Text);
    for (int i = 0; i < 4; ++i) {
        tape.TapeBack();
        FUZZ_CHECK(tape.GetTapePos() >= 0 && tape.GetTapePos() <= std::max(count, 1));
    }
    for (int pos = -1; pos <= count + 1; ++pos) {
        const bool inside = pos >= 1 && pos <= count;
        const TapeRecord none;
        const TapeRecord &r = inside ? read.records[static_cast<std::size_t>(pos - 1)] : none;
        FUZZ_CHECK(tape.GetTapeStepFlag(pos) == r.StepFlag && tape.GetTapeSoundFlag(pos) == r.SoundFlag);
    }
}

// The tool's dump: a header and one CSV row per announcement, read back whole.
void checkDump(const QString &path, const TapeDataResult &read)
{
    QString text;
    QString errors;
    QTextStream out(&text);
    QTextStream err(&errors);
    const int status = datatool::dumpTapeFile(path, out, err);
    out.flush();
    FUZZ_CHECK((status == 0) == !read.error);
    if (status != 0)
        return;
    const csv::ParseResult rows = csv::parse(text.toUtf8());
    FUZZ_CHECK(!rows.error);
    FUZZ_CHECK(rows.rows.size() == read.records.size() + 1);
    for (std::size_t k = 0; k < read.records.size(); ++k) {
        const TapeRecord &r = read.records[k];
        const QStringList expected{r.Text, QString::number(r.StepFlag), QString::number(r.SoundFlag)};
        FUZZ_CHECK(rows.rows[k + 1].fields == expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::application<QCoreApplication>(argc, argv);
    scratch = std::make_unique<fuzz::ScratchFolder>();
    rig = std::make_unique<Tape>();
    rig->tape.InitVoice();
    // Torn down at exit while the Qt globals they use are still there,
    // which the destructors of this file's globals run too late for.
    std::atexit([] {
        rig.reset();
        scratch.reset();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const TapeDataResult read = readTapeData(bytes);
    checkTable(bytes, read);
    const QString path = scratch->put(QStringLiteral("7tp.csv"), bytes);
    checkTape(read);
    checkDump(path, read);
    return 0;
}
