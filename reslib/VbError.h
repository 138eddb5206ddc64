// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>
#include <string>

namespace kerubara {

// A run-time error as the program reports it to the user: a number and a
// Japanese description. It is thrown where an operation fails and caught by
// the handler that shows the message (route setting, the settings file, the
// backlight, ...), which decides by number what to say.
class VbError : public std::exception
{
public:
    // Well-known numbers, named where the code tests for them.
    enum : int {
        InvalidCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        InternalError = 51,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        DeviceIo = 57,
        InputPastEnd = 62,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        PathFileAccess = 75,
        PathNotFound = 76,
        InvalidPropertyValue = 380,
        InvalidPicture = 481,
    };

    // An error with the standard description of its number.
    explicit VbError(int number);
    // An error with a description of its own.
    VbError(int number, QString description);

    int number() const noexcept { return number_; }
    const QString &description() const noexcept { return description_; }
    const char *what() const noexcept override { return what_.c_str(); }

    // The standard description of an error number, untranslated (Japanese,
    // the source language); for a number without one,
    // "アプリケーション定義またはオブジェクト定義のエラーです。". The windows
    // translate standardText() in the context "VbError" where they show it.
    static QString standardDescription(int number);
    static const char *standardText(int number);

private:
    int number_;
    QString description_;
    std::string what_;
};

} // namespace kerubara
