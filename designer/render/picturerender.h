#pragma once
// The picture mode of ombrelo-render: the gradient painted on a real picture
// box of the requested pixel size at 96 dots per inch (15 twips per pixel),
// written as PNG or BMP. Painted with the widened procedure, as the
// full-screen window and the wallpaper are: every size up to the limit is
// painted whole. Needs a QApplication; the box is never shown.

#include "render/renderargs.h"

#include <string>

namespace render {

struct PictureOutcome {
    int exitCode = 0;  // 0 written, 1 could not paint or write, 2 bad Stop h
    std::string error; // one line when exitCode is not 0
};

PictureOutcome renderPicture(const RenderRequest& request);

// Before the QApplication exists: the offscreen platform when no platform was
// chosen and there is no display to use, and 96 dots per inch unless chosen.
void prepareGuiEnvironment();

} // namespace render
