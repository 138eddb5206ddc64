#include "reslib/PropertyBag.h"

#include <QTest>

using namespace kerubara;

class tst_PropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keysMatchWithoutRegardToCase_data();
    void keysMatchWithoutRegardToCase();
    void valuesEqualToTheDefaultAreNotStored();
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

QTEST_GUILESS_MAIN(tst_PropertyBag)
#include "tst_propertybag.moc"
