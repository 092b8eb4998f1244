#pragma once
// What a control library is made of, and the one line that exports its
// self-registration entry points.
//
// A control library is a shared library (CMake MODULE) that is also a Qt
// plugin. Its plugin class is its class-factory table:
//
//     // velmiralibrary.h
//     #include "hosting/controllibrary.h"
//     class VelmiraLibrary : public QObject, public platform::ControlLibrary {
//         Q_OBJECT
//         Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "velmira.json")
//         Q_INTERFACES(platform::ControlLibrary)
//     public:
//         VelmiraLibrary() { addClass<Velmira>(QStringLiteral("Quintaro.Velmira")); }
//     };
//
//     // velmiralibrary.cpp
//     #include "velmiralibrary.h"
//     OMBRELO_CONTROL_LIBRARY_ENTRY_POINTS()
//
// The JSON file describes the library so that hosts and the registration
// command read it without loading the library (QPluginLoader::metaData):
//
//     { "TypeLibrary": "Quintaro", "HelpString": "Brantel Quintaro",
//       "Version": "1.1.32",
//       "Classes": [ { "ProgID": "Quintaro.Velmira", "ClassName": "Velmira",
//                      "ToolboxBitmap": "velmira.png" } ] }
//
// ToolboxBitmap is a PNG: a path relative to the library's folder, or a Qt
// resource path (":/...", available once the library is loaded).
//
// The control class (ControlClass above) derives from QWidget and
// platform::Control and has a constructor taking the parent QWidget*.
//
// The four entry points (extern "C", see hresult.h for the results):
//   int DllRegisterServer()      writes a registry entry for every class in
//                                the library's metadata, naming the library's
//                                own path; Ok or SelfRegClass.
//   int DllUnregisterServer()    removes those entries that name this library.
//   int DllGetClassObject(const char* progId, const char* interfaceId,
//                         void** object)
//                                *object = the library's ClassFactory* for
//                                progId when interfaceId is
//                                OMBRELO_CLASS_FACTORY_IID; ClassNotAvailable
//                                for a ProgID it has no class of, NoInterface
//                                for another interface id, Pointer for null
//                                arguments. The factory belongs to the library.
//   int DllCanUnloadNow()        Ok when no control of the library is alive,
//                                False otherwise.

#include <QObject>
#include <QString>
#include <QWidget>
#include <QtPlugin>

#include <memory>
#include <vector>

// Versioned interface ids: a library built against another layout of these
// classes is refused instead of being called wrongly.
#define OMBRELO_CONTROL_LIBRARY_IID "org.ombrelo.ControlLibrary/1.0"
#define OMBRELO_CLASS_FACTORY_IID "org.ombrelo.ClassFactory/1.0"

namespace platform {

// Makes the controls of one class and counts those alive.
class ClassFactory {
public:
    ClassFactory() = default;
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;
    virtual ~ClassFactory();

    virtual QString progId() const = 0;
    // The control class's meta-object: its type library.
    virtual const QMetaObject* metaObject() const = 0;
    // A new control as a child of parent (may be null), or null when the
    // class could not make one. The caller owns it (through the parent).
    QWidget* createInstance(QWidget* parent);
    int liveInstances() const { return live_; }

protected:
    virtual QWidget* create(QWidget* parent) = 0;

private:
    int live_ = 0;
};

template <typename ControlClass> class ClassFactoryOf final : public ClassFactory {
public:
    explicit ClassFactoryOf(QString progId)
        : progId_(std::move(progId)) {}
    QString progId() const override { return progId_; }
    const QMetaObject* metaObject() const override { return &ControlClass::staticMetaObject; }

protected:
    QWidget* create(QWidget* parent) override { return new ControlClass(parent); }

private:
    QString progId_;
};

// The plugin interface of a control library: its table of class factories.
class ControlLibrary {
public:
    ControlLibrary() = default;
    ControlLibrary(const ControlLibrary&) = delete;
    ControlLibrary& operator=(const ControlLibrary&) = delete;
    virtual ~ControlLibrary();

    // The factory of progId (compared without regard to case, as ProgIDs
    // are), or null.
    ClassFactory* classObject(const QString& progId) const;
    // No control of any class of the library is alive.
    bool canUnloadNow() const;
    // Every class factory, in the order the classes were added.
    std::vector<ClassFactory*> classFactories() const;

protected:
    template <typename ControlClass> void addClass(const QString& progId) {
        addFactory(std::make_unique<ClassFactoryOf<ControlClass>>(progId));
    }
    void addFactory(std::unique_ptr<ClassFactory> factory);

private:
    std::vector<std::unique_ptr<ClassFactory>> factories_;
};

// The implementations behind the entry points; `self` is any address inside
// the calling library (it finds its own file from it), `root` its plugin
// instance. Called only by the macro below.
namespace entry {
int registerServer(const void* self);
int unregisterServer(const void* self);
int getClassObject(QObject* root, const char* progId, const char* interfaceId, void** object);
int canUnloadNow(QObject* root);
} // namespace entry

// The signatures a host resolves.
using DllRegisterServerFn = int (*)();
using DllUnregisterServerFn = int (*)();
using DllGetClassObjectFn = int (*)(const char*, const char*, void**);
using DllCanUnloadNowFn = int (*)();

} // namespace platform

Q_DECLARE_INTERFACE(platform::ControlLibrary, OMBRELO_CONTROL_LIBRARY_IID)

// Exports the four self-registration entry points of a control library. Put
// it once, at file scope, in one source file of the library.
#define OMBRELO_CONTROL_LIBRARY_ENTRY_POINTS()                                                     \
    extern "C" QObject* qt_plugin_instance();                                                      \
    extern "C" Q_DECL_EXPORT int DllRegisterServer() {                                             \
        return ::platform::entry::registerServer(                                                  \
            reinterpret_cast<const void*>(&DllRegisterServer));                                    \
    }                                                                                              \
    extern "C" Q_DECL_EXPORT int DllUnregisterServer() {                                           \
        return ::platform::entry::unregisterServer(                                                \
            reinterpret_cast<const void*>(&DllUnregisterServer));                                  \
    }                                                                                              \
    extern "C" Q_DECL_EXPORT int DllGetClassObject(const char* progId, const char* interfaceId,    \
                                                   void** object) {                                \
        return ::platform::entry::getClassObject(qt_plugin_instance(), progId, interfaceId,        \
                                                 object);                                          \
    }                                                                                              \
    extern "C" Q_DECL_EXPORT int DllCanUnloadNow() {                                               \
        return ::platform::entry::canUnloadNow(qt_plugin_instance());                              \
    }
