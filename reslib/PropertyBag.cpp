#include "reslib/PropertyBag.h"

namespace kerubara {

QVariant PropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const auto it = values_.find(key.toLower());
    return it == values_.end() ? defaultValue : it->second;
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    if (defaultValue.isValid() && value == defaultValue)
        values_.erase(key.toLower());
    else
        values_[key.toLower()] = value;
}

bool PropertyBag::contains(const QString &key) const
{
    return values_.count(key.toLower()) > 0;
}

} // namespace kerubara
