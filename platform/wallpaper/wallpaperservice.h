#pragma once
// Making a picture file the desktop wallpaper. The window hands over the
// path of the bitmap it has written; how the desktop is told is the
// service's business. Nothing is returned and nothing is shown to the user.

#include <QString>

namespace platform {

class WallpaperService {
public:
    virtual ~WallpaperService() = default;
    // Asks the desktop to show the picture at `path` (an absolute path). The
    // file must stay where it is: most desktops keep reading it.
    virtual void setWallpaper(const QString& path) = 0;
};

} // namespace platform
