#include "picturebox/olecolor.h"

#include <QGuiApplication>
#include <array>

namespace platform {

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexes 0..24 of the system colour table, each with the palette entry that
// plays the same part on this desktop.
constexpr std::array<SystemRole, 25> systemRoles{{
    {QPalette::Active, QPalette::Mid},               // 0 scroll bars
    {QPalette::Active, QPalette::Dark},              // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive title bar
    {QPalette::Active, QPalette::Window},            // 4 menu bar
    {QPalette::Active, QPalette::Base},              // 5 window background
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 title bar text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tool-tip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tool-tip background
}};

} // namespace

std::optional<QColor> fromOleColor(vb::OleColor colour, const QPalette& palette) {
    if (!isSystemColour(colour))
        return QColor::fromRgb(plainOleToRgb(colour));
    const vb::OleColor index = colour & ~SystemColourFlag;
    if (index >= systemRoles.size())
        return std::nullopt;
    const SystemRole& entry = systemRoles[index];
    QColor resolved = palette.color(entry.group, entry.role);
    resolved.setAlpha(255);
    return resolved;
}

std::optional<QColor> fromOleColor(vb::OleColor colour) {
    if (qGuiApp != nullptr)
        return fromOleColor(colour, QGuiApplication::palette());
    static const QPalette fallback(QColor(240, 240, 240), QColor(240, 240, 240));
    return fromOleColor(colour, fallback);
}

} // namespace platform
