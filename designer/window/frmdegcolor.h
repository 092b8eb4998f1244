#pragma once
// The designer's main window. Loading it (Form_Load) fills the style list,
// loads the first style, paints the preview and the window's own grey
// background; from then on every change of an editor control runs its
// handler at once, inside the change.

#include "logic/editorstate.h"
#include "window/windowservices.h"

#include <QWidget>

#include <array>
#include <memory>

class QRadioButton;

namespace Ui {
class FrmDegColor;
}

namespace designer {

class CodeExportHandlers;
class DefaultSettingHandlers;
class EditorHandlers;
class EditorUndo;
class FullScreenPreview;
class HostedControls;
class PictureCommands;
class PreviewHandlers;
class PreviewMenu;
class RandomStyleHandlers;
class SliderRows;
class StyleLibraryHandlers;
class StyleListHandlers;
class WallpaperHandler;

class FrmDegColor : public QWidget {
    Q_OBJECT
public:
    explicit FrmDegColor(WindowServices services, QWidget* parent = nullptr);
    ~FrmDegColor() override;

    // The load sequence of the window; run once, before it is shown.
    void Form_Load();

    // What the preview paints, and the whole editor state.
    const module1::GradientStyle& currentStyle() const { return state_.drawing; }
    const EditorState& editorState() const { return state_; }
    PreviewHandlers& preview() { return *preview_; }
    StyleLibraryHandlers& styleLibrary() { return *styleLibrary_; }
    HostedControls& hosted() { return *hosted_; }
    EditorUndo& undo() { return *undo_; }

    // "Exit": ends the program at once, asking and saving nothing.
    void Command1_Click();
    // "FullScreen Preview" (its frame, its caption, a double-click on the
    // preview box).
    void cmdFullScreen_Click();
    // "Set as WallPaper".
    void Velmira12_Click();
    // "Random": a random gradient from the included sliders; one undo step.
    void Command3_Click();
    // " Random" of the style list: loads a saved style chosen at random.
    void RndStyle_Click();
    // "Copy": the statement, " '" and the style name to the clipboard.
    void cmdCopy_Click();
    // " Copy Function": the procedure source to the clipboard.
    void Command4_Click();

protected:
    // The first showing tells of controls that could not be created, once
    // the window is on screen.
    void showEvent(QShowEvent* event) override;

private:
    void setUpControls();
    void groupSliderRows();
    std::array<QRadioButton*, 2> optStop() const;
    void createEditorHandlers();
    void createStyleHandlers();
    void createOutputHandlers();
    void createUndo();
    void placeHostedControls();
    void wireButtons();
    void wireKeyboard();
    void setKeyboardOrder();
    void paintBackground();
    void centreOnScreen();

    WindowServices services_;
    std::unique_ptr<Ui::FrmDegColor> ui_;
    // The one model of the editor: the handlers write it, the drawing, the
    // statement, a save and undo read it.
    EditorState state_;
    std::unique_ptr<SliderRows> rows_;
    std::unique_ptr<HostedControls> hosted_;
    std::unique_ptr<PreviewHandlers> preview_;
    std::unique_ptr<EditorHandlers> editor_;
    std::unique_ptr<StyleListHandlers> styleList_;
    std::unique_ptr<StyleLibraryHandlers> styleLibrary_;
    std::unique_ptr<DefaultSettingHandlers> defaultSetting_;
    std::unique_ptr<RandomStyleHandlers> random_;
    std::unique_ptr<WallpaperHandler> wallpaper_;
    std::unique_ptr<CodeExportHandlers> codeExport_;
    std::unique_ptr<FullScreenPreview> fullScreen_;
    std::unique_ptr<PictureCommands> pictures_;
    std::unique_ptr<PreviewMenu> previewMenu_;
    std::unique_ptr<EditorUndo> undo_;
};

} // namespace designer
