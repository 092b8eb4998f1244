#include "hosting/valueconversion.h"

#include "core/vb.h"
#include "hosting/fontrecord.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

QVariant to(const QVariant& value, QMetaType type) {
    return convertValue(value, type);
}

int errorOf(const QVariant& value, QMetaType type) {
    return vb::errorRaisedBy([&] { convertValue(value, type); });
}

const QMetaType Integer = QMetaType::fromType<qint16>();
const QMetaType Long = QMetaType::fromType<qint32>();
const QMetaType Colour = QMetaType::fromType<quint32>();
const QMetaType Text = QMetaType::fromType<QString>();
const QMetaType Boolean = QMetaType::fromType<bool>();
const QMetaType Single = QMetaType::fromType<float>();

} // namespace

TEST(ValueConversion, NumbersRoundHalfToEvenAndOverflowOutOfRange) {
    EXPECT_EQ(to(2.5, Integer).value<qint16>(), 2);
    EXPECT_EQ(to(3.5, Integer).value<qint16>(), 4);
    EXPECT_EQ(to(-2.5, Long).toInt(), -2);
    EXPECT_EQ(to(QStringLiteral(" 41 "), Integer).value<qint16>(), 41);
    EXPECT_EQ(errorOf(32768, Integer), vb::err::Overflow);
    EXPECT_EQ(errorOf(32767.5, Integer), vb::err::Overflow);
    EXPECT_EQ(errorOf(3e9, Long), vb::err::Overflow);
    EXPECT_EQ(errorOf(1e39, Single), vb::err::Overflow);
    EXPECT_EQ(errorOf(QStringLiteral("12abc"), Long), vb::err::TypeMismatch);
    EXPECT_EQ(errorOf(QVariant::fromValue(FontRecord{}), Long), vb::err::TypeMismatch);
}

TEST(ValueConversion, BooleansAreMinusOneAndZero) {
    EXPECT_EQ(to(true, Integer).value<qint16>(), -1);
    EXPECT_EQ(to(false, Long).toInt(), 0);
    EXPECT_TRUE(to(-7, Boolean).toBool());
    EXPECT_FALSE(to(QStringLiteral("False"), Boolean).toBool());
    EXPECT_TRUE(to(QStringLiteral("TRUE"), Boolean).toBool());
    EXPECT_EQ(to(true, Text).toString(), QStringLiteral("True"));
    EXPECT_EQ(errorOf(QStringLiteral("yes"), Boolean), vb::err::TypeMismatch);
}

TEST(ValueConversion, ColoursAreTheBitsOfALong) {
    EXPECT_EQ(to(-2147483633, Colour).toUInt(), 0x8000000Fu);
    EXPECT_EQ(to(QVariant::fromValue(quint32{0x8000000F}), Long).toInt(), -2147483633);
    EXPECT_EQ(to(QStringLiteral("&H8000000F&"), Long).toInt(), -2147483633);
    EXPECT_EQ(to(QStringLiteral("&HFF"), Colour).toUInt(), 255u);
    EXPECT_EQ(errorOf(4294967296LL, Colour), vb::err::Overflow);
    // A plain number beyond the Long range is no colour and overflows.
    EXPECT_EQ(errorOf(4294967295LL, Long), vb::err::Overflow);
}

TEST(ValueConversion, NumbersBecomeTheirShortestText) {
    EXPECT_EQ(to(12, Text).toString(), QStringLiteral("12"));
    EXPECT_EQ(to(0.1, Text).toString(), QStringLiteral("0.1"));
    EXPECT_EQ(to(QVariant(), Text).toString(), QString());
    EXPECT_EQ(to(QVariant(), Long).toInt(), 0);
}

TEST(ValueConversion, FontsConvertOnlyToFontsAndNames) {
    const QVariant record = QVariant::fromValue(FontRecord::named(QStringLiteral("Arial"), 9.75));
    const QFont font = to(record, QMetaType::fromType<QFont>()).value<QFont>();
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(
        to(QVariant::fromValue(font), QMetaType::fromType<FontRecord>()).value<FontRecord>().size,
        9.75);
    EXPECT_EQ(to(record, Text).toString(), QStringLiteral("Arial"));
    EXPECT_EQ(errorOf(12, QMetaType::fromType<FontRecord>()), vb::err::TypeMismatch);
}

TEST(ValueConversion, SameValueComparesInTheReferencesType) {
    EXPECT_TRUE(sameValue(255, QVariant::fromValue(quint32{255})));
    EXPECT_TRUE(sameValue(QStringLiteral("-1"), true));
    EXPECT_FALSE(sameValue(QStringLiteral("abc"), 0));
    EXPECT_FALSE(sameValue(QStringLiteral("abc"), QStringLiteral("ABC")));
}
