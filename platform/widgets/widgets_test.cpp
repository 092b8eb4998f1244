#include "widgets/clickframe.h"
#include "widgets/lamp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using platform::ClickFrame;
using platform::Lamp;

class WidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void frameClicksOncePerLeftClick() {
        ClickFrame frame;
        frame.resize(120, 30);
        frame.show();
        QSignalSpy clicks(&frame, &ClickFrame::clicked);
        QTest::mouseClick(&frame, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(&frame, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 1);
    }

    void releaseOutsideIsNoClick() {
        ClickFrame frame;
        frame.resize(120, 30);
        frame.show();
        QSignalSpy clicks(&frame, &ClickFrame::clicked);
        QTest::mousePress(&frame, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, QPoint(300, 3));
        QCOMPARE(clicks.count(), 0);
    }

    void disabledFrameDoesNotClick() {
        ClickFrame frame;
        frame.resize(120, 30);
        frame.show();
        frame.setEnabled(false);
        QSignalSpy clicks(&frame, &ClickFrame::clicked);
        QTest::mouseClick(&frame, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicks.count(), 0);
    }

    void contentFillsTheFrameAndTakesItsOwnClicks() {
        ClickFrame frame;
        frame.resize(120, 30);
        auto* caption = new QPushButton(QStringLiteral("Exit"));
        frame.setContent(caption);
        frame.show();
        QCOMPARE(caption->parentWidget(), &frame);
        QCOMPARE(caption->geometry(), QRect(2, 2, 116, 26));
        QSignalSpy clicks(&frame, &ClickFrame::clicked);
        QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 0);
    }

    void aFrameAroundACaptionIsPressedWithTheKeyboard() {
        QWidget window;
        auto* frame = new ClickFrame(&window);
        frame->setGeometry(10, 10, 120, 30);
        frame->setContent(new QLabel(QStringLiteral("Random")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(frame->focusPolicy(), Qt::TabFocus);
        QSignalSpy keys(frame, &ClickFrame::activatedByKey);
        QSignalSpy clicks(frame, &ClickFrame::clicked);

        const QColor highlight = frame->palette().color(QPalette::Highlight);
        frame->clearFocus();
        QVERIFY(frame->grab().toImage().pixelColor(0, 15) != highlight);
        frame->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(frame->hasFocus());
        QCOMPARE(frame->grab().toImage().pixelColor(0, 15), highlight);

        // Space presses on release, once however long it is held.
        QTest::keyPress(frame, Qt::Key_Space);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(frame, &held);
        QCOMPARE(keys.count(), 0);
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
        QTest::keyRelease(frame, Qt::Key_Space);
        QCOMPARE(keys.count(), 1);
        QTest::keyClick(frame, Qt::Key_Return);
        QTest::keyClick(frame, Qt::Key_Enter);
        QCOMPARE(keys.count(), 3);
        QTest::keyClick(frame, Qt::Key_A);
        QCOMPARE(keys.count(), 3);
        // A key press is no click: the window decides where each goes.
        QCOMPARE(clicks.count(), 0);
    }

    void aFrameAroundAToolButtonLeavesItTheKeyboard() {
        ClickFrame frame;
        frame.resize(64, 26);
        auto* button = new QToolButton;
        frame.setContent(button);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.focusPolicy(), Qt::NoFocus);
        QVERIFY(button->focusPolicy() != Qt::NoFocus);
        // The frame shows the button's focus.
        const QColor highlight = frame.palette().color(QPalette::Highlight);
        button->clearFocus();
        QVERIFY(frame.grab().toImage().pixelColor(0, 13) != highlight);
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        QCOMPARE(frame.grab().toImage().pixelColor(0, 13), highlight);
        QSignalSpy presses(button, &QToolButton::clicked);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QCOMPARE(presses.count(), 3);
    }

    void lampPaintsItsFillColour() {
        Lamp lamp;
        lamp.resize(9, 9);
        lamp.setFillColor(QColor(0, 128, 0));
        const QImage shot = lamp.grab().toImage();
        QCOMPARE(shot.pixelColor(4, 4), QColor(0, 128, 0));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
