#pragma once
// The call statement of a style saved in the library, as the designer would
// write it after loading that style into a freshly started window: the
// values a load leaves in the editor, with the same fallbacks. For painting
// a saved style without the window (ombrelo-render --style).

#include "logic/statement.h"
#include "module1/gradientstyle.h"

#include <QString>

#include <optional>

namespace designer {

// What a picture of a statement takes: R, G, B, N, Band, Start, Stop,
// ModLine and the three divisors, and whether Stop is the target's height.
struct StatementValues {
    module1::GradientStyle style;
    bool stopFromHeight = true;
};

// The values of a statement built from `in`: what it paints. Empty when it
// has no stop method (no statement is written then).
std::optional<StatementValues> statementValues(const StatementInput& in);

// The editor's sliders: their ranges, and the value each holds when the
// window loads its first style (Band is set to 50 before that load). A load
// sets a slider only from a value that reads, and the slider keeps it within
// its range.
struct SliderRange {
    int minimum;
    int maximum;
    int initial;
};
inline constexpr SliderRange kLevelSlider{0, 512, 0}; // R, G, B, N
inline constexpr SliderRange kStartSlider{0, 15000, 0};
inline constexpr SliderRange kStopSlider{1, 15000, 1};
inline constexpr SliderRange kBandSlider{5, 255, 50};
inline constexpr SliderRange kModLineSlider{1, 50, 1};
inline constexpr SliderRange kMoreXSlider{1, 20, 1};

struct SavedStatement {
    std::optional<StatementValues> values;
    // When there are none: why, one line naming the style and the file.
    QString problem;
};

// The style `name` of the library `file`. Refused: a library that is
// missing or cannot be read, a style that it does not hold, a stored value
// that is there but does not read (a slider value that is not a whole
// number, a stop option that is not True or False), and a style that
// selects no stop method (the designer writes no statement for it).
SavedStatement readSavedStatement(const QString& file, const QString& name);

// The library's readable problem, or empty when it can be read.
QString libraryProblem(const QString& file);

} // namespace designer
