// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Scripted answers for the resource dialogs, recording what was asked.

#include "reslib/ResDialogs.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace testing {

class FakeDialogs : public kerubara::ResDialogs
{
public:
    // Answers; an empty optional means "cancelled".
    std::optional<std::array<std::int16_t, 3>> digitFormat; // zeroMode, shift, fillZero
    std::optional<kerubara::SystemTime> date;
    QString file;
    QString folder;
    std::optional<kerubara::OleColor> color;
    // Runs while the digit-format dialog is "open".
    std::function<void()> whileDigitFormatOpen;

    // What was asked.
    int calls = 0;
    QString lastTitle;
    QList<kerubara::FileFilter> lastFilter;
    QString lastText;
    std::int16_t lastKeta = 0;
    std::optional<kerubara::OleColor> lastInitialColor; // the colour the colour dialog opened on

    std::int32_t dlg100(QWidget *, std::int16_t keta, std::int16_t &zeroMode, std::int16_t &shift,
                        std::int16_t &fillZero) override
    {
        ++calls;
        lastKeta = keta;
        if (whileDigitFormatOpen)
            whileDigitFormatOpen();
        if (!digitFormat)
            return 0;
        zeroMode = (*digitFormat)[0];
        shift = (*digitFormat)[1];
        fillZero = (*digitFormat)[2];
        return 1;
    }
    void dlg110(QWidget *, std::int32_t, const QString &text) override
    {
        ++calls;
        lastText = text;
    }
    std::int32_t dlg111(QWidget *, kerubara::SystemTime &d) override
    {
        ++calls;
        if (!date)
            return 0;
        d = *date;
        return 1;
    }
    QString fileDlg(QWidget *, std::int32_t, const QList<kerubara::FileFilter> &filter, const QString &,
                    const QString &title) override
    {
        ++calls;
        lastTitle = title;
        lastFilter = filter;
        return file;
    }
    QString folderDlg(QWidget *, const QString &title) override
    {
        ++calls;
        lastTitle = title;
        return folder;
    }
    std::int32_t chooseColor(QWidget *, kerubara::OleColor &c, kerubara::CustomColors &) override
    {
        ++calls;
        lastInitialColor = c;
        if (!color)
            return 0;
        c = *color;
        return 1;
    }
};

} // namespace testing
