#pragma once
// "Default Setting": after asking, puts the stop method, the line sliders,
// the random options and Auto-Redraw back to their defaults. The colours,
// the MoreX divisors, the object name and the style library stay as they are.

#include <functional>

class QCheckBox;
class QRadioButton;

namespace platform {
class MessageBoxService;
class PictureBox;
} // namespace platform

namespace designer {

class SliderRows;

struct DefaultSettingControls {
    platform::MessageBoxService& messageBoxes;
    const SliderRows& rows; // Start, Stop, Band, ModLine and the random options
    QRadioButton* OptStop0;
    std::function<void()> OptStop0_Click; // the click of OptStop(0), run once more
    platform::PictureBox& Picture2;       // whose height Stop takes
    QCheckBox* Check3;                    // Auto-Redraw
};

class DefaultSettingHandlers {
public:
    explicit DefaultSettingHandlers(const DefaultSettingControls& controls);

    void Command2_Click();

private:
    DefaultSettingControls c_;
};

} // namespace designer
