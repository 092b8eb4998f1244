#pragma once
// Result codes of the self-registration entry points of a control library:
// zero or positive is success, negative is failure, each failure distinct.
// The values are those the component system uses, so that a message can
// quote them in the familiar hexadecimal form.

#include <cstdint>

namespace platform::hresult {

inline constexpr int Ok = 0;    // done
inline constexpr int False = 1; // done, answer "no" (DllCanUnloadNow: controls alive)

inline constexpr int Unexpected = static_cast<std::int32_t>(0x8000FFFFu);
inline constexpr int NoInterface = static_cast<std::int32_t>(0x80004002u);
inline constexpr int Pointer = static_cast<std::int32_t>(0x80004003u);
inline constexpr int Fail = static_cast<std::int32_t>(0x80004005u);
inline constexpr int InvalidArg = static_cast<std::int32_t>(0x80070057u);
// The library has no class of the ProgID asked for.
inline constexpr int ClassNotAvailable = static_cast<std::int32_t>(0x80040111u);
// Registration entries could not be written or removed.
inline constexpr int SelfRegClass = static_cast<std::int32_t>(0x80040201u);

constexpr bool succeeded(int result) {
    return result >= 0;
}
constexpr bool failed(int result) {
    return result < 0;
}

} // namespace platform::hresult
