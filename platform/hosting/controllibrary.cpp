#include "hosting/controllibrary.h"

#include "hosting/controlregistry.h"
#include "hosting/hresult.h"
#include "hosting/libraryinfo.h"

#include <QFileInfo>

#include <cstring>

namespace platform {

ClassFactory::~ClassFactory() = default;

QWidget* ClassFactory::createInstance(QWidget* parent) {
    QWidget* control = create(parent);
    if (!control)
        return nullptr;
    ++live_;
    // The factory lives as long as its library, which is never unloaded
    // while a control of it is alive.
    QObject::connect(control, &QObject::destroyed, [this] { --live_; });
    return control;
}

ControlLibrary::~ControlLibrary() = default;

ClassFactory* ControlLibrary::classObject(const QString& progId) const {
    for (const auto& factory : factories_) {
        if (factory->progId().compare(progId, Qt::CaseInsensitive) == 0)
            return factory.get();
    }
    return nullptr;
}

bool ControlLibrary::canUnloadNow() const {
    for (const auto& factory : factories_) {
        if (factory->liveInstances() > 0)
            return false;
    }
    return true;
}

std::vector<ClassFactory*> ControlLibrary::classFactories() const {
    std::vector<ClassFactory*> result;
    for (const auto& factory : factories_)
        result.push_back(factory.get());
    return result;
}

void ControlLibrary::addFactory(std::unique_ptr<ClassFactory> factory) {
    factories_.push_back(std::move(factory));
}

namespace entry {

namespace {

std::optional<ControlLibraryInfo> ownInfo(const void* self) {
    const QString file = loadedFileOf(self);
    if (file.isEmpty())
        return std::nullopt;
    LibraryInfoResult result = readLibraryInfo(file);
    if (result.status != LibraryInfoStatus::Ok)
        return std::nullopt;
    return result.info;
}

ControlLibrary* libraryOf(QObject* root) {
    return qobject_cast<ControlLibrary*>(root);
}

} // namespace

int registerServer(const void* self) {
    const auto info = ownInfo(self);
    if (!info)
        return hresult::SelfRegClass;
    return ControlRegistry().add(*info) ? hresult::Ok : hresult::SelfRegClass;
}

int unregisterServer(const void* self) {
    const auto info = ownInfo(self);
    if (!info)
        return hresult::SelfRegClass;
    return ControlRegistry().removeLibrary(*info) ? hresult::Ok : hresult::SelfRegClass;
}

int getClassObject(QObject* root, const char* progId, const char* interfaceId, void** object) {
    if (!object)
        return hresult::Pointer;
    *object = nullptr;
    if (!progId || !interfaceId)
        return hresult::Pointer;
    if (std::strcmp(interfaceId, OMBRELO_CLASS_FACTORY_IID) != 0)
        return hresult::NoInterface;
    ControlLibrary* library = libraryOf(root);
    if (!library)
        return hresult::Unexpected;
    ClassFactory* factory = library->classObject(QString::fromUtf8(progId));
    if (!factory)
        return hresult::ClassNotAvailable;
    *object = factory;
    return hresult::Ok;
}

int canUnloadNow(QObject* root) {
    ControlLibrary* library = libraryOf(root);
    if (!library)
        return hresult::Ok;
    return library->canUnloadNow() ? hresult::Ok : hresult::False;
}

} // namespace entry

} // namespace platform
