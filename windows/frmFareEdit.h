// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/FareTableModel.h"

#include <QMainWindow>

#include <memory>

class QTabWidget;

namespace Ui {
class frmFareEdit;
}

namespace kerubara {

class AnnouncementEditor;
class FareGridView;
class FarePanelView;

// 運賃表の編集: a route's fare data as a grid a data author edits with a
// spreadsheet's keys, every change undoable; opened, saved and exchanged as
// CSV through the readers and writers of our files. The grid is on the left
// of a splitter whose right pane is for the panel, in the first tab.
class frmFareEdit : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmFareEdit(QWidget *parent = nullptr);
    ~frmFareEdit() override;

    // The columns the settings read a step sound's flag and the data digit
    // from (1..150, 0 for none), named in the headers.
    void setReadColumns(int stepSoundColumn, int dataDigitColumn);

    // Starts a route of two blank stops, with no file yet.
    void newRoute();
    // Reads a fare data file; one the program would refuse is not opened
    // and the author is told why. False when nothing was opened.
    bool openFile(const QString &path);
    // Writes the table to `path` (the whole file or nothing; the old one is
    // left whole when writing fails, and the author told why).
    bool saveTo(const QString &path);
    bool save();
    bool saveAs();
    // The route from a fare CSV, as one undoable change; the table written
    // as one.
    bool importCsv(const QString &path);
    bool exportCsv(const QString &path);
    // When there are unsaved changes, asks whether to save them first.
    // False when the author cancels or the save fails.
    bool maybeKeepChanges();

    QString filePath() const { return path_; }
    editing::FareTableModel &model() { return model_; }
    FareGridView *grid() const;
    QTabWidget *tabs() const;
    QWidget *sidePane() const;
    FarePanelView *panelView() const { return panel_; }
    AnnouncementEditor *announcements() const { return announcements_; }
    // Fills the selected fare cells by a rule the author chooses, as one
    // undoable change.
    void fillByRule();

    void copySelection();
    void pasteClipboard();
    void clearSelection();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectActions();
    void updateTitle();
    void updateColumns();
    void updateHeaders();
    void showRefusal();
    void showPanel();
    void listMarks();
    void openAnnouncementsBeside(const QString &farePath);
    bool saveAnnouncementsBeside(const QString &farePath);
    bool hasChanges() const;
    // The selected rectangle (the current cell when nothing is selected).
    QRect selectedBlock() const;
    QString columnName(int column) const;
    QString askPath(bool saving, const QString &filterName, const QString &pattern);

    std::unique_ptr<Ui::frmFareEdit> ui_;
    editing::FareTableModel model_;
    QString path_;
    int stepSoundColumn_ = 0;
    int dataDigitColumn_ = 0;
    int fareColumns_ = 0;
    FarePanelView *panel_ = nullptr;
    AnnouncementEditor *announcements_ = nullptr;
};

} // namespace kerubara
