#pragma once
// The designer's main window. Loading it (Form_Load) fills the style list,
// loads the first style, paints the preview and the window's own grey
// background; from then on every change of an editor control runs its
// handler at once, inside the change.

#include "module1/gradientstyle.h"
#include "window/windowservices.h"

#include <QWidget>

#include <memory>

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

    const module1::GradientStyle& currentStyle() const { return style_; }
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
    void Command3_Click();
    void RndStyle_Click();
    void cmdCopy_Click();
    void Command4_Click();

protected:
    // The first showing tells of controls that could not be created, once
    // the window is on screen.
    void showEvent(QShowEvent* event) override;

private:
    void setUpControls();
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
    module1::GradientStyle style_;
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
