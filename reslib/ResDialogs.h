// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reslib/OleColor.h"
#include "reslib/Seam.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

class QWidget;

// The resource library's dialogs. Each is a plain function with the inputs and
// results the program relies on; behind them sits one ResDialogs object,
// which is the real Qt dialogs in the program and a scripted answerer in
// tests (ScopedResDialogs).

namespace kerubara {

// The system-time record the date dialog fills (only year, month, day are read).
struct SystemTime
{
    std::int16_t wYear = 0;
    std::int16_t wMonth = 0;
    std::int16_t wDayOfWeek = 0;
    std::int16_t wDay = 0;
    std::int16_t wHour = 0;
    std::int16_t wMinute = 0;
    std::int16_t wSecond = 0;
    std::int16_t wMilliseconds = 0;
};

// One entry of a file dialog's filter: a description and a pattern.
struct FileFilter
{
    QString description; // "Waveサウンド(*.wav)"
    QString pattern;     // "*.wav"
    friend bool operator==(const FileFilter &, const FileFilter &) = default;
};

// The custom colours of the colour dialog: 17 entries, the first 16 used.
using CustomColors = std::array<OleColor, 17>;

class ResDialogs
{
public:
    virtual ~ResDialogs() = default;

    virtual std::int32_t dlg100(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                                std::int16_t &shift, std::int16_t &fillZero) = 0;
    virtual void dlg110(QWidget *owner, std::int32_t kind, const QString &text) = 0;
    virtual std::int32_t dlg111(QWidget *owner, SystemTime &date) = 0;
    virtual QString fileDlg(QWidget *owner, std::int32_t flags, const QList<FileFilter> &filter,
                            const QString &initialName, const QString &title) = 0;
    virtual QString folderDlg(QWidget *owner, const QString &title) = 0;
    virtual std::int32_t chooseColor(QWidget *owner, OleColor &color, CustomColors &custom) = 0;
};

// The dialogs in use: the real ones unless a test has installed its own.
ResDialogs &resDialogs();

// The dialogs a test answers instead of the real ones.
using ResDialogsSeam = Seam<ResDialogs &(), struct ResDialogsTag>;

// While alive, every dialog function goes to `dialogs`.
class ScopedResDialogs : public ResDialogsSeam::Scoped
{
public:
    explicit ScopedResDialogs(ResDialogs &dialogs)
        : ResDialogsSeam::Scoped([&dialogs]() -> ResDialogs & { return dialogs; })
    {
    }
};

} // namespace kerubara

// The digit-format dialog: edits ZeroMode, Shift and FillZero of a digit
// display in place. Returns 1 when accepted, 0 when cancelled (values unchanged).
std::int32_t Call_dlg100(QWidget *owner, std::int16_t keta, std::int16_t &zeroMode,
                         std::int16_t &shift, std::int16_t &fillZero);

// Shows a multi-line text (the version information).
void Call_dlg110(QWidget *owner, std::int32_t kind, const QString &text);

// The date dialog: non-zero when a date was chosen; year, month and day are
// written into `date`.
std::int32_t Call_dlg111(QWidget *owner, kerubara::SystemTime &date);

// The file dialog: the chosen path, or the empty text when cancelled. With
// kFileDlgSave in `flags` it asks where to save (a new name allowed, and a
// file already there confirmed).
inline constexpr std::int32_t kFileDlgSave = 0x2;
QString Zr7FileDlg(QWidget *owner, std::int32_t flags, const QList<kerubara::FileFilter> &filter,
                   const QString &initialName, const QString &title);

// The folder dialog: the chosen folder, or the empty text when cancelled.
QString Zr7FolderDlg(QWidget *owner, const QString &title);

// The colour dialog, opened on `color` with the custom colours: non-zero when
// accepted, and then `color` (and any changed custom colour) is written back.
std::int32_t Zr7ChooseColor(QWidget *owner, kerubara::OleColor &color, kerubara::CustomColors &custom);
