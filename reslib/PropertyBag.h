#pragma once

#include <QString>
#include <QVariant>

#include <map>

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
    int size() const { return static_cast<int>(values_.size()); }

private:
    std::map<QString, QVariant> values_; // keys folded to lower case
};

} // namespace kerubara
