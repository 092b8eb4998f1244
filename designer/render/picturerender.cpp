#include "render/picturerender.h"

#include "logic/stopheight.h"

#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace render {

namespace {

constexpr double kTwipsPerPixel = 15.0; // 96 dots per inch

bool writePicture(const QImage& shown, const std::string& file, PictureFormat format) {
    // 24 bits per pixel, as the picture box writes its own bitmaps.
    const QImage opaque = shown.convertToFormat(QImage::Format_RGB888);
    return opaque.save(QString::fromStdString(file), format == PictureFormat::Png ? "PNG" : "BMP");
}

} // namespace

void prepareGuiEnvironment() {
    const bool hasDisplay =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !hasDisplay)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
}

PictureOutcome renderPicture(const RenderRequest& request) {
    platform::PictureBox picture;
    picture.setPixelRatioOverride(1.0);
    picture.resize(request.pixelWidth, request.pixelHeight);
    if (picture.twipsPerPixel() != kTwipsPerPixel)
        return {1, "the screen is not at 96 dots per inch; set QT_FONT_DPI=96 or "
                   "QT_QPA_PLATFORM=offscreen"};

    // Pictures are large surfaces: the widened procedure paints them whole,
    // in bands of the same twips as on a small surface.
    module1::GradientStyle style = request.style;
    vb::Long start = style.Start;
    vb::Long stop = style.Stop;
    if (request.stopFromHeight) {
        const std::optional<vb::Long> height =
            designer::wideStopFromScaleHeight(picture.scaleHeight());
        if (!height)
            return {2, "Stop h: the picture's height does not fit 32 bits"};
        stop = *height;
    }
    module1::OmbreloWide(picture, style, start, stop, style.AutoRedraw);

    // What the box shows: with AutoRedraw off the gradient lies on the
    // screen alone, not in the retained image.
    if (!writePicture(picture.shownImage(), request.outputFile, request.format))
        return {1, "cannot write " + request.outputFile};
    return {};
}

} // namespace render
