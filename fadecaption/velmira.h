#pragma once
// The fade-text control: one line of caption text whose characters run in a
// colour fade from Color1 (first character) to Color2 (last character),
// painted on an inner picture box, Pic1, that covers the whole control.
//
// Pic1 keeps what is drawn on it (persistent drawing). The control repaints
// it by itself:
//   Refresh() (also setting Color1/Color2, reading FontBold/FontItalic/
//                FontUnderline)         clear, paint, show at once
//   resize                              fit Pic1, clear, paint
//   show                                paint over what Pic1 keeps
//   a new caption or font               clear, paint
// BorderStyle and BackColor repaint nothing; a new BackColor leaves Pic1
// empty in that colour until the next repaint.
//
// Errors of a repaint reach whoever asked for it (the setter, method or
// property read); errors of the resize and show repaints, which have no
// caller, go to the host through the site.

#include "core/vb.h"
#include "hosting/control.h"

#include <QFont>
#include <QObject>
#include <QVariant>
#include <QWidget>

namespace platform {
class PictureBox;
}

class Velmira : public QWidget, public platform::Control {
    Q_OBJECT
    Q_CLASSINFO("members", "FadeTxT Refresh Enabled Color1 Color2 Font FontBold FontItalic "
                           "Caption FontUnderline BorderStyle BackColor")
    Q_CLASSINFO("hidden:FadeTxT", "true")
    Q_CLASSINFO("help:Enabled", "Returns/sets a value that determines whever the control can "
                                "respond to user-generated events such as clicking.")
    Q_CLASSINFO("help:Color1", "Returns/set the first text color in the fade.")
    Q_CLASSINFO("help:Color2", "Returns/set the second text color in the fade.")
    Q_CLASSINFO("help:Font", "Returns a Font object.")
    Q_CLASSINFO("dispid:Font", "-512")
    Q_CLASSINFO("help:FontBold", "Returns/sets bold font styles.")
    Q_CLASSINFO("help:FontItalic", "Returns/sets italic font styles.")
    Q_CLASSINFO("help:Caption", "Returns/Sets text displayed in the control.")
    Q_CLASSINFO("dispid:Caption", "0")
    Q_CLASSINFO("help:FontUnderline", "Returns/sets underline font styles.")
    Q_CLASSINFO("help:BorderStyle", "Returns/sets the border style for an object.")
    Q_CLASSINFO("help:BackColor", "Returns/sets the background color used to display text and "
                                  "graphics in an object.")
    Q_CLASSINFO("dispid:DblClick", "1")
    Q_CLASSINFO("dispid:MouseDown", "2")
    Q_CLASSINFO("dispid:MouseMove", "3")
    Q_CLASSINFO("dispid:MouseUp", "4")
    Q_CLASSINFO("dispid:Click", "5")
    Q_CLASSINFO("dispid:Resize", "6")
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setControlEnabled)
    Q_PROPERTY(vb::OleColor Color1 READ color1 WRITE setColor1)
    Q_PROPERTY(vb::OleColor Color2 READ color2 WRITE setColor2)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(bool FontBold READ fontBold)
    Q_PROPERTY(bool FontItalic READ fontItalic)
    Q_PROPERTY(QVariant Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool FontUnderline READ fontUnderline)
    Q_PROPERTY(vb::Integer BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(vb::OleColor BackColor READ backColor WRITE setBackColor)

public:
    explicit Velmira(QWidget* parent = nullptr);

    // The fade on any canvas: a picture box, or an object with CurrentX,
    // CurrentY, ForeColor and Print by name.
    Q_INVOKABLE void FadeTxT(QObject* canvas, float start_x, float start_y, const QString& txt);
    Q_INVOKABLE void Refresh();

    bool isControlEnabled() const;
    void setControlEnabled(bool enabled);
    vb::OleColor color1() const { return color1_; }
    void setColor1(vb::OleColor colour);
    vb::OleColor color2() const { return color2_; }
    void setColor2(vb::OleColor colour);
    QFont captionFont() const;
    void setCaptionFont(const QFont& font);
    bool fontBold();
    bool fontItalic();
    bool fontUnderline();
    QVariant caption() const { return QVariant(caption_); }
    void setCaption(const QVariant& caption);
    vb::Integer borderStyle() const;
    void setBorderStyle(vb::Integer style);
    vb::OleColor backColor() const;
    void setBackColor(vb::OleColor colour);

    void initProperties() override;
    void readProperties(platform::PropertyBag& bag) override;
    void writeProperties(platform::PropertyBag& bag) override;

signals:
    void DblClick();
    void MouseDown(vb::Integer& Button, vb::Integer& Shift, vb::Single& X, vb::Single& Y);
    void MouseMove(vb::Integer& Button, vb::Integer& Shift, vb::Single& X, vb::Single& Y);
    void MouseUp(vb::Integer& Button, vb::Integer& Shift, vb::Single& X, vb::Single& Y);
    void Click();
    // Declared for hosts that expect it; never raised.
    void Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectPictureEvents();
    // The caption on Pic1 at the fixed start point, in the control's colours.
    void paintCaption();
    void clearAndPaint();
    void storeCaption(const QString& caption);
    // The plain colour a colour property stands for now; 380 for a system
    // colour that does not exist.
    vb::OleColor currentRgb(vb::OleColor colour) const;
    void setPictureFontFlag(void (QFont::*setter)(bool), bool on);
    void readFontProperties(platform::PropertyBag& bag);
    void setAlign(vb::Integer align);

    platform::PictureBox* pic1_;
    QString caption_;
    vb::OleColor color1_ = 0;
    vb::OleColor color2_ = 0;
    // Pic1's docking inside the control (0 none .. 4 right); kept for the
    // property set only, as Pic1 always fills the control.
    vb::Integer align_ = 0;
    // The character set of Pic1's font, which QFont does not carry.
    int fontCharset_ = 0;
};
