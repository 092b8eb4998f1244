// The root window's background on a bare X11 window manager, set the way the
// root-setting tools agree on, so that they and we replace each other
// cleanly and pseudo-transparent programs find the picture:
//   - the pixmap is made on a connection of its own whose close-down mode is
//     RetainPermanent, so that it outlives the program (until the server
//     resets, at the end of the session);
//   - its id is published in the root's _XROOTPMAP_ID (what terminals and
//     panels read) and ESETROOT_PMAP_ID (the mark of a setter that retains
//     its pixmap);
//   - when both name the same pixmap, it was retained by an earlier setter:
//     killing the client that owns it (XKillClient on the id) frees it.

#include "wallpaper/strategies.h"

#include <QImage>

#include <xcb/xcb.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// How the server wants a pixel of the root's depth in a ZPixmap image.
struct PixelLayout {
    int bitsPerPixel = 0;
    int scanlinePad = 32;
    bool mostSignificantFirst = false;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
};

const xcb_screen_t* screenNumbered(const xcb_setup_t* setup, int number) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i)
        if (i == number)
            return it.data;
    return nullptr;
}

std::optional<PixelLayout> rootLayout(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    PixelLayout layout;
    layout.mostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    for (xcb_format_iterator_t f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0;
         xcb_format_next(&f)) {
        if (f.data->depth == screen->root_depth) {
            layout.bitsPerPixel = f.data->bits_per_pixel;
            layout.scanlinePad = f.data->scanline_pad;
        }
    }
    if (layout.bitsPerPixel != 16 && layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32)
        return std::nullopt;
    for (xcb_depth_iterator_t d = xcb_screen_allowed_depths_iterator(screen); d.rem > 0;
         xcb_depth_next(&d)) {
        for (xcb_visualtype_iterator_t v = xcb_depth_visuals_iterator(d.data); v.rem > 0;
             xcb_visualtype_next(&v)) {
            if (v.data->visual_id != screen->root_visual)
                continue;
            if (v.data->_class != XCB_VISUAL_CLASS_TRUE_COLOR &&
                v.data->_class != XCB_VISUAL_CLASS_DIRECT_COLOR)
                return std::nullopt;
            layout.masks[0] = v.data->red_mask;
            layout.masks[1] = v.data->green_mask;
            layout.masks[2] = v.data->blue_mask;
            return layout;
        }
    }
    return std::nullopt;
}

// Each 8-bit level scaled into its mask, for the three channels.
struct LevelTables {
    std::uint32_t channel[3][256];
    explicit LevelTables(const PixelLayout& layout) {
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t mask = layout.masks[c];
            const int shift = mask ? std::countr_zero(mask) : 0;
            const std::uint32_t top = mask >> shift;
            for (std::uint32_t level = 0; level < 256; ++level)
                channel[c][level] = (((level * top + 127) / 255) << shift) & mask;
        }
    }
};

int rowBytes(int width, const PixelLayout& layout) {
    const int bits = width * layout.bitsPerPixel;
    const int pad = layout.scanlinePad > 0 ? layout.scanlinePad : 32;
    return (bits + pad - 1) / pad * pad / 8;
}

void encodeRows(const QImage& image, int firstRow, int rows, const PixelLayout& layout,
                const LevelTables& levels, std::vector<std::uint8_t>& out) {
    const int stride = rowBytes(image.width(), layout);
    const int bytes = layout.bitsPerPixel / 8;
    out.assign(std::size_t(stride) * std::size_t(rows), 0);
    for (int r = 0; r < rows; ++r) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(firstRow + r));
        std::uint8_t* dst = out.data() + std::size_t(r) * std::size_t(stride);
        for (int x = 0; x < image.width(); ++x, dst += bytes) {
            const QRgb p = line[x];
            const std::uint32_t value = levels.channel[0][qRed(p)] | levels.channel[1][qGreen(p)] |
                                        levels.channel[2][qBlue(p)];
            for (int b = 0; b < bytes; ++b) {
                const int shift = layout.mostSignificantFirst ? 8 * (bytes - 1 - b) : 8 * b;
                dst[b] = std::uint8_t(value >> shift);
            }
        }
    }
}

QString errorText(const xcb_generic_error_t* error, const char* what) {
    return QStringLiteral("%1 failed (X error %2)")
        .arg(QLatin1String(what))
        .arg(int(error->error_code));
}

// Waits until the server has handled every request sent; the first error
// that any of them raised, or an empty text.
QString roundTrip(xcb_connection_t* connection, const char* what) {
    Reply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    QString problem;
    if (!reply)
        problem = QStringLiteral("the X server connection broke");
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        if (event->response_type == 0 && problem.isEmpty())
            problem = errorText(reinterpret_cast<xcb_generic_error_t*>(event), what);
        std::free(event);
    }
    return problem;
}

QString uploadImage(xcb_connection_t* connection, xcb_pixmap_t pixmap, const QImage& image,
                    std::uint8_t depth, const PixelLayout& layout) {
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, pixmap, 0, nullptr);
    const LevelTables levels(layout);
    const std::size_t maxRequest = std::size_t(xcb_get_maximum_request_length(connection)) * 4;
    const std::size_t stride = std::size_t(rowBytes(image.width(), layout));
    const int rowsPerRequest = int(std::max<std::size_t>(1, (maxRequest - 64) / stride));
    std::vector<std::uint8_t> data;
    for (int y = 0; y < image.height(); y += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, image.height() - y);
        encodeRows(image, y, rows, layout, levels, data);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc,
                      std::uint16_t(image.width()), std::uint16_t(rows), 0, std::int16_t(y), 0,
                      depth, std::uint32_t(data.size()), data.data());
    }
    xcb_free_gc(connection, gc);
    return roundTrip(connection, "drawing the pixmap");
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::optional<xcb_pixmap_t> pixmapProperty(xcb_connection_t* connection, xcb_window_t root,
                                           xcb_atom_t atom) {
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom, XCB_ATOM_PIXMAP, 0, 1), nullptr));
    if (!reply || reply->type != XCB_ATOM_PIXMAP || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    xcb_pixmap_t id = 0;
    std::memcpy(&id, xcb_get_property_value(reply.get()), sizeof id);
    return id != XCB_NONE ? std::optional(id) : std::nullopt;
}

// Frees what the previous setter retained, when it followed the convention.
void freePreviousPixmap(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t rootId,
                        xcb_atom_t setterId) {
    const auto shown = pixmapProperty(connection, root, rootId);
    const auto retained = pixmapProperty(connection, root, setterId);
    if (!shown || !retained || *shown != *retained)
        return;
    // A client that is already gone answers BadValue: nothing to free.
    std::free(xcb_request_check(connection, xcb_kill_client_checked(connection, *retained)));
}

void publish(xcb_connection_t* connection, xcb_window_t root, xcb_pixmap_t pixmap,
             xcb_atom_t rootId, xcb_atom_t setterId) {
    for (const xcb_atom_t atom : {rootId, setterId})
        if (atom != XCB_ATOM_NONE)
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, atom, XCB_ATOM_PIXMAP, 32,
                                1, &pixmap);
    xcb_change_window_attributes(connection, root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(connection, 0, root, 0, 0, 0, 0);
}

} // namespace

QString setX11RootWallpaper(const QString& display, const QString& path) {
    QImage picture(path);
    if (picture.isNull())
        return QStringLiteral("cannot read %1").arg(path);
    int screenNumber = 0;
    const QByteArray name = display.toLocal8Bit();
    Connection connection(xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screenNumber));
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c))
        return QStringLiteral("cannot open the X display %1")
            .arg(display.isEmpty() ? QStringLiteral("($DISPLAY unset)") : display);
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_screen_t* screen = screenNumbered(setup, screenNumber);
    if (!screen)
        return QStringLiteral("the X display has no screen %1").arg(screenNumber);
    const std::optional<PixelLayout> layout = rootLayout(setup, screen);
    if (!layout)
        return QStringLiteral("the root window's visual is not a true-colour one");

    // The root spans every monitor; a vertical gradient stretched along its
    // bands looks the same.
    const QImage image = picture
                             .scaled(screen->width_in_pixels, screen->height_in_pixels,
                                     Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    if (Reply<xcb_generic_error_t> error{xcb_request_check(
            c, xcb_create_pixmap_checked(c, screen->root_depth, pixmap, screen->root,
                                         screen->width_in_pixels, screen->height_in_pixels))})
        return errorText(error.get(), "creating the pixmap");
    if (const QString problem = uploadImage(c, pixmap, image, screen->root_depth, *layout);
        !problem.isEmpty()) {
        xcb_free_pixmap(c, pixmap);
        return problem;
    }

    const xcb_atom_t rootId = internAtom(c, "_XROOTPMAP_ID");
    const xcb_atom_t setterId = internAtom(c, "ESETROOT_PMAP_ID");
    freePreviousPixmap(c, screen->root, rootId, setterId);
    publish(c, screen->root, pixmap, rootId, setterId);
    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    return roundTrip(c, "setting the root window's background");
}

} // namespace platform
