#include "operation/frmCtl.h"

#include "app/Form1.h"
#include "app/Simulator.h"
#include "reslib/MsgBox.h"
#include "reslib/ProgramInfo.h"
#include "reslib/VbError.h"
#include "settings/SettingValues.h"
#include "settings/frmOption.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QRadioButton>

namespace kerubara {
namespace {

// Loads a picture file, or throws the error the program reports for it.
QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (!image.isNull())
        return QPixmap::fromImage(image);
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        throw VbError(VbError::FileNotFound);
    case QImageReader::DeviceError:
        throw VbError(QFileInfo(path).isReadable() ? VbError::DeviceIo : VbError::PathFileAccess);
    default:
        throw VbError(VbError::InvalidPicture);
    }
}

QString pictureErrorText(int number)
{
    switch (number) {
    case 7:
    case 28:
    case 51:
        return QStringLiteral("　内部的なエラーです。ソマリカへ報告してください。エラー場所：frmCtl.Option4_Click()");
    case 53:
    case 75:
    case 76:
        return QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。");
    case 57:
    case 68:
        return QStringLiteral("　デバイスエラーもしくは準備が出来ていません。");
    case 481:
        return QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。");
    default:
        return {};
    }
}

} // namespace

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

frmCtl::frmCtl(Simulator &sim, QWidget *parent) : QWidget(parent), sim_(sim)
{
    setWindowTitle(QStringLiteral("集中操作盤"));
    Frame2 = new QGroupBox(QStringLiteral("バックライト"), this);
    auto *row = new QHBoxLayout(Frame2);
    auto *group = new QButtonGroup(this);
    const QStringList captions{QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new QRadioButton(captions[i], Frame2);
        group->addButton(Option4[i]);
        row->addWidget(Option4[i]);
        connect(Option4[i], &QRadioButton::clicked, this, [this, i] { Option4_Click(static_cast<std::int16_t>(i)); });
    }
    Option4[0]->setChecked(true);
    Frame2->setGeometry(8, 8, 200, 48);
    resize(359, 300);
}

frmCtl::~frmCtl() = default;

void frmCtl::Form_Load()
{
    sim_.form1().setWindowTitle(QStringLiteral("ケルバラケーション - 型番:") + programFileName());
}

void frmCtl::Option4_Click(std::int16_t index)
{
    if (index < 0 || index > 2)
        return;
    frmOption &option = sim_.option();
    Form1 &panel = sim_.form1();
    const OleColor color = buttonColor(option.Command5[index]);
    // Built-in or user picture; which option of Option3 chooses the user file.
    static constexpr std::array<int, 3> kUserOption{6, 2, 5};
    try {
        if (option.Option3[1]->isChecked() && option.Option3[kUserOption[index]]->isChecked()) {
            const QString file = option.txtSelectPanel[index]->text();
            if (FileExists(file))
                panel.setPicture(loadPicture(file));
        } else {
            panel.setPicture(panel.imgRes[index]);
        }
    } catch (const VbError &e) {
        MsgBox(QStringLiteral("エラーです。\r\n\r\nエラーコード：%1").arg(e.number()) + pictureErrorText(e.number()),
               vbCritical, QStringLiteral("エラー"));
    }
    for (int k = 1; k <= 12; ++k)
        panel.setLabelColor(k, color);
}

} // namespace kerubara
