#include "window/fullscreen.h"

#include "logic/statement.h"
#include "logic/stopheight.h"
#include "module1/ombrelo.h"
#include "services/clock.h"
#include "window/frmpreview.h"

#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace designer {

FullScreenPreview::FullScreenPreview(FullScreenInputs inputs)
    : inputs_(inputs) {}

FullScreenPreview::~FullScreenPreview() {
    delete window_.data();
}

FrmPreview* FullScreenPreview::window() const {
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

void FullScreenPreview::open() {
    const double t0 = inputs_.clock.seconds();
    // A closed window is on its way out: the next one starts afresh.
    if (!window())
        window_ = new FrmPreview;
    FrmPreview& window = *window_;
    show(window);

    // Read once shown: the whole screen's height in twips.
    module1::GradientStyle& s = inputs_.style;
    vb::Long start = 0;
    vb::Long stop = wideStopFromScaleHeight(window.scaleHeight()).value_or(0);
    module1::OmbreloWide(window, s, start, stop, vb::True);

    window.lblCalcultime->setText(timeText(inputs_.clock.seconds() - t0));
}

// Full screen on the main window's screen, in front and active. The size is
// set before it shows, so that its height is the screen's at once.
void FullScreenPreview::show(FrmPreview& window) const {
    const bool shown = window.isVisible();
    if (QScreen* screen = inputs_.mainWindow.screen()) {
        window.setScreen(screen);
        window.setGeometry(screen->geometry());
    }
    window.showFullScreen();
    if (shown) // a new window comes in front by itself
        window.raise();
    window.activateWindow();
}

} // namespace designer
