#pragma once
// The parameters of one gradient: the twelve 16-bit values that the drawing
// procedure takes, in its parameter order. How the call statement writes
// Stop and the target object's name are the statement's (logic/statement.h).

#include "core/vb.h"

namespace module1 {

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

    bool operator==(const GradientStyle&) const = default;
};

} // namespace module1
