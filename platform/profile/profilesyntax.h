#pragma once
// The line syntax of a profile file, read from the bytes:
//
//   [name]      opens a section; the name runs to the last "]" of the line
//   key=value   an entry of the section opened last
//   ; text      a comment
//
// Anything else (blank lines, lines without "=") is kept but means nothing.
// Lines end at CR LF, LF or a lone CR. Names and values are compared and
// returned without the blanks around them; a value also loses one pair of
// matching quotes around it.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace platform::profile {

// Space, tab, vertical tab and form feed.
constexpr bool isBlank(char16_t c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
constexpr bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

QByteArrayView trimBlanks(QByteArrayView text);
QStringView trimBlanks(QStringView text);

// Index of the first CR or LF at or after from, or the size of text.
qsizetype findLineEnd(QByteArrayView text, qsizetype from);
// Index just after the line break that starts at lineEnd.
qsizetype skipLineBreak(QByteArrayView text, qsizetype lineEnd);
// The first line break of text, or CR LF when it has none.
QByteArrayView lineBreakOf(QByteArrayView text);

// A line as key, "=" and value, once it is known not to be a section line.
struct KeyLine {
    QByteArrayView key;    // without blanks around it
    qsizetype valueOffset; // where the value starts in the line, after blanks
    QByteArrayView value;  // without blanks, quotes still on
};
// Empty for comments and lines without "=".
std::optional<KeyLine> parseKeyLine(QByteArrayView line);

// The name of a section line, given the line from just after its "[".
QByteArrayView sectionNameOf(QByteArrayView afterBracket);

// One pair of matching quotes (" or ') around value taken off.
QByteArrayView unquoted(QByteArrayView value);

// What to write after "=" so that value reads back exactly as it is.
QString valueForWriting(const QString& value);

// Text that can stand on one line of the file: no line break, no NUL, and
// no half of a surrogate pair (which no encoding could store).
bool fitsOnOneLine(QStringView text);

} // namespace platform::profile
