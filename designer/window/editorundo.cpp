#include "window/editorundo.h"

#include "logic/styleload.h"
#include "window/preview.h"
#include "window/previewmenu.h"
#include "window/sliderrow.h"
#include "window/stylecombo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSlider>
#include <QTimer>

namespace designer {

namespace {

QList<QKeySequence> undoKeys() {
    return QKeySequence::keyBindings(QKeySequence::Undo);
}

QList<QKeySequence> redoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY))
        keys.append(ctrlY);
    return keys;
}

// Whether the window writes the statement for the state (else the box keeps
// what it showed).
bool writesStatement(const EditorSnapshot& state) {
    return state.stopMethod != StopMethod::None && state.check(EditorCheck::Automatic) != 0;
}

bool isTextField(const QObject* object) {
    const auto* edit = qobject_cast<const QLineEdit*>(object);
    return edit && !edit->isReadOnly() && edit->isEnabled();
}

} // namespace

EditorUndo::EditorUndo(EditorUndoControls controls)
    : c_(controls)
    , burst_(new QTimer(this)) {
    burst_->setSingleShot(true);
    burst_->setInterval(c_.burstPauseMs);
    connect(burst_, &QTimer::timeout, this, [this] { gestureEnded(); });
}

EditorUndo::~EditorUndo() {
    qApp->removeEventFilter(this);
}

void EditorUndo::connectControls() {
    for (const SliderRow& row : c_.editor.rows) {
        QSlider* slider = row.slider;
        connect(slider, &QAbstractSlider::actionTriggered, this,
                [this, slider] { sliderAction(slider); });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this] { gestureEnded(); });
    }
    const auto endsGesture = [this](QAbstractButton* button) {
        connect(button, &QAbstractButton::clicked, this, [this] { gestureEnded(); });
    };
    for (QCheckBox* box : c_.checks)
        endsGesture(box);
    for (QRadioButton* option : c_.editor.OptStop)
        endsGesture(option);
    // The style list loads its choice before this runs.
    connect(c_.lstStyle, &StyleCombo::clicked, this, [this] { gestureEnded(); });
    for (QLineEdit* field : {c_.editor.txtObjName, c_.lstStyle->editField()})
        connect(field, &QLineEdit::editingFinished, this, [this] { gestureEnded(); });
    qApp->installEventFilter(this);

    // A text field with the focus keeps Ctrl+Z and Ctrl+Shift+Z for its own
    // undo; Ctrl+Y, which it does not take, does nothing there.
    auto* undoShortcut = new QShortcut(&c_.window);
    undoShortcut->setKeys(undoKeys());
    undoShortcut->setContext(Qt::WindowShortcut);
    connect(undoShortcut, &QShortcut::activated, this, [this] {
        if (!textFieldHasFocus())
            undo();
    });
    auto* redoShortcut = new QShortcut(&c_.window);
    redoShortcut->setKeys(redoKeys());
    redoShortcut->setContext(Qt::WindowShortcut);
    connect(redoShortcut, &QShortcut::activated, this, [this] {
        if (!textFieldHasFocus())
            redo();
    });
}

void EditorUndo::addMenuItems(PreviewMenu& menu) {
    menu.addSeparator();
    const auto showKeys = [](QAction* action, const QList<QKeySequence>& keys) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
    };
    showKeys(menu.addItem(
                 QStringLiteral("Undo"), [this] { undo(); }, [this] { return canUndo(); }),
             undoKeys());
    showKeys(menu.addItem(
                 QStringLiteral("Redo"), [this] { redo(); }, [this] { return canRedo(); }),
             redoKeys());
}

void EditorUndo::reset() {
    burst_->stop();
    burstSlider_ = nullptr;
    history_.reset(snapshot());
}

void EditorUndo::gestureEnded() {
    if (restoring_)
        return;
    burst_->stop();
    burstSlider_ = nullptr;
    history_.record(snapshot());
}

bool EditorUndo::canUndo() const {
    return history_.canUndo() || !snapshot().sameEditor(history_.settled());
}

bool EditorUndo::canRedo() const {
    return history_.canRedo() && snapshot().sameEditor(history_.settled());
}

void EditorUndo::undo() {
    if (restoring_)
        return;
    gestureEnded();
    if (const auto state = history_.undo())
        restore(*state);
}

void EditorUndo::redo() {
    if (restoring_)
        return;
    gestureEnded();
    if (const auto state = history_.redo())
        restore(*state);
}

EditorSnapshot EditorUndo::snapshot() const {
    EditorSnapshot s;
    s.sliders = c_.state.sliders;
    s.stopMethod = c_.state.stopMethod;
    s.objName = c_.state.objName;
    s.styleName = c_.lstStyle->text();
    for (std::size_t i = 0; i < editorCheckCount; ++i)
        s.checks[i] = static_cast<std::uint8_t>(c_.checks[i]->checkState());
    s.drawnStop = c_.state.drawing.Stop;
    s.stopSliderEnabled = !stopSlider()->testAttribute(Qt::WA_ForceDisabled);
    s.stopBox = c_.txtStop->text();
    if (!writesStatement(s))
        s.statementBox = c_.txtFunction->text();
    return s;
}

// Sets the controls that differ, in the order a style load sets them; each
// control's handler brings its part of the window up to date.
void EditorUndo::restore(const EditorSnapshot& state) {
    const QScopedValueRollback quiet(restoring_, true);
    const auto automatic = static_cast<std::size_t>(EditorCheck::Automatic);
    for (std::size_t i = 0; i < editorCheckCount; ++i)
        if (i != automatic)
            c_.checks[i]->setCheckState(static_cast<Qt::CheckState>(state.checks[i]));
    for (const StyleKey key : styleKeysInApplyOrder) {
        if (key == StyleKey::OptValue0)
            restoreStopMethod(state.stopMethod);
        else if (key == StyleKey::ObjName && c_.editor.txtObjName->text() != state.objName)
            c_.editor.txtObjName->setText(state.objName);
        else if (QSlider* slider = c_.editor.rows.slider(key))
            slider->setValue(static_cast<int>(state.slider(key)));
    }
    settleStop(state);
    // A name other than the current item's leaves no item current, so that
    // choosing any style in the list loads it.
    if (c_.lstStyle->text() != state.styleName)
        c_.lstStyle->setText(state.styleName);
    // Last: turned off, it clears what the others drew.
    c_.checks[automatic]->setCheckState(static_cast<Qt::CheckState>(state.checks[automatic]));
    if (c_.txtStop->text() != state.stopBox)
        c_.txtStop->setText(state.stopBox);
    if (!writesStatement(state) && c_.txtFunction->text() != state.statementBox)
        c_.txtFunction->setText(state.statementBox);
    history_.settle(snapshot());
}

// As a load does: OptStop(0) first, then OptStop(1), each selected or
// deselected; selecting one runs its click.
void EditorUndo::restoreStopMethod(StopMethod method) {
    if (method == StopMethod::TargetHeight)
        c_.editor.OptStop[0]->setChecked(true);
    else
        deselect(0);
    if (method == StopMethod::Manual)
        c_.editor.OptStop[1]->setChecked(true);
    else
        deselect(1);
}

void EditorUndo::deselect(int option) {
    QRadioButton* button = c_.editor.OptStop[option];
    if (!button->isChecked())
        return;
    // An exclusive pair refuses to have neither selected.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

// With a stop method chosen, the handlers have set Stop and the Stop slider.
// With none, both stay as the last method left them, which the controls do
// not tell: they are put back as they were.
void EditorUndo::settleStop(const EditorSnapshot& state) {
    QSlider* stop = stopSlider();
    const bool enabled = !stop->testAttribute(Qt::WA_ForceDisabled);
    if (enabled != state.stopSliderEnabled)
        stop->setEnabled(state.stopSliderEnabled);
    if (c_.state.drawing.Stop == state.drawnStop)
        return;
    c_.state.drawing.Stop = state.drawnStop;
    c_.preview.RefreshPreview();
    c_.preview.repaintPreview();
}

QSlider* EditorUndo::stopSlider() const {
    return c_.editor.rows[StyleKey::SliderValueStop].slider;
}

void EditorUndo::sliderAction(QWidget* slider) {
    if (restoring_ || static_cast<QSlider*>(slider)->isSliderDown())
        return; // a drag ends when the handle is released
    if (burstSlider_ && burstSlider_ != slider)
        gestureEnded();
    burstSlider_ = slider;
    burst_->start();
}

bool EditorUndo::textFieldHasFocus() const {
    return isTextField(QApplication::focusWidget());
}

// A press of the mouse anywhere in the window, or of a key elsewhere than on
// the slider of a burst or in a text field being typed into, starts another
// gesture: what went before is a step of its own.
bool EditorUndo::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (restoring_ || (type != QEvent::MouseButtonPress && type != QEvent::KeyPress))
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &c_.window)
        return false;
    const bool typing = isTextField(widget) && widget->hasFocus();
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool leaves = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!leaves && (widget == burstSlider_ || typing))
            return false;
    } else if (typing) {
        return false; // placing the cursor in the field being edited
    }
    gestureEnded();
    return false;
}

} // namespace designer
