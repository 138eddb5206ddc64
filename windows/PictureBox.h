// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace kerubara {

// A picture box with a persistent drawing: code draws into its image, the
// widget shows it. Used for the numbered-ticket preview.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Clears the drawing to the background colour.
    void Cls();
    // The drawing; paint into it, then call update().
    QImage &image() { return image_; }
    const QImage &image() const { return image_; }

signals:
    void rightClicked(const QPoint &at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage image_;
};

} // namespace kerubara
