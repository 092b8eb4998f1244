#include "window/frmdegcolor.h"

#include "module1/ombrelo.h"
#include "module1/versioncaption.h"
#include "ui_frmdegcolor.h"
#include "window/accessiblenames.h"
#include "window/codeexport.h"
#include "window/defaultsetting.h"
#include "window/editor.h"
#include "window/editorundo.h"
#include "window/fullscreen.h"
#include "window/homepage.h"
#include "window/hostedcontrols.h"
#include "window/picturecommands.h"
#include "window/preview.h"
#include "window/previewmenu.h"
#include "window/programicon.h"
#include "window/randomstyle.h"
#include "window/sliderrow.h"
#include "window/stylecombo.h"
#include "window/stylelibrary.h"
#include "window/stylelist.h"
#include "window/wallpaper.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QValidator>

namespace designer {

namespace {

// Limits what the user types, not what code puts into the box: a longer name
// read from a style stays whole.
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int limit, QObject* parent)
        : QValidator(parent)
        , limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};

// A scale value as the window writes it into a text box: plain decimal.
QString scaleText(double twips) {
    return QString::number(twips, 'g', 7);
}

} // namespace

FrmDegColor::FrmDegColor(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , services_(std::move(services))
    , ui_(std::make_unique<Ui::FrmDegColor>())
    , hosted_(std::make_unique<HostedControls>(services_.controlHost, services_.messageBoxes)) {
    ui_->setupUi(this);
    setUpControls();
    groupSliderRows();
    createEditorHandlers();
    createStyleHandlers();
    createOutputHandlers();

    placeHostedControls();
    nameMainWindowControls(*this, *hosted_);
    pointHomePageLink(*hosted_);
    editor_->connectControls();
    styleList_->connectControls();
    undo_->connectControls(); // after the style list: a choice is loaded first
    codeExport_->connectControls();
    connect(ui_->txtObjName, &QLineEdit::textChanged, this,
            [this] { preview_->txtObjName_Change(); });
    connect(ui_->txtFunction, &QLineEdit::textChanged, this,
            [this] { preview_->txtFunction_Change(); });
    wireButtons();
    wireKeyboard();
    centreOnScreen();
}

FrmDegColor::~FrmDegColor() {
    // The handlers go before the controls do: nothing a control raises while
    // it is taken down may reach them.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

// The controls as the form file cannot give them.
void FrmDegColor::setUpControls() {
    setFixedSize(size());
    setWindowIcon(programIcon());
    ui_->Picture2->setBorderStyle(1);
    // A name read from a style can be up to the read buffer long, beyond the
    // boxes' own default limit; the statement holds it twice.
    ui_->txtObjName->setMaxLength(1 << 20);
    ui_->txtFunction->setMaxLength(1 << 20);
    ui_->txtObjName->setValidator(new TypedLengthLimit(255, ui_->txtObjName));
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSizeF(8.25);
    ui_->txtObjName->setFont(courier);
    // Picture boxes keep exactly their pixel size whatever the screen.
    ui_->Picture2->setPixelRatioOverride(1);
    ui_->Surface->setPixelRatioOverride(1);
}

// Each number of a style has its row of controls, in the key table's order.
void FrmDegColor::groupSliderRows() {
    Ui::FrmDegColor& ui = *ui_;
    rows_ = std::make_unique<SliderRows>(std::array<SliderRow, sliderRowCount>{{
        {StyleKey::SliderValueR, ui.SliderR, ui.txtR, ui.Label1, ui.CheckR, ui.CheckRXT},
        {StyleKey::SliderValueG, ui.SliderG, ui.txtG, ui.Label2, ui.CheckG, ui.CheckGXT},
        {StyleKey::SliderValueB, ui.SliderB, ui.txtB, ui.Label3, ui.CheckB, ui.CheckBXT},
        {StyleKey::SliderValueN, ui.SliderN, ui.txtN, ui.Label5, ui.CheckN, ui.CheckWXT},
        {StyleKey::SliderValueStart, ui.SliderStart, ui.txtStart},
        {StyleKey::SliderValueStop, ui.SliderStop, ui.txtStop},
        {StyleKey::SliderValueBand, ui.SliderBand, ui.txtBandSize, nullptr, ui.Check1},
        {StyleKey::ModLine, ui.SliderModLine, ui.txtModLine, nullptr, ui.ChkModLine},
        {StyleKey::MoreXR, ui.SliderMR, ui.TxtMR, nullptr, ui.CheckMR, nullptr, ui.ShapeMR},
        {StyleKey::MoreXG, ui.SliderMG, ui.TxtMG, nullptr, ui.CheckMG, nullptr, ui.ShapeMG},
        {StyleKey::MoreXB, ui.SliderMB, ui.TxtMB, nullptr, ui.CheckMB, nullptr, ui.ShapeMB},
    }});
    // The object name as the form gives it; the handlers keep it from now on.
    state_.objName = ui.txtObjName->text();
}

std::array<QRadioButton*, 2> FrmDegColor::optStop() const {
    return {ui_->OptStop_0, ui_->OptStop_1};
}

// The preview with its statement, and the editor controls feeding it.
void FrmDegColor::createEditorHandlers() {
    preview_ = std::make_unique<PreviewHandlers>(PreviewParts{*ui_->Picture2, *ui_->Check2,
                                                              *ui_->txtObjName, *ui_->txtFunction,
                                                              state_, services_.clock, *hosted_});
    editor_ =
        std::make_unique<EditorHandlers>(EditorControls{*rows_, optStop(), ui_->Check2, ui_->Check3,
                                                        ui_->Picture2, state_, *hosted_},
                                         *preview_);
}

// Random gradients and styles, the wallpaper, the code export and the
// full-screen window.
void FrmDegColor::createOutputHandlers() {
    random_ = std::make_unique<RandomStyleHandlers>(
        RandomStyleControls{*hosted_, *rows_, ui_->lstStyle, services_.random, *this});
    wallpaper_ = std::make_unique<WallpaperHandler>(
        WallpaperParts{*ui_->PicWallPaper, state_.drawing, services_.wallpaper,
                       [this] { return screenGeometryOf(*this); }, defaultWallpaperFolder()});
    codeExport_ = std::make_unique<CodeExportHandlers>(CodeExportControls{
        ui_->txtObjName, ui_->txtFunction, ui_->Text2, ui_->lstStyle->editField(),
        services_.messageBoxes, services_.clipboard});
    fullScreen_ = std::make_unique<FullScreenPreview>(
        FullScreenInputs{state_.drawing, services_.clock, *this});
    pictures_ = std::make_unique<PictureCommands>(PictureCommandParts{
        [this] { return preview_->statementValues(); },
        [this] { return screenGeometryOf(*this).devicePixels(); }, services_.fileDialogs,
        services_.messageBoxes, services_.clipboard, defaultPictureFolder()});
    previewMenu_ = std::make_unique<PreviewMenu>(PreviewMenuParts{*ui_->Picture2, *this});
    addPictureItems(*previewMenu_, *pictures_);
    createUndo();
}

void FrmDegColor::createUndo() {
    Ui::FrmDegColor& ui = *ui_;
    undo_ = std::make_unique<EditorUndo>(
        EditorUndoControls{{*rows_, optStop(), ui.txtObjName},
                           ui.lstStyle,
                           {ui.CheckR, ui.CheckRXT, ui.CheckG, ui.CheckGXT, ui.CheckB, ui.CheckBXT,
                            ui.CheckN, ui.CheckWXT, ui.CheckMR, ui.CheckMG, ui.CheckMB, ui.Check1,
                            ui.ChkModLine, ui.Check3, ui.Check2},
                           ui.txtStop,
                           ui.txtFunction,
                           state_,
                           *preview_,
                           *this});
    undo_->addMenuItems(*previewMenu_);
}

void FrmDegColor::createStyleHandlers() {
    Ui::FrmDegColor& ui = *ui_;
    styleList_ = std::make_unique<StyleListHandlers>(
        StyleListControls{ui.Filename, ui.lstStyle, ui.lblNbStyle, ui.Check2,
                          StyleEditorControls{*rows_, optStop(), ui.txtObjName}});
    styleLibrary_ = std::make_unique<StyleLibraryHandlers>(
        StyleLibraryControls{ui.Filename, ui.lstStyle, state_, services_.messageBoxes,
                             [this] { styleList_->Filename_Change(); }});
    defaultSetting_ = std::make_unique<DefaultSettingHandlers>(
        DefaultSettingControls{services_.messageBoxes, *rows_, ui.OptStop_0,
                               [this] { editor_->OptStop_Click(0); }, *ui.Picture2, ui.Check3});
}

void FrmDegColor::placeHostedControls() {
    for (auto* frame : findChildren<platform::ClickFrame*>()) {
        const auto children = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (!children.isEmpty())
            frame->setContent(children.first());
    }
    hosted_->placeAll(this, parseStoredControls(windowStoredControls()));
}

void FrmDegColor::wireButtons() {
    // Each operation runs once per click, whichever part of a button is hit.
    const auto frame = [this](platform::ClickFrame* f, std::function<void()> handler) {
        connect(f, &platform::ClickFrame::clicked, this, std::move(handler));
    };
    const auto caption = [this](Hosted control, std::function<void()> handler) {
        hosted_->onClick(control, std::move(handler));
    };
    frame(ui_->Command1, [this] { Command1_Click(); });
    caption(Hosted::Velmira14, [this] { Command1_Click(); });
    frame(ui_->cmdFullScreen, [this] { cmdFullScreen_Click(); });
    caption(Hosted::Velmira13, [this] { cmdFullScreen_Click(); });
    connect(ui_->Picture2, &platform::PictureBox::dblClick, this,
            [this] { cmdFullScreen_Click(); });
    frame(ui_->asxToolbar15, [this] { Velmira12_Click(); });
    caption(Hosted::Velmira12, [this] { Velmira12_Click(); });
    caption(Hosted::Command5, [this] { preview_->Command5_Click(); });
    const auto defaultSetting = [this] {
        defaultSetting_->Command2_Click();
        undo_->gestureEnded();
    };
    frame(ui_->asxToolbar2, defaultSetting);
    caption(Hosted::Command2, defaultSetting);
    frame(ui_->asxToolbar4, [this] { Command3_Click(); });
    caption(Hosted::Command3, [this] { Command3_Click(); });
    caption(Hosted::RndStyle, [this] { RndStyle_Click(); });
    frame(ui_->button, [this] { cmdCopy_Click(); });
    caption(Hosted::cmdCopy, [this] { cmdCopy_Click(); });
    caption(Hosted::Command4, [this] { Command4_Click(); });
    connect(ui_->cmdPlus, &QToolButton::clicked, this, [this] { styleLibrary_->cmdPlus_Click(); });
    connect(ui_->cmdmoins, &QToolButton::clicked, this,
            [this] { styleLibrary_->cmdmoins_Click(); });
}

void FrmDegColor::wireKeyboard() {
    // Space or Enter on a framed caption presses the button as a click on
    // its caption does, whichever parts of that button are wired. A caption
    // that is off passes a click to its frame, and so does the keyboard.
    for (auto* frame : findChildren<platform::ClickFrame*>()) {
        connect(frame, &platform::ClickFrame::activatedByKey, this, [this, frame] {
            if (!frame->content())
                return;
            const QString name = frame->content()->objectName();
            if (hosted_->isEnabled(name))
                hosted_->press(name);
            else if (hosted_->widget(name))
                emit frame->clicked();
        });
    }
    // The display-only value boxes stay disabled, but in the normal text
    // colour: the greyed one is hardly readable on their grey.
    for (QLineEdit* box :
         {ui_->txtR, ui_->txtG, ui_->txtB, ui_->txtN, ui_->TxtMR, ui_->TxtMG, ui_->TxtMB,
          ui_->txtStart, ui_->txtStop, ui_->txtBandSize, ui_->txtModLine}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        box->setPalette(palette);
    }
    // The source view can be read with the keyboard, but not typed into.
    ui_->Text2->setTabChangesFocus(true);
    ui_->Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setKeyboardOrder();
}

void FrmDegColor::setKeyboardOrder() {
    // Column by column, top to bottom, as the window reads.
    Ui::FrmDegColor& ui = *ui_;
    const QList<QWidget*> order = {ui.SliderR,
                                   ui.CheckR,
                                   ui.CheckRXT,
                                   ui.SliderG,
                                   ui.CheckG,
                                   ui.CheckGXT,
                                   ui.SliderB,
                                   ui.CheckB,
                                   ui.CheckBXT,
                                   ui.SliderN,
                                   ui.CheckN,
                                   ui.CheckWXT,
                                   ui.SliderMR,
                                   ui.CheckMR,
                                   ui.SliderMG,
                                   ui.CheckMG,
                                   ui.SliderMB,
                                   ui.CheckMB,
                                   ui.SliderStart,
                                   ui.SliderStop,
                                   ui.SliderBand,
                                   ui.Check1,
                                   ui.SliderModLine,
                                   ui.ChkModLine,
                                   ui.OptStop_0,
                                   ui.OptStop_1,
                                   ui.txtObjName,
                                   ui.Check2,
                                   ui.Check3,
                                   ui.asxToolbar4,
                                   ui.asxToolbar2,
                                   ui.lstStyle->editField(),
                                   ui.lstStyle->list(),
                                   ui.cmdPlus,
                                   ui.cmdmoins,
                                   ui.asxToolbar12,
                                   ui.asxToolbar5,
                                   ui.cmdFullScreen,
                                   ui.asxToolbar15,
                                   ui.txtFunction,
                                   ui.button,
                                   ui.Text2,
                                   hosted_->widget(Hosted::URLLink1),
                                   ui.asxToolbar13,
                                   ui.Command1};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FrmDegColor::Form_Load() {
    Ui::FrmDegColor& ui = *ui_;
    ui.Filename->setText(services_.profilePath);
    ui.SliderBand->setValue(50);
    state_.drawing.ModLine = 1;
    // With an empty list nothing becomes current and the editor keeps its
    // initial values.
    if (ui.lstStyle->count() > 0)
        ui.lstStyle->setCurrentIndex(0);
    ui.txtStop->setText(scaleText(ui.Picture2->scaleHeight()));
    editor_->OptStop_Click(0);
    preview_->RefreshPreview();
    ui.lblVertion->setText(module1::VersionCaption(module1::programVersion()));
    ui.Picture2->refresh();
    if (ui.Check3->isChecked())
        editor_->Check3_Click();
    else
        ui.Check3->setChecked(true);
    paintBackground();
    ui.Text2->setPlainText(readProcedureSource(services_.procedureSourcePath));
    undo_->reset();
}

void FrmDegColor::paintBackground() {
    platform::PictureBox& surface = *ui_->Surface;
    module1::GradientStyle grey;
    grey.R = grey.G = grey.B = 138;
    grey.N = 236;
    grey.Band = 50;
    grey.Start = 0;
    grey.Stop = vb::checked::toInteger(surface.scaleHeight()).value_or(0);
    grey.ModLine = 1;
    grey.AutoRedraw = vb::True;
    grey.MoreXR = grey.MoreXG = grey.MoreXB = 1;
    module1::Ombrelo(surface, grey);
}

void FrmDegColor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { hosted_->reportFailures(); });
}

void FrmDegColor::Command1_Click() {
    if (services_.endProgram)
        services_.endProgram();
}

void FrmDegColor::cmdFullScreen_Click() {
    fullScreen_->open();
}

void FrmDegColor::Command3_Click() {
    random_->Command3_Click();
    undo_->gestureEnded();
}

void FrmDegColor::RndStyle_Click() {
    random_->RndStyle_Click();
    undo_->gestureEnded();
}

void FrmDegColor::Velmira12_Click() {
    wallpaper_->Velmira12_Click();
}

void FrmDegColor::cmdCopy_Click() {
    codeExport_->cmdCopy_Click();
}

void FrmDegColor::Command4_Click() {
    codeExport_->Command4_Click();
}

void FrmDegColor::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

} // namespace designer
