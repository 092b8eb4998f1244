// The main window without a mouse: every button, the home-page link and the
// source view are reached with Tab in reading order and pressed with Space
// or Enter; the focus shows; the display-only value boxes stay readable.

#include "picturebox/picturebox.h"
#include "window/hostedcontrols.h"
#include "window/tests/windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <cmath>

using designer::test::WindowFixture;

namespace {

// The buttons and the other places a keyboard user must reach, in the order
// the window reads (column by column, top to bottom).
const QStringList kReached = {
    QStringLiteral("asxToolbar4"),   QStringLiteral("asxToolbar2"),  QStringLiteral("cmdPlus"),
    QStringLiteral("cmdmoins"),      QStringLiteral("asxToolbar12"), QStringLiteral("asxToolbar5"),
    QStringLiteral("cmdFullScreen"), QStringLiteral("asxToolbar15"), QStringLiteral("button"),
    QStringLiteral("Text2"),         QStringLiteral("URLLink1"),     QStringLiteral("asxToolbar13"),
    QStringLiteral("Command1")};

// The names of the widgets that Tab visits, once round the window.
QStringList tabCycle(QWidget* first) {
    first->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 200; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (i > 0 && focus == first))
            break;
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

double luminance(QColor colour) {
    const auto channel = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a box's text with its background, read from its pixels:
// the background is the colour at the centre line's start, the text the
// pixel that stands out from it most.
double textContrast(QWidget* box) {
    const QImage image = box->grab().toImage();
    const QColor background = image.pixelColor(4, image.height() / 2);
    double best = 1.0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesEveryButtonInReadingOrder() {
        WindowFixture f(true);
        f.start();
        if (!f.window().hosted().isHosted(QStringLiteral("URLLink1")))
            QSKIP("The control libraries are not built beside the tests");
        const QStringList cycle = tabCycle(f.slider("SliderR"));
        qsizetype last = -1;
        for (const QString& name : kReached) {
            QCOMPARE(cycle.count(name), 1);
            const qsizetype at = cycle.indexOf(name);
            QVERIFY2(at > last, qPrintable(name + QStringLiteral(" out of order")));
            last = at;
        }
        // Nothing hidden or stand-in takes the focus.
        for (const QString& name : cycle)
            QVERIFY2(!name.endsWith(QStringLiteral("Label")), qPrintable(name));
    }

    void theFocusShowsOnAButton() {
        WindowFixture f(true);
        f.start();
        // A framed caption takes the focus itself; "+" inside its frame.
        for (const auto& [frameName, focusName] :
             {std::pair{"asxToolbar2", "asxToolbar2"}, std::pair{"asxToolbar10", "cmdPlus"}}) {
            auto* frame = f.child<QWidget>(frameName);
            auto* focus = f.child<QWidget>(focusName);
            const QColor highlight = frame->palette().color(QPalette::Highlight);
            f.slider("SliderR")->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(!focus->hasFocus());
            QVERIFY(frame->grab().toImage().pixelColor(0, frame->height() / 2) != highlight);
            focus->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(focus->hasFocus());
            QCOMPARE(frame->grab().toImage().pixelColor(0, frame->height() / 2), highlight);
        }
    }

    void spaceAndEnterPressTheButtonOnce() {
        for (const bool built : {true, false}) {
            WindowFixture f(built);
            f.start();
            // Exit: its frame and its caption are both wired; one press ends once.
            auto* exitFrame = f.child<QWidget>("Command1");
            exitFrame->setFocus(Qt::TabFocusReason);
            QTest::keyClick(exitFrame, Qt::Key_Space);
            QCOMPARE(f.exits, 1);
            QTest::keyClick(exitFrame, Qt::Key_Return);
            QCOMPARE(f.exits, 2);

            // Preview: only its caption is wired, and the key presses it.
            QTest::mouseClick(f.check("Check2"), Qt::LeftButton, {},
                              f.check("Check2")->rect().center());
            auto* preview = f.child<platform::PictureBox>("Picture2");
            const QImage cleared = preview->image();
            auto* previewFrame = f.child<QWidget>("asxToolbar5");
            previewFrame->setFocus(Qt::TabFocusReason);
            QTest::keyClick(previewFrame, Qt::Key_Enter);
            QVERIFY(preview->image() != cleared);

            // Random is disabled with automatic preview off: no press.
            QVERIFY(!f.window().hosted().isEnabled(QStringLiteral("Command3")));
        }
    }

    void theToolButtonsTakeSpaceAndEnter() {
        WindowFixture f;
        f.start();
        for (const char* name : {"cmdPlus", "cmdmoins"}) {
            auto* button = f.child<QToolButton>(name);
            QSignalSpy presses(button, &QToolButton::clicked);
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(button, Qt::Key_Return);
            QCOMPARE(presses.count(), 2);
            f.boxes.clearShown();
        }
    }

    void valueBoxesAreReadableAndStayDisplayOnly() {
        WindowFixture f;
        f.start();
        for (const char* name : {"txtR", "txtG", "txtB", "txtN", "txtStart", "txtStop",
                                 "txtBandSize", "txtModLine", "TxtMR", "TxtMG", "TxtMB"}) {
            QLineEdit* box = f.edit(name);
            QVERIFY2(!box->isEnabled(), name);
            QVERIFY2(box->focusPolicy() == Qt::NoFocus || !box->isEnabled(), name);
            const double ratio = textContrast(box);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(ratio)));
        }
    }

    void theWindowCarriesTheProgramIcon() {
        WindowFixture f;
        designer::FrmDegColor& w = f.start();
        const QIcon icon = w.windowIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 32, 48, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                     qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
