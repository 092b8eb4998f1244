#pragma once
// A control library's controls in the widget box of Qt's form tools (Qt
// Designer, and QUiLoader at run time). The library's plugin class offers
// itself as a custom-widget collection besides being a control library;
// nothing of the form tools is linked, their interfaces are headers only.
//
//     class VelmiraLibrary : public QObject,
//                            public platform::ControlLibrary,
//                            public platform::DesignerWidgetCollection {
//         Q_OBJECT
//         Q_PLUGIN_METADATA(IID OMBRELO_CONTROL_LIBRARY_IID FILE "velmira.json")
//         Q_INTERFACES(platform::ControlLibrary QDesignerCustomWidgetCollectionInterface)
//     public:
//         VelmiraLibrary() : DesignerWidgetCollection(*this) { addClass<Velmira>(...); }
//     };
//
// Each control class appears under its C++ class name in the group "Ombrelo
// controls", with the library's toolbox bitmap as icon, the library's help
// string as tool tip and what's-this, and the help string of each property
// as that property's tool tip in the property editor. A control placed on a
// form starts as a new control (its initProperties).

#include "hosting/libraryinfo.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>
#include <vector>

namespace platform {

class ClassFactory;
class ControlLibrary;

inline constexpr char kDesignerWidgetGroup[] = "Ombrelo controls";

class DesignerWidget final : public QDesignerCustomWidgetInterface {
public:
    // cls is the description of the factory's class in library.
    DesignerWidget(ClassFactory& factory, ControlLibraryInfo library, ControlClassInfo cls);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }

private:
    ClassFactory& factory_;
    ControlLibraryInfo library_;
    ControlClassInfo class_;
    bool initialized_ = false;
};

class DesignerWidgetCollection : public QDesignerCustomWidgetCollectionInterface {
public:
    explicit DesignerWidgetCollection(const ControlLibrary& library);
    ~DesignerWidgetCollection() override;
    DesignerWidgetCollection(const DesignerWidgetCollection&) = delete;
    DesignerWidgetCollection& operator=(const DesignerWidgetCollection&) = delete;

    // One custom widget per control class that the library's description
    // names, made on the first call.
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    const ControlLibrary& library_;
    mutable std::vector<std::unique_ptr<DesignerWidget>> widgets_;
    mutable bool made_ = false;
};

} // namespace platform
