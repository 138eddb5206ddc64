// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AnnouncementEditor.h"

#include "editing/AnnouncementModel.h"
#include "operation/VoicePreferences.h"
#include "reslib/OsInfo.h"
#include "settings/Preferences.h"
#include "sound/JapaneseReader.h"
#include "sound/ReadingDictionary.h"
#include "sound/SoundSystem.h"
#include "sound/SpeechEngine.h"
#include "windows/FormatMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kerubara {

using editing::AnnouncementModel;
using editing::AnnouncementRefusal;

// Cells are typed into a line edit that says at once what the file cannot
// hold, before the author presses Enter.
class AnnouncementDelegate : public QStyledItemDelegate
{
public:
    explicit AnnouncementDelegate(AnnouncementEditor *editor) : QStyledItemDelegate(editor), editor_(editor) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        return editor_->cellEditor(parent, index.column());
    }

private:
    AnnouncementEditor *editor_;
};

namespace {

enum class Undo { None, Undo, Redo };

Undo undoKey(const QKeyEvent &key)
{
    if (key.matches(QKeySequence::Undo))
        return Undo::Undo;
    if (key.matches(QKeySequence::Redo) || (key.modifiers() == Qt::ControlModifier && key.key() == Qt::Key_Y))
        return Undo::Redo;
    return Undo::None;
}

} // namespace

AnnouncementEditor::AnnouncementEditor(QWidget *parent)
    : QWidget(parent),
      model_(new AnnouncementModel(this)),
      view_(new QTableView(this)),
      insert_(new QPushButton(tr("行を挿入"), this)),
      remove_(new QPushButton(tr("行を削除"), this)),
      up_(new QPushButton(tr("上へ"), this)),
      down_(new QPushButton(tr("下へ"), this)),
      hear_(new QPushButton(tr("聞く"), this)),
      message_(new QLabel(this))
{
    insert_->setObjectName(QStringLiteral("insertLine"));
    remove_->setObjectName(QStringLiteral("removeLine"));
    up_->setObjectName(QStringLiteral("moveUp"));
    down_->setObjectName(QStringLiteral("moveDown"));
    hear_->setObjectName(QStringLiteral("hear"));
    message_->setObjectName(QStringLiteral("message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    model_->setHeaderData(AnnouncementModel::TextColumn, Qt::Horizontal, tr("文章"));
    model_->setHeaderData(AnnouncementModel::StepFlagColumn, Qt::Horizontal, tr("移動フラグ"));
    model_->setHeaderData(AnnouncementModel::SoundFlagColumn, Qt::Horizontal, tr("サウンドフラグ"));
    model_->setHeaderData(AnnouncementModel::ReadingColumn, Qt::Horizontal, tr("読み"));
    view_->setModel(model_);
    view_->setItemDelegate(new AnnouncementDelegate(this));
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                           | QAbstractItemView::EditKeyPressed);
    view_->horizontalHeader()->setSectionResizeMode(AnnouncementModel::TextColumn, QHeaderView::Stretch);
    view_->horizontalHeader()->setSectionResizeMode(AnnouncementModel::ReadingColumn, QHeaderView::Stretch);
    view_->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {insert_, remove_, up_, down_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(hear_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    layout->addWidget(message_);

    connect(insert_, &QPushButton::clicked, this, &AnnouncementEditor::insertLine);
    connect(remove_, &QPushButton::clicked, this, &AnnouncementEditor::removeLine);
    connect(up_, &QPushButton::clicked, this, [this] { moveLine(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveLine(1); });
    connect(hear_, &QPushButton::clicked, this, &AnnouncementEditor::hear);
    connect(model_, &AnnouncementModel::refused, this, [this](const AnnouncementRefusal &why) {
        tell(tr("%1行目: %2").arg(currentRow() + 1).arg(refusalText(why)));
    });
    // A change made or undone answers a refusal shown before it.
    connect(model_->undoStack(), &QUndoStack::indexChanged, this, [this] { tell({}); });
    connect(model_->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modificationChanged(!clean); });
    connect(model_, &AnnouncementModel::rowsInserted, this, &AnnouncementEditor::updateButtons);
    connect(model_, &AnnouncementModel::rowsRemoved, this, &AnnouncementEditor::updateButtons);
    connect(model_, &AnnouncementModel::rowsMoved, this, &AnnouncementEditor::updateButtons);
    connect(model_, &AnnouncementModel::modelReset, this, &AnnouncementEditor::updateButtons);
    connect(model_, &AnnouncementModel::dataChanged, this, &AnnouncementEditor::updateButtons);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &AnnouncementEditor::updateButtons);
    updateButtons();
}

AnnouncementEditor::~AnnouncementEditor()
{
    // The engine speaks into the sound output: it goes first.
    engine_.reset();
    // The model's undo stack tells of its clearing as it is destroyed with
    // the other children, when this editor is no longer one to tell.
    model_->undoStack()->disconnect(this);
    model_->disconnect(this);
}

void AnnouncementEditor::setSpeech(mdlM_Tape::EngineFactory factory)
{
    speech_ = std::move(factory);
    engine_.reset();
}

bool AnnouncementEditor::isModified() const
{
    return !model_->undoStack()->isClean();
}

QUndoStack *AnnouncementEditor::undoStack()
{
    return model_->undoStack();
}

QString AnnouncementEditor::message() const
{
    return message_->text();
}

void AnnouncementEditor::tell(const QString &text)
{
    // With nothing new to tell, what the author should know of the file.
    message_->setText(text.isEmpty() ? notes_ : text);
}

bool AnnouncementEditor::load(const QString &tpCsvPath)
{
    // Clearing the undo stack tells modificationChanged(false) when it was modified.
    const auto problem = model_->load(tpCsvPath);
    const QString shown = QDir::toNativeSeparators(tpCsvPath);
    if (problem) {
        path_.clear();
        const QString why = std::holds_alternative<TapeDataError>(*problem)
            ? formatmessages::tapeDataErrorText(std::get<TapeDataError>(*problem))
            : formatmessages::readProblemText(std::get<datafiles::ReadProblem>(*problem), tr("放送用データ"));
        notes_ = tr("%1 を開けません。%2").arg(shown, why);
        tell({});
        updateButtons();
        return false;
    }
    QStringList notes;
    for (const TapeDataWarning &warning : model_->warnings())
        notes << formatmessages::tapeDataWarningText(warning);
    notes_ = notes.join(u'\n');
    tell({});
    opened(tpCsvPath);
    return true;
}

void AnnouncementEditor::startNew(const QString &tpCsvPath)
{
    model_->clear();
    notes_.clear();
    tell({});
    opened(tpCsvPath);
}

void AnnouncementEditor::opened(const QString &path)
{
    path_ = path;
    useReadingDictionaries();
    if (model_->rowCount() > 0)
        selectRow(0);
    updateButtons();
}

std::optional<QString> AnnouncementEditor::saveAs(const QString &tpCsvPath)
{
    const QString before = path_;
    path_ = tpCsvPath;
    if (auto why = save()) {
        path_ = before;
        return why;
    }
    useReadingDictionaries();
    updateButtons();
    return std::nullopt;
}

std::optional<QString> AnnouncementEditor::save()
{
    if (path_.isEmpty()) {
        const QString why = tr("保存する放送用データのファイルが開かれていません。");
        tell(why);
        return why;
    }
    if (const auto problem = model_->save(path_)) {
        const QString why = tr("%1 に保存できませんでした。%2")
                                .arg(QDir::toNativeSeparators(path_), formatmessages::writeProblemText(*problem));
        tell(why);
        return why;
    }
    tell(tr("%1 に保存しました。").arg(QDir::toNativeSeparators(path_)));
    return std::nullopt;
}

void AnnouncementEditor::useReadingDictionaries()
{
    // The reading is the speech's own: the same reader, with the user's
    // yomi.csv and then the route's, as the tape reads them.
    const QString folder = QFileInfo(path_).absolutePath() + u'/';
    if (!reader_)
        reader_ = JapaneseReader::create();
    if (reader_) {
        QStringList files{ReadingDictionary::userFile()};
        const QString route = ReadingDictionary::dataFolderFile(folder);
        if (QFileInfo(route).absoluteFilePath() != QFileInfo(files.front()).absoluteFilePath())
            files << route;
        std::vector<ReadingProblem> problems;
        reader_->setUserDictionary(ReadingDictionary::readFiles(files, &problems));
        model_->setReadingOf([reader = reader_](const QString &text) { return reader->reading(text); });
    }
    if (engine_)
        engine_->useReadingDictionaries(folder);
}

int AnnouncementEditor::currentRow() const
{
    return view_->currentIndex().isValid() ? view_->currentIndex().row() : -1;
}

void AnnouncementEditor::selectRow(int row)
{
    const int column = std::max(view_->currentIndex().column(), 0);
    view_->setCurrentIndex(model_->index(row, column));
}

void AnnouncementEditor::updateButtons()
{
    const bool open = !path_.isEmpty();
    const int row = currentRow();
    const int rows = model_->rowCount();
    view_->setEnabled(open);
    insert_->setEnabled(open);
    remove_->setEnabled(open && row >= 0);
    up_->setEnabled(open && row > 0);
    down_->setEnabled(open && row >= 0 && row + 1 < rows);
    hear_->setEnabled(open && row >= 0 && !model_->records()[std::size_t(row)].Text.isEmpty());
}

void AnnouncementEditor::insertLine()
{
    // Before the line chosen, or at the end when none is.
    const int row = currentRow() >= 0 ? currentRow() : model_->rowCount();
    if (model_->insertRows(row, 1))
        view_->setCurrentIndex(model_->index(row, AnnouncementModel::TextColumn));
    view_->setFocus();
}

void AnnouncementEditor::removeLine()
{
    const int row = currentRow();
    if (row < 0 || !model_->removeRows(row, 1))
        return;
    if (model_->rowCount() > 0)
        selectRow(std::min(row, model_->rowCount() - 1));
    view_->setFocus();
}

void AnnouncementEditor::moveLine(int by)
{
    const int row = currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= model_->rowCount())
        return;
    if (model_->moveRows({}, row, 1, {}, by > 0 ? to + 1 : to))
        selectRow(to);
    view_->setFocus();
}

void AnnouncementEditor::hear()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (!engine_ && !speechSynthesisUnavailable()) {
        if (!speech_) {
            ownSound_ = std::make_unique<SoundSystem>();
            speech_ = mdlM_Tape::voiceEngineFactory(
                *ownSound_, {[] { return voiceSettings(PreferenceStore(Preferences::Remembered)); }, {}});
        }
        engine_ = speech_();
        if (engine_)
            engine_->useReadingDictionaries(QFileInfo(path_).absolutePath() + u'/');
    }
    if (!engine_) {
        tell(tr("音声合成を使えないため、聞くことができません。"));
        return;
    }
    engine_->VoiceStop();
    engine_->VoiceSpeak(model_->records()[std::size_t(row)].Text);
}

QWidget *AnnouncementEditor::cellEditor(QWidget *parent, int column)
{
    auto *edit = new QLineEdit(parent);
    connect(edit, &QLineEdit::textEdited, this, [this, column](const QString &typed) {
        std::optional<AnnouncementRefusal> why;
        if (column == AnnouncementModel::TextColumn) {
            why = editing::checkAnnouncementText(typed);
        } else {
            const auto flag = editing::readAnnouncementFlag(column, typed);
            if (const auto *refusal = std::get_if<AnnouncementRefusal>(&flag))
                why = *refusal;
        }
        tell(why ? tr("%1行目: %2").arg(currentRow() + 1).arg(refusalText(*why)) : QString());
    });
    return edit;
}

QString AnnouncementEditor::refusalText(const AnnouncementRefusal &why) const
{
    using Kind = AnnouncementRefusal::Kind;
    using CellKind = editing::CellRefusal::Kind;
    switch (why.kind) {
    case Kind::NotShiftJis:
        return tr("「%1」（%2文字目）は Shift-JIS "
                  "で表せないため、放送用データに保存できません。別の文字にしてください。")
            .arg(why.character)
            .arg(why.at + 1);
    case Kind::Quote:
        return tr(
            "文章に「\"」は使えません（放送用データの文章は「\"」で囲んで保存します）。「”」などにしてください。");
    case Kind::LineBreak:
        return tr("文章に改行は使えません。改行のあとは別の行として読まれます。");
    case Kind::StepFlag:
        return tr("移動フラグは 0（停留所を移さない）か 1（停留所を移す）です。%1 は使えません。").arg(why.value);
    case Kind::SoundFlag:
        return tr("サウンドフラグは 0（鳴らさない）か 1～3（鳴らすサウンドの番号）です。%1 は使えません。")
            .arg(why.value);
    case Kind::Flag:
        break;
    }
    switch (why.cell.kind) {
    case CellKind::Empty:
        return tr("フラグが空です。数字を入力してください。");
    case CellKind::NotANumber:
        return tr("フラグの %1文字目が数字ではありません。").arg(why.cell.at + 1);
    case CellKind::OutOfRange:
        break;
    }
    return tr("フラグが -32768～32767 の範囲を超えています。");
}

bool AnnouncementEditor::eventFilter(QObject *watched, QEvent *event)
{
    // While the table has the focus, Ctrl+Z and Ctrl+Y undo and redo, and
    // Delete empties a cell, before any shortcut of the window around it.
    if (watched == view_ && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const Undo what = undoKey(*static_cast<QKeyEvent *>(event));
        if (what != Undo::None) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                if (what == Undo::Undo)
                    model_->undoStack()->undo();
                else
                    model_->undoStack()->redo();
            }
            return true;
        }
        // An empty cell, as in the fare table: no text, flag 0.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QModelIndex cell = view_->currentIndex();
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier && cell.isValid()
            && (model_->flags(cell) & Qt::ItemIsEditable)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                model_->setData(cell, cell.column() == AnnouncementModel::TextColumn ? QString() : QStringLiteral("0"));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kerubara
