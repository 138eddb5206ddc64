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
    void keepsTheLastCharacters_data();
    void keepsTheLastCharacters();
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
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("expected");

    const QVariant nothing;
    const QVariant empty = QString();
    QTest::newRow("number as is") << QVariant(1234) << 0 << 0 << 0 << "1234";
    QTest::newRow("mode 0: number 0 blank") << QVariant(0) << 0 << 0 << 0 << "";
    QTest::newRow("mode 0: double 0 blank") << QVariant(0.0) << 0 << 0 << 0 << "";
    QTest::newRow("mode 0: empty text blank") << empty << 0 << 0 << 0 << "";
    QTest::newRow("mode 0: nothing blank") << nothing << 0 << 0 << 0 << "";
    QTest::newRow("mode 0: text 0 is not the number") << QVariant("0") << 0 << 0 << 0 << "0";
    QTest::newRow("mode 0: -1 shown") << QVariant(-1) << 0 << 0 << 0 << "-1";
    QTest::newRow("mode 1: number 0 lit") << QVariant(0) << 1 << 0 << 0 << "0";
    QTest::newRow("mode 1: empty text lit 0") << empty << 1 << 0 << 0 << "0";
    QTest::newRow("mode 1: nothing lit 0") << nothing << 1 << 0 << 0 << "0";
    QTest::newRow("mode 2: -1 becomes 0") << QVariant(-1) << 2 << 0 << 0 << "0";
    QTest::newRow("mode 2: 0 blank") << QVariant(0) << 2 << 0 << 0 << "";
    QTest::newRow("mode 2: text -1 untouched") << QVariant("-1") << 2 << 0 << 0 << "-1";
    QTest::newRow("mode 2: empty text stays blank") << empty << 2 << 0 << 0 << "";
    QTest::newRow("mode 3: -1 becomes 0") << QVariant(-1.0) << 3 << 0 << 0 << "0";
    QTest::newRow("mode 3: 0 lit") << QVariant(0) << 3 << 0 << 0 << "0";
    QTest::newRow("mode 3: empty text lit 0") << empty << 3 << 0 << 0 << "0";
    QTest::newRow("mode 3: -2 untouched") << QVariant(-2) << 3 << 0 << 0 << "-2";
    QTest::newRow("other mode: 0 untouched") << QVariant(0) << -1 << 0 << 0 << "0";
    QTest::newRow("other mode: -1 untouched") << QVariant(-1) << 9 << 0 << 0 << "-1";
    QTest::newRow("space is not empty") << QVariant(" ") << 1 << 0 << 0 << " ";
    QTest::newRow("fill number") << QVariant(5) << 0 << 3 << 0 << "005";
    QTest::newRow("fill negative number") << QVariant(-5) << 0 << 3 << 0 << "-005";
    QTest::newRow("fill longer number") << QVariant(1234) << 0 << 3 << 0 << "1234";
    QTest::newRow("fill rounds doubles") << QVariant(2.5) << 0 << 3 << 0 << "003";
    QTest::newRow("fill numeric text") << QVariant(" 7 ") << 0 << 2 << 0 << "07";
    QTest::newRow("fill leaves other text") << QVariant("ab") << 0 << 3 << 0 << "ab";
    QTest::newRow("fill after mode 1 zero") << QVariant(0) << 1 << 3 << 0 << "000";
    QTest::newRow("fill leaves mode 0 blank") << QVariant(0) << 0 << 3 << 0 << "";
    QTest::newRow("negative fill ignored") << QVariant(5) << 0 << -2 << 0 << "5";
    QTest::newRow("shift appends spaces") << QVariant(5) << 0 << 0 << 2 << "5  ";
    QTest::newRow("shift after fill") << QVariant(7) << 0 << 2 << 1 << "07 ";
    QTest::newRow("shift after blank") << QVariant(0) << 0 << 0 << 1 << " ";
    QTest::newRow("double with decimals") << QVariant(1.5) << 0 << 0 << 0 << "1.5";
    QTest::newRow("whole double") << QVariant(230.0) << 0 << 0 << 0 << "230";
    QTest::newRow("large double") << QVariant(1e20) << 0 << 0 << 0 << "1E+20";
}

void tst_DegitText::formatsTheValue()
{
    QFETCH(QVariant, value);
    QFETCH(int, zeroMode);
    QFETCH(int, fillZero);
    QFETCH(int, shift);
    QFETCH(QString, expected);
    const DegitFormat format{static_cast<std::int16_t>(zeroMode), static_cast<std::int16_t>(fillZero),
                             static_cast<std::int16_t>(shift)};
    QCOMPARE(formatDegitValue(value, format), expected);
}

void tst_DegitText::keepsTheLastCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keta");
    QTest::addColumn<QString>("expected");
    QTest::newRow("longer than the positions") << "1234" << 3 << "234";
    QTest::newRow("shorter") << "5" << 3 << "5";
    QTest::newRow("no positions") << "5" << 0 << "";
    QTest::newRow("negative positions") << "5" << -4 << "";
}

void tst_DegitText::keepsTheLastCharacters()
{
    QFETCH(QString, text);
    QFETCH(int, keta);
    QFETCH(QString, expected);
    QCOMPARE(lastCharacters(text, keta), expected);
}

void tst_DegitText::segmentsOfCharacters_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<int>("mask");
    const auto m = [](std::initializer_list<Segment> segs) {
        int mask = 0;
        for (Segment s : segs)
            mask |= segmentBit(s);
        return mask;
    };
    QTest::newRow("8 all seven") << QChar(u'8') << int(kEightMask);
    QTest::newRow("space none") << QChar(u' ') << 0;
    QTest::newRow("minus middle") << QChar(u'-') << m({SegG});
    QTest::newRow("1") << QChar(u'1') << m({SegB, SegC});
    QTest::newRow("7") << QChar(u'7') << m({SegA, SegB, SegC});
    QTest::newRow("0") << QChar(u'0') << m({SegA, SegB, SegC, SegD, SegE, SegF});
    QTest::newRow("point") << QChar(u'.') << m({SegDP});
    QTest::newRow("E") << QChar(u'E') << m({SegA, SegD, SegE, SegF, SegG});
    QTest::newRow("e as E") << QChar(u'e') << m({SegA, SegD, SegE, SegF, SegG});
    QTest::newRow("c lower") << QChar(u'c') << m({SegD, SegE, SegG});
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
    for (int style : {0, 1, 2}) {
        for (int size : {0, 2}) {
            QTest::addRow("style %d size %d", style, size) << style << size;
        }
    }
}

void tst_DegitText::boldDrawsThickerSegments()
{
    QFETCH(int, style);
    QFETCH(int, size);
    const auto litPixels = [&](bool bold) {
        const SegmentFont font(glyphStyle(static_cast<std::int16_t>(style)),
                               degitSizeClass(static_cast<std::int16_t>(size)), bold);
        QImage image(font.advance(), font.height(), QImage::Format_RGB32);
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
