#pragma once
// The two encodings a profile file can be in: UTF-8, and the Windows-1252
// code page in which files made on Western Windows systems are written.
// Both keep 7-bit ASCII as it is, so the syntax of a profile file ([, ], =,
// ;, line breaks, blanks) can be read from the bytes alone, whatever the
// encoding, and text is decoded only where a name or value is needed.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace platform::profile {

enum class TextEncoding {
    Ascii,       // only 7-bit bytes: reads the same either way
    Utf8,        // valid UTF-8 with other bytes, or ASCII after a byte-order mark
    Windows1252, // anything else
};

bool isAscii(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

// The encoding of file text that starts after any byte-order mark.
TextEncoding detectEncoding(QByteArrayView text, bool hasByteOrderMark);

QString decodeWindows1252(QByteArrayView bytes);

// Empty when the text holds a character the code page has no byte for.
std::optional<QByteArray> encodeWindows1252(QStringView text);

// Every byte read as Windows-1252, written as UTF-8. Lossless: the five
// bytes the code page leaves undefined stand for the control characters of
// the same number, as on Windows.
QByteArray windows1252ToUtf8(QByteArrayView bytes);

QString decodeText(QByteArrayView bytes, TextEncoding encoding);

} // namespace platform::profile
