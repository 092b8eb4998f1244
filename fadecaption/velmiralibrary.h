#pragma once
// The fade-text control library's plugin class: its one control class, also
// offered to Qt's form tools.

#include "hosting/controllibrary.h"
#include "hosting/designerwidgets.h"
#include "velmira.h"

class VelmiraLibrary : public QObject,
                       public platform::ControlLibrary,
                       public platform::DesignerWidgetCollection {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "velmira.json")
    Q_INTERFACES(platform::ControlLibrary QDesignerCustomWidgetCollectionInterface)

public:
    VelmiraLibrary()
        : DesignerWidgetCollection(static_cast<const platform::ControlLibrary&>(*this)) {
        addClass<Velmira>(QStringLiteral("Quintaro.Velmira"));
    }
};
