#include "render/boxlisting.h"

#include "module1/ombrelo.h"
#include "module1/recordingsurface.h"

#include <cmath>

namespace render {

namespace {

// Box corners come from 16-bit arithmetic, so they are whole numbers.
void appendWhole(std::string& out, double value) {
    out += std::to_string(std::llround(value));
}

} // namespace

std::string listBoxes(const RenderRequest& request) {
    module1::RecordingSurface surface(request.scaleWidth, request.scaleHeight);
    module1::GradientStyle style = request.style;
    module1::Ombrelo(surface, style);

    std::string out;
    out.reserve(surface.boxes().size() * 32 + 32);
    for (const module1::RecordedBox& box : surface.boxes()) {
        for (double corner : {box.x1, box.y1, box.x2, box.y2}) {
            appendWhole(out, corner);
            out += ' ';
        }
        out += std::to_string(box.colour);
        out += '\n';
    }
    out += "MoreX " + std::to_string(style.MoreXR) + ' ' + std::to_string(style.MoreXG) + ' ' +
           std::to_string(style.MoreXB) + '\n';
    return out;
}

} // namespace render
