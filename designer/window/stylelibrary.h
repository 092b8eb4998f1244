#pragma once
// Saving the editor's state under the name in the style list's edit field
// ("+"), and deleting the style of that name after asking ("-"). Both refill
// the list from the file as it really is afterwards; a write that fails is
// not reported.

#include <functional>

class QLineEdit;

namespace platform {
class MessageBoxService;
}

namespace designer {

struct EditorState;
class StyleCombo;

struct StyleLibraryControls {
    const QLineEdit* Filename;
    StyleCombo* lstStyle;
    const EditorState& state; // what a save stores
    platform::MessageBoxService& messageBoxes;
    std::function<void()> refillList; // the style list's Filename_Change
};

class StyleLibraryHandlers {
public:
    explicit StyleLibraryHandlers(const StyleLibraryControls& controls);

    // Saves under the edit field's name; with exactly one character of it
    // selected, under that name followed by "-". Asks nothing, loads nothing.
    void cmdPlus_Click();
    // Asks, deletes the style of the edit field's name, refills the list and
    // loads its first style.
    void cmdmoins_Click();

private:
    StyleLibraryControls c_;
};

} // namespace designer
