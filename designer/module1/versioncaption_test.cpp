#include "module1/versioncaption.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionCaption, ShowsTheProgramsVersionWithoutPadding) {
    EXPECT_EQ(module1::VersionCaption(module1::programVersion()), "Vertion : 3.0 Build #17");
    EXPECT_EQ(module1::VersionCaption({3, 5, 17}), "Vertion : 3.5 Build #17");
    EXPECT_EQ(module1::VersionCaption({12, 0, 1}), "Vertion : 12.0 Build #1");
}

} // namespace
