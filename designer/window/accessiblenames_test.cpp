// What a screen reader is told about the designer's windows: every control
// that takes the keyboard focus (and every lamp and caption frame) has a
// name, read through the same accessibility interfaces that the desktop's
// bridge reads, with the control libraries and with the plain labels that
// stand in for them.

#include "window/frmpreview.h"
#include "window/tests/useractions.h"
#include "window/tests/windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QTest>

using designer::test::WindowFixture;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QString();
}

// The controls a screen reader announces without a name: those that take
// the focus, and the lamps and frames that stand for a state or a button.
QStringList unnamedControls(QWidget* window) {
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    QStringList unnamed;
    for (QWidget* control : controls) {
        const bool announced = control->focusPolicy() != Qt::NoFocus ||
                               control->inherits("platform::Lamp") ||
                               control->inherits("platform::ClickFrame");
        if (!announced || !control->isVisibleTo(window))
            continue;
        if (accessibleText(control, QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QStringLiteral("%1 (%2)").arg(control->objectName(),
                                                         control->metaObject()->className()));
    }
    return unnamed;
}

QString nameOf(WindowFixture& f, const char* control) {
    return accessibleText(f.child<QWidget>(control), QAccessible::Name);
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlOfBothWindowsHasAName_data();
    void everyControlOfBothWindowsHasAName();
    void controlsAreNamedAsTheWindowShowsThem();
    void lampsSayWhetherTheyAreLit();
    void hostedControlsNameThemselvesByTheirText();
};

void AccessibleNamesTest::everyControlOfBothWindowsHasAName_data() {
    QTest::addColumn<bool>("builtControls");
    QTest::newRow("control libraries") << true;
    QTest::newRow("stand-in labels") << false;
}

void AccessibleNamesTest::everyControlOfBothWindowsHasAName() {
    QFETCH(bool, builtControls);
    WindowFixture f(builtControls);
    designer::FrmDegColor& w = f.start();
    const QStringList unnamedMain = unnamedControls(&w);
    QVERIFY2(unnamedMain.isEmpty(), qPrintable(unnamedMain.join(QStringLiteral(", "))));

    auto* frame = f.child<QWidget>("cmdFullScreen");
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    designer::FrmPreview* preview = designer::test::openFullScreen();
    QVERIFY(preview);
    const QStringList unnamedFull = unnamedControls(preview);
    preview->close();
    QVERIFY2(unnamedFull.isEmpty(), qPrintable(unnamedFull.join(QStringLiteral(", "))));
}

void AccessibleNamesTest::controlsAreNamedAsTheWindowShowsThem() {
    WindowFixture f(true);
    f.start();
    const std::pair<const char*, const char*> expected[] = {
        {"SliderR", "Red"},
        {"SliderN", "Level"},
        {"SliderMB", "MoreX Blue"},
        {"SliderBand", "Band Size"},
        {"SliderModLine", "ModLine"},
        {"txtR", "Red value"},
        {"txtModLine", "ModLine value"},
        {"CheckR", "Include Red in Random Color"},
        {"CheckWXT", "Use \"W-XT Color\" for Ramdom"},
        {"Check2", "Automatic preview"},
        {"Check3", "Auto-Redraw"},
        {"Picture2", "Preview"},
        {"lstStyleList", "Styles"},
        {"txtFunction", "Function (Statement)"},
        {"asxToolbar4", "Random"},
        {"asxToolbar13", "Copy Function"},
        {"button", "Copy"},
        {"Command1", "Exit"},
        {"cmdPlus", "Save"},
    };
    for (const auto& [control, name] : expected)
        QCOMPARE(nameOf(f, control), QString::fromUtf8(name));
    // A tool tip stays what describes the control.
    QCOMPARE(accessibleText(f.child<QWidget>("SliderR"), QAccessible::Description),
             QStringLiteral("RGB : Red"));
}

void AccessibleNamesTest::lampsSayWhetherTheyAreLit() {
    WindowFixture f;
    f.start();
    QCOMPARE(nameOf(f, "ShapeMG"), QStringLiteral("Green lamp, off"));
    designer::test::clickCentre(f.check("CheckMG"));
    QCOMPARE(nameOf(f, "ShapeMG"), QStringLiteral("Green lamp, on"));
    designer::test::clickCentre(f.check("CheckMG"));
    QCOMPARE(nameOf(f, "ShapeMG"), QStringLiteral("Green lamp, off"));
}

void AccessibleNamesTest::hostedControlsNameThemselvesByTheirText() {
    WindowFixture f(true);
    designer::FrmDegColor& w = f.start();
    QCOMPARE(nameOf(f, "URLLink1"), QStringLiteral("Brantel Online"));
    QCOMPARE(nameOf(f, "Velmira13"), QStringLiteral("FullScreen Preview"));
    // The time caption is rewritten by every drawing: its name follows.
    f.clock.setStepPerRead(0.75);
    designer::test::dragSlider(f.slider("SliderR"), 40);
    const QString shown =
        w.findChild<QWidget*>(QStringLiteral("lblCalcultime"))->property("Caption").toString();
    QCOMPARE(nameOf(f, "lblCalcultime"), shown.simplified());
}

QTEST_MAIN(AccessibleNamesTest)
#include "accessiblenames_test.moc"
