#pragma once
// The preview and the call statement: RefreshPreview after every editor
// change, the "Preview" button, the statement built from the window's state,
// and the two text boxes that follow the statement (the object name and the
// statement box).

#include "window/formcontext.h"

#include <QString>

#include <optional>

namespace designer {

class PreviewHandlers {
public:
    explicit PreviewHandlers(FormContext& form);

    // Clears the preview; while automatic preview is on, paints the current
    // style, shows the drawing time and writes the statement.
    void RefreshPreview();
    // "Preview": paints over what is there without divisors, then writes the
    // statement and the time.
    void Command5_Click();
    // The preview box shows its persistent image again.
    void repaintPreview();

    // The statement for the window's current state; nothing when no stop
    // method is selected.
    std::optional<QString> buildStatement() const;

    void txtObjName_Change();
    void txtFunction_Change();

private:
    void showTime(double seconds);

    FormContext& form_;
};

} // namespace designer
