#pragma once
// "Set as WallPaper": the current gradient painted at the size of the screen
// into the picture box kept for it, saved as a bitmap at a fixed place and
// handed to the desktop. Nine steps, each one a unit of failure: a step that
// fails is skipped and the next one runs; nothing is shown to the user.

#include "module1/gradientstyle.h"

#include <QSize>
#include <QString>

#include <functional>

class QWidget;

namespace platform {
class PictureBox;
class WallpaperService;
} // namespace platform

namespace designer {

// The screen that the wallpaper is painted for: its size in logical pixels
// and its device pixels per logical pixel.
struct ScreenGeometry {
    QSize logicalSize;
    double pixelRatio = 1.0;
    QSize devicePixels() const;
};

// The screen that `widget` is on (the primary one when it is on none).
ScreenGeometry screenGeometryOf(const QWidget& widget);

// What the operation works with, and nothing more.
struct WallpaperParts {
    platform::PictureBox& picture;       // PicWallPaper: used for nothing else
    module1::GradientStyle& style;       // the window's values; divisors come back clamped
    platform::WallpaperService* service; // none: the desktop is not told
    std::function<ScreenGeometry()> screen;
    QString folder; // where the bitmap is written
};

// The bitmap's name, the same on every use.
inline const QString kWallpaperFileName = QStringLiteral("Brantel Ombrelo WallPaper.bmp");

// $XDG_DATA_HOME/ombrelo: a folder that lasts, because the desktop goes on
// reading the file after the program has ended.
QString defaultWallpaperFolder();

class WallpaperHandler {
public:
    // Shrinks the picture to its size between uses, 120 x 120 twips.
    explicit WallpaperHandler(WallpaperParts parts);

    // "Set as WallPaper".
    void Velmira12_Click();

    QString filePath() const;

private:
    void paintPicture();
    bool saveScreenPart(QSize devicePixels) const;

    WallpaperParts parts_;
};

} // namespace designer
