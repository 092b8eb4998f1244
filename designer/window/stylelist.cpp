#include "window/stylelist.h"

#include "logic/storedstyle.h"
#include "ui_frmdegcolor.h"
#include "window/stylecombo.h"

#include <limits>

namespace designer {

namespace {

void applyValue(QSlider* slider, const std::optional<vb::Long>& value) {
    // A value beyond the slider's range stops at its end.
    if (value)
        slider->setValue(static_cast<int>(*value));
}

} // namespace

StyleListHandlers::StyleListHandlers(FormContext& form)
    : form_(form) {}

void StyleListHandlers::connectControls() {
    Ui::FrmDegColor& ui = form_.ui;
    QObject::connect(ui.Filename, &QLineEdit::textChanged, ui.lstStyle,
                     [this] { Filename_Change(); });
    QObject::connect(ui.lstStyle, &StyleCombo::clicked, ui.lstStyle, [this] { lstStyle_Click(); });
}

void StyleListHandlers::Filename_Change() {
    Ui::FrmDegColor& ui = form_.ui;
    ui.lstStyle->clear();
    for (const QString& name : listStyleNames(ui.Filename->text()))
        ui.lstStyle->addItem(name);
    // The listing buffer holds fewer names than an Integer counts.
    styleCount_ = static_cast<vb::Integer>(
        std::min<int>(ui.lstStyle->count(), std::numeric_limits<vb::Integer>::max()));
    ui.lblNbStyle->setText(QString::number(styleCount_));
}

void StyleListHandlers::lstStyle_Click() {
    Ui::FrmDegColor& ui = form_.ui;
    ui.Check2->setChecked(true);
    const StoredStyle s = readStoredStyle(ui.Filename->text(), ui.lstStyle->text());
    applyValue(ui.SliderStart, s.start);
    applyValue(ui.SliderStop, s.stop);
    applyValue(ui.SliderR, s.r);
    applyValue(ui.SliderG, s.g);
    applyValue(ui.SliderB, s.b);
    applyValue(ui.SliderN, s.n);
    applyValue(ui.SliderBand, s.band);
    applyOption(0, s.optStop0);
    applyOption(1, s.optStop1);
    ui.txtObjName->setText(s.objName);
    applyValue(ui.SliderModLine, s.modLine);
    ui.SliderMR->setValue(static_cast<int>(s.moreXR));
    ui.SliderMG->setValue(static_cast<int>(s.moreXG));
    ui.SliderMB->setValue(static_cast<int>(s.moreXB));
    if (ui.txtObjName->text().isEmpty())
        ui.txtObjName->setText(QStringLiteral("[OBJECT]"));
    if (s.modLineNeedsReset())
        ui.SliderModLine->setValue(1);
}

void StyleListHandlers::applyOption(int index, const std::optional<bool>& selected) {
    if (!selected)
        return;
    QRadioButton* option = form_.OptStop[index];
    if (*selected) {
        option->setChecked(true);
        return;
    }
    // Deselecting an option leaves neither selected, which an exclusive pair
    // would refuse.
    if (option->isChecked()) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace designer
