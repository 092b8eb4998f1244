#pragma once
// The line syntax of a profile file, read from the bytes:
//
//   [name]      opens a section; the name runs to the last "]" of the line
//   key=value   an entry of the section opened last
//   ; text      a comment
//
// Anything else (blank lines, lines without "=") is kept but means nothing;
// a line that starts with "[" but has no "]" opens no section. Lines end at
// CR LF, LF or a lone CR. Names and values are compared and returned without
// the blanks around them; a value also loses one pair of matching quotes
// around it.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>
#include <optional>

namespace platform::profile {

// Space, tab, vertical tab, form feed, and Ctrl+Z: the end-of-file mark
// that old editors leave behind a file's last line is never part of a name
// or a value.
constexpr bool isBlank(char16_t c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == 0x1A;
}
constexpr bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Inline: these run once per section line when a large file is searched.
inline QByteArrayView trimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.sliced(begin, end - begin);
}
QStringView trimBlanks(QStringView text);

// Index of the first CR or LF at or after from, or the size of text.
inline qsizetype findLineEnd(QByteArrayView text, qsizetype from) {
    const char* data = text.data();
    const qsizetype size = text.size();
    qsizetype i = from;
    // Eight bytes at a time while none of them is below 0x0E (CR is 0x0D).
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if ((word - ones * 0x0E) & ~word & (ones * 0x80))
            break;
    }
    for (; i < size; ++i) {
        if (isLineBreak(data[i]))
            return i;
    }
    return size;
}

// Index just after the line break that starts at lineEnd.
inline qsizetype skipLineBreak(QByteArrayView text, qsizetype lineEnd) {
    if (lineEnd >= text.size())
        return text.size();
    if (text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

// The first "[" at or after from that stands at textBegin or after a line
// break or a blank: every section line starts with one, and in a style
// library few other "[" do.
qsizetype findSectionBracket(QByteArrayView all, qsizetype from, qsizetype textBegin);
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

// The name of a section line, given the line from just after its "[";
// empty when the line has no "]" and so is no section line.
inline std::optional<QByteArrayView> sectionNameOf(QByteArrayView afterBracket) {
    qsizetype end = afterBracket.size();
    while (end > 0 && afterBracket[end - 1] != ']')
        --end;
    if (end == 0)
        return std::nullopt;
    return trimBlanks(afterBracket.first(end - 1));
}

// One pair of matching quotes (" or ') around value taken off.
QByteArrayView unquoted(QByteArrayView value);

// What to write after "=" so that value reads back exactly as it is.
QString valueForWriting(const QString& value);

// Text that can stand on one line of the file: no line break, no NUL, and
// no half of a surrogate pair (which no encoding could store).
bool fitsOnOneLine(QStringView text);

} // namespace platform::profile
