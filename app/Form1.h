#pragma once

#include "reslib/OleColor.h"
#include "settings/SettingsFile.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QTimer;

namespace kerubara {

class ChimeiCtl_DX;
class M_Degit;
class Simulator;

// The fare panel: a borderless window with rounded corners whose background is
// a picture of the fare display's face. It carries the stop-name strip, twelve
// ticket-number labels over twelve fare digits, a hidden four-digit display
// and the hidden clock. The user drags it from anywhere on its surface.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Simulator &sim);
    ~Form1() override;

    ChimeiCtl_DX *ChimeiCtl = nullptr;
    std::array<QLabel *, 13> lblSeiriNum{};   // 1..12 shown; 0 hidden
    std::array<M_Degit *, 13> Degit{};        // 1..12 the fares; 0 hidden
    std::array<M_Degit *, 2> TimeDegit{};     // clock hours and minutes, hidden
    std::array<QPixmap, 3> imgRes;            // built-in pictures for OFF, ON1, ON2
    QTimer *Timer1 = nullptr;

    // The background picture (the current backlight state's).
    const QPixmap &Picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

    // Text colour, face and size of ticket-number label k.
    void setLabelColor(int k, OleColor color);
    OleColor labelColor(int k) const;
    void setLabelFace(int k, const QString &face);
    void setLabelPointSize(int k, double points);

    void GetFormInfo(FormPosRecord &pos) const;
    void SetFormInfo(const FormPosRecord &pos);
    void DeleteRgn();

    // Gives the window its rounded 3 x 3 corners.
    void shapeWindow();

    // Handlers.
    void Degit_DblClick(int index);
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();

    Simulator &sim_;
    QPixmap picture_;
    // Where SetFormInfo put the window; nothing before it has run.
    std::optional<QPoint> restoredAt_;
};

} // namespace kerubara
