// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/digit/DegitText.h"
#include "controls/digit/SegmentFont.h"

#include <QPainter>
#include <QTest>

using namespace kerubara;

class tst_DegitText : public QObject
{
    Q_OBJECT

private slots:
    void formatsTheValue_data();
    void formatsTheValue();
    void segmentsOfCharacters_data();
    void segmentsOfCharacters();
    void boldDrawsThickerSegments_data();
    void boldDrawsThickerSegments();
};

void tst_DegitText::formatsTheValue_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("zeroMode");
    QTest::addColumn<int>("fillZero");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mode 0: double 0 blank") << QVariant(0.0) << 0 << 0 << "";
    QTest::newRow("mode 0: nothing blank") << QVariant() << 0 << 0 << "";
    QTest::newRow("mode 0: text 0 is not the number") << QVariant("0") << 0 << 0 << "0";
    QTest::newRow("mode 2: text -1 untouched") << QVariant("-1") << 2 << 0 << "-1";
    QTest::newRow("mode 3: double -1 becomes 0") << QVariant(-1.0) << 3 << 0 << "0";
    QTest::newRow("other mode: 0 untouched") << QVariant(0) << -1 << 0 << "0";
    QTest::newRow("fill negative number") << QVariant(-5) << 0 << 3 << "-005";
    QTest::newRow("fill rounds doubles") << QVariant(2.5) << 0 << 3 << "003";
    QTest::newRow("fill numeric text") << QVariant(" 7 ") << 0 << 2 << "07";
    QTest::newRow("fill leaves other text") << QVariant("ab") << 0 << 3 << "ab";
    QTest::newRow("fill after mode 1 zero") << QVariant(0) << 1 << 3 << "000";
    QTest::newRow("negative fill ignored") << QVariant(5) << 0 << -2 << "5";
    QTest::newRow("double with decimals") << QVariant(1.5) << 0 << 0 << "1.5";
    QTest::newRow("large double") << QVariant(1e20) << 0 << 0 << "1E+20";
}

void tst_DegitText::formatsTheValue()
{
    QFETCH(QVariant, value);
    QFETCH(int, zeroMode);
    QFETCH(int, fillZero);
    QFETCH(QString, expected);
    const DegitFormat format{static_cast<std::int16_t>(zeroMode), static_cast<std::int16_t>(fillZero), 0};
    QCOMPARE(formatDegitValue(value, format), expected);
}

void tst_DegitText::segmentsOfCharacters_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<int>("mask");
    QTest::newRow("8 all seven") << QChar(u'8') << int(kEightMask);
    QTest::newRow("space none") << QChar(u' ') << 0;
    QTest::newRow("minus middle") << QChar(u'-') << int(segmentBit(SegG));
    QTest::newRow("e as E") << QChar(u'e') << int(segmentMask(u'E'));
    QTest::newRow("X not shown") << QChar(u'X') << 0;
    QTest::newRow("kanji not shown") << QChar(u'円') << 0;
}

void tst_DegitText::segmentsOfCharacters()
{
    QFETCH(QChar, c);
    QFETCH(int, mask);
    QCOMPARE(int(segmentMask(c)), mask);
}

void tst_DegitText::boldDrawsThickerSegments_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("size");
    for (int style : {0, 1, 2})
        for (int size : {0, 2})
            QTest::addRow("style %d size %d", style, size) << style << size;
}

void tst_DegitText::boldDrawsThickerSegments()
{
    QFETCH(int, style);
    QFETCH(int, size);
    const auto litPixels = [&](bool bold) {
        const SegmentFont font(glyphStyle(static_cast<std::int16_t>(style)),
                               degitSizeClass(static_cast<std::int16_t>(size)), bold);
        QImage image(font.advance(), font.height(), QImage::Format_Grayscale8);
        image.fill(Qt::black);
        QPainter painter(&image);
        font.draw(painter, QPoint(0, 0), kEightMask, Qt::white);
        painter.end();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qGray(image.pixel(x, y)) > 127;
        return count;
    };
    QVERIFY(litPixels(true) > litPixels(false));
}

QTEST_GUILESS_MAIN(tst_DegitText)
#include "tst_degittext.moc"
