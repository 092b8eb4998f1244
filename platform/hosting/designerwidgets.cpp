#include "hosting/designerwidgets.h"

#include "hosting/controlhost.h"
#include "hosting/controllibrary.h"
#include "hosting/typeinfo.h"

#include <QFileInfo>
#include <QIcon>
#include <QXmlStreamWriter>

namespace platform {

namespace {

QString shortClassName(const QString& className) {
    return className.section(QStringLiteral("::"), -1);
}

// The size a fresh control of the class takes, as its constructor sets it.
QSize freshSize(ClassFactory& factory) {
    std::unique_ptr<QWidget> probe(factory.createInstance(nullptr));
    return probe ? probe->size() : QSize();
}

void writeGeometry(QXmlStreamWriter& xml, QSize size) {
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    xml.writeStartElement(QStringLiteral("rect"));
    xml.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("width"), QString::number(size.width()));
    xml.writeTextElement(QStringLiteral("height"), QString::number(size.height()));
    xml.writeEndElement();
    xml.writeEndElement();
}

void writePropertyHelp(QXmlStreamWriter& xml, const QMetaObject* meta) {
    xml.writeStartElement(QStringLiteral("propertyspecifications"));
    for (const MemberInfo& property : TypeInfo(meta).properties()) {
        if (property.help.isEmpty())
            continue;
        xml.writeStartElement(QStringLiteral("tooltip"));
        xml.writeAttribute(QStringLiteral("name"), property.name);
        xml.writeCharacters(property.help);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

DesignerWidget::DesignerWidget(ClassFactory& factory, ControlLibraryInfo library,
                               ControlClassInfo cls)
    : factory_(factory)
    , library_(std::move(library))
    , class_(std::move(cls)) {}

QString DesignerWidget::name() const {
    return QString::fromLatin1(factory_.metaObject()->className());
}

QString DesignerWidget::group() const {
    return QString::fromLatin1(kDesignerWidgetGroup);
}

QString DesignerWidget::toolTip() const {
    return library_.helpString;
}

QString DesignerWidget::whatsThis() const {
    return QStringLiteral("%1\n\n%2 (type library %3, version %4)")
        .arg(library_.helpString, class_.progId, library_.typeLibrary, library_.version);
}

QString DesignerWidget::includeFile() const {
    return shortClassName(name()).toLower() + QStringLiteral(".h");
}

QIcon DesignerWidget::icon() const {
    return QIcon(library_.toolboxBitmapPath(class_));
}

QWidget* DesignerWidget::createWidget(QWidget* parent) {
    QWidget* control = factory_.createInstance(parent);
    if (!control)
        return nullptr;
    try {
        initializeControl(control, nullptr, nullptr);
    } catch (const vb::RuntimeError&) {
        // A control that cannot set itself up keeps its design-time state.
    }
    return control;
}

QString DesignerWidget::domXml() const {
    QString text;
    QXmlStreamWriter xml(&text);
    xml.writeStartElement(QStringLiteral("ui"));
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    xml.writeStartElement(QStringLiteral("widget"));
    xml.writeAttribute(QStringLiteral("class"), name());
    xml.writeAttribute(QStringLiteral("name"), shortClassName(name()).toLower());
    const QSize size = freshSize(factory_);
    if (size.isValid())
        writeGeometry(xml, size);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("customwidgets"));
    xml.writeStartElement(QStringLiteral("customwidget"));
    xml.writeTextElement(QStringLiteral("class"), name());
    writePropertyHelp(xml, factory_.metaObject());
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    return text;
}

DesignerWidgetCollection::DesignerWidgetCollection(const ControlLibrary& library)
    : library_(library) {}

DesignerWidgetCollection::~DesignerWidgetCollection() = default;

QList<QDesignerCustomWidgetInterface*> DesignerWidgetCollection::customWidgets() const {
    if (!made_) {
        made_ = true;
        for (ClassFactory* factory : library_.classFactories()) {
            // The library's description, read from its own file (a link in
            // a plugin folder leads to it).
            const QString file = QFileInfo(loadedFileOf(factory->metaObject())).canonicalFilePath();
            const LibraryInfoResult info = readLibraryInfo(file);
            const ControlClassInfo* cls = info.status == LibraryInfoStatus::Ok
                                              ? info.info.findClass(factory->progId())
                                              : nullptr;
            if (cls)
                widgets_.push_back(std::make_unique<DesignerWidget>(*factory, info.info, *cls));
        }
    }
    QList<QDesignerCustomWidgetInterface*> result;
    for (const auto& widget : widgets_)
        result.append(widget.get());
    return result;
}

} // namespace platform
