// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeDialogs.h"
#include "formats/FareCsv.h"
#include "formats/FareFile.h"
#include "reslib/MsgBox.h"
#include "dialogs/Modal.h"
#include "windows/AnnouncementEditor.h"
#include "windows/FareGridView.h"
#include "windows/FarePanelView.h"
#include "windows/frmFareEdit.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QShortcut>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace kerubara;
using editing::FareTableModel;

namespace {

// Stops 停留所1, 停留所2, ... with ticket number = stop and fare 1 = 100 * stop.
std::vector<FareFileRecord> route(int stops)
{
    std::vector<FareFileRecord> records(static_cast<std::size_t>(stops));
    for (int i = 0; i < stops; ++i) {
        auto &r = records[static_cast<std::size_t>(i)];
        r.chimei = QByteArray("\x92\xe2\x97\xaf\x8f\x8a", 6) + QByteArray::number(i + 1); // 停留所N
        r.seirikenNo = static_cast<std::int16_t>(i + 1);
        r.cols[0] = static_cast<std::int16_t>(100 * (i + 1));
    }
    return records;
}

QByteArray fileOf(const std::vector<FareFileRecord> &records)
{
    return *serializeFareFile(records);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const int kFare1 = FareTableModel::columnOfFare(1);

} // namespace

class tst_frmFareEdit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keysEditTheGrid_data();
    void keysEditTheGrid();
    void pastedBlockIsOneStep_data();
    void pastedBlockIsOneStep();
    void copiedBlockIsTabSeparated();
    void stopKeysInsertRemoveAndMove_data();
    void stopKeysInsertRemoveAndMove();
    void savedFileIsWhatWasTyped();
    void unchangedFileSavesByteForByte();
    void refusedFileOpensNothing_data();
    void refusedFileOpensNothing();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void leavingWithChangesAsks_data();
    void leavingWithChangesAsks();
    void otherColumnsBehindTheToggle();
    void csvReadInIsOneStep_data();
    void csvReadInIsOneStep();
    void plainKeysAnywhereAreTheEditors_data();
    void plainKeysAnywhereAreTheEditors();
    void markedCellsAreListed_data();
    void markedCellsAreListed();
    void thePanelShowsTheCurrentStop();
    void fillByRuleIsOneStep();
    void announcementsAreSavedBeside();

private:
    // Types a script into the focused widget: words are typed as they stand,
    // {Key} names one key press (^ for Ctrl).
    void press(const QString &script);

    QTemporaryDir dir_;
    std::unique_ptr<frmFareEdit> editor_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    QList<MsgBoxCall> messages_;
    int answer_ = vbOK;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scopedDialogs_;
    QString routePath_;
};

void tst_frmFareEdit::init()
{
    messages_.clear();
    answer_ = vbOK;
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &call) {
        messages_ << call;
        return answer_;
    });
    dialogs_.file.clear();
    scopedDialogs_ = std::make_unique<ScopedResDialogs>(dialogs_);
    routePath_ = dir_.filePath(QStringLiteral("12.hy3"));
    QVERIFY(writeFile(routePath_, fileOf(route(4))));
    editor_ = std::make_unique<frmFareEdit>();
    QVERIFY(editor_->openFile(routePath_));
    editor_->show();
    editor_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
    editor_->grid()->setFocus();
}

void tst_frmFareEdit::cleanup()
{
    answer_ = vbNo; // leave without saving
    editor_.reset();
    scopedDialogs_.reset();
    boxes_.reset();
}

void tst_frmFareEdit::press(const QString &script)
{
    static const QHash<QString, QKeyCombination> keys{
        {"Enter", Qt::Key_Return},     {"Esc", Qt::Key_Escape},       {"F2", Qt::Key_F2},
        {"Del", Qt::Key_Delete},       {"Down", Qt::Key_Down},        {"Up", Qt::Key_Up},
        {"Right", Qt::Key_Right},      {"Left", Qt::Key_Left},        {"^Z", Qt::CTRL | Qt::Key_Z},
        {"^Y", Qt::CTRL | Qt::Key_Y},  {"^Home", Qt::CTRL | Qt::Key_Home}, {"^C", Qt::CTRL | Qt::Key_C},
        {"^V", Qt::CTRL | Qt::Key_V},  {"^S", Qt::CTRL | Qt::Key_S},  {"^+", Qt::CTRL | Qt::Key_Plus},
        {"^-", Qt::CTRL | Qt::Key_Minus}, {"S-Down", Qt::SHIFT | Qt::Key_Down},
        {"S-Right", Qt::SHIFT | Qt::Key_Right}, {"A-S-Up", Qt::ALT | Qt::SHIFT | Qt::Key_Up},
        {"A-S-Down", Qt::ALT | Qt::SHIFT | Qt::Key_Down},
    };
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, qPrintable(word));
        if (word.startsWith(u'{')) {
            const QString name = word.mid(1, word.size() - 2);
            QVERIFY2(keys.contains(name), qPrintable(name));
            QTest::keyClick(target, keys[name].key(), keys[name].keyboardModifiers());
            QCoreApplication::processEvents(); // what the delegate queues, as the event loop runs it
        } else {
            // The first character opens the editor, which takes the rest.
            for (const QChar c : word) {
                if (c.unicode() < 0x80) {
                    QTest::keyClicks(QApplication::focusWidget(), QString(c));
                    continue;
                }
                // What an input method sends: a key with its text.
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(QApplication::focusWidget(), &press);
            }
        }
    }
}

void tst_frmFareEdit::keysEditTheGrid_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("fare"); // fare 1 of stop 2 afterwards (it starts at 200)
    QTest::addColumn<QPoint>("current"); // (column, row)
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("status");

    const QPoint below(kFare1, 2);
    QTest::newRow("typing replaces, Enter moves down") << "230 {Enter}" << "230" << below << true << "";
    QTest::newRow("F2 edits in place") << "{F2} 5 {Enter}" << "2005" << below << true << "";
    QTest::newRow("Escape keeps the cell") << "230 {Esc}" << "200" << QPoint(kFare1, 1) << false << "";
    QTest::newRow("Enter alone moves down") << "{Enter}" << "200" << below << false << "";
    QTest::newRow("Delete clears") << "{Del}" << "0" << QPoint(kFare1, 1) << true << "";
    QTest::newRow("Delete on a clear cell changes nothing") << "{Del} {^S} {Del}" << "0" << QPoint(kFare1, 1) << false << "保存しました";
    QTest::newRow("undo") << "230 {Enter} {^Z}" << "200" << below << false << "";
    QTest::newRow("redo") << "230 {Enter} {^Z} {^Y}" << "230" << below << true << "";
    QTest::newRow("arrows move") << "{Down} {Right} {Up}" << "200" << QPoint(kFare1 + 1, 1) << false << "";
    QTest::newRow("Ctrl+Home to the first name") << "{Down} {^Home}" << "200" << QPoint(0, 0) << false << "";
    QTest::newRow("out of range refused") << "40000 {Enter}" << "200" << below << false << "範囲";
    QTest::newRow("not a number refused") << "2x0 {Enter}" << "200" << below << false << "2文字目";
}

void tst_frmFareEdit::keysEditTheGrid()
{
    QFETCH(QString, keys);
    QFETCH(QString, fare);
    QFETCH(QPoint, current);
    QFETCH(bool, modified);
    QFETCH(QString, status);
    FareGridView *grid = editor_->grid();
    grid->setCurrentIndex(editor_->model().index(1, kFare1));
    // Keys another window binds application-wide, as the console does.
    QWidget console;
    int consolePresses = 0;
    for (const Qt::Key key : {Qt::Key_0, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_Return, Qt::Key_Right, Qt::Key_Escape,
                              Qt::Key_Delete, Qt::Key_Up, Qt::Key_Down, Qt::Key_F2}) {
        auto *shortcut = new QShortcut(QKeySequence(key), &console);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, [&consolePresses] { ++consolePresses; });
    }
    console.show();
    QVERIFY(QTest::qWaitForWindowActive(&console));
    editor_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
    grid->setFocus();

    press(keys);
    QCOMPARE(consolePresses, 0);
    QCOMPARE(editor_->model().index(1, kFare1).data().toString(), fare);
    QCOMPARE(QPoint(grid->currentIndex().column(), grid->currentIndex().row()), current);
    QCOMPARE(editor_->isWindowModified(), modified);
    QCOMPARE(editor_->windowTitle(), QStringLiteral("12.hy3[*] - 運賃表の編集"));
    if (status.isEmpty())
        QVERIFY(editor_->statusBar()->currentMessage().isEmpty());
    else
        QVERIFY2(editor_->statusBar()->currentMessage().contains(status),
                 qPrintable(editor_->statusBar()->currentMessage()));
}

void tst_frmFareEdit::pastedBlockIsOneStep_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("select"); // keys from stop 2's fare 1
    QTest::addColumn<QString>("fares");  // fare 1 and 2 of every stop afterwards
    QTest::addColumn<QString>("status");

    QTest::newRow("a block from a spreadsheet") << "150\t160\r\n170\t180\r\n" << ""
                                                << "100 0,150 160,170 180,400 0" << "";
    QTest::newRow("one value fills the selection") << "90\n" << "{S-Down} {S-Right}"
                                                   << "100 0,90 90,90 90,400 0" << "";
    QTest::newRow("past the last stop adds stops") << "1\n2\n3\n4\n" << ""
                                                   << "100 0,1 0,2 0,3 0,4 0" << "";
    QTest::newRow("a bad cell refuses the block") << "1\t2\n3\tx\n" << ""
                                                  << "100 0,200 0,300 0,400 0" << "停留所3の運賃 2";
}

void tst_frmFareEdit::pastedBlockIsOneStep()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, select);
    QFETCH(QString, fares);
    QFETCH(QString, status);
    const QString before = QStringLiteral("100 0,200 0,300 0,400 0");
    const auto faresNow = [this] {
        QStringList rows;
        for (const FareRecord &r : editor_->model().records())
            rows << QStringLiteral("%1 %2").arg(r.Col(1)).arg(r.Col(2));
        return rows.join(u',');
    };
    QVERIFY(faresNow() == before);
    editor_->grid()->setCurrentIndex(editor_->model().index(1, kFare1));
    QApplication::clipboard()->setText(clipboard);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);

    press(select + QStringLiteral(" {^V}"));
    QCOMPARE(faresNow(), fares);
    QVERIFY2(editor_->statusBar()->currentMessage().contains(status), qPrintable(editor_->statusBar()->currentMessage()));
    press(QStringLiteral("{^Z}"));
    QCOMPARE(faresNow(), before);
}

void tst_frmFareEdit::copiedBlockIsTabSeparated()
{
    editor_->grid()->setCurrentIndex(editor_->model().index(2, FareTableModel::kNameColumn));
    QApplication::clipboard()->clear();
    press(QStringLiteral("{S-Right} {S-Right} {S-Down} {^C}"));
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("停留所3\t3\t300\n停留所4\t4\t400\n"));
}

void tst_frmFareEdit::stopKeysInsertRemoveAndMove_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("names");

    QTest::newRow("insert") << "{^+}" << "停留所1,,停留所2,停留所3,停留所4";
    QTest::newRow("remove") << "{^-}" << "停留所1,停留所3,停留所4";
    QTest::newRow("remove two") << "{S-Down} {^-}" << "停留所1,停留所4";
    QTest::newRow("move up") << "{A-S-Up}" << "停留所2,停留所1,停留所3,停留所4";
    QTest::newRow("move down") << "{A-S-Down}" << "停留所1,停留所3,停留所2,停留所4";
    QTest::newRow("undone") << "{^+} {^Z}" << "停留所1,停留所2,停留所3,停留所4";
}

void tst_frmFareEdit::stopKeysInsertRemoveAndMove()
{
    QFETCH(QString, keys);
    QFETCH(QString, names);
    editor_->grid()->setCurrentIndex(editor_->model().index(1, kFare1));
    press(keys);
    QStringList now;
    for (const FareRecord &r : editor_->model().records())
        now << r.Chimei;
    QCOMPARE(now.join(u','), names);
}

void tst_frmFareEdit::savedFileIsWhatWasTyped()
{
    // A new route typed in by keys, saved with Ctrl+S under a name asked for.
    editor_->newRoute();
    editor_->grid()->setFocus();
    press(QStringLiteral("{^Home} 駅前 {Enter} 本町 {Enter} {^Home} {Right} 1 {Enter} 2 {Enter}"
                         " {^Home} {Right} {Right} 150 {Enter} 160"));
    press(QStringLiteral("{Enter}"));
    const QString path = dir_.filePath(QStringLiteral("new.hy3"));
    dialogs_.file = path;
    press(QStringLiteral("{^S}"));
    QCOMPARE(messages_.size(), 0);
    QCOMPARE(editor_->filePath(), path);
    QVERIFY(!editor_->isWindowModified());
    QCOMPARE(editor_->windowTitle(), QStringLiteral("new.hy3[*] - 運賃表の編集"));

    QBuffer saved;
    saved.setData(readFile(path));
    saved.open(QIODevice::ReadOnly);
    const FareFileScan scan = scanFareFile(saved);
    QString expected = farecsv::header().join(u',') + u'\n';
    const QString zeros = QStringLiteral(",0").repeated(kFareColumns - 1);
    expected += QStringLiteral("駅前,1,150") + zeros + u'\n';
    expected += QStringLiteral("本町,2,160") + zeros + u'\n';
    QCOMPARE(farecsv::toCsv(scan.records), expected);

    const QString csv = dir_.filePath(QStringLiteral("new.csv"));
    QVERIFY(editor_->exportCsv(csv));
    QCOMPARE(QString::fromUtf8(readFile(csv)), expected);
}

void tst_frmFareEdit::unchangedFileSavesByteForByte()
{
    // A name whose bytes are not how the text would be written (0x8790 reads
    // as ≒, which is written 0x81E0), beside one that is edited.
    std::vector<FareFileRecord> records = route(3);
    records[0].chimei = QByteArray("\x87\x90", 2);
    const QByteArray bytes = fileOf(records);
    QVERIFY(writeFile(routePath_, bytes));
    QVERIFY(editor_->openFile(routePath_));
    editor_->grid()->setCurrentIndex(editor_->model().index(1, kFare1));
    press(QStringLiteral("999 {Enter} {^Z} {^S}"));
    QCOMPARE(messages_.size(), 0);
    QCOMPARE(readFile(routePath_), bytes);

    editor_->grid()->setCurrentIndex(editor_->model().index(1, FareTableModel::kNameColumn));
    press(QStringLiteral("X {Enter} {^S}"));
    records[1].chimei = "X";
    QCOMPARE(readFile(routePath_), fileOf(records));
}

void tst_frmFareEdit::refusedFileOpensNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray whole = fileOf(route(3));
    QTest::newRow("cut short") << whole.left(whole.size() - 10) << "3件目の停留所";
    QTest::newRow("no count") << QByteArray("\x03", 1) << "件数";
    QTest::newRow("negative count") << QByteArray("\xff\xff", 2) << "負の数";
    QTest::newRow("302 stops") << QByteArray("\x2e\x01", 2) << "302";
    QTest::newRow("a folder") << QByteArray() << "フォルダー";
}

void tst_frmFareEdit::refusedFileOpensNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QString path = dir_.filePath(QStringLiteral("bad.hy3"));
    if (bytes.isEmpty())
        path = dir_.path();
    else
        QVERIFY(writeFile(path, bytes));
    const auto before = editor_->model().records();

    QVERIFY(!editor_->openFile(path));
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().prompt.contains(reason), qPrintable(messages_.front().prompt));
    QVERIFY(messages_.front().prompt.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(editor_->model().records(), before);
    QCOMPARE(editor_->filePath(), routePath_);
}

void tst_frmFareEdit::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");

    QTest::newRow("the disk takes no more") << "full" << "元のファイルは変更していません";
    QTest::newRow("the name is a folder") << "folder" << "";
}

void tst_frmFareEdit::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    const QByteArray old = readFile(routePath_);
    editor_->grid()->setCurrentIndex(editor_->model().index(0, kFare1));
    press(QStringLiteral("777 {Enter}"));
    if (failure == u"full") {
        // Files may grow no larger than a few bytes: writing fails as on a full disk.
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        press(QStringLiteral("{^S}"));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
    } else {
        dialogs_.file = dir_.path();
        editor_->saveAs();
    }
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().prompt.contains(QStringLiteral("保存できませんでした"))
                 && messages_.front().prompt.contains(reason),
             qPrintable(messages_.front().prompt));
    QCOMPARE(readFile(routePath_), old);
    QVERIFY(editor_->isWindowModified());
    QCOMPARE(editor_->filePath(), routePath_);
}

void tst_frmFareEdit::leavingWithChangesAsks_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("fareInFile");

    QTest::newRow("nothing changed") << false << int(vbCancel) << 0 << true << "100";
    QTest::newRow("cancel stays") << true << int(vbCancel) << 1 << false << "100";
    QTest::newRow("no leaves unsaved") << true << int(vbNo) << 1 << true << "100";
    QTest::newRow("yes saves") << true << int(vbYes) << 1 << true << "555";
}

void tst_frmFareEdit::leavingWithChangesAsks()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, closed);
    QFETCH(QString, fareInFile);
    editor_->grid()->setCurrentIndex(editor_->model().index(0, kFare1));
    if (changed)
        press(QStringLiteral("555 {Enter}"));
    answer_ = answer;
    QCOMPARE(editor_->close(), closed);
    QCOMPARE(messages_.size(), questions);
    QBuffer saved;
    saved.setData(readFile(routePath_));
    saved.open(QIODevice::ReadOnly);
    QCOMPARE(QString::number(scanFareFile(saved).records.front().cols[0]), fareInFile);
}

void tst_frmFareEdit::otherColumnsBehindTheToggle()
{
    FareGridView *grid = editor_->grid();
    const auto headerOf = [this](int data) {
        return editor_->model().headerData(data + 1, Qt::Horizontal).toString();
    };
    editor_->setReadColumns(140, 30);
    QVERIFY(!grid->isColumnHidden(FareTableModel::columnOfFare(12)));
    QVERIFY(grid->isColumnHidden(FareTableModel::columnOfFare(13)));
    QCOMPARE(headerOf(12), QStringLiteral("運賃 12"));
    QCOMPARE(headerOf(30), QStringLiteral("列 30\nデータ表示"));
    QCOMPARE(headerOf(140), QStringLiteral("列 140\nステップ音"));
    QCOMPARE(headerOf(149), QStringLiteral("列 149\n所要分（GTFS）"));
    QCOMPARE(headerOf(150), QStringLiteral("列 150\nステップ音（GTFS）"));

    // A ticket number above 12 brings its fare column with it.
    grid->setCurrentIndex(editor_->model().index(3, FareTableModel::kTicketColumn));
    press(QStringLiteral("15 {Enter}"));
    QVERIFY(!grid->isColumnHidden(FareTableModel::columnOfFare(15)));
    QVERIFY(grid->isColumnHidden(FareTableModel::columnOfFare(16)));
    QCOMPARE(headerOf(15), QStringLiteral("運賃 15"));

    editor_->findChild<QAction *>(QStringLiteral("actAllColumns"))->trigger();
    QVERIFY(!grid->isColumnHidden(151));
}

void tst_frmFareEdit::csvReadInIsOneStep_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("names");   // the stops afterwards; the same four when refused
    QTest::addColumn<QString>("message"); // what the author is told, in the box or behind 詳細

    QTest::newRow("read in") << QByteArray("Chimei,SeirikenNo,Col1\n東口,1,120\n西口,2,-1\n") << "東口,西口"
                             << "Col2～Col150";
    QTest::newRow("a bad number refused") << QByteArray("Chimei,SeirikenNo,Col1\n東口,1,12x\n")
                                          << "停留所1,停留所2,停留所3,停留所4" << "2行目";
}

void tst_frmFareEdit::csvReadInIsOneStep()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, names);
    QFETCH(QString, message);
    const QString path = dir_.filePath(QStringLiteral("in.csv"));
    QVERIFY(writeFile(path, csv));
    const auto namesNow = [this] {
        QStringList list;
        for (const FareRecord &r : editor_->model().records())
            list << r.Chimei;
        return list.join(u',');
    };
    const QString before = namesNow();
    const bool read = editor_->importCsv(path);
    QCOMPARE(namesNow(), names);
    QCOMPARE(read, names != before);
    QCOMPARE(messages_.size(), 1);
    QVERIFY2((messages_.front().prompt + messages_.front().details).contains(message),
             qPrintable(messages_.front().prompt + messages_.front().details));
    QCOMPARE(editor_->isWindowModified(), read);
    press(QStringLiteral("{^Z}"));
    QCOMPARE(namesNow(), before);
}

// The console's keys, bound for the whole program, do not fire while the
// focus is anywhere in the editor, not only in the grid.
void tst_frmFareEdit::plainKeysAnywhereAreTheEditors_data()
{
    QTest::addColumn<QString>("widget"); // the object name of the part with the focus
    QTest::newRow("the list of marks") << "markList";
    QTest::newRow("the announcements") << "announcements";
    QTest::newRow("the tabs") << "tabs";
}

void tst_frmFareEdit::plainKeysAnywhereAreTheEditors()
{
    QFETCH(QString, widget);
    QWidget console;
    int consolePresses = 0;
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Return, Qt::Key_Right, Qt::Key_Down}) {
        auto *shortcut = new QShortcut(QKeySequence(key), &console);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, [&consolePresses] { ++consolePresses; });
    }
    console.show();
    QVERIFY(QTest::qWaitForWindowActive(&console));
    editor_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
    QWidget *part = widget == u"announcements" ? editor_->announcements()->findChild<QTableView *>()
                                                : editor_->findChild<QWidget *>(widget);
    QVERIFY(part);
    if (widget == u"announcements")
        editor_->tabs()->setCurrentWidget(editor_->announcements());
    part->setFocus();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && (focus == part || part->isAncestorOf(focus)));
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Return, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(focus, key);
    QCOMPARE(consolePresses, 0);
    // A key with Ctrl is still a shortcut.
    QTest::keyClick(editor_->grid(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!editor_->isWindowModified());
}

// The unit's rules mark a cell as it is typed, in the grid and in the list
// below it; undo takes the mark away with the change.
void tst_frmFareEdit::markedCellsAreListed_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("listed"); // the first line listed; empty: nothing listed
    QTest::addColumn<int>("lines");
    QTest::newRow("a fare falling along the route") << "150 {Enter}" << "停留所3" << 1;
    // Stop 4's 400 then falls from it.
    QTest::newRow("cut to three digits") << "1200 {Enter}" << "停留所3" << 2;
    QTest::newRow("undone") << "150 {Enter} {^Z}" << "" << 0;
    QTest::newRow("rising as it should") << "310 {Enter}" << "" << 0;
}

void tst_frmFareEdit::markedCellsAreListed()
{
    QFETCH(QString, keys);
    QFETCH(QString, listed);
    QFETCH(int, lines);
    editor_->grid()->setCurrentIndex(editor_->model().index(2, kFare1));
    press(keys);
    auto *list = editor_->findChild<QListWidget *>(QStringLiteral("markList"));
    QVERIFY(list);
    const QVariant colour = editor_->model().index(2, kFare1).data(Qt::BackgroundRole);
    if (listed.isEmpty()) {
        QCOMPARE(list->count(), 0);
        QVERIFY(!colour.isValid());
        return;
    }
    QCOMPARE(list->count(), lines);
    QVERIFY2(list->item(0)->text().startsWith(listed), qPrintable(list->item(0)->text()));
    QVERIFY(colour.isValid());
    // Choosing the line goes to the cell.
    editor_->grid()->setCurrentIndex(editor_->model().index(0, 0));
    emit list->itemActivated(list->item(0));
    QCOMPARE(editor_->grid()->currentIndex(), editor_->model().index(2, kFare1));
}

// The panel beside the grid is the unit's panel at the stop the cursor is on,
// and follows a change of that stop's fares.
void tst_frmFareEdit::thePanelShowsTheCurrentStop()
{
    editor_->grid()->setCurrentIndex(editor_->model().index(1, kFare1));
    press(QStringLiteral("{Down}"));
    press(QStringLiteral("370 {Up}"));
    FarePanelView expected;
    expected.showStop(editor_->model().records(), 3);
    QCOMPARE(editor_->model().records()[2].Col(1), 370);
    editor_->grid()->setCurrentIndex(editor_->model().index(2, kFare1));
    QCOMPARE(editor_->panelView()->image(), expected.image());
    editor_->grid()->setCurrentIndex(editor_->model().index(0, kFare1));
    QVERIFY(editor_->panelView()->image() != expected.image());
}

// Fares by a stage table fill the selected fare cells as one undoable step.
void tst_frmFareEdit::fillByRuleIsOneStep()
{
    FareGridView *grid = editor_->grid();
    grid->setCurrentIndex(editor_->model().index(0, kFare1));
    grid->selectionModel()->select(QItemSelection(editor_->model().index(0, kFare1),
                                                  editor_->model().index(3, kFare1 + 3)),
                                   QItemSelectionModel::ClearAndSelect);
    const ScopedModalHandler dialog([](QDialog &d) {
        auto *fares = d.findChild<QLineEdit *>(QStringLiteral("faresEdit"));
        QVERIFY(fares);
        fares->setFocus();
        QTest::keyClicks(fares, QStringLiteral("170 210 250 290"));
        auto *buttons = d.findChild<QDialogButtonBox *>(QStringLiteral("buttons"));
        QVERIFY(buttons && buttons->button(QDialogButtonBox::Ok)->isEnabled());
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    const std::vector<FareRecord> before = editor_->model().records();
    editor_->fillByRule();
    const std::vector<FareRecord> after = editor_->model().records();
    // Stop s issues ticket s: s - t stages travelled, a ticket not yet issued 0.
    const int expected[4][4] = {{170, 0, 0, 0}, {210, 170, 0, 0}, {250, 210, 170, 0}, {290, 250, 210, 170}};
    for (int s = 0; s < 4; ++s)
        for (int t = 0; t < 4; ++t)
            QCOMPARE(after[std::size_t(s)].Col(t + 1), expected[s][t]);
    editor_->model().undoStack()->undo();
    QVERIFY(editor_->model().records() == before);
}

// The route's announcements are the second tab: opened with the fare data,
// saved beside it with Ctrl+S, and a change of them marks the title.
void tst_frmFareEdit::announcementsAreSavedBeside()
{
    const QString tp = dir_.filePath(QStringLiteral("12tp.csv"));
    QVERIFY(writeFile(tp, QByteArray("\"\x8e\x9f\x82\xcd\",0,0\r\n")));  // 次は
    QVERIFY(editor_->openFile(routePath_));
    AnnouncementEditor *announcements = editor_->announcements();
    QCOMPARE(announcements->path(), tp);
    QVERIFY(!editor_->isWindowModified());
    auto *table = announcements->findChild<QTableView *>();
    QVERIFY(table);
    QVERIFY(table->model()->setData(table->model()->index(0, 0), QStringLiteral("終点です")));
    QVERIFY(editor_->isWindowModified());
    editor_->grid()->setFocus();
    press(QStringLiteral("{^S}"));
    QVERIFY(!editor_->isWindowModified());
    QCOMPARE(readFile(tp), QByteArray("\"\x8f\x49\x93\x5f\x82\xc5\x82\xb7\",0,0\r\n")); // 終点です
    QCOMPARE(readFile(routePath_), fileOf(route(4)));
}

QTEST_MAIN(tst_frmFareEdit)
#include "tst_frmfareedit.moc"
