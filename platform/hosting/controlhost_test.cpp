#include "hosting/controlhost.h"

#include "hosting/control.h"
#include "hosting/controllibrary.h"
#include "hosting/controlsite.h"
#include "hosting/hresult.h"
#include "hosting/latebinding.h"
#include "hosting/libraryinfo.h"
#include "hosting/propertybag.h"
#include "hosting/tests/testsupport.h"
#include "services/tests/scripted.h"

#include <QFile>
#include <QLibrary>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <memory>

using namespace platform;
using namespace hostingtest;

namespace {

const QString kGauge = QStringLiteral("OmbreloTest.Gauge");

int callEntry(const QString& library, const char* name) {
    QLibrary lib(library);
    auto entry = reinterpret_cast<DllRegisterServerFn>(lib.resolve(name));
    return entry ? entry() : hresult::Unexpected;
}

CreateFailure failureOf(const ControlHost& host, const QString& progId) {
    CreateResult result = host.tryCreate(progId);
    std::unique_ptr<QWidget> made(result.control);
    return result.failure;
}

bool loadedInProcess(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOLOAD | RTLD_LAZY);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

} // namespace

TEST(ControlHost, RegisteredLibraryMakesControlsUntilUnregistered) {
    PrivateRegistry reg;
    ASSERT_EQ(callEntry(gaugeLibrary(), "DllRegisterServer"), hresult::Ok);
    const auto entry = reg.registry().find(kGauge);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->libraryPath, gaugeLibrary());
    EXPECT_EQ(entry->typeLibrary, QStringLiteral("OmbreloTest"));
    EXPECT_EQ(entry->version, QStringLiteral("2.3.45"));

    const ControlHost host = reg.host();
    QWidget window;
    CreateResult made = host.tryCreate(QStringLiteral("ombrelotest.GAUGE"), &window);
    ASSERT_TRUE(made.ok()) << made.message().toStdString();
    EXPECT_EQ(made.libraryPath, gaugeLibrary());
    EXPECT_EQ(made.control->parentWidget(), &window);
    EXPECT_NE(asControl(made.control), nullptr);
    EXPECT_EQ(callEntry(gaugeLibrary(), "DllCanUnloadNow"), hresult::False);
    delete made.control;
    EXPECT_EQ(callEntry(gaugeLibrary(), "DllCanUnloadNow"), hresult::Ok);

    ASSERT_EQ(callEntry(gaugeLibrary(), "DllUnregisterServer"), hresult::Ok);
    EXPECT_FALSE(reg.registry().find(kGauge));
    EXPECT_EQ(failureOf(host, kGauge), CreateFailure::NotFound);
}

TEST(ControlHost, UnregisteringLeavesAnotherCopysEntryAlone) {
    PrivateRegistry reg;
    RegistryEntry other{kGauge, QStringLiteral("/opt/elsewhere/libgauge.so"), {}, {}, {}, {}};
    ASSERT_TRUE(reg.registry().add(other));
    ASSERT_EQ(callEntry(gaugeLibrary(), "DllUnregisterServer"), hresult::Ok);
    ASSERT_TRUE(reg.registry().find(kGauge));
    EXPECT_EQ(reg.registry().find(kGauge)->libraryPath, other.libraryPath);
}

TEST(ControlHost, EachFailureToCreateIsDistinctAndNamesTheProgId) {
    PrivateRegistry reg;
    QFile notALibrary(reg.scratch(QStringLiteral("libtext.so")));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("this is text, not a library\n");
    notALibrary.close();
    ControlRegistry registry = reg.registry();
    registry.add({QStringLiteral("Test.Text"), notALibrary.fileName(), {}, {}, {}, {}});
    registry.add(
        {QStringLiteral("Test.Gone"), reg.scratch(QStringLiteral("libgone.so")), {}, {}, {}, {}});
    registry.add(
        {QStringLiteral("Test.Foreign"), testLibrary("ombrelo-testforeign"), {}, {}, {}, {}});
    registry.add(
        {QStringLiteral("Test.NoEntry"), testLibrary("ombrelo-testnoentry"), {}, {}, {}, {}});
    ASSERT_EQ(callEntry(gaugeLibrary(), "DllRegisterServer"), hresult::Ok);
    const ControlHost host = reg.host();

    struct Case {
        const char* progId;
        CreateFailure failure;
    };
    const Case cases[] = {
        {"Nowhere.Control", CreateFailure::NotFound},
        {"../../etc/passwd", CreateFailure::InvalidProgId},
        {"Test.Text", CreateFailure::LoadFailed},
        {"Test.Gone", CreateFailure::LoadFailed},
        {"Test.Foreign", CreateFailure::WrongInterface},
        {"Test.NoEntry", CreateFailure::WrongInterface},
        {"OmbreloTest.Phantom", CreateFailure::UnknownProgId},
        {"OmbreloTest.Plain", CreateFailure::CreationFailed},
    };
    for (const Case& c : cases) {
        const QString progId = QString::fromLatin1(c.progId);
        SCOPED_TRACE(c.progId);
        try {
            delete host.create(progId);
            ADD_FAILURE() << "created";
        } catch (const CreateControlError& error) {
            EXPECT_EQ(error.failure(), c.failure) << failureName(error.failure()).toStdString();
            EXPECT_EQ(error.number(), vb::err::CantCreateObject);
            EXPECT_EQ(error.progId(), progId);
            const QString description = QString::fromStdString(error.description());
            EXPECT_TRUE(description.startsWith(
                QStringLiteral("ActiveX component can't create object: '%1'").arg(progId)))
                << error.what();
        }
    }
}

TEST(ControlHost, ControlsFolderServesUnregisteredLibraries) {
    PrivateRegistry reg;
    const ControlHost host = reg.host({reg.scratch(QStringLiteral("empty")), testControlsDir()});
    bool fromRegistry = true;
    EXPECT_EQ(host.locate(kGauge, &fromRegistry), gaugeLibrary());
    EXPECT_FALSE(fromRegistry);
    std::unique_ptr<QWidget> gauge(host.create(kGauge));
    EXPECT_NE(asControl(gauge.get()), nullptr);
    // A ProgID no library in the folder describes is still not found.
    EXPECT_EQ(failureOf(host, QStringLiteral("OmbreloTest.Missing")), CreateFailure::NotFound);
}

TEST(ControlHost, StaleRegistrationFallsThroughToTheControlsFolder) {
    PrivateRegistry reg;
    reg.registry().add({kGauge, reg.scratch(QStringLiteral("libmoved.so")), {}, {}, {}, {}});
    const ControlHost host = reg.host({testControlsDir()});
    CreateResult made = host.tryCreate(kGauge);
    std::unique_ptr<QWidget> gauge(made.control);
    ASSERT_TRUE(made.ok()) << made.message().toStdString();
    EXPECT_EQ(made.libraryPath, gaugeLibrary());
}

TEST(ControlHost, TwoControlLibrariesInOneHostStayApart) {
    PrivateRegistry reg;
    const ControlHost host = reg.host({testControlsDir()});
    std::unique_ptr<QWidget> first(host.create(kGauge));
    std::unique_ptr<QWidget> second(host.create(QStringLiteral("OmbreloOther.Gauge")));
    const QString other = testLibrary("ombrelo-testcontrol2");
    EXPECT_EQ(callEntry(gaugeLibrary(), "DllCanUnloadNow"), hresult::False);
    EXPECT_EQ(callEntry(other, "DllCanUnloadNow"), hresult::False);
    first.reset();
    EXPECT_EQ(callEntry(gaugeLibrary(), "DllCanUnloadNow"), hresult::Ok);
    EXPECT_EQ(callEntry(other, "DllCanUnloadNow"), hresult::False);
    // Each library answers for its own classes only.
    EXPECT_EQ(failureOf(ControlHost(reg.registry(), {}), kGauge), CreateFailure::NotFound);
    ASSERT_EQ(callEntry(other, "DllRegisterServer"), hresult::Ok);
    EXPECT_EQ(reg.registry().entries().size(), 1);
}

TEST(LibraryInfo, DescriptionIsReadWithoutLoadingTheLibrary) {
    PrivateRegistry reg;
    const QString copy = reg.scratch(QStringLiteral("libcopy.so"));
    ASSERT_TRUE(QFile::copy(gaugeLibrary(), copy));
    const LibraryInfoResult result = readLibraryInfo(copy);
    ASSERT_EQ(result.status, LibraryInfoStatus::Ok) << result.problem.toStdString();
    EXPECT_FALSE(loadedInProcess(copy));
    const ControlLibraryInfo& info = result.info;
    EXPECT_EQ(info.typeLibrary, QStringLiteral("OmbreloTest"));
    EXPECT_EQ(info.helpString, QStringLiteral("Ombrelo test controls"));
    EXPECT_EQ(info.version, QStringLiteral("2.3.45"));
    ASSERT_EQ(info.classes.size(), 3);
    const ControlClassInfo* gauge = info.findClass(QStringLiteral("ombrelotest.gauge"));
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->className, QStringLiteral("Gauge"));
    EXPECT_EQ(info.toolboxBitmapPath(*gauge), reg.scratch(QStringLiteral("gauge.png")));
    EXPECT_EQ(info.toolboxBitmapPath(*info.findClass(QStringLiteral("OmbreloTest.Plain"))),
              QStringLiteral(":/ombrelotest/plain.png"));

    // The bitmap the build put beside the library opens.
    const ControlLibraryInfo built = readLibraryInfo(gaugeLibrary()).info;
    EXPECT_EQ(QPixmap(built.toolboxBitmapPath(built.classes[0])).size(), QSize(16, 15));

    EXPECT_EQ(readLibraryInfo(testLibrary("ombrelo-testforeign")).status,
              LibraryInfoStatus::WrongInterface);
    EXPECT_FALSE(loadedInProcess(testLibrary("ombrelo-testforeign")));
    EXPECT_EQ(readLibraryInfo(reg.scratch(QStringLiteral("nothing.so"))).status,
              LibraryInfoStatus::Unreadable);
}

TEST(LibraryInfo, ProgIdsThatCouldEscapeTheRegistryAreRefused) {
    EXPECT_TRUE(isValidProgId(QStringLiteral("Quintaro.Velmira")));
    EXPECT_TRUE(isValidProgId(QStringLiteral("A.B.C_1")));
    for (const char* bad : {"", "Velmira", ".Velmira", "Quintaro.", "a/b.c", "../x.y", "x.y/..",
                            "Quin taro.Velmira", "1x.y"})
        EXPECT_FALSE(isValidProgId(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(isValidProgId(QStringLiteral("A.") + QString(40, QLatin1Char('b'))));
}

// ---------------------------------------------------------------- lifecycle

class PlacedGauge : public ::testing::Test {
protected:
    PlacedGauge()
        : host(reg.host({testControlsDir()}))
        , site(boxes) {}

    PrivateRegistry reg;
    ControlHost host;
    ScriptedMessageBoxes boxes;
    StandardControlSite site;
    QWidget window;
};

TEST_F(PlacedGauge, NewControlIsSetUpAndSavesWhatDiffersFromDefaults) {
    QWidget* gauge = host.place(kGauge, &window, &site);
    EXPECT_EQ(asControl(gauge)->site(), &site);
    EXPECT_EQ(getProperty(gauge, QStringLiteral("Caption")).toString(),
              QStringLiteral("New gauge"));
    const PropertyBag saved = saveControl(gauge);
    EXPECT_EQ(saved.keys(), (QStringList{QStringLiteral("Caption"), QStringLiteral("Value")}));
    EXPECT_EQ(saved.writtenKeys(), (QStringList{QStringLiteral("Caption"), QStringLiteral("Value"),
                                                QStringLiteral("Color"), QStringLiteral("Font")}));
}

TEST_F(PlacedGauge, StoredSetIsReadBackFromItsTextForm) {
    PropertyBag stored = PropertyBag::fromText(QStringLiteral(
        "Caption = \"Dial\"\nColor = &H00FF0000&\n"
        "Font = Font{Name=\"Courier New\"; Size=12.5; Weight=700; Charset=0; Bold=True; "
        "Italic=True; Underline=False; Strikethrough=False}\n"));
    QWidget* gauge = host.place(kGauge, &window, &site, &stored);
    EXPECT_EQ(stored.readKeys(), (QStringList{QStringLiteral("Caption"), QStringLiteral("Value"),
                                              QStringLiteral("Color"), QStringLiteral("Font")}));
    EXPECT_EQ(getProperty(gauge, QStringLiteral("Caption")).toString(), QStringLiteral("Dial"));
    EXPECT_EQ(getProperty(gauge, QStringLiteral("Value")).toInt(), 0);
    EXPECT_EQ(getProperty(gauge, QStringLiteral("Color")).toUInt(), 0x00FF0000u);
    const QFont font = getProperty(gauge, QStringLiteral("Font")).value<QFont>();
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 12.5);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(saveControl(gauge).toText(), stored.toText());
}

TEST_F(PlacedGauge, BrokenStoredSetFailsThePlacementAndLeavesNothingBehind) {
    PropertyBag stored = PropertyBag::fromText(QStringLiteral("Value = \"many\"\n"));
    try {
        host.place(kGauge, &window, &site, &stored);
        FAIL() << "placed";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.number(), vb::err::TypeMismatch);
    }
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
}

TEST_F(PlacedGauge, SiteReceivesNotificationsMessageBoxesAndUnhandledErrors) {
    QWidget* gauge = host.place(kGauge, &window, &site);
    QStringList seen;
    site.onPropertyChanged([&](QWidget* control, const QString& name) {
        EXPECT_EQ(control, gauge);
        seen.append(name);
    });
    setProperty(gauge, QStringLiteral("Value"), 7);
    setProperty(gauge, QStringLiteral("Color"), 255); // sends none
    setProperty(gauge, QStringLiteral("Caption"), QStringLiteral("Fine"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Value"), QStringLiteral("Caption")}));
    EXPECT_EQ(site.changedProperties(), seen);

    setProperty(gauge, QStringLiteral("Caption"), QStringLiteral("x"));
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown()[0].prompt,
              QStringLiteral("Caption must contain 2 or more characters."));
    EXPECT_EQ(boxes.shown()[0].style, msgbox::Critical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Error"));
    EXPECT_EQ(getProperty(gauge, QStringLiteral("Caption")).toString(), QStringLiteral("Fine"));

    callMethod(gauge, QStringLiteral("ReportProblem"), vb::err::DivisionByZero);
    ASSERT_EQ(site.unhandledErrors().size(), 1);
    EXPECT_EQ(site.unhandledErrors()[0].number(), vb::err::DivisionByZero);
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("Run-time error '11':\n\nDivision by zero"));
}

TEST_F(PlacedGauge, UserModeIsTheSitesAmbientValue) {
    site.setUserMode(false);
    QWidget* gauge = host.place(kGauge, &window, &site);
    EXPECT_FALSE(asControl(gauge)->site()->userMode());
}
