// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/HtsVoiceFile.h"

#include "TestFiles.h"
#include "VoiceFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace kerubara;

Q_DECLARE_METATYPE(kerubara::VoiceFileFault)

class tst_VoiceFile : public QObject
{
    Q_OBJECT

private slots:
    void goodVoicesPass();
    void damagedVoiceIsRefusedNamingTheReason_data();
    void damagedVoiceIsRefusedNamingTheReason();
    void fileThatCannotBeReadIsRefused();
};

void tst_VoiceFile::goodVoicesPass()
{
    VoiceFileInfo info;
    const VoiceFileCheck small = HtsVoiceFile::check(testing::smallVoice(), &info);
    QVERIFY2(small.ok(), qPrintable(small.item));
    QCOMPARE(info.samplingFrequency, 16000);
    QCOMPARE(info.framePeriod, 80);
    QCOMPARE(info.alpha, 0.42);
    QCOMPARE(info.comment, QStringLiteral("test voice"));
    if (!QFileInfo::exists(testing::installedVoice()))
        QSKIP("the voice package is not installed");
    const VoiceFileCheck installed = HtsVoiceFile::checkFile(testing::installedVoice(), &info);
    QVERIFY2(installed.ok(), qPrintable(installed.item));
    QCOMPARE(info.samplingFrequency, 48000);
    QCOMPARE(info.framePeriod, 240);
}

void tst_VoiceFile::damagedVoiceIsRefusedNamingTheReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<VoiceFileFault>("fault");
    QTest::addColumn<QString>("item");
    using F = VoiceFileFault;
    using testing::smallVoiceWith;
    const QByteArray good = testing::smallVoice();
    const qsizetype data = good.indexOf("[DATA]\n") + 7;

    QTest::newRow("empty") << QByteArray() << F::Empty << "";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << F::NotHtsVoice << "[GLOBAL]";
    QTest::newRow("wrong magic") << smallVoiceWith("[GLOBAL]", "[GLOBUL]") << F::NotHtsVoice << "[GLOBAL]";
    QTest::newRow("truncated in the header") << good.left(good.indexOf("[POSITION]")) << F::BadHeader << "[POSITION]";
    QTest::newRow("truncated before the data") << good.left(data - 1) << F::BadHeader << "[DATA]";
    QTest::newRow("truncated in the data") << good.left(good.size() - 10) << F::PositionPastEnd << "STREAM_TREE[LF0]";
    QTest::newRow("section missing") << smallVoiceWith("[STREAM]\n", "") << F::BadHeader << "[GLOBAL]";
    QTest::newRow("header line too long") << smallVoiceWith("COMMENT:test voice", "COMMENT:" + QByteArray(2000, 'x'))
                                          << F::BadHeader << "[GLOBAL]";
    QTest::newRow("a key given twice") << smallVoiceWith("OPTION[LF0]:\n", "OPTION[LF0]:\nOPTION[MCP]:ALPHA=0.4\n")
                                       << F::BadHeader << "OPTION[MCP]";
    QTest::newRow("windows line ends") << smallVoiceWith("NUM_STATES:1\n", "NUM_STATES:1\r\n") << F::BadHeader << "[GLOBAL]";
    QTest::newRow("other version") << smallVoiceWith("HTS_VOICE_VERSION:1.0", "HTS_VOICE_VERSION:2.0") << F::BadValue
                                   << "HTS_VOICE_VERSION";
    QTest::newRow("english labels") << smallVoiceWith("HTS_TTS_JPN", "HTS_TTS_ENG") << F::NotJapanese << "FULLCONTEXT_FORMAT";
    QTest::newRow("sampling frequency zero") << smallVoiceWith("SAMPLING_FREQUENCY:16000", "SAMPLING_FREQUENCY:0")
                                             << F::BadValue << "SAMPLING_FREQUENCY";
    QTest::newRow("sampling frequency not a number") << smallVoiceWith("SAMPLING_FREQUENCY:16000", "SAMPLING_FREQUENCY:fast")
                                                     << F::BadValue << "SAMPLING_FREQUENCY";
    QTest::newRow("frame period of a second") << smallVoiceWith("FRAME_PERIOD:80", "FRAME_PERIOD:16000") << F::BadValue
                                              << "FRAME_PERIOD";
    QTest::newRow("frame period missing") << smallVoiceWith("FRAME_PERIOD:80\n", "") << F::BadHeader << "FRAME_PERIOD";
    QTest::newRow("thousand states") << smallVoiceWith("NUM_STATES:1", "NUM_STATES:1000") << F::BadValue << "NUM_STATES";
    QTest::newRow("streams not named") << smallVoiceWith("STREAM_TYPE:MCP,LF0", "STREAM_TYPE:MCP") << F::BadValue
                                       << "STREAM_TYPE";
    QTest::newRow("stream length missing") << smallVoiceWith("VECTOR_LENGTH[LF0]:1\n", "") << F::BadHeader
                                           << "VECTOR_LENGTH[LF0]";
    QTest::newRow("huge vector") << smallVoiceWith("VECTOR_LENGTH[MCP]:2", "VECTOR_LENGTH[MCP]:99999999") << F::BadValue
                                 << "VECTOR_LENGTH[MCP]";
    QTest::newRow("pitch not voiced or not") << smallVoiceWith("IS_MSD[LF0]:1", "IS_MSD[LF0]:0") << F::BadValue
                                             << "IS_MSD[LF0]";
    QTest::newRow("options of a stream missing") << smallVoiceWith("OPTION[MCP]", "OPTIONWMCP]") << F::BadHeader
                                                 << "OPTION[MCP]";
    QTest::newRow("all-pass constant of one") << smallVoiceWith("ALPHA=0.42", "ALPHA=1.5") << F::BadValue << "OPTION[MCP]";
    QTest::newRow("position past the end") << smallVoiceWith("STREAM_PDF[LF0]:", "STREAM_PDF[LF0]:9999999-")
                                           << F::BadValue << "STREAM_PDF[LF0]";
    QTest::newRow("position end past the end") << smallVoiceWith("DURATION_TREE:12-", "DURATION_TREE:12-99999999+")
                                               << F::BadValue << "DURATION_TREE";
    QTest::newRow("position missing") << smallVoiceWith("STREAM_TREE[LF0]", "STREAM_TREES[LF0]") << F::BadHeader
                                      << "STREAM_TREE[LF0]";
    QTest::newRow("position not a range") << smallVoiceWith("DURATION_PDF:0-", "DURATION_PDF:-") << F::BadValue
                                          << "DURATION_PDF";
    QTest::newRow("table count of billions") << smallVoiceWith(QByteArray("\x02\0\0\0", 4), QByteArray("\xff\xff\xff\x7f", 4))
                                             << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("leaf past the tables") << smallVoiceWith("lf0_s2_2", "lf0_s2_3") << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("leaf naming no table") << smallVoiceWith("lf0_s2_2", "lf0_s2_x") << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("question never asked") << smallVoiceWith("0 C-Phone_a", "0 C-Phone_i") << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("node never given") << smallVoiceWith("\"lf0_s2_1\"  \"lf0_s2_2\"", "\"lf0_s2_1\"  -1        ")
                                      << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("tree for no state") << smallVoiceWith("{*}[2]\n\"mcp", "{*}[7]\n\"mcp") << F::BadModel << "STREAM_PDF[MCP]";
    QTest::newRow("tree pattern unclosed") << smallVoiceWith("{*}[2]\n\"dur", "{*][2]\n\"dur") << F::BadModel << "DURATION_PDF";
    QTest::newRow("a NUL inside a leaf's name") << smallVoiceWith("\"dur_s2_1\"", QByteArray("\"dur\0\0\0\0" "1\"", 10))
                                               << F::BadModel << "DURATION_PDF";
    QTest::newRow("a question longer than a label") << testing::smallVoice("*" + QByteArray(300, 'a') + "*")
                                                    << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("a context without variance longer than a label")
        << smallVoiceWith("GV_OFF_CONTEXT:\"*-sil+*\"", "GV_OFF_CONTEXT:\"*" + QByteArray(300, 's') + "*\"") << F::BadValue
        << "GV_OFF_CONTEXT";
    QTest::newRow("a context without variance never closing its quote")
        << smallVoiceWith("GV_OFF_CONTEXT:\"*-sil+*\"", "GV_OFF_CONTEXT:\"*-sil+*") << F::BadValue << "GV_OFF_CONTEXT";
    QTest::newRow("a question of many stars") << testing::smallVoice("*-*a*+*-*") << F::BadModel << "STREAM_PDF[LF0]";
    QTest::newRow("a single quote never closed") << smallVoiceWith("{ \"*-a+*\" }", "{ '*-a+* } ") << F::BadModel
                                                 << "STREAM_PDF[LF0]";
    QTest::newRow("unterminated quote") << smallVoiceWith("\"mcp_s2_1\"", "\"mcp_s2_1 ") << F::BadModel << "STREAM_PDF[MCP]";
    QTest::newRow("window without coefficients") << smallVoiceWith("1 1.0\n", "9 1.0\n") << F::BadModel << "STREAM_WIN[MCP]";
    auto withFloat = [&good](qsizetype at, float value) {
        QByteArray v = good;
        std::memcpy(v.data() + at, &value, sizeof value);
        return v;
    };
    // The duration table: its count, then the mean (12 frames) and the variance.
    QTest::newRow("duration of an hour") << withFloat(data + 4, 720000.0f) << F::BadModel << "DURATION_PDF";
    QTest::newRow("duration below nothing") << withFloat(data + 4, -3.0f) << F::BadModel << "DURATION_PDF";
    QTest::newRow("variance not a number") << withFloat(data + 8, std::nanf("")) << F::BadModel << "DURATION_PDF";
    const qsizetype lf0 = data + good.mid(data).indexOf(QByteArray("\x02\0\0\0", 4));
    QTest::newRow("pitch of infinity") << withFloat(lf0 + 4, std::numeric_limits<float>::infinity()) << F::BadModel
                                       << "STREAM_PDF[LF0]";
    QByteArray bigDuration = good;
    bigDuration[data] = '\x40';
    QTest::newRow("tables past their range") << bigDuration << F::BadModel << "DURATION_PDF";
}

void tst_VoiceFile::damagedVoiceIsRefusedNamingTheReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(VoiceFileFault, fault);
    QFETCH(QString, item);
    VoiceFileInfo info;
    info.samplingFrequency = -7;
    const VoiceFileCheck check = HtsVoiceFile::check(bytes, &info);
    QCOMPARE(check.fault, fault);
    QCOMPARE(check.item, item);
    QCOMPARE(info.samplingFrequency, -7); // nothing taken from a refused file
}

void tst_VoiceFile::fileThatCannotBeReadIsRefused()
{
    QTemporaryDir dir;
    QCOMPARE(HtsVoiceFile::checkFile(dir.filePath("none.htsvoice")).fault, VoiceFileFault::Unreadable);
    QCOMPARE(HtsVoiceFile::checkFile(dir.path()).fault, VoiceFileFault::Unreadable);
    const QString big = dir.filePath("big.htsvoice");
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(HtsVoiceFile::kMaxBytes + 1));
    file.close();
    QCOMPARE(HtsVoiceFile::checkFile(big).fault, VoiceFileFault::TooLarge);
}

QTEST_GUILESS_MAIN(tst_VoiceFile)
#include "tst_voicefile.moc"
