// ombrelo-render: paints a gradient from the command line, as a picture file
// or as a list of the boxes that the drawing procedure paints.

#include "render/boxlisting.h"
#include "render/picturerender.h"
#include "render/renderargs.h"

#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

int complain(const std::string& message, int exitCode) {
    std::cerr << "ombrelo-render: " << message << '\n';
    return exitCode;
}

int paintPicture(int argc, char** argv, const render::RenderRequest& request) {
    render::prepareGuiEnvironment();
    QApplication application(argc, argv);
    const render::PictureOutcome outcome = render::renderPicture(request);
    return outcome.exitCode == 0 ? 0 : complain(outcome.error, outcome.exitCode);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const render::ParseResult parsed = render::parseArguments(arguments);
    if (!parsed.request)
        return complain(parsed.error + " (see --help)", kUsageError);

    const render::RenderRequest& request = *parsed.request;
    switch (request.mode) {
    case render::Mode::Help:
        std::cout << render::usage();
        return 0;
    case render::Mode::Boxes:
        std::cout << render::listBoxes(request) << std::flush;
        return std::cout ? 0 : 1;
    case render::Mode::Picture:
        break;
    }
    return paintPicture(argc, argv, request);
}
