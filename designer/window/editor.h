#pragma once
// The editor controls: sliders with their value boxes and range labels, the
// random-option boxes and lamps, the stop method, automatic preview and
// Auto-Redraw. Each handler runs when its control really changes, also when
// code sets the control; it updates the current style and the preview.

#include "module1/gradientstyle.h"

#include <array>

#include <QObject>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace Ui {
class FrmDegColor;
}

namespace designer {

class HostedControls;
class PreviewHandlers;

// What the editor works on: the window's editor controls, the current
// style they set, the hosted "Random" and "Preview" captions that automatic
// preview switches, and the option pair OptStop(0) and OptStop(1).
struct EditorControls {
    Ui::FrmDegColor& ui;
    module1::GradientStyle& style;
    HostedControls& hosted;
    std::array<QRadioButton*, 2> OptStop;
};

class EditorHandlers : public QObject {
public:
    EditorHandlers(EditorControls controls, PreviewHandlers& preview);

    // Connects every editor control to its handler.
    void connectControls();

    void SliderR_Change();
    void SliderG_Change();
    void SliderB_Change();
    void SliderN_Change();
    void txtN_Change();
    void SliderStart_Change();
    void SliderStop_Change();
    void SliderBand_Change();
    void SliderModLine_Change();
    void SliderMR_Change();
    void SliderMG_Change();
    void SliderMB_Change();
    void CheckR_Click();
    void CheckG_Click();
    void CheckB_Click();
    void CheckN_Click();
    void CheckMR_Click();
    void CheckMG_Click();
    void CheckMB_Click();
    void Check2_Click();
    void Check3_Click();
    void OptStop_Click(int index);

    // The preview's inner height in twips, as the stop method takes it.
    double previewScaleHeight() const;

private:
    void colourSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field, QLabel* label,
                            const QString& letter);
    void lineSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field);
    void moreXSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field);
    // While the stop method is the target's height, Stop is the preview's
    // height, whatever the (disabled) Stop slider holds: a load that sets the
    // slider keeps the manual value there for a later switch, and the
    // preview still paints what the statement's ScaleHeight paints.
    void stopAtPreviewHeight();

    EditorControls c_;
    PreviewHandlers& preview_;
};

} // namespace designer
