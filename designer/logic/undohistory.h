#pragma once
// Undo and redo of the editor: what one step keeps (the editor as its
// controls hold it) and the history of steps. Widget-free: the window takes
// a snapshot of its controls and sets them back from one.

#include "core/vb.h"
#include "logic/statement.h"
#include "logic/stylerecord.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace designer {

// The editor's check boxes, in the order a restore sets them (automatic
// preview comes last: turning it off clears the preview).
enum class EditorCheck : std::uint8_t {
    R,
    RXT,
    G,
    GXT,
    B,
    BXT,
    N,
    WXT, // random colours and level, extended range
    MR,
    MG,
    MB, // random MoreX divisors
    Band,
    ModLine,    // random band size and line step
    AutoRedraw, // "Auto-Redraw"
    Automatic,  // "Automatic" preview
};
inline constexpr std::size_t editorCheckCount = 15;

// One state of the editor. Check boxes keep their three states (0 clear,
// 1 greyed, 2 checked). Besides the controls it keeps the three things of
// Stop that the controls do not settle: with no stop method chosen the
// preview draws whatever Stop the last method left (the preview's height
// or the slider's value) and the Stop slider stays as the last method left
// it; and the Stop value box shows the preview's height after start-up.
// The statement box too is kept while the window does not write it (no stop
// method chosen, or automatic preview off): it shows an earlier statement.
struct EditorSnapshot {
    std::array<vb::Long, styleKeyCount> sliders{}; // by StyleKey; options and name unused
    StopMethod stopMethod = StopMethod::None;
    QString objName;
    QString styleName; // the style list's name field
    std::array<std::uint8_t, editorCheckCount> checks{};
    vb::Integer drawnStop = 0;
    bool stopSliderEnabled = true;
    QString stopBox;
    QString statementBox; // empty while the window writes the statement

    vb::Long slider(StyleKey key) const { return sliders[static_cast<std::size_t>(key)]; }
    void setSlider(StyleKey key, vb::Long value) { sliders[static_cast<std::size_t>(key)] = value; }
    std::uint8_t check(EditorCheck box) const { return checks[static_cast<std::size_t>(box)]; }
    void setCheck(EditorCheck box, std::uint8_t state) {
        checks[static_cast<std::size_t>(box)] = state;
    }

    bool operator==(const EditorSnapshot&) const = default;
    // The same editor, whatever the statement box shows: "Preview" writes
    // it without being a step.
    bool sameEditor(const EditorSnapshot& other) const;
};

// The steps behind and ahead of the editor's settled state: the state after
// the last gesture, undo or redo. A gesture that ends in another state makes
// one step (and drops what could be redone); one that ends where it started
// makes none. The oldest step goes first when the history is full.
class UndoHistory {
public:
    static constexpr std::size_t defaultCapacity = 200;

    explicit UndoHistory(std::size_t capacity = defaultCapacity);

    // Forgets every step; the editor is settled in `state`.
    void reset(EditorSnapshot state);
    // A gesture ended in `now`. True when it made a step; a change of the
    // statement box alone only updates the settled state.
    bool record(const EditorSnapshot& now);

    bool canUndo() const { return !behind_.empty(); }
    bool canRedo() const { return !ahead_.empty(); }
    std::size_t undoCount() const { return behind_.size(); }
    std::size_t redoCount() const { return ahead_.size(); }
    const EditorSnapshot& settled() const { return settled_; }
    // How many steps were ever recorded (also those dropped since).
    std::size_t recorded() const { return recorded_; }

    // The state to set the editor to; it becomes the settled state. Nothing
    // when there is no step.
    std::optional<EditorSnapshot> undo();
    std::optional<EditorSnapshot> redo();

    // After a restore: the state the controls really reached.
    void settle(EditorSnapshot state) { settled_ = std::move(state); }

private:
    std::size_t capacity_;
    EditorSnapshot settled_;
    std::size_t recorded_ = 0;
    std::deque<EditorSnapshot> behind_;
    std::deque<EditorSnapshot> ahead_;
};

} // namespace designer
