#pragma once
// The style library in Draw.ini as the style list uses it: the names it
// lists, one style read key by key for the editor, a style saved as one
// update, and a style deleted. The file is opened anew by every call.

#include "logic/stylerecord.h"

#include <QString>
#include <QStringList>

namespace designer {

// The section names of the profile file in file order, as the style list
// shows them. An empty name ("[]" in a hand-edited file) ends the list.
QStringList listStyleNames(const QString& file);

// The values of the section, read key by key in the order of a load from
// the file as it is now; a missing key reads as the empty text.
StyleRecord readStoredStyle(const QString& file, const QString& section);

// Writes the fourteen keys into the section (created at the end of the file
// when missing; existing keys rewritten in place) as one update: afterwards
// the file holds either the whole new style or, when the write fails,
// exactly what it held before. The write fails on a name or text that the file cannot hold
// (a line break, an empty or over-long name; see profile/profile.h). True
// when it was written.
bool saveStoredStyle(const QString& file, const QString& section, const StyleRecord& record);

// Removes the first section of that name with all its keys. A name that is
// empty or only blanks names no style and removes nothing.
bool deleteStoredStyle(const QString& file, const QString& section);

} // namespace designer
