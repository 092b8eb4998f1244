#pragma once
// The three colour levels of a band (red, green, blue) held as one vector of
// four Singles, the fourth unused and 0, so that the work of every band (three
// additions, three roundings, the colour) is a handful of vector operations
// instead of three times the scalar ones. Each lane computes exactly what the
// scalar statement computes: an IEEE single-precision addition lane by lane is
// the scalar addition, and the rounding below is CLng's, ties to even.

#include "core/vb.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace module1 {

using Levels = float __attribute__((vector_size(16)));
using LevelInts = std::int32_t __attribute__((vector_size(16)));

// Each level rounded to nearest with ties to even, as CLng rounds it. A lane
// of `fits` is -1 where the level is finite and fits 32 bits, 0 elsewhere
// (and the rounded lane is then 0). Integer arithmetic only: independent of
// the floating-point rounding mode.
[[gnu::always_inline]] inline LevelInts roundLevels(Levels levels, LevelInts& fits) {
    const Levels limit = {2147483648.0f, 2147483648.0f, 2147483648.0f, 2147483648.0f};
    fits = (levels >= -limit) & (levels < limit); // false for NaN
    // Lanes that do not fit become 0 before the conversion, which is then
    // exact truncation toward zero; the fraction it leaves is exact too.
    const Levels safe = fits ? levels : Levels{};
    const LevelInts whole = __builtin_convertvector(safe, LevelInts);
    const Levels fraction = safe - __builtin_convertvector(whole, Levels);
    const LevelInts odd = (whole & 1) != 0;
    const Levels half = {0.5f, 0.5f, 0.5f, 0.5f};
    // Comparisons give -1 for true: subtracting "up" adds one.
    const LevelInts up = (fraction > half) | ((fraction == half) & odd);
    const LevelInts down = (fraction < -half) | ((fraction == -half) & odd);
    return whole - up + down;
}

// RGB(r, g, b) of the levels, each rounded, then divided by its divisor
// (1..20, lanes of `divisors`) with truncation when Divide; a component below
// 0 counts as 0 and one above 255 as 255. False when a level is not finite or
// does not fit 32 bits: the band cannot be coloured.
template <bool Divide>
[[gnu::always_inline]] inline bool levelColour(Levels levels, LevelInts divisors,
                                               vb::OleColor& colour) {
    LevelInts fits;
    LevelInts c = roundLevels(levels, fits);
#if defined(__SSE2__)
    if ((_mm_movemask_ps(_mm_castsi128_ps(__m128i(fits))) & 7) != 7)
        return false;
#else
    if (!(fits[0] & fits[1] & fits[2]))
        return false;
#endif
    if constexpr (Divide)
        c /= divisors;
#if defined(__SSE2__)
    // Saturating packs limit each component to 0..255 on the way to bytes:
    // 32 to 16 bits signed, then 16 to 8 bits unsigned.
    const __m128i words = _mm_packs_epi32(__m128i(c), __m128i(c));
    const __m128i bytes = _mm_packus_epi16(words, words);
    colour = static_cast<vb::OleColor>(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFFu;
#else
    const LevelInts zero = {};
    const LevelInts full = {255, 255, 255, 255};
    c = c < zero ? zero : c;
    c = c > full ? full : c;
    colour = static_cast<vb::OleColor>(c[0]) | (static_cast<vb::OleColor>(c[1]) << 8) |
             (static_cast<vb::OleColor>(c[2]) << 16);
#endif
    return true;
}

} // namespace module1
