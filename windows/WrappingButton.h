// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace kerubara {

// A check box or option button whose caption wraps onto several lines when it
// is wider than the button: the options window has long Japanese captions in
// narrow frames. The caption text stays exactly as given.
template<class Base>
class Wrapping : public Base
{
public:
    // A form creates the button with its parent alone and gives the caption
    // later.
    explicit Wrapping(QWidget *parent = nullptr) : Wrapping(QString(), parent) {}
    explicit Wrapping(const QString &text, QWidget *parent = nullptr) : Base(text, parent)
    {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        this->setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }

private:
    int indicatorSpace() const;
    QRect textRect(int width) const;
};

using WrappingCheckBox = Wrapping<QCheckBox>;
using WrappingRadioButton = Wrapping<QRadioButton>;

} // namespace kerubara
