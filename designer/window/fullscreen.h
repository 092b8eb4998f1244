#pragma once
// "FullScreen Preview": the current gradient painted over the whole screen of
// the main window, in the full-screen window FrmPreview, with the time the
// painting took. The three inputs of the main window that open it (the
// button frame, its caption, a double-click on the preview) all run open().

#include "module1/gradientstyle.h"

#include <QPointer>

class QWidget;

namespace platform {
class Clock;
}

namespace designer {

class FrmPreview;

// What the opening needs from the main window.
struct FullScreenInputs {
    // The current style: its levels, Band, ModLine and divisors are painted
    // (the divisors by reference: they come back clamped).
    module1::GradientStyle& style;
    platform::Clock& clock;
    // The window whose screen the preview covers.
    const QWidget& mainWindow;
};

class FullScreenPreview {
public:
    explicit FullScreenPreview(FullScreenInputs inputs);
    // A preview still open goes with the main window.
    ~FullScreenPreview();
    FullScreenPreview(const FullScreenPreview&) = delete;
    FullScreenPreview& operator=(const FullScreenPreview&) = delete;

    // Shows the window (a new one unless one is open, which is painted over),
    // paints the gradient from 0 to the window's own height with the widened
    // procedure, so any screen is painted whole, and shows the time taken.
    void open();

    // The open window; null when none is.
    FrmPreview* window() const;

private:
    void show(FrmPreview& window) const;

    FullScreenInputs inputs_;
    QPointer<FrmPreview> window_;
};

} // namespace designer
