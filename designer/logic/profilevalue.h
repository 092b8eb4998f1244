#pragma once
// The one profile-read routine of the designer: a value of a style from the
// profile file, asked for key by key when a style is loaded.

#include <QString>

namespace designer {

// The value stored under key in the section of the file, without the blanks
// around it and cut to 63,999 characters; the empty text when the file, the
// section or the key is missing or the value is empty. Changes nothing.
QString ReadProfileValue(const QString& section, const QString& key, const QString& file);

} // namespace designer
