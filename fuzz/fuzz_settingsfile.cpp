// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files (.in4) as the program and the data tool read them.
//
// The layout: whatever the bytes, reading gives records that write back as a
// complete file, and a complete file writes back byte for byte; the tool's
// text form of the records reads back to the same bytes. The program: the
// whole simulator reads the file into its windows (a damaged file is read as
// far as it goes or refused with the settings message, never a crash), then
// saves a complete file that it reads back without complaint.

#include "FuzzSupport.h"

#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "settings/SettingsFile.h"
#include "sound/AudioOutput.h"
#include "sound/SpeechEngine.h"
#include "tools/SettingsCommands.h"
#include "windows/Simulator.h"
#include "windows/mdlIniIoEx.h"

#include <QApplication>
#include <QFile>

using namespace kerubara;

namespace {

// Answers every box and keeps the error boxes.
struct Program
{
    QStringList errorBoxes;
    ScopedMsgBoxHandler boxes{[this](const MsgBoxCall &call) {
        if (call.prompt.startsWith(QStringLiteral("エラー Code:")))
            errorBoxes << call.prompt;
        return vbOK;
    }};
    ScopedSleepHandler noSleep{[](int) {}};
    ScopedAudioOutput audio{[] { return std::make_unique<NullAudioOutput>(); }};
    ScopedSpeechEngine speech{[](SoundSystem &) { return std::unique_ptr<SpeechEngine>(); }};
    ScopedEndProgramHandler end{[] {}};
    std::unique_ptr<Simulator> sim;
};

std::unique_ptr<fuzz::ScratchFolder> scratch;
std::unique_ptr<Program> program;

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool textsRoundTrip(SettingsRecords records)
{
    for (const settingsfile::Field &field : settingsfile::fields(records)) {
        if (auto *const *text = std::get_if<QByteArray *>(&field.value); text && !cp932::roundTrips(**text))
            return false;
    }
    return true;
}

void checkLayout(const QByteArray &bytes)
{
    const settingsfile::ReadResult read = settingsfile::read(bytes);
    const QByteArray written = settingsfile::bytes(read.records);
    const settingsfile::ReadResult again = settingsfile::read(written);
    FUZZ_CHECK(again.damage == settingsfile::Damage::None && again.trailingBytes == 0);
    FUZZ_CHECK(settingsfile::bytes(again.records) == written);
    if (read.damage == settingsfile::Damage::None)
        FUZZ_CHECK(written == bytes.left(bytes.size() - read.trailingBytes));
    else
        FUZZ_CHECK(read.missingAt >= 0 && read.missingAt <= bytes.size());

    // dump followed by in4 gives back the same bytes.
    const datatool::SettingsTextRead text = datatool::settingsFromText(datatool::settingsText(read.records).toUtf8());
    if (textsRoundTrip(read.records)) {
        FUZZ_CHECK(text.problems.isEmpty());
        FUZZ_CHECK(settingsfile::bytes(text.records) == written);
    }
    const QStringList problems = datatool::settingsFileProblems(bytes);
    FUZZ_CHECK(read.damage == settingsfile::Damage::None || !problems.isEmpty());
}

void checkProgram(const QByteArray &bytes)
{
    Simulator &sim = *program->sim;
    const QString path = sim.settingsFile()->read;
    scratch->put(QFileInfo(path).fileName(), bytes);
    program->errorBoxes.clear();
    LoadIniInfo(sim);
    QCoreApplication::processEvents();

    // The confirmed exit's save: a complete file, read back without a box.
    program->errorBoxes.clear();
    SaveIniInfo(sim);
    FUZZ_CHECK(program->errorBoxes.isEmpty());
    const settingsfile::ReadResult saved = settingsfile::read(contents(path));
    FUZZ_CHECK(saved.damage == settingsfile::Damage::None && saved.trailingBytes == 0);
    LoadIniInfo(sim);
    if (!program->errorBoxes.isEmpty())
        std::fprintf(stderr, "reading the saved file: %s\n", qPrintable(program->errorBoxes.front()));
    FUZZ_CHECK(program->errorBoxes.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fuzz::application<QApplication>(argc, argv);
    installFontSubstitutions();
    scratch = std::make_unique<fuzz::ScratchFolder>();
    program = std::make_unique<Program>();
    program->sim = std::make_unique<Simulator>(settingsFilePaths(scratch->file(QStringLiteral("kerubara.in4"))));
    program->sim->start();
    // Torn down at exit while the Qt globals they use are still there,
    // which the destructors of this file's globals run too late for.
    std::atexit([] {
        program.reset();
        scratch.reset();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    checkLayout(bytes);
    checkProgram(bytes);
    return 0;
}
