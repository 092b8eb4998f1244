#include "module1/recordingsurface.h"

#include <stdexcept>

namespace module1 {

RecordingSurface::RecordingSurface(double scaleWidth, double scaleHeight, bool autoRedraw)
    : scaleWidth_(scaleWidth)
    , scaleHeight_(scaleHeight)
    , autoRedraw_(autoRedraw) {}

void RecordingSurface::setBehaviour(Member member, Behaviour behaviour) {
    behaviours_[static_cast<int>(member)] = behaviour;
}

void RecordingSurface::act(Member member) const {
    switch (behaviours_[static_cast<int>(member)]) {
    case Behaviour::Works:
        return;
    case Behaviour::Missing:
        vb::raiseError(vb::err::NotSupported);
    case Behaviour::RaisesError:
        vb::raiseError(errorNumber_);
    case Behaviour::ThrowsOther:
        throw std::logic_error("recording surface: foreign failure");
    }
}

void RecordingSurface::setAutoRedraw(bool on) {
    act(Member::AutoRedraw);
    autoRedraw_ = on;
    ++autoRedrawAssignments_;
}

double RecordingSurface::scaleHeight() {
    act(Member::ScaleHeight);
    return scaleHeight_;
}

double RecordingSurface::scaleWidth() {
    act(Member::ScaleWidth);
    return scaleWidth_;
}

void RecordingSurface::lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) {
    ++lineCalls_;
    act(Member::Line);
    boxes_.push_back({x1, y1, x2, y2, colour});
}

} // namespace module1
