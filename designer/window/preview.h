#pragma once
// The preview and the call statement: RefreshPreview after every editor
// change, the "Preview" button, the statement built from the window's state,
// and the two text boxes that follow the statement (the object name and the
// statement box).

#include "logic/editorstate.h"
#include "logic/savedstatement.h"
#include "module1/gradientstyle.h"

#include <QString>

#include <array>
#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace platform {
class Clock;
class PictureBox;
} // namespace platform

namespace designer {

class HostedControls;

// What the preview and the statement read and write.
struct PreviewParts {
    platform::PictureBox& Picture2;
    QCheckBox& Check2; // automatic preview
    QLineEdit& txtObjName;
    QLineEdit& txtFunction;
    // SliderMR, SliderMG, SliderMB: the statement takes the divisors from
    // the sliders.
    std::array<QSlider*, 3> moreX;
    // OptStop(0) and OptStop(1).
    std::array<QRadioButton*, 2> OptStop;
    module1::GradientStyle& style;
    platform::Clock& clock;
    HostedControls& hosted; // lblCalcultime
};

class PreviewHandlers {
public:
    explicit PreviewHandlers(PreviewParts parts);

    // Clears the preview; while automatic preview is on, paints the current
    // style, shows the drawing time and writes the statement.
    void RefreshPreview();
    // "Preview": paints over what is there without divisors, then writes the
    // statement and the time.
    void Command5_Click();
    // The preview box shows its persistent image again.
    void repaintPreview();

    // The statement for the window's current state; nothing when no stop
    // method is selected.
    std::optional<QString> buildStatement() const;
    // What that statement paints: the values of saved and copied pictures.
    std::optional<StatementValues> statementValues() const;

    void txtObjName_Change();
    void txtFunction_Change();

private:
    EditorState editorState() const;
    void showTime(double seconds);

    PreviewParts p_;
};

} // namespace designer
