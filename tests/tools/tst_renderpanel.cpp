// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/PanelCommands.h"

#include "FareBytes.h"
#include "OptionControls.h"
#include "PanelMenu.h"
#include "QuietSimulator.h"
#include "SettingsBytes.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "settings/SettingsLocation.h"
#include "windows/Form1.h"
#include "windows/SettingValues.h"
#include "windows/frmCtl.h"
#include "windows/frmOption.h"
#include "windows/mdlIniIoEx.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace kerubara;
using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = 0;
    QString out;
    QString err;
};

Run runTool(const QStringList &args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = datatool::runWithPanel(args, out, err);
    out.flush();
    err.flush();
    return r;
}

// Route 12: six stops; stop 5's name is too long for the strip and scrolls.
// The fare of ticket k at stop s is 10 s + k, with -1 where a ticket number
// has no fare yet and 0 for ticket 12.
QByteArray route12()
{
    const QStringList names{u"中央駅前"_s, u"市役所"_s, u"県庁北口"_s, u"大手町"_s, u"県立中央病院東口前"_s, u"車庫"_s};
    std::vector<testing::StopBytes> stops;
    for (int s = 1; s <= 6; ++s) {
        testing::StopBytes stop;
        stop.name = cp932::encode(names[s - 1]);
        stop.ticket = static_cast<std::int16_t>(s);
        for (int k = 1; k <= 12; ++k)
            stop.cols.push_back(static_cast<std::int16_t>(k == 12 ? 0 : k > s + 1 ? -1 : 10 * s + k));
        stops.push_back(stop);
    }
    return testing::fareFileBytes(6, stops);
}

// Notices any options window made while it lives: making one sends its
// widgets' events through the application.
class OptionsWindowWatch : public QObject
{
public:
    OptionsWindowWatch() { qApp->installEventFilter(this); }
    ~OptionsWindowWatch() override { qApp->removeEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *) override
    {
        seen = seen || qobject_cast<frmOption *>(watched) != nullptr;
        return false;
    }
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The number of pixels in which two images of the same size differ.
int differingPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

class tst_RenderPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void renderedPanelIsTheRunningPanelsGrab_data();
    void renderedPanelIsTheRunningPanelsGrab();
    void scrollingNameShowsFromItsStart();
    void settingsFileGivesTheLookOfTheProgramStartedOnIt();
    void checkForetellsWhatTheProgramStartedOnASettingsFileSays_data();
    void checkForetellsWhatTheProgramStartedOnASettingsFileSays();
    void refusalsSayWhyAndWriteNothing_data();
    void refusalsSayWhyAndWriteNothing();

private:
    // Sets route 12 from `section` on a running program through its keypad
    // and steps forward or back to `stop`.
    void driveTo(int section, int stop) { driveTo(**sim_, section, stop); }
    void driveTo(Simulator &sim, int section, int stop);
    QString path(const QString &name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::QuietSimulator> sim_;
};

void tst_RenderPanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(installFontSubstitutions().isEmpty(), "the IPA fonts are needed for these tests");
}

void tst_RenderPanel::init()
{
    QSettings(u"kerubara"_s, u"kerubara"_s).clear();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(testing::writeFile(path(u"12.hy3"_s), route12()));
    sim_ = std::make_unique<testing::QuietSimulator>();
    controls((*sim_)->option()).Text2[0]->setText(dir_->path());
    controls((*sim_)->option()).Text2[1]->setText(dir_->path());
}

void tst_RenderPanel::cleanup()
{
    sim_.reset();
    dir_.reset();
}

void tst_RenderPanel::driveTo(Simulator &sim, int section, int stop)
{
    frmCtl &c = sim.ctl();
    QTest::mouseDClick(c.Frame1[0], Qt::LeftButton, {}, QPoint(4, 4)); // the keypad
    click(c.CommandButton1[10]);
    click(c.CommandButton1[1]);
    click(c.CommandButton1[2]);
    click(c.CommandButton1[11]);
    click(c.CommandButton1[static_cast<std::size_t>(section)]);
    click(c.Command1[1]);
    for (int at = section; at < stop; ++at)
        click(c.Command2[1]);
    for (int at = section; at > stop; --at)
        click(c.Command2[0]);
    QCOMPARE(sim.state.nStopPos, std::int16_t(stop - 1));
}

void tst_RenderPanel::renderedPanelIsTheRunningPanelsGrab_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("stop");
    QTest::addColumn<bool>("lateNight");
    QTest::addColumn<int>("ticketStyle"); // -1: as the program starts
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<int>("tsugiwaMode"); // -1: as the program starts
    QTest::addColumn<int>("backlight");   // -1: as the program starts
    QTest::addColumn<int>("fareDigits");
    QTest::newRow("first stop, as the program starts") << 1 << 1 << false << -1 << false << -1 << -1 << 3;
    QTest::newRow("third stop") << 1 << 3 << false << -1 << false << -1 << -1 << 3;
    QTest::newRow("first stop keeps no prefix with the prefix on") << 1 << 1 << false << -1 << false << 1 << -1 << 3;
    QTest::newRow("fourth stop with the small prefix") << 1 << 4 << false << -1 << false << 1 << -1 << 3;
    QTest::newRow("prefix of equal size, last stop") << 1 << 6 << false << -1 << false << 2 << -1 << 3;
    QTest::newRow("section 3 leaves the first fares blank") << 3 << 4 << false << -1 << false << -1 << -1 << 3;
    QTest::newRow("stop before the section, stepped back to") << 3 << 2 << false << -1 << false << -1 << -1 << 3;
    QTest::newRow("late-night fare") << 1 << 3 << true << -1 << false << -1 << -1 << 3;
    QTest::newRow("ticket style with a word and leading zeros") << 1 << 2 << false << 5 << true << -1 << -1 << 3;
    QTest::newRow("ticket style from 0") << 2 << 3 << true << 1 << false << 1 << -1 << 3;
    QTest::newRow("backlight ON2 label colour") << 1 << 3 << false << -1 << false << -1 << 2 << 3;
    QTest::newRow("four-digit fare cells") << 1 << 4 << false << -1 << false << -1 << -1 << 4;
    QTest::newRow("four-digit late-night fares, a style") << 2 << 4 << true << 5 << true << 1 << -1 << 4;
}

void tst_RenderPanel::renderedPanelIsTheRunningPanelsGrab()
{
    QFETCH(int, section);
    QFETCH(int, stop);
    QFETCH(bool, lateNight);
    QFETCH(int, ticketStyle);
    QFETCH(bool, leadingZero);
    QFETCH(int, tsugiwaMode);
    QFETCH(int, backlight);
    QFETCH(int, fareDigits);

    // The running program, set up as its user would: options, then route
    // setting and steps.
    Simulator &sim = **sim_;
    testing::chooseFareDigits(sim.form1(), fareDigits);
    frmOption &o = sim.option();
    if (ticketStyle >= 0)
        setListIndex(controls(o).Combo2, static_cast<std::int16_t>(ticketStyle));
    if (leadingZero)
        setCheckValue(controls(o).Check2, 1);
    if (tsugiwaMode >= 0)
        setListIndex(controls(o).Combo6, static_cast<std::int16_t>(tsugiwaMode));
    o.SetProp(); // the options window's OK
    if (backlight >= 0)
        click(sim.ctl().Option4[static_cast<std::size_t>(backlight)]);
    if (lateNight)
        click(sim.ctl().Check2);
    driveTo(section, stop);
    QVERIFY(!sim.form1().controlsForTesting().ChimeiCtl->isScrolling());
    const QImage running = rgb(sim.form1().grab().toImage());

    QStringList args{u"render-panel"_s, path(u"12.hy3"_s), u"--stop"_s, QString::number(stop), path(u"panel.png"_s),
                     u"--section"_s, QString::number(section)};
    if (lateNight)
        args << u"--late-night"_s;
    if (ticketStyle >= 0)
        args << u"--ticket-style"_s << QString::number(ticketStyle);
    if (leadingZero)
        args << u"--leading-zero"_s;
    if (tsugiwaMode >= 0)
        args << u"--tsugiwa-mode"_s << QString::number(tsugiwaMode);
    if (backlight >= 0)
        args << u"--backlight"_s << QStringList{u"OFF"_s, u"on1"_s, u"ON2"_s}.at(backlight);
    if (fareDigits != 3)
        args << u"--fare-digits"_s << QString::number(fareDigits);
    const Run r = runTool(args);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QImage rendered = rgb(QImage(path(u"panel.png"_s)));
    QCOMPARE(rendered.size(), QSize(fareDigits == 3 ? 502 : 616, 252));
    QCOMPARE(differingPixels(rendered, running), 0);
}

void tst_RenderPanel::scrollingNameShowsFromItsStart()
{
    Simulator &sim = **sim_;
    driveTo(1, 5);
    ChimeiCtl_DX *strip = sim.form1().controlsForTesting().ChimeiCtl;
    QVERIFY(strip->isScrolling());
    const QImage running = rgb(sim.form1().grab().toImage());
    const QRect stripArea = strip->geometry();

    const Run r = runTool({u"render-panel"_s, path(u"12.hy3"_s), u"--stop"_s, u"5"_s, path(u"panel.png"_s)});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QImage rendered = rgb(QImage(path(u"panel.png"_s)));

    // Everything but the strip is the running panel; the strip shows the
    // name's canvas from its left end, as a stopped scroll leaves it.
    QImage outside = rendered;
    QImage runningOutside = running;
    for (QImage *image : {&outside, &runningOutside}) {
        QPainter painter(image);
        painter.fillRect(stripArea, Qt::black);
    }
    QCOMPARE(differingPixels(outside, runningOutside), 0);
    strip->stopScrolling();
    const QImage viewport = strip->viewportImage().copy(0, 0, stripArea.width(), stripArea.height());
    QCOMPARE(differingPixels(rendered.copy(stripArea), viewport), 0);
}

void tst_RenderPanel::settingsFileGivesTheLookOfTheProgramStartedOnIt()
{
    const QString file = path(u"look.in4"_s);
    {
        // A user's settings, saved by the program itself.
        testing::QuietSimulator writer(settingsFilePaths(file));
        Simulator &sim = *writer;
        frmOption &o = sim.option();
        controls(o).Text2[0]->setText(dir_->path());
        setButtonColor(controls(o).Command9[0], rgb(0, 0, 40));
        setButtonColor(controls(o).Command9[1], rgb(0, 255, 120));
        setButtonColor(controls(o).Command9[2], rgb(255, 80, 80));
        setButtonColor(controls(o).Command8[0], rgb(10, 10, 10));
        setButtonColor(controls(o).Command8[2], rgb(255, 60, 0));
        setButtonColor(controls(o).Command5[0], rgb(255, 255, 0));
        setListIndex(controls(o).Combo2, 6);
        setCheckValue(controls(o).Check2, 1);
        setListIndex(controls(o).Combo6, 2);
        setCheckValue(controls(o).Check4, 1);
        setCheckValue(controls(o).Check3[0], 1); // the stop's position in digit 12
        setListIndex(controls(o).Combo4[0], 11);
        o.SetProp();
        for (int k = 1; k <= 12; ++k)
            sim.form1().controlsForTesting().Degit[k]->setFillZero(3);
        click(sim.ctl().Check2); // late-night fare
        SaveIniInfo(sim);
    }
    QVERIFY(QFile::exists(file));
    const QByteArray saved = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    testing::QuietSimulator reader(settingsFilePaths(file));
    driveTo(*reader, 1, 4);
    const QImage running = rgb(reader->form1().grab().toImage());

    // The settings are read into the settings model; no window is made.
    OptionsWindowWatch watch;
    const Run r = runTool({u"render-panel"_s, path(u"12.hy3"_s), u"--stop"_s, u"4"_s, u"--settings"_s, file,
                           path(u"panel.png"_s)});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(!watch.seen);
    const QImage rendered = rgb(QImage(path(u"panel.png"_s)));
    QCOMPARE(differingPixels(rendered, running), 0);
    // Without the file the panel looks otherwise; and the file is only read.
    const Run plain = runTool({u"render-panel"_s, path(u"12.hy3"_s), u"--stop"_s, u"4"_s, path(u"plain.png"_s)});
    QCOMPARE(plain.status, 0);
    QVERIFY(differingPixels(rgb(QImage(path(u"plain.png"_s))), running) > 1000);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), saved);
}

void tst_RenderPanel::checkForetellsWhatTheProgramStartedOnASettingsFileSays_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields"); // the program names them at start-up
    const testing::SettingsBuilder valid = testing::SettingsBuilder::initial();
    QTest::newRow("valid") << valid.bytes() << QStringList();
    QTest::newRow("a list index past its list")
        << testing::SettingsBuilder(valid).set("Combo2", 40).bytes() << QStringList{u"Combo2"_s};
    QTest::newRow("a slider value and a list index")
        << testing::SettingsBuilder(valid).set("Combo5", -2).set("CtrlData.nScrollWait", 3001).bytes()
        << QStringList{u"Combo5"_s, u"CtrlData.nScrollWait"_s};
    QTest::newRow("cut inside block 5") << valid.bytes().left(114) << QStringList{u"txtSelectSound(8)"_s};
    QByteArray pastEnd = testing::SettingsBuilder(valid).set("Combo2", 12).bytes();
    pastEnd[0] = '\x7F'; // Text2(0) claims 127 bytes: a damaged byte
    QTest::newRow("a damaged count") << pastEnd.left(100) << QStringList{u"Text2(0)"_s};
}

void tst_RenderPanel::checkForetellsWhatTheProgramStartedOnASettingsFileSays()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    const QString in4 = path(u"s.in4"_s);
    QVERIFY(testing::writeFile(in4, file));
    const Run check = runTool({u"check"_s, in4});
    sim_.reset();
    sim_ = std::make_unique<testing::QuietSimulator>(settingsFilePaths(in4));
    const QList<MsgBoxCall> &said = sim_->messages;
    QCOMPARE(said.size(), fields.isEmpty() ? 0 : 1);
    // Each field the program names, check names as one it keeps at its
    // start-up value.
    const QStringList kept = check.out.split(u'\n').filter(u"起動時の値"_s);
    QCOMPARE(kept.size(), fields.size());
    for (const QString &field : fields) {
        QVERIFY2(said[0].prompt.contains(field), qPrintable(said[0].prompt));
        QVERIFY2(!kept.filter(field).isEmpty(), qPrintable(check.out));
    }
}

void tst_RenderPanel::refusalsSayWhyAndWriteNothing_data()
{
    QTest::addColumn<QStringList>("args"); // "@" is the fare file, "#" the output
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no stop") << QStringList{u"@"_s, u"#"_s} << 2 << u"--stop"_s;
    QTest::newRow("stop 0") << QStringList{u"@"_s, u"--stop"_s, u"0"_s, u"#"_s} << 2 << u"1～301"_s;
    QTest::newRow("stop beyond the route") << QStringList{u"@"_s, u"--stop"_s, u"7"_s, u"#"_s} << 1 << u"1～6"_s;
    QTest::newRow("section beyond the data") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--section"_s, u"6"_s, u"#"_s}
                                            << 1 << u"区間 6 は設定できません。区間は停留所の数（6件）より小さく"_s;
    QTest::newRow("ticket style 12") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--ticket-style"_s, u"12"_s, u"#"_s}
                                     << 2 << u"0～11"_s;
    QTest::newRow("unknown option") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--zoom"_s, u"#"_s} << 2 << u"--zoom"_s;
    QTest::newRow("missing fare file") << QStringList{u"none.hy3"_s, u"--stop"_s, u"1"_s, u"#"_s} << 1
                                       << u"見つかりません"_s;
    QTest::newRow("missing settings file") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--settings"_s, u"none.in4"_s,
                                                          u"#"_s}
                                           << 1 << u"none.in4: ファイルが見つかりません"_s;
    QTest::newRow("backlight by number") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--backlight"_s, u"1"_s, u"#"_s}
                                         << 2 << u"OFF、ON1、ON2"_s;
    QTest::newRow("five fare digits") << QStringList{u"@"_s, u"--stop"_s, u"1"_s, u"--fare-digits"_s, u"5"_s, u"#"_s}
                                      << 2 << u"3 か 4"_s;
}

void tst_RenderPanel::refusalsSayWhyAndWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    for (QString &arg : args) {
        if (arg == u"@")
            arg = path(u"12.hy3"_s);
        else if (arg == u"#")
            arg = path(u"out.png"_s);
        else if (arg.endsWith(u".hy3") || arg.endsWith(u".in4"))
            arg = path(arg);
    }
    const Run r = runTool(QStringList{u"render-panel"_s} + args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(path(u"out.png"_s)));
}

QTEST_MAIN(tst_RenderPanel)
#include "tst_renderpanel.moc"
