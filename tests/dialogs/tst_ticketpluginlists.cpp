// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "dialogs/TicketPluginLists.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_TicketPluginLists : public QObject
{
    Q_OBJECT

private slots:
    void boxesTakeTheNoteAndCompaniesOfAValidPluginOnly();

private:
    QTemporaryDir dir_;
};

void tst_TicketPluginLists::boxesTakeTheNoteAndCompaniesOfAValidPluginOnly()
{
    const QByteArray minimal = "[Plugin]\nFormat=kerubara-ticket 1\nWidth=100\nHeight=80\n";
    const QString good = dir_.filePath(u"good.4SP"_s);
    QVERIFY(testing::writeFile(good, minimal + "CompanySwitch=1\n[Comment]\nline 1\nline 2\n[Companies]\nA社\nB社\n"));
    const QString bad = dir_.filePath(u"bad.4SP"_s);
    QVERIFY(testing::writeFile(bad, minimal + "Width=5\n[Comment]\nnever shown\n[Companies]\nC社\n"));

    QPlainTextEdit comment;
    ZR8_SetPlgComment(good, &comment);
    QCOMPARE(comment.toPlainText(), u"line 1\nline 2"_s);
    ZR8_SetPlgComment(bad, &comment);
    QCOMPARE(comment.toPlainText(), u"line 1\nline 2"_s);
    ZR8_SetPlgComment(good, nullptr);

    // The names are added after what the list holds, every time.
    QComboBox companies;
    companies.addItem(u"前からの社名"_s);
    ZR8_SetCorpAddList(good, &companies);
    ZR8_SetCorpAddList(bad, &companies);
    ZR8_SetCorpAddList(good, &companies);
    ZR8_SetCorpAddList(good, nullptr);
    QStringList names;
    for (int i = 0; i < companies.count(); ++i)
        names << companies.itemText(i);
    QCOMPARE(names, (QStringList{u"前からの社名"_s, u"A社"_s, u"B社"_s, u"A社"_s, u"B社"_s}));
}

QTEST_MAIN(tst_TicketPluginLists)
#include "tst_ticketpluginlists.moc"
