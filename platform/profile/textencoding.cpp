#include "profile/textencoding.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <cstring>

namespace platform::profile {

namespace {

// The code points of the bytes 0x80..0x9F; the rest of the code page is
// the same as the first 256 code points of Unicode.
constexpr std::array<char16_t, 32> windows1252HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return windows1252HighControls[byte - 0x80];
    return byte;
}

std::optional<char> unicodeToWindows1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < windows1252HighControls.size(); ++i) {
        if (windows1252HighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

constexpr std::uint64_t highBits = 0x8080808080808080ULL;

// Where the first byte with the high bit set is, or size.
qsizetype firstNonAscii(const unsigned char* data, qsizetype size, qsizetype from) {
    qsizetype i = from;
    // 32 bytes a step while all are ASCII: a whole large file is checked
    // when it is written.
    for (; i + 32 <= size; i += 32) {
        std::uint64_t words[4];
        std::memcpy(words, data + i, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) & highBits)
            break;
    }
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if (word & highBits)
            break;
    }
    while (i < size && data[i] < 0x80)
        ++i;
    return i;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at i, or 0. Rejects overlong
// forms, surrogates and code points above U+10FFFF.
qsizetype utf8SequenceLength(const unsigned char* data, qsizetype size, qsizetype i) {
    const unsigned char lead = data[i];
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > size || data[i + 1] < low || data[i + 1] > high)
        return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (!isContinuation(data[i + k]))
            return 0;
    }
    return length;
}

} // namespace

bool isAscii(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    return firstNonAscii(data, bytes.size(), 0) == bytes.size();
}

bool isValidUtf8(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = firstNonAscii(data, size, 0);
    while (i < size) {
        const qsizetype length = utf8SequenceLength(data, size, i);
        if (length == 0)
            return false;
        i = firstNonAscii(data, size, i + length);
    }
    return true;
}

TextEncoding detectEncoding(QByteArrayView text, bool hasByteOrderMark) {
    // A mark in front of bytes that are not UTF-8 does not make them UTF-8:
    // read as the code page, every byte keeps a character of its own, so a
    // listed name always finds its section again.
    if (isAscii(text))
        return hasByteOrderMark ? TextEncoding::Utf8 : TextEncoding::Ascii;
    return isValidUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = windows1252ToUnicode(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = unicodeToWindows1252(text[i].unicode());
        if (!byte)
            return std::nullopt;
        bytes[i] = *byte;
    }
    return bytes;
}

QByteArray windows1252ToUtf8(QByteArrayView bytes) {
    return decodeWindows1252(bytes).toUtf8();
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252)
        return decodeWindows1252(bytes);
    // A name may start with U+FEFF: keep it (QString::fromUtf8 drops it).
    // Stateless: a cut sequence at the end becomes U+FFFD instead of vanishing.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace platform::profile
