#pragma once
// What screen readers call the controls of the designer's windows. Most
// controls show no text of their own (sliders, value boxes, check boxes
// explained only by a tool tip or a heading beside them, caption frames,
// lamps): each gets the name a sighted user reads off the window, and a
// description where the window explains it further. Nothing visible
// changes.

class QWidget;

namespace designer {

class HostedControls;

// The main window, once its hosted controls are in place: names the
// controls, and keeps the lamps' names up to date with their state.
void nameMainWindowControls(QWidget& form, const HostedControls& hosted);

// The full-screen window, once its panel exists: the window, its two panel
// buttons (close, hide the panel) and the drawing-time box.
void nameFullScreenControls(QWidget& window, QWidget* close, QWidget* hidePanel, QWidget* timeBox);

} // namespace designer
