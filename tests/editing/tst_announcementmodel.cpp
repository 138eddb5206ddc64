// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "editing/AnnouncementModel.h"
#include "reslib/Cp932.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;
using namespace kerubara::editing;
using Refusal = std::optional<AnnouncementRefusal>;
using Kind = AnnouncementRefusal::Kind;

Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(std::function<bool(AnnouncementModel &)>)

namespace {

// The table as one line a failure can show: "text/step/sound|...".
QString shown(const AnnouncementModel &m)
{
    QStringList rows;
    for (const TapeRecord &r : m.records())
        rows << QStringLiteral("%1/%2/%3").arg(r.Text).arg(r.StepFlag).arg(r.SoundFlag);
    return rows.join(u'|');
}

const QByteArray kFile = cp932::encode(u"\"次は、駅前です\",1,2\r\nおりる方は,0,0\r\n");

} // namespace

class tst_AnnouncementModel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void typedCellsAreTakenOrRefused_data();
    void typedCellsAreTakenOrRefused();
    void editsUndoAndRedo_data();
    void editsUndoAndRedo();
    void savesWhatItHolds_data();
    void savesWhatItHolds();
    void aRefusedFileOpensEmpty_data();
    void aRefusedFileOpensEmpty();
    void theReadingFollowsTheText();

private:
    QString path() const { return dir_->filePath(QStringLiteral("12tp.csv")); }
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AnnouncementModel> model_;
};

void tst_AnnouncementModel::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    model_ = std::make_unique<AnnouncementModel>();
    QVERIFY(testing::writeFile(path(), kFile));
    QVERIFY(!model_->load(path()));
}

void tst_AnnouncementModel::typedCellsAreTakenOrRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Refusal>("expected");
    const auto text = AnnouncementModel::TextColumn;
    const auto step = AnnouncementModel::StepFlagColumn;
    const auto sound = AnnouncementModel::SoundFlagColumn;
    const auto no = [](Kind k, QString c, qsizetype at) { return Refusal{AnnouncementRefusal{k, c, at}}; };
    const auto flag = [](Kind k, int v) { return Refusal{AnnouncementRefusal{k, {}, 0, {}, v}}; };
    const auto cell = [](CellRefusal::Kind k, qsizetype at) {
        return Refusal{AnnouncementRefusal{Kind::Flag, {}, 0, CellRefusal{k, at}}};
    };
    QTest::newRow("kana and kanji") << int(text) << QStringLiteral("次は、市役所前です") << Refusal{};
    QTest::newRow("circled digit of the extensions") << int(text) << QStringLiteral("①番のりば") << Refusal{};
    QTest::newRow("comma, quoted") << int(text) << QStringLiteral("次は,終点") << Refusal{};
    QTest::newRow("euro sign") << int(text) << QStringLiteral("運賃は€2")
                               << no(Kind::NotShiftJis, QStringLiteral("€"), 3);
    QTest::newRow("pair named whole") << int(text) << QStringLiteral("𠮷野")
                                      << no(Kind::NotShiftJis, QStringLiteral("𠮷"), 0);
    QTest::newRow("quote") << int(text) << QStringLiteral("「a\"b」") << no(Kind::Quote, QStringLiteral("\""), 2);
    QTest::newRow("line break") << int(text) << QStringLiteral("次は\n終点")
                                << no(Kind::LineBreak, QStringLiteral("\n"), 2);
    QTest::newRow("step 1") << int(step) << QStringLiteral("1") << Refusal{};
    QTest::newRow("step 0 full width") << int(step) << QStringLiteral("０") << Refusal{};
    QTest::newRow("step 2") << int(step) << QStringLiteral("2") << flag(Kind::StepFlag, 2);
    QTest::newRow("step -1") << int(step) << QStringLiteral("-1") << flag(Kind::StepFlag, -1);
    QTest::newRow("step letter") << int(step) << QStringLiteral("y") << cell(CellRefusal::Kind::NotANumber, 0);
    QTest::newRow("sound 3") << int(sound) << QStringLiteral("3") << Refusal{};
    QTest::newRow("sound 4") << int(sound) << QStringLiteral("4") << flag(Kind::SoundFlag, 4);
    QTest::newRow("sound beyond 16 bits")
        << int(sound) << QStringLiteral("40000") << cell(CellRefusal::Kind::OutOfRange, 0);
}

void tst_AnnouncementModel::typedCellsAreTakenOrRefused()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(Refusal, expected);
    QSignalSpy refused(model_.get(), &AnnouncementModel::refused);
    const QString before = shown(*model_);
    const QModelIndex cell = model_->index(0, column);
    QCOMPARE(model_->setData(cell, typed), !expected);
    if (expected) {
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused[0][0].value<AnnouncementRefusal>(), *expected);
        QCOMPARE(shown(*model_), before);
        QCOMPARE(model_->undoStack()->count(), 0);
    } else {
        QCOMPARE(refused.size(), 0);
        QCOMPARE(model_->data(cell, Qt::EditRole).toString(),
                 column == 0 ? typed : typed.right(1).normalized(QString::NormalizationForm_KC));
    }
}

void tst_AnnouncementModel::editsUndoAndRedo_data()
{
    QTest::addColumn<std::function<bool(AnnouncementModel &)>>("edit");
    QTest::addColumn<QString>("after");
    using Edit = std::function<bool(AnnouncementModel &)>;
    QTest::newRow("text") << Edit([](AnnouncementModel &m) { return m.setData(m.index(1, 0), QStringLiteral("降車")); })
                          << QStringLiteral("次は、駅前です/1/2|降車/0/0");
    QTest::newRow("sound flag") << Edit([](AnnouncementModel &m) {
        return m.setData(m.index(0, 2), QStringLiteral("0"));
    }) << QStringLiteral("次は、駅前です/1/0|おりる方は/0/0");
    QTest::newRow("insert between") << Edit([](AnnouncementModel &m) { return m.insertRows(1, 1); })
                                    << QStringLiteral("次は、駅前です/1/2|/0/0|おりる方は/0/0");
    QTest::newRow("insert at the end") << Edit([](AnnouncementModel &m) { return m.insertRows(2, 2); })
                                       << QStringLiteral("次は、駅前です/1/2|おりる方は/0/0|/0/0|/0/0");
    QTest::newRow("remove first") << Edit([](AnnouncementModel &m) { return m.removeRows(0, 1); })
                                  << QStringLiteral("おりる方は/0/0");
    QTest::newRow("move down") << Edit([](AnnouncementModel &m) { return m.moveRows({}, 0, 1, {}, 2); })
                               << QStringLiteral("おりる方は/0/0|次は、駅前です/1/2");
    QTest::newRow("move up") << Edit([](AnnouncementModel &m) { return m.moveRows({}, 1, 1, {}, 0); })
                             << QStringLiteral("おりる方は/0/0|次は、駅前です/1/2");
}

void tst_AnnouncementModel::editsUndoAndRedo()
{
    QFETCH(std::function<bool(AnnouncementModel &)>, edit);
    QFETCH(QString, after);
    const QString before = shown(*model_);
    QVERIFY(edit(*model_));
    QCOMPARE(shown(*model_), after);
    QCOMPARE(model_->undoStack()->count(), 1);
    QVERIFY(!model_->undoStack()->isClean());
    model_->undoStack()->undo();
    QCOMPARE(shown(*model_), before);
    QVERIFY(model_->undoStack()->isClean());
    model_->undoStack()->redo();
    QCOMPARE(shown(*model_), after);
}

void tst_AnnouncementModel::savesWhatItHolds_data()
{
    using Edit = std::function<bool(AnnouncementModel &)>;
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Edit>("edit"); // empty: nothing changed
    QTest::addColumn<QByteArray>("saved");
    const auto text = [](int row, const char16_t *t) {
        return Edit([=](AnnouncementModel &m) { return m.setData(m.index(row, 0), QString::fromUtf16(t)); });
    };
    const QByteArray loose = "  a ,1, 3\nb\"c,0,0\n\n\x1a";
    QTest::newRow("unchanged, kept byte for byte") << loose << Edit() << loose;
    QTest::newRow("unchanged Shift-JIS") << kFile << Edit() << kFile;
    QTest::newRow("changed line anew in the file's line ends, the others as written")
        << loose << text(0, u"x,y") << QByteArray("\"x,y\",1,3\nb\"c,0,0\n\"\",0,0\n");
    // A text with a quote was read unquoted, and so is written.
    QTest::newRow("quote written bare") << loose << Edit([](AnnouncementModel &m) {
        return m.setData(m.index(1, 2), QStringLiteral("1"));
    }) << QByteArray("  a ,1, 3\nb\"c,0,1\n\"\",0,0\n");
    QTest::newRow("a line holding part of an entry written anew")
        << QByteArray("a,1\n0\nb,0,0\n") << text(0, u"x") << QByteArray("\"x\",1,0\n\"b\",0,0\n\"\",0,0\n");
    QTest::newRow("bytes that are no character kept in a line unchanged")
        << QByteArray("\x82\xff,0,0\r\nb,0,0\r\n") << text(1, u"x") << QByteArray("\x82\xff,0,0\r\n\"x\",0,0\r\n");
    QTest::newRow("changed Shift-JIS") << kFile << text(0, u"終点です")
                                       << cp932::encode(u"\"終点です\",1,2\r\nおりる方は,0,0\r\n");
    // Within the data a blank line is read as a field: it is never kept.
    QTest::newRow("blank line written anew")
        << QByteArray("a,1,0\n  \n") << Edit([](AnnouncementModel &m) { return m.insertRows(2, 1); })
        << QByteArray("a,1,0\n\"\",0,0\n\"\",0,0\n");
    QTest::newRow("moved, each as written")
        << kFile << Edit([](AnnouncementModel &m) { return m.moveRows({}, 0, 1, {}, 2); })
        << cp932::encode(u"おりる方は,0,0\r\n\"次は、駅前です\",1,2\r\n");
    QTest::newRow("inserted") << kFile << Edit([](AnnouncementModel &m) { return m.insertRows(1, 1); })
                              << cp932::encode(u"\"次は、駅前です\",1,2\r\n\"\",0,0\r\nおりる方は,0,0\r\n");
}

void tst_AnnouncementModel::savesWhatItHolds()
{
    QFETCH(QByteArray, file);
    QFETCH(std::function<bool(AnnouncementModel &)>, edit);
    QFETCH(QByteArray, saved);
    QVERIFY(testing::writeFile(path(), file));
    QVERIFY(!model_->load(path()));
    if (edit) {
        // A change undone and done again is still a change.
        QVERIFY(edit(*model_));
        model_->undoStack()->undo();
        model_->undoStack()->redo();
    }
    QVERIFY(!model_->save(path()));
    QFile written(path());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), saved);
    QVERIFY(model_->undoStack()->isClean());
    QVERIFY(!model_->load(path()));
    QCOMPARE(model_->fileBytes(), saved);
}

void tst_AnnouncementModel::aRefusedFileOpensEmpty_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind"); // TapeDataError::Kind, or -1: not read at all
    QTest::addColumn<int>("line");
    QTest::newRow("cut off") << QByteArray("a,1,0\nb,1\n") << int(TapeDataError::Kind::CutOff) << 2;
    QTest::newRow("flag beyond 16 bits") << QByteArray("a,1,0\nb,40000,0\n") << int(TapeDataError::Kind::FlagOutOfRange)
                                         << 2;
    QTest::newRow("too large") << QByteArray(int(kMaxTapeFileBytes) + 1, 'a') << -1 << 0;
}

void tst_AnnouncementModel::aRefusedFileOpensEmpty()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    QFETCH(int, line);
    QVERIFY(model_->setData(model_->index(0, 0), QStringLiteral("x")));
    QVERIFY(testing::writeFile(path(), file));
    const auto problem = model_->load(path());
    QVERIFY(problem);
    if (kind < 0) {
        QCOMPARE(std::get<datafiles::ReadProblem>(*problem).kind, datafiles::ReadProblem::Kind::TooLarge);
    } else {
        QCOMPARE(int(std::get<TapeDataError>(*problem).kind), kind);
        QCOMPARE(std::get<TapeDataError>(*problem).line, line);
    }
    QCOMPARE(model_->rowCount(), 0);
    QCOMPARE(model_->undoStack()->count(), 0);
}

void tst_AnnouncementModel::theReadingFollowsTheText()
{
    model_->setReadingOf([](const QString &text) { return QStringLiteral("<%1>").arg(text); });
    const QModelIndex reading = model_->index(1, AnnouncementModel::ReadingColumn);
    QCOMPARE(reading.data().toString(), QStringLiteral("<おりる方は>"));
    QSignalSpy changed(model_.get(), &AnnouncementModel::dataChanged);
    QVERIFY(model_->setData(model_->index(1, 0), QStringLiteral("降車")));
    QCOMPARE(changed.size(), 1);
    QVERIFY(changed[0][1].toModelIndex().column() >= AnnouncementModel::ReadingColumn);
    QCOMPARE(reading.data().toString(), QStringLiteral("<降車>"));
}

QTEST_MAIN(tst_AnnouncementModel)
#include "tst_announcementmodel.moc"
