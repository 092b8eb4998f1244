#pragma once
// The test control library's plugin class: its table of classes.

#include "gauge.h"
#include "hosting/controllibrary.h"

class TestControlLibrary : public QObject, public platform::ControlLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "testcontrol.json")
    Q_INTERFACES(platform::ControlLibrary)

public:
    TestControlLibrary() {
        addClass<Gauge>(QStringLiteral("OmbreloTest.Gauge"));
        // Makes a widget that is no control: the host must refuse it.
        addClass<QWidget>(QStringLiteral("OmbreloTest.Plain"));
    }
};
