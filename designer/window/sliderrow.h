#pragma once
// The editor's slider rows. Each number of a style has one row: its slider,
// the box that shows the slider's value and, where the row has them, the
// label that names the slider's range ("R" or "R-XT"), the random-option box
// that includes the slider in "Random", the box that extends a random
// colour's range to 512, and the lamp that is lit while a MoreX divisor is
// included. The rows are the window's widgets grouped, not widgets of their
// own: the form keeps each where it stands.

#include "logic/stylerecord.h"

#include <array>
#include <cstddef>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace platform {
class Lamp;
}

namespace designer {

struct SliderRow {
    StyleKey key;
    QSlider* slider;
    QLineEdit* valueBox;
    QLabel* rangeLabel = nullptr;   // the colours and the level
    QCheckBox* include = nullptr;   // all but Start and Stop
    QCheckBox* extended = nullptr;  // the colours and the level
    platform::Lamp* lamp = nullptr; // the MoreX divisors
};

inline constexpr std::size_t sliderRowCount = 11;

// The rows in the order of the key table (R, G, B, N, Start, Stop, Band,
// ModLine, MoreX red, green, blue).
class SliderRows {
public:
    explicit SliderRows(const std::array<SliderRow, sliderRowCount>& rows);

    // The row of a number key; a key without a slider (the stop-method
    // options, the object name) has none.
    const SliderRow* find(StyleKey key) const;
    // The row of a number key, which must have one.
    const SliderRow& operator[](StyleKey key) const;
    QSlider* slider(StyleKey key) const;

    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    std::array<SliderRow, sliderRowCount> rows_;
};

} // namespace designer
