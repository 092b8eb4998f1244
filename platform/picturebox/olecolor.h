#pragma once
// OLE_COLOR values as the controls and picture boxes take them: 0x00BBGGRR
// for a plain colour (red in the low byte), or 0x800000nn for the system
// colour with index nn (15 the button face, 5 the window background, ...),
// which we take from the Qt palette.

#include "core/vb.h"

#include <QColor>
#include <QPalette>
#include <optional>

namespace platform {

inline constexpr vb::OleColor SystemColourFlag = 0x80000000u;
inline constexpr vb::OleColor ButtonFace = 0x8000000Fu;
inline constexpr vb::OleColor WindowBackground = 0x80000005u;
inline constexpr vb::OleColor WindowText = 0x80000008u;
inline constexpr vb::OleColor ButtonText = 0x80000012u;

constexpr bool isSystemColour(vb::OleColor colour) {
    return (colour & SystemColourFlag) != 0;
}

// The colour an OLE_COLOR stands for, system colours taken from `palette`.
// Empty for a system colour index that we do not know. The high byte of a
// plain colour (palette-index flags) is ignored: the low 24 bits are the RGB.
std::optional<QColor> fromOleColor(vb::OleColor colour, const QPalette& palette);

// Same, with the application's palette (or a light default palette when no
// application object exists, as in tests of the raster model).
std::optional<QColor> fromOleColor(vb::OleColor colour);

// The plain OLE_COLOR of a colour (alpha dropped).
constexpr vb::OleColor toOleColor(QRgb rgb) {
    return static_cast<vb::OleColor>(qRed(rgb)) | (static_cast<vb::OleColor>(qGreen(rgb)) << 8) |
           (static_cast<vb::OleColor>(qBlue(rgb)) << 16);
}
inline vb::OleColor toOleColor(const QColor& colour) {
    return toOleColor(colour.rgb());
}

// The opaque 32-bit pixel value (0xffRRGGBB) of a plain OLE_COLOR.
constexpr QRgb plainOleToRgb(vb::OleColor colour) {
    return qRgb(static_cast<int>(colour & 0xff), static_cast<int>((colour >> 8) & 0xff),
                static_cast<int>((colour >> 16) & 0xff));
}

} // namespace platform
