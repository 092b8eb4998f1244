#pragma once
// How the editor's values are written into a style and read back from one:
// integers as plain decimal digits, yes/no values as "True" or "False".

#include "core/vb.h"

#include <QString>

#include <optional>

namespace designer {

QString formatInteger(long long value);
QString formatYesNo(bool value);

// A number in the usual decimal notation (sign, digits, fraction, exponent,
// blanks around it); a fraction rounds to the nearest integer, a half to the
// even neighbour. Empty when the text is not a number or does not fit 32 bits.
std::optional<vb::Long> parseInteger(const QString& text);

// "True" or "False" in any letter case, or a number (0 is no, any other yes).
std::optional<bool> parseYesNo(const QString& text);

} // namespace designer
