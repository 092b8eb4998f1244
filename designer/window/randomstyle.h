#pragma once
// "Random" and " Random": a random gradient, drawn by setting the sliders
// that the random-option boxes include (each slider's own handler then
// updates the style and redraws), and a random choice among the saved
// styles, loaded by selecting it in the style list.

class QWidget;

namespace platform {
class RandomSource;
}

namespace designer {

class HostedControls;
class SliderRows;
class StyleCombo;

struct RandomStyleControls {
    HostedControls& hosted; // the buttons switched off meanwhile
    // The sliders and the boxes that include them (and extend a colour's
    // or the level's range).
    const SliderRows& rows;
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
