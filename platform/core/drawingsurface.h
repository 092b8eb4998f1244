#pragma once
// What the drawing procedure paints on: any object that offers AutoRedraw,
// ScaleHeight, ScaleWidth and the filled-box form of Line, addressed late-bound.
//
// Each member may be missing or may fail. A member that an implementation does
// not override is missing: it raises run-time error 438 ("Object doesn't
// support this property or method"), as a late-bound call on an object without
// that member does. An implementation may raise any other vb::RuntimeError.

#include "core/vb.h"

namespace vb {

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // AutoRedraw = on: true sends drawing to the persistent image.
    virtual void setAutoRedraw(bool on) {
        (void)on;
        raiseError(err::NotSupported);
    }

    // Inner height and width in the surface's scale units (a Single).
    virtual double scaleHeight() { raiseError(err::NotSupported); }
    virtual double scaleWidth() { raiseError(err::NotSupported); }

    // Line (x1, y1)-(x2, y2), colour, BF: fills the axis-aligned box with
    // opposite corners (x1, y1) and (x2, y2), in scale units, y downward.
    virtual void lineBox(double x1, double y1, double x2, double y2, OleColor colour) {
        (void)x1, (void)y1, (void)x2, (void)y2, (void)colour;
        raiseError(err::NotSupported);
    }

protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;
};

} // namespace vb
