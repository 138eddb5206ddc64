// SPDX-License-Identifier: GPL-3.0-or-later
// Page 5 of the options window (the ticket plug-in) and the ticket preview
// it feeds on the control panel.
#include "windows/frmOption.h"

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "OptionControls.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "reslib/Seams.h"
#include "sound/AudioOutput.h"
#include "windows/PictureBox.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmCtl.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

const QString kPlain = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-plain.4SP");
const QString kFull = QStringLiteral(KERUBARA_EXAMPLES_DIR "/ticket-full.4SP");

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// The number of distinct colours in a picture: a drawn ticket has many.
int colours(const QImage &image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

class tst_frmOptionPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pluginListShowsWhatItPrints_data();
    void pluginListShowsWhatItPrints();
    void choosingAPluginFillsThePageAndTheConsole();
    void choosingTwiceListsTheCompaniesOnce();
    void cancelledChoiceChangesNothing();
    void refusedFileShowsTheLoadErrorAndKeepsThePage();
    void emptyPathLoadsNothing();
    void clearingKeepsThePreviewAndCompanies();
    void previewDrawsTheTicketAtEveryStop();
    void previewOffDrawsNothing();
    void companyListChoosesNoCompany_data();
    void companyListChoosesNoCompany();
    void changingTheCompanyRedrawsTheTicket();
    void largePreviewIsScaledIntoThePane_data();
    void largePreviewIsScaledIntoThePane();
    void refusedFileNamesTheLineAndReason_data();
    void refusedFileNamesTheLineAndReason();
    void listAndNoteShowTenLines();

private:
    QString write(const QString &name, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scoped_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    std::unique_ptr<ScopedSleepHandler> sleeps_;
    std::unique_ptr<ScopedAudioOutput> audio_;
    QList<MsgBoxCall> messages_;
};

void tst_frmOptionPlugin::initTestCase()
{
    installFontSubstitutions();
}

void tst_frmOptionPlugin::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    dialogs_ = testing::FakeDialogs{};
    scoped_ = std::make_unique<ScopedResDialogs>(dialogs_);
    messages_.clear();
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return int(vbOK);
    });
    sleeps_ = std::make_unique<ScopedSleepHandler>([](int) {});
    audio_ = std::make_unique<ScopedAudioOutput>([] { return std::make_unique<NullAudioOutput>(); });
    sim_ = std::make_unique<Simulator>();
    sim_->start();
    // The page as the user sees it; its controls are usable only with the
    // preview on.
    sim_->option().show();
    click(controls(sim_->option()).Option1[5]);
    QCheckBox *preview = controls(sim_->option()).chkUseSeiriPrev;
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(8, preview->height() / 2)); // on its box
    QVERIFY(controls(sim_->option()).Command1->isEnabled());
}

void tst_frmOptionPlugin::cleanup()
{
    sim_.reset();
    audio_.reset();
    sleeps_.reset();
    boxes_.reset();
    scoped_.reset();
    dir_.reset();
}

QString tst_frmOptionPlugin::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir_->filePath(name);
    testing::writeFile(path, bytes);
    return path;
}

void tst_frmOptionPlugin::pluginListShowsWhatItPrints_data()
{
    QTest::addColumn<QByteArray>("plugin");
    QTest::addColumn<QStringList>("lines");
    const QByteArray head = "[Plugin]\nFormat=kerubara-ticket 1\nWidth=100\nHeight=80\n";
    QTest::newRow("date and route, no barcode: six lines")
        << head + "PrintDate=1\nPrintRoute=1\n"
        << QStringList{u"日付の印字 ---> 可能"_qs, u"時刻の印字 ---> 不可"_qs, u"系統番号の印字 ---> 可能"_qs,
                       u"停名の印字 ---> 不可"_qs, u"バーコード印字 ---> 不可"_qs, u"社名切り替え:---> 不可"_qs};
    QTest::newRow("barcode 2 counts as none, company switch 3 as yes")
        << head + "Barcode=2\nCompanySwitch=3\n"
        << QStringList{u"日付の印字 ---> 不可"_qs, u"時刻の印字 ---> 不可"_qs, u"系統番号の印字 ---> 不可"_qs,
                       u"停名の印字 ---> 不可"_qs, u"バーコード印字 ---> 不可"_qs, u"社名切り替え:---> 可能"_qs};
    QTest::newRow("barcode: ten lines")
        << head + "Barcode=1\nBarcodeType=ITF\nBarcodeCount=2\nRouteMax=500\nBarcodeScheme=2\nStopMin=3\nStopMax=40\n"
        << QStringList{u"日付の印字 ---> 不可"_qs,
                       u"時刻の印字 ---> 不可"_qs,
                       u"系統番号の印字 ---> 不可"_qs,
                       u"停名の印字 ---> 不可"_qs,
                       u"バーコード印字 ---> 可能"_qs,
                       u"バーコード本数 ---> 2"_qs,
                       u"バーコード系統方式 ---> 系統番号＋往復フラグ"_qs,
                       u"設定可能な系統範囲 ---> 1 ～ 500"_qs,
                       u"停留所認識範囲 ---> 3 ～ 40"_qs,
                       u"社名切り替え:---> 不可"_qs};
}

void tst_frmOptionPlugin::pluginListShowsWhatItPrints()
{
    QFETCH(QByteArray, plugin);
    QFETCH(QStringList, lines);
    const QString path = write(QStringLiteral("t.4SP"), plugin);
    QCOMPARE(sim_->option().SetPlgin(path), 1);
    QCOMPARE(items(controls(sim_->option()).List1), lines);
    QVERIFY(sim_->ctl().useTicketPlugin(path));
    QCOMPARE(sim_->ctl().picSeirikenPrev->size(), QSize(100, 80));
}

void tst_frmOptionPlugin::choosingAPluginFillsThePageAndTheConsole()
{
    frmOption &o = sim_->option();
    dialogs_.file = kFull;
    click(controls(o).Command1);
    QCOMPARE(dialogs_.lastTitle, QStringLiteral("プラグインの選択"));
    QCOMPARE(dialogs_.lastFilter.size(), 1);
    QCOMPARE(dialogs_.lastFilter[0].description, QStringLiteral("整理券プラグイン(*.4SP)"));
    QCOMPARE(dialogs_.lastFilter[0].pattern, QStringLiteral("*.4SP"));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(controls(o).txtSeiriPlgDir->text(), kFull);
    QCOMPARE(controls(o).List1->count(), 10);
    QVERIFY(controls(o).txtPlginComment->toPlainText().startsWith(QStringLiteral("日付・時刻・系統・停留所名・社名を印字する")));
    QCOMPARE(items(sim_->ctl().Combo1),
             (QStringList{u"みどり交通"_qs, u"ひがし観光バス"_qs, u"中央市営バス"_qs}));
    QCOMPARE(sim_->ctl().picSeirikenPrev->size(), QSize(200, 256));
}

void tst_frmOptionPlugin::choosingTwiceListsTheCompaniesOnce()
{
    frmOption &o = sim_->option();
    // As the settings file restores it at start-up: adds without emptying.
    QCOMPARE(o.SetPlgin(kFull), 1);
    dialogs_.file = kFull;
    click(controls(o).Command1);
    click(controls(o).Command1);
    QCOMPARE(sim_->ctl().Combo1->count(), 3);
}

void tst_frmOptionPlugin::cancelledChoiceChangesNothing()
{
    frmOption &o = sim_->option();
    dialogs_.file = kFull;
    click(controls(o).Command1);
    dialogs_.file.clear();
    click(controls(o).Command1);
    QCOMPARE(dialogs_.calls, 2);
    QCOMPARE(controls(o).txtSeiriPlgDir->text(), kFull);
    QCOMPARE(sim_->ctl().Combo1->count(), 3);
    QVERIFY(messages_.isEmpty());
}

void tst_frmOptionPlugin::refusedFileShowsTheLoadErrorAndKeepsThePage()
{
    frmOption &o = sim_->option();
    dialogs_.file = kPlain;
    click(controls(o).Command1);
    const QStringList list = items(controls(o).List1);
    const QString comment = controls(o).txtPlginComment->toPlainText();
    dialogs_.file = write(QStringLiteral("bad.4SP"), "[Plugin]\nFormat=something else\nWidth=1\nHeight=1\n");
    click(controls(o).Command1);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0].prompt, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"));
    QCOMPARE(messages_[0].title, QStringLiteral("プラグインロードエラー"));
    QCOMPARE(messages_[0].style, int(vbCritical));
    QCOMPARE(controls(o).txtSeiriPlgDir->text(), kPlain);
    QCOMPARE(items(controls(o).List1), list);
    QCOMPARE(controls(o).txtPlginComment->toPlainText(), comment);
}

void tst_frmOptionPlugin::emptyPathLoadsNothing()
{
    frmOption &o = sim_->option();
    const QSize before = sim_->ctl().picSeirikenPrev->size();
    QCOMPARE(o.SetPlgin(QString()), 0);
    QCOMPARE(o.SetPlgin(dir_->filePath(QStringLiteral("missing.4SP"))), 0);
    QCOMPARE(controls(o).List1->count(), 0);
    QCOMPARE(sim_->ctl().picSeirikenPrev->size(), before);
}

void tst_frmOptionPlugin::clearingKeepsThePreviewAndCompanies()
{
    frmOption &o = sim_->option();
    dialogs_.file = kFull;
    click(controls(o).Command1);
    click(controls(o).Command11);
    QVERIFY(controls(o).txtSeiriPlgDir->text().isEmpty());
    QCOMPARE(controls(o).List1->count(), 0);
    QVERIFY(controls(o).txtPlginComment->toPlainText().isEmpty());
    QCOMPARE(sim_->ctl().picSeirikenPrev->size(), QSize(200, 256));
    QCOMPARE(sim_->ctl().Combo1->count(), 3);
}

void tst_frmOptionPlugin::previewDrawsTheTicketAtEveryStop()
{
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= 3; ++s)
        stops.push_back({cp932::encode(QStringLiteral("停留所%1").arg(s)), std::int16_t(s), {0, 0, 0}});
    write(QStringLiteral("12.hy3"), testing::fareFileBytes(3, stops));
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    controls(o).Text2[1]->setText(dir_->path());
    dialogs_.file = kFull;
    click(controls(o).Command1);
    frmCtl &c = sim_->ctl();
    c.Combo1->setCurrentIndex(1);
    click(c.Check4); // the preview pane
    c.Label2[0]->setText(QStringLiteral("12"));
    c.Label2[2]->setText(QStringLiteral("1"));
    click(c.Command1[1]);
    QVERIFY(messages_.isEmpty());
    const QImage first = c.picSeirikenPrev->image();
    QCOMPARE(first.size(), QSize(200, 256));
    QVERIFY(colours(first) > 3);
    QCOMPARE(first.pixelColor(2, 2), QColor(0xF4, 0xFB, 0xF2)); // the plug-in's paper
    click(c.Command2[1]);
    const QImage second = c.picSeirikenPrev->image();
    QVERIFY(second != first); // ticket number 2 and the next stop's name

    // The pop-up menu copies the ticket as it is shown.
    QTest::mouseClick(c.picSeirikenPrev, Qt::RightButton);
    QTRY_VERIFY(c.MnuHide->isVisible());
    c.MnuHide->findChild<QAction *>(QStringLiteral("MnuHideCopy"))->trigger();
    c.MnuHide->hide();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(second.format()), second);
}

void tst_frmOptionPlugin::previewOffDrawsNothing()
{
    write(QStringLiteral("12.hy3"), testing::routeBytes(3));
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    dialogs_.file = kFull;
    click(controls(o).Command1);
    setCheckValue(controls(o).chkUseSeiriPrev, 0);
    frmCtl &c = sim_->ctl();
    c.Label2[0]->setText(QStringLiteral("12"));
    click(c.Command1[1]);
    QCOMPARE(colours(c.picSeirikenPrev->image()), 1);
}

void tst_frmOptionPlugin::companyListChoosesNoCompany_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::newRow("chosen with the file dialog, after a company was picked") << true;
    QTest::newRow("restored at start-up") << false;
}

void tst_frmOptionPlugin::companyListChoosesNoCompany()
{
    QFETCH(bool, dialog);
    frmOption &o = sim_->option();
    QComboBox *companies = sim_->ctl().Combo1;
    dialogs_.file = kFull;
    if (dialog) {
        click(controls(o).Command1);
        companies->setCurrentIndex(1);
        click(controls(o).Command1);
    } else {
        QVERIFY(sim_->ctl().useTicketPlugin(kFull));
    }
    QCOMPARE(companies->count(), 3);
    QCOMPARE(companies->currentIndex(), -1);
}

void tst_frmOptionPlugin::changingTheCompanyRedrawsTheTicket()
{
    write(QStringLiteral("12.hy3"), testing::routeBytes(3));
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    dialogs_.file = kFull;
    click(controls(o).Command1);
    frmCtl &c = sim_->ctl();
    c.Label2[0]->setText(QStringLiteral("12"));
    click(c.Command1[1]);
    // The sample's company line: plain paper while none is chosen.
    const QRect companyLine(8, 6, 184, 22);
    QCOMPARE(colours(c.picSeirikenPrev->image().copy(companyLine)), 1);
    QTest::keyClick(c.Combo1, Qt::Key_Down);
    QCOMPARE(c.Combo1->currentIndex(), 0);
    QVERIFY(colours(c.picSeirikenPrev->image().copy(companyLine)) > 1);
}

void tst_frmOptionPlugin::largePreviewIsScaledIntoThePane_data()
{
    QTest::addColumn<QSize>("design");
    QTest::newRow("fits: as it is") << QSize(200, 256);
    QTest::newRow("wider than the pane") << QSize(600, 200);
    QTest::newRow("taller than the pane") << QSize(150, 600);
    QTest::newRow("larger both ways") << QSize(1200, 1600);
}

void tst_frmOptionPlugin::largePreviewIsScaledIntoThePane()
{
    QFETCH(QSize, design);
    const QByteArray plugin = "[Plugin]\nFormat=kerubara-ticket 1\nWidth=" + QByteArray::number(design.width())
        + "\nHeight=" + QByteArray::number(design.height()) + "\n";
    frmCtl &c = sim_->ctl();
    QVERIFY(c.useTicketPlugin(write(QStringLiteral("big.4SP"), plugin)));
    const QRect picture = c.picSeirikenPrev->geometry();
    // The pane runs to the company list's right edge and down to its top.
    const QSize pane(c.Combo1->geometry().right() + 1 - picture.x(), c.Combo1->y() - picture.y());
    const QSize fitted = design.boundedTo(pane) == design ? design : design.scaled(pane, Qt::KeepAspectRatio);
    QVERIFY(picture.width() <= pane.width() && picture.height() <= pane.height());
    // Shape kept to the pixel; the pane filled one way, but for a margin.
    QVERIFY(std::abs(picture.width() * design.height() - picture.height() * design.width())
            <= std::max(design.width(), design.height()));
    QVERIFY(std::abs(picture.width() - fitted.width()) <= 6 && std::abs(picture.height() - fitted.height()) <= 6);
}

void tst_frmOptionPlugin::refusedFileNamesTheLineAndReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("details");
    QTest::newRow("a bad value on line 2") << QByteArray("[Plugin]\nFormat=something else\n") << u"2行目: Format"_qs;
    QTest::newRow("an empty file: no line") << QByteArray() << u"4SP\n空のファイル"_qs;
}

void tst_frmOptionPlugin::refusedFileNamesTheLineAndReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, details);
    dialogs_.file = write(QStringLiteral("bad %1.4SP"), bytes);
    click(controls(sim_->option()).Command1);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0].prompt, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"));
    QVERIFY2(messages_[0].details.contains(dialogs_.file + u'\n'), qPrintable(messages_[0].details));
    QVERIFY2(messages_[0].details.contains(details), qPrintable(messages_[0].details));
}

void tst_frmOptionPlugin::listAndNoteShowTenLines()
{
    QByteArray plugin = "[Plugin]\nFormat=kerubara-ticket 1\nWidth=100\nHeight=80\nBarcode=1\nBarcodeType=NW7\n"
                        "BarcodeCount=1\nRouteMax=9\nStopMax=9\n[Comment]\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n";
    frmOption &o = sim_->option();
    dialogs_.file = write(QStringLiteral("ten.4SP"), plugin);
    click(controls(o).Command1);
    QCOMPARE(controls(o).List1->count(), 10);
    QTRY_VERIFY(controls(o).List1->isVisible());
    QVERIFY(controls(o).List1->viewport()->rect().contains(controls(o).List1->visualItemRect(controls(o).List1->item(9))));
    QCOMPARE(controls(o).txtPlginComment->verticalScrollBar()->maximum(), 0);
    // Nothing on the page is squeezed to make room.
    QVERIFY(controls(o).Frame10->height() >= controls(o).Frame10->minimumSizeHint().height());
    QVERIFY(controls(o).Frame1[5]->contentsRect().contains(controls(o).Frame7->geometry()));
}

QTEST_MAIN(tst_frmOptionPlugin)
#include "tst_frmoption_plugin.moc"
