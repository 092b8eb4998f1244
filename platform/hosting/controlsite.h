#pragma once
// The host's side of a placed control: what a control may ask of the window
// that hosts it. A host gives each control a site right after creating it
// (Control::setSite); one site may serve many controls, which it tells apart
// by the widget passed in.

#include "core/vb.h"
#include "services/messagebox.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace platform {

class ControlSite {
public:
    virtual ~ControlSite();

    // A persistent property of the control changed (by code or by the user):
    // the host marks its form as changed and refreshes its property browser.
    virtual void propertyChanged(QWidget* control, const QString& propertyName) = 0;

    // A modal message box on behalf of the control; style and answer are the
    // msgbox:: codes of services/messagebox.h.
    virtual int messageBox(QWidget* control, const QString& prompt, int style,
                           const QString& title) = 0;

    // Ambient user mode: true while the host runs its form, false while a
    // designer edits it.
    virtual bool userMode() const = 0;

    // A run-time error that the control could not hand to a caller (it
    // arose in a Qt event handler: paint, resize, mouse, timer). The host
    // reports it; it must not end the program.
    virtual void unhandledError(QWidget* control, const vb::RuntimeError& error) = 0;
};

// A ready-made site: message boxes go to a MessageBoxService (a real or a
// scripted one), change notifications are recorded and passed to an optional
// callback. Enough for the designer and for tests.
class StandardControlSite : public ControlSite {
public:
    struct Notification {
        QPointer<QWidget> control;
        QString propertyName;
    };
    using ChangeHandler = std::function<void(QWidget* control, const QString& propertyName)>;

    explicit StandardControlSite(MessageBoxService& messageBoxes, bool userMode = true);

    void setUserMode(bool userMode) { userMode_ = userMode; }
    void onPropertyChanged(ChangeHandler handler) { onChanged_ = std::move(handler); }

    // Every notification received so far, oldest first.
    const QList<Notification>& notifications() const { return notifications_; }
    // Just the property names, oldest first.
    QStringList changedProperties() const;
    void clearNotifications() { notifications_.clear(); }

    void propertyChanged(QWidget* control, const QString& propertyName) override;
    int messageBox(QWidget* control, const QString& prompt, int style,
                   const QString& title) override;
    bool userMode() const override { return userMode_; }
    // Shows "Run-time error 'N':" and the description (OK, critical icon,
    // the application's name as title) and records the error.
    void unhandledError(QWidget* control, const vb::RuntimeError& error) override;
    const QList<vb::RuntimeError>& unhandledErrors() const { return errors_; }

private:
    MessageBoxService& messageBoxes_;
    bool userMode_;
    ChangeHandler onChanged_;
    QList<Notification> notifications_;
    QList<vb::RuntimeError> errors_;
};

} // namespace platform
