#pragma once
// The picture box: a widget with persistent drawing that every surface of
// the designer and the fade-text control paint on (the preview, the
// full-screen window, the wallpaper picture, the main window's background,
// the caption surface). A thin shell over RasterCanvas, which holds the
// pixels and the drawing model (retained image and screen layer, see
// rastercanvas.h). The widget adds what needs a screen: twips from the
// screen's logical dots per inch, the border, repaints and mouse events.
//
// The screen layer (drawing done with AutoRedraw off) is lost where a screen
// without retained pixels would lose it: refresh(), a resize of the box, and
// the box being shown again after it was hidden or minimised. Repaints that
// the box asks for itself to show new drawing keep it.
//
// Works unshown too: resize() it in pixels, draw, then read image() or save.

#include "core/drawingsurface.h"
#include "picturebox/rastercanvas.h"

#include <QImage>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget, public vb::DrawingSurface {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // ---- the drawing surface (scale units are twips)
    void setAutoRedraw(bool on) override;
    bool autoRedraw() const { return canvas_.autoRedraw(); }
    // Inner size (inside the border) in twips.
    double scaleHeight() override;
    double scaleWidth() override;
    void lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) override;
    // A whole run of bands with one repaint.
    void lineBands(const vb::BandRun& run, const vb::BandColours& colours) noexcept override;

    // ---- properties
    // OLE_COLOR values (0x00BBGGRR or a system colour). An unknown system
    // colour raises run-time error 380 and keeps the old colour.
    vb::OleColor backColor() const { return backColor_; }
    // Erases the retained image and the screen to the new colour.
    void setBackColor(vb::OleColor colour);
    vb::OleColor foreColor() const { return foreColor_; }
    void setForeColor(vb::OleColor colour);
    // 0 = none, 1 = fixed single (a sunken two-pixel frame, outside the scale
    // area). Any other value raises run-time error 380.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    // Print position in twips.
    double currentX() const { return canvas_.currentX(); }
    double currentY() const { return canvas_.currentY(); }
    void setCurrentX(double twips) { canvas_.setCurrentX(twips); }
    void setCurrentY(double twips) { canvas_.setCurrentY(twips); }
    // The font is the widget's own (QWidget::font / setFont).

    // ---- geometry in twips
    // 1440 / the screen's logical dots per inch: 15 at 96 dpi.
    double twipsPerPixel() const { return canvas_.twipsPerPixel(); }
    // The border's width in pixels on each side: the scale area starts there.
    int borderWidth() const;
    // Outer size, border included.
    double widthTwips() const { return width() * twipsPerPixel(); }
    double heightTwips() const { return height() * twipsPerPixel(); }
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);
    // Device pixels per logical pixel of the retained image; 0 (the default)
    // follows the screen. A fixed ratio of 1 gives images of exactly the
    // widget's pixel size whatever the screen.
    void setPixelRatioOverride(double ratio);

    // ---- operations
    void cls();
    // Draws text at the print position, then advances CurrentX past it.
    void print(const QString& text);
    // Repaints at once from the retained image; the screen layer is lost.
    void refresh();

    // ---- pixels (device pixels, with the image's device pixel ratio set)
    QImage image();
    QImage shownImage();
    // The retained image as a 24-bit BMP file; false when it cannot be written.
    bool saveBmp(const QString& path);

signals:
    // Button: 1 left, 2 right, 4 middle (the buttons held, for moves).
    // Shift: 1 Shift, 2 Ctrl, 4 Alt. X, Y: twips inside the border.
    void mouseDown(short button, short shift, float x, float y);
    void mouseMove(short button, short shift, float x, float y);
    void mouseUp(short button, short shift, float x, float y);
    // A left button pressed and released over the box.
    void click();
    void dblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSize innerSize() const;
    void syncSize();
    void syncScreen();
    void scheduleUpdate();
    void emitMouse(void (PictureBox::*signal)(short, short, float, float), short button,
                   const QMouseEvent* event);

    RasterCanvas canvas_;
    vb::OleColor backColor_;
    vb::OleColor foreColor_;
    int borderStyle_ = 0;
    double pixelRatioOverride_ = 0;
    bool updateScheduled_ = false;
    bool leftPressed_ = false;
    bool releaseEndsDoubleClick_ = false;
};

} // namespace platform
