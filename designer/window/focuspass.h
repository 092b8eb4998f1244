#pragma once
// Boxes that are only read and never keep the keyboard focus (the statement
// box): disabled while they would hold it, enabled again
// once it has moved on. Their text leaves the window through the copy
// buttons, not through selection.

#include <Qt>

class QWidget;

namespace designer {

// On getting the focus: the box disables itself, which moves the focus on.
// Where it came by Shift+Tab the focus goes on backwards, so that the user
// can move past the box both ways. The box is enabled again once the focus
// change is complete, whether or not the platform reports the loss.
void passFocusOn(QWidget* box, Qt::FocusReason reason);

// On losing the focus: enabled again once the focus change is complete
// (enabling it inside the change would hand the focus straight back).
void enableAfterFocusChange(QWidget* box);

} // namespace designer
