// The fade-text control's public face, used late-bound as a host uses it:
// its type library, property set in the host's bag, change notifications,
// events, and creation by ProgID through the registry.

#include "tests/velmiratesthost.h"

#include "hosting/controllibrary.h"
#include "hosting/fontrecord.h"
#include "hosting/hresult.h"
#include "hosting/libraryinfo.h"
#include "hosting/typeinfo.h"
#include "picturebox/olecolor.h"

#include <QFileInfo>
#include <QLibrary>
#include <QPixmap>

using namespace velmiratest;
using platform::PropertyBag;

namespace {

const QStringList readOrder{"Enabled",       "BackColor",  "Color1",     "Color2",
                            "FontBold",      "FontItalic", "Font",       "Caption",
                            "FontUnderline", "Align",      "BorderStyle"};
const QStringList writeOrder{"Enabled",  "Color1",     "Color2",        "BackColor",
                             "FontBold", "FontItalic", "FontUnderline", "Font",
                             "Caption",  "Align",      "BorderStyle"};

struct EventLog {
    QStringList names;
    QList<QVariantList> arguments;
};

std::vector<std::unique_ptr<platform::EventConnection>> recordEvents(QWidget* control,
                                                                     EventLog& log) {
    std::vector<std::unique_ptr<platform::EventConnection>> connections;
    for (const QString name :
         {"DblClick", "MouseDown", "MouseMove", "MouseUp", "Click", "Resize"}) {
        connections.push_back(platform::connectEvent(control, name, [&log, name](QVariantList& a) {
            log.names.append(name);
            log.arguments.append(a);
        }));
    }
    return connections;
}

// Where a user's mouse lands: the deepest widget at that point of the control.
QWidget* under(QWidget* control, QPoint point) {
    QWidget* child = control->childAt(point);
    return child ? child : control;
}

int callEntry(const char* name) {
    QLibrary library(libraryPath());
    const auto entry = reinterpret_cast<platform::DllRegisterServerFn>(library.resolve(name));
    return entry ? entry() : -1;
}

} // namespace

class VelmiraPropertyTest : public QObject {
    Q_OBJECT

private slots:
    void typeLibraryDescribesTheControl() {
        TestHost host;
        QWidget* control = host.place();
        const platform::TypeInfo type(control->metaObject());
        QCOMPARE(type.className(), QStringLiteral("Velmira"));
        QStringList members;
        for (const platform::MemberInfo& member : type.members())
            members.append(member.name);
        QCOMPARE(members, (QStringList{"FadeTxT", "Refresh", "Enabled", "Color1", "Color2", "Font",
                                       "FontBold", "FontItalic", "Caption", "FontUnderline",
                                       "BorderStyle", "BackColor"}));
        QVERIFY(type.hidden(QStringLiteral("FadeTxT")));
        QVERIFY(!type.hidden(QStringLiteral("Refresh")));
        QCOMPARE(type.defaultMember(), QStringLiteral("Caption"));
        QCOMPARE(type.dispid(QStringLiteral("Font")), -512);
        QCOMPARE(type.help(QStringLiteral("Enabled")),
                 QStringLiteral("Returns/sets a value that determines whever the control can "
                                "respond to user-generated events such as clicking."));
        QCOMPARE(type.help(QStringLiteral("Color2")),
                 QStringLiteral("Returns/set the second text color in the fade."));
        QCOMPARE(type.help(QStringLiteral("BackColor")),
                 QStringLiteral("Returns/sets the background color used to display text and "
                                "graphics in an object."));
        QCOMPARE(type.help(QStringLiteral("Caption")),
                 QStringLiteral("Returns/Sets text displayed in the control."));
        for (const char* readOnly : {"FontBold", "FontItalic", "FontUnderline"}) {
            QVERIFY(!type.member(QLatin1String(readOnly))->writable);
            QCOMPARE(errorOf([&] { set(control, QLatin1String(readOnly), true); }),
                     vb::err::NotSupported);
        }
        QStringList events;
        int dispid = 1;
        for (const platform::MemberInfo& event : type.events()) {
            events.append(event.name);
            QCOMPARE(event.dispid, dispid++);
        }
        QCOMPARE(events,
                 (QStringList{"DblClick", "MouseDown", "MouseMove", "MouseUp", "Click", "Resize"}));

        const platform::LibraryInfoResult library = platform::readLibraryInfo(libraryPath());
        QCOMPARE(library.info.typeLibrary, QStringLiteral("Quintaro"));
        QCOMPARE(library.info.helpString, QStringLiteral("Brantel Quintaro"));
        QCOMPARE(library.info.version, QStringLiteral(OMBRELO_FADECAPTION_VERSION));
        const platform::ControlClassInfo* cls = library.info.findClass(progId);
        QVERIFY(cls);
        QVERIFY(!QPixmap(library.info.toolboxBitmapPath(*cls)).isNull());
    }

    void emptyBagGivesTheDefaults() {
        TestHost host;
        PropertyBag empty;
        QWidget* control = host.place(&empty);
        QCOMPARE(empty.readKeys(), readOrder);
        QCOMPARE(get(control, QStringLiteral("Caption")), QVariant(QStringLiteral("Dev Fade")));
        QCOMPARE(get(control, QStringLiteral("Color1")).toUInt(), 255u);
        QCOMPARE(get(control, QStringLiteral("Color2")).toUInt(), 0u);
        QCOMPARE(get(control, QStringLiteral("Enabled")), QVariant(true));
        QCOMPARE(get(control, QStringLiteral("BackColor")).toUInt(), platform::ButtonFace);
        QCOMPARE(get(control, QStringLiteral("BorderStyle")).toInt(), 0);
        const QFont font = get(control, QStringLiteral("Font")).value<QFont>();
        QCOMPARE(platform::FontRecord::fromQFont(font),
                 platform::FontRecord::named(QStringLiteral("Arial"), 9.75));
        // Nothing differs from its default, so nothing is stored.
        const PropertyBag saved = platform::saveControl(control);
        QVERIFY(saved.isEmpty());
        QCOMPARE(saved.writtenKeys(), writeOrder);
    }

    void freshControlStoresItsCaptionAndColours() {
        TestHost host;
        QWidget* control = host.place();
        QCOMPARE(control->size(), QSize(164, 22)); // 2460 x 330 twips
        const PropertyBag saved = platform::saveControl(control);
        QCOMPARE(saved.keys(), (QStringList{"Color1", "Color2", "Caption"}));
        QCOMPARE(saved.stored(QStringLiteral("Caption")).toString(),
                 QStringLiteral("Brantel Quintaro"));
        QCOMPARE(saved.stored(QStringLiteral("Color1")).toUInt(), 0u);
        QCOMPARE(saved.stored(QStringLiteral("Color2")).toUInt(), 0xFF0000u);
    }

    void everyPropertyRoundTripsThroughTheBagText() {
        TestHost host;
        QWidget* control = host.place();
        set(control, QStringLiteral("Enabled"), false);
        set(control, QStringLiteral("BackColor"), 0x80000005u);
        set(control, QStringLiteral("Color1"), 0x123456u);
        set(control, QStringLiteral("Color2"), 0x8000000Fu);
        set(control, QStringLiteral("BorderStyle"), 1);
        set(control, QStringLiteral("Caption"), QStringLiteral("Say \"hi\"\n"));
        platform::FontRecord font =
            platform::FontRecord::named(QStringLiteral("Courier New"), 12.5);
        font.bold = true;
        font.weight = 700;
        font.italic = true;
        font.underline = true;
        set(control, QStringLiteral("Font"), QVariant::fromValue(font));
        const PropertyBag saved = platform::saveControl(control);
        QCOMPARE(saved.keys(), writeOrder.mid(0, 9) + QStringList{"BorderStyle"});

        PropertyBag loaded = PropertyBag::fromText(saved.toText());
        QWidget* copy = host.place(&loaded);
        for (const char* name : {"Enabled", "BackColor", "Color1", "Color2", "BorderStyle",
                                 "Caption", "FontBold", "FontItalic", "FontUnderline"})
            QCOMPARE(get(copy, QLatin1String(name)), get(control, QLatin1String(name)));
        QCOMPARE(platform::FontRecord::fromQFont(get(copy, "Font").value<QFont>()), font);
        QCOMPARE(platform::saveControl(copy).toText(), saved.toText());
    }

    void storedCharsetSurvivesASave() {
        TestHost host;
        PropertyBag bag;
        platform::FontRecord symbol = platform::FontRecord::named(QStringLiteral("Symbol"), 9.75);
        symbol.charset = 2;
        bag.set(QStringLiteral("Font"), QVariant::fromValue(symbol));
        QWidget* control = host.place(&bag);
        QCOMPARE(platform::saveControl(control)
                     .stored(QStringLiteral("Font"))
                     .value<platform::FontRecord>(),
                 symbol);
    }

    void fontEntryDecidesBoldAndItalicButNotUnderline() {
        TestHost host;
        PropertyBag bag;
        bag.set(QStringLiteral("FontBold"), true);
        bag.set(QStringLiteral("FontItalic"), true);
        bag.set(QStringLiteral("FontUnderline"), true);
        bag.set(QStringLiteral("Font"),
                QVariant::fromValue(platform::FontRecord::named(QStringLiteral("Arial"), 9.75)));
        QWidget* control = host.place(&bag);
        QCOMPARE(get(control, QStringLiteral("FontBold")), QVariant(false));
        QCOMPARE(get(control, QStringLiteral("FontItalic")), QVariant(false));
        QCOMPARE(get(control, QStringLiteral("FontUnderline")), QVariant(true));
    }

    void devFadeCaptionIsNotStoredAndComesBack() {
        TestHost host;
        QWidget* control = host.place();
        set(control, QStringLiteral("Caption"), QStringLiteral("Dev Fade"));
        PropertyBag saved = platform::saveControl(control);
        QVERIFY(!saved.contains(QStringLiteral("Caption")));
        QCOMPARE(get(host.place(&saved), QStringLiteral("Caption")).toString(),
                 QStringLiteral("Dev Fade"));
    }

    void brokenValueEndsTheLoad_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("Enabled not a truth value") << "Enabled" << QVariant("maybe") << 13;
        QTest::newRow("Color1 not a colour") << "Color1" << QVariant("green") << 13;
        QTest::newRow("BackColor no such system colour")
            << "BackColor" << QVariant(0x800000FFu) << 380;
        QTest::newRow("Color2 no such system colour") << "Color2" << QVariant(0x80000077u) << 380;
        QTest::newRow("Font a number") << "Font" << QVariant(12) << 13;
        QTest::newRow("Align out of range") << "Align" << QVariant(9) << 380;
        QTest::newRow("BorderStyle 2") << "BorderStyle" << QVariant(2) << 380;
        QTest::newRow("BorderStyle beyond Integer") << "BorderStyle" << QVariant(70000) << 6;
    }
    void brokenValueEndsTheLoad() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(int, error);
        TestHost host;
        PropertyBag bag;
        bag.set(key, value);
        QCOMPARE(errorOf([&] { host.place(&bag); }), error);
        QCOMPARE(bag.readKeys(), readOrder.mid(0, readOrder.indexOf(key) + 1));
        QVERIFY(host.window.findChildren<QWidget*>().isEmpty());
    }

    void settersNotifyTheHostAsTheyShould() {
        TestHost host;
        QWidget* control = host.place();
        set(control, QStringLiteral("Caption"), QStringLiteral("New text"));
        set(control, QStringLiteral("Color1"), 0xFFu);
        set(control, QStringLiteral("Color2"), 0xFFu);
        QVERIFY(host.site.changedProperties().isEmpty());
        set(control, QStringLiteral("Enabled"), false);
        set(control, QStringLiteral("BorderStyle"), 1);
        set(control, QStringLiteral("BackColor"), 0xFFFFFFu);
        set(control, QStringLiteral("Font"), QFont(QStringLiteral("Arial")));
        QCOMPARE(host.site.changedProperties(),
                 (QStringList{"Enabled", "BorderStyle", "BackColor", "Font"}));
        // The default member: assigning the control assigns its caption.
        platform::setValue(control, QStringLiteral("Via default"));
        QCOMPARE(get(control, QStringLiteral("Caption")).toString(), QStringLiteral("Via default"));
    }

    void mouseOnThePictureRaisesTheEvents() {
        TestHost host;
        QWidget* control = host.placeShown();
        EventLog log;
        const auto connections = recordEvents(control, log);
        const QPoint point(10, 6);
        QTest::mousePress(under(control, point), Qt::LeftButton, Qt::ControlModifier, point);
        QTest::mouseRelease(under(control, point), Qt::LeftButton, Qt::ControlModifier, point);
        QCOMPARE(log.names, (QStringList{"MouseDown", "MouseUp", "Click"}));
        QCOMPARE(log.arguments[0], (QVariantList{QVariant::fromValue<vb::Integer>(1),
                                                 QVariant::fromValue<vb::Integer>(2),
                                                 QVariant::fromValue<vb::Single>(150),
                                                 QVariant::fromValue<vb::Single>(90)}));
        log = {};
        QTest::mouseDClick(under(control, point), Qt::LeftButton, {}, point);
        QVERIFY(log.names.contains(QStringLiteral("DblClick")));
        log = {};
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 4), QPointF(20, 4), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(under(control, point), &move);
        QCOMPARE(log.names, QStringList{"MouseMove"});
        QCOMPARE(log.arguments[0][2].value<vb::Single>(), 300.0f);
        QVERIFY(!log.names.contains(QStringLiteral("Resize")));
    }

    void disabledControlRaisesNothingAndKeepsItsPicture() {
        TestHost host;
        QWidget* control = host.placeShown();
        const QImage before = shown(control);
        set(control, QStringLiteral("Enabled"), false);
        QCOMPARE(get(control, QStringLiteral("Enabled")), QVariant(false));
        QCOMPARE(shown(control), before);
        EventLog log;
        const auto connections = recordEvents(control, log);
        const QPoint point(10, 6);
        QTest::mouseClick(under(control, point), Qt::LeftButton, {}, point);
        QTest::mouseDClick(under(control, point), Qt::LeftButton, {}, point);
        QCOMPARE(log.names, QStringList());
        set(control, QStringLiteral("Enabled"), true);
        QTest::mouseClick(under(control, point), Qt::LeftButton, {}, point);
        QVERIFY(log.names.contains(QStringLiteral("Click")));
    }

    void registeredLibraryIsFoundByProgIdUntilUnregistered() {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("registry"));
        platform::ControlRegistry::setDefaultRoot(root);
        const platform::ControlHost registryOnly(platform::ControlRegistry(root), {});
        QCOMPARE(callEntry("DllRegisterServer"), platform::hresult::Ok);
        QWidget window;
        platform::CreateResult made = registryOnly.tryCreate(progId, &window);
        QVERIFY2(made.ok(), qPrintable(made.message()));
        QCOMPARE(made.libraryPath, libraryPath());
        QCOMPARE(callEntry("DllCanUnloadNow"), platform::hresult::False);
        delete made.control;
        QCOMPARE(callEntry("DllCanUnloadNow"), platform::hresult::Ok);
        QCOMPARE(callEntry("DllUnregisterServer"), platform::hresult::Ok);
        QCOMPARE(registryOnly.tryCreate(progId).failure, platform::CreateFailure::NotFound);
        QCOMPARE(registryOnly.tryCreate(QStringLiteral("Quintaro.Nothing")).failure,
                 platform::CreateFailure::NotFound);
        const platform::ControlHost withFolder(platform::ControlRegistry(root), {controlsDir()});
        QCOMPARE(withFolder.tryCreate(QStringLiteral("Quintaro")).failure,
                 platform::CreateFailure::InvalidProgId);
        platform::ControlRegistry::setDefaultRoot({});
    }
};

QTEST_MAIN(VelmiraPropertyTest)
#include "velmira_property_test.moc"
