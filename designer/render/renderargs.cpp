#include "render/renderargs.h"

#include "core/vb.h"
#include "logic/stopheight.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

namespace render {

namespace {

constexpr std::array<const char*, 12> kValueNames = {"R",          "G",      "B",      "N",
                                                     "Band",       "Start",  "Stop",   "ModLine",
                                                     "AutoRedraw", "MoreXR", "MoreXG", "MoreXB"};
constexpr std::size_t kStopIndex = 6;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A whole decimal number with an optional sign, nothing else.
std::optional<long long> parseWhole(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t at = (!text.empty() && (text[0] == '+' || negative)) ? 1 : 0;
    if (at == text.size() || !isDigit(text[at]))
        return std::nullopt;
    long long value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data() + at, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return negative ? -value : value;
}

// A decimal number such as 3000, -12.5, 2872.5 or 1e5; no hexadecimal, no
// infinities, no NaN.
std::optional<double> parseDecimal(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t at = (!text.empty() && (text[0] == '+' || negative)) ? 1 : 0;
    if (at == text.size() || !(isDigit(text[at]) || text[at] == '.'))
        return std::nullopt;
    double value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data() + at, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

// One of the twelve values: a 16-bit number, or True / False as the call
// statement writes AutoRedraw.
std::optional<vb::Integer> parseValue(const std::string& text) {
    const std::string word = lower(text);
    if (word == "true")
        return vb::True;
    if (word == "false")
        return vb::False;
    auto value = parseWhole(text);
    if (!value)
        return std::nullopt;
    return vb::checked::fit<vb::Integer>(*value);
}

// "WxH" in pixels, each side 1..kMaxPixels, digits only.
bool parseSize(const std::string& text, int& width, int& height) {
    const std::size_t cross = lower(text).find('x');
    if (cross == std::string::npos || cross == 0 || cross + 1 == text.size())
        return false;
    const std::string w = text.substr(0, cross);
    const std::string h = text.substr(cross + 1);
    if (!std::all_of(w.begin(), w.end(), isDigit) || !std::all_of(h.begin(), h.end(), isDigit))
        return false;
    auto pixelsW = parseWhole(w);
    auto pixelsH = parseWhole(h);
    if (!pixelsW || !pixelsH || *pixelsW < 1 || *pixelsH < 1 || *pixelsW > kMaxPixels ||
        *pixelsH > kMaxPixels)
        return false;
    width = static_cast<int>(*pixelsW);
    height = static_cast<int>(*pixelsH);
    return true;
}

// The picture format by the file's extension, in any letter case.
std::optional<PictureFormat> formatOf(const std::string& fileName) {
    const std::string name = lower(fileName);
    auto endsWith = [&](const std::string& tail) {
        return name.size() > tail.size() &&
               name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".png"))
        return PictureFormat::Png;
    if (endsWith(".bmp"))
        return PictureFormat::Bmp;
    if (endsWith(".jpg") || endsWith(".jpeg"))
        return PictureFormat::Jpeg;
    return std::nullopt;
}

vb::Integer& field(module1::GradientStyle& style, std::size_t index) {
    vb::Integer* fields[] = {&style.R,          &style.G,      &style.B,      &style.N,
                             &style.Band,       &style.Start,  &style.Stop,   &style.ModLine,
                             &style.AutoRedraw, &style.MoreXR, &style.MoreXG, &style.MoreXB};
    return *fields[index];
}

// Walks the arguments once; the first error wins.
class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments)
        : arguments_(arguments) {}

    ParseResult run() {
        if (std::find(arguments_.begin(), arguments_.end(), "--help") != arguments_.end() ||
            std::find(arguments_.begin(), arguments_.end(), "-h") != arguments_.end()) {
            request_.mode = Mode::Help;
            return {request_, {}};
        }
        while (error_.empty() && next_ < arguments_.size())
            take(arguments_[next_++]);
        if (error_.empty())
            checkComplete();
        if (!error_.empty())
            return {std::nullopt, error_};
        return {request_, {}};
    }

private:
    void take(const std::string& argument) {
        if (valuesOnly_ || !looksLikeOption(argument))
            takeValue(argument);
        else if (argument == "--")
            valuesOnly_ = true;
        else
            takeOption(argument);
    }

    // "-5" is a value, "-o" and "--size" are options.
    static bool looksLikeOption(const std::string& argument) {
        return argument.size() > 1 && argument[0] == '-' && !isDigit(argument[1]);
    }

    void takeOption(const std::string& argument) {
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const std::size_t equals = argument.find('=');
            argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        if (name == "--boxes" && !inlineValue)
            seen_.boxes = true;
        else if (name == "--list" && !inlineValue)
            seen_.list = true;
        else if (name == "--style")
            seen_.style = optionValue(name, inlineValue);
        else if (name == "--library")
            seen_.library = optionValue(name, inlineValue);
        else if (name == "-o" || name == "--output")
            seen_.output = optionValue(name, inlineValue);
        else if (name == "--size")
            seen_.size = optionValue(name, inlineValue);
        else if (name == "--scale-width")
            seen_.scaleWidth = optionValue(name, inlineValue);
        else if (name == "--scale-height")
            seen_.scaleHeight = optionValue(name, inlineValue);
        else
            fail("unknown option " + argument);
    }

    std::optional<std::string> optionValue(const std::string& name,
                                           const std::optional<std::string>& inlineValue) {
        if (inlineValue)
            return inlineValue;
        if (next_ >= arguments_.size()) {
            fail("missing value after " + name);
            return std::nullopt;
        }
        return arguments_[next_++];
    }

    void takeValue(const std::string& argument) {
        const std::size_t index = valueCount_++;
        if (index >= kValueNames.size())
            return fail("unexpected argument " + argument + " after the twelve values");
        if (index == kStopIndex && lower(argument) == "h") {
            request_.stopFromHeight = true;
            return;
        }
        auto value = parseValue(argument);
        if (!value)
            return fail(std::string(kValueNames[index]) + " must be a whole number in " +
                        "-32768..32767, not " + argument);
        field(request_.style, index) = *value;
    }

    void checkComplete() {
        if (seen_.list)
            return checkList();
        if (seen_.style)
            return checkStyle();
        if (seen_.library)
            return fail("--library goes with --style or --list");
        if (valueCount_ < kValueNames.size())
            return fail("missing value " + std::string(kValueNames[valueCount_]) +
                        ": expected R G B N Band Start Stop ModLine AutoRedraw MoreXR MoreXG "
                        "MoreXB");
        if (seen_.boxes)
            checkBoxes();
        else
            checkPicture();
    }

    void checkList() {
        request_.mode = Mode::List;
        if (seen_.style || seen_.boxes || seen_.output || seen_.size || seen_.scaleWidth ||
            seen_.scaleHeight || valueCount_ > 0)
            return fail("--list takes only --library");
        takeLibrary();
    }

    // The saved style holds the twelve values.
    void checkStyle() {
        if (valueCount_ > 0)
            return fail("--style takes no values: the style holds them");
        if (seen_.boxes)
            return fail("--style paints a picture: no --boxes");
        if (seen_.style->empty())
            return fail("--style needs a style name");
        request_.styleName = *seen_.style;
        takeLibrary();
        if (error_.empty())
            checkPicture();
    }

    void takeLibrary() {
        if (!seen_.library)
            return;
        if (seen_.library->empty())
            return fail("--library needs a file");
        request_.libraryFile = *seen_.library;
    }

    void checkBoxes() {
        request_.mode = Mode::Boxes;
        if (seen_.output || seen_.size)
            return fail("--boxes lists the boxes on standard output: no -o, no --size");
        if (!seen_.scaleWidth || !seen_.scaleHeight)
            return fail("--boxes needs --scale-width and --scale-height");
        auto width = parseDecimal(*seen_.scaleWidth);
        auto height = parseDecimal(*seen_.scaleHeight);
        if (!width)
            return fail("--scale-width must be a decimal number, not " + *seen_.scaleWidth);
        if (!height)
            return fail("--scale-height must be a decimal number, not " + *seen_.scaleHeight);
        request_.scaleWidth = *width;
        request_.scaleHeight = *height;
        if (request_.stopFromHeight)
            resolveStop(*height);
    }

    void checkPicture() {
        request_.mode = Mode::Picture;
        if (seen_.scaleWidth || seen_.scaleHeight)
            return fail("--scale-width and --scale-height go with --boxes");
        if (!seen_.output || seen_.output->empty())
            return fail("missing -o FILE (a .png, .bmp or .jpg file)");
        request_.outputFile = *seen_.output;
        auto format = formatOf(request_.outputFile);
        if (!format)
            return fail("-o FILE must end in .png, .bmp, .jpg or .jpeg, not " +
                        request_.outputFile);
        request_.format = *format;
        if (seen_.size && !parseSize(*seen_.size, request_.pixelWidth, request_.pixelHeight))
            return fail("--size must be WxH with each side 1.." + std::to_string(kMaxPixels) +
                        " pixels, not " + *seen_.size);
    }

    void resolveStop(double scaleHeight) {
        auto stop = designer::stopFromScaleHeight(scaleHeight);
        if (!stop)
            return fail("Stop h: the height does not round into -32768..32767");
        request_.style.Stop = *stop;
    }

    void fail(const std::string& message) {
        if (error_.empty())
            error_ = message;
    }

    struct Seen {
        bool boxes = false;
        bool list = false;
        std::optional<std::string> style;
        std::optional<std::string> library;
        std::optional<std::string> output;
        std::optional<std::string> size;
        std::optional<std::string> scaleWidth;
        std::optional<std::string> scaleHeight;
    };

    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
    std::size_t valueCount_ = 0;
    bool valuesOnly_ = false;
    Seen seen_;
    RenderRequest request_;
    std::string error_;
};

} // namespace

ParseResult parseArguments(const std::vector<std::string>& arguments) {
    return Parser(arguments).run();
}

std::string usage() {
    return "Usage:\n"
           "  ombrelo-render [--size WxH] -o FILE R G B N Band Start Stop ModLine AutoRedraw "
           "MoreXR MoreXG MoreXB\n"
           "  ombrelo-render [--size WxH] -o FILE --style NAME [--library FILE]\n"
           "  ombrelo-render --list [--library FILE]\n"
           "  ombrelo-render --boxes --scale-width W --scale-height H R G B N Band Start Stop "
           "ModLine AutoRedraw MoreXR MoreXG MoreXB\n"
           "  ombrelo-render -h | --help\n"
           "\n"
           "Paints the gradient that the call statement with these twelve values paints,\n"
           "or the statement of a style saved in the designer.\n"
           "\n"
           "  -o FILE            write a picture of W x H pixels (default 1920x1080) at 96 dpi,\n"
           "                     PNG, BMP or JPEG by the file's extension (.png, .bmp,\n"
           "                     .jpg, .jpeg); written whole or not at all\n"
           "  --size WxH         the picture's size in pixels, each side 1.." +
           std::to_string(kMaxPixels) +
           "\n"
           "                     (" +
           std::to_string(kMaxPixels) + "x" + std::to_string(kMaxPixels) +
           " takes 1 GiB of memory)\n"
           "  --style NAME       paint the saved style NAME as its call statement does: Stop\n"
           "                     is the picture's height with the stop method ScaleHeight,\n"
           "                     the stored Stop with Manual; values missing from the style\n"
           "                     are those a freshly started designer would use\n"
           "  --library FILE     the style library to read (default: the designer's own\n"
           "                     Draw.ini, beside the program when it runs from a folder of\n"
           "                     its own, else in the user's data folder)\n"
           "  --list             print the library's style names, one per line, in file order\n"
           "  --boxes            list each painted box as \"x1 y1 x2 y2 colour\" in scale units\n"
           "                     (colour as a decimal 0x00BBGGRR value), then \"MoreX r g b\"\n"
           "                     with the divisors as the call left them\n"
           "  --scale-width W    the drawing area of --boxes, in scale units (decimal)\n"
           "  --scale-height H\n"
           "  -h, --help         show this text\n"
           "\n"
           "Each value is a whole number in -32768..32767; AutoRedraw may also be True or\n"
           "False. Stop may be h: the surface's ScaleHeight (rounded half to even).\n"
           "A style that cannot be read (no such style, a library that is missing or\n"
           "unreadable, a stored value that does not read) exits with status 2 and writes\n"
           "no picture.\n"
           "\n"
           "Pictures are painted as the full-screen preview and the wallpaper are: with the\n"
           "procedure widened to 32 bits for the surface's height and width, Start, Stop and\n"
           "the band position, so that a picture of any size (more than 2184 pixels, 32767\n"
           "twips, on a side) is painted whole, in bands of the same size in twips as on a\n"
           "small one. --boxes lists what the procedure of the call statement paints, as the\n"
           "user's application runs it: all in 16 bits, so a ScaleWidth or ScaleHeight\n"
           "beyond -32768..32767 counts as 0, and Stop h must fit 16 bits.\n";
}

} // namespace render
