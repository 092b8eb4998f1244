#include "window/programicon.h"

#include <QDirIterator>

namespace designer {

QIcon programIcon() {
    // The icon theme's own sizes, kept as resources: the same pictures the
    // desktop shows, also when the program runs from its build tree.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/ombrelo/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace designer
