#include "profile/profilesyntax.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

bool mayOpenSection(const char* data, qsizetype at, qsizetype textBegin) {
    const char before = at > textBegin ? data[at - 1] : '\n';
    return isLineBreak(before) || isBlank(static_cast<unsigned char>(before));
}

#if defined(__SSE2__)
// Bit k set when the byte at+k is a "[" after a byte of at most 0x20 (line
// breaks and blanks among them): candidates for a section line, tested
// exactly one by one. Keeps the "[" inside values out without a branch.
unsigned bracketCandidates16(const char* data) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data - 1));
    const __m128i lowBefore = _mm_cmpeq_epi8(_mm_min_epu8(before, _mm_set1_epi8(' ')), before);
    const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('[')), lowBefore);
    return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

std::uint64_t bracketCandidates(const char* data, qsizetype at) {
    const std::uint64_t low =
        bracketCandidates16(data + at) | std::uint64_t{bracketCandidates16(data + at + 16)} << 16;
    const std::uint64_t high = bracketCandidates16(data + at + 32) |
                               std::uint64_t{bracketCandidates16(data + at + 48)} << 16;
    return low | high << 32;
}
#endif

} // namespace

// A large file has a "[" in every few lines (values such as "[OBJECT]"):
// a scan that stops at each of them loses more to mispredicted branches
// than to reading the bytes, so 64 bytes are sifted at a time.
qsizetype findSectionBracket(QByteArrayView all, qsizetype from, qsizetype textBegin) {
    const char* data = all.data();
    const qsizetype size = all.size();
    qsizetype i = std::max(from, textBegin);
#if defined(__SSE2__)
    // The sifting reads the byte before each block.
    for (; i == textBegin && i < size; ++i) {
        if (data[i] == '[')
            return i;
    }
    const __m128i bracket = _mm_set1_epi8('[');
    const auto hasBracket = [&](qsizetype at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        return _mm_cmpeq_epi8(bytes, bracket);
    };
    for (; i + 64 <= size; i += 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(hasBracket(i), hasBracket(i + 16)),
                                         _mm_or_si128(hasBracket(i + 32), hasBracket(i + 48)));
        if (!_mm_movemask_epi8(any))
            continue;
        for (std::uint64_t mask = bracketCandidates(data, i); mask != 0; mask &= mask - 1) {
            const qsizetype at = i + std::countr_zero(mask);
            if (mayOpenSection(data, at, textBegin))
                return at;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '[' && mayOpenSection(data, i, textBegin))
            return i;
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
