// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frmFareEdit.h"

#include "formats/DataFiles.h"
#include "formats/FareChecks.h"
#include "formats/FareCsv.h"
#include "formats/GtfsImport.h"
#include "reslib/MsgBox.h"
#include "reslib/ResDialogs.h"
#include "dialogs/FareFillDialog.h"
#include "dialogs/Modal.h"
#include "formats/FareFill.h"
#include "windows/AnnouncementEditor.h"
#include "windows/FareGridView.h"
#include "windows/FarePanelView.h"
#include "windows/FormatMessages.h"

#include "ui_frmFareEdit.h"

#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QStatusBar>

namespace kerubara {

using editing::EditRefusal;
using editing::FareTableModel;

namespace {

// The two blank stops a new route starts with: a route has at least two.
constexpr int kNewRouteStops = 2;

// Why a scan of a fare data file keeps the program from reading it, worded;
// empty when it can be read.
QString refusalOf(const FareFileScan &scan)
{
    for (const FareFileProblem &problem : fareFileProblems(scan)) {
        switch (problem.kind) {
        case FareFileProblem::Kind::NoCount:
            return frmFareEdit::tr("停留所の件数（先頭の2バイト）がありません。運賃データではないか、壊れています。");
        case FareFileProblem::Kind::NegativeCount:
            return frmFareEdit::tr("停留所の件数が負の数（%1）です。運賃データではないか、壊れています。")
                .arg(problem.value);
        case FareFileProblem::Kind::TooManyStops:
            return frmFareEdit::tr("停留所の件数（%1）が301を超えています（301件までしか扱えません）。")
                .arg(problem.value);
        case FareFileProblem::Kind::CutOff:
            return frmFareEdit::tr("%1件目の停留所: %2")
                .arg(problem.record)
                .arg(formatmessages::fareFileDamageText(*problem.damage));
        default:
            break;
        }
    }
    return {};
}

// The colour of a cell marked for what the unit cannot do with it.
QColor markColour(FareMark::Kind kind)
{
    switch (kind) {
    case FareMark::Kind::CutByDay:
    case FareMark::Kind::CutAtNight:
        return QColor(0xff, 0xd8, 0xa8); // orange: shown cut to three digits
    case FareMark::Kind::FiveDigits:
    case FareMark::Kind::Falls:
        return QColor(0xff, 0xb8, 0xb8); // red: surely wrong
    case FareMark::Kind::NoFareExpected:
        return QColor(0xff, 0xf0, 0x9a); // yellow: a fare is missing
    case FareMark::Kind::TicketBackwards:
        return QColor(0xe2, 0xcc, 0xff); // violet: the ticket numbers
    }
    return {};
}

// The cells the unit's rules mark, as the grid colours them.
std::vector<editing::CellMark> unitMarks(const std::vector<FareRecord> &stops)
{
    std::vector<editing::CellMark> marks;
    for (const FareMark &mark : fareMarks(stops))
        marks.push_back({mark.stop, mark.column, markColour(mark.kind), formatmessages::fareMarkText(mark)});
    return marks;
}

// The announcements beside a fare data file: N.hy3's are Ntp.csv.
QString announcementsPathOf(const QString &farePath)
{
    const QFileInfo info(farePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("tp.csv"));
}

} // namespace

frmFareEdit::frmFareEdit(QWidget *parent) : QMainWindow(parent), ui_(std::make_unique<Ui::frmFareEdit>())
{
    ui_->setupUi(this);
    ui_->grid->setModel(&model_);
    ui_->grid->horizontalHeader()->setDefaultSectionSize(56);
    ui_->grid->setColumnWidth(FareTableModel::kNameColumn, 160);
    ui_->grid->setColumnWidth(FareTableModel::kTicketColumn, 84);
    ui_->splitter->setStretchFactor(0, 3);
    ui_->splitter->setStretchFactor(1, 1);
    ui_->gridSplitter->setStretchFactor(0, 4);
    ui_->gridSplitter->setStretchFactor(1, 1);
    panel_ = new FarePanelView(ui_->sidePane);
    ui_->sideLayout->addWidget(panel_);
    ui_->sideLayout->addStretch();
    announcements_ = new AnnouncementEditor(ui_->tabs);
    ui_->tabs->addTab(announcements_, tr("放送"));
    model_.setMarker(unitMarks);
    connectActions();
    newRoute();
}

frmFareEdit::~frmFareEdit()
{
    // The model's undo stack tells of its clearing as it is destroyed, when
    // this window is no longer one to tell.
    model_.undoStack()->disconnect(this);
    model_.disconnect(this);
}

FareGridView *frmFareEdit::grid() const
{
    return ui_->grid;
}

QTabWidget *frmFareEdit::tabs() const
{
    return ui_->tabs;
}

QWidget *frmFareEdit::sidePane() const
{
    return ui_->sidePane;
}

void frmFareEdit::connectActions()
{
    QUndoStack *undo = model_.undoStack();
    QAction *undoAction = undo->createUndoAction(this, tr("元に戻す(&U)"));
    undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *redoAction = undo->createRedoAction(this, tr("やり直し(&R)"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undoAction->setObjectName(QStringLiteral("actUndo"));
    redoAction->setObjectName(QStringLiteral("actRedo"));
    ui_->menuEdit->insertActions(ui_->menuEdit->actions().value(0), {undoAction, redoAction});

    ui_->actNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    ui_->actOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui_->actSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ui_->actSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui_->actCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    ui_->actPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    ui_->actInsertStop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    ui_->actRemoveStop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    ui_->actMoveUp->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Up));
    ui_->actMoveDown->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Down));

    connect(ui_->actNew, &QAction::triggered, this, [this] {
        if (maybeKeepChanges())
            newRoute();
    });
    connect(ui_->actOpen, &QAction::triggered, this, [this] {
        if (!maybeKeepChanges())
            return;
        const QString path = askPath(false, tr("運賃データ"), QStringLiteral("*.hy3"));
        if (!path.isEmpty())
            openFile(path);
    });
    connect(ui_->actSave, &QAction::triggered, this, &frmFareEdit::save);
    connect(ui_->actSaveAs, &QAction::triggered, this, &frmFareEdit::saveAs);
    connect(ui_->actImportCsv, &QAction::triggered, this, [this] {
        const QString path = askPath(false, tr("運賃データのCSV"), QStringLiteral("*.csv"));
        if (!path.isEmpty())
            importCsv(path);
    });
    connect(ui_->actExportCsv, &QAction::triggered, this, [this] {
        const QString path = askPath(true, tr("運賃データのCSV"), QStringLiteral("*.csv"));
        if (!path.isEmpty())
            exportCsv(path);
    });
    connect(ui_->actClose, &QAction::triggered, this, &QWidget::close);
    connect(ui_->actCopy, &QAction::triggered, this, &frmFareEdit::copySelection);
    connect(ui_->actPaste, &QAction::triggered, this, &frmFareEdit::pasteClipboard);
    connect(ui_->actClear, &QAction::triggered, this, &frmFareEdit::clearSelection);
    connect(ui_->grid, &FareGridView::clearRequested, this, &frmFareEdit::clearSelection);
    connect(ui_->actInsertStop, &QAction::triggered, this, [this] {
        const QModelIndex current = ui_->grid->currentIndex();
        model_.insertStops(current.isValid() ? current.row() : model_.rowCount());
    });
    connect(ui_->actRemoveStop, &QAction::triggered, this, [this] {
        const QRect block = selectedBlock();
        if (block.isValid())
            model_.removeStops(block.top(), block.height());
    });
    const auto move = [this](int by) {
        const QRect block = selectedBlock();
        if (!block.isValid() || !model_.moveStops(block.top(), block.height(), by))
            return;
        const QModelIndex current = ui_->grid->currentIndex();
        ui_->grid->selectionModel()->clearSelection();
        ui_->grid->setCurrentIndex(model_.index(current.row() + by, current.column()));
    };
    connect(ui_->actMoveUp, &QAction::triggered, this, [move] { move(-1); });
    connect(ui_->actMoveDown, &QAction::triggered, this, [move] { move(1); });
    connect(ui_->actAllColumns, &QAction::toggled, this, &frmFareEdit::updateColumns);

    connect(undo, &QUndoStack::cleanChanged, this, &frmFareEdit::updateTitle);
    connect(announcements_, &AnnouncementEditor::modificationChanged, this, &frmFareEdit::updateTitle);
    connect(&model_, &FareTableModel::recordsChanged, this, [this] {
        if (model_.fareColumnCount() != fareColumns_) {
            updateHeaders();
            updateColumns();
        }
        showPanel();
        listMarks();
    });
    connect(ui_->grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmFareEdit::showPanel);
    connect(ui_->markList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int stop = item->data(Qt::UserRole).toInt();
        const int column = item->data(Qt::UserRole + 1).toInt();
        const QModelIndex cell = model_.index(stop - 1, column == 0 ? FareTableModel::kTicketColumn : column + 1);
        ui_->grid->setCurrentIndex(cell);
        ui_->grid->scrollTo(cell);
        ui_->grid->setFocus();
    });
    ui_->actFill->setEnabled(true);
    connect(ui_->actFill, &QAction::triggered, this, &frmFareEdit::fillByRule);
    connect(&model_, &FareTableModel::refused, this, &frmFareEdit::showRefusal);
}

void frmFareEdit::setReadColumns(int stepSoundColumn, int dataDigitColumn)
{
    stepSoundColumn_ = stepSoundColumn;
    dataDigitColumn_ = dataDigitColumn;
    updateHeaders();
}

QString frmFareEdit::columnName(int column) const
{
    if (column == FareTableModel::kNameColumn)
        return tr("停留所名");
    if (column == FareTableModel::kTicketColumn)
        return tr("整理券番号");
    const int dataColumn = column - 1;
    if (dataColumn <= model_.fareColumnCount())
        return tr("運賃 %1").arg(dataColumn);
    return tr("列 %1").arg(dataColumn);
}

void frmFareEdit::updateHeaders()
{
    fareColumns_ = model_.fareColumnCount();
    for (int column = 0; column < FareTableModel::kColumnCount; ++column) {
        const int dataColumn = column - 1;
        QStringList lines{columnName(column)};
        if (dataColumn >= 1 && dataColumn == stepSoundColumn_)
            lines << tr("ステップ音");
        if (dataColumn >= 1 && dataColumn == dataDigitColumn_)
            lines << tr("データ表示");
        if (dataColumn == gtfs::kMinutesColumn)
            lines << tr("所要分（GTFS）");
        if (dataColumn == gtfs::kStepSoundColumn && dataColumn != stepSoundColumn_)
            lines << tr("ステップ音（GTFS）");
        model_.setHeaderData(column, Qt::Horizontal, lines.join(u'\n'));
    }
}

void frmFareEdit::updateColumns()
{
    const bool all = ui_->actAllColumns->isChecked();
    const int fares = model_.fareColumnCount();
    for (int dataColumn = FareTableModel::kLeastFareColumns + 1; dataColumn <= kFareColumns; ++dataColumn)
        ui_->grid->setColumnHidden(dataColumn + 1, !all && dataColumn > fares);
}

bool frmFareEdit::hasChanges() const
{
    return !model_.undoStack()->isClean() || announcements_->isModified();
}

void frmFareEdit::showPanel()
{
    const QModelIndex current = ui_->grid->currentIndex();
    panel_->showStop(model_.records(), current.isValid() ? current.row() + 1 : 1);
}

void frmFareEdit::listMarks()
{
    // The marks the model worked out for its cells, before it told of the change.
    const std::vector<FareRecord> stops = model_.records();
    ui_->markList->clear();
    for (const editing::CellMark &mark : model_.marks()) {
        auto *item = new QListWidgetItem(tr("停留所%1（%2）: %3")
                                             .arg(QString::number(mark.stop),
                                                  stops[static_cast<std::size_t>(mark.stop - 1)].Chimei, mark.text),
                                         ui_->markList);
        item->setData(Qt::UserRole, mark.stop);
        item->setData(Qt::UserRole + 1, mark.column);
        item->setBackground(mark.colour);
    }
}

void frmFareEdit::fillByRule()
{
    const QRect block = selectedBlock();
    // Only fare cells are filled: data columns 1 .. the highest ticket number.
    const int firstColumn = std::max(block.left(), 2);
    const int lastColumn = std::min(block.right(), model_.fareColumnCount() + 1);
    if (block.isEmpty() || firstColumn > lastColumn) {
        statusBar()->showMessage(tr("運賃の列（運賃 1 から）を選んでから規則で埋めてください。"));
        return;
    }
    const int firstTicket = firstColumn - 1;
    const int tickets = lastColumn - firstColumn + 1;
    FareFillDialog dialog(model_.fareColumnCount(), firstTicket, this);
    ShowModal(dialog);
    const std::optional<FareFillRule> rule = dialog.result() == QDialog::Accepted ? dialog.rule() : std::nullopt;
    if (!rule)
        return;

    const std::vector<FareRecord> stops = model_.records();
    const auto rows = static_cast<std::size_t>(block.height());
    const auto first = static_cast<std::size_t>(block.top());
    std::optional<FareBlock> values;
    if (const auto *stages = std::get_if<FareStageRule>(&*rule)) {
        const std::vector<int> all = fareStages(stops);
        values = fareStageBlock(*stages, std::vector<int>(all.begin() + first, all.begin() + first + rows),
                                firstTicket, tickets);
        if (!values) {
            statusBar()->showMessage(tr("この規則では運賃が 0～32767 円に収まりません。何も変えていません。"));
            return;
        }
    } else {
        const int source = std::get<DiagonalRule>(*rule).sourceTicket;
        std::vector<std::int16_t> column;
        for (std::size_t r = first; r < first + rows; ++r)
            column.push_back(stops[r].Col(source));
        values = diagonalPattern(column, source, firstTicket, tickets);
    }
    editing::CellBlock cells;
    for (const std::vector<std::int16_t> &row : *values) {
        std::vector<QString> texts;
        for (const std::int16_t value : row)
            texts.push_back(QString::number(value));
        cells.push_back(std::move(texts));
    }
    if (model_.setBlock(block.top(), firstColumn, cells))
        statusBar()->showMessage(tr("%1停留所 × %2列を規則で埋めました（元に戻す: Ctrl+Z）。").arg(rows).arg(tickets));
}

void frmFareEdit::openAnnouncementsBeside(const QString &farePath)
{
    const QString tp = announcementsPathOf(farePath);
    if (QFileInfo::exists(tp))
        announcements_->load(tp);
    else
        announcements_->startNew(tp);
}

bool frmFareEdit::saveAnnouncementsBeside(const QString &farePath)
{
    if (!announcements_->isModified())
        return true;
    const std::optional<QString> why = announcements_->path().isEmpty() || announcements_->path() != announcementsPathOf(farePath)
        ? announcements_->saveAs(announcementsPathOf(farePath))
        : announcements_->save();
    if (why) {
        MsgBox(*why, vbCritical, windowTitle());
        return false;
    }
    return true;
}

void frmFareEdit::updateTitle()
{
    const QString name = path_.isEmpty() ? tr("無題") : QFileInfo(path_).fileName();
    setWindowTitle(tr("%1[*] - 運賃表の編集").arg(name));
    setWindowModified(hasChanges());
}

void frmFareEdit::showRefusal()
{
    const auto &refusal = model_.lastRefusal();
    if (!refusal)
        return;
    QString why;
    switch (refusal->kind) {
    case EditRefusal::Kind::Cell:
        why = refusal->cell.kind == editing::CellRefusal::Kind::OutOfRange
            ? tr("-32768～32767の範囲を超えています。")
            : tr("%1文字目が数字ではありません。-32768～32767の整数を入力してください。").arg(refusal->cell.at + 1);
        break;
    case EditRefusal::Kind::NameNotShiftJis:
        why = tr("「%1」（U+%2）はShift-JISにない文字のため、停留所名に使えません。")
                  .arg(QString::fromUcs4(&refusal->character, 1))
                  .arg(uint(refusal->character), 4, 16, QLatin1Char('0'))
                  .toUpper();
        break;
    case EditRefusal::Kind::NameControl:
        why = tr("%1は停留所名に使えません。")
                  .arg(formatmessages::controlCharacterName(QChar(char16_t(refusal->character))));
        break;
    case EditRefusal::Kind::NameTooLong:
        why = tr("停留所名が%1バイトあります（65535バイトまで）。").arg(refusal->value);
        break;
    case EditRefusal::Kind::TooManyStops:
        statusBar()->showMessage(tr("停留所は301件までです（%1件になるため、変更しませんでした）。").arg(refusal->value));
        return;
    case EditRefusal::Kind::OutsideTable:
        statusBar()->showMessage(tr("貼り付ける範囲が表の右端（列150）を超えるため、貼り付けませんでした。"));
        return;
    }
    statusBar()->showMessage(tr("停留所%1の%2: %3")
                                 .arg(refusal->row + 1)
                                 .arg(columnName(refusal->column), why));
}

QRect frmFareEdit::selectedBlock() const
{
    const QModelIndexList selected = ui_->grid->selectionModel()->selectedIndexes();
    QRect block;
    for (const QModelIndex &index : selected)
        block |= QRect(index.column(), index.row(), 1, 1);
    if (block.isNull()) {
        const QModelIndex current = ui_->grid->currentIndex();
        if (current.isValid())
            block = QRect(current.column(), current.row(), 1, 1);
    }
    return block;
}

void frmFareEdit::copySelection()
{
    const QRect block = selectedBlock();
    if (!block.isValid())
        return;
    QGuiApplication::clipboard()->setText(
        editing::toBlockText(model_.block(block.top(), block.left(), block.height(), block.width())));
}

void frmFareEdit::pasteClipboard()
{
    editing::CellBlock cells = editing::fromBlockText(QGuiApplication::clipboard()->text());
    QRect block = selectedBlock();
    if (cells.empty())
        return;
    if (!block.isValid())
        block = QRect(0, 0, 1, 1);
    // One value pasted over a selection fills it, as in a spreadsheet.
    if (cells.size() == 1 && cells.front().size() == 1 && (block.width() > 1 || block.height() > 1))
        cells = editing::CellBlock(std::size_t(block.height()),
                                   std::vector<QString>(std::size_t(block.width()), cells.front().front()));
    if (!model_.setBlock(block.top(), block.left(), cells))
        return;
    statusBar()->clearMessage();
    const QModelIndex first = model_.index(block.top(), block.left());
    const QModelIndex last = model_.index(block.top() + int(cells.size()) - 1,
                                          block.left() + int(cells.front().size()) - 1);
    ui_->grid->setCurrentIndex(first);
    ui_->grid->selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void frmFareEdit::clearSelection()
{
    QItemSelection selection = ui_->grid->selectionModel()->selection();
    if (selection.isEmpty() && ui_->grid->currentIndex().isValid())
        selection.select(ui_->grid->currentIndex(), ui_->grid->currentIndex());
    const auto clear = [this](const QItemSelectionRange &range) {
        model_.setBlock(range.top(), range.left(),
                        editing::CellBlock(std::size_t(range.height()), std::vector<QString>(std::size_t(range.width()))));
    };
    // Several ranges cleared are one step; a macro is made only for them, so
    // that clearing empty cells leaves no step behind.
    if (selection.size() == 1) {
        clear(selection.front());
        return;
    }
    QUndoStack *undo = model_.undoStack();
    undo->beginMacro(tr("削除"));
    for (const QItemSelectionRange &range : selection)
        clear(range);
    undo->endMacro();
}

void frmFareEdit::newRoute()
{
    model_.setRecords(std::vector<FareRecord>(kNewRouteStops));
    path_.clear();
    announcements_->startNew(QString());
    updateHeaders();
    updateColumns();
    updateTitle();
    ui_->grid->setCurrentIndex(model_.index(0, 0));
}

bool frmFareEdit::openFile(const QString &path)
{
    datafiles::ReadProblem problem;
    const std::optional<QByteArray> bytes = datafiles::readWholeFile(path, kMaxFareFileBytes, &problem);
    QString why;
    FareFileScan scan;
    if (!bytes) {
        why = problem.kind == datafiles::ReadProblem::Kind::TooLarge
            ? formatmessages::fareFileTooLargeText()
            : formatmessages::readProblemText(problem, tr("運賃データ(.hy3)"));
    } else {
        QBuffer buffer;
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
        scan = scanFareFile(buffer, kFareRows);
        why = refusalOf(scan);
    }
    if (!why.isEmpty()) {
        MsgBox(tr("%1 を開けませんでした。\n%2").arg(QDir::toNativeSeparators(path), why), vbCritical, windowTitle());
        return false;
    }
    model_.setFileRecords(std::move(scan.records));
    path_ = path;
    openAnnouncementsBeside(path);
    updateHeaders();
    updateColumns();
    updateTitle();
    ui_->grid->setCurrentIndex(model_.index(0, 0));
    if (scan.trailingBytes > 0)
        statusBar()->showMessage(
            tr("最後の停留所の後にある%1バイトはプログラムが読まないデータのため、保存しません。").arg(scan.trailingBytes));
    return true;
}

bool frmFareEdit::saveTo(const QString &path)
{
    const std::vector<FareFileRecord> records = model_.fileRecords();
    const std::optional<QByteArray> bytes = serializeFareFile(records);
    if (!bytes) {
        const FareFileRefusal refusal = *fareFileRefusal(records);
        const QString why = refusal.reason == FareFileRefusal::Reason::TooManyRecords
            ? tr("停留所が%1件あります（301件まで）。").arg(refusal.value)
            : refusal.reason == FareFileRefusal::Reason::NameTooLong
            ? tr("停留所%1の名前が%2バイトあります（65535バイトまで）。").arg(refusal.record).arg(refusal.value)
            : tr("停留所%1の名前に制御文字（0x%2）があります。")
                  .arg(refusal.record)
                  .arg(refusal.value, 2, 16, QLatin1Char('0'));
        MsgBox(tr("%1 に保存できませんでした。\n%2").arg(QDir::toNativeSeparators(path), why), vbCritical, windowTitle());
        return false;
    }
    const auto problem = datafiles::writeOutputFile(path, [&](QIODevice &out) { return out.write(*bytes) == bytes->size(); });
    if (problem) {
        MsgBox(tr("%1 に保存できませんでした。\n%2")
                   .arg(QDir::toNativeSeparators(path), formatmessages::writeProblemText(*problem)),
               vbCritical, windowTitle());
        return false;
    }
    path_ = path;
    model_.undoStack()->setClean();
    const bool announcementsSaved = saveAnnouncementsBeside(path);
    updateTitle();
    if (announcementsSaved)
        statusBar()->showMessage(tr("%1 に保存しました。").arg(QDir::toNativeSeparators(path)));
    return announcementsSaved;
}

bool frmFareEdit::save()
{
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool frmFareEdit::saveAs()
{
    const QString path = askPath(true, tr("運賃データ"), QStringLiteral("*.hy3"));
    return !path.isEmpty() && saveTo(path);
}

bool frmFareEdit::importCsv(const QString &path)
{
    datafiles::ReadProblem problem;
    const std::optional<QByteArray> bytes = datafiles::readWholeFile(path, farecsv::kMaxCsvBytes, &problem);
    if (!bytes) {
        MsgBox(tr("%1 を読み込めませんでした。\n%2")
                   .arg(QDir::toNativeSeparators(path), formatmessages::readProblemText(problem, tr("運賃データのCSV"))),
               vbCritical, windowTitle());
        return false;
    }
    farecsv::ReadResult read = farecsv::fromCsv(*bytes);
    const auto lines = [&](const std::vector<farecsv::Problem> &problems) {
        QStringList text;
        for (const farecsv::Problem &p : problems)
            text << (p.line > 0 ? tr("%1行目: %2").arg(p.line).arg(formatmessages::fareCsvProblemText(p))
                                : formatmessages::fareCsvProblemText(p));
        return text.join(u'\n');
    };
    if (!read.problems.empty()) {
        MsgBox(tr("%1 を読み込めませんでした。表は変更していません。").arg(QDir::toNativeSeparators(path)), vbCritical,
               windowTitle(), lines(read.problems));
        return false;
    }
    if (!model_.replaceRecords(std::move(read.records)))
        return false;
    if (!read.warnings.empty())
        MsgBox(tr("%1 を読み込みました。次の点に注意してください。").arg(QDir::toNativeSeparators(path)), vbInformation,
               windowTitle(), lines(read.warnings));
    return true;
}

bool frmFareEdit::exportCsv(const QString &path)
{
    const QByteArray bytes = farecsv::toCsv(model_.fileRecords()).toUtf8();
    const auto problem = datafiles::writeOutputFile(path, [&](QIODevice &out) { return out.write(bytes) == bytes.size(); });
    if (problem) {
        MsgBox(tr("%1 に書き出せませんでした。\n%2")
                   .arg(QDir::toNativeSeparators(path), formatmessages::writeProblemText(*problem)),
               vbCritical, windowTitle());
        return false;
    }
    return true;
}

bool frmFareEdit::maybeKeepChanges()
{
    if (!hasChanges())
        return true;
    switch (MsgBox(tr("変更が保存されていません。保存しますか？"), vbYesNoCancel | vbQuestion, windowTitle())) {
    case vbYes:
        return save();
    case vbNo:
        return true;
    default:
        return false;
    }
}

QString frmFareEdit::askPath(bool saving, const QString &filterName, const QString &pattern)
{
    const QList<FileFilter> filter{{QStringLiteral("%1(%2)").arg(filterName, pattern), pattern}};
    return Zr7FileDlg(this, saving ? kFileDlgSave : 0, filter, path_, filterName);
}

// A plain key pressed anywhere in the editor (the grid, the list of marks,
// the announcements) is the editor's: the console binds digits, Enter and the
// arrows for the whole program, and they must not drive the bus while a data
// author types here. Keys with Ctrl or Alt stay shortcuts.
bool frmFareEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void frmFareEdit::closeEvent(QCloseEvent *event)
{
    if (maybeKeepChanges())
        event->accept();
    else
        event->ignore();
}

} // namespace kerubara
