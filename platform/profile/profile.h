#pragma once
// The profile-file functions of the program: read one value, write one
// value or several values of one section at once, delete a section, list
// the section names. Each call opens the file as it is at that moment;
// nothing is cached. Files written by the Windows version of the program
// read here, and what is written here reads back unchanged in both.
//
// A write either stores everything it was given or leaves the file exactly
// as it was and returns false: when the file cannot be read or written, when
// a name or value could not be stored safely (a line break or NUL in it, a
// key that would not read back as that key, an empty or over-long section
// name), when the file is UTF-16 that is not well-formed, and when another
// writer keeps the file's lock for longer than the wait (profilelock.h).
// Writers hold that lock from their read to their replace, so writes of
// several programs at once never undo each other; reads take no lock.

#include "profile/fileaccess.h"
#include "profile/profiledocument.h"

#include <QString>
#include <QStringList>

namespace platform::profile {

// The buffers of the designer's calls: a value comes back with at most
// ValueBufferSize - 1 characters, and the names of the listing with their
// terminating NULs take at most NameListBufferSize - 1 characters.
inline constexpr qsizetype ValueBufferSize = 64000;
inline constexpr qsizetype NameListBufferSize = 64000;
inline constexpr qsizetype MaxSectionNameLength = 32765;

// The value of key in section, without the blanks and one pair of quotes
// around it, cut to the value buffer; defaultValue when the file, section
// or key is missing.
QString readString(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue = QString(),
                   FileAccess& access = systemFileAccess());

// Writes one value; creates the file and the section when missing.
bool writeString(const QString& file, const QString& section, const QString& key,
                 const QString& value, FileAccess& access = systemFileAccess());

// Writes several values of one section as one update: the same result as
// writing them one after another, but stored whole or not at all. An empty
// list writes nothing.
bool writeKeys(const QString& file, const QString& section, const KeyValueList& entries,
               FileAccess& access = systemFileAccess());

// Removes the first section of that name with all its lines. True also
// when there was no such section (then the file is not touched).
bool deleteSection(const QString& file, const QString& section,
                   FileAccess& access = systemFileAccess());

// The section names in file order, as many as fit in the listing buffer;
// a name that would be cut by the end of the buffer is left out, and so
// is everything after it. Empty names ("[]") are listed as they are.
QStringList sectionNames(const QString& file, FileAccess& access = systemFileAccess());

// Whether the name or value could be written (see above).
bool isWritableSectionName(QStringView section);
bool isWritableKeyName(QStringView key);
bool isWritableValue(QStringView value);

} // namespace platform::profile
