#pragma once
// Creating controls by ProgID, the host's side. Nothing of a control library
// is linked into a host: the library is found at run time, loaded, and asked
// for the class factory of the ProgID through its DllGetClassObject.
//
// Where a ProgID's library is looked for, in order:
//   1. the per-user registry (controlregistry.h);
//   2. the controls folders, whose *.so files are examined by their metadata
//      only (registration-free use). By default "<program folder>/controls"
//      (the build tree, a portable copy), then the "controls" folder beside
//      this platform library (the installed layout, lib/ombrelo/controls).
// A registry entry whose library file is gone falls through to the folders.
//
// Use:
//     platform::ControlHost host;
//     QWidget* caption = host.place("Quintaro.Velmira", window, &site, &storedBag);
//     platform::setProperty(caption, "Caption", "Exit");   // latebinding.h
//
// Every failure to create is a CreateControlError (a vb::RuntimeError with
// number 429) naming the ProgID and what went wrong; the host decides what
// to show.

#include "core/vb.h"

#include <QString>
#include <QStringList>

#include "hosting/controlregistry.h"

class QWidget;

namespace platform {

class ControlSite;
class PropertyBag;

enum class CreateFailure {
    None,
    InvalidProgId,  // not of the form Library.Class
    NotFound,       // not registered, and no library in the controls folders has it
    LoadFailed,     // the library exists but does not load (not a library, missing dependency)
    WrongInterface, // the library loads but is no control library of this layer's version
    UnknownProgId,  // the library has no class of that ProgID
    CreationFailed, // the class factory made nothing, or something that is no control
};

// The short name of a failure, for messages and tests ("NotFound", ...).
QString failureName(CreateFailure failure);

class CreateControlError : public vb::RuntimeError {
public:
    CreateControlError(CreateFailure failure, const QString& progId, const QString& detail);

    CreateFailure failure() const { return failure_; }
    const QString& progId() const { return progId_; }
    const QString& detail() const { return detail_; }

private:
    CreateFailure failure_;
    QString progId_;
    QString detail_;
};

struct CreateResult {
    QWidget* control = nullptr;
    CreateFailure failure = CreateFailure::None;
    QString progId;
    QString detail;      // what went wrong, naming the library where there is one
    QString libraryPath; // where the control came from (or was looked for)

    bool ok() const { return control != nullptr; }
    // "ActiveX component can't create object: 'Quintaro.Velmira' ..."
    QString message() const;
};

class ControlHost {
public:
    // The default registry and the default controls folders.
    ControlHost();
    ControlHost(ControlRegistry registry, QStringList controlFolders);

    // "<program folder>/controls".
    static QString defaultControlsFolder();
    // That folder, then the one beside the platform library when it is
    // another.
    static QStringList defaultControlsFolders();

    const ControlRegistry& registry() const { return registry_; }
    const QStringList& controlFolders() const { return folders_; }

    // The library that would provide progId, or empty; *fromRegistry tells
    // where it was found.
    QString locate(const QString& progId, bool* fromRegistry = nullptr) const;

    // A new control, not yet initialised (no site, no property set).
    CreateResult tryCreate(const QString& progId, QWidget* parent = nullptr) const;
    // The same; failures raise CreateControlError.
    QWidget* create(const QString& progId, QWidget* parent = nullptr) const;

    // Creates the control and runs steps 1 and 2 of its lifecycle: gives it
    // the site, then reads the stored property set (stored not null) or sets
    // it up as a new control. The caller then sizes and shows it. Raises
    // CreateControlError, or the control's own vb::RuntimeError when reading
    // the set fails; either way nothing is left behind.
    QWidget* place(const QString& progId, QWidget* parent, ControlSite* site,
                   PropertyBag* stored = nullptr) const;

private:
    QString searchFolders(const QString& progId) const;

    ControlRegistry registry_;
    QStringList folders_;
};

// Step 2 alone, for a host that creates and initialises separately: the
// site, then readProperties(*stored) or initProperties(). Raises what the
// control raises; raises 438 when the widget is no control.
void initializeControl(QWidget* control, ControlSite* site, PropertyBag* stored);

// Saving: a fresh bag filled by the control's writeProperties.
PropertyBag saveControl(QWidget* control);

} // namespace platform
