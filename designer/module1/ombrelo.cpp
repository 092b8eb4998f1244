#include "module1/ombrelo.h"

#include "module1/bandlevels.h"

#include <array>
#include <limits>
#include <optional>
#include <span>
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

// The levels of a run of bands, of which the surface forms the colours it
// needs.
template <bool Divide> class RunColours final : public vb::BandColours {
public:
    static constexpr std::size_t capacity = 256;

    explicit RunColours(LevelInts divisors)
        : divisors_(divisors) {}
    bool colour(std::size_t k, vb::OleColor& colour) const noexcept override {
        return levelColour<Divide>(levels[k], divisors_, colour);
    }

    std::array<Levels, capacity> levels;

private:
    LevelInts divisors_;
};

// What the band loop works with, fixed before it starts.
template <typename Position> struct BandLoop {
    Levels levels; // red, green, blue at the first band
    Levels steps;  // and their change per band
    Integer depth; // the painted height of a band
    Position start, last, stride;
};

// The band loop, walked a run at a time: a run is consecutive bands whose
// boxes fit the position type, at most a buffer full. Positions are computed
// in 64 bits, where no step overflows, so whether a value fits the position
// type is a comparison.
template <typename Position> class BandCursor {
public:
    explicit BandCursor(const BandLoop<Position>& loop)
        : loop_(loop)
        , levels_(loop.levels)
        , y_(loop.start)
        , going_(inRange(loop.start)) {}

    bool going() const { return going_; }

    // Walks on to the end of the next run; its levels go to `levels`. Returns
    // the number of bands in it (0 at the end), and the top of its first box.
    // Kept out of line: with no call in the function, the levels stay in a
    // register from band to band.
    [[gnu::noinline]] std::size_t nextRun(std::span<Levels> levels, double& top) {
        const std::size_t regular = regularBands(levels.size());
        if (regular == 0)
            return nextRunBandByBand(levels, top);
        // Down the surface, every box fitting: only the levels change.
        top = static_cast<double>(y_ - 1);
        const Levels steps = loop_.steps;
        Levels current = levels_;
        for (std::size_t k = 0; k < regular; ++k) {
            levels[k] = current;
            current += steps; // blue, red, green: each its own addition
        }
        levels_ = current;
        y_ += static_cast<long long>(regular) * loop_.stride;
        going_ = y_ <= loop_.last && y_ <= highest;
        return regular;
    }

private:
    static constexpr long long lowest = std::numeric_limits<Position>::min();
    static constexpr long long highest = std::numeric_limits<Position>::max();

    // How many bands from here on move down and have boxes that fit (at most
    // `most`); 0 when the next band is not such a band.
    std::size_t regularBands(std::size_t most) const {
        const long long stride = loop_.stride;
        const long long depth = loop_.depth;
        // y - 1 and y + depth fit for y in firstFitting..lastFitting.
        const long long firstFitting = std::max(lowest + 1, lowest - depth);
        const long long lastFitting = std::min(highest - depth, static_cast<long long>(loop_.last));
        if (!going_ || stride <= 0 || y_ < firstFitting || y_ > lastFitting)
            return 0;
        const long long bands = (lastFitting - y_) / stride + 1;
        return static_cast<std::size_t>(std::min<long long>(bands, static_cast<long long>(most)));
    }

    // The same, one band at a time, for everything else: upward bands, band
    // size 0, boxes that leave the position type.
    std::size_t nextRunBandByBand(std::span<Levels> levels, double& top) {
        // Locals, so that the loop keeps them in registers: the levels stored
        // could otherwise be the members or the loop's.
        const Levels steps = loop_.steps;
        const long long depth = loop_.depth;
        const long long stride = loop_.stride;
        const long long last = loop_.last;
        Levels current = levels_;
        long long y = y_;
        bool going = going_;
        std::size_t count = 0;
        while (going && count < levels.size()) {
            // The box reaches one unit above the band position and one unit
            // left of the surface, so that neighbouring bands leave no seam. A
            // band whose box does not fit the position type is skipped, which
            // ends the run.
            const long long bottom = y + depth;
            const bool fits = (y - 1 >= lowest) & (bottom >= lowest) & (bottom <= highest);
            if (fits) {
                if (count == 0)
                    top = static_cast<double>(y - 1);
                levels[count++] = current;
            }
            // Blue, red, green: each its own single-precision addition.
            current += steps;
            // A band size of 0 would never reach Stop: it paints one band. A
            // next position beyond the position type ends the gradient.
            const long long next = y + stride;
            going = stride != 0 && next >= lowest && next <= highest &&
                    (stride > 0 ? next <= last : next >= last);
            y = next;
            if (!fits && count > 0)
                break;
        }
        levels_ = current;
        y_ = y;
        going_ = going;
        return count;
    }

    bool inRange(long long y) const {
        return loop_.stride >= 0 ? y <= loop_.last : y >= loop_.last;
    }
    const BandLoop<Position>& loop_;
    Levels levels_;
    long long y_;
    bool going_;
};

// The bands go to the surface in runs, a run per call: the surface paints
// each band of a run as its own Line call would, so this changes nothing but
// the number of calls (and of colours formed).
template <typename Position, bool Divide>
void paintAll(vb::DrawingSurface& surface, const BandLoop<Position>& loop, Position width,
              LevelInts divisors) {
    vb::BandRun run;
    run.x1 = -1.0;
    run.x2 = width;
    run.stride = loop.stride;
    run.height = double(loop.depth) + 1.0; // from y - 1 to y + depth
    RunColours<Divide> colours(divisors);
    BandCursor<Position> cursor(loop);
    while (cursor.going()) {
        run.count = cursor.nextRun(colours.levels, run.top);
        if (run.count > 0)
            surface.lineBands(run, colours);
    }
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

    // Stop and Band are taken once, at loop entry. With ModLine 0 (or
    // -32768 \ -1) the painted height cannot be computed and no band can be
    // painted: the loop would change nothing.
    const std::optional<Integer> depth = vb::checked::intDiv(Band, ModLine);
    if (!depth)
        return;
    const Channel red = startChannel(R, N, Band, height);
    const Channel green = startChannel(G, N, Band, height);
    const Channel blue = startChannel(B, N, Band, height);
    const BandLoop<Position> loop{Levels{red.level, green.level, blue.level, 0},
                                  Levels{red.step, green.step, blue.step, 0},
                                  *depth,
                                  Start,
                                  Stop,
                                  Band};
    const LevelInts divisors{MoreXR, MoreXG, MoreXB, 1};
    if (MoreXR == 1 && MoreXG == 1 && MoreXB == 1)
        paintAll<Position, false>(surface, loop, width, divisors);
    else
        paintAll<Position, true>(surface, loop, width, divisors);
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

void OmbreloWide(vb::DrawingSurface& surface, GradientStyle& style, Long& Start, Long& Stop,
                 Integer AutoRedraw) {
    OmbreloWide(surface, style.R, style.G, style.B, style.N, style.Band, Start, Stop, style.ModLine,
                AutoRedraw, style.MoreXR, style.MoreXG, style.MoreXB);
}

} // namespace module1
