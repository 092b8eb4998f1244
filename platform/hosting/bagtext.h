#pragma once
// The text form of single property-bag values and keys (see propertybag.h
// for the whole format). Internal to the bag; exposed for its tests.

#include <QString>
#include <QStringView>
#include <QVariant>

#include <optional>

namespace platform::bagtext {

// Whether the bag can hold (and write) a value of this type.
bool isStorable(const QVariant& value);

// The literal of a storable value.
QString formatValue(const QVariant& value);
// The value of a literal; empty when the text is no literal.
std::optional<QVariant> parseValue(QStringView text);

// A double-quoted string literal that any QString survives.
QString quote(const QString& text);
// Reads a quoted literal starting at text[pos] (a '"'); on success sets
// *end to the index after the closing quote.
std::optional<QString> readQuoted(QStringView text, qsizetype pos, qsizetype* end);

// A key as written: bare when it is a plain identifier, else quoted.
QString formatKey(const QString& key);

} // namespace platform::bagtext
