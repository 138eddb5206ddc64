#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QGroupBox;
class QRadioButton;

namespace kerubara {

class Simulator;

// The control panel "集中操作盤": the driver's console beside the fare panel.
class frmCtl : public QWidget
{
    Q_OBJECT

public:
    explicit frmCtl(Simulator &sim, QWidget *parent = nullptr);
    ~frmCtl() override;

    // The window's load handler: the panel's caption, then the speech engine.
    void Form_Load();

    // Backlight: swaps the panel picture to the state's and recolours the
    // ticket-number labels (0 OFF, 1 ON1, 2 ON2).
    void Option4_Click(std::int16_t index);

    QGroupBox *Frame2 = nullptr;              // "バックライト"
    std::array<QRadioButton *, 3> Option4{}; // OFF, ON1, ON2

private:
    Simulator &sim_;
};

// True when the path names a file (not a folder) that exists.
bool FileExists(const QString &path);

} // namespace kerubara
