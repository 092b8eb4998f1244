#include "window/tests/soakrun.h"

#include "picturebox/picturebox.h"
#include "window/editorundo.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

// The soak's undo and redo: Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y) as a user
// presses them, and what the window showed before each step, kept while the
// soak runs, to compare with what an undo brings back.

namespace designer::test {

SoakRun::EditorView SoakRun::currentView() const {
    EditorView view;
    view.editor =
        editorState(f_) + u'|' + f_.child<QWidget>("lstStyle")->findChild<QLineEdit*>()->text();
    view.statement = f_.edit("txtFunction")->text();
    view.preview = f_.child<platform::PictureBox>("Picture2")->image();
    view.automatic = f_.check("Check2")->isChecked();
    return view;
}

void SoakRun::accountSteps() {
    EditorUndo& undo = f_.window().undo();
    undo.gestureEnded();
    const std::size_t recorded = undo.history().recorded();
    const std::size_t made = recorded - recordedSteps_;
    recordedSteps_ = recorded;
    if (made > 0)
        redoViews_.clear();
    for (std::size_t i = 0; i < made; ++i)
        undoViews_.push_back(made == 1 ? viewBefore_ : std::nullopt);
    const std::size_t kept = undo.history().undoCount();
    if (undoViews_.size() > kept)
        undoViews_.erase(undoViews_.begin(), undoViews_.begin() + static_cast<std::ptrdiff_t>(
                                                                      undoViews_.size() - kept));
    viewBefore_ = currentView();
}

QStringList SoakRun::viewProblems(const std::optional<EditorView>& expected,
                                  const char* what) const {
    if (!expected)
        return {};
    const EditorView now = currentView();
    QStringList problems;
    if (now.editor != expected->editor)
        problems << QStringLiteral("%1 brought the editor %2, not %3")
                        .arg(QLatin1String(what), now.editor, expected->editor);
    if (expected->automatic && now.automatic) {
        if (now.statement != expected->statement)
            problems << QStringLiteral("%1 brought the statement '%2', not '%3'")
                            .arg(QLatin1String(what), now.statement, expected->statement);
        if (now.preview != expected->preview)
            problems << QStringLiteral("%1 brought other pixels").arg(QLatin1String(what));
    }
    return problems;
}

namespace {

// In a text field the keys are the field's own: the user reaches the
// editor's undo through the preview's menu there.
void pressOrChoose(EditorUndo& undo, bool redo, bool ctrlY) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || qobject_cast<QLineEdit*>(focus)) {
        redo ? undo.redo() : undo.undo();
        return;
    }
    if (!redo)
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    else if (ctrlY)
        QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
    else
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

void SoakRun::undoStep(Outcome& o) {
    EditorUndo& undo = f_.window().undo();
    const bool any = undo.history().canUndo();
    const EditorView before = currentView();
    pressOrChoose(undo, false, false);
    o.description = any ? QStringLiteral("undo") : QStringLiteral("undo (nothing)");
    o.writesStatement = true;
    std::optional<EditorView> expected = before; // nothing to undo: nothing changes
    if (any) {
        expected = undoViews_.empty() ? std::nullopt : undoViews_.back();
        if (!undoViews_.empty())
            undoViews_.pop_back();
        redoViews_.push_back(before);
    }
    o.extra = [this, expected] { return viewProblems(expected, "undo"); };
}

void SoakRun::redoStep(Outcome& o) {
    EditorUndo& undo = f_.window().undo();
    const bool any = undo.history().canRedo();
    const EditorView before = currentView();
    const bool ctrlY = chance(0.5);
    pressOrChoose(undo, true, ctrlY);
    o.description = any ? QStringLiteral("redo") : QStringLiteral("redo (nothing)");
    if (ctrlY)
        o.description += QStringLiteral(" (Ctrl+Y)");
    o.writesStatement = true;
    std::optional<EditorView> expected = before; // nothing to redo: nothing changes
    if (any) {
        expected = redoViews_.empty() ? std::nullopt : redoViews_.back();
        if (!redoViews_.empty())
            redoViews_.pop_back();
        undoViews_.push_back(before);
    }
    o.extra = [this, expected] { return viewProblems(expected, "redo"); };
}

} // namespace designer::test
