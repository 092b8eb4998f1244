#pragma once
// The controls that the main window creates at load by ProgID (the fade-text
// captions and headings, the home-page link), each from its stored property
// set. Where a control cannot be created, the plain label of the layout stays
// in its place, styled from the same set, and the user is told once which
// ProgIDs failed. The window addresses both kinds alike through this class.

#include "hosting/controlsite.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace platform {
class ControlHost;
class EventConnection;
class MessageBoxService;
} // namespace platform

namespace designer {

class CaptionLabel;

// One block of the stored sets: the control's name, its ProgID and its set.
struct StoredControl {
    QString name;
    QString progId;
    QString bagText;
};
// Parses "[name] ProgID" blocks; comment lines start with '#'.
std::vector<StoredControl> parseStoredControls(const QString& text);
// The window's own stored sets (a resource of the program).
QString windowStoredControls();

// The hosted controls that the window's handlers address. Each is named once
// here by its name in the stored sets; the captions are those of
// frmdegcolor.controls.
enum class Hosted {
    Command2,      // "Default Setting"
    Command3,      // "Random"
    Command4,      // "Copy Function"
    Command5,      // "Preview"
    RndStyle,      // " Random" of the style list
    cmdCopy,       // "Copy"
    Velmira12,     // "Set as WallPaper"
    Velmira13,     // "FullScreen Preview"
    Velmira14,     // "Exit"
    lblCalcultime, // the drawing time
    URLLink1,      // "Brantel Online"
};
QString hostedName(Hosted control);

class HostedControls {
public:
    HostedControls(const platform::ControlHost& host, platform::MessageBoxService& messageBoxes);
    ~HostedControls();
    HostedControls(const HostedControls&) = delete;
    HostedControls& operator=(const HostedControls&) = delete;

    // Creates every control of the stored sets in place of the layout's
    // label of that name under form.
    void placeAll(QWidget* form, const std::vector<StoredControl>& stored);
    // Tells the user, in one message and only the first time, which ProgIDs
    // could not be created.
    void reportFailures();

    // The typed forms address the controls of the enumeration above; the
    // forms by name serve code that goes over every control of the sets.
    QWidget* widget(Hosted control) const { return widget(hostedName(control)); }
    bool isHosted(Hosted control) const { return isHosted(hostedName(control)); }
    void setCaption(Hosted control, const QString& text) { setCaption(hostedName(control), text); }
    QString caption(Hosted control) const { return caption(hostedName(control)); }
    void setEnabled(Hosted control, bool enabled) { setEnabled(hostedName(control), enabled); }
    void onClick(Hosted control, std::function<void()> handler) {
        onClick(hostedName(control), std::move(handler));
    }

    // The created control, or the plain label that stands in for it.
    QWidget* widget(const QString& name) const;
    bool isHosted(const QString& name) const;

    void setCaption(const QString& name, const QString& text);
    QString caption(const QString& name) const;
    void setEnabled(const QString& name, bool enabled);
    bool isEnabled(const QString& name) const;
    // Runs handler on each click of the control (its Click event, or the
    // label's click).
    void onClick(const QString& name, std::function<void()> handler);
    // What a click on the control runs, when it is enabled: the keyboard's
    // press of the button whose caption it is.
    void press(const QString& name);

private:
    struct Entry {
        QPointer<QWidget> widget;
        QPointer<CaptionLabel> fallback;
        QString progId;
        bool hosted = false;
    };
    void place(QWidget* form, const StoredControl& stored, QStringList* failures);
    const Entry* find(const QString& name) const;

    const platform::ControlHost& host_;
    platform::MessageBoxService& messageBoxes_;
    platform::StandardControlSite site_;
    QHash<QString, Entry> entries_;
    QStringList failedProgIds_; // each told once
    QStringList failures_;
    QHash<QString, std::vector<std::function<void()>>> clickHandlers_;
    bool reported_ = false;
    std::vector<std::unique_ptr<platform::EventConnection>> connections_;
};

} // namespace designer
