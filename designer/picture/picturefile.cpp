#include "picture/picturefile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace designer {

namespace {

const char* formatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "BMP";
    case PictureFormat::Jpeg:
        return "JPEG";
    case PictureFormat::Png:
        break;
    }
    return "PNG";
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().toLower();
    if (info.fileName().size() <= suffix.size() + 1) // ".png" alone names no file
        return std::nullopt;
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("bmp"))
        return PictureFormat::Bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureFormat::Jpeg;
    return std::nullopt;
}

QString writePictureFile(const QImage& image, const QString& fileName) {
    const std::optional<PictureFormat> format = pictureFormatOf(fileName);
    if (!format)
        return QStringLiteral("the name must end in .png, .bmp, .jpg or .jpeg");
    if (image.isNull())
        return QStringLiteral("there is no picture to write");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, formatName(*format));
    if (*format == PictureFormat::Jpeg)
        writer.setQuality(95);
    if (!writer.write(image)) {
        // The device's own reason (a full disk) says more than the encoder's.
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace designer
