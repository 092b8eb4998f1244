// The fade-text control placed by ProgID and looked at as a user sees it:
// the colours of its characters on the screen, and when it repaints.

#include "tests/velmiratesthost.h"

#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"

#include <QApplication>
#include <QSignalSpy>

using namespace velmiratest;

namespace {

constexpr vb::OleColor white = 0xFFFFFF;
constexpr QRgb whitePixel = 0xFFFFFFFF;

QList<QRgb> shownColours(QWidget* control) {
    return coloursLeftToRight(shown(control), whitePixel);
}

// A host's own text surface: records the print position, colours and text.
class HostCanvas : public QObject {
    Q_OBJECT
    Q_PROPERTY(float CurrentX MEMBER currentX)
    Q_PROPERTY(float CurrentY MEMBER currentY)
    Q_PROPERTY(quint32 ForeColor MEMBER foreColor)

public:
    Q_INVOKABLE void Print(const QString& text) {
        printed.append(text);
        colours.append(foreColor);
    }

    float currentX = 0;
    float currentY = 0;
    quint32 foreColor = 0;
    QStringList printed;
    QList<quint32> colours;
};

// A surface that has everything but Print.
class SilentCanvas : public QObject {
    Q_OBJECT
    Q_PROPERTY(float CurrentX MEMBER currentX)
    Q_PROPERTY(float CurrentY MEMBER currentY)
    Q_PROPERTY(quint32 ForeColor MEMBER foreColor)

public:
    float currentX = 0;
    float currentY = 0;
    quint32 foreColor = 0;
};

} // namespace

class VelmiraPaintTest : public QObject {
    Q_OBJECT

private:
    // A stored "Dev Fade" control (empty bag) on white, crisp, shown.
    QWidget* devFadeOnWhite(TestHost& host) {
        platform::PropertyBag empty;
        QWidget* control = host.placeShown(&empty);
        set(control, QStringLiteral("BackColor"), white);
        useCrispFont(control);
        return control;
    }

private slots:
    void freshControlPaintsItsCaptionBlackToBlue() {
        TestHost host;
        QWidget* control = host.placeShown();
        const QRgb face = platform::fromOleColor(platform::ButtonFace)->rgb();
        QVERIFY(!isBlank(shown(control), face));
        useCrispFont(control);
        // "Brantel Quintaro": blue 0, 17, ... 255; the space (8th) does not show.
        QList<QRgb> expected;
        for (int i = 0; i < 16; ++i) {
            if (i != 7)
                expected.append(pixelOf(static_cast<vb::OleColor>(17 * i) << 16));
        }
        QCOMPARE(coloursLeftToRight(shown(control), face), expected);
    }

    void devFadeRunsFromRedToBlack() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        QCOMPARE(get(control, QStringLiteral("Caption")).toString(), QStringLiteral("Dev Fade"));
        QCOMPARE(shownColours(control), pixelsOf({255, 219, 182, 109, 73, 36, 0}));
    }

    void eachCaptionLengthFadesEvenly_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("second");
        QTest::addColumn<QList<QRgb>>("expected");
        QTest::newRow("three, 127.5 to 128")
            << QStringLiteral("abc") << 0u << 255u << pixelsOf({0, 128, 255});
        QTest::newRow("equal colours")
            << QStringLiteral("MMMM") << 0x336699u << 0x336699u << pixelsOf({0x336699});
        QList<QRgb> blues;
        for (vb::OleColor i = 0; i < 16; ++i)
            blues.append(pixelOf((17 * i) << 16));
        QTest::newRow("sixteen, black to blue")
            << QStringLiteral("ABCDEFGHIJKLMNOP") << 0u << 0xFF0000u << blues;
    }
    void eachCaptionLengthFadesEvenly() {
        QFETCH(QString, caption);
        QFETCH(quint32, first);
        QFETCH(quint32, second);
        QFETCH(QList<QRgb>, expected);
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        set(control, QStringLiteral("Caption"), caption);
        set(control, QStringLiteral("Color1"), first);
        set(control, QStringLiteral("Color2"), second);
        QCOMPARE(shownColours(control), expected);
    }

    void numberTwelveIsACaptionOfTwoCharacters() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        set(control, QStringLiteral("Color1"), 0x0000FFu);
        set(control, QStringLiteral("Color2"), 0xFF0000u);
        set(control, QStringLiteral("Caption"), 12);
        QCOMPARE(get(control, QStringLiteral("Caption")), QVariant(QStringLiteral("12")));
        QCOMPARE(shownColours(control), pixelsOf({0x0000FF, 0xFF0000}));
        QVERIFY(host.boxes.shown().isEmpty());
    }

    void shortCaptionIsRefusedWithAMessageBox() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        const QImage before = shown(control);
        const QVariantList refused{QString(), QStringLiteral("A"), 7, QVariant(),
                                   QVariant::fromValue(nullptr)};
        for (const QVariant& value : refused)
            QCOMPARE(errorOf([&] { set(control, QStringLiteral("Caption"), value); }), 0);
        QCOMPARE(host.boxes.shown().size(), refused.size());
        for (const auto& box : host.boxes.shown()) {
            QCOMPARE(box.prompt, QStringLiteral("Caption must contain 2 or more characters."));
            QCOMPARE(box.title, QStringLiteral("Error"));
            QCOMPARE(box.style, platform::msgbox::OkOnly | platform::msgbox::Critical);
        }
        QCOMPARE(get(control, QStringLiteral("Caption")).toString(), QStringLiteral("Dev Fade"));
        QCOMPARE(shown(control), before);
    }

    // Paints: setting a colour at once, reading a font flag; not BorderStyle;
    // BackColor leaves the control empty until the next repaint.
    void repaintsComeFromTheirTriggersOnly() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        const QList<QRgb> devFade = pixelsOf({255, 219, 182, 109, 73, 36, 0});
        const auto emptied = [&] {
            set(control, QStringLiteral("BackColor"), white);
            return isBlank(shown(control), whitePixel);
        };
        QVERIFY(emptied());
        set(control, QStringLiteral("BorderStyle"), 1);
        QVERIFY(isBlank(shown(control).copy(2, 2, control->width() - 4, control->height() - 4),
                        whitePixel));
        set(control, QStringLiteral("BorderStyle"), 0);
        QVERIFY(isBlank(shown(control), whitePixel));
        platform::callMethod(control, QStringLiteral("Refresh"));
        QCOMPARE(shownColours(control), devFade);

        for (const char* flag : {"FontBold", "FontItalic", "FontUnderline"}) {
            QVERIFY(emptied());
            QCOMPARE(get(control, QLatin1String(flag)), QVariant(false));
            QCOMPARE(shownColours(control), devFade);
        }
        QVERIFY(emptied());
        set(control, QStringLiteral("Color2"), 0u);
        QCOMPARE(shownColours(control), devFade);
    }

    void showingAgainShowsTheSamePicture() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        const QImage before = shown(control);
        host.window.hide();
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        QCOMPARE(shown(control), before);
        // An emptied control is painted by the show alone.
        set(control, QStringLiteral("BackColor"), white);
        control->hide();
        control->show();
        QCOMPARE(shown(control), before);
    }

    void smoothCaptionsStayAsBoldOnEveryShow() {
        TestHost host;
        platform::PropertyBag empty;
        QWidget* control = host.placeShown(&empty);
        set(control, QStringLiteral("BackColor"), white);
        QFont smooth = get(control, QStringLiteral("Font")).value<QFont>();
        smooth.setStyleStrategy(QFont::PreferAntialias);
        set(control, QStringLiteral("Font"), smooth);
        // The ink of the caption: how dark its pixels are, all together.
        const auto ink = [&] {
            const QImage image = shown(control);
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += 255 - qGray(image.pixel(x, y));
            return sum;
        };
        // Printed once onto a cleared picture.
        platform::callMethod(control, QStringLiteral("Refresh"));
        const QImage once = shown(control);
        const qint64 onceInk = ink();
        QVERIFY(onceInk > 0);
        // Smoothed: edge pixels lie between the character colours and white.
        QVERIFY(coloursLeftToRight(once, whitePixel).size() > 8);

        for (int cycle = 0; cycle < 3; ++cycle) {
            host.window.hide();
            host.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host.window));
            control->hide();
            control->show();
            QCOMPARE(ink(), onceInk);
        }
        QCOMPARE(shown(control), once);
    }

    void resizeFitsThePictureAndRaisesNoEvent() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        QSignalSpy resizes(control, SIGNAL(Resize()));
        int raised = 0;
        auto connection = platform::connectEvent(control, QStringLiteral("Resize"),
                                                 [&](QVariantList&) { ++raised; });
        set(control, QStringLiteral("BackColor"), white);
        control->resize(300, 40);
        QCOMPARE(shown(control).size(), QSize(300, 40));
        QCOMPARE(shownColours(control), pixelsOf({255, 219, 182, 109, 73, 36, 0}));
        control->resize(90, 18);
        QCoreApplication::processEvents();
        QCOMPARE(raised, 0);
        QCOMPARE(resizes.size(), 0);
    }

    void oneCharacterFromTheBagFailsEveryRepaint() {
        TestHost host;
        platform::PropertyBag bag;
        bag.set(QStringLiteral("Caption"), QStringLiteral("A"));
        QWidget* control = host.placeShown(&bag);
        QCOMPARE(get(control, QStringLiteral("Caption")).toString(), QStringLiteral("A"));
        QVERIFY(!host.site.unhandledErrors().isEmpty());
        QCOMPARE(host.site.unhandledErrors().first().number(), vb::err::DivisionByZero);
        QCOMPARE(errorOf([&] { platform::callMethod(control, QStringLiteral("Refresh")); }),
                 vb::err::DivisionByZero);
        QCOMPARE(errorOf([&] { get(control, QStringLiteral("FontBold")); }),
                 vb::err::DivisionByZero);
    }

    void overlongCaptionOverflowsAfterClearing() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        QCOMPARE(errorOf([&] {
                     set(control, QStringLiteral("Caption"), QString(32768, QLatin1Char('W')));
                 }),
                 vb::err::Overflow);
        QVERIFY(isBlank(shown(control), whitePixel));
    }

    void fadeGoesOntoAHostsOwnCanvas() {
        TestHost host;
        QWidget* control = devFadeOnWhite(host);
        HostCanvas canvas;
        platform::callMethod(control, QStringLiteral("FadeTxT"), static_cast<QObject*>(&canvas),
                             100.0f, 50.0f, QStringLiteral("xyz"));
        QCOMPARE(canvas.printed, (QStringList{"x", "y", "z"}));
        QCOMPARE(canvas.colours, (QList<quint32>{255, 128, 0}));
        QVERIFY(canvas.currentX == 100.0f && canvas.currentY == 50.0f);

        // System colours are taken at their current RGB.
        set(control, QStringLiteral("Color1"), platform::ButtonFace);
        canvas.colours.clear();
        platform::callMethod(control, QStringLiteral("FadeTxT"), static_cast<QObject*>(&canvas),
                             0.0f, 0.0f, QStringLiteral("xy"));
        const QColor face = *platform::fromOleColor(platform::ButtonFace);
        QCOMPARE(canvas.colours.first(), platform::toOleColor(face));

        SilentCanvas silent;
        QCOMPARE(errorOf([&] {
                     platform::callMethod(control, QStringLiteral("FadeTxT"),
                                          static_cast<QObject*>(&silent), 0.0f, 0.0f,
                                          QStringLiteral("xy"));
                 }),
                 vb::err::NotSupported);
        QCOMPARE(errorOf([&] {
                     platform::callMethod(control, QStringLiteral("FadeTxT"),
                                          static_cast<QObject*>(nullptr), 0.0f, 0.0f,
                                          QStringLiteral("xy"));
                 }),
                 vb::err::ObjectRequired);
        QCOMPARE(errorOf([&] { set(control, QStringLiteral("Color2"), 0x800000FFu); }), 380);
        QCOMPARE(get(control, QStringLiteral("Color2")).toUInt(), 0u);
    }

    void fadeGoesOntoAHostsPictureBox() {
        TestHost host;
        QWidget* control = host.place();
        platform::PictureBox box;
        box.resize(200, 30);
        box.setAutoRedraw(true);
        box.setBackColor(white);
        QFont crisp = box.font();
        crisp.setStyleStrategy(QFont::NoAntialias);
        box.setFont(crisp);
        platform::callMethod(control, QStringLiteral("FadeTxT"), static_cast<QObject*>(&box), 30.0f,
                             30.0f, QStringLiteral("HH"));
        QCOMPARE(coloursLeftToRight(box.image(), whitePixel), pixelsOf({0x000000, 0xFF0000}));
    }
};

QTEST_MAIN(VelmiraPaintTest)
#include "velmira_paint_test.moc"
