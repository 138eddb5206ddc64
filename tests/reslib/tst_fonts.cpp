// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's faces found under a Japanese locale, where the font database
// lists them by their Japanese names: a start there must neither warn of
// fonts that are installed nor draw with a fallback.
#include "reslib/Fonts.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

using namespace kerubara;

class tst_Fonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void facesAreFoundUnderAJapaneseLocale_data();
    void facesAreFoundUnderAJapaneseLocale();

private:
    QStringList missing_;
};

void tst_Fonts::initTestCase()
{
    // The first thing the program asks of the font database.
    missing_ = installFontSubstitutions();
}

void tst_Fonts::facesAreFoundUnderAJapaneseLocale_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("japaneseName");
    QTest::newRow("gothic") << kGothicFace << "IPAGothic" << QStringLiteral("IPAゴシック");
    QTest::newRow("mincho") << kMinchoFace << "IPAMincho" << QStringLiteral("IPA明朝");
    QTest::newRow("proportional gothic") << kPGothicFace << "IPAPGothic" << QStringLiteral("IPA Pゴシック");
}

void tst_Fonts::facesAreFoundUnderAJapaneseLocale()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QFETCH(QString, japaneseName);
    QVERIFY2(!missing_.contains(family), qPrintable(missing_.join(u", ")));
    const QString drawn = QFontInfo(QFont(face)).family();
    QVERIFY2(drawn == family || drawn == japaneseName, qPrintable(drawn));
}

int main(int argc, char **argv)
{
    // Before the application starts the font configuration.
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LANG", "ja_JP.UTF-8");
    QGuiApplication app(argc, argv);
    tst_Fonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fonts.moc"
