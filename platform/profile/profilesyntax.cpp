#include "profile/profilesyntax.h"

#include <cstring>

namespace platform::profile {

QByteArrayView trimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.sliced(begin, end - begin);
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}

qsizetype findLineEnd(QByteArrayView text, qsizetype from) {
    const char* data = text.data();
    const qsizetype size = text.size();
    qsizetype i = from;
    while (i < size && !isLineBreak(data[i]))
        ++i;
    return i;
}

qsizetype skipLineBreak(QByteArrayView text, qsizetype lineEnd) {
    if (lineEnd >= text.size())
        return text.size();
    if (text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

QByteArrayView lineBreakOf(QByteArrayView text) {
    const qsizetype end = findLineEnd(text, 0);
    if (end == text.size())
        return "\r\n";
    return text.sliced(end, skipLineBreak(text, end) - end);
}

std::optional<KeyLine> parseKeyLine(QByteArrayView line) {
    const QByteArrayView content = trimBlanks(line);
    if (content.isEmpty() || content[0] == ';')
        return std::nullopt;
    const void* equals = std::memchr(line.data(), '=', line.size());
    if (!equals)
        return std::nullopt;
    const qsizetype equalsAt = static_cast<const char*>(equals) - line.data();
    qsizetype valueOffset = equalsAt + 1;
    while (valueOffset < line.size() && isBlank(static_cast<unsigned char>(line[valueOffset])))
        ++valueOffset;
    return KeyLine{trimBlanks(line.first(equalsAt)), valueOffset,
                   trimBlanks(line.sliced(valueOffset))};
}

QByteArrayView sectionNameOf(QByteArrayView afterBracket) {
    qsizetype end = afterBracket.size();
    while (end > 0 && afterBracket[end - 1] != ']')
        --end;
    // No "]" at all: the name runs to the end of the line.
    const qsizetype nameEnd = end > 0 ? end - 1 : afterBracket.size();
    return trimBlanks(afterBracket.first(nameEnd));
}

namespace {
constexpr bool isQuote(char16_t c) {
    return c == '"' || c == '\'';
}
} // namespace

QByteArrayView unquoted(QByteArrayView value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

QString valueForWriting(const QString& value) {
    if (value.isEmpty())
        return value;
    const char16_t first = value.front().unicode();
    const char16_t last = value.back().unicode();
    if (isBlank(first) || isBlank(last) || isQuote(first) || isQuote(last))
        return u'"' + value + u'"';
    return value;
}

bool fitsOnOneLine(QStringView text) {
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    return text.isValidUtf16();
}

} // namespace platform::profile
