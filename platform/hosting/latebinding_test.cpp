#include "hosting/latebinding.h"

#include "hosting/control.h"
#include "hosting/tests/testsupport.h"
#include "hosting/typeinfo.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace platform;
using namespace hostingtest;

namespace {

class LateBound : public ::testing::Test {
protected:
    LateBound()
        : host(reg.host({testControlsDir()}))
        , gauge(host.create(QStringLiteral("OmbreloTest.Gauge"))) {}

    int errorOf(const std::function<void()>& call) { return vb::errorRaisedBy(call); }

    PrivateRegistry reg;
    ControlHost host;
    std::unique_ptr<QWidget> gauge;
};

} // namespace

TEST_F(LateBound, PropertiesAndMethodsAreReachedByName) {
    setProperty(gauge.get(), QStringLiteral("Value"), 12);
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("value")).toInt(), 12);
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("Divide"), 7, 2).toInt(), 3);
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("divide"), -7, 2).toInt(), -3);
    // A method with a default argument takes either count.
    callMethod(gauge.get(), QStringLiteral("Add"));
    callMethod(gauge.get(), QStringLiteral("Add"), 10);
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("Value")).toInt(), 23);
    // The default member takes an assignment of the control itself; a
    // number is text enough for a Variant caption.
    setValue(gauge.get(), 12);
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("Caption")), QVariant(QStringLiteral("12")));
}

TEST_F(LateBound, ControlRunTimeErrorsReachTheCaller) {
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Divide"), 1, 0); }),
              vb::err::DivisionByZero);
    setProperty(gauge.get(), QStringLiteral("Value"), 32767);
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Add")); }), vb::err::Overflow);
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("Value")).toInt(), 32767);
    // The control stays usable after an error.
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("Divide"), 9, 3).toInt(), 3);
}

TEST_F(LateBound, MisuseRaisesTheLanguagesErrors) {
    EXPECT_EQ(errorOf([&] { getProperty(gauge.get(), QStringLiteral("Nope")); }),
              vb::err::NotSupported);
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Nope")); }),
              vb::err::NotSupported);
    EXPECT_EQ(errorOf([&] { setProperty(gauge.get(), QStringLiteral("Version"), "9"); }),
              vb::err::NotSupported);
    // Events are not methods.
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Click")); }),
              vb::err::NotSupported);
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Divide"), 1); }),
              WrongNumberOfArguments);
    EXPECT_EQ(errorOf([&] { setProperty(gauge.get(), QStringLiteral("Value"), "lots"); }),
              vb::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { setProperty(gauge.get(), QStringLiteral("Value"), 40000); }),
              vb::err::Overflow);
    EXPECT_EQ(errorOf([&] { callMethod(gauge.get(), QStringLiteral("Divide"), 1e6, 1); }),
              vb::err::Overflow);
    EXPECT_EQ(errorOf([&] { getProperty(nullptr, QStringLiteral("Value")); }),
              vb::err::ObjectRequired);
}

TEST_F(LateBound, ArgumentsConvertAsVariantsDo) {
    // 2.5 rounds to the even 2, "9" is a number.
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("Divide"), QStringLiteral("9"), 2.5).toInt(),
              4);
    setProperty(gauge.get(), QStringLiteral("Color"), QStringLiteral("&H8000000F&"));
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("Color")).toUInt(), 0x8000000Fu);
    setProperty(gauge.get(), QStringLiteral("Color"), -2147483633);
    EXPECT_EQ(getProperty(gauge.get(), QStringLiteral("Color")).toUInt(), 0x8000000Fu);
}

TEST_F(LateBound, EventsReachHandlersWhichMayChangeReferenceArguments) {
    int clicks = 0;
    auto click = connectEvent(gauge.get(), QStringLiteral("Click"), [&](QVariantList& args) {
        EXPECT_TRUE(args.isEmpty());
        ++clicks;
    });
    callMethod(gauge.get(), QStringLiteral("FireClick"));
    EXPECT_EQ(clicks, 1);
    click.reset();
    callMethod(gauge.get(), QStringLiteral("FireClick"));
    EXPECT_EQ(clicks, 1);

    auto go = connectEvent(gauge.get(), QStringLiteral("gotourl"), [](QVariantList& args) {
        ASSERT_EQ(args.size(), 2);
        if (args[0].toString() == QLatin1String("stop"))
            args[1] = true;
        else
            args[0] = QStringLiteral("file:///tmp/readme.txt");
    });
    EXPECT_EQ(
        callMethod(gauge.get(), QStringLiteral("FireGoToURL"), QStringLiteral("http://x.invalid")),
        QVariant(QStringLiteral("file:///tmp/readme.txt")));
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("FireGoToURL"), QStringLiteral("stop")),
              QVariant(QStringLiteral("cancelled")));

    // Parameter types spelt with the language's names work the same.
    auto moved = connectEvent(gauge.get(), QStringLiteral("Moved"), [](QVariantList& args) {
        ASSERT_EQ(args.size(), 2);
        EXPECT_EQ(args[0].toInt(), 1);
        args[1] = args[1].toFloat() + 0.25f;
    });
    EXPECT_EQ(callMethod(gauge.get(), QStringLiteral("FireMoved"), 2.5).toFloat(), 2.75f);

    EXPECT_EQ(errorOf([&] { connectEvent(gauge.get(), QStringLiteral("Nope"), {}); }),
              vb::err::NotSupported);
}

TEST_F(LateBound, AFailingEventHandlerDoesNotReachTheControl) {
    auto click = connectEvent(gauge.get(), QStringLiteral("Click"),
                              [](QVariantList&) { vb::raiseError(vb::err::Overflow); });
    EXPECT_NO_THROW(callMethod(gauge.get(), QStringLiteral("FireClick")));
}

TEST_F(LateBound, ConnectionEndsWithItsContext) {
    int clicks = 0;
    auto context = std::make_unique<QObject>();
    auto click = connectEvent(
        gauge.get(), QStringLiteral("Click"), [&](QVariantList&) { ++clicks; }, context.get());
    context.reset();
    callMethod(gauge.get(), QStringLiteral("FireClick"));
    EXPECT_EQ(clicks, 0);
}

TEST(TypeInfo, ReadsHelpDispatchIdsHiddenMembersAndOrder) {
    PrivateRegistry reg;
    std::unique_ptr<QWidget> gauge(
        reg.host({testControlsDir()}).create(QStringLiteral("OmbreloTest.Gauge")));
    const TypeInfo info(gauge->metaObject());
    EXPECT_EQ(info.className(), QStringLiteral("Gauge"));
    QStringList names;
    for (const MemberInfo& m : info.members())
        names.append(m.name);
    EXPECT_EQ(names.mid(0, 9), (QStringList{"Secret", "Refresh", "Caption", "Value", "Color",
                                            "Font", "Divide", "Add", "Version"}));
    EXPECT_EQ(names.count(QStringLiteral("Add")), 1); // the default-argument twin is not listed
    EXPECT_TRUE(names.contains(QStringLiteral("FireClick")));
    EXPECT_FALSE(names.contains(QStringLiteral("enabled"))); // QWidget's own are not the control's

    EXPECT_EQ(info.help(QStringLiteral("Caption")),
              QStringLiteral("Returns/sets the text of the gauge."));
    EXPECT_EQ(info.help(QStringLiteral("divide")),
              QStringLiteral("Whole-number quotient of two numbers."));
    EXPECT_EQ(info.help(QStringLiteral("Value")), QString());
    EXPECT_EQ(info.dispid(QStringLiteral("Caption")), 0);
    EXPECT_EQ(info.dispid(QStringLiteral("Font")), -512);
    EXPECT_EQ(info.dispid(QStringLiteral("Value")), std::nullopt);
    EXPECT_EQ(info.dispid(QStringLiteral("Click")), 1);
    EXPECT_TRUE(info.hidden(QStringLiteral("Secret")));
    EXPECT_FALSE(info.hidden(QStringLiteral("Refresh")));
    EXPECT_EQ(info.defaultMember(), QStringLiteral("Caption"));
    EXPECT_EQ(info.browseFirst(), QStringLiteral("Value"));

    const auto version = info.member(QStringLiteral("Version"));
    ASSERT_TRUE(version);
    EXPECT_FALSE(version->writable);
    QStringList events;
    for (const MemberInfo& e : info.events())
        events.append(e.type);
    EXPECT_EQ(events, (QStringList{"Click()", "GoToURL(QString&,bool&)",
                                   "Moved(vb::Integer&,vb::Single&)"}));
}
