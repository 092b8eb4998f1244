#include "logic/editorstate.h"

namespace designer {

vb::Integer* drawingValue(module1::GradientStyle& drawing, StyleKey key) {
    switch (key) {
    case StyleKey::SliderValueR:
        return &drawing.R;
    case StyleKey::SliderValueG:
        return &drawing.G;
    case StyleKey::SliderValueB:
        return &drawing.B;
    case StyleKey::SliderValueN:
        return &drawing.N;
    case StyleKey::SliderValueStart:
        return &drawing.Start;
    case StyleKey::SliderValueStop:
        return &drawing.Stop;
    case StyleKey::SliderValueBand:
        return &drawing.Band;
    case StyleKey::ModLine:
        return &drawing.ModLine;
    case StyleKey::MoreXR:
        return &drawing.MoreXR;
    case StyleKey::MoreXG:
        return &drawing.MoreXG;
    case StyleKey::MoreXB:
        return &drawing.MoreXB;
    case StyleKey::OptValue0:
    case StyleKey::OptValue1:
    case StyleKey::ObjName:
        break;
    }
    return nullptr;
}

StatementInput statementInput(const EditorState& state) {
    StatementInput in;
    in.objName = state.objName;
    in.drawing = state.drawing;
    in.moreXR = state.slider(StyleKey::MoreXR);
    in.moreXG = state.slider(StyleKey::MoreXG);
    in.moreXB = state.slider(StyleKey::MoreXB);
    in.stopMethod = state.stopMethod;
    return in;
}

std::optional<QString> buildStatement(const EditorState& state) {
    return buildStatement(statementInput(state));
}

StyleRecord saveRecord(const EditorState& state) {
    StyleRecord r;
    for (const StyleKeyInfo& info : styleKeys) {
        if (info.form == TextForm::Integer)
            r.setInteger(info.key, state.slider(info.key));
    }
    r.setYesNo(StyleKey::OptValue0, state.stopMethod == StopMethod::TargetHeight);
    r.setYesNo(StyleKey::OptValue1, state.stopMethod == StopMethod::Manual);
    r.setText(StyleKey::ObjName, state.objName);
    return r;
}

} // namespace designer
