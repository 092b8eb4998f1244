#pragma once
// The fade-text control library's plugin class: its one control class.

#include "hosting/controllibrary.h"
#include "velmira.h"

class VelmiraLibrary : public QObject, public platform::ControlLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "velmira.json")
    Q_INTERFACES(platform::ControlLibrary)

public:
    VelmiraLibrary() { addClass<Velmira>(QStringLiteral("Quintaro.Velmira")); }
};
