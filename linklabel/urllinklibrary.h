#pragma once
// The link-label control library: one class, URLLink, also offered to Qt's
// form tools.

#include "hosting/controllibrary.h"
#include "hosting/designerwidgets.h"
#include "urllink.h"

class URLLinkLibrary : public QObject,
                       public platform::ControlLibrary,
                       public platform::DesignerWidgetCollection {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "urllink.json")
    Q_INTERFACES(platform::ControlLibrary QDesignerCustomWidgetCollectionInterface)

public:
    URLLinkLibrary()
        : DesignerWidgetCollection(static_cast<const platform::ControlLibrary&>(*this)) {
        addClass<linklabel::URLLink>(QStringLiteral("Pembrast.URLLink"));
    }
};
