#include "window/stylelist.h"

#include "logic/storedstyle.h"
#include "logic/styleload.h"
#include "window/sliderrow.h"
#include "window/stylecombo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <limits>

namespace designer {

StyleListHandlers::StyleListHandlers(const StyleListControls& controls)
    : c_(controls) {}

void StyleListHandlers::connectControls() {
    QObject::connect(c_.Filename, &QLineEdit::textChanged, c_.lstStyle,
                     [this] { Filename_Change(); });
    QObject::connect(c_.lstStyle, &StyleCombo::clicked, c_.lstStyle, [this] { lstStyle_Click(); });
}

void StyleListHandlers::Filename_Change() {
    c_.lstStyle->clear();
    for (const QString& name : listStyleNames(c_.Filename->text()))
        c_.lstStyle->addItem(name);
    // The listing buffer holds fewer names than an Integer counts.
    styleCount_ = static_cast<vb::Integer>(
        std::min<int>(c_.lstStyle->count(), std::numeric_limits<vb::Integer>::max()));
    c_.lblNbStyle->setText(QString::number(styleCount_));
}

void StyleListHandlers::lstStyle_Click() {
    c_.Check2->setChecked(true);
    const StyleRecord s = readStoredStyle(c_.Filename->text(), c_.lstStyle->text());
    for (const LoadStep& step : styleLoadSteps(s)) {
        if (step.key == StyleKey::OptValue0 || step.key == StyleKey::OptValue1) {
            applyOption(step.key == StyleKey::OptValue0 ? 0 : 1, step.selected);
        } else if (step.key == StyleKey::ObjName) {
            c_.editor.txtObjName->setText(step.text);
        } else {
            // A value beyond the slider's range stops at its end.
            c_.editor.rows[step.key].slider->setValue(static_cast<int>(step.number));
        }
    }
}

void StyleListHandlers::applyOption(int index, bool selected) {
    QRadioButton* option = c_.editor.OptStop[index];
    if (selected) {
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
