#pragma once
// The --boxes mode of ombrelo-render: the gradient painted on a recording
// surface, listed box by box, so that scripts and tests can see exactly what
// the drawing procedure asks of a surface.

#include "render/renderargs.h"

#include <string>

namespace render {

// One line per painted box, "x1 y1 x2 y2 colour" (scale units, colour as the
// decimal 0x00BBGGRR value), then "MoreX r g b" with the divisors as the call
// left them. Every line ends in "\n".
std::string listBoxes(const RenderRequest& request);

} // namespace render
