// The shipped control libraries as Qt's form tools see them: found through
// links in a plugin folder (as the package installs them in Qt's designer
// folder), listed in the group "Ombrelo controls" with their bitmaps and help
// strings, and created from a form file with the properties it sets.

#include "hosting/designerwidgets.h"
#include "hosting/latebinding.h"
#include "hosting/libraryinfo.h"
#include "hosting/typeinfo.h"

#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>
#include <QUiLoader>
#include <QXmlStreamReader>

using namespace platform;

namespace {

const QStringList kLibraries = {QStringLiteral(OMBRELO_FADECAPTION_LIBRARY),
                                QStringLiteral(OMBRELO_LINKLABEL_LIBRARY)};

// A form naming both controls, with a property of each kind they take.
const QByteArray kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>120</height></rect></property>
  <widget class="Velmira" name="caption">
   <property name="geometry"><rect><x>10</x><y>10</y><width>200</width><height>24</height></rect></property>
   <property name="Caption"><string>Fade &amp; shade</string></property>
   <property name="Color1"><number>128</number></property>
   <property name="Color2"><number>16744448</number></property>
  </widget>
  <widget class="linklabel::URLLink" name="link">
   <property name="geometry"><rect><x>10</x><y>50</y><width>120</width><height>16</height></rect></property>
   <property name="Text"><string>Home page</string></property>
   <property name="URL"><string>http://www.example.invalid/start</string></property>
   <property name="ShowToolTip"><bool>true</bool></property>
  </widget>
 </widget>
</ui>
)";

// The property tool tips a custom widget's XML gives the property editor.
QHash<QString, QString> propertyToolTips(const QString& domXml) {
    QHash<QString, QString> tips;
    QXmlStreamReader xml(domXml);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QStringLiteral("tooltip")) {
            const QString name = xml.attributes().value(QStringLiteral("name")).toString();
            tips.insert(name, xml.readElementText());
        }
    }
    return tips;
}

} // namespace

class DesignerWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(pluginFolder_.isValid());
        for (const QString& library : kLibraries) {
            const QString link = pluginFolder_.filePath(QFileInfo(library).fileName());
            QVERIFY2(QFile::link(library, link), qPrintable(link));
        }
    }

    void eachLibraryOffersItsControl() {
        const QStringList expected = {QStringLiteral("Velmira"),
                                      QStringLiteral("linklabel::URLLink")};
        for (int i = 0; i < kLibraries.size(); ++i) {
            QPluginLoader plugin(pluginFolder_.filePath(QFileInfo(kLibraries[i]).fileName()));
            auto* collection =
                qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
            QVERIFY2(collection, qPrintable(plugin.errorString()));
            const auto widgets = collection->customWidgets();
            QCOMPARE(widgets.size(), 1);
            QDesignerCustomWidgetInterface* widget = widgets.first();
            QCOMPARE(widget->name(), expected[i]);
            QCOMPARE(widget->group(), QStringLiteral("Ombrelo controls"));
            QVERIFY(!widget->isContainer());

            const LibraryInfoResult library = readLibraryInfo(kLibraries[i]);
            QCOMPARE(widget->toolTip(), library.info.helpString);
            QVERIFY(widget->whatsThis().startsWith(library.info.helpString));
            const QImage bitmap(library.info.toolboxBitmapPath(library.info.classes.first()));
            QVERIFY(!bitmap.isNull());
            QCOMPARE(widget->icon()
                         .pixmap(bitmap.size())
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32),
                     bitmap.convertToFormat(QImage::Format_ARGB32));

            // Every help string of the type library, and nothing else.
            const QHash<QString, QString> tips = propertyToolTips(widget->domXml());
            std::unique_ptr<QWidget> control(widget->createWidget(nullptr));
            QVERIFY(control);
            QCOMPARE(QString::fromLatin1(control->metaObject()->className()), widget->name());
            int described = 0;
            for (const MemberInfo& property : TypeInfo(control->metaObject()).properties()) {
                QCOMPARE(tips.value(property.name), property.help);
                described += property.help.isEmpty() ? 0 : 1;
            }
            QVERIFY(described > 0);
            QCOMPARE(tips.size(), described);
        }
    }

    void aFormNamingBothControlsLoadsThem() {
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(pluginFolder_.path());
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("Velmira")));
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("linklabel::URLLink")));

        QBuffer form;
        form.setData(kForm);
        std::unique_ptr<QWidget> widget(loader.load(&form));
        QVERIFY2(widget, qPrintable(loader.errorString()));

        QWidget* caption = widget->findChild<QWidget*>(QStringLiteral("caption"));
        QVERIFY(caption);
        QCOMPARE(caption->metaObject()->className(), "Velmira");
        QCOMPARE(getProperty(caption, QStringLiteral("Caption")).toString(),
                 QStringLiteral("Fade & shade"));
        QCOMPARE(getProperty(caption, QStringLiteral("Color1")).toUInt(), 128u);
        QCOMPARE(getProperty(caption, QStringLiteral("Color2")).toUInt(), 0xFF8000u);
        QCOMPARE(caption->geometry(), QRect(10, 10, 200, 24));

        QWidget* link = widget->findChild<QWidget*>(QStringLiteral("link"));
        QVERIFY(link);
        QCOMPARE(link->metaObject()->className(), "linklabel::URLLink");
        QCOMPARE(getProperty(link, QStringLiteral("Text")).toString(), QStringLiteral("Home page"));
        QCOMPARE(getProperty(link, QStringLiteral("URL")).toString(),
                 QStringLiteral("http://www.example.invalid/start"));
        QCOMPARE(getProperty(link, QStringLiteral("ShowToolTip")).toBool(), true);
    }

private:
    QTemporaryDir pluginFolder_;
};

QTEST_MAIN(DesignerWidgetsTest)
#include "designerwidgets_test.moc"
