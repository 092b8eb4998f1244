#pragma once
// Undo and redo of the editor. Every gesture of the user that ends in
// another state of the editor is one step: a slider drag (press to
// release), a burst of keys on one slider (until a pause or another
// gesture), a click of "Random", " Random", a style in the list, "Default
// Setting" answered Yes, a check box, a stop-method option, one editing of
// the object name or the style-name field. Ctrl+Z undoes a step, Ctrl+Shift+Z
// and Ctrl+Y redo it, except in a text field, which keeps its own undo.
// A restore sets the controls as a style load does, so that their handlers
// bring the preview, the statement and the labels back.

#include "logic/editorstate.h"
#include "logic/undohistory.h"
#include "window/stylecontrols.h"

#include <QObject>

#include <array>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QSlider;
class QTimer;
class QWidget;

namespace designer {

class PreviewRefresh;
class PreviewMenu;
class StyleCombo;

struct EditorUndoControls {
    StyleEditorControls editor;                      // the rows, OptStop(0..1), txtObjName
    StyleCombo* lstStyle;                            // its name field
    std::array<QCheckBox*, editorCheckCount> checks; // in EditorCheck order
    QLineEdit* txtStop;
    QLineEdit* txtFunction;  // the statement
    EditorState& state;      // what a step keeps; Stop, when no stop method is chosen
    PreviewRefresh& preview; // redraws after Stop is put back
    QWidget& window;         // where the keys work
    int burstPauseMs = 1000; // the pause that ends a burst of keys
};

class EditorUndo : public QObject {
    Q_OBJECT
public:
    explicit EditorUndo(EditorUndoControls controls);
    ~EditorUndo() override;

    // Watches the controls for the ends of gestures; adds the keys.
    void connectControls();
    // "Undo" and "Redo" at the end of the preview's context menu.
    void addMenuItems(PreviewMenu& menu);
    // Forgets every step: the editor as it is now is where undo stops.
    void reset();

    // Ends the gesture under way: one step when the editor changed.
    void gestureEnded();
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    const UndoHistory& history() const { return history_; }

    // The editor now: its state and the controls the state does not keep.
    EditorSnapshot snapshot() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restore(const EditorSnapshot& state);
    void restoreStopMethod(StopMethod method);
    void deselect(int option);
    void settleStop(const EditorSnapshot& state);
    QSlider* stopSlider() const;
    void sliderAction(QWidget* slider);
    bool textFieldHasFocus() const;

    EditorUndoControls c_;
    UndoHistory history_;
    QTimer* burst_;
    QWidget* burstSlider_ = nullptr;
    bool restoring_ = false;
};

} // namespace designer
