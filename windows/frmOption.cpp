// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmOption.h"

#include "controls/digit/M_Degit.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/MsgBox.h"
#include "reslib/ResDialogs.h"
#include "reslib/Shell.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "settings/StartupColors.h"
#include "windows/CaptionFit.h"
#include "windows/ColorButton.h"
#include "windows/SettingValues.h"
#include "windows/StorableText.h"
#include "windows/mdlzed_000.h"
#include "ui_frmOption.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace kerubara {
namespace {

// The height of a list that shows `lines` rows without scrolling.
int listHeight(QListWidget *list, int lines)
{
    list->addItem(QStringLiteral("整"));
    const int row = list->sizeHintForRow(0);
    list->clear();
    return lines * row + 2 * list->frameWidth();
}

// The height of a text box that shows `lines` lines without scrolling.
int textHeight(QPlainTextEdit *box, int lines)
{
    // The box scrolls as soon as the last line comes within a pixel of the
    // bottom margin.
    const QMargins margins = box->contentsMargins();
    return lines * box->fontMetrics().lineSpacing() + int(2 * box->document()->documentMargin()) + margins.top()
        + margins.bottom() + 2;
}

// The page tabs' captions. A push button does not wrap its caption, so one
// that is too wide for its tab is broken at the word boundary marked '|';
// full-width spaces at the break go, so both lines stay centred.
constexpr std::array<const char *, 6> kTabCaptions{
    QT_TRANSLATE_NOOP("kerubara::frmOption", "運賃データと|　放送用データ"), QT_TRANSLATE_NOOP("kerubara::frmOption", "パネルと|整理券番号表示"),
    QT_TRANSLATE_NOOP("kerubara::frmOption", "デジタル部品と|情報用数字"),  QT_TRANSLATE_NOOP("kerubara::frmOption", "停名の設定"),
    QT_TRANSLATE_NOOP("kerubara::frmOption", "サウンド"),                   QT_TRANSLATE_NOOP("kerubara::frmOption", "整理券|　　プレビュー")};

// A tab's caption, marked, in the user's language.
QString markedTabCaption(std::size_t tab)
{
    return QCoreApplication::translate("kerubara::frmOption", kTabCaptions[tab]);
}

QString tabCaption(QStringView marked)
{
    return marked.toString().remove(u'|');
}

// The lines a tab shows in font metrics `fm` when its text may be `room`
// pixels wide: the whole caption when it fits, else the caption broken at its
// word boundary.
QStringList tabLines(QStringView marked, const QFontMetrics &fm, int room)
{
    const QString whole = tabCaption(marked);
    const qsizetype boundary = marked.indexOf(u'|');
    if (boundary < 0 || fm.horizontalAdvance(whole) <= room)
        return {whole};
    return {marked.left(boundary).trimmed().toString(), marked.mid(boundary + 1).trimmed().toString()};
}

// The width a push button leaves for its caption, less a pixel of air on
// each side so that a caption never touches the button's edge.
int captionRoom(const QWidget *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() - 2;
}

// The tabs' font: the window's, made smaller only as far as needed for every
// line of every caption to fit its tab, so all tabs share one size.
QFont tabFont(const QFont &windowFont, int room)
{
    QFont font = windowFont;
    auto fits = [&] {
        const QFontMetrics fm(font);
        for (std::size_t tab = 0; tab < kTabCaptions.size(); ++tab) {
            for (const QString &line : tabLines(markedTabCaption(tab), fm, room)) {
                if (fm.horizontalAdvance(line) > room)
                    return false;
            }
        }
        return true;
    };
    while (!fits() && font.pixelSize() > 9)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QList<FileFilter> soundFilter()
{
    return {{QCoreApplication::translate("kerubara::frmOption", "Waveサウンド(*.wav)"), QStringLiteral("*.wav")},
            {QCoreApplication::translate("kerubara::frmOption", "MIDIサウンド(*.mid)"), QStringLiteral("*.mid")}};
}

QList<FileFilter> panelFilter()
{
    return {{QCoreApplication::translate("kerubara::frmOption", "ビットマップ(*.bmp)"), QStringLiteral("*.bmp")},
            {QCoreApplication::translate("kerubara::frmOption", "GIF画像(*.gif)"), QStringLiteral("*.gif")},
            {QCoreApplication::translate("kerubara::frmOption", "JPEG画像(*.jpg)"), QStringLiteral("*.jpg")}};
}

} // namespace

frmOption::frmOption(SettingsModel &settings, QWidget *parent)
    : QDialog(parent), settings_(settings), ini_(settings.records())
{
    // The window is laid out for a 9-point proportional gothic, as the
    // dense pages need.
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(12);
    setFont(face);
    // The controls, their places and captions are the form's
    // (frmOption.ui); what depends on the fonts at hand is set here.
    Ui::frmOption form;
    form.setupUi(this);
    static_cast<frmOptionControls &>(*this) = frmOptionControls(form);
    fitTabCaptions();
    // Ten lines each: the whole list of a barcode plug-in, and a note as long.
    List1->setFixedHeight(listHeight(List1, 10));
    txtPlginComment->setFixedHeight(textHeight(txtPlginComment, 10));
    // No button answers Enter: Enter in a text box must not apply the
    // settings and hide the window while the user is still typing.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    // The stop request's chime: kept at once, as the panel's zoom is, for the
    // settings file has no place for it.
    PreferenceStore &preferences = settings.preferences();
    txtStopRequestSound->setText(preferences.text(Preference::StopRequestSound));
    connect(txtStopRequestSound, &QLineEdit::textChanged, &preferences,
            [&preferences](const QString &file) { preferences.setText(Preference::StopRequestSound, file); });
    offerLanguages(preferences);
    connectHandlers();
    guardPathBoxes();
    Form_Load();
    Option1[0]->setChecked(true);
    Option1_Click(0);
    Option5_Click(1);
    bindToRecords();
    fitCaptionsWhenShown(this);
}

frmOption::~frmOption() = default;

void frmOption::fitTabCaptions()
{
    const int room = captionRoom(Option1[0]);
    const QFont font = tabFont(this->font(), room);
    const QFontMetrics fm(font);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i]->setFont(font);
        Option1[i]->setText(tabLines(markedTabCaption(i), fm, room).join(u'\n'));
    }
}

void frmOption::offerLanguages(PreferenceStore &preferences)
{
    // Each language in its own words, so that a user who cannot read the
    // current one still finds theirs.
    cboLanguage->addItem(tr("ロケールに合わせる"), QString());
    cboLanguage->addItem(QStringLiteral("日本語"), preferences::kLanguageJapanese);
    cboLanguage->addItem(QStringLiteral("English"), preferences::kLanguageEnglish);
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(preferences.text(Preference::Language))));
    connect(cboLanguage, &QComboBox::currentIndexChanged, &preferences, [this, &preferences] {
        preferences.setText(Preference::Language, cboLanguage->currentData().toString());
    });
}

void frmOption::guardPathBoxes()
{
    keepStorable(Text2[0], tr("運賃データのフォルダー"));
    keepStorable(Text2[1], tr("放送用データのフォルダー"));
    const std::array<const char16_t *, 3> states{u"OFF", u"ON1", u"ON2"};
    for (std::size_t i = 0; i < 3; ++i)
        keepStorable(txtSelectPanel[i], tr("バックライト%1時のパネル画像").arg(QString::fromUtf16(states[i])));
    const std::array<std::pair<std::size_t, const char *>, 10> sounds{{
        {0, QT_TR_NOOP("系統設定時のサウンド")},
        {1, QT_TR_NOOP("リセット時のサウンド")},
        {7, QT_TR_NOOP("送り・戻し時のサウンド")},
        {8, QT_TR_NOOP("送り・戻し時のサウンド（「1」の場合）")},
        {9, QT_TR_NOOP("送り・戻し時のサウンド（「2」の場合）")},
        {10, QT_TR_NOOP("送り・戻し時のサウンド（「3」の場合）")},
        {3, QT_TR_NOOP("放送前のサウンド")},
        {4, QT_TR_NOOP("放送前のサウンド（「1」の場合）")},
        {5, QT_TR_NOOP("放送前のサウンド（「2」の場合）")},
        {6, QT_TR_NOOP("放送前のサウンド（「3」の場合）")},
    }};
    for (const auto &[index, what] : sounds)
        keepStorable(txtSelectSound[index], tr(what));
    keepStorable(txtSeiriPlgDir, tr(kPluginSetting));
}

void frmOption::connectHandlers()
{
    // Every handler runs inside the error boundary (reslib/ErrorBoundary.h).
    for (int i = 0; i < 6; ++i)
        connect(Option1[i], &QAbstractButton::toggled, this, guarded([this, i] {
                    if (Option1[i]->isChecked())
                        Option1_Click(i);
                }));
    for (int i = 0; i < 2; ++i) {
        connect(Option5[i], &QAbstractButton::toggled, this, guarded([this, i] {
                    if (Option5[i]->isChecked())
                        Option5_Click(i);
                }));
        connect(Command3[i], &QPushButton::clicked, this, guarded([this, i] { Command3_Click(i); }));
        connect(Command10[i], &QPushButton::clicked, this, guarded([this, i] { Command10_Click(i); }));
    }
    // A check box's handler runs whenever its value changes, also when the
    // settings file restores it, as the enabled states depend on that.
    connect(Check1, &QCheckBox::toggled, this, guarded([this] { Check1_Click(); }));
    for (int i = 0; i < 4; ++i)
        connect(Check3[i], &QCheckBox::toggled, this, guarded([this, i] { Check3_Click(i); }));
    for (int i = 0; i < 8; ++i)
        connect(Option3[i], &QRadioButton::toggled, this, guarded([this, i] {
                    if (Option3[i]->isChecked())
                        Option3_Click(i);
                }));
    connect(chkUseSeiriPrev, &QCheckBox::toggled, this, guarded([this] { chkUseSeiriPrev_Click(); }));
    for (int i = 0; i < 3; ++i) {
        connect(Command6[i], &QPushButton::clicked, this, guarded([this, i] { Command6_Click(i); }));
        connect(Command5[i], &QPushButton::clicked, this, guarded([this, i] { Command5_Click(i); }));
        connect(Command8[i], &QPushButton::clicked, this, guarded([this, i] { Command8_Click(i); }));
        connect(Command9[i], &QPushButton::clicked, this, guarded([this, i] { Command9_Click(i); }));
    }
    for (int i = 0; i < 11; ++i) {
        if (cmdSelectSound[i])
            connect(cmdSelectSound[i], &QPushButton::clicked, this, guarded([this, i] { cmdSelectSound_Click(i); }));
    }
    connect(cmdStopRequestSound, &QPushButton::clicked, this, guarded([this] { cmdStopRequestSound_Click(); }));
    connect(Command7, &QPushButton::clicked, this, guarded([this] { Command7_Click(); }));
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    connect(Command11, &QPushButton::clicked, this, guarded([this] { Command11_Click(); }));
    connect(Command4, &QPushButton::clicked, this, guarded([this] { Command4_Click(); }));
}

void frmOption::Form_Load()
{
    M_Degit1->setDegitSize(0);
    // A sample value, so the preview shows lit, unlit and background colours.
    M_Degit1->setValue(123);
    for (int n = 1; n <= 12; ++n) {
        for (int i = 0; i < 4; ++i)
            Combo4[i]->addItem(QString::number(n));
    }
    for (int i = 0; i < 4; ++i)
        Combo4[i]->setCurrentIndex(0);
    for (int n = 1; n <= 150; ++n) {
        Combo1->addItem(QString::number(n));
        Combo4[4]->addItem(QString::number(n));
    }
    Combo1->setCurrentIndex(0);
    Combo4[4]->setCurrentIndex(0);
    AddComboItem();
    Label10->setText(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
}

void frmOption::AddComboItem()
{
    Combo2->clear();
    for (const QString &entry : ticketNumberStyleNames())
        Combo2->addItem(entry);
    Combo2->setCurrentIndex(0);
}

QString frmOption::GetPathString()
{
    return Zr7FolderDlg(this, tr("フォルダーを選択してください"));
}

void frmOption::Option1_Click(int index)
{
    Frame1[index]->raise();
    for (int i = 0; i < 6; ++i)
        Frame1[i]->setVisible(i == index);
    fitCaptions(this);
}

void frmOption::Option5_Click(int index)
{
    Frame2[index]->raise();
    Frame2[index]->setVisible(true);
    Frame2[1 - index]->setVisible(false);
    fitCaptions(this);
}

void frmOption::Check1_Click()
{
    Frame3->setEnabled(!Frame3->isEnabled());
}

void frmOption::Check3_Click(int index)
{
    switch (index) {
    case 0:
        Combo4[0]->setEnabled(!Combo4[0]->isEnabled());
        Check3[4]->setEnabled(!Check3[4]->isEnabled());
        break;
    case 1:
    case 2:
        Combo4[index]->setEnabled(!Combo4[index]->isEnabled());
        break;
    case 3:
        Combo4[3]->setEnabled(!Combo4[3]->isEnabled());
        Combo4[4]->setEnabled(!Combo4[4]->isEnabled());
        break;
    default:
        break;
    }
}

void frmOption::Option3_Click(int /*index*/)
{
    const bool individual = !Option3[0]->isChecked();
    for (QGroupBox *frame : Frame6) {
        frame->setEnabled(individual);
        frame->setVisible(individual);
    }
}

void frmOption::chkUseSeiriPrev_Click()
{
    const bool on = chkUseSeiriPrev->isChecked();
    for (QGroupBox *frame : {Frame10, Frame7}) {
        frame->setEnabled(on);
        frame->setVisible(on);
    }
}

void frmOption::Command3_Click(int index)
{
    const QString folder = GetPathString();
    if (!folder.isEmpty())
        Text2[index]->setText(folder);
}

void frmOption::Command10_Click(int index)
{
    const QString folder = pathFromSettings(Text2[index]->text(), settings_.settingsFile());
    // A folder that is not there is passed over; a desktop that cannot open
    // folders at all is worth knowing about.
    if (ShellOpenFolder(folder) == OpenFolderResult::NoFileManager)
        MsgBox(tr("フォルダー「%1」を開けません。フォルダーを開くファイルマネージャーが見つかりません。\n"
                  "ファイルマネージャーと xdg-utils（xdg-open）をインストールしてください。")
                   .arg(QDir::toNativeSeparators(folder)),
               vbExclamation, tr("エクスプローラで開く"));
}

void frmOption::Command6_Click(int index)
{
    const QString path = Zr7FileDlg(this, 0, panelFilter(), QString(), tr("パネル画像の選択"));
    if (!path.isEmpty())
        txtSelectPanel[index]->setText(path);
}

void frmOption::cmdSelectSound_Click(int index)
{
    const QString path = Zr7FileDlg(this, 0, soundFilter(), QString(), tr("サウンドの選択"));
    if (!path.isEmpty())
        txtSelectSound[index]->setText(path);
}

void frmOption::cmdStopRequestSound_Click()
{
    const QString path = Zr7FileDlg(this, 0, soundFilter(), QString(), tr("サウンドの選択"));
    if (!path.isEmpty())
        txtStopRequestSound->setText(path);
}

void frmOption::Command5_Click(int index)
{
    GetBtnColor(Command5[index]);
}

void frmOption::Command8_Click(int index)
{
    GetBtnColor(Command8[index]);
    M_Degit1->setBackColor(buttonColor(Command8[0]));
    M_Degit1->setBaseForeColor(buttonColor(Command8[1]));
    M_Degit1->setDegitForeColor(buttonColor(Command8[2]));
}

void frmOption::Command9_Click(int index)
{
    GetBtnColor(Command9[index]);
}

void frmOption::Command7_Click()
{
    SystemTime date;
    if (Call_dlg111(this, date) == 0)
        return;
    Label10->setText(QStringLiteral("%1/%2/%3")
                         .arg(date.wYear)
                         .arg(date.wMonth, 2, 10, QChar(u'0'))
                         .arg(date.wDay, 2, 10, QChar(u'0')));
    storeField(QStringLiteral("Label10"));
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}

void frmOption::GetBtnColor(ColorButton *button)
{
    OleColor color = buttonColor(button);
    if (Zr7ChooseColor(this, color, ini_.CustColors) != 0)
        setButtonColor(button, color);
}

void frmOption::SetProp()
{
    emit settingsApplied();
}

void frmOption::closeEvent(QCloseEvent *event)
{
    // Closing the window only hides it: its controls hold the settings.
    event->ignore();
    hide();
}

void frmOption::reject()
{
    hide();
}

} // namespace kerubara
