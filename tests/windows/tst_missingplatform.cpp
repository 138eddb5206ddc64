// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on a machine that lacks parts of the platform: this
// suite runs with fontconfig shown the system's fonts without the IPA faces,
// espeak-ng pointed at a folder without its data and no HTS voice in the
// system's data folders (see CMakeLists.txt), as where fonts-ipafont-*,
// espeak-ng-data and the voice packages are not installed.

#include "FakeDialogs.h"
#include "FareBytes.h"
#include "OptionControls.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "reslib/Cp932.h"
#include "reslib/Fonts.h"
#include "windows/UnitMessages.h"
#include "reslib/Seams.h"
#include "sound/SoundSystem.h"
#include "windows/PictureBox.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

namespace {

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Dots lit on the stop-name strip's canvas: anything but its background.
int litDots(const ChimeiCtl_DX &strip)
{
    const QImage &canvas = strip.canvas();
    const QColor back = toQColor(strip.BackColor());
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            n += canvas.pixelColor(x, y) != back ? 1 : 0;
    return n;
}

} // namespace

class tst_MissingPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutTheIpaFontsTheProgramWarnsAndShowsTheRouteInAnotherFace();
    void withoutTheVoiceDataTheTapeFrameShowsUnavailableAndTheBusStillRuns();

private:
    void startAndSetRoute();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Simulator> sim_;
    testing::FakeDialogs dialogs_;
    std::unique_ptr<ScopedResDialogs> scopedDialogs_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    std::unique_ptr<ScopedSleepHandler> sleeps_;
    std::unique_ptr<ScopedAudioOutput> audio_;
    QList<MsgBoxCall> messages_;
};

void tst_MissingPlatform::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    messages_.clear();
    scopedDialogs_ = std::make_unique<ScopedResDialogs>(dialogs_);
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return int(vbOK);
    });
    sleeps_ = std::make_unique<ScopedSleepHandler>([](int) {});
    audio_ = std::make_unique<ScopedAudioOutput>([] { return std::make_unique<NullAudioOutput>(); });
}

void tst_MissingPlatform::cleanup()
{
    sim_.reset();
    audio_.reset();
    sleeps_.reset();
    boxes_.reset();
    scopedDialogs_.reset();
    dir_.reset();
}

// The program's own speech engine, from its own factory; the sample route's
// first stops.
void tst_MissingPlatform::startAndSetRoute()
{
    sim_ = std::make_unique<Simulator>();
    sim_->start();
    frmOption &o = sim_->option();
    controls(o).Text2[0]->setText(dir_->path());
    controls(o).Text2[1]->setText(dir_->path());
    std::vector<testing::StopBytes> stops;
    for (const QString &name : {QStringLiteral("中央駅前"), QStringLiteral("市立総合病院前国立がんセンター東口")})
        stops.push_back({cp932::encode(name), 1, {210, 230}});
    QVERIFY(testing::writeFile(dir_->filePath("12.hy3"), testing::fareFileBytes(2, stops)));
    QVERIFY(testing::writeFile(dir_->filePath("12tp.csv"), cp932::encode(QStringLiteral("次は、中央駅前です。,0,0\r\n"))));
    frmCtl &c = sim_->ctl();
    c.Label2[0]->setText(QStringLiteral("12"));
    c.Label2[2]->setText(QStringLiteral("1"));
    click(c.Command1[1]);
}

void tst_MissingPlatform::withoutTheIpaFontsTheProgramWarnsAndShowsTheRouteInAnotherFace()
{
    const QStringList missing = warnOfMissingFonts();
    QCOMPARE(missing, (QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAMincho"), QStringLiteral("IPAPGothic")}));
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_.front().title, QStringLiteral("フォントがありません"));
    QVERIFY(messages_.front().prompt.contains(QStringLiteral("fonts-ipafont-gothic")));
    messages_.clear();

    startAndSetRoute();
    QVERIFY(messages_.isEmpty());
    Form1 &panel = sim_->form1();
    QCOMPARE(panel.controlsForTesting().Degit[1]->Value().toString(), QStringLiteral("210"));
    QVERIFY(litDots(*panel.controlsForTesting().ChimeiCtl) > 0);
    click(sim_->ctl().Command2[1]); // a name that scrolls
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QVERIFY(panel.controlsForTesting().ChimeiCtl->isScrolling());
    QVERIFY(litDots(*panel.controlsForTesting().ChimeiCtl) > 0);
}

void tst_MissingPlatform::withoutTheVoiceDataTheTapeFrameShowsUnavailableAndTheBusStillRuns()
{
    startAndSetRoute();
    frmCtl &c = sim_->ctl();
    QCOMPARE(c.grpM_Tape->title(), QStringLiteral("音合使用不可"));
    QVERIFY(!c.grpM_Tape->isEnabled());
    QCOMPARE(sim_->tape().GetTapeCount(), 1);
    click(c.Command2[1]);
    QCOMPARE(sim_->state.nStopPos, std::int16_t(1));
    QCOMPARE(sim_->form1().controlsForTesting().Degit[2]->Value().toString(), QStringLiteral("230"));
    QVERIFY(messages_.isEmpty());
}

QTEST_MAIN(tst_MissingPlatform)
#include "tst_missingplatform.moc"
