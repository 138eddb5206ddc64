#include "app/Simulator.h"

#include "app/mdlzed_000.h"
#include "operation/frmCtl.h"
#include "settings/frmOption.h"

#include <QGuiApplication>
#include <QScreen>

namespace kerubara {

Simulator::Simulator() : form1_(std::make_unique<Form1>(*this)) {}

Simulator::~Simulator()
{
    // The control panel and the options window refer to the panel; they go first.
    ctl_.reset();
    option_.reset();
}

frmOption &Simulator::option()
{
    if (!option_)
        option_ = std::make_unique<frmOption>(*this);
    return *option_;
}

frmCtl &Simulator::ctl()
{
    if (!ctl_) {
        ctl_ = std::make_unique<frmCtl>(*this);
        ctl_->Form_Load();
    }
    return *ctl_;
}

void Simulator::start()
{
    Form1 &panel = form1();
    InitDegit(panel);
    InitPanel(*this);
    option(); // the settings store exists from here on

    frmCtl &console = ctl();
    console.show();
    console.raise();

    panel.move(0, 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    console.move(screen.width() - console.frameGeometry().width(),
                 screen.height() - console.frameGeometry().height());
    panel.show();
    panel.shapeWindow();
    panel.update();
    console.raise();
}

} // namespace kerubara
