// SPDX-License-Identifier: GPL-3.0-or-later
#include "reslib/ErrorBoundary.h"

#include "reslib/MsgBox.h"
#include "reslib/VbError.h"

#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

using namespace kerubara;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// A signal's sender as an event handler sees one: pressed() is emitted from
// the event loop, as a button's click is.
class Source : public QObject
{
    Q_OBJECT

public:
    // Posts a press for the event loop to deliver.
    void press() { QMetaObject::invokeMethod(this, &Source::pressed, Qt::QueuedConnection); }

signals:
    void pressed();
};

} // namespace

class tst_ErrorBoundary : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void thrownErrorEndsInTheErrorBox_data();
    void thrownErrorEndsInTheErrorBox();
    void programGoesOnAfterTheBox();
    void timerHandlerThatThrowsIsCaughtToo();
    void failingBoxDoesNotEscapeEither();

private:
    std::unique_ptr<ScopedMsgBoxHandler> boxes_;
    QList<MsgBoxCall> shown_;
};

void tst_ErrorBoundary::init()
{
    shown_.clear();
    boxes_ = std::make_unique<ScopedMsgBoxHandler>([this](const MsgBoxCall &c) {
        shown_ << c;
        return int(vbOK);
    });
}

void tst_ErrorBoundary::cleanup()
{
    boxes_.reset();
}

void tst_ErrorBoundary::thrownErrorEndsInTheErrorBox_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<QString>("text");
    QTest::newRow("run-time error keeps its number and description")
        << std::function<void()>([] { throw VbError(53); })
        << QStringLiteral("エラー Code:53\r\n内容:ファイルが見つかりません。");
    QTest::newRow("own description")
        << std::function<void()>([] { throw VbError(62, QStringLiteral("壊れています。")); })
        << QStringLiteral("エラー Code:62\r\n内容:壊れています。");
    QTest::newRow("memory exhausted is error 7")
        << std::function<void()>([] { throw std::bad_alloc(); })
        << QStringLiteral("エラー Code:7\r\n内容:メモリが不足しています。");
    QTest::newRow("other standard exception is an internal error")
        << std::function<void()>([] { throw std::runtime_error("boom"); })
        << QStringLiteral("エラー Code:51\r\n内容:内部エラーです。（boom）");
    QTest::newRow("anything else is an internal error")
        << std::function<void()>([] { throw 42; }) << QStringLiteral("エラー Code:51\r\n内容:内部エラーです。");
}

void tst_ErrorBoundary::thrownErrorEndsInTheErrorBox()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(QString, text);
    Source source;
    QObject::connect(&source, &Source::pressed, &source, guarded(handler));
    source.press();
    QTRY_COMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].prompt, text);
    QCOMPARE(shown_[0].style, int(vbCritical));
    QCOMPARE(shown_[0].title, QStringLiteral("エラー"));
}

void tst_ErrorBoundary::programGoesOnAfterTheBox()
{
    Source source;
    int runs = 0;
    QObject::connect(&source, &Source::pressed, &source, guarded([&runs] {
                         if (++runs == 1)
                             throw VbError(VbError::Overflow);
                     }));
    // A second handler of the same signal still runs after the first threw.
    int later = 0;
    QObject::connect(&source, &Source::pressed, &source, [&later] { ++later; });
    source.press();
    source.press();
    QTRY_COMPARE(runs, 2);
    QCOMPARE(later, 2);
    QCOMPARE(shown_.size(), 1);
}

void tst_ErrorBoundary::timerHandlerThatThrowsIsCaughtToo()
{
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, guarded([] { throw VbError(VbError::DeviceIo); }));
    timer.start(0);
    QTRY_COMPARE(shown_.size(), 1);
    QVERIFY(shown_[0].prompt.startsWith(QStringLiteral("エラー Code:57")));
}

void tst_ErrorBoundary::failingBoxDoesNotEscapeEither()
{
    const ScopedMsgBoxHandler throwing([](const MsgBoxCall &) -> int { throw std::bad_alloc(); });
    bool reached = false;
    runGuarded([] { throw VbError(VbError::Overflow); });
    runGuarded([&reached] { reached = true; });
    QVERIFY(reached);
}

QTEST_MAIN(tst_ErrorBoundary)
#include "tst_errorboundary.moc"
