#include "logic/stopheight.h"
#include "render/boxlisting.h"
#include "render/renderargs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using render::Mode;
using render::parseArguments;
using render::ParseResult;
using Args = std::vector<std::string>;

namespace {

const Args kGreyRamp = {"0", "0", "0", "255", "50", "0", "3000", "1", "-1", "1", "1", "1"};

Args with(Args front, const Args& values = kGreyRamp) {
    front.insert(front.end(), values.begin(), values.end());
    return front;
}

Args replaced(std::size_t index, const std::string& value) {
    Args values = kGreyRamp;
    values[index] = value;
    return values;
}

std::vector<int> twelve(const module1::GradientStyle& s) {
    return {s.R,    s.G,       s.B,          s.N,      s.Band,   s.Start,
            s.Stop, s.ModLine, s.AutoRedraw, s.MoreXR, s.MoreXG, s.MoreXB};
}

} // namespace

TEST(RenderArguments, PictureModeTakesTheTwelveValuesInCallOrder) {
    ParseResult parsed = parseArguments(with(
        {"-o", "out.png"}, {"1", "2", "3", "4", "5", "6", "7", "8", "True", "-10", "11", "12"}));
    ASSERT_TRUE(parsed.request) << parsed.error;
    const render::RenderRequest& request = *parsed.request;
    EXPECT_EQ(request.mode, Mode::Picture);
    EXPECT_EQ(request.outputFile, "out.png");
    EXPECT_EQ(request.format, render::PictureFormat::Png);
    EXPECT_EQ(request.pixelWidth, 1920);
    EXPECT_EQ(request.pixelHeight, 1080);
    EXPECT_EQ(twelve(request.style), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, -1, -10, 11, 12}));
    EXPECT_FALSE(request.stopFromHeight);
}

TEST(RenderArguments, SizeIsWidthByHeightInPixels) {
    auto size = [](const std::string& text) {
        ParseResult parsed = parseArguments(with({"--size", text, "-o", "x.bmp"}));
        return parsed.request ? std::to_string(parsed.request->pixelWidth) + "x" +
                                    std::to_string(parsed.request->pixelHeight)
                              : std::string("error");
    };
    EXPECT_EQ(size("3840x2160"), "3840x2160");
    EXPECT_EQ(size("1X1"), "1x1");
    for (const char* bad : {"0x10", "10x0", "-5x10", "+5x10", "10", "x10", "10x", "10x10x10",
                            "1.5x10", "10 x10", "99999x10", "10x16385"})
        EXPECT_EQ(size(bad), "error") << bad;
    EXPECT_EQ(size("16384x16384"), "16384x16384");
}

TEST(RenderArguments, PictureFormatFollowsTheExtension) {
    ParseResult bmp = parseArguments(with({"-o", "dir.png/Wall.BMP"}));
    ASSERT_TRUE(bmp.request) << bmp.error;
    EXPECT_EQ(bmp.request->format, render::PictureFormat::Bmp);
}

TEST(RenderArguments, StopMayBeTheRoundedScaleHeight) {
    ParseResult boxes = parseArguments(
        with({"--boxes", "--scale-width", "4000", "--scale-height", "2872.5"}, replaced(6, "h")));
    ASSERT_TRUE(boxes.request) << boxes.error;
    EXPECT_TRUE(boxes.request->stopFromHeight);
    EXPECT_EQ(boxes.request->style.Stop, 2872);
    EXPECT_DOUBLE_EQ(boxes.request->scaleHeight, 2872.5);

    ParseResult picture = parseArguments(with({"-o", "a.png"}, replaced(6, "H")));
    ASSERT_TRUE(picture.request) << picture.error;
    EXPECT_TRUE(picture.request->stopFromHeight);

    EXPECT_EQ(designer::stopFromScaleHeight(2873.5), 2874);
    EXPECT_EQ(designer::stopFromScaleHeight(-32768.4), -32768);
    EXPECT_FALSE(designer::stopFromScaleHeight(32767.5));

    // Only Stop can be h, and an h that does not fit is an error.
    EXPECT_FALSE(parseArguments(with({"-o", "a.png"}, replaced(5, "h"))).request);
    EXPECT_FALSE(parseArguments(with({"--boxes", "--scale-width", "1", "--scale-height", "40000"},
                                     replaced(6, "h")))
                     .request);
}

TEST(RenderArguments, BoxesModeTakesFractionalNegativeAndHugeScales) {
    ParseResult parsed = parseArguments(
        with({"--scale-height=-1e6", "--boxes", "--scale-width", "-12.25"}, replaced(0, "-5")));
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(parsed.request->mode, Mode::Boxes);
    EXPECT_DOUBLE_EQ(parsed.request->scaleWidth, -12.25);
    EXPECT_DOUBLE_EQ(parsed.request->scaleHeight, -1e6);
    EXPECT_EQ(parsed.request->style.R, -5);
}

TEST(RenderArguments, MistakesAreOneLineErrors) {
    const std::vector<Args> mistakes = {
        {},
        Args(kGreyRamp.begin(), kGreyRamp.end() - 1), // eleven values, no -o either
        with({"-o", "a.png"}, Args(kGreyRamp.begin(), kGreyRamp.end() - 1)),
        with({"-o", "a.png", "13"}), // thirteen values
        with({}),                    // no output file
        with({"-o"}, {}),            // -o without its file
        with({"-o", "a.png", "--frobnicate"}),
        with({"-o", "a.png", "-x"}),
        with({"-o", "a.png"}, replaced(0, "32768")),
        with({"-o", "a.png"}, replaced(4, "-32769")),
        with({"-o", "a.png"}, replaced(9, "1.5")),
        with({"-o", "a.png"}, replaced(10, "0x10")),
        with({"-o", "a.png"}, replaced(11, "")),
        with({"-o", "a.png"}, replaced(8, "yes")),
        with({"--boxes", "--scale-width", "100"}),
        with({"--boxes", "--scale-width", "abc", "--scale-height", "100"}),
        with({"--boxes", "--scale-width", "nan", "--scale-height", "100"}),
        with({"--boxes", "--scale-width", "inf", "--scale-height", "100"}),
        with({"--boxes", "--scale-width", "1", "--scale-height", "1", "-o", "a.png"}),
        with({"-o", "a.png", "--scale-width", "100"}),
        with({"-o", "a.gif"}),
        with({"-o", ".png"}),
    };
    for (const Args& arguments : mistakes) {
        std::ostringstream shown;
        for (const std::string& argument : arguments)
            shown << '[' << argument << "] ";
        ParseResult parsed = parseArguments(arguments);
        EXPECT_FALSE(parsed.request) << shown.str();
        EXPECT_FALSE(parsed.error.empty()) << shown.str();
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
    }
}

TEST(RenderArguments, HelpWinsOverEverythingElse) {
    for (const char* help : {"--help", "-h"}) {
        ParseResult parsed = parseArguments({"--frobnicate", help});
        ASSERT_TRUE(parsed.request) << help;
        EXPECT_EQ(parsed.request->mode, Mode::Help) << help;
    }
    // The usage says which procedure each mode paints with.
    const std::string usage = render::usage();
    EXPECT_NE(usage.find("-h, --help"), std::string::npos);
    EXPECT_NE(usage.find("widened to 32 bits"), std::string::npos);
    EXPECT_NE(usage.find("--boxes lists what the procedure of the call statement paints"),
              std::string::npos);
}

TEST(RenderArguments, DoubleDashEndsTheOptions) {
    ParseResult parsed = parseArguments(with({"-o", "a.png", "--"}));
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(parsed.request->style.N, 255);
}

TEST(BoxListing, ListsEachBoxAndTheDivisorsAsTheCallLeftThem) {
    render::RenderRequest request;
    request.mode = Mode::Boxes;
    request.scaleWidth = 100.4;
    request.scaleHeight = 100;
    request.style = {.R = 0,
                     .G = 0,
                     .B = 255,
                     .N = 255,
                     .Band = 50,
                     .Start = 0,
                     .Stop = 100,
                     .ModLine = 2,
                     .AutoRedraw = 0,
                     .MoreXR = 0,
                     .MoreXG = 25,
                     .MoreXB = 1};
    auto box = [](int top, int bottom, int r, int g, int b) {
        return "-1 " + std::to_string(top) + " 100 " + std::to_string(bottom) + " " +
               std::to_string(r + 256 * g + 65536 * b) + "\n";
    };
    // Red and green climb 0 -> 128 -> 255 (green shown at a twentieth), blue stays.
    EXPECT_EQ(render::listBoxes(request), box(-1, 25, 0, 0, 255) + box(49, 75, 128, 6, 255) +
                                              box(99, 125, 255, 12, 255) + "MoreX 1 20 1\n");
}

TEST(RenderArguments, AStyleByNameTakesNoValues) {
    ParseResult named = parseArguments({"--style", "Sunset", "-o", "a.jpeg", "--size", "8x6"});
    ASSERT_TRUE(named.request) << named.error;
    EXPECT_EQ(named.request->mode, Mode::Picture);
    EXPECT_EQ(named.request->styleName, "Sunset");
    EXPECT_EQ(named.request->libraryFile, "");
    EXPECT_EQ(named.request->format, render::PictureFormat::Jpeg);
    EXPECT_EQ(named.request->pixelWidth, 8);

    ParseResult library =
        parseArguments({"--library=/x/Draw.ini", "-o", "a.png", "--style=Dusk Sky"});
    ASSERT_TRUE(library.request) << library.error;
    EXPECT_EQ(library.request->styleName, "Dusk Sky");
    EXPECT_EQ(library.request->libraryFile, "/x/Draw.ini");

    ParseResult list = parseArguments({"--list", "--library", "/x/Draw.ini"});
    ASSERT_TRUE(list.request) << list.error;
    EXPECT_EQ(list.request->mode, Mode::List);
    EXPECT_EQ(list.request->libraryFile, "/x/Draw.ini");
    EXPECT_EQ(parseArguments({"--list"}).request->libraryFile, "");

    for (const Args& bad : {
             with({"--style", "S", "-o", "a.png"}),                 // values too
             Args{"--style", "S"},                                  // no -o
             Args{"--style", "", "-o", "a.png"},                    // no name
             Args{"-o", "a.png", "--style"},                        // no name at all
             Args{"--style", "S", "--boxes", "--scale-width", "1"}, // not a listing
             Args{"--style", "S", "--library", "", "-o", "a.png"},  // no library
             with({"--library", "f", "-o", "a.png"}),               // library alone
             Args{"--list", "-o", "a.png"},                         // a list is printed
             Args{"--list", "--style", "S"},
             with({"--list"}),
         }) {
        ParseResult parsed = parseArguments(bad);
        EXPECT_FALSE(parsed.request) << ::testing::PrintToString(bad);
        EXPECT_FALSE(parsed.error.empty());
    }
}
