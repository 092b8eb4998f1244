#pragma once
// Converting one value to another type as the language's Variant rules do,
// for property-bag reads and for late-bound property sets and method calls.
//
//   * numbers convert to numbers; fractions round to nearest, ties to even;
//     a result out of the target's range raises 6 "Overflow";
//   * True is -1 and False 0 as a number; any non-zero number is True;
//   * a text converts to a number, a Boolean ("True"/"False") or a colour
//     (`&H...&` or a number) when it reads as one, else 13 "Type mismatch";
//   * a number or Boolean converts to its text (True -> "True");
//   * a colour (quint32) is a 32-bit number; a negative Long converts to the
//     colour of the same bits (-2147483633 is &H8000000F&);
//   * a text converts to a font of that name (the other attributes taken
//     from the fallback font given); a FontRecord and a QFont convert into
//     each other; nothing else converts to or from a font;
//   * a QVariant target takes the value as it is.

#include <QMetaType>
#include <QVariant>

namespace platform {

// Raises vb::RuntimeError (13 or 6) when the value cannot be converted.
// fontFallback supplies the attributes of a font made from a name.
QVariant convertValue(const QVariant& value, QMetaType target, const QVariant& fontFallback = {});

// Whether two values are equal once the first is converted to the second's
// type (false when it cannot be).
bool sameValue(const QVariant& value, const QVariant& reference);

} // namespace platform
