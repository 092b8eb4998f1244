#include "window/stylelist.h"

#include "logic/storedstyle.h"
#include "window/stylecombo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <limits>

namespace designer {

namespace {

// The order in which a load sets the controls.
constexpr StyleKey kApplyOrder[] = {
    StyleKey::SliderValueStart, StyleKey::SliderValueStop, StyleKey::SliderValueR,
    StyleKey::SliderValueG,     StyleKey::SliderValueB,    StyleKey::SliderValueN,
    StyleKey::SliderValueBand,  StyleKey::OptValue0,       StyleKey::OptValue1,
    StyleKey::ObjName,          StyleKey::ModLine,         StyleKey::MoreXR,
    StyleKey::MoreXG,           StyleKey::MoreXB};
static_assert(std::size(kApplyOrder) == styleKeyCount);

} // namespace

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
    for (const StyleKey key : kApplyOrder) {
        if (key == StyleKey::OptValue0 || key == StyleKey::OptValue1) {
            applyOption(key == StyleKey::OptValue0 ? 0 : 1, s.yesNo(key));
        } else if (key == StyleKey::ObjName) {
            c_.editor.txtObjName->setText(s.text(key));
        } else if (const std::optional<vb::Long> value = s.integer(key)) {
            // A value beyond the slider's range stops at its end.
            c_.editor.slider(key)->setValue(static_cast<int>(*value));
        }
    }
    if (c_.editor.txtObjName->text().isEmpty())
        c_.editor.txtObjName->setText(QStringLiteral("[OBJECT]"));
    if (s.fallsBack(StyleKey::ModLine))
        c_.editor.SliderModLine->setValue(1);
}

void StyleListHandlers::applyOption(int index, const std::optional<bool>& selected) {
    if (!selected)
        return;
    QRadioButton* option = c_.editor.OptStop[index];
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
