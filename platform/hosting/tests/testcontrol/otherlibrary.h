#pragma once
// A second test control library, built from the same control class.

#include "gauge.h"
#include "hosting/controllibrary.h"

class OtherControlLibrary : public QObject, public platform::ControlLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "other.json")
    Q_INTERFACES(platform::ControlLibrary)

public:
    OtherControlLibrary() { addClass<Gauge>(QStringLiteral("OmbreloOther.Gauge")); }
};
