#pragma once
// The one-line call statement that paints the current gradient in the user's
// own application, and the drawing-time text shown beside the preview.

#include "core/vb.h"
#include "module1/gradientstyle.h"

#include <QString>

#include <optional>

namespace designer {

// Which stop the statement passes: the target's own height or a fixed value.
enum class StopMethod { None, TargetHeight, Manual };

struct StatementInput {
    QString objName; // exactly as typed, possibly empty
    // The values as the preview paints them, but for the divisors: those
    // below are the statement's.
    module1::GradientStyle drawing;
    // The divisors as the MoreX sliders show them, not as the drawing left them.
    vb::Long moreXR = 1, moreXG = 1, moreXB = 1;
    StopMethod stopMethod = StopMethod::None;
};

// "Ombrelo O, R, G, B, N, Band, Start, <stop>, ModLine, True|False, MR, MG, MB"
// where <stop> is "O.ScaleHeight" or the Stop value. Nothing when no stop
// method is chosen.
std::optional<QString> buildStatement(const StatementInput& in);

// Elapsed seconds as "00.00 secs.": at least two digits before the point,
// exactly two after it.
QString timeText(double seconds);

} // namespace designer
