#pragma once
// The command line of ombrelo-render, read into a request without touching
// any window or file, so that every rule of it can be tested alone.
//
//   ombrelo-render [--size WxH] -o FILE  R G B N Band Start Stop ModLine AutoRedraw
//                  MoreXR MoreXG MoreXB
//   ombrelo-render [--size WxH] -o FILE --style NAME [--library FILE]
//   ombrelo-render --list [--library FILE]
//   ombrelo-render --boxes --scale-width W --scale-height H  R G B ... MoreXB
//   ombrelo-render -h | --help

#include "module1/gradientstyle.h"

#include <optional>
#include <string>
#include <vector>

namespace render {

enum class Mode {
    Picture, // paint the picture and save it as PNG, BMP or JPEG
    Boxes,   // paint on a recording surface and list the boxes
    List,    // list the style names of the library
    Help,
};

enum class PictureFormat { Png, Bmp, Jpeg };

struct RenderRequest {
    Mode mode = Mode::Picture;

    // Picture mode.
    int pixelWidth = 1920;
    int pixelHeight = 1080;
    std::string outputFile;
    PictureFormat format = PictureFormat::Png; // by the file's extension

    // Boxes mode: the recording surface's size in scale units.
    double scaleWidth = 0;
    double scaleHeight = 0;

    // The twelve values. When Stop was given as "h", style.Stop is 0 until
    // the surface's height is known.
    module1::GradientStyle style;
    bool stopFromHeight = false;

    // --style: the values come from this saved style instead.
    std::optional<std::string> styleName;
    // --library; empty: the designer's own Draw.ini.
    std::string libraryFile;
};

struct ParseResult {
    std::optional<RenderRequest> request; // empty on error
    std::string error;                    // one line, without the program name
};

// Reads the arguments that follow the program name.
ParseResult parseArguments(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string usage();

// The largest picture side: 16384 x 16384 takes 1 GiB of memory.
inline constexpr int kMaxPixels = 16384;

} // namespace render
