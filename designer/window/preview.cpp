#include "window/preview.h"

#include "logic/editorstate.h"
#include "logic/statement.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "services/clock.h"
#include "window/hostedcontrols.h"

#include <QCheckBox>
#include <QLineEdit>

namespace designer {

PreviewHandlers::PreviewHandlers(PreviewParts parts)
    : p_(parts) {}

void PreviewHandlers::RefreshPreview() {
    module1::GradientStyle& s = p_.state.drawing;
    const double t0 = p_.clock.seconds();
    p_.Picture2.cls();
    if (!p_.Check2.isChecked())
        return;
    module1::Ombrelo(p_.Picture2, s);
    showTime(p_.clock.seconds() - t0);
    if (const std::optional<QString> statement = buildStatement())
        p_.txtFunction.setText(*statement);
}

void PreviewHandlers::Command5_Click() {
    const double t0 = p_.clock.seconds();
    // Drawn without divisors, on top of the last drawing; the current
    // style's divisors stay as they are.
    module1::GradientStyle undivided = p_.state.drawing;
    undivided.MoreXR = undivided.MoreXG = undivided.MoreXB = 1;
    module1::Ombrelo(p_.Picture2, undivided);
    if (const std::optional<QString> statement = buildStatement())
        p_.txtFunction.setText(*statement);
    showTime(p_.clock.seconds() - t0);
}

void PreviewHandlers::repaintPreview() {
    p_.Picture2.refresh();
}

std::optional<QString> PreviewHandlers::buildStatement() const {
    return designer::buildStatement(p_.state);
}

std::optional<StatementValues> PreviewHandlers::statementValues() const {
    return designer::statementValues(statementInput(p_.state));
}

void PreviewHandlers::txtObjName_Change() {
    p_.state.objName = p_.txtObjName.text();
    RefreshPreview();
}

void PreviewHandlers::txtFunction_Change() {
    p_.txtFunction.setToolTip(QStringLiteral("Syntax : ") + p_.txtFunction.text());
}

void PreviewHandlers::showTime(double seconds) {
    p_.hosted.setCaption(Hosted::lblCalcultime, timeText(seconds));
}

} // namespace designer
