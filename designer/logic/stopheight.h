#pragma once
// Stop taken from the target's own height: its scale height rounded to the
// nearest integer, a half to the even neighbour.

#include "core/vb.h"

#include <optional>

namespace designer {

// Empty when the height does not fit a 16-bit Integer.
std::optional<vb::Integer> stopFromScaleHeight(double scaleHeight);

// The same for the surfaces painted with the widened procedure (full screen,
// wallpaper, rendered pictures): empty when the height does not fit 32 bits.
std::optional<vb::Long> wideStopFromScaleHeight(double scaleHeight);

} // namespace designer
