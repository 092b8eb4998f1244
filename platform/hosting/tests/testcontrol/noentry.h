#pragma once
// Claims to be a control library but leaves out the entry points.

#include "hosting/controllibrary.h"

class NoEntryLibrary : public QObject, public platform::ControlLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "noentry.json")
    Q_INTERFACES(platform::ControlLibrary)
};
