// SPDX-License-Identifier: GPL-3.0-or-later

#include "reslib/OleColor.h"
#include "reslib/PropertyBag.h"

#include "StoredValues.h"

#include <QMetaProperty>
#include <QRegularExpression>
#include <QTest>

#include <cstdint>
#include <functional>

using namespace kerubara;

namespace {

// Declares a design value for a name its derived class uses without one.
class SampleBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Inherited MEMBER inherited)
    Q_CLASSINFO("Inherited", "7")
    Q_CLASSINFO("Caption", "from the base")

public:
    int inherited = 1;
};

// One stored property of each kind the controls have, and some that are not
// stored. Every member starts away from its design value.
class Sample : public SampleBase
{
    Q_OBJECT
    Q_PROPERTY(std::int16_t Small MEMBER small)
    Q_CLASSINFO("Small", "4")
    Q_PROPERTY(kerubara::OleColor Colour MEMBER colour)
    Q_CLASSINFO("Colour", "0x72D2F8")
    Q_PROPERTY(bool On MEMBER on)
    Q_CLASSINFO("On", "true")
    Q_PROPERTY(QVariant Value READ value WRITE setValue)
    Q_CLASSINFO("Value", "0")
    Q_PROPERTY(QVariant Label READ label WRITE setLabel)
    Q_CLASSINFO("Label", "none")
    Q_PROPERTY(QString Caption MEMBER caption) // no design value
    Q_PROPERTY(int Scratch MEMBER scratch STORED false)
    Q_CLASSINFO("Scratch", "9")
    Q_PROPERTY(int Twice READ twice) // read-only
    Q_CLASSINFO("Twice", "9")

public:
    QVariant value() const { return value_; }
    void setValue(const QVariant &v) { value_ = v; }
    QVariant label() const { return label_; }
    void setLabel(const QVariant &v) { label_ = v; }
    int twice() const { return 2 * scratch; }

    std::int16_t small = -1;
    OleColor colour = 1;
    bool on = false;
    QString caption = QStringLiteral("x");
    int scratch = 1;

private:
    QVariant value_ = 5;
    QVariant label_;
};

// A design value that cannot be read as its property's type.
class Misdeclared : public QObject
{
    Q_OBJECT
    Q_PROPERTY(std::int16_t Count MEMBER count)
    Q_CLASSINFO("Count", "many")

public:
    std::int16_t count = 0;
};

QVariantMap valuesOf(const Sample &s)
{
    return {{"Small", QVariant::fromValue(s.small)}, {"Colour", s.colour}, {"On", s.on},
            {"Value", s.value()}, {"Label", s.label()}, {"Caption", s.caption},
            {"Scratch", s.scratch}, {"Inherited", s.inherited}};
}

QVariantMap valuesAfterInit()
{
    Sample s;
    initStoredProperties(s, Sample::staticMetaObject);
    return valuesOf(s);
}

// Rules that take a stored value converted to the property's type, or the
// design value when it does not convert; 16-bit numbers are kept as int; a
// value is its design value only in the same type.
const StoredValueRules kRules{
    [](const QVariant &stored, const QVariant &designValue, QMetaType type) {
        QVariant value = stored;
        return type == QMetaType::fromType<QVariant>() || value.convert(type) ? value : designValue;
    },
    [](const QVariant &value, QMetaType type) {
        return type == QMetaType::fromType<std::int16_t>() ? QVariant(value.toInt()) : value;
    },
    [](const QVariant &value, const QVariant &designValue) {
        return value.metaType() == designValue.metaType() && value == designValue;
    },
};

using Change = std::function<void(Sample &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_PropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keysMatchWithoutRegardToCase_data();
    void keysMatchWithoutRegardToCase();
    void valuesEqualToTheDefaultAreNotStored();
    void designValuesAreTheClassInfoOfTheSameName_data();
    void designValuesAreTheClassInfoOfTheSameName();
    void aDesignValueOfTheWrongTypeCountsAsNone();
    void initSetsOnlyTheClassOwnStoredProperties();
    void readTakesWhatTheBagHoldsOrTheDesignValue_data();
    void readTakesWhatTheBagHoldsOrTheDesignValue();
    void writeKeepsOnlyWhatDiffersFromTheDesignValue_data();
    void writeKeepsOnlyWhatDiffersFromTheDesignValue();
};

void tst_PropertyBag::keysMatchWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("stored lower, read mixed") << "keta" << "Keta";
    QTest::newRow("stored mixed, read lower") << "DegitSize" << "degitsize";
    QTest::newRow("same case") << "TsugiwaMode" << "TsugiwaMode";
}

void tst_PropertyBag::keysMatchWithoutRegardToCase()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    PropertyBag bag;
    bag.WriteProperty(written, 3, 4);
    QCOMPARE(bag.ReadProperty(read, 4).toInt(), 3);
    QVERIFY(bag.contains(read));
}

void tst_PropertyBag::valuesEqualToTheDefaultAreNotStored()
{
    PropertyBag bag;
    bag.WriteProperty("Speed", 5, 5);
    QVERIFY(!bag.contains("speed"));
    QCOMPARE(bag.ReadProperty("Speed", 5).toInt(), 5);
    bag.WriteProperty("Speed", 7, 5);
    bag.WriteProperty("SPEED", 5, 5); // back to the default removes the stored 7
    QCOMPARE(bag.size(), 0);
    bag.WriteProperty("Caption", QString("x")); // no default: always stored
    QCOMPARE(bag.ReadProperty("caption").toString(), QString("x"));
}

void tst_PropertyBag::designValuesAreTheClassInfoOfTheSameName_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("16 bits") << "Small" << QVariant::fromValue<std::int16_t>(4);
    QTest::newRow("colour in hexadecimal") << "Colour" << QVariant(0x72D2F8u);
    QTest::newRow("bool") << "On" << QVariant(true);
    QTest::newRow("QVariant, an integer: int") << "Value" << QVariant(0);
    QTest::newRow("QVariant, other text: text") << "Label" << QVariant(QStringLiteral("none"));
    QTest::newRow("none, though the base declares one") << "Caption" << QVariant();
}

void tst_PropertyBag::designValuesAreTheClassInfoOfTheSameName()
{
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    const QMetaObject &type = Sample::staticMetaObject;
    const QVariant actual = designValue(type.property(type.indexOfProperty(qPrintable(property))));
    QCOMPARE(actual.metaType(), expected.metaType());
    QCOMPARE(actual, expected);
}

void tst_PropertyBag::aDesignValueOfTheWrongTypeCountsAsNone()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Count.*\"many\""));
    const QMetaObject &type = Misdeclared::staticMetaObject;
    QVERIFY(!designValue(type.property(type.indexOfProperty("Count"))).isValid());
}

void tst_PropertyBag::initSetsOnlyTheClassOwnStoredProperties()
{
    Sample s;
    initStoredProperties(s, Sample::staticMetaObject);
    const QVariantMap expected{{"Small", QVariant::fromValue<std::int16_t>(4)},
                               {"Colour", 0x72D2F8u},
                               {"On", true},
                               {"Value", 0},
                               {"Label", QStringLiteral("none")},
                               {"Caption", QString()}, // no design value: empty
                               {"Scratch", 1},         // not stored
                               {"Inherited", 1}};      // its base class's
    QCOMPARE(testing::differingKeys(valuesOf(s), expected), QStringList());
}

void tst_PropertyBag::readTakesWhatTheBagHoldsOrTheDesignValue_data()
{
    QTest::addColumn<QString>("key"); // as the bag has it
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("16 bits, key in lower case") << "small" << QVariant(12) << "Small"
                                                << QVariant::fromValue<std::int16_t>(12);
    QTest::newRow("colour, key in upper case") << "COLOUR" << QVariant(0x10203) << "Colour" << QVariant(0x10203u);
    QTest::newRow("bool") << "on" << QVariant(false) << "On" << QVariant(false);
    QTest::newRow("QVariant keeps the text 0") << "Value" << QVariant("0") << "Value" << QVariant(QStringLiteral("0"));
    QTest::newRow("QVariant keeps nothing") << "value" << QVariant() << "Value" << QVariant();
    QTest::newRow("no design value") << "caption" << QVariant("y") << "Caption" << QVariant(QStringLiteral("y"));
    QTest::newRow("what the rules refuse: design value")
        << "Small" << QVariant("x") << "Small" << QVariant::fromValue<std::int16_t>(4);
    QTest::newRow("not stored: left as it is") << "Scratch" << QVariant(5) << "Scratch" << QVariant(1);
    QTest::newRow("the base class's: left as it is") << "Inherited" << QVariant(5) << "Inherited" << QVariant(1);
}

void tst_PropertyBag::readTakesWhatTheBagHoldsOrTheDesignValue()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    PropertyBag bag;
    bag.WriteProperty(key, stored);
    Sample s;
    readStoredProperties(s, Sample::staticMetaObject, bag, kRules);
    QVariantMap others = valuesAfterInit();
    others[property] = expected;
    QCOMPARE(testing::differingKeys(valuesOf(s), others), QStringList());
}

void tst_PropertyBag::writeKeepsOnlyWhatDiffersFromTheDesignValue_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QVariantMap>("written");
    // A property without a design value is always written.
    const auto andCaption = [](QVariantMap written) {
        written.insert("Caption", QString());
        return written;
    };
    QTest::newRow("design values") << Change([](Sample &) {}) << andCaption({});
    QTest::newRow("16 bits as the rules keep them") << Change([](Sample &s) { s.small = 12; })
                                                    << andCaption({{"Small", 12}});
    QTest::newRow("colour with every bit") << Change([](Sample &s) { s.colour = 0xFFFFFFFF; })
                                           << andCaption({{"Colour", 0xFFFFFFFFu}});
    QTest::newRow("bool") << Change([](Sample &s) { s.on = false; }) << andCaption({{"On", false}});
    QTest::newRow("QVariant, the text 0 by the rules differs from the number 0")
        << Change([](Sample &s) { s.setValue(QStringLiteral("0")); })
        << andCaption({{"Value", QStringLiteral("0")}});
    QTest::newRow("QVariant, nothing differs from the number 0")
        << Change([](Sample &s) { s.setValue(QVariant()); }) << andCaption({{"Value", QVariant()}});
    QTest::newRow("not stored, and the base class's") << Change([](Sample &s) {
        s.scratch = 5;
        s.inherited = 5;
    }) << andCaption({});
}

void tst_PropertyBag::writeKeepsOnlyWhatDiffersFromTheDesignValue()
{
    QFETCH(Change, change);
    QFETCH(QVariantMap, written);
    Sample s;
    initStoredProperties(s, Sample::staticMetaObject);
    change(s);
    PropertyBag bag;
    bag.WriteProperty("SMALL", 9); // written before: removed unless it differs again
    writeStoredProperties(s, Sample::staticMetaObject, bag, kRules);
    QVariantMap found;
    for (const QString &key : valuesOf(s).keys()) {
        if (bag.contains(key))
            found[key] = bag.ReadProperty(key);
    }
    QCOMPARE(testing::differingKeys(found, written), QStringList());
    QCOMPARE(bag.size(), written.size());
}

QTEST_GUILESS_MAIN(tst_PropertyBag)
#include "tst_propertybag.moc"
