// SPDX-License-Identifier: GPL-3.0-or-later

#include "formats/FareChecks.h"

#include "FareBytes.h"

#include <QBuffer>
#include <QTest>

#include <limits>

using namespace kerubara;

class tst_FareChecks : public QObject
{
    Q_OBJECT

private slots:
    void problemsSayWhichRecordAndHowMany_data();
    void problemsSayWhichRecordAndHowMany();
};

namespace {

// A problem as the table writes it: "kind record value", and for a name the
// offset and the bytes in hex.
QString shown(const FareFileProblem &p)
{
    static const char *const kinds[] = {"no-count", "no-stops", "negative", "one-stop",
                                        "too-many", "bad-name", "cut-off",  "trailing"};
    QString text = QStringLiteral("%1 %2 %3").arg(QLatin1String(kinds[int(p.kind)])).arg(p.record).arg(p.value);
    if (p.name)
        text += QStringLiteral(" at %1 %2").arg(p.name->at).arg(QString::fromLatin1(p.name->bytes.toHex()));
    return text;
}

} // namespace

void tst_FareChecks::problemsSayWhichRecordAndHowMany_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("problems");
    using testing::StopBytes;
    QTest::newRow("no count") << QByteArray("\x02") << QStringList{"no-count 0 0"};
    QTest::newRow("count 0") << testing::routeBytes(0) << QStringList{"no-stops 0 0"};
    QTest::newRow("negative count") << testing::routeBytes(0, -3) << QStringList{"negative 0 -3"};
    QTest::newRow("one stop") << testing::routeBytes(1) << QStringList{"one-stop 0 0"};
    QTest::newRow("count 302") << testing::routeBytes(302) << QStringList{"too-many 0 302"};
    QTest::newRow("cut in record 2") << testing::routeBytes(2).chopped(1) << QStringList{"cut-off 2 0"};
    // Past a record cut off, nothing more is said of the file's end.
    QTest::newRow("count above the records") << testing::routeBytes(3, 5) << QStringList{"cut-off 4 0"};
    QTest::newRow("bad names, a lead byte last")
        << testing::fareFileBytes(3, {StopBytes{QByteArray("\x85\x40"), 1, {}}, StopBytes{"ok", 2, {}},
                                      StopBytes{QByteArray("A\x81"), 3, {}}})
        << QStringList{"bad-name 1 0 at 0 8540", "bad-name 3 0 at 1 81"};
    // Two records of 307 bytes after the second, the last one counted.
    QTest::newRow("data after the last stop") << testing::routeBytes(4, 2) << QStringList{"trailing 2 614"};
    QTest::newRow("an intact route") << testing::routeBytes(3) << QStringList{};
}

void tst_FareChecks::problemsSayWhichRecordAndHowMany()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, problems);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QStringList found;
    for (const FareFileProblem &p : fareFileProblems(scanFareFile(buffer, std::numeric_limits<int>::max())))
        found << shown(p);
    QCOMPARE(found, problems);
}

QTEST_GUILESS_MAIN(tst_FareChecks)
#include "tst_farechecks.moc"
