#pragma once
// The style list: refilled from the profile file whenever the file name
// changes, and loading the chosen style into the editor controls (whose own
// handlers then bring the current style and the preview up to date).

#include "window/formcontext.h"

namespace designer {

class StyleListHandlers {
public:
    explicit StyleListHandlers(FormContext& form);

    void connectControls();

    // Lists the sections of the file named in Filename; selects nothing.
    void Filename_Change();
    // Loads the style named in the edit field of lstStyle.
    void lstStyle_Click();

    // Saving, deleting and the default configuration are not available yet.
    void cmdPlus_Click() {}
    void cmdmoins_Click() {}
    void Command2_Click() {}

    int styleCount() const { return styleCount_; }

private:
    void applyOption(int index, const std::optional<bool>& selected);

    FormContext& form_;
    vb::Integer styleCount_ = 0;
};

} // namespace designer
