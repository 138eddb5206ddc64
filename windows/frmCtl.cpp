// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmCtl.h"

#include "dialogs/Modal.h"
#include "dialogs/ScopedDisable.h"
#include "dialogs/TicketPluginLists.h"
#include "dialogs/VoiceMessages.h"
#include "formats/FareFile.h"
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
#include "windows/CaptionFit.h"
#include "windows/DigitList.h"
#include "windows/Form1.h"
#include "windows/PictureBox.h"
#include "windows/SettingValues.h"
#include "windows/WindowPlacement.h"
#include "ui_frmCtl.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QScrollBar>
#include <QTimer>

namespace kerubara {
namespace {

// The form is drawn at the narrow width (359 pixels) and this height.
constexpr int kNarrowWidth = 5385; // twips, preview pane closed
constexpr int kWideWidth = 9000;   // twips, preview pane open
constexpr int kHeight = 318;       // pixels

} // namespace

frmCtl::frmCtl(OperationEngine &engine, Form1 &panel, SettingsModel &settings,
               CtrlDataRecord &place, QWidget *parent)
    : QWidget(parent), engine_(engine), panel_(panel), settings_(settings), place_(place)
{
    takeForm();
    connectHandlers();
    connectEngine();
    buildAutoRun(settings.preferences());
    connectKeys();
    fitCaptionsWhenShown(this);
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
    // The tape names its frame's state in the unit's words; the console
    // shows them in the user's language.
    connect(&unit, &OperationEngine::tapeFrameCaptionChanged, this, [this](const QString &caption) {
        if (caption == mdlM_Tape::captionAvailable())
            grpM_Tape->setTitle(tr("音合使用可"));
        else if (caption == mdlM_Tape::captionUnavailable())
            grpM_Tape->setTitle(tr("音合使用不可"));
        else
            grpM_Tape->setTitle(caption);
    });
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

void frmCtl::takeForm()
{
    // The faces are sized in pixels, as the console's twips are, which a
    // form's fonts (in points) cannot say. The window's face comes first: a
    // control with a style sheet keeps the face it was polished with.
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(12);
    setFont(face);

    // The controls and their places are the form's; the members point at
    // them, the arrays by the controls' index (Option4_0 is Option4[0]).
    Ui::frmCtl form;
    form.setupUi(this);
    Frame1 = {form.Frame1_0, form.Frame1_1};
    List2 = {form.List2_0, form.List2_1, form.List2_2, form.List2_3, form.List2_4};
    List3 = {form.List3_0, form.List3_1, form.List3_2};
    Command1 = {form.Command1_0, form.Command1_1};
    CommandButton1 = {form.CommandButton1_0, form.CommandButton1_1, form.CommandButton1_2,  form.CommandButton1_3,
                      form.CommandButton1_4, form.CommandButton1_5, form.CommandButton1_6,  form.CommandButton1_7,
                      form.CommandButton1_8, form.CommandButton1_9, form.CommandButton1_10, form.CommandButton1_11};
    Label2 = {form.Label2_0, form.Label2_1, form.Label2_2};
    Command2 = {form.Command2_0, form.Command2_1};
    Check1 = form.Check1;
    cmdStopRequest = form.cmdStopRequest;
    Frame6 = form.Frame6;
    Check2 = form.Check2;
    HScroll1 = {form.HScroll1_0, form.HScroll1_1};
    Label1 = {form.Label1_0, form.Label1_1};
    Label3 = {form.Label3_0, form.Label3_1};
    Frame2 = form.Frame2;
    Option4 = {form.Option4_0, form.Option4_1, form.Option4_2};
    grpM_Tape = form.grpM_Tape;
    cmdTapeSet = form.cmdTapeSet;
    cmdTapeBack = form.cmdTapeBack;
    cmdTapeNext = form.cmdTapeNext;
    cmdTapeStop = form.cmdTapeStop;
    Command4 = form.Command4;
    Command8 = form.Command8;
    Check4 = form.Check4;
    Label4 = form.Label4;
    picSeirikenPrev = form.picSeirikenPrev;
    Combo1 = form.Combo1;

    QFont readout(QStringLiteral("ＭＳ ゴシック"));
    readout.setPixelSize(20);
    readout.setBold(true);
    for (QLabel *l : Label2)
        l->setFont(readout);
    // Both entry frames lie on the same spot; the list frame is in front at
    // start, and a double click on either brings the other forward.
    for (QGroupBox *frame : Frame1)
        frame->installEventFilter(this);
    Frame1[0]->raise();

    MnuHide = new QMenu(QStringLiteral("MnuHide"), this);
    QAction *copy = MnuHide->addAction(tr("コピー(&C)"));
    copy->setObjectName(QStringLiteral("MnuHideCopy"));
    connect(copy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);
    connect(picSeirikenPrev, &PictureBox::rightClicked, this,
            [this](const QPoint &at) { MnuHide->popup(picSeirikenPrev->mapToGlobal(at)); });

    auto *editFaresAction = new QAction(tr("運賃表の編集(&E)..."), this);
    editFaresAction->setObjectName(QStringLiteral("MnuEditFares"));
    editFaresAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    editFaresAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(editFaresAction, &QAction::triggered, this, &frmCtl::editFares);
    addAction(editFaresAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
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
    panel_.setWindowTitle(tr("ケルバラケーション - 型番:%1").arg(programFileName()));
    shapeKeypad();
    engine().tape().InitVoice();
    // Once, at start: why the voice speaking is not the better one, if so,
    // and which package brings it.
    if (const auto *voice = dynamic_cast<const VoiceEngine *>(engine().tape().objVoice())) {
        if (const QString notice = voiceNoticeText(voice->notice()); !notice.isEmpty())
            QTextStream(stderr) << tr("注意: %1").arg(notice) << '\n';
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
        Check4->setToolTip(tr("整理券プレビューを隠します"));
        // The wider window must not reach past the screen's right edge.
        if (isVisible())
            keepOnScreen(*this);
    } else {
        setFixedWidth(twipsToPixels(kNarrowWidth));
        Check4->setText(QStringLiteral(">>"));
        Check4->setToolTip(tr("整理券プレビューを開きます"));
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
        emit optionsRequested();
    }
    // The changed display options on the current stop name, by the same
    // first-stop rule as a step (fares are not redrawn).
    engine().redrawStopName();
}

void frmCtl::editFares()
{
    const OperatingState &state = engine().state;
    emit fareEditRequested(engine().routeSet() ? fareFilePath(settings_.fareDataFolder(), state.strRouteNo) : QString());
}

QString frmCtl::versionText()
{
    const QStringList version = QStringLiteral(KERUBARA_VERSION).split(u'.');
    const QString numbers = QStringLiteral("%1.%2.%3")
                                .arg(version.value(0, QStringLiteral("0")), version.value(1, QStringLiteral("0")),
                                     version.value(2, QStringLiteral("0")));
    return tr("機種：%1\r\nバージョン：%2  ServiceRelease 1\r\n\r\n"
              "配布：kerubara プロジェクト\r\n開発：kerubara 開発チーム (C) %3\r\n")
        .arg(programFileName(), numbers, QString::number(QDate::currentDate().year()));
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

bool frmCtl::useTicketPlugin(const QString &pluginPath)
{
    PlgInfoRecord info{};
    if (pluginPath.isEmpty() || ZR8_GetPlgInfo(pluginPath, info) == 0)
        return false;
    // The plug-in's size goes to the preview picture, scaled down when the
    // pane cannot hold it.
    setTicketPreviewSize(QSize(info.field[PlgWidth], info.field[PlgHeight]));
    if (info.field[PlgCompanySwitch] >= 1)
        addCompanies(pluginPath);
    return true;
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
        if (MsgBox(tr("ケルバラを終了しますか？"), vbQuestion | vbYesNo, tr("ケルバラの終了確認"))
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
