#pragma once
// TextCanvases over real objects: the control's own picture box, and any
// object a host hands in, used late-bound by member name.

#include "textcanvas.h"

#include <QPointer>

#include <memory>

class QObject;

namespace platform {
class PictureBox;
}

namespace fadecaption {

// The platform picture box, through its own operations.
class PictureBoxCanvas final : public TextCanvas {
public:
    explicit PictureBoxCanvas(platform::PictureBox& box)
        : box_(box) {}
    void setCurrentX(vb::Single x) override;
    void setCurrentY(vb::Single y) override;
    void setForeColor(vb::OleColor colour) override;
    void print(const QString& text) override;

private:
    platform::PictureBox& box_;
};

// Any object, by name: property CurrentX, CurrentY and ForeColor, method
// Print(text). A member it lacks raises 438; a null object raises 424.
class LateBoundCanvas final : public TextCanvas {
public:
    explicit LateBoundCanvas(QObject* object)
        : object_(object) {}
    void setCurrentX(vb::Single x) override;
    void setCurrentY(vb::Single y) override;
    void setForeColor(vb::OleColor colour) override;
    void print(const QString& text) override;

private:
    QPointer<QObject> object_;
};

// The canvas for an object a caller hands in: a picture box directly (it
// has no members by name), anything else late-bound.
std::unique_ptr<TextCanvas> canvasFor(QObject* object);

} // namespace fadecaption
