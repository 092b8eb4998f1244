#pragma once
// The link-label control library: one class, URLLink.

#include "hosting/controllibrary.h"
#include "urllink.h"

class URLLinkLibrary : public QObject, public platform::ControlLibrary {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "urllink.json")
    Q_INTERFACES(platform::ControlLibrary)

public:
    URLLinkLibrary() { addClass<linklabel::URLLink>(QStringLiteral("Pembrast.URLLink")); }
};
