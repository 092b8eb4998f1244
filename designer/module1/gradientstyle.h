#pragma once
// The parameters of one gradient: the twelve 16-bit values that the drawing
// procedure takes, in its parameter order, plus the two settings that only the
// call statement uses (how Stop is written, and the target object's name).

#include "core/vb.h"

#include <QString>

namespace module1 {

// How the call statement passes Stop: as the target's own height, or as the
// fixed value.
enum class StopMethod { ScaleHeight = 0, Manual = 1 };

struct GradientStyle {
    vb::Integer R = 0;
    vb::Integer G = 0;
    vb::Integer B = 0;
    vb::Integer N = 0;
    vb::Integer Band = 0;
    vb::Integer Start = 0;
    vb::Integer Stop = 0;
    vb::Integer ModLine = 0;
    vb::Boolean AutoRedraw = vb::False;
    vb::Integer MoreXR = 0;
    vb::Integer MoreXG = 0;
    vb::Integer MoreXB = 0;

    module1::StopMethod StopMethod = module1::StopMethod::ScaleHeight;
    QString ObjName = QStringLiteral("[OBJECT]");

    bool operator==(const GradientStyle&) const = default;
};

} // namespace module1
