#pragma once
// A drawing surface that paints nothing and remembers what was asked of it:
// every filled box with its colour, and the persistent-drawing setting. Each
// member can be made missing or failing, to see how a caller copes with
// surfaces that lack a member or raise errors.

#include "core/drawingsurface.h"

#include <vector>

namespace module1 {

struct RecordedBox {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    vb::OleColor colour = 0;

    bool operator==(const RecordedBox&) const = default;
};

class RecordingSurface : public vb::DrawingSurface {
public:
    enum class Member { AutoRedraw, ScaleHeight, ScaleWidth, Line };
    enum class Behaviour {
        Works,
        Missing,     // raises 438, as an object without that member does
        RaisesError, // raises a run-time error of its own
        ThrowsOther, // throws something that is not a run-time error
    };

    RecordingSurface(double scaleWidth, double scaleHeight, bool autoRedraw = false);

    void setBehaviour(Member member, Behaviour behaviour);
    // The number that RaisesError raises (5 unless set).
    void setErrorNumber(int number) { errorNumber_ = number; }

    void setAutoRedraw(bool on) override;
    double scaleHeight() override;
    double scaleWidth() override;
    void lineBox(double x1, double y1, double x2, double y2, vb::OleColor colour) override;

    // The current setting and how many times it was assigned.
    bool autoRedraw() const { return autoRedraw_; }
    int autoRedrawAssignments() const { return autoRedrawAssignments_; }

    // The boxes painted, in order; calls that failed are not among them.
    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    // Every call of lineBox, failed ones included.
    int lineCalls() const { return lineCalls_; }

private:
    // Raises or throws as the member's behaviour says; returns when it works.
    void act(Member member) const;

    double scaleWidth_;
    double scaleHeight_;
    bool autoRedraw_;
    int autoRedrawAssignments_ = 0;
    int lineCalls_ = 0;
    int errorNumber_ = vb::err::InvalidProcedureCall;
    Behaviour behaviours_[4] = {Behaviour::Works, Behaviour::Works, Behaviour::Works,
                                Behaviour::Works};
    std::vector<RecordedBox> boxes_;
};

} // namespace module1
