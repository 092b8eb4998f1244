#include "module1/ombrelo.h"

#include <limits>
#include <optional>
#include <type_traits>

namespace module1 {

namespace {

using vb::Integer;
using vb::Long;
using vb::Single;

// One call on the surface as a unit of failure: whatever the surface throws
// (its own run-time errors, and anything else) is swallowed.
template <typename Call> bool onSurface(Call&& call) noexcept {
    try {
        call();
        return true;
    } catch (...) {
        return false;
    }
}

// Each comparison is its own step: first everything below 1 is raised, then
// everything from 20 up is lowered.
void clampDivisors(Integer& red, Integer& green, Integer& blue) {
    for (Integer* divisor : {&red, &green, &blue})
        if (*divisor < 1)
            *divisor = 1;
    for (Integer* divisor : {&red, &green, &blue})
        if (*divisor >= 20)
            *divisor = 20;
}

// -1 switches persistent drawing on, 0 off; any other value leaves the
// surface's setting as it is.
void applyAutoRedraw(vb::DrawingSurface& surface, Integer autoRedraw) {
    if (autoRedraw == vb::True)
        onSurface([&] { surface.setAutoRedraw(true); });
    if (autoRedraw == vb::False)
        onSurface([&] { surface.setAutoRedraw(false); });
}

// A dimension that cannot be read, or that does not fit the position type
// once rounded, counts as 0.
template <typename Position>
Position readDimension(vb::DrawingSurface& surface, double (vb::DrawingSurface::*member)()) {
    double value = 0;
    if (!onSurface([&] { value = (surface.*member)(); }))
        return 0;
    if constexpr (std::is_same_v<Position, Integer>)
        return vb::checked::toInteger(value).value_or(0);
    else
        return vb::checked::toLong(value).value_or(0);
}

// Distance over height in double precision, with IEEE results for a height of
// 0: an infinite step, or an undefined one when there is no distance to go.
double perUnit(Integer distance, double height) {
    if (height != 0)
        return double(distance) / double(height);
    if (distance == 0)
        return std::numeric_limits<double>::quiet_NaN();
    return distance > 0 ? std::numeric_limits<double>::infinity()
                        : -std::numeric_limits<double>::infinity();
}

struct Channel {
    Single level = 0;
    Single step = 0;
};

// The level starts at the channel's start level and moves by
// (N - start) * Band / H per band, so that it reaches N at Start + H. When the
// 16-bit difference or product overflows, the channel keeps its start level.
// A height of 0 makes the step infinite (or undefined when N equals the start
// level): the first band still gets the start levels, later bands cannot be
// coloured.
Channel startChannel(Integer startLevel, Integer N, Integer band, double height) {
    Channel channel;
    if (auto difference = vb::checked::sub(N, startLevel))
        if (auto distance = vb::checked::mul(*difference, band))
            if (auto step = vb::checked::toSingle(perUnit(*distance, height)))
                channel.step = *step;
    channel.level = startLevel;
    return channel;
}

// Level rounded to nearest (ties to even), then divided by the divisor with
// truncation. Empty when the level is not finite or does not fit 32 bits.
std::optional<Long> component(Single level, Integer divisor) {
    auto rounded = vb::checked::toLong(level);
    if (!rounded)
        return std::nullopt;
    if (divisor == 1) // the usual case, without a division per band
        return *rounded;
    return vb::checked::intDiv(*rounded, Long{divisor});
}

struct Divisors {
    Integer red;
    Integer green;
    Integer blue;
};

std::optional<vb::OleColor> bandColour(const Channel& red, const Channel& green,
                                       const Channel& blue, const Divisors& divisors) {
    auto r = component(red.level, divisors.red);
    auto g = component(green.level, divisors.green);
    auto b = component(blue.level, divisors.blue);
    if (!r || !g || !b)
        return std::nullopt;
    return vb::rgb(*r, *g, *b);
}

// The procedure over its position type: Integer for the procedure itself,
// Long for surfaces beyond 16 bits. Only the surface's height and width, Start,
// Stop and the band position take that type; levels, Band, ModLine and the
// divisors keep their 16-bit arithmetic, so where every value fits 16 bits
// both paint exactly the same boxes.
template <typename Position>
void paintBands(vb::DrawingSurface& surface, Integer& R, Integer& G, Integer& B, Integer& N,
                Integer& Band, Position& Start, Position& Stop, Integer& ModLine,
                Integer& AutoRedraw, Integer& MoreXR, Integer& MoreXG, Integer& MoreXB) {
    clampDivisors(MoreXR, MoreXG, MoreXB);
    applyAutoRedraw(surface, AutoRedraw);
    const Position height = readDimension<Position>(surface, &vb::DrawingSurface::scaleHeight);
    const Position width = readDimension<Position>(surface, &vb::DrawingSurface::scaleWidth);

    Channel red = startChannel(R, N, Band, height);
    Channel green = startChannel(G, N, Band, height);
    Channel blue = startChannel(B, N, Band, height);
    const Divisors divisors{MoreXR, MoreXG, MoreXB};

    // The painted height of a band; with ModLine 0 (or -32768 \ -1) no band
    // can be painted, but the loop still runs.
    const std::optional<Integer> depth = vb::checked::intDiv(Band, ModLine);
    const Position last = Stop;
    const Position stride = Band;

    for (Position y = Start; stride >= 0 ? y <= last : y >= last;) {
        const std::optional<vb::OleColor> colour = bandColour(red, green, blue, divisors);
        // The box reaches one unit above the band position and one unit left of
        // the surface, so that neighbouring bands leave no seam.
        const std::optional<Position> top = vb::checked::sub(y, Position{1});
        const std::optional<Position> bottom =
            depth ? vb::checked::add(y, Position{*depth}) : std::optional<Position>{};
        if (colour && top && bottom)
            onSurface([&] { surface.lineBox(-1.0, *top, width, *bottom, *colour); });

        blue.level += blue.step;
        red.level += red.step;
        green.level += green.step;

        // A band size of 0 would never reach Stop: it paints one band. A next
        // position beyond the position type ends the gradient.
        if (stride == 0)
            break;
        const std::optional<Position> next = vb::checked::add(y, stride);
        if (!next)
            break;
        y = *next;
    }
}

} // namespace

void Ombrelo(vb::DrawingSurface& surface, Integer& R, Integer& G, Integer& B, Integer& N,
             Integer& Band, Integer& Start, Integer& Stop, Integer& ModLine, Integer& AutoRedraw,
             Integer& MoreXR, Integer& MoreXG, Integer& MoreXB) {
    paintBands(surface, R, G, B, N, Band, Start, Stop, ModLine, AutoRedraw, MoreXR, MoreXG, MoreXB);
}

void OmbreloWide(vb::DrawingSurface& surface, Integer& R, Integer& G, Integer& B, Integer& N,
                 Integer& Band, Long& Start, Long& Stop, Integer& ModLine, Integer& AutoRedraw,
                 Integer& MoreXR, Integer& MoreXG, Integer& MoreXB) {
    paintBands(surface, R, G, B, N, Band, Start, Stop, ModLine, AutoRedraw, MoreXR, MoreXG, MoreXB);
}

void Ombrelo(vb::DrawingSurface& surface, GradientStyle& style) {
    Ombrelo(surface, style.R, style.G, style.B, style.N, style.Band, style.Start, style.Stop,
            style.ModLine, style.AutoRedraw, style.MoreXR, style.MoreXG, style.MoreXB);
}

} // namespace module1
