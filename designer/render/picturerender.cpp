#include "render/picturerender.h"

#include "logic/stopheight.h"

#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

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

    module1::GradientStyle style = request.style;
    if (request.stopFromHeight) {
        auto stop = designer::stopFromScaleHeight(picture.scaleHeight());
        if (!stop)
            return {2, "Stop h: a picture " + std::to_string(request.pixelHeight) +
                           " pixels high is more than 32767 twips (see --help)"};
        style.Stop = *stop;
    }
    module1::Ombrelo(picture, style);

    // What the box shows: with AutoRedraw off the gradient lies on the
    // screen alone, not in the retained image.
    if (!writePicture(picture.shownImage(), request.outputFile, request.format))
        return {1, "cannot write " + request.outputFile};
    return {};
}

} // namespace render
