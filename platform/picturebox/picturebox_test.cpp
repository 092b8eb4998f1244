// The picture box driven as its users drive it: sized, drawn on, repainted,
// hidden and shown, clicked; checked by what it shows on the screen.

#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"

#include <QSignalSpy>
#include <QTest>

using platform::PictureBox;

namespace {

constexpr vb::OleColor white = 0x00FFFFFF;
constexpr vb::OleColor redOle = 0x000000FF;
constexpr vb::OleColor greenOle = 0x0000FF00;
constexpr QRgb red = 0xffff0000;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb whiteRgb = 0xffffffff;

// What the screen shows at pixel (x, y) of the widget.
QRgb onScreen(PictureBox& box, int x, int y) {
    return box.grab().toImage().pixel(x, y);
}

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PictureBox> shownBox(QSize size = QSize(40, 30)) {
        auto box = std::make_unique<PictureBox>();
        box->resize(size);
        box->setBackColor(white);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get()))
            qFatal("picture box not exposed");
        return box;
    }

private slots:
    void scaleSizeIsTheInnerSizeInTwips() {
        PictureBox box;
        box.resize(333, 193);
        QCOMPARE(box.twipsPerPixel(), 15.0);
        QCOMPARE(box.scaleWidth(), 4995.0);
        QCOMPARE(box.scaleHeight(), 2895.0);
        box.setBorderStyle(1);
        QCOMPARE(box.scaleWidth(), 329 * 15.0);
        QCOMPARE(box.scaleHeight(), 189 * 15.0);
        QCOMPARE(box.widthTwips(), 4995.0);
    }

    void sizeCanBeSetInTwips() {
        PictureBox box;
        box.setWidthTwips(2460);
        box.setHeightTwips(330);
        QCOMPARE(box.size(), QSize(164, 22));
        QCOMPARE(box.image().size(), QSize(164, 22));
    }

    void unknownBorderStyleAndSystemColourAreRefused() {
        PictureBox box;
        try {
            box.setBorderStyle(2);
            QFAIL("border style 2 accepted");
        } catch (const vb::RuntimeError& error) {
            QCOMPARE(error.number(), 380);
        }
        QCOMPARE(box.borderStyle(), 0);
        QVERIFY_THROWS_EXCEPTION(vb::RuntimeError, box.setBackColor(0x800000FF));
        QCOMPARE(box.backColor(), platform::ButtonFace);
    }

    void unshownBoxPaintsInItsPixelSize() {
        PictureBox box;
        box.resize(120, 80);
        box.setAutoRedraw(true);
        box.setBackColor(white);
        box.lineBox(-1, -1, box.scaleWidth(), box.scaleHeight(), greenOle);
        const QImage image = box.image();
        QCOMPARE(image.size(), QSize(120, 80));
        QCOMPARE(image.pixel(0, 0), green);
        QCOMPARE(image.pixel(119, 79), green);
    }

    void systemColourBackgroundComesFromThePalette() {
        PictureBox box;
        QPalette palette = box.palette();
        palette.setColor(QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::Button, QColor(4, 5, 6));
        box.setPalette(palette);
        box.resize(10, 10);
        box.setBackColor(platform::WindowBackground);
        QCOMPARE(box.backColor(), platform::WindowBackground);
        QCOMPARE(box.image().pixel(5, 5), qRgb(1, 2, 3));
        box.setBackColor(platform::ButtonFace);
        QCOMPARE(box.image().pixel(5, 5), qRgb(4, 5, 6));
    }

    void autoRedrawOnSurvivesRepaintsAndRefresh() {
        auto box = shownBox();
        box->setAutoRedraw(true);
        box->lineBox(0, 0, 150, 150, redOle);
        QCOMPARE(onScreen(*box, 5, 5), red);
        box->repaint();
        box->refresh();
        QCOMPARE(onScreen(*box, 5, 5), red);
        box->hide();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(onScreen(*box, 5, 5), red);
    }

    void autoRedrawOffIsLostAtRefresh() {
        auto box = shownBox();
        box->setAutoRedraw(false);
        box->lineBox(0, 0, 150, 150, redOle);
        QCOMPARE(onScreen(*box, 5, 5), red);
        box->repaint(); // its own repaint keeps it
        QCOMPARE(onScreen(*box, 5, 5), red);
        box->refresh();
        QCOMPARE(onScreen(*box, 5, 5), whiteRgb);
    }

    void autoRedrawOffIsLostWhenShownAgain() {
        auto box = shownBox();
        box->lineBox(0, 0, 150, 150, redOle);
        box->hide();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(onScreen(*box, 5, 5), whiteRgb);
    }

    void clsWithAutoRedrawOffWipesOnlyTheOffDrawing() {
        auto box = shownBox();
        box->setAutoRedraw(true);
        box->lineBox(0, 0, 150, 150, greenOle);
        box->setAutoRedraw(false);
        box->lineBox(150, 150, 300, 300, redOle);
        QCOMPARE(onScreen(*box, 15, 15), red);
        box->cls();
        QCOMPARE(onScreen(*box, 5, 5), green);
        QCOMPARE(onScreen(*box, 15, 15), whiteRgb);
        box->setAutoRedraw(true);
        box->cls();
        QCOMPARE(onScreen(*box, 5, 5), whiteRgb);
    }

    void resizeKeepsTheRetainedPicture() {
        auto box = shownBox(QSize(20, 20));
        box->setAutoRedraw(true);
        box->lineBox(0, 0, 299, 299, greenOle);
        box->resize(40, 30);
        QTRY_COMPARE(box->image().size(), QSize(40, 30));
        QCOMPARE(onScreen(*box, 19, 19), green);
        QCOMPARE(onScreen(*box, 25, 25), whiteRgb);
    }

    void borderFramesTheScaleArea() {
        auto box = shownBox(QSize(20, 20));
        box->setBorderStyle(1);
        box->setAutoRedraw(true);
        box->lineBox(-1, -1, box->scaleWidth(), box->scaleHeight(), greenOle);
        QCOMPARE(box->image().size(), QSize(16, 16));
        QCOMPARE(onScreen(*box, 2, 2), green);
        QCOMPARE(onScreen(*box, 17, 17), green);
        QVERIFY(onScreen(*box, 0, 0) != green);
        QVERIFY(onScreen(*box, 18, 18) != green);
    }

    void printWritesInTheFontAndAdvances() {
        auto box = shownBox(QSize(100, 30));
        box->setAutoRedraw(true);
        box->setFont(QFont("DejaVu Sans", 10));
        box->setForeColor(redOle);
        box->setCurrentX(20);
        box->setCurrentY(20);
        box->print("Hi");
        QVERIFY(box->currentX() > 20);
        QCOMPARE(box->currentY(), 20.0);
        box->cls();
        QCOMPARE(box->currentX(), 0.0);
    }

    void mouseEventsCarryButtonShiftAndTwips() {
        auto box = shownBox();
        box->setBorderStyle(1);
        QSignalSpy down(box.get(), &PictureBox::mouseDown);
        QSignalSpy up(box.get(), &PictureBox::mouseUp);
        QSignalSpy clicked(box.get(), &PictureBox::click);
        QSignalSpy doubled(box.get(), &PictureBox::dblClick);

        QTest::mouseClick(box.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 7));
        QCOMPARE(down.count(), 1);
        const QList<QVariant> args = down.takeFirst();
        QCOMPARE(args.at(0).value<short>(), short(1));
        QCOMPARE(args.at(1).value<short>(), short(1));
        QCOMPARE(args.at(2).toFloat(), 150.0f); // inside the 2-pixel frame
        QCOMPARE(args.at(3).toFloat(), 75.0f);
        QCOMPARE(up.count(), 1);
        QCOMPARE(clicked.count(), 1);

        QTest::mouseClick(box.get(), Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(down.takeFirst().at(1).value<short>(), short(2));
        QCOMPARE(clicked.count(), 1); // only the left button clicks

        QTest::mouseDClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(doubled.count(), 1);
    }

    void doubleClickRaisesEventsInTheUsualOrder() {
        auto box = shownBox();
        QStringList events;
        connect(box.get(), &PictureBox::mouseDown, [&] { events << "MouseDown"; });
        connect(box.get(), &PictureBox::mouseUp, [&] { events << "MouseUp"; });
        connect(box.get(), &PictureBox::click, [&] { events << "Click"; });
        connect(box.get(), &PictureBox::dblClick, [&] { events << "DblClick"; });
        // A user's double-click: press, release, second press, release.
        QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(events, QStringList({"MouseDown", "MouseUp", "Click", "DblClick", "MouseUp"}));
        events.clear();
        QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5), 500);
        QCOMPARE(events, QStringList({"MouseDown", "MouseUp", "Click"}));
    }
};

QTEST_MAIN(PictureBoxTest)
#include "picturebox_test.moc"
