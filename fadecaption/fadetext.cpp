#include "fadetext.h"

#include <cmath>

namespace fadecaption {

namespace {

// The running levels are Singles: each step is added in double precision and
// the sum stored back as the nearest float, so long fades drift exactly as
// callers have always seen them drift.
struct RunningLevels {
    float red;
    float green;
    float blue;

    void advance(const Levels& step) {
        red = static_cast<float>(static_cast<double>(red) + step.red);
        green = static_cast<float>(static_cast<double>(green) + step.green);
        blue = static_cast<float>(static_cast<double>(blue) + step.blue);
    }
};

long long nearestLevel(float value) {
    return static_cast<long long>(vb::orRaise(vb::checked::roundHalfEven(value)));
}

// Components are limited to 0..255, so a drift past either end (-0.6 after
// many steps) cannot borrow from the neighbouring component.
vb::OleColor colourOf(const RunningLevels& levels) {
    return vb::rgb(nearestLevel(levels.red), nearestLevel(levels.green), nearestLevel(levels.blue));
}

vb::Integer characterCount(const QStringList& characters) {
    return vb::orRaise(vb::checked::fit<vb::Integer>(characters.size()));
}

double stepOf(double from, double to, vb::Integer intervals) {
    if (intervals == 0)
        vb::raiseError(vb::err::DivisionByZero);
    return (to - from) / intervals;
}

} // namespace

Levels splitColour(vb::OleColor colour) {
    const double rgb = static_cast<double>(colour & 0x00FFFFFFu);
    Levels levels;
    levels.blue = std::floor(rgb / 65536.0);
    const double rest = rgb - 65536.0 * levels.blue;
    levels.green = std::floor(rest / 256.0);
    levels.red = rest - 256.0 * levels.green;
    return levels;
}

QStringList fadeCharacters(const QString& text) {
    QStringList characters;
    characters.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        characters.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return characters;
}

void fadeText(TextCanvas& canvas, vb::Single startX, vb::Single startY, const QString& text,
              vb::OleColor first, vb::OleColor second) {
    const Levels from = splitColour(first);
    const Levels to = splitColour(second);
    const QStringList characters = fadeCharacters(text);
    const vb::Integer count = characterCount(characters);
    const vb::Integer intervals = static_cast<vb::Integer>(count - 1);
    Levels step;
    step.red = stepOf(from.red, to.red, intervals);
    step.green = stepOf(from.green, to.green, intervals);
    step.blue = stepOf(from.blue, to.blue, intervals);

    RunningLevels levels{static_cast<float>(from.red), static_cast<float>(from.green),
                         static_cast<float>(from.blue)};
    canvas.setCurrentX(startX);
    canvas.setCurrentY(startY);
    for (const QString& character : characters) {
        canvas.setForeColor(colourOf(levels));
        canvas.print(character);
        levels.advance(step);
    }
}

} // namespace fadecaption
