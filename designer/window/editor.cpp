#include "window/editor.h"

#include "logic/stopheight.h"
#include "picturebox/olecolor.h"
#include "ui_frmdegcolor.h"
#include "window/hostedcontrols.h"
#include "window/preview.h"

#include <QEvent>

namespace designer {

namespace {

// Lamp colours of the MoreX boxes while checked.
constexpr vb::OleColor kLampRed = 0x000000C0;
constexpr vb::OleColor kLampGreen = 0x00008000;
constexpr vb::OleColor kLampBlue = 0x00C00000;

void lightLamp(platform::Lamp* lamp, const QCheckBox* box, vb::OleColor lit) {
    const auto colour = platform::fromOleColor(box->isChecked() ? lit : platform::WindowBackground,
                                               lamp->palette());
    if (colour)
        lamp->setFillColor(*colour);
}

} // namespace

EditorHandlers::EditorHandlers(EditorControls controls, PreviewHandlers& preview)
    : c_(controls)
    , preview_(preview) {}

void EditorHandlers::connectControls() {
    Ui::FrmDegColor& ui = c_.ui;
    const auto onValue = [this](QSlider* slider, void (EditorHandlers::*handler)()) {
        connect(slider, &QSlider::valueChanged, this, [this, handler] { (this->*handler)(); });
    };
    onValue(ui.SliderR, &EditorHandlers::SliderR_Change);
    onValue(ui.SliderG, &EditorHandlers::SliderG_Change);
    onValue(ui.SliderB, &EditorHandlers::SliderB_Change);
    onValue(ui.SliderN, &EditorHandlers::SliderN_Change);
    onValue(ui.SliderStart, &EditorHandlers::SliderStart_Change);
    onValue(ui.SliderStop, &EditorHandlers::SliderStop_Change);
    onValue(ui.SliderBand, &EditorHandlers::SliderBand_Change);
    onValue(ui.SliderModLine, &EditorHandlers::SliderModLine_Change);
    onValue(ui.SliderMR, &EditorHandlers::SliderMR_Change);
    onValue(ui.SliderMG, &EditorHandlers::SliderMG_Change);
    onValue(ui.SliderMB, &EditorHandlers::SliderMB_Change);
    connect(ui.txtN, &QLineEdit::textChanged, this, [this] { txtN_Change(); });

    const auto onToggle = [this](QAbstractButton* box, void (EditorHandlers::*handler)()) {
        connect(box, &QAbstractButton::toggled, this, [this, handler] { (this->*handler)(); });
    };
    onToggle(ui.CheckR, &EditorHandlers::CheckR_Click);
    onToggle(ui.CheckG, &EditorHandlers::CheckG_Click);
    onToggle(ui.CheckB, &EditorHandlers::CheckB_Click);
    onToggle(ui.CheckN, &EditorHandlers::CheckN_Click);
    onToggle(ui.CheckMR, &EditorHandlers::CheckMR_Click);
    onToggle(ui.CheckMG, &EditorHandlers::CheckMG_Click);
    onToggle(ui.CheckMB, &EditorHandlers::CheckMB_Click);
    onToggle(ui.Check2, &EditorHandlers::Check2_Click);
    onToggle(ui.Check3, &EditorHandlers::Check3_Click);
    // An option raises its click when it becomes the selected one.
    for (int index = 0; index < 2; ++index)
        connect(c_.OptStop[index], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                OptStop_Click(index);
        });
}

void EditorHandlers::colourSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field,
                                        QLabel* label, const QString& letter) {
    const int v = slider->value();
    box->setText(QString::number(v));
    field = static_cast<vb::Integer>(v);
    if (v >= 0 && v <= 255)
        label->setText(letter);
    else if (v >= 256 && v <= 512)
        label->setText(letter + QStringLiteral("-XT"));
    preview_.RefreshPreview();
    preview_.repaintPreview();
}

void EditorHandlers::SliderR_Change() {
    Ui::FrmDegColor& ui = c_.ui;
    colourSliderChange(ui.SliderR, ui.txtR, c_.style.R, ui.Label1, QStringLiteral("R"));
}

void EditorHandlers::SliderG_Change() {
    Ui::FrmDegColor& ui = c_.ui;
    colourSliderChange(ui.SliderG, ui.txtG, c_.style.G, ui.Label2, QStringLiteral("G"));
}

void EditorHandlers::SliderB_Change() {
    Ui::FrmDegColor& ui = c_.ui;
    colourSliderChange(ui.SliderB, ui.txtB, c_.style.B, ui.Label3, QStringLiteral("B"));
}

void EditorHandlers::SliderN_Change() {
    Ui::FrmDegColor& ui = c_.ui;
    const int v = ui.SliderN->value();
    // The level box stores N and redraws when its text changes.
    ui.txtN->setText(QString::number(v));
    preview_.RefreshPreview();
    preview_.repaintPreview();
    if (v >= 0 && v <= 127)
        ui.Label5->setText(QStringLiteral("N"));
    else if (v >= 128 && v <= 255)
        ui.Label5->setText(QStringLiteral("W"));
    else if (v >= 256 && v <= 512)
        ui.Label5->setText(QStringLiteral("W-XT"));
}

void EditorHandlers::txtN_Change() {
    c_.style.N = static_cast<vb::Integer>(c_.ui.SliderN->value());
    preview_.RefreshPreview();
    preview_.repaintPreview();
}

void EditorHandlers::lineSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field) {
    const int v = slider->value();
    box->setText(QString::number(v));
    field = static_cast<vb::Integer>(v);
    preview_.RefreshPreview();
    preview_.repaintPreview();
}

void EditorHandlers::stopAtPreviewHeight() {
    if (!c_.OptStop[0]->isChecked())
        return;
    if (const auto height = stopFromScaleHeight(previewScaleHeight()))
        c_.style.Stop = *height;
}

void EditorHandlers::SliderStart_Change() {
    lineSliderChange(c_.ui.SliderStart, c_.ui.txtStart, c_.style.Start);
}

void EditorHandlers::SliderStop_Change() {
    Ui::FrmDegColor& ui = c_.ui;
    const int v = ui.SliderStop->value();
    ui.txtStop->setText(QString::number(v));
    c_.style.Stop = static_cast<vb::Integer>(v);
    stopAtPreviewHeight();
    preview_.RefreshPreview();
    preview_.repaintPreview();
}

void EditorHandlers::SliderBand_Change() {
    lineSliderChange(c_.ui.SliderBand, c_.ui.txtBandSize, c_.style.Band);
}

void EditorHandlers::SliderModLine_Change() {
    lineSliderChange(c_.ui.SliderModLine, c_.ui.txtModLine, c_.style.ModLine);
}

void EditorHandlers::moreXSliderChange(QSlider* slider, QLineEdit* box, vb::Integer& field) {
    field = static_cast<vb::Integer>(slider->value());
    box->setText(QString::number(slider->value()));
    preview_.RefreshPreview();
}

void EditorHandlers::SliderMR_Change() {
    moreXSliderChange(c_.ui.SliderMR, c_.ui.TxtMR, c_.style.MoreXR);
}

void EditorHandlers::SliderMG_Change() {
    moreXSliderChange(c_.ui.SliderMG, c_.ui.TxtMG, c_.style.MoreXG);
}

void EditorHandlers::SliderMB_Change() {
    moreXSliderChange(c_.ui.SliderMB, c_.ui.TxtMB, c_.style.MoreXB);
}

void EditorHandlers::CheckR_Click() {
    c_.ui.CheckRXT->setEnabled(c_.ui.CheckR->isChecked());
}

void EditorHandlers::CheckG_Click() {
    c_.ui.CheckGXT->setEnabled(c_.ui.CheckG->isChecked());
}

void EditorHandlers::CheckB_Click() {
    c_.ui.CheckBXT->setEnabled(c_.ui.CheckB->isChecked());
}

void EditorHandlers::CheckN_Click() {
    c_.ui.CheckWXT->setEnabled(c_.ui.CheckN->isChecked());
}

void EditorHandlers::CheckMR_Click() {
    lightLamp(c_.ui.ShapeMR, c_.ui.CheckMR, kLampRed);
}

void EditorHandlers::CheckMG_Click() {
    lightLamp(c_.ui.ShapeMG, c_.ui.CheckMG, kLampGreen);
}

void EditorHandlers::CheckMB_Click() {
    lightLamp(c_.ui.ShapeMB, c_.ui.CheckMB, kLampBlue);
}

void EditorHandlers::Check2_Click() {
    const bool automatic = c_.ui.Check2->isChecked();
    c_.hosted.setEnabled(QStringLiteral("Command3"), automatic);
    c_.hosted.setEnabled(QStringLiteral("Command5"), !automatic);
    if (automatic)
        preview_.RefreshPreview();
    else
        c_.ui.Picture2->cls();
}

void EditorHandlers::Check3_Click() {
    c_.style.AutoRedraw = c_.ui.Check3->isChecked() ? vb::True : vb::False;
    preview_.RefreshPreview();
}

void EditorHandlers::OptStop_Click(int /*index*/) {
    Ui::FrmDegColor& ui = c_.ui;
    if (c_.OptStop[0]->isChecked()) {
        ui.SliderStop->setEnabled(false);
        stopAtPreviewHeight();
    } else if (c_.OptStop[1]->isChecked()) {
        ui.SliderStop->setEnabled(true);
        c_.style.Stop = static_cast<vb::Integer>(ui.SliderStop->value());
    }
    preview_.RefreshPreview();
}

double EditorHandlers::previewScaleHeight() const {
    return c_.ui.Picture2->scaleHeight();
}

} // namespace designer
