// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmOption.h"

#include "controls/digit/M_Degit.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/MsgBox.h"
#include "reslib/ResDialogs.h"
#include "reslib/Shell.h"
#include "reslib/Units.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "settings/StartupColors.h"
#include "windows/ColorButton.h"
#include "windows/SettingValues.h"
#include "windows/StorableText.h"
#include "windows/WrappingButton.h"
#include "windows/mdlzed_000.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QVBoxLayout>

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

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// The pages are dense: text boxes, lists and small buttons are one
// compact row high.
constexpr int kRowHeight = 19;

QPushButton *dotsButton(QWidget *parent)
{
    auto *b = new QPushButton(QStringLiteral("..."), parent);
    b->setFixedSize(26, kRowHeight);
    return b;
}

QLineEdit *compactEdit(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setFixedHeight(kRowHeight);
    return e;
}

// A text box followed by its "..." button, in one row.
QHBoxLayout *pathRow(QLineEdit *&text, QPushButton *&button, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    text = compactEdit(parent);
    button = dotsButton(parent);
    row->addWidget(text, 1);
    row->addWidget(button);
    return row;
}

QButtonGroup *groupOf(QObject *owner, std::initializer_list<QAbstractButton *> buttons)
{
    auto *group = new QButtonGroup(owner);
    for (QAbstractButton *b : buttons)
        group->addButton(b);
    return group;
}

// A "再生方法" frame: the synchronous and the asynchronous option.
QGroupBox *playbackFrame(QWidget *parent, std::array<QRadioButton *, 2> &options, const QString &sync,
                         const QString &async)
{
    auto *frame = new QGroupBox(QStringLiteral("再生方法"), parent);
    auto *column = new QVBoxLayout(frame);
    options[0] = new QRadioButton(sync, frame);
    options[1] = new QRadioButton(async, frame);
    column->addWidget(options[0]);
    column->addWidget(options[1]);
    return frame;
}

QAbstractButton *tabButton(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    return b;
}

// The page tabs' captions. A push button does not wrap its caption, so one
// that is too wide for its tab is broken at the word boundary marked '|';
// full-width spaces at the break go, so both lines stay centred.
constexpr std::array<QStringView, 6> kTabCaptions{
    u"運賃データと|　放送用データ", u"パネルと|整理券番号表示", u"デジタル部品と|情報用数字",
    u"停名の設定",                  u"サウンド",                u"整理券|　　プレビュー"};

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
        for (QStringView marked : kTabCaptions) {
            for (const QString &line : tabLines(marked, fm, room)) {
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

// A colour button shows its colour and no caption; its accessible name says
// which colour it sets, for screen readers.
void nameColourButtons(const frmOptionControls &o)
{
    const std::array<std::pair<ColorButton *, const char16_t *>, 9> names{{
        {o.Command5[0], u"バックライトOFF時の整理券番号の文字色"},
        {o.Command5[1], u"バックライトON1時の整理券番号の文字色"},
        {o.Command5[2], u"バックライトON2時の整理券番号の文字色"},
        {o.Command8[0], u"デジタル部品の背景色"},
        {o.Command8[1], u"デジタル部品の未発光時の文字色"},
        {o.Command8[2], u"デジタル部品の発光時の文字色"},
        {o.Command9[0], u"停名部分の背景色"},
        {o.Command9[1], u"停名部分の文字色"},
        {o.Command9[2], u"「次は」の文字色"},
    }};
    for (const auto &[button, name] : names)
        button->setAccessibleName(QString::fromUtf16(name));
}

const QList<FileFilter> kSoundFilter{{QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav")},
                                     {QStringLiteral("MIDIサウンド(*.mid)"), QStringLiteral("*.mid")}};
const QList<FileFilter> kPanelFilter{{QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp")},
                                     {QStringLiteral("GIF画像(*.gif)"), QStringLiteral("*.gif")},
                                     {QStringLiteral("JPEG画像(*.jpg)"), QStringLiteral("*.jpg")}};

} // namespace

frmOption::frmOption(SettingsModel &settings, QWidget *parent)
    : QDialog(parent), settings_(settings), ini_(settings.records())
{
    setWindowTitle(QStringLiteral("オプション"));
    // Taller than the 5610 twips of old, so that page 5 shows its plug-in's
    // list and note ten lines deep.
    setFixedSize(twipsToPixels(9570), twipsToPixels(6480));
    // The window is laid out for a 9-point proportional gothic, as the
    // dense pages need.
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(12);
    setFont(face);
    setModal(true);

    buildTabs();
    buildDataPage();
    buildPanelPage();
    buildDigitPage();
    buildStopNamePage();
    buildSoundPage();
    buildPreviewPage();
    nameColourButtons(*this);

    Command4 = new QPushButton(QStringLiteral("OK"), this);
    Command4->setGeometry(width() - 95, height() - 32, 85, 25);
    // No button answers Enter: Enter in a text box must not apply the
    // settings and hide the window while the user is still typing.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    for (QComboBox *list : findChildren<QComboBox *>())
        list->setFixedHeight(kRowHeight + 1);
    for (QGroupBox *frame : findChildren<QGroupBox *>()) {
        if (QLayout *layout = frame->layout()) {
            layout->setContentsMargins(6, 2, 6, 3);
            layout->setSpacing(2);
        }
    }
    for (QGroupBox *frame : Frame6) {
        frame->layout()->setContentsMargins(2, 1, 2, 2);
        frame->layout()->setSpacing(0);
    }

    // The stop request's chime: kept at once, as the panel's zoom is, for the
    // settings file has no place for it.
    PreferenceStore &preferences = settings.preferences();
    txtStopRequestSound->setText(preferences.text(Preference::StopRequestSound));
    connect(txtStopRequestSound, &QLineEdit::textChanged, &preferences,
            [&preferences](const QString &file) { preferences.setText(Preference::StopRequestSound, file); });
    connectHandlers();
    guardPathBoxes();
    Form_Load();
    Option1[0]->setChecked(true);
    Option1_Click(0);
    Option5_Click(1);
    bindToRecords();
}

frmOption::~frmOption() = default;

void frmOption::buildTabs()
{
    const QStringList frames{QStringLiteral("運賃データと放送用データ"),
                             QStringLiteral("パネルと整理券番号表示"),
                             QStringLiteral("デジタル部品と情報用数字"),
                             QStringLiteral("停名の設定"),
                             QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"),
                             QStringLiteral("整理券プレビュー")};
    const int tabHeight = 52;
    for (int i = 0; i < 6; ++i) {
        Option1[i] = tabButton(tabCaption(kTabCaptions[i]), this);
        Option1[i]->setGeometry(6, 8 + i * (tabHeight + 4), twipsToPixels(1250), tabHeight);
        Option1[i]->setAccessibleName(tabCaption(kTabCaptions[i]));
        Frame1[i] = new QGroupBox(frames[i], this);
        Frame1[i]->setGeometry(twipsToPixels(1455), twipsToPixels(75), twipsToPixels(8000), twipsToPixels(5870));
    }
    const int room = captionRoom(Option1[0]);
    const QFont font = tabFont(this->font(), room);
    const QFontMetrics fm(font);
    for (int i = 0; i < 6; ++i) {
        Option1[i]->setFont(font);
        Option1[i]->setText(tabLines(kTabCaptions[i], fm, room).join(u'\n'));
    }
}

void frmOption::buildDataPage()
{
    QGroupBox *page = Frame1[0];
    auto *v = new QVBoxLayout(page);
    const QStringList labels{QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                             QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const QStringList opens{QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                            QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    for (int i = 0; i < 2; ++i) {
        v->addWidget(new QLabel(labels[i], page));
        v->addLayout(pathRow(Text2[i], Command3[i], page));
        Command10[i] = new QPushButton(opens[i], page);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(Command10[i]);
        v->addLayout(row);
        v->addSpacing(14);
    }
    v->addStretch();
}

void frmOption::buildPanelPage()
{
    QGroupBox *page = Frame1[1];
    auto *v = new QVBoxLayout(page);
    v->setSpacing(3);
    // Designed checked, with Frame3 enabled; its handler inverts from there.
    Check1 = new QCheckBox(QStringLiteral("整理券番号自動表示機能を使用"), page);
    Check1->setChecked(true);
    v->addWidget(Check1);

    Frame3 = new QGroupBox(page);
    auto *g3 = new QGridLayout(Frame3);
    g3->setContentsMargins(6, 4, 6, 4);
    g3->setVerticalSpacing(2);
    g3->addWidget(new QLabel(QStringLiteral("整理券番号のバックライトカラー(文字色)"), Frame3), 0, 0, 1, 6);
    const QStringList states{QStringLiteral("OFF："), QStringLiteral("ON1："), QStringLiteral("ON2：")};
    for (int i = 0; i < 3; ++i) {
        g3->addWidget(new QLabel(states[i], Frame3), 1, 2 * i, Qt::AlignRight);
        Command5[i] = new ColorButton(Frame3);
        Command5[i]->setFixedSize(48, 20);
        g3->addWidget(Command5[i], 1, 2 * i + 1);
    }
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(new QLabel(QStringLiteral("整理券番号表示設定"), Frame3));
    Combo2 = new QComboBox(Frame3);
    styleRow->addWidget(Combo2, 1);
    g3->addLayout(styleRow, 2, 0, 1, 6);
    Check2 = new QCheckBox(QStringLiteral("数字が1桁の番号は頭に0を付け足す"), Frame3);
    g3->addWidget(Check2, 3, 0, 1, 6);
    v->addWidget(Frame3);
    v->addWidget(note(QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。"), page));

    Frame4 = new QGroupBox(QStringLiteral("本体パネル"), page);
    auto *g4 = new QGridLayout(Frame4);
    g4->setContentsMargins(6, 2, 6, 4);
    g4->setVerticalSpacing(2);
    Option3[0] = new QRadioButton(QStringLiteral("内蔵しているパネルを自動で割り当てる"), Frame4);
    Option3[1] = new QRadioButton(QStringLiteral("個別に設定する"), Frame4);
    g4->addWidget(Option3[0], 0, 0, 1, 3);
    g4->addWidget(Option3[1], 1, 0, 1, 3);
    groupOf(this, {Option3[0], Option3[1]});
    const QStringList captions{QStringLiteral("バックライトOFF時の画像："), QStringLiteral("ON1の画像："),
                               QStringLiteral("ON2の画像：")};
    const std::array<std::array<int, 2>, 3> pairs{{{7, 6}, {3, 2}, {4, 5}}}; // built-in, user panel
    for (int i = 0; i < 3; ++i) {
        Frame6[i] = new QGroupBox(captions[i], Frame4);
        auto *h = new QGridLayout(Frame6[i]);
        h->setContentsMargins(4, 0, 4, 2);
        h->setVerticalSpacing(0);
        Option3[pairs[i][0]] = new QRadioButton(QStringLiteral("内蔵"), Frame6[i]);
        Option3[pairs[i][1]] = new QRadioButton(QStringLiteral("ユーザーパネル"), Frame6[i]);
        groupOf(this, {Option3[pairs[i][0]], Option3[pairs[i][1]]});
        h->addWidget(Option3[pairs[i][0]], 0, 0);
        h->addWidget(Option3[pairs[i][1]], 0, 1);
        h->addLayout(pathRow(txtSelectPanel[i], Command6[i], Frame6[i]), 1, 0, 1, 2);
        g4->addWidget(Frame6[i], 2, i);
        Frame6[i]->setEnabled(false);
        Frame6[i]->setVisible(false);
    }
    Option3[0]->setChecked(true);
    Option3[7]->setChecked(true);
    Option3[3]->setChecked(true);
    Option3[4]->setChecked(true);
    v->addWidget(Frame4);
    v->addWidget(note(QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意ください。"),
                      page));
    v->addStretch();
}

void frmOption::buildDigitPage()
{
    QGroupBox *page = Frame1[2];
    auto *v = new QVBoxLayout(page);

    Frame5[0] = new QGroupBox(QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"), page);
    auto *g = new QGridLayout(Frame5[0]);
    const QStringList labels{QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："),
                             QStringLiteral("発光時の文字色：")};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(new QLabel(labels[i], Frame5[0]), i, 0, Qt::AlignRight);
        Command8[i] = new ColorButton(Frame5[0]);
        Command8[i]->setFixedSize(48, 20);
        g->addWidget(Command8[i], i, 1);
    }
    g->addWidget(new QLabel(QStringLiteral("プレビュー"), Frame5[0]), 0, 3, Qt::AlignCenter);
    M_Degit1 = new M_Degit(Frame5[0]);
    g->addWidget(M_Degit1, 1, 3, 2, 1, Qt::AlignCenter);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(4, 1);
    setButtonColor(Command8[0], kStartupDigitColors.back);
    setButtonColor(Command8[1], kStartupDigitColors.unlit);
    setButtonColor(Command8[2], kStartupDigitColors.lit);
    v->addWidget(Frame5[0]);

    Frame5[1] = new QGroupBox(QStringLiteral("情報用数字の設定"), page);
    auto *f = new QGridLayout(Frame5[1]);
    f->setVerticalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        Combo4[i] = new QComboBox(Frame5[1]);
        Combo4[i]->setMaximumWidth(64);
        Combo4[i]->setEnabled(false);
    }
    auto line = [&](int row, QCheckBox *box, std::initializer_list<QWidget *> rest) {
        auto *h = new QHBoxLayout;
        h->setSpacing(2);
        h->addWidget(box);
        for (QWidget *w : rest)
            h->addWidget(w);
        h->addStretch();
        f->addLayout(h, row, 0);
    };
    Check3[0] = new QCheckBox(QStringLiteral("停留所の順番（区間・個数）を、"), Frame5[1]);
    line(0, Check3[0], {Combo4[0], new QLabel(QStringLiteral("コマ目に表示する。"), Frame5[1])});
    Check3[4] = new QCheckBox(QStringLiteral("0から数える"), Frame5[1]);
    Check3[4]->setEnabled(false);
    auto *indent = new QHBoxLayout;
    indent->addSpacing(24);
    indent->addWidget(Check3[4]);
    indent->addStretch();
    f->addLayout(indent, 1, 0);
    Check3[1] = new QCheckBox(QStringLiteral("整理券番号を、"), Frame5[1]);
    line(2, Check3[1], {Combo4[1], new QLabel(QStringLiteral("コマ目に表示する。"), Frame5[1])});
    Check3[2] = new QCheckBox(QStringLiteral("系統番号を、"), Frame5[1]);
    line(3, Check3[2], {Combo4[2], new QLabel(QStringLiteral("コマ目に表示する。"), Frame5[1])});
    Check3[3] = new QCheckBox(QStringLiteral("データの"), Frame5[1]);
    line(4, Check3[3], {Combo4[4], new QLabel(QStringLiteral("列目の値を、"), Frame5[1]), Combo4[3],
                        new QLabel(QStringLiteral("コマ目に表示する。"), Frame5[1])});
    f->addWidget(note(QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用数字は運賃の表示よりも優先されます。"),
                      Frame5[1]),
                 5, 0);
    v->addWidget(Frame5[1]);
    v->addStretch();
}

void frmOption::buildStopNamePage()
{
    QGroupBox *page = Frame1[3];
    auto *v = new QVBoxLayout(page);

    Frame11 = new QGroupBox(QStringLiteral("停名部分の設定"), page);
    auto *g = new QGridLayout(Frame11);
    g->addWidget(new QLabel(QStringLiteral("背景色："), Frame11), 0, 0, Qt::AlignRight);
    Command9[0] = new ColorButton(Frame11);
    Command9[0]->setFixedSize(48, 20);
    g->addWidget(Command9[0], 0, 1);
    g->addWidget(new QLabel(QStringLiteral("文字色："), Frame11), 0, 2, Qt::AlignRight);
    Command9[1] = new ColorButton(Frame11);
    Command9[1]->setFixedSize(48, 20);
    g->addWidget(Command9[1], 0, 3);
    g->addWidget(new QLabel(QStringLiteral("フォントオプション："), Frame11), 1, 0, Qt::AlignRight);
    Combo3 = new QComboBox(Frame11);
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
                      QStringLiteral("漢字はゴシック、それ以外は明朝"),
                      QStringLiteral("漢字は明朝、それ以外はゴシック"),
                      QStringLiteral("英数字はゴシック、それ以外は明朝")});
    g->addWidget(Combo3, 1, 1, 1, 4);
    Check4 = new QCheckBox(QStringLiteral("太字（表示の不具合はサポート対象外）"), Frame11);
    g->addWidget(Check4, 2, 1, 1, 4);
    g->setColumnStretch(4, 1);
    v->addWidget(Frame11);

    Frame12 = new QGroupBox(QStringLiteral("「次は」の表示設定(データの最初は「次は」は表示されません)"), page);
    auto *h = new QGridLayout(Frame12);
    h->addWidget(new QLabel(QStringLiteral("「次は」表示オプション："), Frame12), 0, 0, Qt::AlignRight);
    Combo6 = new QComboBox(Frame12);
    Combo6->addItems({QStringLiteral("「次は」表示なし"), QStringLiteral("「次は」を表示（「は」が小さい）"),
                      QStringLiteral("「次は」を表示（同じ大きさ）")});
    h->addWidget(Combo6, 0, 1);
    h->addWidget(new QLabel(QStringLiteral("フォントオプション："), Frame12), 1, 0, Qt::AlignRight);
    Combo5 = new QComboBox(Frame12);
    Combo5->addItems({QStringLiteral("すべてゴシック体"), QStringLiteral("「は」だけ明朝体"),
                      QStringLiteral("すべて明朝体"), QStringLiteral("「は」だけゴシック体")});
    h->addWidget(Combo5, 1, 1);
    Check5 = new QCheckBox(QStringLiteral("太字（表示の不具合はサポート対象外）"), Frame12);
    h->addWidget(Check5, 2, 1);
    h->addWidget(new QLabel(QStringLiteral("「次は」の文字色："), Frame12), 3, 0, Qt::AlignRight);
    Command9[2] = new ColorButton(Frame12);
    Command9[2]->setFixedSize(48, 20);
    h->addWidget(Command9[2], 3, 1, Qt::AlignLeft);
    h->setColumnStretch(1, 1);
    v->addWidget(Frame12);
    v->addStretch();

    setButtonColor(Command9[0], kStartupStopNameColors.back);
    setButtonColor(Command9[1], kStartupStopNameColors.text);
    setButtonColor(Command9[2], kStartupStopNameColors.tsugiwa);

    // These three lists start with nothing chosen, until a settings file says.
    Combo3->setCurrentIndex(-1);
    Combo6->setCurrentIndex(-1);
    Combo5->setCurrentIndex(-1);
}

void frmOption::buildSoundPage()
{
    QGroupBox *page = Frame1[4];
    auto *v = new QVBoxLayout(page);
    v->setSpacing(2);
    auto *top = new QGridLayout;
    top->setVerticalSpacing(2);
    top->addWidget(new QLabel(QStringLiteral("系統設定時のサウンド："), page), 0, 0);
    top->addLayout(pathRow(txtSelectSound[0], cmdSelectSound[0], page), 0, 1);
    top->addWidget(new QLabel(QStringLiteral("リセット時のサウンド："), page), 1, 0);
    top->addLayout(pathRow(txtSelectSound[1], cmdSelectSound[1], page), 1, 1);
    top->addWidget(new QLabel(QStringLiteral("降車ボタンのサウンド："), page), 2, 0);
    top->addLayout(pathRow(txtStopRequestSound, cmdStopRequestSound, page), 2, 1);
    txtStopRequestSound->setPlaceholderText(QStringLiteral("（内蔵のチャイム）"));
    v->addLayout(top);

    auto *switches = new QHBoxLayout;
    Option5[0] = tabButton(QStringLiteral("放送前のサウンド..."), page);
    Option5[1] = tabButton(QStringLiteral("送り・戻し時のサウンド..."), page);
    switches->addWidget(Option5[0]);
    switches->addWidget(Option5[1]);
    switches->addStretch();
    v->addLayout(switches);

    // The two sound frames lie on top of each other; Option5 picks the one in front.
    auto *stackHost = new QWidget(page);
    v->addWidget(stackHost, 1);
    auto fileRow = [&](QGridLayout *grid, int row, int column, const QString &label, int index, QWidget *parent) {
        grid->addWidget(new QLabel(label, parent), row, column, Qt::AlignRight);
        grid->addLayout(pathRow(txtSelectSound[index], cmdSelectSound[index], parent), row, column + 1);
    };

    Frame2[1] = new QGroupBox(QStringLiteral("送り・戻し時のサウンド"), stackHost);
    {
        auto *g = new QGridLayout(Frame2[1]);
        g->setVerticalSpacing(1);
        g->setContentsMargins(6, 2, 6, 2);
        Option2[0] = new QRadioButton(QStringLiteral("常に右記のサウンドを鳴らす"), Frame2[1]);
        g->addWidget(Option2[0], 0, 0);
        g->addLayout(pathRow(txtSelectSound[7], cmdSelectSound[7], Frame2[1]), 0, 1);
        Option2[1] = new WrappingRadioButton(
            QStringLiteral("運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）"),
            Frame2[1]);
        g->addWidget(Option2[1], 1, 0, 1, 2);
        // The column phrase leads into the three cases on the first case's
        // line ("運賃データの [n] 列目 のデータが、 「1」の場合 [file]"): the
        // frame has no height to spare for a line of its own, and without it
        // the "再生方法" frame below is squeezed.
        auto *cases = new QGridLayout;
        cases->setVerticalSpacing(1);
        auto *columnPhrase = new QHBoxLayout;
        columnPhrase->addSpacing(20);
        columnPhrase->addWidget(new QLabel(QStringLiteral("運賃データの"), Frame2[1]));
        Combo1 = new QComboBox(Frame2[1]);
        Combo1->setMaximumWidth(70);
        columnPhrase->addWidget(Combo1);
        columnPhrase->addWidget(new QLabel(QStringLiteral("列目"), Frame2[1]));
        columnPhrase->addWidget(new QLabel(QStringLiteral("のデータが、"), Frame2[1]));
        columnPhrase->addSpacing(10);
        cases->addLayout(columnPhrase, 0, 0);
        fileRow(cases, 0, 1, QStringLiteral("「1」の場合"), 8, Frame2[1]);
        fileRow(cases, 1, 1, QStringLiteral("「2」の場合"), 9, Frame2[1]);
        fileRow(cases, 2, 1, QStringLiteral("「3」の場合"), 10, Frame2[1]);
        cases->setColumnStretch(2, 1);
        g->addLayout(cases, 2, 0, 1, 2);
        Frame8 = playbackFrame(Frame2[1], Option6, QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"),
                               QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)"));
        g->addWidget(Frame8, 3, 0, 1, 2);
        g->setRowStretch(4, 1);
        groupOf(this, {Option2[0], Option2[1]});
        groupOf(this, {Option6[0], Option6[1]});
    }

    Frame2[0] = new QGroupBox(QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"), stackHost);
    {
        auto *g = new QGridLayout(Frame2[0]);
        g->setVerticalSpacing(1);
        g->setContentsMargins(6, 2, 6, 2);
        Option2[2] = new QRadioButton(QStringLiteral("常に右記のサウンドを鳴らす"), Frame2[0]);
        g->addWidget(Option2[2], 0, 0);
        g->addLayout(pathRow(txtSelectSound[3], cmdSelectSound[3], Frame2[0]), 0, 1);
        Option2[3] = new WrappingRadioButton(
            QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
            Frame2[0]);
        g->addWidget(Option2[3], 1, 0, 1, 2);
        fileRow(g, 2, 0, QStringLiteral("「1」の場合"), 4, Frame2[0]);
        fileRow(g, 3, 0, QStringLiteral("「2」の場合"), 5, Frame2[0]);
        fileRow(g, 4, 0, QStringLiteral("「3」の場合"), 6, Frame2[0]);
        Frame9 = playbackFrame(Frame2[0], Option7, QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"),
                               QStringLiteral("非同期再生(サウンドを再生しながら放送開始)"));
        g->addWidget(Frame9, 5, 0, 1, 2);
        g->setRowStretch(6, 1);
        groupOf(this, {Option2[2], Option2[3]});
        groupOf(this, {Option7[0], Option7[1]});
    }
    auto *stack = new QGridLayout(stackHost);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(Frame2[0], 0, 0);
    stack->addWidget(Frame2[1], 0, 0);

    v->addWidget(note(QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。"), page));

    Option2[0]->setChecked(true);
    Option6[1]->setChecked(true);
    Option2[2]->setChecked(true);
    Option7[0]->setChecked(true);
    Option5[1]->setChecked(true);
    Frame2[1]->raise();
}

void frmOption::buildPreviewPage()
{
    QGroupBox *page = Frame1[5];
    auto *v = new QVBoxLayout(page);
    chkUseSeiriPrev = new QCheckBox(QStringLiteral("整理券プレビュー機能を使用する"), page);
    v->addWidget(chkUseSeiriPrev);

    Frame10 = new QGroupBox(QStringLiteral("整理券プラグイン設定"), page);
    auto *g = new QGridLayout(Frame10);
    g->setVerticalSpacing(2);
    g->addWidget(note(QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）："), Frame10), 0, 0, 1, 2);
    auto *row = new QHBoxLayout;
    txtSeiriPlgDir = new QLineEdit(Frame10);
    Command1 = dotsButton(Frame10);
    Command11 = new QPushButton(QStringLiteral("×"), Frame10);
    Command11->setFixedWidth(22);
    Command11->setToolTip(QStringLiteral("プラグインの指定を消去します"));
    row->addWidget(txtSeiriPlgDir, 1);
    row->addWidget(Command1);
    row->addWidget(Command11);
    g->addLayout(row, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("上記プラグインのプロパティ："), Frame10), 2, 0);
    g->addWidget(new QLabel(QStringLiteral("上記プラグインの特記事項："), Frame10), 2, 1);
    // Ten lines each: the whole list of a barcode plug-in, and a note as long.
    List1 = new QListWidget(Frame10);
    List1->setFixedHeight(listHeight(List1, 10));
    txtPlginComment = new QPlainTextEdit(Frame10);
    txtPlginComment->setReadOnly(true);
    txtPlginComment->setFixedHeight(textHeight(txtPlginComment, 10));
    QPalette grey = txtPlginComment->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    txtPlginComment->setPalette(grey);
    g->addWidget(List1, 3, 0);
    g->addWidget(txtPlginComment, 3, 1);
    // The list's longest line (the barcode scheme) needs the wider half.
    g->setColumnStretch(0, 4);
    g->setColumnStretch(1, 3);
    v->addWidget(Frame10);

    Frame7 = new QGroupBox(QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"), page);
    auto *d = new QGridLayout(Frame7);
    d->setVerticalSpacing(1);
    Option4[0] = new QRadioButton(QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), Frame7);
    Option4[1] = new QRadioButton(QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), Frame7);
    Option4[2] = new QRadioButton(QStringLiteral("右記の日付に固定"), Frame7);
    groupOf(this, {Option4[0], Option4[1], Option4[2]});
    d->addWidget(Option4[0], 0, 0, 1, 3);
    d->addWidget(Option4[1], 1, 0, 1, 3);
    d->addWidget(Option4[2], 2, 0);
    Label10 = new QLabel(Frame7);
    Label10->setTextFormat(Qt::PlainText); // a date from the settings file is shown as it is
    Label10->setFrameShape(QFrame::Panel);
    Label10->setFrameShadow(QFrame::Sunken);
    Label10->setMinimumWidth(90);
    Label10->setAlignment(Qt::AlignCenter);
    d->addWidget(Label10, 2, 1);
    Command7 = new QPushButton(QStringLiteral("日付選択..."), Frame7);
    d->addWidget(Command7, 2, 2, Qt::AlignLeft);
    d->addWidget(note(QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理券の日付変更を行いません。"), Frame7),
                 3, 0, 1, 4);
    d->setColumnStretch(3, 1);
    v->addWidget(Frame7);
    v->addStretch();
    Option4[0]->setChecked(true);

    for (QGroupBox *frame : {Frame10, Frame7}) {
        frame->setEnabled(false);
        frame->setVisible(false);
    }
}

void frmOption::guardPathBoxes()
{
    keepStorable(Text2[0], QStringLiteral("運賃データのフォルダー"));
    keepStorable(Text2[1], QStringLiteral("放送用データのフォルダー"));
    const std::array<const char16_t *, 3> states{u"OFF", u"ON1", u"ON2"};
    for (std::size_t i = 0; i < 3; ++i)
        keepStorable(txtSelectPanel[i],
                     QStringLiteral("バックライト") + QString::fromUtf16(states[i]) + QStringLiteral("時のパネル画像"));
    const std::array<std::pair<std::size_t, const char16_t *>, 10> sounds{{
        {0, u"系統設定時のサウンド"},
        {1, u"リセット時のサウンド"},
        {7, u"送り・戻し時のサウンド"},
        {8, u"送り・戻し時のサウンド（「1」の場合）"},
        {9, u"送り・戻し時のサウンド（「2」の場合）"},
        {10, u"送り・戻し時のサウンド（「3」の場合）"},
        {3, u"放送前のサウンド"},
        {4, u"放送前のサウンド（「1」の場合）"},
        {5, u"放送前のサウンド（「2」の場合）"},
        {6, u"放送前のサウンド（「3」の場合）"},
    }};
    for (const auto &[index, what] : sounds)
        keepStorable(txtSelectSound[index], QString::fromUtf16(what));
    keepStorable(txtSeiriPlgDir, kPluginSetting);
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
    return Zr7FolderDlg(this, QStringLiteral("フォルダーを選択してください"));
}

void frmOption::Option1_Click(int index)
{
    Frame1[index]->raise();
    for (int i = 0; i < 6; ++i)
        Frame1[i]->setVisible(i == index);
}

void frmOption::Option5_Click(int index)
{
    Frame2[index]->raise();
    Frame2[index]->setVisible(true);
    Frame2[1 - index]->setVisible(false);
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
        MsgBox(QStringLiteral("フォルダー「") + QDir::toNativeSeparators(folder)
                   + QStringLiteral("」を開けません。フォルダーを開くファイルマネージャーが見つかりません。\n"
                                    "ファイルマネージャーと xdg-utils（xdg-open）をインストールしてください。"),
               vbExclamation, QStringLiteral("エクスプローラで開く"));
}

void frmOption::Command6_Click(int index)
{
    const QString path = Zr7FileDlg(this, 0, kPanelFilter, QString(), QStringLiteral("パネル画像の選択"));
    if (!path.isEmpty())
        txtSelectPanel[index]->setText(path);
}

void frmOption::cmdSelectSound_Click(int index)
{
    const QString path = Zr7FileDlg(this, 0, kSoundFilter, QString(), QStringLiteral("サウンドの選択"));
    if (!path.isEmpty())
        txtSelectSound[index]->setText(path);
}

void frmOption::cmdStopRequestSound_Click()
{
    const QString path = Zr7FileDlg(this, 0, kSoundFilter, QString(), QStringLiteral("サウンドの選択"));
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

PanelLook frmOption::panelLook() const
{
    PanelLook look;
    look.ticketNumbersShown = checkValue(Check1) != 0;
    look.ticketNumberStyle = listIndex(Combo2);
    look.leadingZero = checkValue(Check2);
    look.digitBack = buttonColor(Command8[0]);
    look.digitBase = buttonColor(Command8[1]);
    look.digitLit = buttonColor(Command8[2]);
    look.stripBack = buttonColor(Command9[0]);
    look.stripFore = buttonColor(Command9[1]);
    look.fontMode = listIndex(Combo3);
    look.fontBold = checkValue(Check4) == 1;
    look.tsugiwaMode = listIndex(Combo6);
    look.tsugiwaColor = buttonColor(Command9[2]);
    look.tsugiwaFontMode = listIndex(Combo5);
    look.tsugiwaBold = checkValue(Check5) == 1;
    return look;
}

void frmOption::setStartupPanelDefaults()
{
    setCheckValue(Check1, 1);
    setButtonColor(Command5[0], kStartupTicketNumberColors.off);
    setButtonColor(Command5[1], kStartupTicketNumberColors.on1);
    setButtonColor(Command5[2], kStartupTicketNumberColors.on2);
}

void frmOption::SetProp()
{
    emit panelLookChanged(panelLook());
    // The backlight state again, for its picture and label colour.
    emit backlightChanged();
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
