// The export corner driven as a user drives it: the object name typed and
// left, the copy buttons clicked, the statement box and source view reached
// with the mouse and the keyboard; the recording clipboard and the scripted
// message boxes are read back.

#include "services/messagebox.h"
#include "services/tests/scripted.h"
#include "window/codeexport.h"
#include "window/stylecombo.h"
#include "window/tests/windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using designer::test::sunsetSection;
using designer::test::WindowFixture;

namespace {

void clickCentre(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// A frame is clicked on its border, beside the caption it holds.
void clickLeftEdge(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, widget->height() / 2));
}

// The window with Sunset loaded, the start-up message about the missing
// controls answered and forgotten, and the clipboard holding older text.
void startWithSunset(WindowFixture& f) {
    f.writeProfile(sunsetSection());
    f.writeProcedureSource("' Ombrelo\r\nPublic Sub Ombrelo()\r\nEnd Sub\r\n");
    f.start();
    (void)QTest::qWaitFor([&] { return !f.boxes.shown().isEmpty(); });
    f.boxes.clearShown();
    f.clipboard.setText(QStringLiteral("older text"));
}

void emptyByKeyboard(QLineEdit* field) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

void verifySyntaxError(const platform::ScriptedMessageBoxes::Shown& shown) {
    QCOMPARE(shown.prompt, QStringLiteral("Please insert the name of your object to which you "
                                          "want to allot this function to him. \r\n\r\n"
                                          "Ex: MyControl or Form.MyControl"));
    QCOMPARE(shown.style, 16);
    QCOMPARE(shown.title, QStringLiteral("Syntax Error"));
}

// The next widget that Tab (forward) or Shift+Tab reaches from widget,
// passing over the ones given.
QWidget* tabStop(QWidget* widget, bool forward, const QList<QWidget*>& passed = {}) {
    QWidget* w = widget;
    do
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    while (w != widget && (passed.contains(w) || !(w->isEnabled() && w->isVisible() &&
                                                   (w->focusPolicy() & Qt::TabFocus) &&
                                                   w->window() == widget->window())));
    return w;
}

// Real modal boxes, counted, each closed by OK shortly after it appears.
class ClosedRealBoxes final : public platform::MessageBoxService {
public:
    int show(const QString& prompt, int style, const QString& title) override {
        ++shown;
        QTimer::singleShot(50, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        return real_.show(prompt, style, title);
    }
    int shown = 0;

private:
    platform::QtMessageBoxService real_;
};

} // namespace

class CodeExportTest : public QObject {
    Q_OBJECT

private slots:
    void emptyNameCopiesNothingAndAsksForIt();
    void copyPutsTheStatementAndTheStyleNameOnOneLine();
    void typingTheNameRewritesTheStatementAtEachKeystroke();
    void leavingTheEmptyNameAsksOncePerLeaving();
    void theBoxTakingTheFocusAsksNothingMore();
    void sourceCopyReplacesTheClipboardExactly();
    void readOnlyBoxesPassTheFocusOnAndComeBack();
    void keyboardMovesPastTheReadOnlyBoxesBothWays();
};

void CodeExportTest::emptyNameCopiesNothingAndAsksForIt() {
    WindowFixture f;
    startWithSunset(f);
    auto* name = f.edit("txtObjName");
    name->clear();
    f.slider("SliderR")->setFocus();
    QTest::qWait(10);

    // The caption and its frame run the same copy.
    for (const bool onFrame : {false, true}) {
        f.boxes.clearShown();
        if (onFrame)
            clickLeftEdge(f.child<QWidget>("button"));
        else
            clickCentre(f.child<QWidget>("cmdCopy"));
        QCOMPARE(f.boxes.shown().size(), 1);
        verifySyntaxError(f.boxes.shown().first());
        QTRY_VERIFY(name->hasFocus());
        QVERIFY(name->text().isEmpty());
        QCOMPARE(f.clipboard.text(), QStringLiteral("older text"));
        QCOMPARE(f.clipboard.clears(), 0);
        f.slider("SliderR")->setFocus();
    }
}

void CodeExportTest::copyPutsTheStatementAndTheStyleNameOnOneLine() {
    WindowFixture f;
    startWithSunset(f);
    const QString statement = f.edit("txtFunction")->text();
    QCOMPARE(statement,
             QStringLiteral("Ombrelo Picture1, 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3"));

    clickCentre(f.child<QWidget>("cmdCopy"));
    QCOMPARE(f.clipboard.text(), statement + QStringLiteral(" 'Sunset"));
    QCOMPARE(f.clipboard.clears(), 1);
    QVERIFY(f.boxes.shown().isEmpty());

    // A typed style name goes as it stands; an empty one leaves the comment
    // mark alone at the end. The name itself is never judged.
    auto* styleName = f.child<designer::StyleCombo>("lstStyle")->editField();
    styleName->setText(QStringLiteral("not saved yet"));
    clickLeftEdge(f.child<QWidget>("button"));
    QCOMPARE(f.clipboard.text(), statement + QStringLiteral(" 'not saved yet"));
    styleName->clear();
    f.edit("txtObjName")->setText(QStringLiteral("[OBJECT]"));
    clickCentre(f.child<QWidget>("cmdCopy"));
    QCOMPARE(f.clipboard.text(),
             QStringLiteral("Ombrelo [OBJECT], 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3 '"));
    QCOMPARE(f.clipboard.clears(), 3);
    QVERIFY(f.boxes.shown().isEmpty());
}

void CodeExportTest::typingTheNameRewritesTheStatementAtEachKeystroke() {
    WindowFixture f;
    startWithSunset(f);
    auto* name = f.edit("txtObjName");
    auto* statement = f.edit("txtFunction");
    emptyByKeyboard(name);
    const QString rest = QStringLiteral(", 255, 128, 0, 236, 50, 0, 1500, 2, True, 1, 2, 3");
    QCOMPARE(statement->text(), QStringLiteral("Ombrelo ") + rest);

    QString typed;
    for (const QChar c : QStringLiteral("Me.Pic1")) {
        QTest::keyClicks(name, QString(c));
        typed += c;
        QCOMPARE(statement->text(), QStringLiteral("Ombrelo ") + typed + rest);
        QCOMPARE(statement->toolTip(), QStringLiteral("Syntax : ") + statement->text());
    }
    clickCentre(f.child<QWidget>("cmdCopy"));
    QCOMPARE(f.clipboard.text(),
             QStringLiteral("Ombrelo Me.Pic1") + rest + QStringLiteral(" 'Sunset"));
    QVERIFY(f.boxes.shown().isEmpty());
}

void CodeExportTest::leavingTheEmptyNameAsksOncePerLeaving() {
    WindowFixture f;
    startWithSunset(f);
    auto* name = f.edit("txtObjName");
    auto* slider = f.slider("SliderR");

    // Leaving a name that is there asks nothing.
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    slider->setFocus();
    QTest::qWait(20);
    QVERIFY(f.boxes.shown().isEmpty());

    emptyByKeyboard(name);
    slider->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(f.boxes.shown().size(), 1);
    verifySyntaxError(f.boxes.shown().first());
    QTRY_VERIFY(name->hasFocus());
    QVERIFY(name->text().isEmpty());
    QTest::qWait(50);
    QCOMPARE(f.boxes.shown().size(), 1);

    // Each leaving of the still empty field asks again, once, also by Tab.
    QTest::keyClick(name, Qt::Key_Tab);
    QTRY_COMPARE(f.boxes.shown().size(), 2);
    QTRY_VERIFY(name->hasFocus());
    QTest::qWait(50);
    QCOMPARE(f.boxes.shown().size(), 2);

    // Another window taking the focus is no leaving of the field.
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    QTest::qWait(50);
    QCOMPARE(f.boxes.shown().size(), 2);
    QVERIFY(name->text().isEmpty());
}

// The handlers alone on a small form, with real modal boxes: the box
// itself takes the focus from the window, which must not ask again.
void CodeExportTest::theBoxTakingTheFocusAsksNothingMore() {
    QWidget form;
    auto* name = new QLineEdit(&form);
    auto* statement = new QLineEdit(QStringLiteral("Ombrelo x, 1"), &form);
    auto* source = new QTextEdit(&form);
    auto* styleName = new QLineEdit(QStringLiteral("Sunset"), &form);
    auto* layout = new QVBoxLayout(&form);
    for (QWidget* w : std::initializer_list<QWidget*>{name, statement, source, styleName})
        layout->addWidget(w);
    ClosedRealBoxes boxes;
    platform::MemoryClipboard clipboard;
    designer::CodeExportHandlers handlers({name, statement, source, styleName, boxes, clipboard});
    handlers.connectControls();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // The field is the form's focus again once the box has gone; it holds
    // it as soon as the form is the active window again.
    const auto backInTheField = [&] {
        QTRY_COMPARE(form.focusWidget(), name);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(name->hasFocus());
    };
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    styleName->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(boxes.shown, 1);
    backInTheField();
    QTest::qWait(100);
    QCOMPARE(boxes.shown, 1);

    // "Copy" while the empty field holds the focus: one box.
    handlers.cmdCopy_Click();
    QCOMPARE(boxes.shown, 2);
    backInTheField();
    QTest::qWait(100);
    QCOMPARE(boxes.shown, 2);
    QCOMPARE(clipboard.clears(), 0);
}

void CodeExportTest::sourceCopyReplacesTheClipboardExactly() {
    const QByteArray shipped = "' Ombrelo\r\n\r\nPublic Sub Ombrelo()\r\n    Dim H As Integer\r\n"
                               "End Sub\r\n";
    {
        WindowFixture f;
        f.writeProcedureSource(shipped);
        f.start();
        f.clipboard.setText(QStringLiteral("a much longer text that was there before"));
        clickCentre(f.child<QWidget>("Command4"));
        QCOMPARE(f.clipboard.text(), QString::fromLatin1(shipped));
        QCOMPARE(f.clipboard.clears(), 1);
        // The frame around the button does nothing.
        clickLeftEdge(f.child<QWidget>("asxToolbar13"));
        QCOMPARE(f.clipboard.clears(), 1);
    }
    {
        // No side file: an empty source view gives an empty text.
        WindowFixture f;
        f.start();
        f.clipboard.setText(QStringLiteral("older text"));
        f.window().Command4_Click();
        QCOMPARE(f.clipboard.text(), QString());
        QCOMPARE(f.clipboard.clears(), 1);
    }
}

void CodeExportTest::readOnlyBoxesPassTheFocusOnAndComeBack() {
    WindowFixture f;
    startWithSunset(f);
    // The source view is a Tab stop of its own (read with the keyboard, never
    // typed into; see the window's test).
    for (const char* name : {"txtFunction"}) {
        auto* box = f.child<QWidget>(name);
        f.slider("SliderR")->setFocus();
        QTRY_VERIFY(f.slider("SliderR")->hasFocus());
        clickCentre(box);
        QVERIFY2(!box->isEnabled(), name);
        QVERIFY2(!box->hasFocus(), name);
        QTRY_VERIFY2(box->isEnabled(), name);
        QVERIFY2(QApplication::focusWidget() != box, name);
        QVERIFY(f.boxes.shown().isEmpty());
    }
    // The text never changes by the user: it leaves through the buttons.
    QCOMPARE(f.child<QTextEdit>("Text2")->toPlainText(),
             QStringLiteral("' Ombrelo\nPublic Sub Ombrelo()\nEnd Sub\n"));
}

void CodeExportTest::keyboardMovesPastTheReadOnlyBoxesBothWays() {
    WindowFixture f;
    startWithSunset(f);
    auto* statement = f.edit("txtFunction");
    auto* source = f.child<QTextEdit>("Text2");
    const QList<QWidget*> readOnly{statement};
    QWidget* before = tabStop(statement, false);
    QWidget* after = tabStop(before, true, readOnly);
    QCOMPARE(tabStop(before, true), statement);
    QCOMPARE(tabStop(after, false, readOnly), before);

    before->setFocus();
    QTRY_VERIFY(before->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(statement->isEnabled() && source->isEnabled());
    QCOMPARE(QApplication::focusWidget(), after);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_VERIFY(statement->isEnabled() && source->isEnabled());
    QCOMPARE(QApplication::focusWidget(), before);
}

QTEST_MAIN(CodeExportTest)
#include "codeexport_test.moc"
