#include "window/wallpaper.h"

#include "logic/stopheight.h"
#include "logic/userfiles.h"
#include "module1/ombrelo.h"
#include "picturebox/picturebox.h"
#include "wallpaper/wallpaperservice.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <cmath>
#include <exception>

namespace designer {

namespace {

constexpr double kRestingTwips = 120;
constexpr double kExtraHeightTwips = 50;
constexpr double kExtraWidthTwips = 60;

// One step of the operation: whatever it raises skips the rest of the step.
template <typename Step> void unit(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const std::exception&) {
    }
}

} // namespace

QSize ScreenGeometry::devicePixels() const {
    return QSize(int(std::lround(logicalSize.width() * pixelRatio)),
                 int(std::lround(logicalSize.height() * pixelRatio)));
}

ScreenGeometry screenGeometryOf(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry().size(), screen->devicePixelRatio()};
}

QString defaultWallpaperFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(kDataSubfolder);
}

WallpaperHandler::WallpaperHandler(WallpaperParts parts)
    : parts_(std::move(parts)) {
    parts_.picture.setHeightTwips(kRestingTwips);
    parts_.picture.setWidthTwips(kRestingTwips);
}

QString WallpaperHandler::filePath() const {
    return QDir(parts_.folder).filePath(kWallpaperFileName);
}

void WallpaperHandler::Velmira12_Click() {
    platform::PictureBox& picture = parts_.picture;
    const ScreenGeometry screen = parts_.screen ? parts_.screen() : ScreenGeometry{};
    const QString path = filePath();
    unit([&] { QDir().mkpath(parts_.folder); });
    // Painted at the screen's device pixels; the twip geometry follows the
    // logical ones.
    unit([&] {
        picture.setPixelRatioOverride(screen.pixelRatio);
        picture.setHeightTwips(screen.logicalSize.height() * picture.twipsPerPixel() +
                               kExtraHeightTwips);
    });
    unit([&] {
        picture.setWidthTwips(screen.logicalSize.width() * picture.twipsPerPixel() +
                              kExtraWidthTwips);
    });
    unit([&] { paintPicture(); });
    unit([&] { saveScreenPart(screen.devicePixels()); });
    unit([&] {
        if (parts_.service)
            parts_.service->setWallpaper(path);
    });
    unit([&] { picture.cls(); });
    unit([&] { picture.setHeightTwips(kRestingTwips); });
    unit([&] { picture.setWidthTwips(kRestingTwips); });
}

// Start 0, Stop the picture's own height, drawing kept; the other values are
// the window's own, by reference. The widened procedure paints screens of
// any common size whole; a height beyond even its range skips the step.
void WallpaperHandler::paintPicture() {
    module1::GradientStyle& s = parts_.style;
    platform::PictureBox& picture = parts_.picture;
    const std::optional<vb::Long> height = wideStopFromScaleHeight(picture.scaleHeight());
    if (!height)
        return;
    vb::Long start = 0;
    vb::Long stop = *height;
    module1::OmbreloWide(picture, s, start, stop, vb::True);
}

// The picture is a little larger than the screen (the 60 and 50 twips that
// the frame of a bordered picture box would take); the file holds the part
// the screen shows, at its device pixels, written whole or not at all, so
// that a desktop reading it never sees half a picture.
bool WallpaperHandler::saveScreenPart(QSize devicePixels) const {
    const QImage retained = parts_.picture.image();
    const QRect part = QRect(QPoint(0, 0), devicePixels).intersected(retained.rect());
    if (part.isEmpty())
        return false;
    const QImage image = retained.copy(part).convertToFormat(QImage::Format_RGB888);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace designer
