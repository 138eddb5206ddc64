// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/mdlIniIoEx.h"

#include "app/Form1.h"
#include "app/Simulator.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "operation/frmCtl.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/MsgBox.h"
#include "reslib/VbError.h"
#include "settings/SettingsFile.h"
#include "settings/frmOption.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

namespace kerubara {
namespace {

// The whole file, or the error a program would get opening and reading it.
QByteArray readFileBytes(const QString &path)
{
    if (path.isEmpty())
        throw VbError(VbError::BadFileNameOrNumber);
    const QFileInfo info(path);
    if (!info.exists())
        throw VbError(VbError::FileNotFound);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw VbError(VbError::PathFileAccess);
    // Nothing after the longest possible block 11 is ever read.
    const QByteArray bytes = file.read(settingsfile::maxFileBytes());
    if (file.error() != QFileDevice::NoError)
        throw VbError(VbError::DeviceIo);
    return bytes;
}

// Writes the file aside and moves it into place only when it is complete.
void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        throw VbError(VbError::BadFileNameOrNumber);
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw VbError(VbError::PathNotFound);
    QSaveFile file(path);
    if (info.isDir() || !file.open(QIODevice::WriteOnly))
        throw VbError(VbError::PathFileAccess);
    // commit() would pass over a failure of its own final flush and put a
    // short file in place, so the flush comes first.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw VbError(VbError::DeviceIo);
}

// The settings file's error box: OK only, no title.
void showIniError(int number, const QString &description)
{
    MsgBox(errorBoxText(number, description));
}

// Runs the steps of a settings routine; an error ends them and is reported
// as the settings file reports errors. `silent` numbers end them quietly.
template<typename Steps>
void trapped(Steps steps, bool silentWhenMissing)
{
    try {
        steps();
    } catch (const VbError &e) {
        const bool missing = e.number() == VbError::FileNotFound || e.number() == VbError::BadFileNameOrNumber;
        if (!(silentWhenMissing && missing))
            showIniError(e.number(), e.description());
    } catch (const std::bad_alloc &) {
        showIniError(VbError::OutOfMemory, VbError::standardDescription(VbError::OutOfMemory));
    } catch (const std::exception &e) {
        showIniError(VbError::InternalError, VbError::standardDescription(VbError::InternalError)
                                                 + QStringLiteral("（%1）").arg(QString::fromLocal8Bit(e.what())));
    }
}

// The fare and clock digits take the digit colours, the fare digits their own
// formats, and the fare digits go blank.
void applyDigits(Simulator &sim)
{
    Form1 &panel = sim.form1();
    const DegitDataRecord &colours = sim.ini.DegitData;
    auto paint = [&colours](M_Degit *digit) {
        digit->setBackColor(colours.Command8[0]);
        digit->setBaseForeColor(colours.Command8[1]);
        digit->setDegitForeColor(colours.Command8[2]);
    };
    for (std::size_t i = 1; i <= settingsfile::kDigitRecords; ++i) {
        M_Degit *digit = panel.Degit[i];
        const DegitUserRecord &format = sim.ini.DegitUser[i];
        digit->setZeroMode(format.ZeroMode);
        digit->setShift(format.Shift);
        digit->setFillZero(format.FillZero);
        paint(digit);
        digit->setValue(QStringLiteral(" "));
    }
    for (M_Degit *digit : panel.TimeDegit)
        paint(digit);
}

void applyStopName(Simulator &sim)
{
    const ChimeiDataRecord &c = sim.ini.ChimeiData;
    ChimeiCtl_DX *strip = sim.form1().ChimeiCtl;
    strip->setBackColor(c.Command9[0]);
    strip->setForeColor(c.Command9[1]);
    strip->setTsugiwaMode(c.Combo6);
    strip->setTsugiwaColor(c.Command9[2]);
    strip->setTsugiwaBold(c.Check5 != 0);
    strip->setTsugiwaFontMode(c.Combo5);
}

void collectDigitFormats(Simulator &sim)
{
    const Form1 &panel = sim.form1();
    sim.ini.DegitUser = {};
    for (std::size_t i = 1; i <= settingsfile::kDigitRecords; ++i) {
        const M_Degit *digit = panel.Degit[i];
        DegitUserRecord &format = sim.ini.DegitUser[i];
        format.ZeroMode = digit->ZeroMode();
        format.Shift = digit->Shift();
        format.FillZero = digit->FillZero();
    }
}

} // namespace

void LoadIniInfo(Simulator &sim)
{
    if (!sim.settingsFile())
        return;
    trapped(
        [&sim] {
            const QByteArray bytes = readFileBytes(sim.settingsFile()->read);
            // A short or damaged file reads as far as it goes; the rest is
            // 0 or empty.
            sim.ini = settingsfile::read(bytes).records;
            applyDigits(sim);
            applyStopName(sim);
            sim.option().SetOptionInfo();
            sim.ctl().SetCtrlDataInfo();
            sim.form1().SetFormInfo(sim.ini.FormPos);
            sim.option().SetProp();
        },
        true);
}

void SaveIniInfo(Simulator &sim)
{
    if (!sim.settingsFile())
        return;
    trapped(
        [&sim] {
            collectDigitFormats(sim);
            sim.option().GetOptionInfo();
            sim.ctl().GetCtrlDataInfo();
            sim.form1().GetFormInfo(sim.ini.FormPos);
            sim.ini.DegitCount = settingsfile::kDigitRecords;
            writeFileBytes(sim.settingsFile()->write, settingsfile::bytes(sim.ini));
        },
        false);
}

} // namespace kerubara
