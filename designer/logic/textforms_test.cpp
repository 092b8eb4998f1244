#include "textforms.h"

#include <gtest/gtest.h>

using namespace designer;

TEST(TextForms, WrittenForms) {
    EXPECT_EQ(formatInteger(138), QStringLiteral("138"));
    EXPECT_EQ(formatInteger(0), QStringLiteral("0"));
    EXPECT_EQ(formatYesNo(true), QStringLiteral("True"));
    EXPECT_EQ(formatYesNo(false), QStringLiteral("False"));
}

TEST(TextForms, IntegersReadInUsualDecimalNotation) {
    EXPECT_EQ(parseInteger(QStringLiteral("138")), 138);
    EXPECT_EQ(parseInteger(QStringLiteral(" -42 ")), -42);
    EXPECT_EQ(parseInteger(QStringLiteral("2.5")), 2);
    EXPECT_EQ(parseInteger(QStringLiteral("3.5")), 4);
    EXPECT_EQ(parseInteger(QStringLiteral("1e3")), 1000);
    EXPECT_EQ(parseInteger(QStringLiteral("+.5")), 0);
    EXPECT_EQ(parseInteger(QStringLiteral("99999")), 99999);
}

TEST(TextForms, TextThatIsNotANumber) {
    for (const char* bad : {"", " ", "abc", "12abc", "inf", "nan", "0x10", "1,5", "--1", "1e99"})
        EXPECT_FALSE(parseInteger(QString::fromLatin1(bad))) << bad;
}

TEST(TextForms, YesNoInAnyCaseOrAsANumber) {
    EXPECT_EQ(parseYesNo(QStringLiteral("True")), true);
    EXPECT_EQ(parseYesNo(QStringLiteral("fALSE")), false);
    EXPECT_EQ(parseYesNo(QStringLiteral("-1")), true);
    EXPECT_EQ(parseYesNo(QStringLiteral("0")), false);
    EXPECT_EQ(parseYesNo(QStringLiteral("2.5")), true);
    EXPECT_FALSE(parseYesNo(QStringLiteral("yes")));
    EXPECT_FALSE(parseYesNo(QString()));
}
