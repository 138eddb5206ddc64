// SPDX-License-Identifier: GPL-3.0-or-later
// A new folder written aside and put in place whole, or not at all.

#include "formats/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

class tst_DataFiles : public QObject
{
    Q_OBJECT

private slots:
    void newFolderWholeOrNotAtAll_data();
    void newFolderWholeOrNotAtAll();
};

void tst_DataFiles::newFolderWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("already");    // at the folder's place: "", "folder" or "file"
    QTest::addColumn<QStringList>("names");  // the files, inside the folder
    QTest::addColumn<bool>("written");

    QTest::newRow("a new folder") << QString() << QStringList{"1.hy3", "route.in4"} << true;
    QTest::newRow("a folder already there") << QStringLiteral("folder") << QStringList{"1.hy3"} << false;
    QTest::newRow("a file already there") << QStringLiteral("file") << QStringList{"1.hy3"} << false;
    QTest::newRow("a file that cannot be written") << QString() << QStringList{"1.hy3", "missing/route.in4"} << false;
}

void tst_DataFiles::newFolderWholeOrNotAtAll()
{
    QFETCH(QString, already);
    QFETCH(QStringList, names);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString folder = dir.filePath("route");
    if (already == u"folder")
        QVERIFY(QDir().mkpath(folder + "/old"));
    if (already == u"file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
    }
    std::vector<datafiles::OutputFile> files;
    for (const QString &name : names)
        files.push_back({QDir(folder).filePath(name), name.toUtf8()});

    QCOMPARE(!datafiles::writeNewFolder(folder, files), written);
    // Beside the folder nothing is left, the folder aside included.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             already.isEmpty() && !written ? QStringList() : QStringList{"route"});
    if (written) {
        QCOMPARE(QDir(folder).entryList(QDir::Files), names);
        for (const QString &name : names) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), name.toUtf8());
        }
    } else if (already == u"folder") {
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"old"});
    }
}

QTEST_GUILESS_MAIN(tst_DataFiles)
#include "tst_datafiles.moc"
