// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fare editor's announcements tab: the route's broadcast data file as a
// table (text, step flag, sound flag, the reading the speech will use), with
// buttons to insert, delete and move a line and to hear it.

#include "sound/mdlM_Tape.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class QUndoStack;

namespace kerubara {

class JapaneseReader;
class SoundSystem;
class SpeechEngine;

namespace editing {
class AnnouncementModel;
struct AnnouncementRefusal;
} // namespace editing

class AnnouncementEditor : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncementEditor(QWidget *parent = nullptr);
    ~AnnouncementEditor() override;

    // How 聞く makes its speech engine: the program's voice. Without one the
    // editor opens a sound output of its own the first time a line is heard.
    void setSpeech(mdlM_Tape::EngineFactory factory);

    // Opens a broadcast data file. A file the program would refuse leaves
    // the table empty, and the reason is shown; false then.
    bool load(const QString &tpCsvPath);
    // Starts the announcements of a route that has none yet: an empty table
    // that save() writes to `tpCsvPath`.
    void startNew(const QString &tpCsvPath);
    // Writes the file opened, in Shift-JIS, through a temporary file: a
    // failure leaves the old file whole. Nothing when saved, else the reason
    // (also shown).
    std::optional<QString> save();
    // Writes to `tpCsvPath` as save() does and goes on with that file.
    std::optional<QString> saveAs(const QString &tpCsvPath);

    bool isModified() const;
    QUndoStack *undoStack();
    QString path() const { return path_; }
    // What the editor last told the author (a refusal, a file's notes).
    QString message() const;

signals:
    void modificationChanged(bool modified);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void insertLine();
    void removeLine();
    void moveLine(int by);
    void hear();
    int currentRow() const;
    void selectRow(int row);
    void updateButtons();
    void tell(const QString &text);
    void opened(const QString &path);
    void useReadingDictionaries();
    QString refusalText(const editing::AnnouncementRefusal &why) const;
    QWidget *cellEditor(QWidget *parent, int column);

    editing::AnnouncementModel *model_;
    QTableView *view_;
    QPushButton *insert_;
    QPushButton *remove_;
    QPushButton *up_;
    QPushButton *down_;
    QPushButton *hear_;
    QLabel *message_;
    QString path_;
    QString notes_; // the file's warnings, or why it did not open
    mdlM_Tape::EngineFactory speech_;
    std::unique_ptr<SoundSystem> ownSound_;
    std::unique_ptr<SpeechEngine> engine_;
    std::shared_ptr<JapaneseReader> reader_;

    friend class AnnouncementDelegate;
};

} // namespace kerubara
