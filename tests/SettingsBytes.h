// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Settings files for tests, set field by field by the names the data tool uses.

#include "reslib/Cp932.h"
#include "settings/SettingsFile.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <stdexcept>
#include <type_traits>
#include <variant>

namespace testing {

// The value a field of the records holds, as a number or as text; nothing
// for a name no field has.
inline QVariant fieldValue(kerubara::SettingsRecords &records, const QString &name)
{
    for (const auto &f : kerubara::settingsfile::fields(records)) {
        if (f.name == name)
            return std::visit(
                [](auto *v) -> QVariant {
                    if constexpr (std::is_same_v<std::remove_pointer_t<decltype(v)>, QByteArray>)
                        return kerubara::cp932::decode(*v);
                    else
                        return QVariant::fromValue(static_cast<qlonglong>(*v));
                },
                f.value);
    }
    return {};
}

class SettingsBuilder
{
public:
    // Every field 0 or empty.
    SettingsBuilder() = default;
    explicit SettingsBuilder(const kerubara::SettingsRecords &records) : records_(records) {}

    // What a program without a settings file saves at its first exit: the
    // options' initial values, the sliders at their lowest, block 10 = 12.
    static SettingsBuilder initial()
    {
        SettingsBuilder b;
        b.set("Check1", 1)
            .set("Command5(0)", 0xFFFFFF)
            .set("Command5(1)", 0xC0FFC0)
            .set("Command5(2)", 0xC0FFC0)
            .set("Option3(0)", -1)
            .set("Option3(7)", -1)
            .set("Option3(3)", -1)
            .set("Option3(4)", -1)
            .set("Command8(0)", 0x808080)
            .set("Command8(1)", 0x969696)
            .set("Command8(2)", 0x72D2F8)
            .set("Command9(0)", 0x808080)
            .set("Command9(1)", 0x00FFFF)
            .set("Command9(2)", 0x00FFFF)
            .set("Combo3", -1)
            .set("Combo6", -1)
            .set("Combo5", -1)
            .set("Option2(0)", -1)
            .set("Option6(1)", -1)
            .set("Option2(2)", -1)
            .set("Option7(0)", -1)
            .set("Option4(0)", -1)
            .set("Label10", QStringLiteral("2024/05/06"))
            .set("CtrlData.nScrollSpeed", 1)
            .set("DegitCount", 12);
        return b;
    }

    SettingsBuilder &set(const char *name, long long value)
    {
        std::visit(
            [value](auto *field) {
                using T = std::remove_pointer_t<decltype(field)>;
                if constexpr (std::is_same_v<T, QByteArray>)
                    throw std::logic_error("a text field");
                else
                    *field = static_cast<T>(value);
            },
            field(name).value);
        return *this;
    }
    SettingsBuilder &set(const char *name, const QString &text) { return setBytes(name, kerubara::cp932::encode(text)); }
    SettingsBuilder &setBytes(const char *name, const QByteArray &bytes)
    {
        *std::get<QByteArray *>(field(name).value) = bytes;
        return *this;
    }

    const kerubara::SettingsRecords &records() const { return records_; }
    QByteArray bytes() const { return kerubara::settingsfile::bytes(records_); }

private:
    kerubara::settingsfile::Field field(const char *name)
    {
        for (const auto &f : kerubara::settingsfile::fields(records_)) {
            if (f.name == QLatin1StringView(name))
                return f;
        }
        throw std::logic_error(std::string("no field ") + name);
    }

    kerubara::SettingsRecords records_;
};

} // namespace testing
