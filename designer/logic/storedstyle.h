#pragma once
// Reading the style library for the editor: the names listed in the style
// list, and one style's values as the editor applies them. Each value that
// is missing or unusable is empty here, so the editor leaves its control as
// it was, except where a fallback is defined (object name, ModLine, MoreX).

#include "core/vb.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace designer {

// The section names of the profile file in file order, as the style list
// shows them. An empty name ("[]" in a hand-edited file) ends the list.
QStringList listStyleNames(const QString& file);

struct StoredStyle {
    std::optional<vb::Long> r, g, b, n, band, start, stop;
    std::optional<bool> optStop0, optStop1;
    QString objName; // as read; empty when missing or empty
    std::optional<vb::Long> modLine;
    // Never empty: a value that is not a number above 0 is taken as 1.
    vb::Long moreXR = 1, moreXG = 1, moreXB = 1;

    // Whether the ModLine slider must be put back to 1 after the load.
    bool modLineNeedsReset() const { return !modLine || *modLine < 1; }
};

// The values of the section, read key by key from the file as it is now.
StoredStyle readStoredStyle(const QString& file, const QString& section);

} // namespace designer
