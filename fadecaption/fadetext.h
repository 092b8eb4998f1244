#pragma once
// The fade: a text printed character by character, each character in one
// solid colour, stepping evenly from a first colour (first character) to a
// second colour (last character). No widgets: it paints on any TextCanvas.

#include "core/vb.h"
#include "textcanvas.h"

#include <QString>
#include <QStringList>

namespace fadecaption {

// Red, green and blue levels of a plain colour, split as the fade splits it
// (from the low 24 bits: 0x00BBGGRR).
struct Levels {
    double red = 0;
    double green = 0;
    double blue = 0;
};
Levels splitColour(vb::OleColor colour);

// The characters of a text as the fade prints them: a surrogate pair stays
// together as one character.
QStringList fadeCharacters(const QString& text);

// Sets the canvas's print position to (startX, startY), then prints each
// character of text in its colour of the fade from `first` to `second`
// (plain colours). Neither clears nor refreshes the canvas.
//
// Failures, each a vb::RuntimeError:
//   * one character: 11 "Division by zero", before anything is touched;
//   * more than 32767 characters: 6 "Overflow", before anything is touched;
//   * whatever the canvas raises (438 for a missing operation); characters
//     printed before stay printed.
// An empty text sets the print position and prints nothing.
void fadeText(TextCanvas& canvas, vb::Single startX, vb::Single startY, const QString& text,
              vb::OleColor first, vb::OleColor second);

} // namespace fadecaption
