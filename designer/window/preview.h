#pragma once
// The preview and the call statement: RefreshPreview after every editor
// change, the "Preview" button, the statement built from the editor state,
// and the two text boxes that follow the statement (the object name and the
// statement box).

#include "logic/editorstate.h"
#include "logic/savedstatement.h"

#include <QString>

#include <optional>

class QCheckBox;
class QLineEdit;

namespace platform {
class Clock;
class PictureBox;
} // namespace platform

namespace designer {

class HostedControls;

// What the preview and the statement read and write.
struct PreviewParts {
    platform::PictureBox& Picture2;
    QCheckBox& Check2; // automatic preview
    QLineEdit& txtObjName;
    QLineEdit& txtFunction;
    EditorState& state; // what is painted and what the statement says
    platform::Clock& clock;
    HostedControls& hosted; // lblCalcultime
};

// What the editor asks of the preview after a change.
class PreviewRefresh {
public:
    // Clears the preview; while automatic preview is on, paints the current
    // style, shows the drawing time and writes the statement.
    virtual void RefreshPreview() = 0;
    // The preview box shows its persistent image again.
    virtual void repaintPreview() = 0;

protected:
    ~PreviewRefresh() = default;
};

class PreviewHandlers : public PreviewRefresh {
public:
    explicit PreviewHandlers(PreviewParts parts);

    void RefreshPreview() override;
    // "Preview": paints over what is there without divisors, then writes the
    // statement and the time.
    void Command5_Click();
    void repaintPreview() override;

    // The statement for the editor state; nothing when no stop method is
    // selected.
    std::optional<QString> buildStatement() const;
    // What that statement paints: the values of saved and copied pictures.
    std::optional<StatementValues> statementValues() const;

    // The object name as typed goes into the state and the statement.
    void txtObjName_Change();
    void txtFunction_Change();

private:
    void showTime(double seconds);

    PreviewParts p_;
};

} // namespace designer
