#include "profile/profilesyntax.h"

#include <algorithm>
#include <cstring>

namespace platform::profile {

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin].unicode()))
        ++begin;
    while (end > begin && isBlank(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}

qsizetype findSectionBracket(QByteArrayView all, qsizetype from, qsizetype textBegin) {
    const char* data = all.data();
    const qsizetype size = all.size();
    for (qsizetype i = std::max(from, textBegin); i < size;) {
        const void* hit = std::memchr(data + i, '[', size - i);
        if (!hit)
            break;
        const qsizetype at = static_cast<const char*>(hit) - data;
        const char before = at > textBegin ? data[at - 1] : '\n';
        if (isLineBreak(before) || isBlank(static_cast<unsigned char>(before)))
            return at;
        i = at + 1;
    }
    return size;
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
