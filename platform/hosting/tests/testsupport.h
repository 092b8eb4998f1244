#pragma once
// Shared by the hosting tests: where the test control libraries are, and a
// private registry folder per test.

#include "hosting/controlhost.h"
#include "hosting/controlregistry.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace hostingtest {

inline QString testControlsDir() {
    return QStringLiteral(OMBRELO_TEST_CONTROLS_DIR);
}
inline QString testLibrary(const char* name) {
    return QDir(testControlsDir()).filePath(QStringLiteral("lib%1.so").arg(QLatin1String(name)));
}
inline QString gaugeLibrary() {
    return testLibrary("ombrelo-testcontrol");
}

// A registry in a temporary folder, made the process default while it lives
// (the libraries' own DllRegisterServer writes there).
class PrivateRegistry {
public:
    PrivateRegistry() { platform::ControlRegistry::setDefaultRoot(root()); }
    ~PrivateRegistry() { platform::ControlRegistry::setDefaultRoot({}); }
    QString root() const { return dir_.filePath(QStringLiteral("registry")); }
    platform::ControlRegistry registry() const { return platform::ControlRegistry(root()); }
    // A host that sees this registry and the given folders only.
    platform::ControlHost host(QStringList folders = {}) const { return {registry(), folders}; }
    QString scratch(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace hostingtest
