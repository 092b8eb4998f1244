// The style list as a user meets it: the highlighted item is the style the
// name field names; once the field names something else, choosing that item
// again loads it.

#include "window/stylecombo.h"
#include "window/tests/useractions.h"
#include "window/tests/windowfixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using designer::test::chooseListRow;
using designer::test::sunsetSection;
using designer::test::WindowFixture;

class StyleComboTest : public QObject {
    Q_OBJECT

private slots:
    void anotherNameLeavesNoItemCurrent();
    void theHighlightedStyleLoadsAfterARandomGradient();
    void gainingTheFocusChoosesNothing();
};

void StyleComboTest::anotherNameLeavesNoItemCurrent() {
    designer::StyleCombo combo;
    combo.resize(200, 150);
    for (const char* name : {"Sunset", "Marine"})
        combo.addItem(QString::fromLatin1(name));
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy clicks(&combo, &designer::StyleCombo::clicked);

    chooseListRow(&combo, 1);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(combo.text(), QStringLiteral("Marine"));
    // The same item again, its name still in the field: nothing new.
    chooseListRow(&combo, 1);
    QCOMPARE(clicks.size(), 1);

    designer::test::typeInto(combo.editField(), QStringLiteral("Marine 2"));
    QCOMPARE(combo.currentIndex(), -1);
    QVERIFY(combo.list()->selectedItems().isEmpty());
    chooseListRow(&combo, 1);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(combo.text(), QStringLiteral("Marine"));

    // Set from code, too; the item's own name keeps it current.
    combo.setText(QStringLiteral("Marine"));
    QCOMPARE(combo.currentIndex(), 1);
    combo.setText(QString());
    QCOMPARE(combo.currentIndex(), -1);
}

void StyleComboTest::gainingTheFocusChoosesNothing() {
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* combo = new designer::StyleCombo(&window);
    combo->setGeometry(0, 30, 200, 150);
    for (const char* name : {"Sunset", "Marine"})
        combo->addItem(QString::fromLatin1(name));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(combo, &designer::StyleCombo::clicked);

    // Tabbed into, or focused again as the window comes back to the front.
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
        other->setFocus();
        combo->list()->setFocus(reason);
        QVERIFY(combo->list()->hasFocus());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->text(), QString());
    }
    QCOMPARE(clicks.size(), 0);

    // The keyboard still chooses: Down on the list makes an item current.
    QTest::keyClick(combo->list(), Qt::Key_Down);
    QCOMPARE(clicks.size(), 1);
    QVERIFY(!combo->text().isEmpty());
}

void StyleComboTest::theHighlightedStyleLoadsAfterARandomGradient() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    f.random.script({0.5});
    designer::FrmDegColor& w = f.start();
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    designer::test::clickLeftEdge(f.child<QWidget>("asxToolbar4"));
    QCOMPARE(list->text(), QString());
    QVERIFY(f.slider("SliderR")->value() != 255);

    chooseListRow(list, 0);
    QCOMPARE(list->text(), QStringLiteral("Sunset"));
    QCOMPARE(f.slider("SliderR")->value(), 255);
    QCOMPARE(w.currentStyle().G, 128);
}

QTEST_MAIN(StyleComboTest)
#include "stylecombo_test.moc"
