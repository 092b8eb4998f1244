#pragma once
// The pixels of a picture box, without any widget: what the box retains,
// what it shows, and how drawing reaches either.
//
// Model. The box has two layers:
//   - the retained image (persistent drawing): opaque, always as large as the
//     box, initially the background colour;
//   - the screen layer: what was drawn on the screen alone, transparent where
//     nothing was drawn. It stands for the window's pixels that no one keeps.
// What the box shows is the screen layer composed over the retained image.
//
// With AutoRedraw on, Line, Print and Cls work on the retained image. A
// repaint copies the retained image to the screen, covering whatever was drawn
// there alone, so drawing with AutoRedraw on also drops the screen layer.
// With AutoRedraw off, Line and Print draw on the screen layer, and Cls wipes
// only the screen layer: what was retained earlier stays, as the background.
// The screen layer is lost whenever the box is repainted from what it keeps:
// refresh(), a resize, and (in the widget) the box being shown again.
// Setting the background colour erases both layers to that colour.
//
// Geometry. Positions and sizes are in twips. The box has a size in logical
// pixels and a pixel ratio (device pixels per logical pixel); the images hold
// device pixels, so drawing stays sharp on high-density screens while the
// twip geometry follows the logical pixels: scaleWidth() is the logical width
// times twipsPerPixel(). See pixelbox.h for how a box in twips maps to pixels.
//
// Speed. Boxes of the same columns on the same layer wait: the canvas notes
// for each pixel row the colour of the last such box that covers it, and
// fills each row once, when anything else happens or anyone looks (rows of
// one colour together). Box by box, only the last box over a row would show
// there, so this gives exactly the same pixels. The bands of a gradient
// painted downward go further: for each pixel row the canvas works out which
// band is the last over it and forms that band's colour alone, so the cost
// follows the rows, not the bands (a screen 1080 pixels high has 3,241 bands
// of 5 twips).
// Likewise a clear waits: rows that full-width boxes paint, top down from the
// first row, right after it are never cleared. Every other operation, and
// every look at the pixels, first does what waits, so what anyone sees is
// exactly what painting box by box would give.

#include "core/drawingsurface.h"
#include "picturebox/pixelbox.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <algorithm>
#include <vector>

class QPainter;
class QPalette;

namespace platform {

class RasterCanvas : public vb::DrawingSurface {
public:
    // twipsPerPixel: 1440 / the screen's logical dots per inch.
    explicit RasterCanvas(double twipsPerPixel = 15.0, double pixelRatio = 1.0);

    // ---- geometry
    // Size in logical pixels. The retained image keeps its content at the
    // top-left; new area gets the background colour. Drops the screen layer.
    void resize(QSize logicalPixels);
    QSize size() const { return size_; }
    double twipsPerPixel() const { return twipsPerPixel_; }
    void setTwipsPerPixel(double twipsPerPixel);
    double pixelRatio() const { return pixelRatio_; }
    // Rescales the retained content to the new ratio; drops the screen layer.
    void setPixelRatio(double pixelRatio);

    // ---- the drawing surface
    void setAutoRedraw(bool on) override;
    bool autoRedraw() const { return autoRedraw_; }
    double scaleHeight() override;
    double scaleWidth() override;
    // Paints the box; a system colour is taken from the application palette.
    // Moves the print position to (x2, y2).
    void lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) override;
    void fillBox(double x1, double y1, double x2, double y2, QRgb colour);
    // Paints the bands as lineBox on each would, forming only the colours of
    // the bands that show (see Speed above).
    void lineBands(const vb::BandRun& run, const vb::BandColours& colours) noexcept override;
    // The same with system colours taken from `palette` (the application's
    // when null).
    void fillBands(const vb::BandRun& run, const vb::BandColours& colours,
                   const QPalette* palette) noexcept;

    // ---- state
    QColor backColor() const { return backColor_; }
    // Erases both layers to the new colour and resets the print position.
    void setBackColor(const QColor& colour);
    // Changes the colour that later clears use, keeping every pixel (for a
    // system colour that the desktop changed).
    void adoptBackColor(const QColor& colour) { backColor_ = opaque(colour); }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& colour) { foreColor_ = opaque(colour); }
    QFont font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double twips) { currentX_ = twips; }
    void setCurrentY(double twips) { currentY_ = twips; }

    // ---- operations
    // Clears what AutoRedraw decides (see above); print position to (0, 0).
    void cls();
    // Draws text with its top at CurrentY, left at CurrentX, in font() and
    // foreColor(); CurrentX then moves by the text's width in twips.
    void print(const QString& text);
    // The box repainted from the retained image: the screen layer is dropped.
    void refresh();

    // ---- observation (each paints the pending box first)
    const QImage& image();
    QImage shownImage();
    bool hasScreenLayer() const { return !screenEmpty_; }
    // Draws what the box shows with its top-left at `topLeft` (logical).
    void paint(QPainter& painter, QPointF topLeft);
    // Writes the retained image as a 24-bit Windows bitmap file.
    bool saveBmp(const QString& path);
    // Does now what waits: the pending box and any waiting clear.
    void flush();

private:
    // Boxes of columns left..right of one layer not yet painted: rowValues_
    // holds for each row in first..last the colour of the last box over it,
    // 0 (transparent, which no box paints) where none is.
    struct PendingRows {
        bool active = false;
        bool toScreen = false;
        int left = 0;
        int right = -1;
        int first = 0;
        int last = -1;
    };
    // A clear of a layer not yet done. Rows above `paintedTo` have all been
    // painted by full-width boxes since; they need no clearing.
    struct WaitingClear {
        bool active = false;
        QRgb value = 0;
        int paintedTo = 0;
    };

    static QColor opaque(QColor colour);
    QSize deviceSize() const;
    double pixelsPerTwip() const { return pixelRatio_ / twipsPerPixel_; }
    int dotsPerMetreForFonts() const;
    QImage blankRetained(QSize devicePixels) const;
    QImage& layer(bool toScreen) { return toScreen ? screen_ : retained_; }
    WaitingClear& waitingClear(bool toScreen) { return toScreen ? screenClear_ : retainedClear_; }
    void beginScreenDrawing();
    void dropScreenLayer();
    void queueBox(const PixelBox& box, QRgb value, bool toScreen);
    template <typename Values> void fillEachBand(const vb::BandRun& run, Values& values);
    template <typename Values> void fillBandsDownward(const vb::BandRun& run, Values& values);
    const std::vector<long long>& pixelStarts(int height);
    QRgb* pendingRowsFor(bool toScreen, int left, int right);
    void notePendingRows(int first, int last);
    void noteRowsAfterClear(int top, int bottom, bool fullWidth, bool toScreen, int layerHeight);
    void finishClear(bool toScreen);
    void flushPendingRows();

    double twipsPerPixel_;
    double pixelRatio_;
    QSize size_;
    QImage retained_;
    QImage screen_;
    bool screenEmpty_ = true;
    PendingRows pending_;
    std::vector<QRgb> rowValues_;
    std::vector<long long> pixelStarts_;
    int pixelStartsHeight_ = -1;
    double pixelStartsScale_ = 0;
    WaitingClear retainedClear_;
    WaitingClear screenClear_;
    bool autoRedraw_ = false;
    QColor backColor_{240, 240, 240};
    QColor foreColor_{0, 0, 0};
    QFont font_;
    double currentX_ = 0;
    double currentY_ = 0;
};

// Kept here, inline: the rows of a gradient note themselves one by one.
inline void RasterCanvas::notePendingRows(int first, int last) {
    if (pending_.first > pending_.last) {
        pending_.first = first;
        pending_.last = last;
        return;
    }
    pending_.first = std::min(pending_.first, first);
    pending_.last = std::max(pending_.last, last);
}

// A full-width box that joins the painted rows at the top extends them; any
// other box needs the clear done first where it paints.
inline void RasterCanvas::noteRowsAfterClear(int top, int bottom, bool fullWidth, bool toScreen,
                                             int layerHeight) {
    WaitingClear& clear = waitingClear(toScreen);
    if (!clear.active)
        return;
    if (fullWidth && top <= clear.paintedTo) {
        clear.paintedTo = std::max(clear.paintedTo, bottom + 1);
        if (clear.paintedTo >= layerHeight)
            clear.active = false;
        return;
    }
    finishClear(toScreen);
}

} // namespace platform
