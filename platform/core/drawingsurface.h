#pragma once
// What the drawing procedure paints on: any object that offers AutoRedraw,
// ScaleHeight, ScaleWidth and the filled-box form of Line, addressed late-bound.
//
// Each member may be missing or may fail. A member that an implementation does
// not override is missing: it raises run-time error 438 ("Object doesn't
// support this property or method"), as a late-bound call on an object without
// that member does. An implementation may raise any other vb::RuntimeError.

#include "core/vb.h"

#include <cstddef>

namespace vb {

// A run of the bands of a gradient: band k (0 <= k < count) is the filled box
// Line (x1, top + k * stride)-(x2, top + k * stride + height), colour, BF,
// painted in the order of k.
struct BandRun {
    double x1 = 0;
    double x2 = 0;
    double top = 0;
    double stride = 0;
    double height = 0;
    std::size_t count = 0;

    double y1(std::size_t k) const { return top + static_cast<double>(k) * stride; }
    double y2(std::size_t k) const { return y1(k) + height; }
};

// The colours of the bands of a run, formed when they are asked for: a
// surface that shows only some bands (a later band covering an earlier one)
// need not have the others formed.
class BandColours {
public:
    // The colour of band k; false when it cannot be formed, and that band is
    // then not painted. Never throws.
    virtual bool colour(std::size_t k, OleColor& colour) const noexcept = 0;

protected:
    ~BandColours() = default;
};

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

    // The bands of a run, painted exactly as lineBox on each band that has a
    // colour would paint them, in order. Each band is its own unit of
    // failure: one that fails is skipped and the next is painted; nothing is
    // thrown. This one calls lineBox band by band; a raster surface overrides
    // it to paint a gradient without a call (or a colour) per band.
    virtual void lineBands(const BandRun& run, const BandColours& colours) noexcept {
        for (std::size_t k = 0; k < run.count; ++k) {
            OleColor colour = 0;
            if (!colours.colour(k, colour))
                continue;
            try {
                lineBox(run.x1, run.y1(k), run.x2, run.y2(k), colour);
            } catch (...) {
                // this band is skipped
            }
        }
    }

protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;
};

} // namespace vb
