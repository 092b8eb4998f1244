#pragma once
// "Random" and " Random": a random gradient, drawn by setting the sliders
// that the random-option boxes include (each slider's own handler then
// updates the style and redraws), and a random choice among the saved
// styles, loaded by selecting it in the style list.

#include <array>

class QCheckBox;
class QSlider;
class QWidget;

namespace platform {
class RandomSource;
}

namespace designer {

class HostedControls;
class StyleCombo;

struct RandomStyleControls {
    // A colour or the level: its include box, its extended-range box and
    // its slider.
    struct Colour {
        QCheckBox* include;
        QCheckBox* extended;
        QSlider* slider;
    };
    struct Option {
        QCheckBox* box;
        QSlider* slider;
    };

    HostedControls& hosted;        // the buttons switched off meanwhile
    std::array<Colour, 4> colours; // red, green, blue, level
    std::array<Option, 3> moreX;   // MoreX red, green, blue
    Option band;                   // Check1, SliderBand
    Option modLine;                // ChkModLine, SliderModLine
    StyleCombo* lstStyle;
    platform::RandomSource& random;
    QWidget& form; // shows the hourglass meanwhile
};

class RandomStyleHandlers {
public:
    explicit RandomStyleHandlers(RandomStyleControls controls);

    // "Random" (and its frame): new values for the included sliders.
    void Command3_Click();
    // " Random": selects, and so loads, one of the saved styles.
    void RndStyle_Click();

private:
    double draw();
    void drawColours();
    void drawOptions();
    void setButtonsEnabled(bool enabled);

    RandomStyleControls c_;
};

} // namespace designer
