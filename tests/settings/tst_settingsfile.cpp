// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

#include "SettingsBytes.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <map>

using namespace kerubara;
using testing::SettingsBuilder;

namespace {

std::int32_t int32At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + offset);
}

std::int16_t int16At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<std::int16_t>(bytes.constData() + offset);
}

} // namespace

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void emptyTextsAndATenCharacterDateMake330Bytes();
    void fieldsLieWhereTheBlocksPutThem_data();
    void fieldsLieWhereTheBlocksPutThem();
    void overLongTextsAreCutAtACharacterWithTheirTrueCount_data();
    void overLongTextsAreCutAtACharacterWithTheirTrueCount();
    void damagedFilesReadAsFarAsTheyGo_data();
    void damagedFilesReadAsFarAsTheyGo();
    void fileLivesBesideTheProgramOrInTheConfigFolder_data();
    void fileLivesBesideTheProgramOrInTheConfigFolder();
    void installedProgramStartsFromTheDemonstrationAndSavesToTheConfigFolder_data();
    void installedProgramStartsFromTheDemonstrationAndSavesToTheConfigFolder();
};

void tst_SettingsFile::emptyTextsAndATenCharacterDateMake330Bytes()
{
    const QByteArray bytes = SettingsBuilder::initial().bytes();
    QCOMPARE(bytes.size(), 330);
    QCOMPARE(int16At(bytes, 256), std::int16_t(12)); // block 10
}

void tst_SettingsFile::fieldsLieWhereTheBlocksPutThem_data()
{
    // Offsets in a file whose texts are all empty but the 10-character date.
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width"); // 2, 4, or 0 for a text's count
    const struct
    {
        const char *name;
        int offset;
        int width;
    } rows[] = {
        // Each block's first and last field, and every place where the file's
        // order is not the controls' order.
        {"Text2(0)", 0, 0},
        {"Check1", 4, 2},
        {"Command5(2)", 14, 4},
        {"Option3(7)", 26, 2},
        {"Option3(2)", 32, 2},
        {"Option3(5)", 36, 2},
        {"txtSelectPanel(2)", 42, 0},
        {"Command8(0)", 44, 4},
        {"Check3(4)", 60, 2},
        {"Combo4(4)", 72, 2},
        {"Combo4(3)", 74, 2},
        {"Command9(0)", 76, 4},
        {"Combo6", 88, 2},
        {"Command9(2)", 90, 4},
        {"Check5", 96, 2},
        {"txtSelectSound(0)", 98, 0},
        {"Option6(1)", 108, 2},
        {"txtSelectSound(7)", 110, 0},
        {"Combo1", 112, 2},
        {"Option2(2)", 120, 2},
        {"txtSelectSound(3)", 128, 0},
        {"txtSelectSound(6)", 134, 0},
        {"chkUseSeiriPrev", 136, 2},
        {"Option4(2)", 144, 2},
        {"Label10", 146, 0},
        {"CtrlData.nBackFrame", 158, 2},
        {"CtrlData.nScrollSpeed", 160, 4},
        {"CtrlData.nPreviewOpen", 170, 2},
        {"CtrlData.nTop", 176, 4},
        {"FormPos.nLeft", 180, 4},
        {"CustColors(0)", 188, 4},
        {"CustColors(16)", 252, 4},
        {"DegitCount", 256, 2},
        {"DegitUser(1).Shift", 258, 2},
        {"DegitUser(1).ZeroMode", 260, 2},
        {"DegitUser(12).FillZero", 328, 2},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.offset << r.width;
}

void tst_SettingsFile::fieldsLieWhereTheBlocksPutThem()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, width);
    SettingsBuilder b = SettingsBuilder::initial();
    const QByteArray key = name.toLatin1();
    if (width == 0) {
        b.set(key.constData(), QStringLiteral("あ")); // two bytes
        const QByteArray bytes = b.bytes();
        QCOMPARE(int16At(bytes, offset), std::int16_t(2));
        QCOMPARE(bytes.mid(offset + 2, 2), QByteArray("\x82\xA0"));
    } else if (width == 2) {
        const QByteArray bytes = b.set(key.constData(), -2).bytes();
        QCOMPARE(int16At(bytes, offset), std::int16_t(-2));
    } else {
        const QByteArray bytes = b.set(key.constData(), -0x12345678).bytes();
        QCOMPARE(int32At(bytes, offset), std::int32_t(-0x12345678));
    }
}

void tst_SettingsFile::overLongTextsAreCutAtACharacterWithTheirTrueCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QString kana(16384, QChar(u'あ')); // 32768 bytes
    QTest::newRow("32767 single bytes: whole") << QString(32767, u'a') << QString(32767, u'a');
    QTest::newRow("32768 single bytes: one cut") << QString(32768, u'a') << QString(32767, u'a');
    QTest::newRow("double bytes ending at 32768: the last character goes") << kana << kana.left(16383);
    QTest::newRow("a double byte across 32767: it goes whole")
        << (QStringLiteral("a") + kana) << (QStringLiteral("a") + kana.left(16383));
}

void tst_SettingsFile::overLongTextsAreCutAtACharacterWithTheirTrueCount()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    const QByteArray bytes = SettingsBuilder::initial().set("Text2(0)", text).set("Text2(1)", QStringLiteral("次")).bytes();
    QCOMPARE(int16At(bytes, 0), std::int16_t(cp932::encode(kept).size()));
    settingsfile::ReadResult read = settingsfile::read(bytes);
    QCOMPARE(read.damage, settingsfile::Damage::None);
    QCOMPARE(testing::fieldValue(read.records, QStringLiteral("Text2(0)")).toString(), kept);
    QCOMPARE(testing::fieldValue(read.records, QStringLiteral("Text2(1)")).toString(), QStringLiteral("次"));
    QCOMPARE(testing::fieldValue(read.records, QStringLiteral("DegitCount")).toInt(), 12);
}

void tst_SettingsFile::damagedFilesReadAsFarAsTheyGo_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("damage");
    QTest::addColumn<QString>("firstMissing");
    QTest::addColumn<QString>("lastRead"); // a field before it, read with its value
    const QByteArray full = SettingsBuilder::initial()
                                .set("Text2(0)", QStringLiteral("データ"))
                                .set("Combo2", 5)
                                .set("CtrlData.nScrollWait", 700)
                                .bytes();
    const int shortFile = int(settingsfile::Damage::ShortFile);
    QTest::newRow("empty file") << QByteArray() << shortFile << "Text2(0)" << "";
    QTest::newRow("one byte of the first count") << full.left(1) << shortFile << "Text2(0)" << "";
    QTest::newRow("inside a 32-bit field") << full.left(172 + 6 + 2) << shortFile << "CtrlData.nLeft"
                                           << "CtrlData.nScrollWait";
    QTest::newRow("before block 11") << full.left(256 + 6 + 2) << shortFile << "DegitUser(1).Shift"
                                     << "CtrlData.nScrollWait";

    QByteArray pastEnd = SettingsBuilder().set("Text2(0)", QStringLiteral("データ")).bytes().left(8 + 2);
    qToLittleEndian<std::int16_t>(500, pastEnd.data() + 8); // Text2(1) claims 500 bytes
    pastEnd.append("only a few");
    QTest::newRow("a count past the end") << pastEnd << int(settingsfile::Damage::CountPastEnd) << "Text2(1)"
                                          << "Text2(0)";
    QByteArray negative = full;
    qToLittleEndian<std::int16_t>(-3, negative.data() + 42 + 6); // txtSelectPanel(2), after "データ"
    QTest::newRow("a negative count") << negative << int(settingsfile::Damage::NegativeCount) << "txtSelectPanel(2)"
                                      << "Combo2";
}

void tst_SettingsFile::damagedFilesReadAsFarAsTheyGo()
{
    QFETCH(QByteArray, file);
    QFETCH(int, damage);
    QFETCH(QString, firstMissing);
    QFETCH(QString, lastRead);
    settingsfile::ReadResult read = settingsfile::read(file);
    QCOMPARE(int(read.damage), damage);
    const auto fields = settingsfile::fields(read.records);
    QCOMPARE(fields[static_cast<std::size_t>(read.firstMissing)].name, firstMissing);

    SettingsRecords full = SettingsBuilder::initial()
                               .set("Text2(0)", QStringLiteral("データ"))
                               .set("Combo2", 5)
                               .set("CtrlData.nScrollWait", 700)
                               .records();
    if (!lastRead.isEmpty())
        QCOMPARE(testing::fieldValue(read.records, lastRead), testing::fieldValue(full, lastRead));
    // From the first missing field on, everything is 0 or empty.
    for (std::size_t i = static_cast<std::size_t>(read.firstMissing); i < fields.size(); ++i) {
        const QVariant v = testing::fieldValue(read.records, fields[i].name);
        QVERIFY2(v.toString().isEmpty() || v.toString() == u"0", qPrintable(fields[i].name));
    }
}

void tst_SettingsFile::fileLivesBesideTheProgramOrInTheConfigFolder_data()
{
    QTest::addColumn<QString>("programFolder"); // under the temporary folder
    QTest::addColumn<bool>("besideExists");
    QTest::addColumn<bool>("configExists");
    QTest::addColumn<QString>("read");  // "beside" or "config"
    QTest::addColumn<QString>("write");
    QTest::newRow("writable folder, no file yet") << "bin" << false << false << "beside" << "beside";
    QTest::newRow("writable folder given with its slash") << "bin/" << false << false << "beside" << "beside";
    QTest::newRow("folder that cannot be written") << "missing/bin" << false << false << "config" << "config";
    QTest::newRow("a config file, but the folder is writable")
        << "bin" << false << true << "config" << "beside";
    QTest::newRow("both files: the one beside the program wins") << "bin" << true << true << "beside" << "beside";
}

void tst_SettingsFile::fileLivesBesideTheProgramOrInTheConfigFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, besideExists);
    QFETCH(bool, configExists);
    QFETCH(QString, read);
    QFETCH(QString, write);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("config/kerubara")));
    const QString beside = dir.filePath(QStringLiteral("bin/kerubara.in4"));
    const QString config = dir.filePath(QStringLiteral("config/kerubara/kerubara.in4"));
    if (besideExists)
        QVERIFY(testing::writeFile(beside, "x"));
    if (configExists)
        QVERIFY(testing::writeFile(config, "x"));
    const SettingsFilePaths paths =
        settingsFilePaths(dir.filePath(programFolder), QStringLiteral("kerubara"), dir.filePath(QStringLiteral("config")));
    QCOMPARE(QDir::cleanPath(paths.read), read == u"beside" ? beside : config);
    QCOMPARE(QDir::cleanPath(paths.write), write == u"beside" ? beside : config);
    QVERIFY(!paths.write.contains(QStringLiteral("//")));
}

void tst_SettingsFile::installedProgramStartsFromTheDemonstrationAndSavesToTheConfigFolder_data()
{
    QTest::addColumn<bool>("besideExists");
    QTest::addColumn<bool>("configExists");
    QTest::addColumn<bool>("demoExists");
    QTest::addColumn<QString>("read"); // "beside", "config" or "demo"
    QTest::addColumn<QString>("write");
    // The program's folder can be written in every row, as /usr/bin can by root.
    QTest::newRow("first start: the demonstration, saved to the config folder")
        << false << false << true << "demo" << "config";
    QTest::newRow("later starts: the user's own file") << false << true << true << "config" << "config";
    QTest::newRow("no demonstration installed") << false << false << false << "config" << "config";
    QTest::newRow("a file beside the program still wins") << true << true << true << "beside" << "beside";
}

void tst_SettingsFile::installedProgramStartsFromTheDemonstrationAndSavesToTheConfigFolder()
{
    QFETCH(bool, besideExists);
    QFETCH(bool, configExists);
    QFETCH(bool, demoExists);
    QFETCH(QString, read);
    QFETCH(QString, write);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/bin")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/share/kerubara/examples")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("config/kerubara")));
    const std::map<QString, QString> files{
        {QStringLiteral("beside"), dir.filePath(QStringLiteral("usr/bin/kerubara.in4"))},
        {QStringLiteral("config"), dir.filePath(QStringLiteral("config/kerubara/kerubara.in4"))},
        {QStringLiteral("demo"), dir.filePath(QStringLiteral("usr/share/kerubara/examples/demo-settings.in4"))}};
    if (besideExists)
        QVERIFY(testing::writeFile(files.at(QStringLiteral("beside")), "x"));
    if (configExists)
        QVERIFY(testing::writeFile(files.at(QStringLiteral("config")), "x"));
    if (demoExists)
        QVERIFY(testing::writeFile(files.at(QStringLiteral("demo")), "x"));
    const SettingsFilePaths paths =
        settingsFilePaths(dir.filePath(QStringLiteral("usr/bin")), QStringLiteral("kerubara"),
                          dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("usr/share/kerubara/examples")));
    QCOMPARE(QDir::cleanPath(paths.read), files.at(read));
    QCOMPARE(QDir::cleanPath(paths.write), files.at(write));
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"
