// Runs the built ombrelo-render as a user would and reads what it prints.

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    std::vector<std::string> lines; // standard output
};

std::string program() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "ombrelo-render")
        .string();
}

// Standard error goes to /dev/null (or to errorFile): only what the program
// prints on standard output is read.
// `launch` is the command that starts the program, quoted for the shell.
Outcome run(const std::string& arguments, const std::string& errorFile = "/dev/null",
            const std::string& launch = '\'' + program() + '\'') {
    Outcome outcome;
    std::ostringstream command;
    command << launch << ' ' << arguments << " 2>'" << errorFile << '\'';
    FILE* pipe = popen(command.str().c_str(), "r");
    if (!pipe)
        return outcome;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        outcome.lines.push_back(line);
    return outcome;
}

// One line of the box listing: the corners and the colour.
std::string box(int x1, int y1, int x2, int y2, int red, int green, int blue) {
    std::ostringstream line;
    line << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << ' ' << red + 256 * green + 65536 * blue;
    return line.str();
}

// A picture command: the size, the output file and the twelve values.
std::string picture(const std::string& size, const std::string& file, const std::string& values) {
    std::ostringstream arguments;
    arguments << "--size " << size << " -o '" << file << "' " << values;
    return arguments.str();
}

} // namespace

TEST(RenderProgram, BoxesOfTheGreyRampFromBlackToWhite) {
    const Outcome outcome =
        run("--boxes --scale-width 4000 --scale-height 3000 0 0 0 255 50 0 h 1 True 0 25 1");

    ASSERT_EQ(outcome.exitCode, 0);
    ASSERT_EQ(outcome.lines.size(), 62u); // 61 boxes and the divisors
    EXPECT_EQ(outcome.lines[0], box(-1, -1, 4000, 50, 0, 0, 0));
    EXPECT_EQ(outcome.lines[1], box(-1, 49, 4000, 100, 4, 0, 4));
    EXPECT_EQ(outcome.lines[60], box(-1, 2999, 4000, 3050, 255, 12, 255));
    EXPECT_EQ(outcome.lines[61], "MoreX 1 20 1");
}

TEST(RenderProgram, UsageErrorsExitWithTwoAndPrintNothing) {
    for (const char* arguments :
         {"--boxes --scale-width 1 --scale-height 1 0 0 0 255 50 0 h 1 -1 1 1",
          "--boxes --scale-width 1 --scale-height 1 0 0 0 99999 50 0 h 1 -1 1 1 1",
          "--bogus -o x.png 0 0 0 255 50 0 h 1 -1 1 1 1"}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments;
        EXPECT_TRUE(outcome.lines.empty()) << arguments;
    }
}

TEST(RenderProgram, HelpPrintsTheUsage) {
    for (const char* help : {"--help", "-h"}) {
        const Outcome outcome = run(help);
        EXPECT_EQ(outcome.exitCode, 0) << help;
        ASSERT_FALSE(outcome.lines.empty()) << help;
        EXPECT_EQ(outcome.lines[0].rfind("Usage", 0), 0u) << help;
    }
}

TEST(RenderProgram, BoxesKeepTheSixteenBitsOfTheCallStatement) {
    // 40000 twips do not fit 16 bits: the width counts as 0, and Stop h is refused.
    const Outcome narrow =
        run("--boxes --scale-width 40000 --scale-height 3000 0 0 0 255 50 0 h 1 True 1 1 1");
    ASSERT_EQ(narrow.exitCode, 0);
    EXPECT_EQ(narrow.lines[0], box(-1, -1, 0, 50, 0, 0, 0));
    EXPECT_EQ(run("--boxes --scale-width 100 --scale-height 40000 0 0 0 255 50 0 h 1 True 1 1 1")
                  .exitCode,
              2);
}

// ---------------------------------------------------------------- pictures

namespace {

int greyAt(const QImage& image, int row) {
    return qRed(image.pixel(image.width() / 2, row));
}

} // namespace

TEST(RenderProgram, PngOfTheGreyRampAt96DotsPerInch) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("ramp.png").toStdString();
    // 200 pixels are 3000 twips: bands of 50 twips, Stop h = 3000.
    const Outcome outcome = run(picture("100x200", file, "0 0 0 255 50 0 h 1 -1 1 1 1"));
    ASSERT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.lines.empty());

    const QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(100, 200));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(99, 100), qRgb(128, 128, 128)); // the band at 1500 twips
    EXPECT_GE(greyAt(image, 199), 251);
    for (int row = 1; row < 200; ++row)
        ASSERT_GE(greyAt(image, row), greyAt(image, row - 1)) << "row " << row;
}

TEST(RenderProgram, BmpShowsWhatWasDrawnWithoutPersistentDrawingToo) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("red.BMP").toStdString();
    const Outcome outcome = run(picture("30x20", file, "255 0 0 255 50 0 h 1 False 1 1 1"));
    ASSERT_EQ(outcome.exitCode, 0);

    const QImage image(QString::fromStdString(file), "BMP");
    ASSERT_EQ(image.size(), QSize(30, 20));
    EXPECT_EQ(image.pixel(15, 0), qRgb(255, 0, 0)); // the first band, in the start levels
}

TEST(RenderProgram, PictureFailuresAreReported) {
    QTemporaryDir dir;
    const std::string missingFolder = dir.filePath("no/such/folder/x.png").toStdString();
    EXPECT_EQ(run(picture("10x10", missingFolder, "0 0 0 255 50 0 h 1 -1 1 1 1")).exitCode, 1);
}

namespace {

// Rows of one colour from side to side, each at least as light as the one
// above, from black at the top to white at the bottom, changing every 50
// twips (10/3 pixels) as on a small screen.
void expectWholeGreyRamp(const QImage& image) {
    int changes = 0;
    for (int row = 0; row < image.height(); ++row) {
        const QRgb left = image.pixel(0, row);
        ASSERT_EQ(image.pixel(image.width() - 1, row), left) << "row " << row;
        ASSERT_EQ(image.pixel(image.width() / 2, row), left) << "row " << row;
        if (row > 0) {
            ASSERT_GE(qRed(left), greyAt(image, row - 1)) << "row " << row;
            changes += qRed(left) != greyAt(image, row - 1);
        }
    }
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(255, 255, 255));
    // Levels 0..255 in bands of 50 twips: a change every band or two.
    EXPECT_GT(changes, 200);
}

} // namespace

TEST(RenderProgram, PicturesBeyondSixteenBitsArePaintedWhole) {
    QTemporaryDir dir;
    for (const char* size : {"2560x1440", "1080x2400", "10x3000"}) {
        const std::string file = dir.filePath(QStringLiteral("big.png")).toStdString();
        const Outcome outcome = run(picture(size, file, "0 0 0 255 50 0 h 1 -1 1 1 1"));
        ASSERT_EQ(outcome.exitCode, 0) << size;
        const QImage image(QString::fromStdString(file));
        ASSERT_FALSE(image.isNull()) << size;
        SCOPED_TRACE(size);
        expectWholeGreyRamp(image);
    }
}

// ------------------------------------------------------------ saved styles

namespace {

// Sunset: stop method ScaleHeight. Dusk: Manual, Stop 1200, a line pattern
// and divisors. Bare: only R, the rest as a fresh designer has it.
const char* const kLibrary = "[Sunset]\r\nSliderValueR=255\r\nSliderValueG=128\r\n"
                             "SliderValueB=0\r\nSliderValueN=36\r\nSliderValueStart=0\r\n"
                             "SliderValueStop=4500\r\nSliderValueBand=40\r\nOptValue0=True\r\n"
                             "OptValue1=False\r\nObjName=Me\r\nModLine=1\r\nMoreXR=1\r\n"
                             "MoreXG=1\r\nMoreXB=1\r\n"
                             "[Dusk]\r\nSliderValueR=400\r\nSliderValueG=10\r\n"
                             "SliderValueB=300\r\nSliderValueN=0\r\nSliderValueStart=150\r\n"
                             "SliderValueStop=1200\r\nSliderValueBand=25\r\nOptValue0=False\r\n"
                             "OptValue1=True\r\nObjName=\r\nModLine=3\r\nMoreXR=2\r\n"
                             "MoreXG=1\r\nMoreXB=3\r\n"
                             "[Bare]\r\nSliderValueR=200\r\n"
                             "[Broken]\r\nSliderValueN=bright\r\n";

class SavedStyleProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::FILE* file = std::fopen(library().c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(kLibrary, file);
        std::fclose(file);
    }
    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }
    std::string library() const { return path("Draw.ini"); }
    std::string errors() const {
        std::FILE* file = std::fopen(path("errors.txt").c_str(), "rb");
        std::string text;
        if (!file)
            return text;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, n);
        std::fclose(file);
        return text;
    }
    QImage render(const std::string& style, const std::string& size, const char* name) {
        const Outcome outcome = run("--size " + size + " -o '" + path(name) + "' --style '" +
                                    style + "' --library '" + library() + "'");
        EXPECT_EQ(outcome.exitCode, 0) << style;
        return QImage(QString::fromStdString(path(name)));
    }
    QImage explicitValues(const std::string& values, const std::string& size, const char* name) {
        EXPECT_EQ(run(picture(size, path(name), values)).exitCode, 0) << values;
        return QImage(QString::fromStdString(path(name)));
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(SavedStyleProgram, AStyleIsPaintedAsItsStatementWithEitherStopMethod) {
    for (const char* size : {"40x300", "2560x1440"}) {
        SCOPED_TRACE(size);
        const QImage sunset = render("Sunset", size, "sunset.png");
        ASSERT_FALSE(sunset.isNull());
        EXPECT_EQ(sunset, explicitValues("255 128 0 36 40 0 h 1 True 1 1 1", size, "s.png"));
        const QImage dusk = render("Dusk", size, "dusk.png");
        ASSERT_FALSE(dusk.isNull());
        EXPECT_EQ(dusk, explicitValues("400 10 300 0 25 150 1200 3 True 2 1 3", size, "d.png"));
        EXPECT_NE(dusk, sunset);
    }
    // What a style does not hold is what a freshly started designer holds.
    EXPECT_EQ(render("bare", "30x90", "bare.png"),
              explicitValues("200 0 0 0 50 0 h 1 True 1 1 1", "30x90", "b.png"));
}

TEST_F(SavedStyleProgram, ListPrintsTheNamesInFileOrder) {
    const Outcome outcome = run("--list --library '" + library() + "'");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{"Sunset", "Dusk", "Bare", "Broken"}));
}

TEST_F(SavedStyleProgram, WithoutALibraryTheDesignersOwnBesideTheProgramIsRead) {
    // A copy of the program in a folder of its own, with a Draw.ini beside it.
    const std::string copy = path("ombrelo-render");
    std::filesystem::copy_file(program(), copy);
    const std::string libraries = std::filesystem::path(program()).parent_path().string();
    const std::string launch = "LD_LIBRARY_PATH='" + libraries + "' '" + copy + "'";
    const Outcome outcome = run("--list", "/dev/null", launch);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.lines.size(), 4u);
    const Outcome painted =
        run("--size 8x8 -o '" + path("own.png") + "' --style Dusk", "/dev/null", launch);
    EXPECT_EQ(painted.exitCode, 0);
}

TEST_F(SavedStyleProgram, AStyleThatCannotBeReadExitsWithTwoAndWritesNothing) {
    const std::string missing = path("none/Draw.ini");
    const struct {
        std::string style;
        std::string library;
        const char* says;
    } cases[] = {
        {"Moonrise", library(), "no such style"},
        {"Broken", library(), "SliderValueN does not read"},
        {"Sunset", missing, "cannot read the library"},
        {"Sunset", dir_.path().toStdString(), "cannot read the library"},
    };
    for (const auto& c : cases) {
        const std::string output = path("out.png");
        const Outcome outcome =
            run("-o '" + output + "' --style '" + c.style + "' --library '" + c.library + "'",
                path("errors.txt"));
        EXPECT_EQ(outcome.exitCode, 2) << c.style;
        EXPECT_TRUE(outcome.lines.empty());
        EXPECT_FALSE(std::filesystem::exists(output)) << c.style;
        const std::string text = errors();
        EXPECT_EQ(text.rfind("ombrelo-render: style \"" + c.style + "\" in " + c.library, 0), 0u)
            << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(text.find('\n'), text.size() - 1) << "one line: " << text;
    }
    const Outcome list = run("--list --library '" + missing + "'", path("errors.txt"));
    EXPECT_EQ(list.exitCode, 2);
    EXPECT_EQ(errors().rfind("ombrelo-render: cannot read the library " + missing, 0), 0u)
        << errors();
}

TEST(RenderProgram, HelpDescribesBothForms) {
    const Outcome outcome = run("--help");
    std::string text;
    for (const std::string& line : outcome.lines)
        text += line + '\n';
    for (const char* part :
         {"--style NAME", "--library FILE", "--list", "R G B N Band", ".jpg", "16384", "1 GiB"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}
