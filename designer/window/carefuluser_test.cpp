// What a careful user notices: the pointer after "Random".

#include "window/windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// The pointer shown over a widget: its own, or the nearest parent's.
Qt::CursorShape shownPointer(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->testAttribute(Qt::WA_SetCursor))
            return w->cursor().shape();
    return Qt::ArrowCursor;
}

} // namespace

class CarefulUserTest : public QObject {
    Q_OBJECT

private slots:
    void randomShowsTheHourglassOnItsWindowAndGivesThePointerBack();
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

QTEST_MAIN(CarefulUserTest)
#include "carefuluser_test.moc"
