// The statement and the save record built from an editor state, without
// any window: which values come from the drawing and which from the
// editor's controls.

#include "logic/editorstate.h"

#include <gtest/gtest.h>

namespace {

using designer::EditorState;
using designer::StopMethod;
using designer::StyleKey;

// A state in which the drawing and the controls differ where they can: the
// drawing clamped its divisors, and took the preview's height as Stop.
EditorState drawnState() {
    EditorState s;
    module1::GradientStyle& d = s.drawing;
    d.R = 255, d.G = 128, d.B = 0, d.N = 236, d.Band = 50, d.Start = 10, d.Stop = 2895;
    d.ModLine = 2, d.AutoRedraw = vb::True;
    d.MoreXR = 1, d.MoreXG = 20, d.MoreXB = 3;
    const std::pair<StyleKey, vb::Long> sliders[] = {{StyleKey::SliderValueR, 255},
                                                     {StyleKey::SliderValueG, 128},
                                                     {StyleKey::SliderValueB, 0},
                                                     {StyleKey::SliderValueN, 236},
                                                     {StyleKey::SliderValueStart, 10},
                                                     {StyleKey::SliderValueStop, 4500},
                                                     {StyleKey::SliderValueBand, 50},
                                                     {StyleKey::ModLine, 2},
                                                     {StyleKey::MoreXR, 0},
                                                     {StyleKey::MoreXG, 25},
                                                     {StyleKey::MoreXB, 3}};
    for (const auto& [key, value] : sliders)
        s.setSlider(key, value);
    s.stopMethod = StopMethod::TargetHeight;
    s.objName = QStringLiteral("Me.Picture1");
    return s;
}

TEST(EditorState, StatementTakesTheDrawingsValuesAndTheSlidersDivisors) {
    EditorState s = drawnState();
    EXPECT_EQ(designer::buildStatement(s),
              QStringLiteral("Ombrelo Me.Picture1, 255, 128, 0, 236, 50, 10, "
                             "Me.Picture1.ScaleHeight, 2, True, 0, 25, 3"));
    // A fixed Stop is the drawing's Stop, which follows the slider while
    // the stop method is manual.
    s.stopMethod = StopMethod::Manual;
    s.drawing.Stop = 4500;
    s.drawing.AutoRedraw = vb::False;
    EXPECT_EQ(designer::buildStatement(s),
              QStringLiteral("Ombrelo Me.Picture1, 255, 128, 0, 236, 50, 10, 4500, 2, False, 0, "
                             "25, 3"));
    s.stopMethod = StopMethod::None;
    EXPECT_EQ(designer::buildStatement(s), std::nullopt);
}

TEST(EditorState, SaveStoresWhatTheControlsHold) {
    const EditorState s = drawnState();
    const designer::StyleRecord r = designer::saveRecord(s);
    // The Stop slider, not the preview's height; the divisors as set, not
    // as the drawing clamped them.
    EXPECT_EQ(r.sectionText(QStringLiteral("Sunset")),
              QByteArray("[Sunset]\r\nSliderValueR=255\r\nSliderValueG=128\r\nSliderValueB=0\r\n"
                         "SliderValueN=236\r\nSliderValueStart=10\r\nSliderValueStop=4500\r\n"
                         "SliderValueBand=50\r\nOptValue0=True\r\nOptValue1=False\r\n"
                         "ObjName=Me.Picture1\r\nModLine=2\r\nMoreXR=0\r\nMoreXG=25\r\n"
                         "MoreXB=3\r\n"));
}

TEST(EditorState, SaveWritesTheStopMethodAsTheOptionPair) {
    EditorState s = drawnState();
    const auto options = [&s] {
        const designer::StyleRecord r = designer::saveRecord(s);
        return std::make_pair(r.text(StyleKey::OptValue0), r.text(StyleKey::OptValue1));
    };
    s.stopMethod = StopMethod::Manual;
    EXPECT_EQ(options(), std::make_pair(QStringLiteral("False"), QStringLiteral("True")));
    s.stopMethod = StopMethod::None;
    EXPECT_EQ(options(), std::make_pair(QStringLiteral("False"), QStringLiteral("False")));
    // An empty name is stored empty: "[OBJECT]" is a load's fallback.
    s.objName.clear();
    EXPECT_EQ(designer::saveRecord(s).text(StyleKey::ObjName), QString());
}

} // namespace

TEST(EditorState, EachSliderFeedsItsOwnDrawingValue) {
    module1::GradientStyle d;
    vb::Integer next = 1;
    for (const designer::StyleKeyInfo& info : designer::styleKeys) {
        vb::Integer* value = designer::drawingValue(d, info.key);
        // A number key has a slider and feeds a value; the options and the
        // object name feed none.
        EXPECT_EQ(value != nullptr, info.form == designer::TextForm::Integer) << info.name;
        if (value)
            *value = next++;
    }
    const module1::GradientStyle expected{1, 2, 3, 4, 7, 5, 6, 8, vb::False, 9, 10, 11};
    EXPECT_EQ(d, expected);
}
