// ombrelo-render: paints a gradient from the command line, as a picture file
// or as a list of the boxes that the drawing procedure paints.

#include "render/boxlisting.h"
#include "render/picturerender.h"
#include "render/renderargs.h"

#include "logic/savedstatement.h"
#include "logic/storedstyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

int complain(const std::string& message, int exitCode) {
    std::cerr << "ombrelo-render: " << message << '\n';
    return exitCode;
}

// Qt reads options of its own from the arguments it is given (-style,
// -platform, ...): it gets the program name alone, so that --style NAME stays
// ours and cannot change the palette that the picture is painted with.
int paintPicture(char** argv, const render::RenderRequest& request) {
    render::prepareGuiEnvironment();
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    const render::PictureOutcome outcome = render::renderPicture(request);
    return outcome.exitCode == 0 ? 0 : complain(outcome.error, outcome.exitCode);
}

// The style names, one per line, in file order.
int listStyles(char** argv, const render::RenderRequest& request) {
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    const std::string library = render::libraryOf(request);
    const QString file = QString::fromStdString(library);
    if (const QString problem = designer::libraryProblem(file); !problem.isEmpty())
        return complain("cannot read the library " + library + ": " + problem.toStdString(),
                        kUsageError);
    for (const QString& name : designer::listStyleNames(file))
        std::cout << name.toStdString() << '\n';
    std::cout << std::flush;
    return std::cout ? 0 : 1;
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
    case render::Mode::List:
        return listStyles(argv, request);
    case render::Mode::Picture:
        break;
    }
    return paintPicture(argv, request);
}
