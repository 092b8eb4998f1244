#pragma once
// The picture that a call statement paints: its gradient on a surface of
// W x H pixels at 15 twips per pixel (96 dots per inch), painted with the
// widened procedure as the full-screen window and the wallpaper are, with
// persistent drawing on. Saved pictures, copied pictures and ombrelo-render
// all come from here, so they are the same pixels for the same values.
//
// Widget-free: the pixels are a raster canvas, never shown. Painted in place,
// with no second full-size copy: a picture of 16384 x 16384 takes 1 GiB.

#include "logic/savedstatement.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace designer {

inline constexpr int kMaxPictureSide = 16384;

// Each side 1..kMaxPictureSide pixels.
bool isPictureSize(QSize pixels);

// What the surface shows where no band paints (the gaps of ModLine above 1):
// the button face of the application's palette, as a fresh picture box.
QColor pictureBackground();

// The painted picture (32 bits per pixel, opaque), or a null image when the
// size is refused or its memory cannot be had.
QImage paintStatementPicture(const StatementValues& values, QSize pixels,
                             const QColor& background = pictureBackground());

} // namespace designer
