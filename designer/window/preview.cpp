#include "window/preview.h"

#include "logic/statement.h"
#include "module1/ombrelo.h"
#include "services/clock.h"
#include "ui_frmdegcolor.h"

namespace designer {

PreviewHandlers::PreviewHandlers(FormContext& form)
    : form_(form) {}

void PreviewHandlers::RefreshPreview() {
    Ui::FrmDegColor& ui = form_.ui;
    module1::GradientStyle& s = form_.style;
    const double t0 = form_.services.clock.seconds();
    ui.Picture2->cls();
    if (!ui.Check2->isChecked())
        return;
    module1::Ombrelo(*ui.Picture2, s.R, s.G, s.B, s.N, s.Band, s.Start, s.Stop, s.ModLine,
                     s.AutoRedraw, s.MoreXR, s.MoreXG, s.MoreXB);
    showTime(form_.services.clock.seconds() - t0);
    if (const std::optional<QString> statement = buildStatement())
        ui.txtFunction->setText(*statement);
}

void PreviewHandlers::Command5_Click() {
    Ui::FrmDegColor& ui = form_.ui;
    module1::GradientStyle& s = form_.style;
    const double t0 = form_.services.clock.seconds();
    // Drawn without divisors, on top of the last drawing.
    vb::Integer one1 = 1, one2 = 1, one3 = 1;
    module1::Ombrelo(*ui.Picture2, s.R, s.G, s.B, s.N, s.Band, s.Start, s.Stop, s.ModLine,
                     s.AutoRedraw, one1, one2, one3);
    if (const std::optional<QString> statement = buildStatement())
        ui.txtFunction->setText(*statement);
    showTime(form_.services.clock.seconds() - t0);
}

void PreviewHandlers::repaintPreview() {
    form_.ui.Picture2->refresh();
}

std::optional<QString> PreviewHandlers::buildStatement() const {
    const Ui::FrmDegColor& ui = form_.ui;
    const module1::GradientStyle& s = form_.style;
    StatementInput in;
    in.objName = ui.txtObjName->text();
    in.r = s.R;
    in.g = s.G;
    in.b = s.B;
    in.n = s.N;
    in.band = s.Band;
    in.start = s.Start;
    in.stop = s.Stop;
    in.modLine = s.ModLine;
    in.autoRedraw = s.AutoRedraw;
    in.moreXR = ui.SliderMR->value();
    in.moreXG = ui.SliderMG->value();
    in.moreXB = ui.SliderMB->value();
    if (form_.OptStop[0]->isChecked())
        in.stopMethod = StopMethod::TargetHeight;
    else if (form_.OptStop[1]->isChecked())
        in.stopMethod = StopMethod::Manual;
    return designer::buildStatement(in);
}

void PreviewHandlers::txtObjName_Change() {
    RefreshPreview();
}

void PreviewHandlers::txtFunction_Change() {
    form_.ui.txtFunction->setToolTip(QStringLiteral("Syntax : ") + form_.ui.txtFunction->text());
}

void PreviewHandlers::showTime(double seconds) {
    form_.hosted.setCaption(QStringLiteral("lblCalcultime"), timeText(seconds));
}

} // namespace designer
