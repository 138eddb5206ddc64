// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/PropertyBag.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QtDebug>

#include <optional>
#include <vector>

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

void PropertyBag::remove(const QString &key)
{
    values_.erase(key.toLower());
}

namespace {

// The properties `type` itself declares that are kept in a bag.
std::vector<QMetaProperty> storedProperties(const QMetaObject &type)
{
    std::vector<QMetaProperty> properties;
    for (int i = type.propertyOffset(); i < type.propertyCount(); ++i) {
        const QMetaProperty property = type.property(i);
        if (property.isStored() && property.isWritable())
            properties.push_back(property);
    }
    return properties;
}

QString keyOf(const QMetaProperty &property)
{
    return QString::fromLatin1(property.name());
}

std::optional<qlonglong> integerIn(const QString &text)
{
    bool ok = false;
    const qlonglong number =
        text.startsWith(u"0x") ? text.sliced(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    return ok ? std::optional(number) : std::nullopt;
}

void store(QObject &object, const QMetaProperty &property, const QVariant &value)
{
    if (!property.write(&object, value))
        qWarning("%s::%s cannot take a value of type %s", property.enclosingMetaObject()->className(),
                 property.name(), value.typeName());
}

} // namespace

QVariant designValue(const QMetaProperty &property)
{
    const QMetaObject *type = property.enclosingMetaObject();
    const int index = type->indexOfClassInfo(property.name());
    if (index < type->classInfoOffset()) // none, or one of a base class
        return {};
    const QString text = QString::fromUtf8(type->classInfo(index).value());
    const std::optional<qlonglong> integer = integerIn(text);
    QVariant value = integer ? QVariant(*integer) : QVariant(text);
    QMetaType target = property.metaType();
    if (target == QMetaType::fromType<QVariant>())
        target = integer ? QMetaType::fromType<int>() : QMetaType::fromType<QString>();
    if (!value.convert(target)) {
        qWarning("%s::%s has a design value \"%s\" that is no %s", type->className(), property.name(),
                 qUtf8Printable(text), target.name());
        return {};
    }
    return value;
}

void initStoredProperties(QObject &object, const QMetaObject &type)
{
    Q_ASSERT(object.metaObject()->inherits(&type));
    for (const QMetaProperty &property : storedProperties(type))
        store(object, property, designValue(property));
}

void readStoredProperties(QObject &object, const QMetaObject &type, const PropertyBag &bag,
                          const StoredValueRules &rules)
{
    Q_ASSERT(object.metaObject()->inherits(&type));
    for (const QMetaProperty &property : storedProperties(type)) {
        const QVariant design = designValue(property);
        const QVariant stored = bag.ReadProperty(keyOf(property), design);
        store(object, property, rules.fromBag(stored, design, property.metaType()));
    }
}

void writeStoredProperties(const QObject &object, const QMetaObject &type, PropertyBag &bag,
                           const StoredValueRules &rules)
{
    Q_ASSERT(object.metaObject()->inherits(&type));
    for (const QMetaProperty &property : storedProperties(type)) {
        const QString key = keyOf(property);
        const QVariant value = property.read(&object);
        const QVariant design = designValue(property);
        if (design.isValid() && rules.isDesignValue(value, design))
            bag.remove(key);
        else
            bag.WriteProperty(key, rules.toBag(value, property.metaType()));
    }
}

} // namespace kerubara
