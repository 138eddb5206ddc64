// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/VoiceSettingsDialog.h"
#include "reslib/MsgBox.h"
#include "sound/AudioOutput.h"
#include "sound/VoiceEngine.h"

#include "../sound/SpeechTesting.h"
#include "FakeDialogs.h"
#include "VoiceFiles.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTranslator>

#include <optional>

using namespace kerubara;

Q_DECLARE_METATYPE(kerubara::VoiceSettings)


namespace {

void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace

class tst_VoiceSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dialogKeepsValuesOnOkAndRestoresThemOnCancel();
    void voiceListOffersInstalledOwnAndEspeak();
    void titleIsTranslated();
    void noticeSaysWhichPackageBringsTheBetterVoice_data();
    void noticeSaysWhichPackageBringsTheBetterVoice();
    void choosingAVoiceSpeaksWithIt_data();
    void choosingAVoiceSpeaksWithIt();
    void copyButtonCopiesThePickedVoice_data();
    void copyButtonCopiesThePickedVoice();
    void slidersTakeEffectAtOnce_data();
    void slidersTakeEffectAtOnce();
    void okKeepsTheVoiceAndCancelPutsItBack_data();
    void okKeepsTheVoiceAndCancelPutsItBack();

private:
    std::unique_ptr<VoiceEngine> makeEngine(NullAudioOutput &out);
    QTemporaryDir dir_;
    VoicePlaces places_;
    // What the engine handed its owner to keep, if anything.
    std::optional<VoiceSettings> kept_;
    QString installed_;
    QString own_;
};

void tst_VoiceSettingsDialog::initTestCase()
{
    // The user's configuration folder is this test's own.
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit());
}

void tst_VoiceSettingsDialog::init()
{
    // A fresh set of voices for each test: one installed, one of the user's own.
    const QString root = dir_.filePath(QTest::currentTestFunction());
    QDir(root).removeRecursively();
    places_ = VoicePlaces{root + "/installed", root + "/own"};
    installed_ = places_.installed + "/small/small_voice.htsvoice";
    own_ = places_.own + "/mine.htsvoice";
    QVERIFY(QDir().mkpath(places_.installed + "/small") && QDir().mkpath(places_.own));
    QVERIFY(testing::writeFile(installed_, testing::smallVoice()));
    QVERIFY(testing::writeFile(own_, testing::smallVoiceWith("ALPHA=0.42", "ALPHA=0.31")));
    kept_.reset();
}

std::unique_ptr<VoiceEngine> tst_VoiceSettingsDialog::makeEngine(NullAudioOutput &out)
{
    VoiceEngine::Options options;
    options.keep = [this](const VoiceSettings &settings) { kept_ = settings; };
    options.places = places_;
    return VoiceEngine::create(out.mixer(), 0, options);
}

void tst_VoiceSettingsDialog::dialogKeepsValuesOnOkAndRestoresThemOnCancel()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    const VoiceSettings before = engine->settings();
    const VoiceSettings tried = testing::valuesOf(120, 3, 40);
    {
        VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("音声の調節"));
        QCOMPARE(dialog.values(), before);
        dialog.setValues(tried);
        QCOMPARE(engine->settings(), tried); // heard at once
        QTest::mouseClick(dialog.findChild<QPushButton *>("sampleButton"), Qt::LeftButton);
        QVERIFY(testing::pumpUntilSound(out));
        dialog.reject();
    }
    QCOMPARE(engine->settings(), before);
    QVERIFY(!kept_);
    {
        VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
        dialog.setValues(tried);
        dialog.accept();
    }
    QCOMPARE(engine->settings(), tried);
    QCOMPARE(kept_, std::optional(tried));
}

void tst_VoiceSettingsDialog::voiceListOffersInstalledOwnAndEspeak()
{
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    auto *list = dialog.findChild<QListWidget *>("voiceList");
    QVERIFY(list);
    QCOMPARE(rowsOf(list), (QStringList{"small_voice", "mine（自分の音声）", "espeak-ng（アクセントなし）"}));
    // The voice speaking, the only one installed, is the one chosen.
    QCOMPARE(engine->voice(), installed_);
    QCOMPARE(list->currentRow(), 0);
    // It needs no notice: an HTS voice speaks.
    QVERIFY(!dialog.findChild<QLabel *>("noticeLabel"));
}

// The tape names the dialog in Japanese; the dialog shows the title in the
// language of the program.
void tst_VoiceSettingsDialog::titleIsTranslated()
{
    class English : public QTranslator
    {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return qstrcmp(context, "VoiceSettingsDialog") == 0 && QString::fromUtf8(source) == u"音声の調節"
                ? QStringLiteral("Voice Settings")
                : QString();
        }
    } english;
    QCoreApplication::installTranslator(&english);
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Voice Settings"));
}

void tst_VoiceSettingsDialog::noticeSaysWhichPackageBringsTheBetterVoice_data()
{
    QTest::addColumn<QByteArray>("installed"); // the one installed voice; empty: none
    QTest::addColumn<QString>("notice");       // a part of it; empty: no notice
    QTest::newRow("an HTS voice installed") << testing::smallVoice() << "";
    QTest::newRow("none installed") << QByteArray()
                                    << "HTS 音声が入っていないため、espeak-ng の声で話します。"
                                       "抑揚（アクセント）のある声は、Debian の contrib にあるパッケージ hts-voice-nitech-jp-atr503-m001 で入ります";
    QTest::newRow("the installed one damaged") << testing::smallVoice().left(300) << "音声ファイルとして使えません（";
}

void tst_VoiceSettingsDialog::noticeSaysWhichPackageBringsTheBetterVoice()
{
    QFETCH(QByteArray, installed);
    QFETCH(QString, notice);
    QVERIFY(QFile::remove(installed_));
    if (!installed.isEmpty())
        QVERIFY(testing::writeFile(installed_, installed));
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    const auto *label = dialog.findChild<QLabel *>("noticeLabel");
    QCOMPARE(label != nullptr, !notice.isEmpty());
    if (label)
        QVERIFY2(label->text().contains(notice), qPrintable(label->text()));
}

void tst_VoiceSettingsDialog::choosingAVoiceSpeaksWithIt_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("ownBytes"); // what the user's own voice file holds
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("reason"); // a part of the message when refused
    QTest::addColumn<bool>("allPassEnabled");
    QTest::addColumn<int>("allPass");
    const QByteArray good = testing::smallVoiceWith("ALPHA=0.42", "ALPHA=0.31");
    QTest::newRow("own voice") << 1 << good << true << "" << true << 31;
    QTest::newRow("espeak-ng") << 2 << good << true << "" << false << 42;
    QTest::newRow("own voice cut short") << 1 << good.left(good.size() - 8) << false << "途中で切れています" << true << 42;
    QTest::newRow("own voice empty") << 1 << QByteArray() << false << "空のファイル" << true << 42;
    QTest::newRow("own voice not a voice") << 1 << QByteArray("RIFF....WAVEfmt ") << false << "HTS 音声（.htsvoice）のファイルではありません"
                                           << true << 42;
}

void tst_VoiceSettingsDialog::choosingAVoiceSpeaksWithIt()
{
    QFETCH(int, row);
    QFETCH(QByteArray, ownBytes);
    QFETCH(bool, taken);
    QFETCH(QString, reason);
    QFETCH(bool, allPassEnabled);
    QFETCH(int, allPass);
    QVERIFY(testing::writeFile(own_, ownBytes));
    QStringList messages;
    const ScopedMsgBoxHandler boxes([&messages](const MsgBoxCall &call) {
        messages << call.prompt;
        return vbOK;
    });
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>("voiceList");
    const QString wanted = list->item(row)->data(Qt::UserRole).toString();
    clickRow(list, row);
    auto *slider = dialog.findChild<QSlider *>("allPassSlider");
    if (taken) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(engine->voice(), wanted);
        QCOMPARE(list->currentRow(), row);
    } else {
        // Named with the reason; the voice speaking stays, and so does the list.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(own_ + QStringLiteral(": ")) && messages[0].contains(reason), qPrintable(messages[0]));
        QCOMPARE(engine->voice(), installed_);
        QCOMPARE(list->currentRow(), 0);
    }
    QCOMPARE(slider->isEnabled(), allPassEnabled);
    QCOMPARE(slider->value(), allPass);
    // And the sample speaks with whatever voice is speaking.
    QTest::mouseClick(dialog.findChild<QPushButton *>("sampleButton"), Qt::LeftButton);
    QVERIFY(testing::pumpUntilSound(out));
}

void tst_VoiceSettingsDialog::copyButtonCopiesThePickedVoice_data()
{
    QTest::addColumn<QByteArray>("picked"); // empty: the file dialog was cancelled
    QTest::addColumn<bool>("copied");
    QTest::addColumn<QString>("reason");
    const QByteArray good = testing::smallVoiceWith("test voice", "a voice of her own");
    QTest::newRow("a good voice") << good << true << "";
    QTest::newRow("cancelled") << QByteArray() << false << "";
    QTest::newRow("cut short") << good.left(good.size() - 8) << false << "途中で切れています";
    QTest::newRow("header cut short") << good.left(good.size() / 2) << false << "見出しの [POSITION] がないか";
    QTest::newRow("for english") << testing::smallVoiceWith("HTS_TTS_JPN", "HTS_TTS_ENG") << false << "日本語の音声ではありません";
}

void tst_VoiceSettingsDialog::copyButtonCopiesThePickedVoice()
{
    QFETCH(QByteArray, picked);
    QFETCH(bool, copied);
    QFETCH(QString, reason);
    const QString downloaded = dir_.filePath(QStringLiteral("f001.htsvoice"));
    QVERIFY(testing::writeFile(downloaded, picked));
    testing::FakeDialogs files;
    files.file = picked.isEmpty() ? QString() : downloaded;
    const ScopedResDialogs scopedFiles(files);
    QStringList messages;
    const ScopedMsgBoxHandler boxes([&messages](const MsgBoxCall &call) {
        messages << call.prompt;
        return vbOK;
    });
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    auto *list = dialog.findChild<QListWidget *>("voiceList");
    QTest::mouseClick(dialog.findChild<QPushButton *>("copyButton"), Qt::LeftButton);
    QCOMPARE(files.calls, 1);
    QCOMPARE(files.lastFilter.value(0).pattern, QStringLiteral("*.htsvoice"));
    const QString target = places_.own + "/f001.htsvoice";
    QCOMPARE(QFileInfo::exists(target), copied);
    if (copied) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(rowsOf(list), (QStringList{"small_voice", "f001（自分の音声）", "mine（自分の音声）", "espeak-ng（アクセントなし）"}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(engine->voice(), target);
        // The copy is the file picked, byte for byte.
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), picked);
    } else {
        QCOMPARE(messages.size(), reason.isEmpty() ? 0 : 1);
        if (!reason.isEmpty())
            QVERIFY2(messages[0].startsWith(downloaded + QStringLiteral(": ")) && messages[0].contains(reason), qPrintable(messages[0]));
        QCOMPARE(list->count(), 3);
        QCOMPARE(engine->voice(), installed_);
    }
}

void tst_VoiceSettingsDialog::slidersTakeEffectAtOnce_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("presses"); // of the right arrow
    QTest::addColumn<VoiceSettings>("expected");
    QTest::newRow("rate") << "rateSlider" << 3 << testing::valuesOf(103, 0, 100);
    QTest::newRow("pitch in half-tones") << "pitchSlider" << 2 << testing::valuesOf(100, 2, 100);
    QTest::newRow("volume") << "volumeSlider" << -5 << testing::valuesOf(100, 0, 95);
    QTest::newRow("all-pass constant from the voice's own") << "allPassSlider" << 1 << testing::valuesOf(100, 0, 100, 43);
}

void tst_VoiceSettingsDialog::slidersTakeEffectAtOnce()
{
    QFETCH(QString, slider);
    QFETCH(int, presses);
    QFETCH(VoiceSettings, expected);
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    dialog.show();
    auto *s = dialog.findChild<QSlider *>(slider);
    QVERIFY(s);
    for (int i = 0; i < std::abs(presses); ++i)
        QTest::keyClick(s, presses > 0 ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(engine->settings(), expected);
    QCOMPARE(dialog.values(), expected);
}

void tst_VoiceSettingsDialog::okKeepsTheVoiceAndCancelPutsItBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("kept");
    QTest::newRow("OK") << "OK" << true;
    QTest::newRow("キャンセル") << "キャンセル" << false;
}

void tst_VoiceSettingsDialog::okKeepsTheVoiceAndCancelPutsItBack()
{
    QFETCH(QString, button);
    QFETCH(bool, kept);
    NullAudioOutput out;
    auto engine = makeEngine(out);
    QVERIFY(engine);
    VoiceSettingsDialog dialog(*engine, nullptr, QStringLiteral("音声の調節"));
    dialog.show();
    clickRow(dialog.findChild<QListWidget *>("voiceList"), 2);
    QCOMPARE(engine->voice(), VoiceSettings::espeak());
    QTest::keyClick(dialog.findChild<QSlider *>("rateSlider"), Qt::Key_Right);
    const auto buttons = dialog.findChild<QDialogButtonBox *>()->buttons();
    const auto it = std::find_if(buttons.begin(), buttons.end(), [&](QAbstractButton *b) { return b->text() == button; });
    QVERIFY(it != buttons.end());
    QTest::mouseClick(*it, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    if (kept) {
        QCOMPARE(engine->voice(), VoiceSettings::espeak());
        QVERIFY(kept_);
        QCOMPARE(kept_->voice, VoiceSettings::espeak());
        QCOMPARE(kept_->rate, 101);
    } else {
        // The default voice speaks again, and nothing was kept.
        QCOMPARE(engine->voice(), installed_);
        QCOMPARE(engine->settings(), VoiceSettings{});
        QVERIFY(!kept_);
    }
}

QTEST_MAIN(tst_VoiceSettingsDialog)
#include "tst_voicesettingsdialog.moc"
