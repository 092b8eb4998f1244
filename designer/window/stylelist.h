#pragma once
// The style list: refilled from the profile file whenever the file name
// changes, and loading the chosen style into the editor controls (whose own
// handlers then bring the current style and the preview up to date).

#include "core/vb.h"
#include "window/stylecontrols.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace designer {

class StyleCombo;

struct StyleListControls {
    QLineEdit* Filename;
    StyleCombo* lstStyle;
    QLabel* lblNbStyle;
    QCheckBox* Check2; // automatic preview, turned on by a load
    StyleEditorControls editor;
};

class StyleListHandlers {
public:
    explicit StyleListHandlers(const StyleListControls& controls);

    void connectControls();

    // Lists the sections of the file named in Filename; selects nothing.
    void Filename_Change();
    // Loads the style named in the edit field of lstStyle.
    void lstStyle_Click();

private:
    void applyOption(int index, bool selected);

    StyleListControls c_;
    vb::Integer styleCount_ = 0;
};

} // namespace designer
