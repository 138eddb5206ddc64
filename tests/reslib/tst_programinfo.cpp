// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

class tst_ProgramInfo : public QObject
{
    Q_OBJECT

private slots:
    void installedProgramFindsItsSampleRoute_data();
    void installedProgramFindsItsSampleRoute();
};

void tst_ProgramInfo::installedProgramFindsItsSampleRoute_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("package layout") << QStringList{"usr/bin", "usr/share/kerubara/examples"} << ""
                                    << "usr/bin"
                                    << "usr/share/kerubara/examples";
    QTest::newRow("program folder written with a slash")
        << QStringList{"opt/k/bin", "opt/k/share/kerubara/examples"} << ""
        << "opt/k/bin/"
        << "opt/k/share/kerubara/examples";
    QTest::newRow("build folder: no examples beside bin") << QStringList{"build/app", "build/examples"} << ""
                                                          << "build/app"
                                                          << "";
    QTest::newRow("another program's share folder") << QStringList{"usr/bin", "usr/share/other/examples"} << ""
                                                    << "usr/bin"
                                                    << "";
    QTest::newRow("examples is a file, not a folder")
        << QStringList{"usr/bin", "usr/share/kerubara"} << "usr/share/kerubara/examples"
        << "usr/bin"
        << "";
}

void tst_ProgramInfo::installedProgramFindsItsSampleRoute()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, file);
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString &folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
    if (!file.isEmpty())
        QVERIFY(QFile(root.filePath(file)).open(QIODevice::WriteOnly));

    const QString found = installedExamplesFolder(root.filePath(program));
    QCOMPARE(found, expected.isEmpty() ? QString() : root.filePath(expected));
}

QTEST_GUILESS_MAIN(tst_ProgramInfo)
#include "tst_programinfo.moc"
