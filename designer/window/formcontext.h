#pragma once
// What the handler groups of the main window share: its controls, the current
// GradientStyle (twelve 16-bit values, zero at start) and its services.

#include "module1/gradientstyle.h"
#include "window/hostedcontrols.h"
#include "window/windowservices.h"

#include <array>

class QRadioButton;

namespace Ui {
class FrmDegColor;
}

namespace designer {

struct FormContext {
    Ui::FrmDegColor& ui;
    module1::GradientStyle& style;
    WindowServices& services;
    HostedControls& hosted;
    // The option pair OptStop(0) and OptStop(1).
    std::array<QRadioButton*, 2> OptStop;
};

} // namespace designer
