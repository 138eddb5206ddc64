// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AnnouncementEditor.h"

#include "../sound/SpeechTesting.h"
#include "TestFiles.h"
#include "reslib/Cp932.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "sound/VoiceEngine.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <csignal>
#include <sys/resource.h>

using namespace kerubara;

namespace {

const QByteArray kFile = cp932::encode(u"\"次は、駅前です\",1,2\r\nおりる方は,0,0\r\n\"終点です\",0,1\r\n");

// Says what it is asked; with a real engine inside, speaks it too.
struct NotingVoice : SpeechEngine
{
    QStringList *spoken;
    QStringList *folders;
    std::unique_ptr<SpeechEngine> real;
    NotingVoice(QStringList *s, QStringList *f, std::unique_ptr<SpeechEngine> r = {})
        : spoken(s), folders(f), real(std::move(r))
    {
    }
    void VoiceStop() override
    {
        if (real)
            real->VoiceStop();
    }
    void VoiceSpeak(const QString &text) override
    {
        spoken->append(text);
        if (real)
            real->VoiceSpeak(text);
    }
    std::int32_t VoiceStatus() override { return 0; }
    std::vector<ReadingProblem> useReadingDictionaries(const QString &folder) override
    {
        folders->append(folder);
        return real ? real->useReadingDictionaries(folder) : std::vector<ReadingProblem>{};
    }
};

// While it lives no file of this process grows beyond `bytes`, as on a full disk.
class DiskFullAt
{
public:
    explicit DiskFullAt(rlim_t bytes) : old_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAt()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_);
    }

private:
    rlimit saved_{};
    void (*old_)(int);
};

} // namespace

class tst_AnnouncementEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { editor_.reset(); }
    void typedCellsAreKeptOrRefused_data();
    void typedCellsAreKeptOrRefused();
    void buttonsEditTheLines_data();
    void buttonsEditTheLines();
    void hearSpeaksTheChosenLine();
    void hearIsHeard();
    void hearWithoutSpeechSaysSo();
    void theReadingIsTheSpeechsOwn();
    void aFileTellsItsNotesUntilTheyAreAnswered();
    void aRefusedFileOpensWithItsReason_data();
    void aRefusedFileOpensWithItsReason();
    void aFailedSaveKeepsTheOldFileAndSaysWhy();
    void aNewRouteStartsEmptyAndSavesAs();

private:
    QString path() const { return dir_->filePath(QStringLiteral("12tp.csv")); }
    QTableView *view() const { return editor_->findChild<QTableView *>(); }
    QString cell(int row, int column) const { return view()->model()->index(row, column).data().toString(); }
    QString lines() const;
    void clickCell(int row, int column);
    void type(const QString &text);
    void click(const char *button);
    void commit();

    ScopedAudioOutput audio_{[this] {
        auto out = std::make_unique<NullAudioOutput>();
        output_ = out.get();
        return out;
    }};
    ScopedSpeechEngine speech_{[this](SoundSystem &sound) -> std::unique_ptr<SpeechEngine> {
        if (noVoice_)
            return nullptr;
        return std::make_unique<NotingVoice>(
            &spoken_, &folders_, realVoice_ ? VoiceEngine::create(sound.mixer(), sound.speechVoice()) : nullptr);
    }};
    NullAudioOutput *output_ = nullptr;
    bool realVoice_ = false;
    bool noVoice_ = false;
    QStringList spoken_;
    QStringList folders_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AnnouncementEditor> editor_;
};

void tst_AnnouncementEditor::init()
{
    spoken_.clear();
    folders_.clear();
    realVoice_ = false;
    noVoice_ = false;
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(testing::writeFile(path(), kFile));
    editor_ = std::make_unique<AnnouncementEditor>();
    editor_->resize(800, 400);
    editor_->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    QVERIFY(editor_->load(path()));
}

QString tst_AnnouncementEditor::lines() const
{
    QStringList texts;
    for (int row = 0; row < view()->model()->rowCount(); ++row)
        texts << cell(row, 0);
    return texts.join(u'|');
}

void tst_AnnouncementEditor::clickCell(int row, int column)
{
    const QRect rect = view()->visualRect(view()->model()->index(row, column));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, rect.center());
}

// Types into the chosen cell as a person does: the first key opens it. Each
// character is a key of its own, as an input method hands them over.
void tst_AnnouncementEditor::type(const QString &text)
{
    for (const QChar c : text) {
        auto *line = view()->findChild<QLineEdit *>();
        QTest::sendKeyEvent(QTest::Click, line ? static_cast<QWidget *>(line) : view(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    }
}

// Enter in the open cell: the view takes what was typed once the key is handled.
void tst_AnnouncementEditor::commit()
{
    auto *line = view()->findChild<QLineEdit *>();
    QVERIFY(line);
    QTest::keyClick(line, Qt::Key_Return);
    QTRY_VERIFY(!view()->findChild<QLineEdit *>());
}

void tst_AnnouncementEditor::click(const char *button)
{
    auto *b = editor_->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

void tst_AnnouncementEditor::typedCellsAreKeptOrRefused_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");  // the cell afterwards
    QTest::addColumn<QString>("named"); // in the message as it is typed; empty: none
    QTest::newRow("text") << 0 << QStringLiteral("次は、市役所前です") << QStringLiteral("次は、市役所前です")
                          << QString();
    QTest::newRow("step flag") << 1 << QStringLiteral("0") << QStringLiteral("0") << QString();
    QTest::newRow("euro sign") << 0 << QStringLiteral("運賃€") << QStringLiteral("次は、駅前です")
                               << QStringLiteral("1行目: 「€」（3文字目）は Shift-JIS で表せない");
    QTest::newRow("step flag 2") << 1 << QStringLiteral("2") << QStringLiteral("1") << QStringLiteral("2 は使えません");
    QTest::newRow("sound flag 9") << 2 << QStringLiteral("9") << QStringLiteral("2")
                                  << QStringLiteral("9 は使えません");
    QTest::newRow("flag letter") << 2 << QStringLiteral("1x") << QStringLiteral("2")
                                 << QStringLiteral("2文字目が数字ではありません");
}

void tst_AnnouncementEditor::typedCellsAreKeptOrRefused()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, named);
    const QString before = cell(0, column);
    QSignalSpy modified(editor_.get(), &AnnouncementEditor::modificationChanged);
    clickCell(0, column);
    type(typed);
    QVERIFY2(named.isEmpty() ? editor_->message().isEmpty() : editor_->message().contains(named),
             qPrintable(editor_->message()));
    commit();
    QCOMPARE(cell(0, column), kept);
    if (kept == before) {
        QVERIFY(editor_->message().contains(named));
        QVERIFY(!editor_->isModified());
        QCOMPARE(modified.size(), 0);
        return;
    }
    QVERIFY(editor_->isModified());
    QCOMPARE(modified.size(), 1);
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(0, column), before);
    QVERIFY(!editor_->isModified());
    QCOMPARE(modified.last().at(0).toBool(), false);
    QTest::keyClick(view(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(cell(0, column), kept);
    QVERIFY(!editor_->save());
    QVERIFY(!editor_->isModified());
    AnnouncementEditor again;
    QVERIFY(again.load(path()));
    QCOMPARE(again.findChild<QTableView *>()->model()->index(0, column).data().toString(), kept);
}

void tst_AnnouncementEditor::buttonsEditTheLines_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("chosen"); // the line chosen afterwards
    QTest::newRow("insert") << 1 << QByteArray("insertLine") << QStringLiteral("次は、駅前です||おりる方は|終点です")
                            << 1;
    QTest::newRow("Delete empties the text")
        << 1 << QByteArray("Delete") << QStringLiteral("次は、駅前です||終点です") << 1;
    QTest::newRow("remove last") << 2 << QByteArray("removeLine") << QStringLiteral("次は、駅前です|おりる方は") << 1;
    QTest::newRow("up") << 2 << QByteArray("moveUp") << QStringLiteral("次は、駅前です|終点です|おりる方は") << 1;
    QTest::newRow("down") << 0 << QByteArray("moveDown") << QStringLiteral("おりる方は|次は、駅前です|終点です") << 1;
    QTest::newRow("not below the last") << 2 << QByteArray("moveDown")
                                        << QStringLiteral("次は、駅前です|おりる方は|終点です") << 2;
}

void tst_AnnouncementEditor::buttonsEditTheLines()
{
    QFETCH(int, row);
    QFETCH(QByteArray, button);
    QFETCH(QString, after);
    QFETCH(int, chosen);
    const QString before = lines();
    clickCell(row, 0);
    if (button == "Delete")
        QTest::keyClick(view(), Qt::Key_Delete);
    else
        click(button.constData());
    QCOMPARE(lines(), after);
    QCOMPARE(view()->currentIndex().row(), chosen);
    QCOMPARE(editor_->isModified(), after != before);
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(lines(), before);
}

void tst_AnnouncementEditor::hearSpeaksTheChosenLine()
{
    clickCell(1, 2);
    click("hear");
    QCOMPARE(spoken_, QStringList{QStringLiteral("おりる方は")});
    // The route's yomi.csv reads its names.
    QCOMPARE(folders_, QStringList{dir_->path() + u'/'});
}

void tst_AnnouncementEditor::hearIsHeard()
{
    realVoice_ = true;
    clickCell(2, 0);
    click("hear");
    QCOMPARE(spoken_, QStringList{QStringLiteral("終点です")});
    QVERIFY(output_);
    QVERIFY(testing::pumpUntilSound(*output_));
}

void tst_AnnouncementEditor::hearWithoutSpeechSaysSo()
{
    noVoice_ = true;
    clickCell(0, 0);
    click("hear");
    QVERIFY2(editor_->message().contains(QStringLiteral("音声合成を使えない")), qPrintable(editor_->message()));
}

void tst_AnnouncementEditor::theReadingIsTheSpeechsOwn()
{
    QVERIFY(testing::writeFile(dir_->filePath(QStringLiteral("yomi.csv")), "日和田,ヒワダ\n"));
    QVERIFY(testing::writeFile(path(), cp932::encode(u"日和田,0,0\r\n")));
    QVERIFY(editor_->load(path()));
    QCOMPARE(cell(0, 3), QStringLiteral("ヒワダ"));
    clickCell(0, 0);
    type(QStringLiteral("降車"));
    commit();
    QCOMPARE(cell(0, 3), QStringLiteral("コーシャ"));
    // The file holds no reading: typing there changes nothing.
    clickCell(0, 3);
    type(QStringLiteral("ア"));
    QVERIFY(!view()->findChild<QLineEdit *>());
    QCOMPARE(cell(0, 3), QStringLiteral("コーシャ"));
}

void tst_AnnouncementEditor::aFileTellsItsNotesUntilTheyAreAnswered()
{
    QVERIFY(testing::writeFile(path(), "a,\x82\x50,0\r\n"));
    QVERIFY(editor_->load(path()));
    const QString note = editor_->message();
    QVERIFY2(note.startsWith(QStringLiteral("1行目: 移動フラグ「１」に全角数字")), qPrintable(note));
    clickCell(0, 2);
    type(QStringLiteral("7"));
    commit();
    QVERIFY(editor_->message().contains(QStringLiteral("7 は使えません")));
    click("insertLine");
    QCOMPARE(editor_->message(), note);
}

void tst_AnnouncementEditor::aRefusedFileOpensWithItsReason_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<QString>("reason");
    QTest::newRow("cut off") << QByteArray("a,1,0\nb,1\n")
                             << QStringLiteral("2行目: 行の途中でファイルが終わっています");
    QTest::newRow("flag beyond 16 bits") << QByteArray("a,1,0\nb,1,99999\n") << QStringLiteral("2行目: フラグの数値が");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("ファイルが見つかりません");
}

void tst_AnnouncementEditor::aRefusedFileOpensWithItsReason()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    const QString refused = dir_->filePath(QStringLiteral("13tp.csv"));
    if (!file.isEmpty())
        QVERIFY(testing::writeFile(refused, file));
    click("insertLine");
    QSignalSpy modified(editor_.get(), &AnnouncementEditor::modificationChanged);
    QVERIFY(!editor_->load(refused));
    QCOMPARE(modified.size(), 1);
    QVERIFY(!editor_->isModified());
    QVERIFY2(editor_->message().contains(reason), qPrintable(editor_->message()));
    QVERIFY(editor_->message().contains(QDir::toNativeSeparators(refused)));
    QCOMPARE(view()->model()->rowCount(), 0);
    QVERIFY(!view()->isEnabled());
    QVERIFY(!editor_->findChild<QPushButton *>(QStringLiteral("insertLine"))->isEnabled());
    // Nothing is written over the file refused, nor over the one before.
    QVERIFY(editor_->save());
    QCOMPARE(QFileInfo::exists(refused), !file.isEmpty());
    QFile old(path());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), kFile);
}

void tst_AnnouncementEditor::aFailedSaveKeepsTheOldFileAndSaysWhy()
{
    clickCell(1, 0);
    type(QStringLiteral("お降りの方はボタンでお知らせください"));
    commit();
    std::optional<QString> why;
    {
        const DiskFullAt full(16);
        why = editor_->save();
    }
    QVERIFY(why);
    QVERIFY2(why->contains(QStringLiteral("保存できませんでした")), qPrintable(*why));
    QCOMPARE(editor_->message(), *why);
    QVERIFY(editor_->isModified());
    QFile old(path());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), kFile);
}

void tst_AnnouncementEditor::aNewRouteStartsEmptyAndSavesAs()
{
    const QString made = dir_->filePath(QStringLiteral("7tp.csv"));
    const QString copy = dir_->filePath(QStringLiteral("8tp.csv"));
    editor_->startNew(made);
    QCOMPARE(view()->model()->rowCount(), 0);
    click("insertLine");
    type(QStringLiteral("降車"));
    commit();
    QVERIFY(!editor_->save());
    const QByteArray bytes = cp932::encode(u"\"降車\",0,0\r\n");
    QFile file(made);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QVERIFY(!editor_->saveAs(copy));
    QCOMPARE(editor_->path(), copy);
    QFile copied(copy);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), bytes);
}

QTEST_MAIN(tst_AnnouncementEditor)
#include "tst_announcementeditor.moc"
