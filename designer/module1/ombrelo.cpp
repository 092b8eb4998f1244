#include "module1/ombrelo.h"

#include <limits>
#include <optional>

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

// A dimension that cannot be read, or that does not fit 16 bits once rounded,
// counts as 0.
Integer readDimension(vb::DrawingSurface& surface, double (vb::DrawingSurface::*member)()) {
    double value = 0;
    if (!onSurface([&] { value = (surface.*member)(); }))
        return 0;
    return vb::checked::toInteger(value).value_or(0);
}

// Distance over height in double precision, with IEEE results for a height of
// 0: an infinite step, or an undefined one when there is no distance to go.
double perUnit(Integer distance, Integer height) {
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
Channel startChannel(Integer startLevel, Integer N, Integer band, Integer height) {
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

} // namespace

void Ombrelo(vb::DrawingSurface& surface, Integer& R, Integer& G, Integer& B, Integer& N,
             Integer& Band, Integer& Start, Integer& Stop, Integer& ModLine, Integer& AutoRedraw,
             Integer& MoreXR, Integer& MoreXG, Integer& MoreXB) {
    clampDivisors(MoreXR, MoreXG, MoreXB);
    applyAutoRedraw(surface, AutoRedraw);
    const Integer height = readDimension(surface, &vb::DrawingSurface::scaleHeight);
    const Integer width = readDimension(surface, &vb::DrawingSurface::scaleWidth);

    Channel red = startChannel(R, N, Band, height);
    Channel green = startChannel(G, N, Band, height);
    Channel blue = startChannel(B, N, Band, height);
    const Divisors divisors{MoreXR, MoreXG, MoreXB};

    // The painted height of a band; with ModLine 0 (or -32768 \ -1) no band
    // can be painted, but the loop still runs.
    const std::optional<Integer> depth = vb::checked::intDiv(Band, ModLine);
    const Integer last = Stop;
    const Integer stride = Band;

    for (Integer y = Start; stride >= 0 ? y <= last : y >= last;) {
        const std::optional<vb::OleColor> colour = bandColour(red, green, blue, divisors);
        // The box reaches one unit above the band position and one unit left of
        // the surface, so that neighbouring bands leave no seam.
        const std::optional<Integer> top = vb::checked::sub(y, Integer{1});
        const std::optional<Integer> bottom =
            depth ? vb::checked::add(y, *depth) : std::optional<Integer>{};
        if (colour && top && bottom)
            onSurface([&] { surface.lineBox(-1.0, *top, width, *bottom, *colour); });

        blue.level += blue.step;
        red.level += red.step;
        green.level += green.step;

        // A band size of 0 would never reach Stop: it paints one band. A next
        // position beyond 16 bits ends the gradient.
        if (stride == 0)
            break;
        const std::optional<Integer> next = vb::checked::add(y, stride);
        if (!next)
            break;
        y = *next;
    }
}

void Ombrelo(vb::DrawingSurface& surface, GradientStyle& style) {
    Ombrelo(surface, style.R, style.G, style.B, style.N, style.Band, style.Start, style.Stop,
            style.ModLine, style.AutoRedraw, style.MoreXR, style.MoreXG, style.MoreXB);
}

} // namespace module1
