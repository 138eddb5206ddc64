// SPDX-License-Identifier: GPL-3.0-or-later
// The layer check on planted breaks: each way of spelling an include that
// reaches a higher layer, a Qt module the layer may not use, and a link line
// that goes upwards; and that a file keeping its layer passes.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CheckLayers : public QObject
{
    Q_OBJECT

private slots:
    void plantedIncludes_data();
    void plantedIncludes();
    void plantedLinks_data();
    void plantedLinks();

private:
    // Runs the check with `arguments`; its exit code and what it printed.
    std::pair<int, QString> check(const QStringList &arguments);
    QTemporaryDir dir_;
};

std::pair<int, QString> tst_CheckLayers::check(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(u"python3"_s),
                  QStringList{QStringLiteral(KERUBARA_SOURCE_DIR "/scripts/check-layers.py"), u"--build"_s,
                              QStringLiteral(KERUBARA_BUILD_DIR)}
                      + arguments);
    if (!process.waitForFinished(120000))
        return {-1, u"the check did not finish"_s};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void tst_CheckLayers::plantedIncludes_data()
{
    QTest::addColumn<QString>("as");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("reported"); // empty: the file passes

    QTest::newRow("angle brackets") << u"reslib/Planted.cpp"_s << QByteArray("#include <windows/Form1.h>\n")
                                    << u"reaches windows/Form1.h"_s;
    QTest::newRow("indented") << u"reslib/Planted.cpp"_s << QByteArray("  #  include \"dialogs/MessageBox.h\"\n")
                              << u"reaches dialogs/MessageBox.h"_s;
    QTest::newRow("relative path") << u"reslib/Planted.cpp"_s << QByteArray("#include \"../dialogs/Modal.h\"\n")
                                   << u"reaches dialogs/Modal.h"_s;
    QTest::newRow("widgets below the windows")
        << u"sound/Planted.cpp"_s << QByteArray("#include <QtWidgets/QWidget>\n") << u"reaches QtWidgets"_s;
    QTest::newRow("the formats above them")
        << u"formats/Planted.cpp"_s << QByteArray("#include \"operation/OperatingState.h\"\n")
        << u"reaches operation/OperatingState.h"_s;
    QTest::newRow("one control in the other")
        << u"controls/digit/Planted.cpp"_s << QByteArray("#include \"controls/stopname/ChimeiLayout.h\"\n")
        << u"reaches controls/stopname/ChimeiLayout.h"_s;
    QTest::newRow("a suite through a helper")
        << u"tests/sound/tst_planted.cpp"_s << QByteArray("#include \"OptionControls.h\"\n")
        << u"reaches windows/"_s;
    QTest::newRow("own layer and below") << u"operation/Planted.cpp"_s
                                         << QByteArray("#include \"sound/Mixer.h\"\n#include \"../reslib/Cp932.h\"\n")
                                         << QString();
    QTest::newRow("a suite of its own layer")
        << u"tests/windows/tst_planted.cpp"_s << QByteArray("#include \"OptionControls.h\"\n#include <QWidget>\n")
        << QString();
}

void tst_CheckLayers::plantedIncludes()
{
    QFETCH(QString, as);
    QFETCH(QByteArray, source);
    QFETCH(QString, reported);
    // The planted file lies outside the tree; the check compiles it as if it
    // were `as`, so a quoted include is found beside that.
    const QString planted = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".cpp"_s);
    QFile file(planted);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();
    const auto [code, output] = check({u"--plant"_s, planted, u"--as"_s, as});
    if (reported.isEmpty()) {
        QVERIFY2(code == 0, qPrintable(output));
    } else {
        QVERIFY2(code == 1, qPrintable(output));
        QVERIFY2(output.contains(as + u": "_s + reported), qPrintable(output));
    }
}

void tst_CheckLayers::plantedLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("reported");

    QTest::newRow("a library links upwards") << u"kerubara_reslib=kerubara_windows"_s
                                             << u"kerubara_reslib (reslib) links kerubara_windows"_s;
    QTest::newRow("a suite links a higher library")
        << u"tst_mixer=kerubara_dialogs"_s << u"tst_mixer (tests/sound) links kerubara_dialogs"_s;
    QTest::newRow("a suite without widgets links them")
        << u"tst_operationengine=/usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6"_s
        << u"tst_operationengine (tests/operation) links QtWidgets"_s;
    QTest::newRow("the formats link the sound")
        << u"kerubara_formats=kerubara_sound"_s << u"kerubara_formats (formats) links kerubara_sound"_s;
    QTest::newRow("downwards") << u"kerubara_windows=kerubara_dialogs"_s << QString();
}

void tst_CheckLayers::plantedLinks()
{
    QFETCH(QString, link);
    QFETCH(QString, reported);
    const auto [code, output] = check({u"--link"_s, link});
    if (reported.isEmpty()) {
        QVERIFY2(code == 0, qPrintable(output));
    } else {
        QVERIFY2(code == 1, qPrintable(output));
        QVERIFY2(output.contains(reported), qPrintable(output));
    }
}

QTEST_MAIN(tst_CheckLayers)
#include "tst_checklayers.moc"
