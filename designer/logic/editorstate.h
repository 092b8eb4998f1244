#pragma once
// The editor's state without its widgets, and the two things built from it:
// the call statement and the record a save stores. It keeps apart the values
// the preview paints and the values the editor's controls hold: the drawing
// clamps its own divisors in place while the statement writes the MoreX
// sliders' values, and while the stop method is the target's height the
// drawing's Stop is the preview's height while a save stores the Stop
// slider's value.

#include "core/vb.h"
#include "logic/statement.h"
#include "logic/stylerecord.h"
#include "module1/gradientstyle.h"

#include <QString>

#include <array>
#include <optional>

namespace designer {

struct EditorState {
    // The twelve values the preview paints, as the drawing takes them.
    module1::GradientStyle drawing;
    // What the editor's controls hold: the slider of each number key, the
    // stop-method option pair and the object name exactly as typed.
    std::array<vb::Long, styleKeyCount> sliders{};
    StopMethod stopMethod = StopMethod::None;
    QString objName;

    vb::Long slider(StyleKey key) const { return sliders[static_cast<std::size_t>(key)]; }
    void setSlider(StyleKey key, vb::Long value) { sliders[static_cast<std::size_t>(key)] = value; }
};

// The drawing value that the slider of a number key sets (the level through
// its value box, Stop as the stop method says); nothing for the keys that
// have no slider.
vb::Integer* drawingValue(module1::GradientStyle& drawing, StyleKey key);

// What the statement says for the state: the drawing's values, the divisors
// as the MoreX sliders hold them, the stop method and the object name.
StatementInput statementInput(const EditorState& state);

// The statement for the state. Nothing when no stop method is chosen.
std::optional<QString> buildStatement(const EditorState& state);

// What a save stores: the sliders, the option pair (OptValue0 for the
// target's height, OptValue1 for a fixed Stop, neither when none is chosen)
// and the object name.
StyleRecord saveRecord(const EditorState& state);

} // namespace designer
