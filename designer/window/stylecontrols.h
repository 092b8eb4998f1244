#pragma once
// The editor controls that a style is saved from and loaded into: a slider
// for each number of the style, the stop-method pair and the target-object
// name.

#include "logic/stylerecord.h"

#include <array>

class QLineEdit;
class QRadioButton;
class QSlider;

namespace designer {

struct StyleEditorControls {
    QSlider* SliderR;
    QSlider* SliderG;
    QSlider* SliderB;
    QSlider* SliderN;
    QSlider* SliderStart;
    QSlider* SliderStop;
    QSlider* SliderBand;
    QSlider* SliderModLine;
    QSlider* SliderMR;
    QSlider* SliderMG;
    QSlider* SliderMB;
    std::array<QRadioButton*, 2> OptStop;
    QLineEdit* txtObjName;

    // The slider that holds the value of a key in integer form.
    QSlider* slider(StyleKey key) const;

    // The editor's values as a save stores them.
    StyleRecord record() const;
};

} // namespace designer
