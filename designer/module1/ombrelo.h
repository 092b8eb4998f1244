#pragma once
// The one painting algorithm of the designer: a vertical gradient of
// horizontal bands, painted on any drawing surface. The same procedure, word
// for word in the user's language, ships as "Function Ombrelo.fnc", so that
// the user's application paints exactly what the preview shows.

#include "core/drawingsurface.h"
#include "core/vb.h"
#include "module1/gradientstyle.h"

namespace module1 {

// Paints the gradient on the surface. All twelve values are taken by
// reference; the three divisors come back clamped to 1..20 and the others are
// left as they were. Every step that fails (a member the surface lacks or that
// raises an error, a value that does not fit 16 or 32 bits, a division by
// zero) is skipped and the next one runs: nothing is reported, nothing is
// thrown.
void Ombrelo(vb::DrawingSurface& surface, vb::Integer& R, vb::Integer& G, vb::Integer& B,
             vb::Integer& N, vb::Integer& Band, vb::Integer& Start, vb::Integer& Stop,
             vb::Integer& ModLine, vb::Integer& AutoRedraw, vb::Integer& MoreXR,
             vb::Integer& MoreXG, vb::Integer& MoreXB);

// The same procedure for surfaces beyond 16 bits (the full-screen window, the
// wallpaper picture, pictures rendered to files): the surface's height and
// width, Start, Stop and the band position are 32-bit, so that a surface of
// any common screen size is painted whole, with bands of the same size in
// scale units as on a small one. Everything else is computed as above; where
// every value fits 16 bits, it paints exactly the boxes of Ombrelo.
void OmbreloWide(vb::DrawingSurface& surface, vb::Integer& R, vb::Integer& G, vb::Integer& B,
                 vb::Integer& N, vb::Integer& Band, vb::Long& Start, vb::Long& Stop,
                 vb::Integer& ModLine, vb::Integer& AutoRedraw, vb::Integer& MoreXR,
                 vb::Integer& MoreXG, vb::Integer& MoreXB);

// The same with the values of a style; its divisors come back clamped.
void Ombrelo(vb::DrawingSurface& surface, GradientStyle& style);

// The widened procedure with the values of a style, except Start and Stop,
// which are given in 32 bits, and AutoRedraw, which is given too (the large
// surfaces keep what they are painted); the style's divisors come back
// clamped.
void OmbreloWide(vb::DrawingSurface& surface, GradientStyle& style, vb::Long& Start, vb::Long& Stop,
                 vb::Integer AutoRedraw);

} // namespace module1
