// Under Xvfb: the X11 strategy really sets the root window's background, as
// another X client (and xprop) sees it, keeps the pixmap after its own
// connection has gone, and frees the previous one on the next use.

#include "wallpaper/desktopwallpaper.h"
#include "wallpaper/tests/scriptedwallpaper.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

using namespace platform;

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

// A vertical gradient from `top` to `bottom`, row by row.
QImage gradient(QSize size, QColor top, QColor bottom) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const double t = size.height() > 1 ? double(y) / (size.height() - 1) : 0.0;
        const auto mix = [t](int a, int b) { return int(a + (b - a) * t + 0.5); };
        const QRgb colour = qRgb(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                                 mix(top.blue(), bottom.blue()));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + size.width(), colour);
    }
    return image;
}

// The pixmap id that xprop reads from a property of the root window.
std::optional<quint32> rootPixmapByXprop(const char* property) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QString::fromLatin1(property)});
    if (!xprop.waitForFinished(10000))
        return std::nullopt;
    const QString output = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("pixmap id # (0x[0-9a-fA-F]+)")).match(output);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const quint32 id = match.captured(1).toUInt(&ok, 16);
    return ok ? std::optional(id) : std::nullopt;
}

class RootWindow {
public:
    RootWindow()
        : connection_(xcb_connect(nullptr, nullptr)) {
        if (!xcb_connection_has_error(connection_.get()))
            screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data;
    }
    bool open() const { return screen_ != nullptr; }
    QSize size() const { return {screen_->width_in_pixels, screen_->height_in_pixels}; }

    // What the root window shows at (x, y), on a 24-bit true-colour screen.
    QRgb pixel(int x, int y) const {
        xcb_connection_t* c = connection_.get();
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                                              std::int16_t(x), std::int16_t(y), 1, 1, ~0u),
                                nullptr),
            &std::free);
        if (!reply || xcb_get_image_data_length(reply.get()) < 4)
            return 0;
        const std::uint8_t* data = xcb_get_image_data(reply.get());
        return qRgb(data[2], data[1], data[0]);
    }

    bool pixmapExists(quint32 id) const {
        xcb_connection_t* c = connection_.get();
        xcb_generic_error_t* error = nullptr;
        auto* reply = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), &error);
        std::free(error);
        std::free(reply);
        return reply != nullptr;
    }

private:
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    const xcb_screen_t* screen_ = nullptr;
};

} // namespace

TEST(X11RootWallpaper, SetsTheRootPixmapAndFreesThePreviousOne) {
    const RootWindow root;
    ASSERT_TRUE(root.open()) << "no X display (run under xvfb-run)";
    const QSize size = root.size();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Brantel Ombrelo WallPaper.bmp"));

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    RecordingCommandRunner commands;
    RecordingDBusCaller bus;
    QStringList reported;
    DesktopWallpaper service(environment, commands, bus,
                             [&](const QString& line) { reported.append(line); });
    ASSERT_EQ(service.desktop(), WallpaperDesktop::X11);

    ASSERT_TRUE(gradient(size, QColor(255, 128, 0), QColor(0, 0, 236)).save(path, "BMP"));
    service.setWallpaper(path);
    EXPECT_TRUE(reported.isEmpty()) << reported.join(QLatin1Char('\n')).toStdString();
    const std::optional<quint32> first = rootPixmapByXprop("_XROOTPMAP_ID");
    ASSERT_TRUE(first);
    EXPECT_EQ(rootPixmapByXprop("ESETROOT_PMAP_ID"), first);
    // The setter's connection is closed: the pixmap was retained.
    EXPECT_TRUE(root.pixmapExists(*first));
    EXPECT_EQ(root.pixel(0, 0), qRgb(255, 128, 0));
    EXPECT_EQ(root.pixel(size.width() - 1, size.height() - 1), qRgb(0, 0, 236));

    // The same file overwritten with another gradient, set again.
    ASSERT_TRUE(gradient(size, QColor(10, 200, 30), QColor(240, 240, 240)).save(path, "BMP"));
    service.setWallpaper(path);
    EXPECT_TRUE(reported.isEmpty()) << reported.join(QLatin1Char('\n')).toStdString();
    const std::optional<quint32> second = rootPixmapByXprop("_XROOTPMAP_ID");
    ASSERT_TRUE(second);
    EXPECT_NE(*second, *first);
    EXPECT_EQ(rootPixmapByXprop("ESETROOT_PMAP_ID"), second);
    EXPECT_FALSE(root.pixmapExists(*first));
    EXPECT_TRUE(root.pixmapExists(*second));
    EXPECT_EQ(root.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(root.pixel(size.width() / 2, size.height() - 1), qRgb(240, 240, 240));
    EXPECT_TRUE(commands.commands.isEmpty());
    EXPECT_TRUE(bus.calls.isEmpty());
}

TEST(X11RootWallpaper, AnUnreadableFileLeavesTheRootAsItWas) {
    const RootWindow root;
    ASSERT_TRUE(root.open());
    const std::optional<quint32> before = rootPixmapByXprop("_XROOTPMAP_ID");
    QStringList reported;
    RecordingCommandRunner commands;
    RecordingDBusCaller bus;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    DesktopWallpaper service(environment, commands, bus,
                             [&](const QString& line) { reported.append(line); });
    service.setWallpaper(QStringLiteral("/nonexistent/Brantel Ombrelo WallPaper.bmp"));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains(QLatin1String("X11 root window")));
    EXPECT_EQ(rootPixmapByXprop("_XROOTPMAP_ID"), before);
}
