#pragma once
// The editor controls: the slider rows, the random-option boxes and their
// lamps, the stop method, automatic preview and Auto-Redraw. Each handler
// runs when its control really changes, also when code sets the control; it
// brings the editor state, the row's labels and the preview up to date.

#include "logic/editorstate.h"

#include <array>

#include <QObject>

class QCheckBox;
class QRadioButton;

namespace platform {
class PictureBox;
}

namespace designer {

class HostedControls;
class PreviewRefresh;
class SliderRows;
struct SliderRow;

// What the editor works on.
struct EditorControls {
    const SliderRows& rows;
    std::array<QRadioButton*, 2> OptStop; // OptStop(0), OptStop(1)
    QCheckBox* Check2;                    // automatic preview
    QCheckBox* Check3;                    // Auto-Redraw
    platform::PictureBox* Picture2;       // the preview: its height, its clearing
    EditorState& state;
    HostedControls& hosted; // the "Random" and "Preview" captions
};

class EditorHandlers : public QObject {
public:
    EditorHandlers(EditorControls controls, PreviewRefresh& preview);

    // Takes the controls' values into the editor state, then connects every
    // editor control to its handler.
    void connectControls();

    // A slider row's value: into the state, its value box and range label.
    void SliderR_Change();
    void SliderG_Change();
    void SliderB_Change();
    void SliderN_Change();
    void txtN_Change(); // the level box: N into the drawing
    void SliderStart_Change();
    void SliderStop_Change();
    void SliderBand_Change();
    void SliderModLine_Change();
    void SliderMR_Change();
    void SliderMG_Change();
    void SliderMB_Change();
    // An include box: enables its extended-range box.
    void CheckR_Click();
    void CheckG_Click();
    void CheckB_Click();
    void CheckN_Click();
    // A MoreX include box: lights its lamp.
    void CheckMR_Click();
    void CheckMG_Click();
    void CheckMB_Click();
    void Check2_Click(); // automatic preview
    void Check3_Click(); // "Auto-Redraw"
    // The stop method: Stop from the preview's height, or from its slider.
    void OptStop_Click(int index);

private:
    // The preview's inner height in twips, as the stop method takes it.
    double previewScaleHeight() const;
    const SliderRow& row(StyleKey key) const;
    // The slider's value into the state and the value box.
    int takeSlider(const SliderRow& row);
    // The row's range label names the range of its value.
    static void showRange(const SliderRow& row, int value);
    void colourSliderChange(StyleKey key);
    void lineSliderChange(StyleKey key);
    void moreXSliderChange(StyleKey key);
    // The include box enables the row's extended-range box.
    void includeClick(StyleKey key);
    void lampClick(StyleKey key, vb::OleColor lit);
    void takeStopMethod();
    void redraw();
    // While the stop method is the target's height, Stop is the preview's
    // height, whatever the (disabled) Stop slider holds: a load that sets the
    // slider keeps the manual value there for a later switch, and the
    // preview still paints what the statement's ScaleHeight paints.
    void stopAtPreviewHeight();

    EditorControls c_;
    PreviewRefresh& preview_;
};

} // namespace designer
