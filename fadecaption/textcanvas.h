#pragma once
// What the fade paints on: any object that can take a print position, a text
// colour and a string to print, addressed by name as a late-bound object is.
//
// An operation that an implementation does not override is missing: it
// raises run-time error 438 ("Object doesn't support this property or
// method"), as a late-bound call on an object without that member does. An
// implementation may raise any other vb::RuntimeError.

#include "core/vb.h"

#include <QString>

namespace fadecaption {

class TextCanvas {
public:
    virtual ~TextCanvas() = default;

    // CurrentX / CurrentY: the print position, in the canvas's scale units.
    virtual void setCurrentX(vb::Single x) {
        (void)x;
        vb::raiseError(vb::err::NotSupported);
    }
    virtual void setCurrentY(vb::Single y) {
        (void)y;
        vb::raiseError(vb::err::NotSupported);
    }
    // ForeColor: the colour of text printed from now on (0x00BBGGRR).
    virtual void setForeColor(vb::OleColor colour) {
        (void)colour;
        vb::raiseError(vb::err::NotSupported);
    }
    // Print text; without line break: draws at the print position and moves
    // its X to the right end of the text, Y stays.
    virtual void print(const QString& text) {
        (void)text;
        vb::raiseError(vb::err::NotSupported);
    }

protected:
    TextCanvas() = default;
    TextCanvas(const TextCanvas&) = default;
    TextCanvas& operator=(const TextCanvas&) = default;
};

} // namespace fadecaption
