#pragma once
// "Default Setting": after asking, puts the stop method, the line sliders,
// the random options and Auto-Redraw back to their defaults. The colours,
// the MoreX divisors, the object name and the style library stay as they are.

#include <array>

class QCheckBox;
class QRadioButton;
class QSlider;

namespace platform {
class MessageBoxService;
}

namespace designer {

class EditorHandlers;

struct DefaultSettingControls {
    platform::MessageBoxService& messageBoxes;
    EditorHandlers& editor; // the stop-method click and the preview's height
    QRadioButton* OptStop0;
    QSlider* SliderStart;
    QSlider* SliderStop;
    QSlider* SliderBand;
    QSlider* SliderModLine;
    QCheckBox* Check1;
    QCheckBox* CheckN;
    QCheckBox* CheckWXT;
    QCheckBox* CheckRXT;
    QCheckBox* CheckGXT;
    QCheckBox* CheckBXT;
    QCheckBox* Check3;
};

class DefaultSettingHandlers {
public:
    explicit DefaultSettingHandlers(const DefaultSettingControls& controls);

    void Command2_Click();

private:
    DefaultSettingControls c_;
};

} // namespace designer
