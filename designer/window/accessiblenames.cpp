#include "window/accessiblenames.h"

#include "window/hostedcontrols.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace designer {

namespace {

struct Naming {
    const char* control;
    const char* name;
    const char* description; // empty: the tool tip, if any, describes it
};

// Sliders by what they set, their value boxes after them, check boxes by
// their tool tip or the heading beside them, the text boxes by their
// headings, the preview and the style list by what they show.
constexpr std::array kNamed = {
    Naming{"SliderR", "Red", ""},
    Naming{"SliderG", "Green", ""},
    Naming{"SliderB", "Blue", ""},
    Naming{"SliderN", "Level", ""},
    Naming{"SliderMR", "MoreX Red", ""},
    Naming{"SliderMG", "MoreX Green", ""},
    Naming{"SliderMB", "MoreX Blue", ""},
    Naming{"SliderStart", "Start", ""},
    Naming{"SliderStop", "Stop", ""},
    Naming{"SliderBand", "Band Size", ""},
    Naming{"SliderModLine", "ModLine", ""},
    Naming{"txtR", "Red value", ""},
    Naming{"txtG", "Green value", ""},
    Naming{"txtB", "Blue value", ""},
    Naming{"txtN", "Level value", ""},
    Naming{"TxtMR", "MoreX Red value", ""},
    Naming{"TxtMG", "MoreX Green value", ""},
    Naming{"TxtMB", "MoreX Blue value", ""},
    Naming{"txtStart", "Start value", ""},
    Naming{"txtStop", "Stop value", ""},
    Naming{"txtBandSize", "Band Size value", ""},
    Naming{"txtModLine", "ModLine value", ""},
    Naming{"CheckR", "Include Red in Random Color", ""},
    Naming{"CheckG", "Include Green in Random Color", ""},
    Naming{"CheckB", "Include Blue in Random Color", ""},
    Naming{"CheckN", "Include Black or White (Level of Graduation) in Random Color", ""},
    Naming{"CheckRXT", "Use \"R-XT Color\" for Ramdom", ""},
    Naming{"CheckGXT", "Use \"G-XT Color\" for Ramdom", ""},
    Naming{"CheckBXT", "Use \"B-XT Color\" for Ramdom", ""},
    Naming{"CheckWXT", "Use \"W-XT Color\" for Ramdom", ""},
    Naming{"CheckMR", "Include MoreX Red in Random Color", "MoreX Rnd : lights the red lamp"},
    Naming{"CheckMG", "Include MoreX Green in Random Color", "MoreX Rnd : lights the green lamp"},
    Naming{"CheckMB", "Include MoreX Blue in Random Color", "MoreX Rnd : lights the blue lamp"},
    Naming{"Check1", "Include Bande Size in Random Color", ""},
    Naming{"ChkModLine", "Include ModLine Level in Random Color", ""},
    Naming{"Check2", "Automatic preview", "Automatic :"},
    Naming{"Check3", "Auto-Redraw", ""},
    Naming{"txtObjName", "Object Name", ""},
    Naming{"txtFunction", "Function (Statement)", ""},
    Naming{"Text2", "Function (Source Code)", "\"Paste in a Module\""},
    Naming{"Picture2", "Preview", "The gradient as the statement paints it"},
    Naming{"lstStyle", "Style", ""},
    Naming{"lstStyleEdit", "Style name", ""},
    Naming{"lstStyleList", "Styles", ""},
    Naming{"cmdPlus", "Save", ""},
    Naming{"cmdmoins", "Delete", ""},
};

// The button frames by the caption they hold (a hosted control or its
// stand-in label), or by the tool tip of a picture button.
struct FrameNaming {
    const char* frame;
    Hosted caption; // the hosted control whose caption names the frame
    const char* description;
};

constexpr std::array kFrames = {
    FrameNaming{"asxToolbar4", Hosted::Command3, "Makes a random gradient"},
    FrameNaming{"asxToolbar2", Hosted::Command2, ""},
    FrameNaming{"asxToolbar12", Hosted::RndStyle, "Loads a random saved style"},
    FrameNaming{"asxToolbar5", Hosted::Command5, ""},
    FrameNaming{"cmdFullScreen", Hosted::Velmira13, ""},
    FrameNaming{"asxToolbar15", Hosted::Velmira12, ""},
    FrameNaming{"button", Hosted::cmdCopy, "Copies the statement"},
    FrameNaming{"asxToolbar13", Hosted::Command4, "Copies the source code of the procedure"},
    FrameNaming{"Command1", Hosted::Velmira14, ""},
};

struct LampNaming {
    const char* lamp;
    const char* box;
    const char* colour;
};

constexpr std::array kLamps = {
    LampNaming{"ShapeMR", "CheckMR", "Red"},
    LampNaming{"ShapeMG", "CheckMG", "Green"},
    LampNaming{"ShapeMB", "CheckMB", "Blue"},
};

void name(QWidget* control, const QString& name, const char* description) {
    if (!control)
        return;
    control->setAccessibleName(name);
    if (*description)
        control->setAccessibleDescription(QString::fromUtf8(description));
}

QWidget* child(QWidget& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

// A lamp is lit exactly while its box is checked; its name says so.
void nameLamp(QWidget* lamp, const QCheckBox* box, const QString& colour) {
    const QString state = box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    lamp->setAccessibleName(QStringLiteral("%1 lamp, %2").arg(colour, state));
}

} // namespace

void nameMainWindowControls(QWidget& form, const HostedControls& hosted) {
    for (const Naming& entry : kNamed)
        name(child(form, entry.control), QString::fromUtf8(entry.name), entry.description);
    for (const FrameNaming& entry : kFrames) {
        const QString caption = hosted.caption(entry.caption);
        name(child(form, entry.frame), caption.simplified(), entry.description);
    }
    // The picture buttons' frames are named as the buttons they hold.
    for (const auto& [frame, button] :
         {std::pair{"asxToolbar10", "cmdPlus"}, std::pair{"asxToolbar11", "cmdmoins"}}) {
        if (QWidget* held = child(form, button))
            name(child(form, frame), held->accessibleName(), "");
    }
    for (const LampNaming& entry : kLamps) {
        QWidget* lamp = child(form, entry.lamp);
        auto* box = form.findChild<QCheckBox*>(QString::fromLatin1(entry.box));
        if (!lamp || !box)
            continue;
        const QString colour = QString::fromLatin1(entry.colour);
        nameLamp(lamp, box, colour);
        lamp->setAccessibleDescription(
            QStringLiteral("MoreX Rnd : lit while MoreX %1 is included in Random Color")
                .arg(colour));
        QObject::connect(box, &QCheckBox::toggled, lamp,
                         [lamp, box, colour] { nameLamp(lamp, box, colour); });
    }
}

void nameFullScreenControls(QWidget& window, QWidget* close, QWidget* hidePanel, QWidget* timeBox) {
    window.setAccessibleName(QStringLiteral("FullScreen Preview"));
    window.setAccessibleDescription(QStringLiteral("A click outside the panel closes it"));
    name(close, QStringLiteral("Close"), "");
    name(hidePanel, QStringLiteral("Hide the panel"), "Slides the panel out of view");
    name(timeBox, QStringLiteral("Calcul Time"), "");
}

} // namespace designer
