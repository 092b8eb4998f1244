#pragma once
// The editor controls that a style load and an undo set: a slider row for
// each number of the style, the stop-method pair and the target-object name.
// Setting them runs their handlers, which bring the editor state along.

#include <array>

class QLineEdit;
class QRadioButton;

namespace designer {

class SliderRows;

struct StyleEditorControls {
    const SliderRows& rows;
    std::array<QRadioButton*, 2> OptStop; // OptStop(0), OptStop(1)
    QLineEdit* txtObjName;
};

} // namespace designer
