#include "logic/stopheight.h"

namespace designer {

std::optional<vb::Integer> stopFromScaleHeight(double scaleHeight) {
    return vb::checked::toInteger(scaleHeight);
}

std::optional<vb::Long> wideStopFromScaleHeight(double scaleHeight) {
    return vb::checked::toLong(scaleHeight);
}

} // namespace designer
