// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmCtl.h"

#include "FakeDialogs.h"
#include "OptionControls.h"
#include "reslib/MsgBox.h"
#include "windows/Form1.h"
#include "windows/SettingValues.h"
#include "windows/Simulator.h"
#include "windows/frmOption.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kerubara;

// The backlight switch of the control panel: pictures and label colours.
class tst_frmCtlBacklight : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtInPicturesAndColoursPerState_data();
    void builtInPicturesAndColoursPerState();
    void userPicturesReplaceTheStatesPicture_data();
    void userPicturesReplaceTheStatesPicture();
    void missingUserFileKeepsThePictureSilently();
    void unreadablePictureReportsError481();
    void userPictureUnusedWithBuiltInChoice();

private:
    // Clicks the console's OFF / ON1 / ON2 button where a user would.
    void pressBacklight(int state)
    {
        QRadioButton *button = sim_->ctl().Option4[static_cast<std::size_t>(state)];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QString writeImage(const QString &name, QColor color, const char *format);

    std::unique_ptr<Simulator> sim_;
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    QList<MsgBoxCall> messages_;
    QTemporaryDir dir_;
};

void tst_frmCtlBacklight::init()
{
    messages_.clear();
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        messages_ << c;
        return int(vbOK);
    });
    sim_ = std::make_unique<Simulator>();
    sim_->start();
    frmOption &o = sim_->option();
    setButtonColor(controls(o).Command5[0], rgb(10, 0, 0));
    setButtonColor(controls(o).Command5[1], rgb(0, 20, 0));
    setButtonColor(controls(o).Command5[2], rgb(0, 0, 30));
}

void tst_frmCtlBacklight::cleanup()
{
    sim_.reset();
    boxes_.reset();
}

QString tst_frmCtlBacklight::writeImage(const QString &name, QColor color, const char *format)
{
    QImage image(502, 252, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir_.filePath(name);
    image.save(path, format);
    return path;
}

void tst_frmCtlBacklight::builtInPicturesAndColoursPerState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<uint>("color");
    QTest::newRow("OFF") << 0 << uint(rgb(10, 0, 0));
    QTest::newRow("ON1") << 1 << uint(rgb(0, 20, 0));
    QTest::newRow("ON2") << 2 << uint(rgb(0, 0, 30));
}

void tst_frmCtlBacklight::builtInPicturesAndColoursPerState()
{
    QFETCH(int, state);
    QFETCH(uint, color);
    Form1 &f = sim_->form1();
    // Distinguishable holders, to see which one is shown.
    for (int i = 0; i < 3; ++i) {
        QPixmap p(502, 252);
        p.fill(QColor(i * 50, 0, 0));
        f.controlsForTesting().imgRes[i] = p;
    }
    pressBacklight(state);
    QCOMPARE(f.Picture().toImage().pixelColor(5, 5), QColor(state * 50, 0, 0));
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(f.labelColor(k), OleColor(color));
    QVERIFY(messages_.isEmpty());
}

void tst_frmCtlBacklight::userPicturesReplaceTheStatesPicture_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("userOption");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("OFF bitmap") << 0 << 6 << "off.bmp" << QByteArray("BMP");
    QTest::newRow("ON1 GIF") << 1 << 2 << "on1.gif" << QByteArray("GIF");
    QTest::newRow("ON2 JPEG") << 2 << 5 << "on2.jpg" << QByteArray("JPG");
}

void tst_frmCtlBacklight::userPicturesReplaceTheStatesPicture()
{
    QFETCH(int, state);
    QFETCH(int, userOption);
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    frmOption &o = sim_->option();
    const QString path = dir_.filePath(file);
    if (format == "GIF") {
        // Qt reads GIF but does not write it: a hand-made 1 x 1 green GIF.
        static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                            0x00, 0x00, 0xC8, 0x00, 0xFF, 0xFF, 0xFF, 0x2C, 0x00, 0x00, 0x00, 0x00,
                                            0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char *>(gif), sizeof gif);
    } else {
        writeImage(file, QColor(0, 200, 0), format.constData());
    }
    controls(o).Option3[1]->click();
    controls(o).Option3[userOption]->click();
    controls(o).txtSelectPanel[state]->setText(path);
    pressBacklight(state);
    QVERIFY2(messages_.isEmpty(), messages_.isEmpty() ? "" : qPrintable(messages_.front().prompt));
    const QColor shown = sim_->form1().Picture().toImage().pixelColor(0, 0);
    QVERIFY(shown.green() > 150 && shown.red() < 50);
}

void tst_frmCtlBacklight::missingUserFileKeepsThePictureSilently()
{
    frmOption &o = sim_->option();
    Form1 &f = sim_->form1();
    const QImage before = f.Picture().toImage();
    controls(o).Option3[1]->click();
    controls(o).Option3[2]->click();
    controls(o).txtSelectPanel[1]->setText(dir_.filePath("deleted.bmp"));
    pressBacklight(1);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(f.Picture().toImage(), before);
    QCOMPARE(f.labelColor(4), rgb(0, 20, 0));
}

void tst_frmCtlBacklight::unreadablePictureReportsError481()
{
    frmOption &o = sim_->option();
    Form1 &f = sim_->form1();
    const QString path = dir_.filePath("text.bmp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is plain text, not a picture\n");
    file.close();
    const QImage before = f.Picture().toImage();
    controls(o).Option3[1]->click();
    controls(o).Option3[5]->click();
    controls(o).txtSelectPanel[2]->setText(path);
    pressBacklight(2);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_.front().prompt,
             QStringLiteral("エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。"));
    QCOMPARE(messages_.front().title, QStringLiteral("エラー"));
    QCOMPARE(messages_.front().style, int(vbCritical));
    QCOMPARE(f.Picture().toImage(), before);
    QCOMPARE(f.labelColor(12), rgb(0, 0, 30));
}

void tst_frmCtlBacklight::userPictureUnusedWithBuiltInChoice()
{
    frmOption &o = sim_->option();
    const QString path = writeImage("user.bmp", Qt::green, "BMP");
    controls(o).Option3[1]->click(); // individual, but ON1 keeps its built-in choice
    controls(o).txtSelectPanel[1]->setText(path);
    pressBacklight(1);
    QCOMPARE(sim_->form1().Picture().toImage(), sim_->form1().controlsForTesting().imgRes[1].toImage());
}

QTEST_MAIN(tst_frmCtlBacklight)
#include "tst_frmctl_backlight.moc"
