#include "window/stylecontrols.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace designer {

QSlider* StyleEditorControls::slider(StyleKey key) const {
    switch (key) {
    case StyleKey::SliderValueR:
        return SliderR;
    case StyleKey::SliderValueG:
        return SliderG;
    case StyleKey::SliderValueB:
        return SliderB;
    case StyleKey::SliderValueN:
        return SliderN;
    case StyleKey::SliderValueStart:
        return SliderStart;
    case StyleKey::SliderValueStop:
        return SliderStop;
    case StyleKey::SliderValueBand:
        return SliderBand;
    case StyleKey::ModLine:
        return SliderModLine;
    case StyleKey::MoreXR:
        return SliderMR;
    case StyleKey::MoreXG:
        return SliderMG;
    case StyleKey::MoreXB:
        return SliderMB;
    case StyleKey::OptValue0:
    case StyleKey::OptValue1:
    case StyleKey::ObjName:
        break;
    }
    return nullptr;
}

StyleRecord StyleEditorControls::record() const {
    StyleRecord r;
    for (const StyleKeyInfo& info : styleKeys) {
        if (QSlider* s = slider(info.key))
            r.setInteger(info.key, s->value());
    }
    r.setYesNo(StyleKey::OptValue0, OptStop[0]->isChecked());
    r.setYesNo(StyleKey::OptValue1, OptStop[1]->isChecked());
    r.setText(StyleKey::ObjName, txtObjName->text());
    return r;
}

} // namespace designer
