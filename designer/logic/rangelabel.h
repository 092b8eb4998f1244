#pragma once
// The label beside a colour or level slider names the range its value lies
// in: "R" up to 255 and "R-XT" from 256 to 512 (G and B alike); for the level
// "N" up to 127, "W" up to 255 and "W-XT" from 256 to 512. For a value
// outside those ranges, and for the other sliders, there is no text: the
// label keeps what it shows.

#include "core/vb.h"
#include "logic/stylerecord.h"

#include <QString>

#include <optional>

namespace designer {

std::optional<QString> rangeLabelText(StyleKey key, vb::Long value);

} // namespace designer
