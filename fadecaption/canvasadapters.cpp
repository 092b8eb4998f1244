#include "canvasadapters.h"

#include "hosting/latebinding.h"
#include "picturebox/picturebox.h"

#include <QVariant>

namespace fadecaption {

void PictureBoxCanvas::setCurrentX(vb::Single x) {
    box_.setCurrentX(x);
}

void PictureBoxCanvas::setCurrentY(vb::Single y) {
    box_.setCurrentY(y);
}

void PictureBoxCanvas::setForeColor(vb::OleColor colour) {
    box_.setForeColor(colour);
}

void PictureBoxCanvas::print(const QString& text) {
    box_.print(text);
}

// A canvas deleted while the fade runs (by a handler it calls) is an object
// that is no longer there, not a dangling pointer: 424 from the binding.

void LateBoundCanvas::setCurrentX(vb::Single x) {
    platform::setProperty(object_.data(), QStringLiteral("CurrentX"), QVariant(x));
}

void LateBoundCanvas::setCurrentY(vb::Single y) {
    platform::setProperty(object_.data(), QStringLiteral("CurrentY"), QVariant(y));
}

void LateBoundCanvas::setForeColor(vb::OleColor colour) {
    platform::setProperty(object_.data(), QStringLiteral("ForeColor"), QVariant::fromValue(colour));
}

void LateBoundCanvas::print(const QString& text) {
    platform::callMethod(object_.data(), QStringLiteral("Print"), text);
}

std::unique_ptr<TextCanvas> canvasFor(QObject* object) {
    if (auto* box = qobject_cast<platform::PictureBox*>(object))
        return std::make_unique<PictureBoxCanvas>(*box);
    return std::make_unique<LateBoundCanvas>(object);
}

} // namespace fadecaption
