#pragma once
// The language semantics that the whole system relies on, in one place:
// 16-bit Integer and 32-bit Long arithmetic that fails instead of wrapping,
// conversions of fractional values that round to nearest with ties to even,
// integer division that truncates toward zero, the truth values -1/0, and
// run-time errors with a number and a description.
//
// Every operation comes in two forms: a checked one returning std::optional
// (empty on failure, for hot paths), and a throwing one raising RuntimeError
// (for code that treats each statement as a unit of failure, see resumeNext).

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace vb {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Boolean = std::int16_t; // -1 true, 0 false
using OleColor = std::uint32_t;

inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

constexpr Boolean toBoolean(bool value) {
    return value ? True : False;
}
// Any non-zero value counts as true in a condition.
constexpr bool isTrue(long long value) {
    return value != 0;
}

// Check-box states.
inline constexpr Integer Unchecked = 0;
inline constexpr Integer Checked = 1;

// ---------------------------------------------------------------- errors

namespace err {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int ObjectRequired = 424;
inline constexpr int CantCreateObject = 429;
inline constexpr int NotSupported = 438;
} // namespace err

// The standard description of an error number ("Overflow" for 6, ...).
inline std::string errorDescription(int number) {
    switch (number) {
    case err::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case err::Overflow:
        return "Overflow";
    case err::OutOfMemory:
        return "Out of memory";
    case err::SubscriptOutOfRange:
        return "Subscript out of range";
    case err::DivisionByZero:
        return "Division by zero";
    case err::TypeMismatch:
        return "Type mismatch";
    case err::FileNotFound:
        return "File not found";
    case err::PathNotFound:
        return "Path not found";
    case err::InvalidPropertyValue:
        return "Invalid property value";
    case err::ObjectRequired:
        return "Object required";
    case err::CantCreateObject:
        return "ActiveX component can't create object";
    case err::NotSupported:
        return "Object doesn't support this property or method";
    default:
        return "Application-defined or object-defined error";
    }
}

// A run-time error: a number and a description.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number)
        : RuntimeError(number, errorDescription(number)) {}
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description)
        , number_(number) {}
    int number() const noexcept { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

[[noreturn]] inline void raiseError(int number) {
    throw RuntimeError(number);
}

// The number of the run-time error that a call raises; 0 when it raises none.
template <typename Call> int errorRaisedBy(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// Runs one statement as a unit of failure: a run-time error skips the rest of
// the statement and is swallowed. Returns whether the statement completed.
template <typename Statement> bool resumeNext(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

// ---------------------------------------------------------------- checked

namespace checked {

template <typename T> constexpr std::optional<T> fit(long long value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(value);
}

constexpr std::optional<Integer> add(Integer a, Integer b) {
    return fit<Integer>(0LL + a + b);
}
constexpr std::optional<Integer> sub(Integer a, Integer b) {
    return fit<Integer>(0LL + a - b);
}
constexpr std::optional<Integer> mul(Integer a, Integer b) {
    return fit<Integer>(1LL * a * b);
}
constexpr std::optional<Long> add(Long a, Long b) {
    return fit<Long>(0LL + a + b);
}
constexpr std::optional<Long> sub(Long a, Long b) {
    return fit<Long>(0LL + a - b);
}
constexpr std::optional<Long> mul(Long a, Long b) {
    return fit<Long>(1LL * a * b);
}

// The "\" operator: truncates toward zero; fails on a zero divisor and on a
// quotient that does not fit (-32768 \ -1).
constexpr std::optional<Integer> intDiv(Integer a, Integer b) {
    if (b == 0)
        return std::nullopt;
    return fit<Integer>(0LL + a / b);
}
constexpr std::optional<Long> intDiv(Long a, Long b) {
    if (b == 0)
        return std::nullopt;
    if (b == -1) // the one quotient that may not fit
        return fit<Long>(-(1LL * a));
    return a / b; // a 32-bit division: much cheaper than a 64-bit one
}

// Round to nearest, ties to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
// Empty for NaN and infinities.
inline std::optional<double> roundHalfEven(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    double r = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        r = 2.0 * std::round(value / 2.0);
    return r;
}

// The value rounded to nearest with ties to even, for |value| < 2^31 (hot:
// every band of a gradient converts its levels). Integer arithmetic only, so
// no library call and no dependence on the floating-point rounding mode: the
// truncation is exact, and so is the fraction it leaves.
inline long long roundHalfEvenSmall(double value) {
    const auto whole = static_cast<long long>(value);
    const double fraction = value - static_cast<double>(whole);
    const bool odd = (whole & 1) != 0;
    // Bitwise operators keep it free of branches, which the fractions of a
    // gradient's levels would mispredict.
    const bool up = (fraction > 0.5) | ((fraction == 0.5) & odd);
    const bool down = (fraction < -0.5) | ((fraction == -0.5) & odd);
    return whole + static_cast<long long>(up) - static_cast<long long>(down);
}

// CInt / CLng: ties to even, then range checked.
inline std::optional<Integer> toInteger(double value) {
    if (std::fabs(value) < 2147483648.0) // false for NaN
        return fit<Integer>(roundHalfEvenSmall(value));
    return std::nullopt; // beyond 32 bits, or not finite
}
inline std::optional<Long> toLong(double value) {
    if (std::fabs(value) < 2147483648.0) // false for NaN
        return fit<Long>(roundHalfEvenSmall(value));
    auto r = roundHalfEven(value);
    if (!r || *r < -2147483648.0 || *r > 2147483647.0)
        return std::nullopt;
    return static_cast<Long>(*r);
}

// Storing a Double into a Single: a finite value beyond the Single range
// overflows; infinities and NaN pass through as they are.
inline std::optional<Single> toSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<Single>::max())
        return std::nullopt;
    return static_cast<Single>(value);
}

} // namespace checked

// ---------------------------------------------------------------- throwing

template <typename T> T orRaise(std::optional<T> value, int number = err::Overflow) {
    if (!value)
        raiseError(number);
    return *value;
}

inline Integer add(Integer a, Integer b) {
    return orRaise(checked::add(a, b));
}
inline Integer sub(Integer a, Integer b) {
    return orRaise(checked::sub(a, b));
}
inline Integer mul(Integer a, Integer b) {
    return orRaise(checked::mul(a, b));
}
inline Long add(Long a, Long b) {
    return orRaise(checked::add(a, b));
}
inline Long sub(Long a, Long b) {
    return orRaise(checked::sub(a, b));
}
inline Long mul(Long a, Long b) {
    return orRaise(checked::mul(a, b));
}

template <typename T> T intDiv(T a, T b) {
    if (b == 0)
        raiseError(err::DivisionByZero);
    return orRaise(checked::intDiv(a, b));
}

inline Integer toInteger(double value) {
    return orRaise(checked::toInteger(value));
}
inline Long toLong(double value) {
    return orRaise(checked::toLong(value));
}
inline Single toSingle(double value) {
    return orRaise(checked::toSingle(value));
}

// RGB(r, g, b): r + 256*g + 65536*b, each component limited to 0..255. A
// negative component is taken as 0.
constexpr OleColor rgb(long long r, long long g, long long b) {
    auto limit = [](long long c) -> OleColor {
        return static_cast<OleColor>(c < 0 ? 0 : (c > 255 ? 255 : c));
    };
    return limit(r) | (limit(g) << 8) | (limit(b) << 16);
}

} // namespace vb
