#include "app/Form1.h"

#include "app/Simulator.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "operation/frmCtl.h"
#include "reslib/PropertyBag.h"
#include "reslib/ErrorBoundary.h"
#include "reslib/Units.h"
#include "reslib/WindowMove.h"

#include <QBitmap>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>

namespace kerubara {
namespace {

constexpr std::array<int, 6> kLabelLefts{1620, 2535, 3510, 4425, 5370, 6345};
constexpr std::array<int, 6> kDigitLefts{1575, 2505, 3465, 4395, 5340, 6300};

// A digit as the panel data stores it: position, size class, digit count, style.
M_Degit *placedDigit(QWidget *parent, int left, int top, int keta, int size, int style)
{
    auto *digit = new M_Degit(parent);
    PropertyBag stored;
    stored.WriteProperty(QStringLiteral("keta"), keta);
    stored.WriteProperty(QStringLiteral("degitsize"), size);
    stored.WriteProperty(QStringLiteral("degitstyle"), style);
    digit->ReadProperties(stored);
    digit->setGeometry(QRect(QPoint(twipsToPixels(left), twipsToPixels(top)),
                             M_Degit::controlSize(static_cast<std::int16_t>(keta), static_cast<std::int16_t>(size))));
    return digit;
}

} // namespace

Form1::Form1(Simulator &sim) : QWidget(nullptr, Qt::FramelessWindowHint), sim_(sim)
{
    setFixedSize(twipsToPixels(7530), twipsToPixels(3780));
    setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192)); // shows where a small user picture ends
    setPalette(pal);
    buildControls();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    ChimeiCtl = new ChimeiCtl_DX(this);
    PropertyBag strip;
    strip.WriteProperty(QStringLiteral("BackColor"), 4210752);
    strip.WriteProperty(QStringLiteral("ForeColor"), 8438015);
    ChimeiCtl->ReadProperties(strip);
    ChimeiCtl->setGeometry(twipsToPixels(570), twipsToPixels(277), twipsToPixels(6480), twipsToPixels(840));

    QFont labelFont(QStringLiteral("ＭＳ Ｐゴシック"));
    labelFont.setPixelSize(pointsToPixels(14.25));
    labelFont.setBold(true);
    for (int k = 0; k <= 12; ++k) {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        label->installEventFilter(this);
        lblSeiriNum[k] = label;
        setLabelColor(k, rgb(255, 255, 255));
    }
    for (int i = 0; i < 6; ++i) {
        lblSeiriNum[i + 1]->setGeometry(twipsToPixels(kLabelLefts[i]), twipsToPixels(1830), twipsToPixels(780), twipsToPixels(240));
        lblSeiriNum[i + 7]->setGeometry(twipsToPixels(kLabelLefts[i]), twipsToPixels(2670), twipsToPixels(780), twipsToPixels(240));
        lblSeiriNum[i + 1]->setText(QString::number(i + 1));
        lblSeiriNum[i + 7]->setText(QString::number(i + 7));
    }
    lblSeiriNum[0]->setGeometry(twipsToPixels(1185), twipsToPixels(45), twipsToPixels(780), twipsToPixels(240));
    lblSeiriNum[0]->hide();

    for (int i = 0; i < 6; ++i) {
        Degit[i + 1] = placedDigit(this, kDigitLefts[i], 2145, 3, 2, 1);
        Degit[i + 7] = placedDigit(this, kDigitLefts[i], 2970, 3, 2, 1);
    }
    Degit[0] = placedDigit(this, 2100, 30, 4, 0, 0);
    Degit[0]->hide();
    TimeDegit[0] = placedDigit(this, 5445, 30, 2, 0, 0);
    TimeDegit[1] = placedDigit(this, 5850, 30, 2, 0, 0);
    TimeDegit[0]->hide();
    TimeDegit[1]->hide();
    for (int k = 0; k <= 12; ++k) {
        Degit[k]->installEventFilter(this);
        connect(Degit[k], &M_Degit::DblClick, this, guarded([this, k] { Degit_DblClick(k); }));
    }
    for (M_Degit *d : TimeDegit)
        d->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1_Timer(); }));
}

void Form1::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void Form1::setLabelColor(int k, OleColor color)
{
    QPalette pal = lblSeiriNum[k]->palette();
    pal.setColor(QPalette::WindowText, toQColor(color));
    lblSeiriNum[k]->setPalette(pal);
}

OleColor Form1::labelColor(int k) const
{
    return fromQColor(lblSeiriNum[k]->palette().color(QPalette::WindowText));
}

void Form1::setLabelFace(int k, const QString &face)
{
    QFont font = lblSeiriNum[k]->font();
    font.setFamily(face);
    lblSeiriNum[k]->setFont(font);
}

void Form1::setLabelPointSize(int k, double points)
{
    QFont font = lblSeiriNum[k]->font();
    font.setPixelSize(pointsToPixels(points));
    lblSeiriNum[k]->setFont(font);
}

void Form1::GetFormInfo(FormPosRecord &pos) const
{
    // A window still where SetFormInfo put it keeps the twips it was given,
    // which need not be whole pixels.
    if (this->pos() == restoredAt_)
        return;
    pos.nLeft = x() * 15;
    pos.nTop = y() * 15;
}

void Form1::SetFormInfo(const FormPosRecord &pos)
{
    move(pos.nLeft / 15, pos.nTop / 15);
    restoredAt_ = this->pos();
}

void Form1::DeleteRgn()
{
    // Nothing to release: the window's shape belongs to the window.
}

void Form1::shapeWindow()
{
    // Corners rounded by a 3 x 3 ellipse: at this size that takes exactly the
    // corner pixel off each corner.
    QRegion shape(rect());
    const int r = width() - 1;
    const int b = height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    setMask(shape);
}

void Form1::Degit_DblClick(int index)
{
    M_Degit *clicked = Degit[index];
    if (!clicked->UserSet())
        return;
    frmCtl &ctl = sim_.ctl();
    ctl.setEnabled(false);
    if (clicked->ShowSetDlg() == 1) {
        const std::int16_t zeroMode = clicked->ZeroMode();
        const std::int16_t shift = clicked->Shift();
        const std::int16_t fillZero = clicked->FillZero();
        for (int k = 1; k <= 12; ++k) {
            const QVariant value = Degit[k]->Value();
            Degit[k]->setShift(shift);
            Degit[k]->setFillZero(fillZero);
            Degit[k]->setZeroMode(zeroMode);
            Degit[k]->setValue(value);
        }
    }
    ctl.setEnabled(true);
}

void Form1::Timer1_Timer()
{
    const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    TimeDegit[0]->setValue(now.mid(0, 2).toInt());
    TimeDegit[1]->setValue(now.mid(3, 2).toInt());
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawPixmap(0, 0, picture_);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    startWindowMove(*this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Presses on the labels and digits must not move the window: swallow
    // them before they reach the panel's surface. A label ignores a double
    // click, which would then reach the surface as a press; the digits take
    // their own double click (the format dialog).
    const QEvent::Type type = event->type();
    if (watched != this
        && (type == QEvent::MouseButtonPress || (type == QEvent::MouseButtonDblClick && !qobject_cast<M_Degit *>(watched))))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace kerubara
