#include "widgets/clickframe.h"
#include "widgets/lamp.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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
