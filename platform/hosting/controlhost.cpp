#include "hosting/controlhost.h"

#include "hosting/control.h"
#include "hosting/controllibrary.h"
#include "hosting/hresult.h"
#include "hosting/libraryinfo.h"
#include "hosting/propertybag.h"
#include "services/appinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPluginLoader>
#include <QWidget>

namespace platform {

QString failureName(CreateFailure failure) {
    switch (failure) {
    case CreateFailure::None:
        return QStringLiteral("None");
    case CreateFailure::InvalidProgId:
        return QStringLiteral("InvalidProgId");
    case CreateFailure::NotFound:
        return QStringLiteral("NotFound");
    case CreateFailure::LoadFailed:
        return QStringLiteral("LoadFailed");
    case CreateFailure::WrongInterface:
        return QStringLiteral("WrongInterface");
    case CreateFailure::UnknownProgId:
        return QStringLiteral("UnknownProgId");
    case CreateFailure::CreationFailed:
        return QStringLiteral("CreationFailed");
    }
    return {};
}

QString CreateResult::message() const {
    return QStringLiteral("%1: '%2' %3")
        .arg(QString::fromStdString(vb::errorDescription(vb::err::CantCreateObject)), progId,
             detail);
}

CreateControlError::CreateControlError(CreateFailure failure, const QString& progId,
                                       const QString& detail)
    : vb::RuntimeError(vb::err::CantCreateObject,
                       CreateResult{nullptr, failure, progId, detail, {}}.message().toStdString())
    , failure_(failure)
    , progId_(progId)
    , detail_(detail) {}

namespace {

CreateResult failed(CreateResult result, CreateFailure failure, const QString& detail) {
    result.failure = failure;
    result.detail = detail;
    return result;
}

QString hex(int code) {
    return QStringLiteral("0x%1").arg(static_cast<quint32>(code), 8, 16, QLatin1Char('0'));
}

// Loads the library of a control and returns its class factory for the
// ProgID, or fills in why not.
ClassFactory* factoryFrom(const QString& path, CreateResult& result) {
    const LibraryInfoResult info = readLibraryInfo(path);
    if (info.status == LibraryInfoStatus::WrongInterface ||
        info.status == LibraryInfoStatus::BadMetadata) {
        result = failed(result, CreateFailure::WrongInterface,
                        QStringLiteral("cannot be made by %1: %2").arg(path, info.problem));
        return nullptr;
    }
    // A library without our description may still be a library: loading it
    // tells a broken file from a library of another kind.
    QPluginLoader plugin(path);
    if (info.status == LibraryInfoStatus::Ok && !plugin.load()) {
        result = failed(result, CreateFailure::LoadFailed,
                        QStringLiteral("cannot be made: %1").arg(plugin.errorString()));
        return nullptr;
    }
    QLibrary library(path);
    if (!library.load()) {
        result = failed(result, CreateFailure::LoadFailed,
                        QStringLiteral("cannot be made: %1").arg(library.errorString()));
        return nullptr;
    }
    auto getClassObject =
        reinterpret_cast<DllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    if (info.status != LibraryInfoStatus::Ok || !getClassObject) {
        result = failed(result, CreateFailure::WrongInterface,
                        QStringLiteral("cannot be made by %1: not a control library").arg(path));
        return nullptr;
    }
    void* object = nullptr;
    const int rc =
        getClassObject(result.progId.toUtf8().constData(), OMBRELO_CLASS_FACTORY_IID, &object);
    if (rc == hresult::ClassNotAvailable) {
        result = failed(result, CreateFailure::UnknownProgId,
                        QStringLiteral("is not a class of the library %1").arg(path));
        return nullptr;
    }
    if (rc == hresult::NoInterface) {
        result = failed(result, CreateFailure::WrongInterface,
                        QStringLiteral("cannot be made by %1: it does not offer the class "
                                       "factory interface %2")
                            .arg(path, QLatin1String(OMBRELO_CLASS_FACTORY_IID)));
        return nullptr;
    }
    if (hresult::failed(rc) || !object) {
        result = failed(result, CreateFailure::CreationFailed,
                        QStringLiteral("cannot be made: DllGetClassObject of %1 failed (%2)")
                            .arg(path, hex(rc)));
        return nullptr;
    }
    return static_cast<ClassFactory*>(object);
}

} // namespace

ControlHost::ControlHost()
    : ControlHost(ControlRegistry(), defaultControlsFolders()) {}

ControlHost::ControlHost(ControlRegistry registry, QStringList controlFolders)
    : registry_(std::move(registry))
    , folders_(std::move(controlFolders)) {}

QString ControlHost::defaultControlsFolder() {
    return besideProgram(QStringLiteral("controls"));
}

QStringList ControlHost::defaultControlsFolders() {
    QStringList folders{defaultControlsFolder()};
    const QString ownFolder = QFileInfo(loadedFileOf(&failureName)).canonicalPath();
    if (ownFolder.isEmpty())
        return folders;
    const QString installed = QDir(ownFolder).filePath(QStringLiteral("controls"));
    if (QFileInfo(installed).canonicalFilePath() != QFileInfo(folders.first()).canonicalFilePath())
        folders.append(installed);
    return folders;
}

QString ControlHost::searchFolders(const QString& progId) const {
    for (const QString& folder : folders_) {
        const QDir dir(folder);
        const QStringList files = dir.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
        for (const QString& name : files) {
            const LibraryInfoResult info = readLibraryInfo(dir.filePath(name));
            if (info.status == LibraryInfoStatus::Ok && info.info.findClass(progId))
                return info.info.libraryPath;
        }
    }
    return {};
}

QString ControlHost::locate(const QString& progId, bool* fromRegistry) const {
    if (fromRegistry)
        *fromRegistry = false;
    if (!isValidProgId(progId))
        return {};
    if (const auto entry = registry_.find(progId); entry && QFileInfo::exists(entry->libraryPath)) {
        if (fromRegistry)
            *fromRegistry = true;
        return entry->libraryPath;
    }
    return searchFolders(progId);
}

CreateResult ControlHost::tryCreate(const QString& progId, QWidget* parent) const {
    CreateResult result;
    result.progId = progId;
    if (!isValidProgId(progId))
        return failed(result, CreateFailure::InvalidProgId,
                      QStringLiteral("is not a valid ProgID"));
    result.libraryPath = locate(progId);
    if (result.libraryPath.isEmpty()) {
        if (const auto entry = registry_.find(progId)) {
            result.libraryPath = entry->libraryPath;
            return failed(result, CreateFailure::LoadFailed,
                          QStringLiteral("cannot be made: its registered library %1 does not exist")
                              .arg(entry->libraryPath));
        }
        return failed(result, CreateFailure::NotFound,
                      QStringLiteral("is not registered, and no library in %1 provides it")
                          .arg(folders_.join(QStringLiteral(", "))));
    }
    ClassFactory* factory = factoryFrom(result.libraryPath, result);
    if (!factory)
        return result;
    QWidget* control = factory->createInstance(parent);
    if (!control)
        return failed(result, CreateFailure::CreationFailed,
                      QStringLiteral("cannot be made: the class factory of %1 made nothing")
                          .arg(result.libraryPath));
    if (!asControl(control)) {
        delete control;
        return failed(result, CreateFailure::CreationFailed,
                      QStringLiteral("cannot be made: the class factory of %1 made no control")
                          .arg(result.libraryPath));
    }
    result.control = control;
    return result;
}

QWidget* ControlHost::create(const QString& progId, QWidget* parent) const {
    CreateResult result = tryCreate(progId, parent);
    if (!result.ok())
        throw CreateControlError(result.failure, result.progId, result.detail);
    return result.control;
}

QWidget* ControlHost::place(const QString& progId, QWidget* parent, ControlSite* site,
                            PropertyBag* stored) const {
    QWidget* control = create(progId, parent);
    try {
        initializeControl(control, site, stored);
    } catch (...) {
        delete control;
        throw;
    }
    return control;
}

void initializeControl(QWidget* control, ControlSite* site, PropertyBag* stored) {
    Control* c = control ? asControl(control) : nullptr;
    if (!c)
        vb::raiseError(vb::err::NotSupported);
    c->setSite(site);
    if (stored)
        c->readProperties(*stored);
    else
        c->initProperties();
}

PropertyBag saveControl(QWidget* control) {
    Control* c = control ? asControl(control) : nullptr;
    if (!c)
        vb::raiseError(vb::err::NotSupported);
    PropertyBag bag;
    c->writeProperties(bag);
    return bag;
}

} // namespace platform
