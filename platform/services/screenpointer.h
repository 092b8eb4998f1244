#pragma once
// The application-wide mouse pointer: one value for every window of the
// program, as the language's Screen.MousePointer. 0 is the default (each
// window's own pointer), 11 the hourglass. Setting 0 takes back only the
// pointer set here, so an override cursor pushed by other code stays.
//
// A window's own mouse pointer, as a form's MousePointer: shown over the
// window and over those of its controls that have no pointer of their own
// (a text field keeps its I-beam, a link its hand).

#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace pointer {
inline constexpr int Default = 0;
inline constexpr int Arrow = 1;
inline constexpr int Hourglass = 11;
} // namespace pointer

// Any value other than 0 and 11 shows the default arrow over every window.
void setScreenPointer(int pointer);
int screenPointer();

// 0 gives the window back the pointer of its parent (the default arrow),
// 11 the hourglass, anything else the arrow.
void setFormPointer(QWidget& form, int pointer);

// Sets a window's own pointer for as long as it lives, then gives the
// window back the pointer it had before.
class ScopedFormPointer {
public:
    ScopedFormPointer(QWidget& form, int pointer);
    ~ScopedFormPointer();
    ScopedFormPointer(const ScopedFormPointer&) = delete;
    ScopedFormPointer& operator=(const ScopedFormPointer&) = delete;

private:
    QPointer<QWidget> form_;
    bool hadOwn_;
    QCursor previous_;
};

} // namespace platform
