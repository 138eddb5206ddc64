// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <map>

class QMetaObject;
class QMetaProperty;
class QObject;

namespace kerubara {

// The stored design-time properties of one control instance: values by key,
// keys matched without regard to case. Controls read their stored values from
// a bag when an instance is created with its window, and write into one only
// what differs from their defaults.
class PropertyBag
{
public:
    // The stored value of `key`, or `defaultValue` when the key is absent.
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = {}) const;

    // Stores `value` under `key` unless it equals `defaultValue`, in which
    // case any stored value is removed.
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &key) const;
    void remove(const QString &key);
    int size() const { return static_cast<int>(values_.size()); }

private:
    std::map<QString, QVariant> values_; // keys folded to lower case
};

// A control declares what it stores as Q_PROPERTYs, each one's design value
// (what a newly placed instance holds) as the Q_CLASSINFO of the same name:
//
//     Q_PROPERTY(std::int16_t Keta READ Keta MEMBER keta_)
//     Q_CLASSINFO("Keta", "4")
//
// Its stored properties are those its own class declares (not those of the
// classes it derives from) that are STORED and writable; each is kept in a
// bag under its name. They are written through the meta-object, so a MEMBER
// property takes the value as it is, without the checks and side effects of
// the control's setters.
//
// A design value is written as an integer (decimal, or hexadecimal after
// "0x"), as true or false, or as text, and converted to the property's type;
// for a QVariant property an integer is an int and anything else a text. A
// property without one has nothing as its design value: it starts as the
// empty value of its type and is always written.

// How a control's stored values pass between a bag and its properties. The
// controls differ in what they do with a stored value that does not fit.
struct StoredValueRules
{
    // The value a property of `type` takes for `stored`: what the bag holds
    // under its key, or `designValue` when the bag holds nothing there.
    QVariant (*fromBag)(const QVariant &stored, const QVariant &designValue, QMetaType type);
    // What the bag keeps for `value`, the value of a property of `type`.
    QVariant (*toBag)(const QVariant &value, QMetaType type);
    // Whether `value` counts as `designValue`, and so is not written.
    bool (*isDesignValue)(const QVariant &value, const QVariant &designValue);
};

// The design value `property`'s class declares for it; nothing when none.
QVariant designValue(const QMetaProperty &property);

// Sets every stored property `type` declares on `object` to its design value.
void initStoredProperties(QObject &object, const QMetaObject &type);

// Sets every stored property `type` declares on `object` from `bag`: to what
// the bag holds under its name, or to its design value, by `rules`.
void readStoredProperties(QObject &object, const QMetaObject &type, const PropertyBag &bag,
                          const StoredValueRules &rules);

// Writes into `bag` every stored property `type` declares on `object` that
// differs from its design value, and removes from it those that do not.
void writeStoredProperties(const QObject &object, const QMetaObject &type, PropertyBag &bag,
                           const StoredValueRules &rules);

} // namespace kerubara
