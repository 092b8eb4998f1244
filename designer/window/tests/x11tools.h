#pragma once
// The X11 clipboard tests' hands and eyes: a click given through the X
// server (xdotool), as the user's hand gives it, and what another program
// (xclip) reads from the clipboard. Both wait in the event loop, so the
// designer answers meanwhile.

#include <QByteArray>
#include <QPoint>
#include <QString>

namespace designer::test {

// Moves the pointer to the global position and clicks the button (1 left,
// 3 right), then lets the click arrive. False when xdotool failed.
bool clickThroughServer(QPoint at, int button = 1);

// What another program reads from the clipboard, as text or, when a type is
// given, as that type ("image/png"). A failure reads as a short note in
// angle brackets, so that a comparison shows it.
QByteArray pastedElsewhere(const QString& type = {}, int waitMs = 10000);

} // namespace designer::test
