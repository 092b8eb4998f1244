#include "window/homepage.h"

#include "hosting/latebinding.h"
#include "services/appinfo.h"
#include "window/hostedcontrols.h"

#include <QDir>
#include <QUrl>

namespace designer {

QString homePageAddress(const QString& programFolder) {
    const QString configured = QStringLiteral(OMBRELO_HOME_PAGE);
    if (!configured.isEmpty())
        return configured;
    const QString manual =
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(OMBRELO_MANUAL_FROM_BIN)));
    return QUrl::fromLocalFile(manual).toString();
}

void pointHomePageLink(HostedControls& hosted) {
    const Hosted link = Hosted::URLLink1;
    if (!hosted.isHosted(link))
        return;
    try {
        platform::setProperty(hosted.widget(link), QStringLiteral("URL"),
                              homePageAddress(platform::appFolder()));
    } catch (const vb::RuntimeError&) {
        // The link keeps its stored address.
    }
}

} // namespace designer
