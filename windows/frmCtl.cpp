// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmCtl.h"

#include "dialogs/Modal.h"
#include "dialogs/ScopedDisable.h"
#include "dialogs/TicketPluginLists.h"
#include "dialogs/VoiceMessages.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/MsgBox.h"
#include "reslib/ProgramInfo.h"
#include "reslib/ResDialogs.h"
#include "reslib/TicketPlugin.h"
#include "reslib/Units.h"
#include "reslib/VbError.h"
#include "settings/SettingsFile.h"
#include "sound/SoundSystem.h"
#include "sound/VoiceEngine.h"
#include "sound/mdlM_Tape.h"
#include "windows/AutoRunPanel.h"
#include "windows/DigitList.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/SettingValues.h"
#include "windows/WindowPlacement.h"
#include "windows/frmOption.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QScrollBar>
#include <QTimer>

namespace kerubara {
namespace {

constexpr int kNarrowWidth = 5385; // twips, preview pane closed
constexpr int kWideWidth = 9000;   // twips, preview pane open
constexpr int kHeight = 318;       // pixels

const char kYellowButton[] =
    "QPushButton { background-color: rgb(255, 255, 0); border: 1px solid rgb(120, 120, 0); border-radius: 3px; }"
    "QPushButton:pressed { background-color: rgb(220, 220, 0); }"
    "QPushButton:disabled { background-color: rgb(230, 230, 170); color: rgb(150, 150, 120); }";

} // namespace

frmCtl::frmCtl(OperationEngine &engine, Form1 &panel, frmOption &options, SettingsModel &settings,
               CtrlDataRecord &place, QWidget *parent)
    : QWidget(parent), engine_(engine), panel_(panel), options_(options), settings_(settings), place_(place)
{
    setWindowTitle(QStringLiteral("集中操作盤"));
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(12);
    setFont(face);
    setFixedSize(twipsToPixels(kNarrowWidth), kHeight);

    buildEntryFrames();
    buildRightColumn();
    buildTapeAndButtons();
    buildPreviewPane();
    connectHandlers();
    connectEngine();
    buildAutoRun(settings.preferences());
    connectKeys();
}

void frmCtl::buildAutoRun(PreferenceStore &preferences)
{
    autoRun = new AutoRunPanel(engine(), preferences, this);
    autoRun->setGeometry(4, kHeight - 32, twipsToPixels(kNarrowWidth) - 44, 28);
    // The driver's own press is carried out, and the unit runs by itself no
    // longer: the run stops as the button goes down, before its click.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             Command1[0], Command1[1], Command2[0], Command2[1], Check1, cmdTapeNext, cmdTapeBack, cmdTapeStop})
        connect(b, &QAbstractButton::pressed, autoRun, &AutoRunPanel::stop);
}

void frmCtl::connectEngine()
{
    OperationEngine &unit = engine();
    // Where the unit lets pending messages run, the program's windows do.
    unit.setMessagePump([] { QCoreApplication::processEvents(); });
    unit.setDialogOwner(this);
    connect(&unit, &OperationEngine::routeSetChanged, this, [this](bool set) {
        for (QWidget *w : std::initializer_list<QWidget *>{Command2[0], Command2[1], Check1, cmdStopRequest})
            w->setEnabled(set);
    });
    connect(&unit, &OperationEngine::displayClearedChanged, this, &frmCtl::showDisplayCleared);
    connect(&unit, &OperationEngine::ticketShown, this, &frmCtl::drawTicketPreview);
    connect(&unit, &OperationEngine::tapeFrameCaptionChanged, grpM_Tape, &QGroupBox::setTitle);
    connect(&unit, &OperationEngine::tapeFrameEnabledChanged, grpM_Tape, &QGroupBox::setEnabled);
    connect(&unit, &OperationEngine::tapeButtonsEnabledChanged, this, [this](bool enabled) {
        for (QPushButton *b : {cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet})
            b->setEnabled(enabled);
    });
    // A close asked for while the unit was busy is asked now.
    connect(&unit, &OperationEngine::becameFree, this, [this] {
        if (std::exchange(closeRequested_, false))
            close();
    });
    connect(Check2, &QCheckBox::toggled, &unit, &OperationEngine::setLateNight);
}

frmCtl::~frmCtl() = default;

void frmCtl::buildEntryFrames()
{
    // Both entry frames lie on the same spot; the one in front is used.
    for (int i = 0; i < 2; ++i) {
        Frame1[i] = new QGroupBox(this);
        Frame1[i]->setGeometry(4, 2, 200, 224);
        Frame1[i]->setAutoFillBackground(true); // the frame behind must not show through
        Frame1[i]->installEventFilter(this);
        Frame1[i]->setToolTip(QStringLiteral("ダブルクリックで入力方法を切り替えます"));
    }

    // Frame1(0): digit lists.
    QGroupBox *lists = Frame1[0];
    auto *title = new QLabel(QStringLiteral("系統設定"), lists);
    title->setGeometry(8, 4, 100, 16);
    auto *routeLabel = new QLabel(QStringLiteral("系　統"), lists);
    routeLabel->setGeometry(8, 22, 110, 14);
    routeLabel->setAlignment(Qt::AlignCenter);
    auto *sectionLabel = new QLabel(QStringLiteral("区間"), lists);
    sectionLabel->setGeometry(126, 22, 66, 14);
    sectionLabel->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 5; ++i) {
        List2[i] = new DigitList(lists);
        List2[i]->setGeometry(8 + i * 22, 38, 21, 150);
    }
    for (int i = 0; i < 3; ++i) {
        List3[i] = new DigitList(lists);
        List3[i]->setGeometry(128 + i * 22, 38, 21, 150);
    }
    Command1[0] = new QPushButton(QStringLiteral("リセット"), lists);
    Command1[0]->setGeometry(8, 194, 184, 24);

    // Frame1(1): keypad.
    QGroupBox *keypad = Frame1[1];
    Label2[0] = new QLabel(keypad);
    Label2[1] = new QLabel(QStringLiteral("-"), keypad);
    Label2[2] = new QLabel(keypad);
    QFont readout(QStringLiteral("ＭＳ ゴシック"));
    readout.setPixelSize(20);
    readout.setBold(true);
    for (QLabel *l : Label2) {
        l->setFont(readout);
        l->setAlignment(Qt::AlignCenter);
    }
    for (int i : {0, 2}) {
        Label2[i]->setFrameShape(QFrame::Panel);
        Label2[i]->setFrameShadow(QFrame::Sunken);
        Label2[i]->setAutoFillBackground(true);
        QPalette p = Label2[i]->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, QColor(255, 190, 0));
        Label2[i]->setPalette(p);
    }
    Label2[0]->setGeometry(8, 10, 90, 28);
    Label2[1]->setGeometry(100, 10, 14, 28);
    Label2[2]->setGeometry(116, 10, 74, 28);

    // 7 8 9 系統 / 4 5 6 区間 / 1 2 3 / 0
    const std::array<QPoint, 12> cell{QPoint(0, 3), QPoint(0, 2), QPoint(1, 2), QPoint(2, 2), QPoint(0, 1), QPoint(1, 1),
                                      QPoint(2, 1), QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(3, 0), QPoint(3, 1)};
    for (int i = 0; i < 12; ++i) {
        const QString caption = i < 10 ? QString::number(i) : i == 10 ? QStringLiteral("系統") : QStringLiteral("区間");
        CommandButton1[i] = new QPushButton(caption, keypad);
        const int width = i >= 10 ? 46 : 30;
        CommandButton1[i]->setGeometry(16 + cell[i].x() * 36, 50 + cell[i].y() * 34, width, 27);
    }
    for (QPushButton *key : CommandButton1)
        key->setStyleSheet(QStringLiteral(
            "QPushButton { margin: 2px; border: 1px solid rgb(110, 110, 110); border-radius: 2px;"
            " background-color: rgb(238, 238, 238); }"
            "QPushButton:pressed { background-color: rgb(200, 200, 200); }"));
    Command1[1] = new QPushButton(QStringLiteral("リセット"), keypad);
    Command1[1]->setGeometry(8, 194, 184, 24);

    // The list frame is in front at start.
    Frame1[0]->raise();
}

void frmCtl::buildRightColumn()
{
    const int x = 210;
    const int w = twipsToPixels(kNarrowWidth) - x - 4;
    Command2[0] = new QPushButton(QStringLiteral("データ戻し"), this);
    Command2[1] = new QPushButton(QStringLiteral("データ送り"), this);
    Command2[0]->setGeometry(x, 8, w / 2 - 2, 46);
    Command2[1]->setGeometry(x + w / 2 + 2, 8, w / 2 - 2, 46);
    for (QPushButton *b : Command2) {
        b->setStyleSheet(QString::fromLatin1(kYellowButton));
        b->setEnabled(false);
    }

    Check1 = new QPushButton(QStringLiteral("表示消去"), this);
    Check1->setCheckable(true);
    Check1->setGeometry(x, 58, w / 2 - 2, 24);
    Check1->setEnabled(false);
    // The passengers' stop button, beside the driver's.
    cmdStopRequest = new QPushButton(QStringLiteral("降車ボタン"), this);
    cmdStopRequest->setGeometry(x + w / 2 + 2, 58, w / 2 - 2, 24);
    cmdStopRequest->setToolTip(QStringLiteral("次の停留所でとまるよう知らせます。パネルの中ボタンでも押せます"));
    cmdStopRequest->setEnabled(false);

    Frame6 = new QGroupBox(this);
    Frame6->setGeometry(x, 84, w, 94);
    Check2 = new QCheckBox(QStringLiteral("深夜料金"), Frame6);
    Check2->setGeometry(6, 4, w - 12, 18);
    const QStringList names{QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
    for (int i = 0; i < 2; ++i) {
        const int top = 24 + i * 34;
        Label3[i] = new QLabel(names[i], Frame6);
        Label3[i]->setGeometry(6, top, 70, 14);
        Label1[i] = new QLabel(Frame6);
        Label1[i]->setGeometry(w - 56, top, 50, 14);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        HScroll1[i] = new QScrollBar(Qt::Horizontal, Frame6);
        HScroll1[i]->setGeometry(6, top + 15, w - 12, 16);
    }
    HScroll1[0]->setRange(1, 2000);
    HScroll1[0]->setValue(1);
    HScroll1[1]->setRange(0, 3000);
    HScroll1[1]->setValue(0);
    HScroll1[1]->setSingleStep(10);
    HScroll1[1]->setPageStep(250);
    HScroll1[0]->setPageStep(100);
    Label1[0]->setText(QString::number(HScroll1[0]->value()));
    Label1[1]->setText(QString::number(HScroll1[1]->value()));

    Frame2 = new QGroupBox(QStringLiteral("バックライト"), this);
    Frame2->setGeometry(x, 180, w, 46);
    auto *row = new QHBoxLayout(Frame2);
    row->setContentsMargins(2, 0, 2, 2);
    row->setSpacing(0);
    auto *group = new QButtonGroup(this);
    const QStringList captions{QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new QRadioButton(captions[i], Frame2);
        group->addButton(Option4[i]);
        row->addWidget(Option4[i]);
    }
    Option4[0]->setChecked(true);
}

void frmCtl::buildTapeAndButtons()
{
    grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), this);
    grpM_Tape->setGeometry(4, 230, 200, 50);
    grpM_Tape->setEnabled(false);
    cmdTapeSet = new QPushButton(QStringLiteral("調整"), grpM_Tape);
    cmdTapeBack = new QPushButton(QStringLiteral("戻し"), grpM_Tape);
    cmdTapeNext = new QPushButton(QStringLiteral("送り"), grpM_Tape);
    cmdTapeStop = new QPushButton(QStringLiteral("■"), grpM_Tape);
    int left = 6;
    for (QPushButton *b : {cmdTapeSet, cmdTapeBack, cmdTapeNext, cmdTapeStop}) {
        b->setGeometry(left, 18, 44, 26);
        left += 47;
    }

    const int x = 210;
    const int w = twipsToPixels(kNarrowWidth) - x - 4;
    Command4 = new QPushButton(QStringLiteral("設定..."), this);
    Command4->setGeometry(x, 236, w / 2 - 2, 26);
    Command8 = new QPushButton(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), this);
    Command8->setGeometry(x + w / 2 + 2, 236, w / 2 - 2, 26);

    Check4 = new QPushButton(QStringLiteral(">>"), this);
    Check4->setCheckable(true);
    Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    Check4->setGeometry(twipsToPixels(kNarrowWidth) - 34, kHeight - 30, 30, 24);
}

void frmCtl::buildPreviewPane()
{
    const int x = twipsToPixels(kNarrowWidth) + 4;
    Label4 = new QLabel(QStringLiteral("整理券プレビュー"), this);
    Label4->setGeometry(x, 6, 200, 16);
    picSeirikenPrev = new PictureBox(this);
    picSeirikenPrev->setGeometry(x, 24, 150, 240);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(x, kHeight - 30, twipsToPixels(kWideWidth) - x - 6, 22);
    Combo1->setToolTip(QStringLiteral("社名"));

    MnuHide = new QMenu(QStringLiteral("MnuHide"), this);
    QAction *copy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
    copy->setObjectName(QStringLiteral("MnuHideCopy"));
    connect(copy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);
    connect(picSeirikenPrev, &PictureBox::rightClicked, this,
            [this](const QPoint &at) { MnuHide->popup(picSeirikenPrev->mapToGlobal(at)); });
}

void frmCtl::connectHandlers()
{
    // Every handler runs inside the error boundary: whatever it throws ends
    // in the error box, never in the event loop.
    for (int i = 0; i < 2; ++i) {
        connect(Command1[i], &QPushButton::clicked, this, guarded([this, i] { Command1_Click(i); }));
        connect(Command2[i], &QPushButton::clicked, this, guarded([this, i] { Command2_Click(i); }));
        connect(HScroll1[i], &QScrollBar::valueChanged, this, guarded([this, i] { HScroll1_Change(i); }));
    }
    for (int i = 0; i < 12; ++i)
        connect(CommandButton1[i], &QPushButton::clicked, this, guarded([this, i] { CommandButton1_Click(i); }));
    // A digit chosen with the keyboard sounds like one clicked.
    for (int i = 0; i < 5; ++i) {
        connect(List2[i], &QListWidget::itemClicked, this, guarded([this, i] { List2_Click(i); }));
        connect(List2[i], &DigitList::keyboardSelected, this, guarded([this, i] { List2_Click(i); }));
    }
    for (int i = 0; i < 3; ++i) {
        connect(List3[i], &QListWidget::itemClicked, this, guarded([this, i] { List3_Click(i); }));
        connect(List3[i], &DigitList::keyboardSelected, this, guarded([this, i] { List3_Click(i); }));
        connect(Option4[i], &QRadioButton::clicked, this,
                guarded([this, i] { Option4_Click(static_cast<std::int16_t>(i)); }));
    }
    // The toggles' handlers run whenever their value changes, also when the
    // settings file restores them.
    connect(Check1, &QPushButton::toggled, this, guarded([this] { Check1_Click(); }));
    connect(cmdStopRequest, &QPushButton::clicked, this, guarded([this] { engine().requestStop(); }));
    connect(Check4, &QPushButton::toggled, this, guarded([this] { Check4_Click(); }));
    connect(Combo1, &QComboBox::currentIndexChanged, this, guarded([this] { Combo1_Click(); }));
    connect(Command4, &QPushButton::clicked, this, guarded([this] { Command4_Click(); }));
    connect(Command8, &QPushButton::clicked, this, guarded([this] { Command8_Click(); }));
    connect(cmdTapeNext, &QPushButton::clicked, this, guarded([this] { cmdTapeNext_Click(); }));
    connect(cmdTapeBack, &QPushButton::clicked, this, guarded([this] { cmdTapeBack_Click(); }));
    connect(cmdTapeSet, &QPushButton::clicked, this, guarded([this] { cmdTapeSet_Click(); }));
    connect(cmdTapeStop, &QPushButton::clicked, this, guarded([this] { cmdTapeStop_Click(); }));
}

void frmCtl::Form_Load()
{
    panel_.setWindowTitle(QStringLiteral("ケルバラケーション - 型番:") + programFileName());
    shapeKeypad();
    engine().tape().InitVoice();
    // Once, at start: why the voice speaking is not the better one, if so,
    // and which package brings it.
    if (const auto *voice = dynamic_cast<const VoiceEngine *>(engine().tape().objVoice())) {
        if (const QString notice = voiceNoticeText(voice->notice()); !notice.isEmpty())
            QTextStream(stderr) << QStringLiteral("注意: ") << notice << '\n';
    }
}

void frmCtl::shapeKeypad()
{
    // Rounded keys: a rounded rectangle from (2, 2) to (28, 25) with 2 x 2
    // corner ellipses, widened for the two word keys.
    for (QPushButton *key : CommandButton1) {
        const int right = key->width() - 2;
        QRegion shape(2, 2, right - 2, 23);
        for (const QPoint corner : {QPoint(2, 2), QPoint(right - 1, 2), QPoint(2, 24), QPoint(right - 1, 24)})
            shape -= QRegion(corner.x(), corner.y(), 1, 1);
        key->setMask(shape);
        key->update();
    }
}

// ---- Route setting ---------------------------------------------------------

void frmCtl::readEntry(int index, QString &route, QString &section) const
{
    route.clear();
    section.clear();
    if (index == 0) {
        for (const DigitList *list : List2)
            route += list->chosenDigit();
        for (const DigitList *list : List3)
            section += list->chosenDigit();
    } else {
        route = Label2[0]->text();
        section = Label2[2]->text();
    }
}

void frmCtl::Command1_Click(int index)
{
    QString route;
    QString section;
    readEntry(index, route, section);
    engine().setRoute(route, section);
}

// ---- Stepping and redraw ---------------------------------------------------

void frmCtl::Command2_Click(int index)
{
    engine().press(index == 0 ? OperationEngine::Press::Back : OperationEngine::Press::Forward);
}

void frmCtl::drawTicketPreview(const TicketInfo &ticket)
{
    const SettingsModel &option = settings_;
    picSeirikenPrev->Cls();
    if (option.ticketPreviewInUse()) {
        QPainter dc(&picSeirikenPrev->image());
        ZR8_DrawSeiriken(option.ticketPluginPath(), dc, ticket.stopName, ticket.date, ticket.time,
                         ticket.routeNumber, ticket.ticketNumber, ticket.position, Combo1->currentIndex());
    }
    picSeirikenPrev->update();
}

void frmCtl::Combo1_Click()
{
    // Before the first route setting no ticket is on show.
    if (engine().state.nStopCount > 0)
        drawTicketPreview(engine().ticket());
}

void frmCtl::setTicketPreviewSize(const QSize &design)
{
    // The pane runs from the picture's corner to the window's right margin
    // and down to the company list.
    const QPoint at = picSeirikenPrev->pos();
    const QSize pane(twipsToPixels(kWideWidth) - 6 - at.x(), Combo1->y() - 4 - at.y());
    QSize size = design;
    if (size.width() > pane.width() || size.height() > pane.height())
        size = design.scaled(pane, Qt::KeepAspectRatio);
    picSeirikenPrev->resize(size.expandedTo(QSize(1, 1)));
}

void frmCtl::DispData(std::int16_t nIndex)
{
    engine().DispData(nIndex);
}

void frmCtl::Check1_Click()
{
    if (!engine().setDisplayCleared(Check1->isChecked())) {
        // Refused while the unit is busy: the toggle goes back, silently.
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(!Check1->isChecked());
    }
}

void frmCtl::showDisplayCleared(bool clear)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Frame1[0], Frame1[1], Command2[0], Command2[1], Frame6})
        w->setEnabled(!clear);
    grpM_Tape->setEnabled(!clear && engine().tape().bVoiceOK());
}

// ---- Entry controls --------------------------------------------------------

void frmCtl::CommandButton1_Click(int index)
{
    engine().sound().PlaySnd(settings_.keySound(), QStringLiteral("S1"), 0, 0);
    if (index == 10) {
        bKeyRoute = true;
        Label2[0]->clear();
        return;
    }
    if (index == 11) {
        bKeyRoute = false;
        Label2[2]->clear();
        return;
    }
    QLabel *label = bKeyRoute ? Label2[0] : Label2[2];
    const int limit = bKeyRoute ? 5 : 3;
    if (label->text().size() < limit)
        label->setText(label->text() + QString::number(index));
}

void frmCtl::List2_Click(int /*index*/)
{
    engine().sound().PlaySnd(settings_.keySound(), QStringLiteral("S1"), 0, 0);
}

void frmCtl::List3_Click(int /*index*/)
{
    engine().sound().PlaySnd(settings_.routeSettingSound(), QStringLiteral("S1"), 0, 0);
}

void frmCtl::Frame1_DblClick(int index)
{
    Frame1[index]->lower();
    Frame1[1 - index]->raise();
    frontFrame_ = 1 - index;
    nBackFrame = static_cast<std::int16_t>(index);
}

void frmCtl::HScroll1_Change(int index)
{
    Label1[index]->setText(QString::number(HScroll1[index]->value()));
    panel_.setScroll(static_cast<std::int16_t>(HScroll1[0]->value()), HScroll1[1]->value());
}

void frmCtl::Check4_Click()
{
    if (Check4->isChecked()) {
        setFixedWidth(twipsToPixels(kWideWidth));
        Check4->setText(QStringLiteral("<<"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを隠します"));
        // The wider window must not reach past the screen's right edge.
        if (isVisible())
            keepOnScreen(*this);
    } else {
        setFixedWidth(twipsToPixels(kNarrowWidth));
        Check4->setText(QStringLiteral(">>"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    }
}

void frmCtl::placeAtBottomRight()
{
    kerubara::placeAtBottomRight(*this);
}

void frmCtl::MnuHideCopy_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picSeirikenPrev->image());
}

// ---- Options, version, backlight -------------------------------------------

void frmCtl::Command4_Click()
{
    // Not in the middle of a route setting or a step: the options window
    // would change what they are showing.
    if (engine().isBusy())
        return;
    {
        const ScopedDisable panelOff(panel_);
        const ScopedDisable consoleOff(*this);
        ShowModal(options_);
    }
    // The changed display options on the current stop name, by the same
    // first-stop rule as a step (fares are not redrawn).
    engine().redrawStopName();
}

QString frmCtl::versionText()
{
    const QStringList version = QStringLiteral(KERUBARA_VERSION).split(u'.');
    const QString numbers = QStringLiteral("%1.%2.%3")
                                .arg(version.value(0, QStringLiteral("0")), version.value(1, QStringLiteral("0")),
                                     version.value(2, QStringLiteral("0")));
    return QStringLiteral("機種：") + programFileName() + QStringLiteral("\r\n") + QStringLiteral("バージョン：")
        + numbers + QStringLiteral("  ServiceRelease 1") + QStringLiteral("\r\n") + QStringLiteral("\r\n")
        + QStringLiteral("配布：kerubara プロジェクト") + QStringLiteral("\r\n")
        + QStringLiteral("開発：kerubara 開発チーム (C) %1").arg(QDate::currentDate().year())
        + QStringLiteral("\r\n");
}

void frmCtl::Command8_Click()
{
    const ScopedDisable panelOff(panel_);
    Call_dlg110(this, 1, versionText());
}

void frmCtl::Option4_Click(std::int16_t index)
{
    if (index < 0 || index > 2)
        return;
    panel_.showBacklight(index, settings_.userPanelPicture(index), settings_.backlightLabelColor(index));
}

std::int16_t frmCtl::backlightState() const
{
    return Option4[0]->isChecked() ? 0 : Option4[1]->isChecked() ? 1 : 2;
}

void frmCtl::reapplyBacklight()
{
    Option4_Click(backlightState());
}

void frmCtl::addCompanies(const QString &pluginPath)
{
    ZR8_SetCorpAddList(pluginPath, Combo1);
}

void frmCtl::clearCompanies()
{
    Combo1->clear();
}

void frmCtl::GetCtrlDataInfo()
{
    CtrlDataRecord &record = place_;
    // A window still where the settings put it keeps the stored twips, which
    // need not be whole pixels.
    if (pos() != restoredAt_) {
        record.nLeft = x() * 15;
        record.nTop = y() * 15;
    }
    record.nScrollSpeed = HScroll1[0]->value();
    record.nScrollWait = HScroll1[1]->value();
    record.nBackFrame = nBackFrame;
    record.nPreviewOpen = Check4->isChecked() ? 1 : 0;
    record.nLateNight = Check2->isChecked() ? 1 : 0;
}

void frmCtl::SetCtrlDataInfo()
{
    const CtrlDataRecord &record = place_;
    const QPoint at(record.nLeft / 15, record.nTop / 15);
    move(at);
    // A slider refuses a value outside its range; the range is tested on
    // the stored 32-bit value, so 65537 is refused rather than read as 1.
    auto setSlider = [](QScrollBar *bar, std::int32_t value) {
        if (value < bar->minimum() || value > bar->maximum())
            throw VbError(VbError::InvalidPropertyValue);
        bar->setValue(value);
    };
    setSlider(HScroll1[0], record.nScrollSpeed);
    setSlider(HScroll1[1], record.nScrollWait);
    nBackFrame = record.nBackFrame;
    Check4->setChecked(record.nPreviewOpen != 0);
    Check2->setChecked(record.nLateNight != 0);
    Frame1_DblClick(nBackFrame == 1 ? 1 : 0);
    restoredAt_ = at;
    // Shown but not yet framed, the window's client lands where its frame
    // should be. Once the window manager has framed it, the frame goes there,
    // unless the user has moved the window by then.
    whenFramed(*this, [this, at] {
        if (restoredAt_ == at && geometry().topLeft() == at && pos() != at)
            move(at);
    });
}

// ---- Announcements -----------------------------------------------------------

// The announcement buttons may step the bus, so they are busy operations
// too: pressed while the unit is busy, they wait their turn with the steps,
// so the tape never moves without its stop.
void frmCtl::cmdTapeNext_Click()
{
    engine().press(OperationEngine::Press::TapeNext);
}

void frmCtl::cmdTapeBack_Click()
{
    engine().press(OperationEngine::Press::TapeBack);
}

void frmCtl::cmdTapeSet_Click()
{
    engine().tape().TapeVoiceDialog();
}

void frmCtl::cmdTapeStop_Click()
{
    engine().stop();
}

// ---- Window ------------------------------------------------------------------

void frmCtl::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // The question waits until the operation under way has ended.
    if (engine().isBusy()) {
        closeRequested_ = true;
        return;
    }
    runGuarded([this] {
        if (MsgBox(QStringLiteral("ケルバラを終了しますか？"), vbQuestion | vbYesNo,
                   QStringLiteral("ケルバラの終了確認"))
            != vbYes)
            return;
        Form1 &panel = panel_;
        panel.blankStopName();
        panel.DeleteRgn();
        emit exitConfirmed();
    });
}

bool frmCtl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 2; ++i) {
            if (watched == Frame1[i]) {
                Frame1_DblClick(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kerubara
