// What a careful user notices: the pointer after "Random", the style name's
// selection when Tab leaves the name field, and the "Random" frame from the
// keyboard.

#include "widgets/clickframe.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

designer::FrmDegColor& startActive(WindowFixture& f) {
    designer::FrmDegColor& w = f.start();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("window not active");
    return w;
}

// The pointer shown over a widget: its own, or the nearest parent's.
Qt::CursorShape shownPointer(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->testAttribute(Qt::WA_SetCursor))
            return w->cursor().shape();
    return Qt::ArrowCursor;
}

QStringList listed(designer::StyleCombo* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i));
    return names;
}

} // namespace

class CarefulUserTest : public QObject {
    Q_OBJECT

private slots:
    void randomShowsTheHourglassOnItsWindowAndGivesThePointerBack();
    void tabToPlusKeepsTheOneSelectedCharacterRule();
    void theRandomFrameRunsFromTheKeyboardWhileRandomIsOff();
};

void CarefulUserTest::randomShowsTheHourglassOnItsWindowAndGivesThePointerBack() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = f.start();
    f.random.script({0.2, 0.4, 0.6, 0.8});
    QLineEdit* objName = f.edit("txtObjName");
    QWidget* preview = f.child<QWidget>("Picture2");

    // What the pointer is over the window, a text field and the preview
    // while the sliders move.
    QList<Qt::CursorShape> during;
    bool programWide = false;
    QObject::connect(f.slider("SliderR"), &QSlider::valueChanged, &w, [&] {
        during = {shownPointer(&w), shownPointer(objName), shownPointer(preview)};
        programWide = QGuiApplication::overrideCursor() != nullptr;
    });
    clickCentre(f.label("Command3"));
    QCOMPARE(during, QList<Qt::CursorShape>({Qt::WaitCursor, Qt::IBeamCursor, Qt::WaitCursor}));
    QVERIFY(!programWide);

    // Afterwards: nothing is left over, for this window or any other.
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(shownPointer(preview), Qt::ArrowCursor);
    QCOMPARE(shownPointer(objName), Qt::IBeamCursor);

    // A window with a pointer of its own gets that one back.
    w.setCursor(Qt::CrossCursor);
    clickCentre(f.label("Command3"));
    QCOMPARE(during.first(), Qt::WaitCursor);
    QCOMPARE(shownPointer(preview), Qt::CrossCursor);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void CarefulUserTest::tabToPlusKeepsTheOneSelectedCharacterRule() {
    WindowFixture f;
    startActive(f);
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    QLineEdit* field = list->editField();
    field->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    for (const QChar c : QStringLiteral("Dawn"))
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("n"));

    // Tab past the list to "+", and Space.
    auto* plus = f.child<QToolButton>("cmdPlus");
    for (int tabs = 0; tabs < 4 && QApplication::focusWidget() != plus; ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), plus);
    QCOMPARE(field->selectedText(), QStringLiteral("n"));
    QTest::keyClick(plus, Qt::Key_Space);

    QCOMPARE(listed(list), QStringList({"Dawn-"}));
    QCOMPARE(field->text(), QStringLiteral("Dawn-"));
}

void CarefulUserTest::theRandomFrameRunsFromTheKeyboardWhileRandomIsOff() {
    WindowFixture f;
    f.writeProfile(sunsetSection());
    designer::FrmDegColor& w = startActive(f);
    designer::HostedControls& hosted = w.hosted();
    auto* frame = f.child<platform::ClickFrame>("asxToolbar4");
    f.random.script({0.1});

    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        // Automatic preview off: "Random" is off, its frame still runs it.
        QCheckBox* automatic = f.check("Check2");
        if (automatic->isChecked())
            clickCentre(automatic);
        QVERIFY(!hosted.isEnabled(QStringLiteral("Command3")));
        const int drawsBefore = f.random.draws();
        frame->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(frame->hasFocus());
        QTest::keyClick(frame, key);
        QCOMPARE(f.random.draws(), drawsBefore + 4);
        QCOMPARE(f.slider("SliderR")->value(), 25);
        // As after a click on the frame: "Random" is on again.
        QVERIFY(hosted.isEnabled(QStringLiteral("Command3")));
        f.slider("SliderR")->setValue(0);
        clickCentre(automatic);
    }
}

QTEST_MAIN(CarefulUserTest)
#include "carefuluser_test.moc"
