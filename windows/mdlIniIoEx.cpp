// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/mdlIniIoEx.h"

#include "reslib/BoundedRead.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/MsgBox.h"
#include "reslib/VbError.h"
#include "settings/SettingsFile.h"
#include "windows/Form1.h"
#include "windows/Simulator.h"
#include "windows/UnitMessages.h"
#include "windows/frmCtl.h"

#include <QCoreApplication>
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
    if (openRegularFile(file) != FileOpening::Opened) // a folder, a device or a pipe too
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
            showIniError(e.number(), vbErrorText(e));
    } catch (const std::bad_alloc &) {
        showIniError(VbError::OutOfMemory, vbErrorDescription(VbError::OutOfMemory));
    } catch (const std::exception &e) {
        showIniError(VbError::InternalError, vbErrorDescription(VbError::InternalError)
                                                 + QStringLiteral("（%1）").arg(QString::fromLocal8Bit(e.what())));
    }
}

// The fare and clock digits take the digit colours, the fare digits their own
// formats, and the fare digits go blank.
void applyDigits(Simulator &sim)
{
    Form1 &panel = sim.form1();
    const DegitDataRecord &colours = sim.ini.DegitData;
    panel.setDigitColours(colours.Command8[0], colours.Command8[1], colours.Command8[2]);
    for (std::size_t i = 1; i <= settingsfile::kDigitRecords; ++i) {
        const DegitUserRecord &format = sim.ini.DegitUser[i];
        const int cell = static_cast<int>(i);
        panel.setFareDigitFormat(cell, {format.ZeroMode, format.Shift, format.FillZero});
        panel.showInfoText(cell, QStringLiteral(" "));
    }
}

void applyStopName(Simulator &sim)
{
    const ChimeiDataRecord &c = sim.ini.ChimeiData;
    Form1 &panel = sim.form1();
    panel.setStripColours(c.Command9[0], c.Command9[1]);
    panel.setStripPrefix(c.Combo6, c.Command9[2], c.Check5 != 0, c.Combo5);
}

void collectDigitFormats(Simulator &sim)
{
    const Form1 &panel = sim.form1();
    sim.ini.DegitUser = {};
    for (std::size_t i = 1; i <= settingsfile::kDigitRecords; ++i) {
        const FareDigitFormat format = panel.fareDigitFormat(static_cast<int>(i));
        DegitUserRecord &record = sim.ini.DegitUser[i];
        record.ZeroMode = format.zeroMode;
        record.Shift = format.shift;
        record.FillZero = format.fillZero;
    }
}

// Everything the windows hold now, into the records.
void collectAll(Simulator &sim)
{
    collectDigitFormats(sim);
    sim.ctl().GetCtrlDataInfo();
    sim.form1().GetFormInfo(sim.ini.FormPos);
}

// Copies the fields `keep` names from `current` into `loaded`.
void keepFields(SettingsRecords &loaded, SettingsRecords current, const std::vector<qsizetype> &keep)
{
    const std::vector<settingsfile::Field> to = settingsfile::fields(loaded);
    const std::vector<settingsfile::Field> from = settingsfile::fields(current);
    for (const qsizetype i : keep) {
        const auto index = static_cast<std::size_t>(i);
        std::visit(
            [&](auto *target) {
                using T = std::remove_pointer_t<decltype(target)>;
                *target = *std::get<T *>(from[index].value);
            },
            to[index].value);
    }
}

// What the file cannot give the windows: every field from where a short or
// damaged file ends, and the values a list or a slider cannot take.
struct Unread
{
    std::vector<qsizetype> fields;
    QStringList reasons; // one line each, naming the field
};

Unread unreadFields(settingsfile::ReadResult &read)
{
    Unread unread;
    const std::vector<settingsfile::Field> all = settingsfile::fields(read.records);
    const qsizetype readCount = settingsfile::fieldsRead(read);
    for (const settingsfile::BadValue &bad : settingsfile::badValues(read.records, readCount)) {
        const QString &name = all[static_cast<std::size_t>(bad.field)].name;
        unread.fields.push_back(bad.field);
        const char *text = bad.list ? QT_TRANSLATE_NOOP("SettingsFileMessages", "%1: 値 %2 はリストの範囲（%3～%4）の外です。")
                                    : QT_TRANSLATE_NOOP("SettingsFileMessages", "%1: 値 %2 はスクロールバーの範囲（%3～%4）の外です。");
        unread.reasons << QCoreApplication::translate("SettingsFileMessages", text)
                              .arg(name, QString::number(bad.value), QString::number(bad.minimum),
                                   QString::number(bad.maximum));
    }
    if (read.damage != settingsfile::Damage::None) {
        const QString &first = all[static_cast<std::size_t>(read.firstMissing)].name;
        for (qsizetype i = readCount; i < static_cast<qsizetype>(all.size()); ++i)
            unread.fields.push_back(i);
        unread.reasons << (read.damage == settingsfile::Damage::ShortFile
                               ? QCoreApplication::translate("SettingsFileMessages",
                                                             "%1 から後のすべて: %1 の位置（先頭から %2 バイト）"
                                                             "でファイルが終わっています。")
                                     .arg(first, QString::number(read.missingAt))
                               : QCoreApplication::translate("SettingsFileMessages",
                                                             "%1 から後のすべて: %1 の位置（先頭から %2 バイト）"
                                                             "の文字列の長さ %3 が正しくありません（ファイルが壊れています）。")
                                     .arg(first, QString::number(read.missingAt), QString::number(read.badCount)));
    }
    return unread;
}

// One message for everything the file could not give; what becomes of the
// file as the run that only reads it (a render, or another program holding
// it) or saves it at its exit.
void reportUnread(const SettingsFilePaths &file, const Unread &unread)
{
    if (unread.reasons.isEmpty())
        return;
    const char *text = file.saves ? QT_TRANSLATE_NOOP("SettingsFileMessages",
                                                      "設定ファイル「%1」の次の設定は読み込めなかったため、"
                                                      "起動時の値のままにしました。\n\n%2\n\nほかの設定は読み込みました。"
                                                      "終了時に保存すると、これらの設定は今の値で書き直されます。")
                                  : QT_TRANSLATE_NOOP("SettingsFileMessages",
                                                      "設定ファイル「%1」の次の設定は読み込めなかったため、"
                                                      "起動時の値のままにしました。\n\n%2\n\nほかの設定は読み込みました。"
                                                      "ファイルは読むだけで、書き換えません。");
    MsgBox(QCoreApplication::translate("SettingsFileMessages", text)
               .arg(QDir::toNativeSeparators(file.read), unread.reasons.join(u'\n')),
           vbExclamation, QCoreApplication::translate("SettingsFileMessages", "設定ファイル"));
}

} // namespace

void LoadIniInfo(Simulator &sim)
{
    if (!sim.settingsFile())
        return;
    trapped(
        [&sim] {
            const QString path = sim.settingsFile()->read;
            const QByteArray bytes = readFileBytes(path);
            // What a short or damaged file does not hold, and a value a list or
            // a slider cannot take, keep what the windows hold now; the rest
            // is restored, and the user hears of it once.
            settingsfile::ReadResult read = settingsfile::read(bytes);
            const Unread unread = unreadFields(read);
            if (!unread.fields.empty()) {
                collectAll(sim);
                keepFields(read.records, sim.ini, unread.fields);
            }
            sim.settings().replaceRecords(read.records);
            applyDigits(sim);
            applyStopName(sim);
            sim.applyTicketPlugin();
            sim.ctl().SetCtrlDataInfo();
            sim.form1().SetFormInfo(sim.ini.FormPos);
            sim.applyPanelSettings();
            reportUnread(*sim.settingsFile(), unread);
        },
        true);
}

void SaveIniInfo(Simulator &sim)
{
    if (!sim.settingsFile() || !sim.settingsFile()->saves)
        return;
    trapped(
        [&sim] {
            collectAll(sim);
            sim.ini.DegitCount = settingsfile::kDigitRecords;
            writeFileBytes(sim.settingsFile()->write, settingsfile::bytes(sim.ini));
        },
        false);
}

} // namespace kerubara
