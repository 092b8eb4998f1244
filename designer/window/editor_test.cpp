// The editor's stop position as a user meets it: with the stop method "the
// target's height", the preview paints down to its own height whatever the
// disabled Stop slider holds, also after a style has set that slider.

#include "logic/stopheight.h"
#include "picturebox/picturebox.h"
#include "window/stylecombo.h"
#include "window/tests/useractions.h"
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
    void heightMethodKeepsThePreviewHeightWhenAStyleSetsTheSlider();
};

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
