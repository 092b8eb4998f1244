#include "logic/rangelabel.h"

namespace designer {

namespace {

std::optional<QString> colourRange(const QString& letter, vb::Long value) {
    if (value >= 0 && value <= 255)
        return letter;
    if (value >= 256 && value <= 512)
        return letter + QStringLiteral("-XT");
    return std::nullopt;
}

std::optional<QString> levelRange(vb::Long value) {
    if (value >= 0 && value <= 127)
        return QStringLiteral("N");
    if (value >= 128 && value <= 255)
        return QStringLiteral("W");
    if (value >= 256 && value <= 512)
        return QStringLiteral("W-XT");
    return std::nullopt;
}

} // namespace

std::optional<QString> rangeLabelText(StyleKey key, vb::Long value) {
    switch (key) {
    case StyleKey::SliderValueR:
        return colourRange(QStringLiteral("R"), value);
    case StyleKey::SliderValueG:
        return colourRange(QStringLiteral("G"), value);
    case StyleKey::SliderValueB:
        return colourRange(QStringLiteral("B"), value);
    case StyleKey::SliderValueN:
        return levelRange(value);
    default:
        return std::nullopt;
    }
}

} // namespace designer
