#pragma once
// What loading a stored style does to the editor, step by step and in the
// order in which it sets the controls: the editor's handlers fire in this
// order, so it is part of what a load does. Widget-free: the window maps
// each step's key to its control and sets it.

#include "core/vb.h"
#include "logic/stylerecord.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace designer {

// The order in which a load sets the controls (not the order in which it
// reads the keys: see styleKeysInLoadOrder).
inline constexpr std::array<StyleKey, styleKeyCount> styleKeysInApplyOrder = {
    StyleKey::SliderValueStart, StyleKey::SliderValueStop, StyleKey::SliderValueR,
    StyleKey::SliderValueG,     StyleKey::SliderValueB,    StyleKey::SliderValueN,
    StyleKey::SliderValueBand,  StyleKey::OptValue0,       StyleKey::OptValue1,
    StyleKey::ObjName,          StyleKey::ModLine,         StyleKey::MoreXR,
    StyleKey::MoreXG,           StyleKey::MoreXB};

// One thing a load sets. Which member holds the value follows the key's
// text form: a number for a slider (which stops it at its range's end), a
// selection for a stop-method option (false: the option is deselected), a
// text for the object name.
struct LoadStep {
    StyleKey key;
    vb::Long number = 0;
    bool selected = false;
    QString text;

    bool operator==(const LoadStep&) const = default;
};

// The steps of loading the record, in the order they are applied. A key
// whose control keeps its value (missing or unusable) has no step; the two
// fallbacks that apply once the load is done come last: "[OBJECT]" for an
// empty object name, ModLine 1 for a ModLine that is missing, not a number
// or below 1. The MoreX divisors fall back to 1 at once.
std::vector<LoadStep> styleLoadSteps(const StyleRecord& record);

} // namespace designer
