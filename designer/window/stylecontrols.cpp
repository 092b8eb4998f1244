#include "window/stylecontrols.h"

#include "logic/editorstate.h"

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
    EditorState state;
    for (const StyleKeyInfo& info : styleKeys) {
        if (QSlider* s = slider(info.key))
            state.setSlider(info.key, s->value());
    }
    if (OptStop[0]->isChecked())
        state.stopMethod = StopMethod::TargetHeight;
    else if (OptStop[1]->isChecked())
        state.stopMethod = StopMethod::Manual;
    state.objName = txtObjName->text();
    return saveRecord(state);
}

} // namespace designer
