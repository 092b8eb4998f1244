#pragma once
// Writing a picture to a file: PNG, BMP or JPEG by the file's extension,
// written whole or not at all (nothing half-written is left behind, and a
// file that was there stays as it was when the write fails).

#include <QImage>
#include <QString>

#include <optional>

namespace designer {

enum class PictureFormat { Png, Bmp, Jpeg };

// By the extension in any letter case: .png, .bmp, .jpg or .jpeg.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Empty when written; else the reason, one line, for a message to the user.
// The image is encoded as it is, row by row, without a converted copy:
// opaque 32-bit pixels give a 24-bit PNG, BMP or JPEG.
QString writePictureFile(const QImage& image, const QString& fileName);

} // namespace designer
