#include "window/editor.h"

#include "logic/rangelabel.h"
#include "logic/stopheight.h"
#include "picturebox/olecolor.h"
#include "picturebox/picturebox.h"
#include "widgets/lamp.h"
#include "window/hostedcontrols.h"
#include "window/preview.h"
#include "window/sliderrow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace designer {

namespace {

// Lamp colours of the MoreX boxes while checked.
constexpr vb::OleColor kLampRed = 0x000000C0;
constexpr vb::OleColor kLampGreen = 0x00008000;
constexpr vb::OleColor kLampBlue = 0x00C00000;

} // namespace

EditorHandlers::EditorHandlers(EditorControls controls, PreviewRefresh& preview)
    : c_(controls)
    , preview_(preview) {}

void EditorHandlers::connectControls() {
    for (const SliderRow& r : c_.rows)
        c_.state.setSlider(r.key, r.slider->value());
    takeStopMethod();

    const auto onValue = [this](StyleKey key, void (EditorHandlers::*handler)()) {
        connect(row(key).slider, &QSlider::valueChanged, this,
                [this, handler] { (this->*handler)(); });
    };
    onValue(StyleKey::SliderValueR, &EditorHandlers::SliderR_Change);
    onValue(StyleKey::SliderValueG, &EditorHandlers::SliderG_Change);
    onValue(StyleKey::SliderValueB, &EditorHandlers::SliderB_Change);
    onValue(StyleKey::SliderValueN, &EditorHandlers::SliderN_Change);
    onValue(StyleKey::SliderValueStart, &EditorHandlers::SliderStart_Change);
    onValue(StyleKey::SliderValueStop, &EditorHandlers::SliderStop_Change);
    onValue(StyleKey::SliderValueBand, &EditorHandlers::SliderBand_Change);
    onValue(StyleKey::ModLine, &EditorHandlers::SliderModLine_Change);
    onValue(StyleKey::MoreXR, &EditorHandlers::SliderMR_Change);
    onValue(StyleKey::MoreXG, &EditorHandlers::SliderMG_Change);
    onValue(StyleKey::MoreXB, &EditorHandlers::SliderMB_Change);
    connect(row(StyleKey::SliderValueN).valueBox, &QLineEdit::textChanged, this,
            [this] { txtN_Change(); });

    const auto onToggle = [this](QAbstractButton* box, void (EditorHandlers::*handler)()) {
        connect(box, &QAbstractButton::toggled, this, [this, handler] { (this->*handler)(); });
    };
    onToggle(row(StyleKey::SliderValueR).include, &EditorHandlers::CheckR_Click);
    onToggle(row(StyleKey::SliderValueG).include, &EditorHandlers::CheckG_Click);
    onToggle(row(StyleKey::SliderValueB).include, &EditorHandlers::CheckB_Click);
    onToggle(row(StyleKey::SliderValueN).include, &EditorHandlers::CheckN_Click);
    onToggle(row(StyleKey::MoreXR).include, &EditorHandlers::CheckMR_Click);
    onToggle(row(StyleKey::MoreXG).include, &EditorHandlers::CheckMG_Click);
    onToggle(row(StyleKey::MoreXB).include, &EditorHandlers::CheckMB_Click);
    onToggle(c_.Check2, &EditorHandlers::Check2_Click);
    onToggle(c_.Check3, &EditorHandlers::Check3_Click);
    // The state follows each option as it changes; an option raises its
    // click when it becomes the selected one.
    for (int index = 0; index < 2; ++index)
        connect(c_.OptStop[index], &QRadioButton::toggled, this, [this, index](bool on) {
            takeStopMethod();
            if (on)
                OptStop_Click(index);
        });
}

const SliderRow& EditorHandlers::row(StyleKey key) const {
    return c_.rows[key];
}

int EditorHandlers::takeSlider(const SliderRow& r) {
    const int v = r.slider->value();
    c_.state.setSlider(r.key, v);
    r.valueBox->setText(QString::number(v));
    return v;
}

void EditorHandlers::redraw() {
    preview_.RefreshPreview();
    preview_.repaintPreview();
}

void EditorHandlers::showRange(const SliderRow& r, int value) {
    if (const std::optional<QString> text = rangeLabelText(r.key, value))
        r.rangeLabel->setText(*text);
}

void EditorHandlers::colourSliderChange(StyleKey key) {
    const SliderRow& r = row(key);
    const int v = takeSlider(r);
    *drawingValue(c_.state.drawing, key) = static_cast<vb::Integer>(v);
    showRange(r, v);
    redraw();
}

void EditorHandlers::SliderR_Change() {
    colourSliderChange(StyleKey::SliderValueR);
}

void EditorHandlers::SliderG_Change() {
    colourSliderChange(StyleKey::SliderValueG);
}

void EditorHandlers::SliderB_Change() {
    colourSliderChange(StyleKey::SliderValueB);
}

void EditorHandlers::SliderN_Change() {
    const SliderRow& r = row(StyleKey::SliderValueN);
    // The level box stores N and redraws when its text changes.
    const int v = takeSlider(r);
    redraw();
    showRange(r, v);
}

void EditorHandlers::txtN_Change() {
    c_.state.drawing.N = static_cast<vb::Integer>(row(StyleKey::SliderValueN).slider->value());
    redraw();
}

void EditorHandlers::lineSliderChange(StyleKey key) {
    const int v = takeSlider(row(key));
    *drawingValue(c_.state.drawing, key) = static_cast<vb::Integer>(v);
    redraw();
}

void EditorHandlers::stopAtPreviewHeight() {
    if (!c_.OptStop[0]->isChecked())
        return;
    if (const auto height = stopFromScaleHeight(previewScaleHeight()))
        c_.state.drawing.Stop = *height;
}

void EditorHandlers::SliderStart_Change() {
    lineSliderChange(StyleKey::SliderValueStart);
}

void EditorHandlers::SliderStop_Change() {
    const int v = takeSlider(row(StyleKey::SliderValueStop));
    c_.state.drawing.Stop = static_cast<vb::Integer>(v);
    stopAtPreviewHeight();
    redraw();
}

void EditorHandlers::SliderBand_Change() {
    lineSliderChange(StyleKey::SliderValueBand);
}

void EditorHandlers::SliderModLine_Change() {
    lineSliderChange(StyleKey::ModLine);
}

// The drawing's divisor is the slider's value; the drawing clamps its own
// copy, the statement writes the slider's.
void EditorHandlers::moreXSliderChange(StyleKey key) {
    const int v = takeSlider(row(key));
    *drawingValue(c_.state.drawing, key) = static_cast<vb::Integer>(v);
    preview_.RefreshPreview();
}

void EditorHandlers::SliderMR_Change() {
    moreXSliderChange(StyleKey::MoreXR);
}

void EditorHandlers::SliderMG_Change() {
    moreXSliderChange(StyleKey::MoreXG);
}

void EditorHandlers::SliderMB_Change() {
    moreXSliderChange(StyleKey::MoreXB);
}

void EditorHandlers::includeClick(StyleKey key) {
    const SliderRow& r = row(key);
    r.extended->setEnabled(r.include->isChecked());
}

void EditorHandlers::CheckR_Click() {
    includeClick(StyleKey::SliderValueR);
}

void EditorHandlers::CheckG_Click() {
    includeClick(StyleKey::SliderValueG);
}

void EditorHandlers::CheckB_Click() {
    includeClick(StyleKey::SliderValueB);
}

void EditorHandlers::CheckN_Click() {
    includeClick(StyleKey::SliderValueN);
}

void EditorHandlers::lampClick(StyleKey key, vb::OleColor lit) {
    const SliderRow& r = row(key);
    const vb::OleColor colour = r.include->isChecked() ? lit : platform::WindowBackground;
    if (const auto fill = platform::fromOleColor(colour, r.lamp->palette()))
        r.lamp->setFillColor(*fill);
}

void EditorHandlers::CheckMR_Click() {
    lampClick(StyleKey::MoreXR, kLampRed);
}

void EditorHandlers::CheckMG_Click() {
    lampClick(StyleKey::MoreXG, kLampGreen);
}

void EditorHandlers::CheckMB_Click() {
    lampClick(StyleKey::MoreXB, kLampBlue);
}

void EditorHandlers::Check2_Click() {
    const bool automatic = c_.Check2->isChecked();
    c_.hosted.setEnabled(Hosted::Command3, automatic);
    c_.hosted.setEnabled(Hosted::Command5, !automatic);
    if (automatic)
        preview_.RefreshPreview();
    else
        c_.Picture2->cls();
}

void EditorHandlers::Check3_Click() {
    c_.state.drawing.AutoRedraw = c_.Check3->isChecked() ? vb::True : vb::False;
    preview_.RefreshPreview();
}

void EditorHandlers::takeStopMethod() {
    if (c_.OptStop[0]->isChecked())
        c_.state.stopMethod = StopMethod::TargetHeight;
    else if (c_.OptStop[1]->isChecked())
        c_.state.stopMethod = StopMethod::Manual;
    else
        c_.state.stopMethod = StopMethod::None;
}

void EditorHandlers::OptStop_Click(int /*index*/) {
    takeStopMethod();
    QSlider* stop = row(StyleKey::SliderValueStop).slider;
    if (c_.OptStop[0]->isChecked()) {
        stop->setEnabled(false);
        stopAtPreviewHeight();
    } else if (c_.OptStop[1]->isChecked()) {
        stop->setEnabled(true);
        c_.state.drawing.Stop = static_cast<vb::Integer>(stop->value());
    }
    preview_.RefreshPreview();
}

double EditorHandlers::previewScaleHeight() const {
    return c_.Picture2->scaleHeight();
}

} // namespace designer
