#pragma once
// The control's side of hosting. A control class is a QWidget that also
// derives from platform::Control:
//
//     class Velmira : public QWidget, public platform::Control {
//         Q_OBJECT
//         ...
//         void initProperties() override;
//         void readProperties(platform::PropertyBag& bag) override;
//         void writeProperties(platform::PropertyBag& bag) override;
//     };
//
// Lifecycle, as a host drives it (ControlHost::place does steps 1 and 2):
//   1. the class factory makes the widget as a child of the host window and
//      the host gives it its site (setSite);
//   2. once: initProperties() for a new control, or readProperties(bag) for
//      a stored one;
//   3. the host sizes the widget: QWidget::resizeEvent is the resize
//      notification (Qt delivers a resize of a hidden widget when it is
//      first shown, before the show event);
//   4. each time the host shows it: QWidget::showEvent;
//   5. when the host saves its form: writeProperties(bag) with a fresh bag.
//
// Run-time errors: a control raises vb::RuntimeError from its lifecycle
// calls, setters and methods; the host's late-bound helpers (latebinding.h)
// hand it to the caller. Qt cannot carry an exception out of an event
// handler (paintEvent, resizeEvent, showEvent, mouse events, timers): there
// the control catches it and calls reportError(), which passes it to the
// host through the site.

#include "core/vb.h"

#include <QString>

class QWidget;

namespace platform {

class ControlSite;
class PropertyBag;

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Host to control. The site must outlive the control or be replaced
    // (setSite(nullptr)) before it goes.
    void setSite(ControlSite* site) { site_ = site; }
    ControlSite* site() const { return site_; }

    // A freshly placed control that has no stored property set.
    virtual void initProperties() = 0;
    // A stored control: apply the bag. A value that cannot be converted
    // raises vb::RuntimeError out of the bag's read; the control decides
    // whether to catch it.
    virtual void readProperties(PropertyBag& bag) = 0;
    // The host saves: write every persistent property with its default.
    virtual void writeProperties(PropertyBag& bag) = 0;

    // The widget this control is (the object that derives from both).
    QWidget* widget();

protected:
    // Control to host; harmless without a site (no notification, no box).

    // The property-changed notification, with the property's name.
    void propertyChanged(const QString& propertyName);
    // A modal message box through the host; answers msgbox::Ok without a
    // site, as an unattended run would.
    int msgBox(const QString& prompt, int style, const QString& title);
    // Ambient user mode; run time (true) without a site.
    bool userMode() const;
    // An error with no caller to hand it to (see above); without a site it
    // is written to the Qt warning log.
    void reportError(const vb::RuntimeError& error);

private:
    ControlSite* site_ = nullptr;
};

// The Control of a created widget, or null if the widget is no control.
Control* asControl(QWidget* widget);

} // namespace platform
