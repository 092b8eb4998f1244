#pragma once
// The picture mode of ombrelo-render: the picture that the call statement
// paints on a surface of the requested pixel size at 96 dots per inch (15
// twips per pixel), the same pixels as the designer's saved and copied
// pictures, written as PNG, BMP or JPEG. Needs a QApplication (its palette
// gives the background that a line pattern leaves).

#include "logic/savedstatement.h"
#include "render/renderargs.h"

#include <string>

namespace render {

struct PictureOutcome {
    int exitCode = 0;  // 0 written, 1 could not paint or write, 2 bad style
    std::string error; // one line when exitCode is not 0
};

// The values of the request: its twelve values, or the saved style's.
struct StatementOutcome {
    designer::StatementValues values;
    PictureOutcome failure; // exitCode 2 when the style cannot be read
};
StatementOutcome statementOf(const RenderRequest& request);

PictureOutcome renderPicture(const RenderRequest& request);

// The library that --style and --list read: --library, else the designer's.
std::string libraryOf(const RenderRequest& request);

// Before the QApplication exists: the offscreen platform when no platform was
// chosen and there is no display to use, and 96 dots per inch unless chosen.
void prepareGuiEnvironment();

} // namespace render
