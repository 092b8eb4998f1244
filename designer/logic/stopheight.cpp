#include "logic/stopheight.h"

namespace designer {

std::optional<vb::Integer> stopFromScaleHeight(double scaleHeight) {
    return vb::checked::toInteger(scaleHeight);
}

} // namespace designer
