// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file to read it: a regular file opens; a device or a named pipe
// is refused as it is found, never waited on nor read.

#include "reslib/BoundedRead.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kerubara;

class tst_BoundedRead : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesOpen_data();
    void onlyRegularFilesOpen();
};

void tst_BoundedRead::onlyRegularFilesOpen_data()
{
    QTest::addColumn<QString>("path"); // "%": a folder holding "file", "link" to it and "pipe"
    QTest::addColumn<int>("opening"); // FileOpening

    QTest::newRow("a regular file") << "%/file" << int(FileOpening::Opened);
    QTest::newRow("a link to one") << "%/link" << int(FileOpening::Opened);
    QTest::newRow("nothing there") << "%/none" << int(FileOpening::Missing);
    QTest::newRow("a folder") << "%" << int(FileOpening::Folder);
    QTest::newRow("a named pipe without a writer") << "%/pipe" << int(FileOpening::NotRegular);
    QTest::newRow("a device that never ends") << "/dev/zero" << int(FileOpening::NotRegular);
}

void tst_BoundedRead::onlyRegularFilesOpen()
{
    QFETCH(QString, path);
    QFETCH(int, opening);
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
    file.close();
    QVERIFY(QFile::link(file.fileName(), dir.filePath("link")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);

    QFile opened(path.replace(u'%', dir.path()));
    QCOMPARE(int(openRegularFile(opened)), opening);
    QCOMPARE(opened.isOpen(), opening == int(FileOpening::Opened));
    if (opened.isOpen())
        QVERIFY(!opened.read(1).isEmpty());
}

QTEST_GUILESS_MAIN(tst_BoundedRead)
#include "tst_boundedread.moc"
