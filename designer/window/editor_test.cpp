// The editor as a user meets it: its state follows every control, whatever
// moves it; and with the stop method "the target's height", the preview
// paints down to its own height whatever the disabled Stop slider holds, also
// after a style has set that slider.

#include "logic/editorstate.h"
#include "logic/stopheight.h"
#include "picturebox/picturebox.h"
#include "window/editorundo.h"
#include "window/stylecombo.h"
#include "window/tests/useractions.h"
#include "window/tests/windowchecks.h"
#include "window/tests/windowfixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using designer::test::engineRendering;
using designer::test::styleSection;
using designer::test::WindowFixture;

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void stateFollowsTheControls();
    void heightMethodKeepsThePreviewHeightWhenAStyleSetsTheSlider();
};

namespace {

// The state holds what the controls show, and the statement shown is the
// state's.
void checkStateMatches(WindowFixture& f) {
    const QStringList problems = designer::test::editorStateProblems(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    if (const auto statement = designer::buildStatement(f.window().editorState()))
        QCOMPARE(f.edit("txtFunction")->text(), *statement);
}

} // namespace

void EditorTest::stateFollowsTheControls() {
    WindowFixture f;
    f.writeProfile(styleSection(QStringLiteral("Loaded"), 300, 20, 40, 200, 5, 900, 30, false,
                                QStringLiteral("Me.Picture1"), 3, 4, 0, 7) +
                   "[Neither]\r\nSliderValueR=12\r\nOptValue0=False\r\nOptValue1=False\r\n");
    f.start();
    checkStateMatches(f);
    // Every slider moved by the user, each divisor to its end.
    for (const auto& [key, name] : designer::test::kSliderNames) {
        QSlider* slider = f.slider(name);
        if (!slider->isEnabled())
            continue;
        designer::test::dragSlider(slider, slider->maximum() - 1);
        checkStateMatches(f);
    }
    designer::test::clickLeftEdge(f.child<QRadioButton>("OptStop_1"));
    checkStateMatches(f);
    designer::test::typeInto(f.edit("txtObjName"), QStringLiteral("picBack"));
    checkStateMatches(f);
    // A load, a load that selects neither option, and "Random".
    designer::test::chooseListRow(f.child<designer::StyleCombo>("lstStyle"), 0);
    checkStateMatches(f);
    designer::test::chooseListRow(f.child<designer::StyleCombo>("lstStyle"), 1);
    QCOMPARE(f.window().editorState().stopMethod, designer::StopMethod::None);
    checkStateMatches(f);
    designer::test::clickCaption(f.window(), QStringLiteral("Command3"));
    checkStateMatches(f);
    // Undo puts the controls back, and the state with them.
    for (int i = 0; i < 4; ++i) {
        f.window().undo().undo();
        checkStateMatches(f);
    }
}

void EditorTest::heightMethodKeepsThePreviewHeightWhenAStyleSetsTheSlider() {
    WindowFixture f;
    f.writeProfile(styleSection(QStringLiteral("Tall"), 255, 0, 0, 0, 0, 3000, 50, true,
                                QStringLiteral("Me"), 1, 1, 1, 1) +
                   styleSection(QStringLiteral("Short"), 0, 0, 255, 0, 0, 600, 50, true,
                                QStringLiteral("Me"), 1, 1, 1, 1) +
                   styleSection(QStringLiteral("Manual"), 0, 255, 0, 0, 0, 900, 50, false,
                                QStringLiteral("Me"), 1, 1, 1, 1));
    designer::FrmDegColor& w = f.start();
    auto* preview = f.child<platform::PictureBox>("Picture2");
    const vb::Integer height = *designer::stopFromScaleHeight(preview->scaleHeight());
    QCOMPARE(w.currentStyle().Stop, height);

    // The height method is selected already, so choosing "Short" selects
    // nothing new; its Stop goes to the slider only.
    designer::test::chooseListRow(f.child<designer::StyleCombo>("lstStyle"), 1);
    QCOMPARE(f.slider("SliderStop")->value(), 600);
    QCOMPARE(f.edit("txtStop")->text(), QStringLiteral("600"));
    QVERIFY(!f.slider("SliderStop")->isEnabled());
    QCOMPARE(w.currentStyle().Stop, height);
    QVERIFY(f.edit("txtFunction")->text().contains(QStringLiteral(", Me.ScaleHeight, ")));
    QCOMPARE(preview->image(), engineRendering(*preview, w.currentStyle()));

    // The manual method takes the slider's value, both ways round.
    designer::test::chooseListRow(f.child<designer::StyleCombo>("lstStyle"), 2);
    QVERIFY(f.child<QRadioButton>("OptStop_1")->isChecked());
    QCOMPARE(w.currentStyle().Stop, 900);
    designer::test::clickLeftEdge(f.child<QRadioButton>("OptStop_0"));
    QCOMPARE(w.currentStyle().Stop, height);
    designer::test::clickLeftEdge(f.child<QRadioButton>("OptStop_1"));
    QCOMPARE(w.currentStyle().Stop, 900);
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
