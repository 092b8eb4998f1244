#include "picture/statementpicture.h"

#include "logic/stopheight.h"
#include "module1/ombrelo.h"
#include "picturebox/olecolor.h"
#include "picturebox/rastercanvas.h"

#include <optional>

namespace designer {

namespace {
constexpr double kTwipsPerPixel = 15.0;
} // namespace

bool isPictureSize(QSize pixels) {
    return pixels.width() >= 1 && pixels.height() >= 1 && pixels.width() <= kMaxPictureSide &&
           pixels.height() <= kMaxPictureSide;
}

QColor pictureBackground() {
    return platform::fromOleColor(platform::ButtonFace).value_or(QColor(240, 240, 240));
}

QImage paintStatementPicture(const StatementValues& values, QSize pixels,
                             const QColor& background) {
    if (!isPictureSize(pixels))
        return {};
    platform::RasterCanvas canvas(kTwipsPerPixel, 1.0);
    canvas.setBackColor(background);
    canvas.resize(pixels);
    if (canvas.image().size() != pixels) // out of memory
        return {};

    module1::GradientStyle s = values.style;
    vb::Long start = s.Start;
    vb::Long stop = s.Stop;
    if (values.stopFromHeight) {
        // 16384 pixels are 245760 twips: always within 32 bits.
        const std::optional<vb::Long> height = wideStopFromScaleHeight(canvas.scaleHeight());
        if (!height)
            return {};
        stop = *height;
    }
    module1::OmbreloWide(canvas, s, start, stop, vb::True);
    canvas.flush();
    // The canvas goes; its image's pixels pass to the caller, uncopied.
    return canvas.image();
}

} // namespace designer
