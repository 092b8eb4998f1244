// One user's way through the designer, end to end, as they would go: start
// on the starter library, load a style, drag red into its XT range (and
// take the drag back with Ctrl+Z and again with Ctrl+Shift+Z), save
// the result under a new name, copy the statement and the procedure, look
// at it full screen, make it the wallpaper, delete it again and exit. The
// library is then byte for byte what it was at the start.

#include "logic/userfiles.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "window/codeexport.h"
#include "window/frmpreview.h"
#include "window/hostedcontrols.h"
#include "window/stylecombo.h"
#include "window/tests/useractions.h"
#include "window/tests/windowchecks.h"
#include "window/tests/windowfixture.h"
#include "window/wallpaper.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

using namespace designer::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The procedure source as it ships beside the program.
QString shippedProcedurePath() {
    return QApplication::applicationDirPath() + QStringLiteral("/Function Ombrelo.fnc");
}

} // namespace

class JourneyTest : public QObject {
    Q_OBJECT

private slots:
    void aStyleMadeSavedExportedAndDeletedAgain();
};

void JourneyTest::aStyleMadeSavedExportedAndDeletedAgain() {
    // A first start: the user has no library yet and gets the starter one.
    WindowFixture f(true);
    const QString starter = designer::findStarterStyles({QStringLiteral(OMBRELO_STARTER_FOLDER)});
    QCOMPARE(designer::seedStarterStyles(starter, f.profilePath()), designer::SeedOutcome::Seeded);
    const QByteArray startingBytes = readAll(f.profilePath());
    QCOMPARE(startingBytes, readAll(starter));
    f.writeProcedureSource(readAll(shippedProcedurePath()));
    f.clock.setStepPerRead(0.25);
    designer::FrmDegColor& w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    WindowChecks checks(f, 0.25);
    auto* list = f.child<designer::StyleCombo>("lstStyle");
    const int styles = list->count();
    QVERIFY(styles >= 2);
    QCOMPARE(f.label("lblNbStyle")->text(), QString::number(styles));

    // Load the second style.
    chooseListRow(list, 1);
    const QString loaded = list->item(1);
    QCOMPARE(list->text(), loaded);
    QCOMPARE(checks.editorShowsStoredStyle(), QStringList());
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // Red into its XT range.
    QSlider* red = f.slider("SliderR");
    auto* picture = f.child<platform::PictureBox>("Picture2");
    const int loadedRed = red->value();
    const QString loadedStatement = f.edit("txtFunction")->text();
    const QImage loadedPixels = picture->image();
    dragSlider(red, 384);
    QVERIFY2(red->value() >= 256 && red->value() <= 512, qPrintable(QString::number(red->value())));
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R-XT"));
    QCOMPARE(w.currentStyle().R, red->value());
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // Taken back and done again.
    const int draggedRed = red->value();
    const QImage draggedPixels = picture->image();
    QTest::keyClick(red, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(red->value(), loadedRed);
    QCOMPARE(f.edit("txtFunction")->text(), loadedStatement);
    QCOMPARE(picture->image(), loadedPixels);
    QCOMPARE(checks.afterEveryAction(), QStringList());
    QTest::keyClick(red, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(red->value(), draggedRed);
    QCOMPARE(picture->image(), draggedPixels);
    QCOMPARE(f.label("Label1")->text(), QStringLiteral("R-XT"));
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // Saved under a new name: listed, counted, stored whole.
    const QString name = QStringLiteral("%1 XT").arg(loaded);
    typeInto(list->editField(), name);
    clickCentre(f.child<QWidget>("cmdPlus"));
    QCOMPARE(list->text(), name);
    QCOMPARE(list->count(), styles + 1);
    QCOMPARE(list->item(styles), name);
    QCOMPARE(checks.storedStyleIsEditor(name), QStringList());
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // The statement on the clipboard, with the style's name as a comment.
    const QString statement = f.edit("txtFunction")->text();
    QVERIFY(statement.startsWith(
        QStringLiteral("Ombrelo %1, %2, ").arg(f.edit("txtObjName")->text()).arg(red->value())));
    clickCaption(w, QStringLiteral("cmdCopy"));
    QCOMPARE(f.clipboard.text(), statement + QStringLiteral(" '") + name);

    // The procedure exactly as the side file holds it.
    clickCaption(w, QStringLiteral("Command4"));
    QCOMPARE(f.clipboard.text(), QString::fromUtf8(readAll(shippedProcedurePath())));

    // Full screen, the panel slid away, closed with Enter.
    clickCaption(w, QStringLiteral("Velmira13"));
    designer::FrmPreview* preview = openFullScreen();
    QVERIFY(preview);
    QVERIFY(QTest::qWaitForWindowActive(preview));
    QCOMPARE(preview->lblCalcultime->text(), QStringLiteral("00.25 secs."));
    QVERIFY(slidePanelAway(preview));
    QCOMPARE(preview->panelLeft(), -3180.0);
    QTest::keyClick(preview->focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!openFullScreen());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // The wallpaper: the desktop is handed the bitmap of the screen's size,
    // starting with the style's first band.
    clickCaption(w, QStringLiteral("Velmira12"));
    QCOMPARE(f.wallpaper.paths.size(), 1);
    const QImage bitmap(f.wallpaper.paths.first(), "BMP");
    QCOMPARE(bitmap.size(), designer::screenGeometryOf(w).devicePixels());
    module1::GradientStyle fromTop = w.currentStyle();
    fromTop.Start = 0;
    const QImage top = engineRendering(*f.child<platform::PictureBox>("Picture2"), fromTop);
    QCOMPARE(bitmap.pixel(0, 0), top.pixel(0, 0));
    QCOMPARE(checks.afterEveryAction(), QStringList());

    // Deleted again after saying Yes; the first style is loaded.
    QCOMPARE(list->text(), name);
    f.boxes.queueAnswer(platform::msgbox::Yes);
    clickCentre(f.child<QWidget>("cmdmoins"));
    QCOMPARE(f.boxes.pendingAnswers(), 0);
    QCOMPARE(list->count(), styles);
    QCOMPARE(list->text(), list->item(0));
    QCOMPARE(checks.editorShowsStoredStyle(), QStringList());
    QCOMPARE(checks.afterEveryAction(), QStringList());

    clickCaption(w, QStringLiteral("Velmira14"));
    QCOMPARE(f.exits, 1);
    QCOMPARE(readAll(f.profilePath()), startingBytes);
}

QTEST_MAIN(JourneyTest)
#include "journey_test.moc"
