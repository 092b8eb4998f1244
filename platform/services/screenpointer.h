#pragma once
// The application-wide mouse pointer: one value for every window of the
// program, as the language's Screen.MousePointer. 0 is the default (each
// window's own pointer), 11 the hourglass. Setting 0 takes back only the
// pointer set here, so an override cursor pushed by other code stays.

namespace platform {

namespace pointer {
inline constexpr int Default = 0;
inline constexpr int Arrow = 1;
inline constexpr int Hourglass = 11;
} // namespace pointer

// Any value other than 0 and 11 shows the default arrow over every window.
void setScreenPointer(int pointer);
int screenPointer();

} // namespace platform
