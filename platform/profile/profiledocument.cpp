#include "profile/profiledocument.h"

#include "profile/profilesyntax.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

namespace platform::profile {

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView littleEndianMark = "\xFF\xFE";
constexpr QByteArrayView bigEndianMark = "\xFE\xFF";

std::optional<QStringConverter::Encoding> wideEncodingOf(QByteArrayView bytes) {
    if (bytes.startsWith(littleEndianMark))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith(bigEndianMark))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// A leading U+FEFF of the text after the mark is text, not a second mark.
constexpr auto keepEveryCharacter =
    QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless;

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isAsciiText(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

QByteArray encodeText(QStringView text, bool utf8) {
    return utf8 ? text.toUtf8() : encodeWindows1252(text).value_or(QByteArray());
}

bool sameKeyText(QStringView a, QStringView b) {
    return trimBlanks(a).compare(trimBlanks(b), Qt::CaseInsensitive) == 0;
}

} // namespace

void ProfileDocument::appendKeyLine(QByteArray& bytes, const Entry& entry,
                                    QByteArrayView lineBreak) {
    bytes.append(entry.encodedKey).append('=').append(entry.value).append(lineBreak);
}

// A name to look for, with its lower-case ASCII form for the common case
// of plain names, which then need no decoding.
struct ProfileDocument::NameKey {
    explicit NameKey(QStringView name)
        : text(trimBlanks(name))
        , ascii(isAsciiText(text)) {
        if (ascii) {
            lowerAscii = text.toLatin1();
            for (char& c : lowerAscii)
                c = asciiLower(c);
        }
    }
    QStringView text;
    bool ascii;
    QByteArray lowerAscii;
};

ProfileDocument::ProfileDocument(QByteArray fileBytes)
    : m_bytes(std::move(fileBytes))
    , m_wide(wideEncodingOf(m_bytes)) {
    if (m_wide) {
        const QByteArray file = std::move(m_bytes);
        QStringDecoder decoder(*m_wide, keepEveryCharacter);
        m_bytes =
            QString(decoder.decode(QByteArrayView(file).sliced(littleEndianMark.size()))).toUtf8();
        // Whatever UTF-8 cannot carry (half of a pair, a last odd byte)
        // would not come back.
        m_intact = bytes() == file;
        return;
    }
    if (QByteArrayView(m_bytes).startsWith(byteOrderMark))
        m_textBegin = byteOrderMark.size();
}

QByteArray ProfileDocument::bytes() const {
    if (!m_wide)
        return m_bytes;
    QStringEncoder encoder(*m_wide, keepEveryCharacter);
    const QByteArrayView mark =
        *m_wide == QStringConverter::Utf16LE ? littleEndianMark : bigEndianMark;
    return mark.toByteArray() + encoder.encode(decodeText(m_bytes, TextEncoding::Utf8));
}

QByteArrayView ProfileDocument::text() const {
    return QByteArrayView(m_bytes).sliced(m_textBegin);
}

TextEncoding ProfileDocument::encoding() const {
    if (!m_encoding)
        m_encoding = m_wide ? TextEncoding::Utf8 : detectEncoding(text(), m_textBegin > 0);
    return *m_encoding;
}

QString ProfileDocument::decode(QByteArrayView raw) const {
    if (isAscii(raw))
        return QString::fromLatin1(raw);
    return decodeText(raw, encoding());
}

bool ProfileDocument::sameName(QByteArrayView raw, const NameKey& name) const {
    if (name.ascii) {
        // Bytes against bytes: a name with other letters decodes to fewer
        // characters than it has bytes in UTF-8, and no letter of the code
        // page folds to an ASCII one, so a name of the same byte length
        // matches only byte for byte (the last byte first: cheap rejects).
        const QByteArrayView lower(name.lowerAscii);
        if (raw.size() == lower.size()) {
            if (!raw.isEmpty() && asciiLower(raw.back()) != lower.back())
                return false;
            for (qsizetype i = 0; i < raw.size(); ++i) {
                if (asciiLower(raw[i]) != lower[i])
                    return false;
            }
            return true;
        }
        // Only a UTF-8 letter that folds to an ASCII one (the long s, the
        // Kelvin sign) can make names of other lengths match.
        if (isAscii(raw))
            return false;
    }
    return name.text.compare(decodeText(raw, encoding()), Qt::CaseInsensitive) == 0;
}

// Whether the "[" at bracket has nothing but blanks before it on its line.
bool ProfileDocument::startsLine(qsizetype bracket) const {
    const char* data = m_bytes.constData();
    qsizetype lineBegin = bracket;
    while (lineBegin > m_textBegin && isBlank(static_cast<unsigned char>(data[lineBegin - 1])))
        --lineBegin;
    return lineBegin == m_textBegin || isLineBreak(data[lineBegin - 1]);
}

std::optional<ProfileDocument::Section> ProfileDocument::sectionAt(qsizetype bracket) const {
    const QByteArrayView all(m_bytes);
    const qsizetype lineEnd = findLineEnd(all, bracket + 1);
    const auto name = sectionNameOf(all.sliced(bracket + 1, lineEnd - bracket - 1));
    if (!name)
        return std::nullopt;
    qsizetype lineBegin = bracket;
    while (lineBegin > m_textBegin && isBlank(static_cast<unsigned char>(all[lineBegin - 1])))
        --lineBegin;
    return Section{lineBegin, name->data() - all.data(), name->size(), skipLineBreak(all, lineEnd),
                   all.size()};
}

std::optional<ProfileDocument::Section> ProfileDocument::nextSection(qsizetype from) const {
    for (qsizetype pos = from; pos < m_bytes.size();) {
        const qsizetype bracket = findSectionBracket(m_bytes, pos, m_textBegin);
        if (bracket == m_bytes.size())
            break;
        pos = bracket + 1;
        if (!startsLine(bracket))
            continue;
        if (auto section = sectionAt(bracket))
            return section;
    }
    return std::nullopt;
}

qsizetype ProfileDocument::sectionEnd(qsizetype from) const {
    const auto next = nextSection(from);
    return next ? next->lineBegin : m_bytes.size();
}

QStringList ProfileDocument::sectionNames(qsizetype budget) const {
    QStringList names;
    names.reserve(std::min<qsizetype>(m_bytes.size() / 64, 8192));
    for (auto section = nextSection(m_textBegin); section;
         section = nextSection(section->bodyBegin)) {
        QString name =
            decode(QByteArrayView(m_bytes).sliced(section->nameBegin, section->nameSize));
        budget -= name.size() + 1;
        if (budget < 0)
            break;
        names.append(std::move(name));
    }
    return names;
}

namespace {

constexpr std::uint64_t everyByte = 0x0101010101010101ULL;
constexpr std::uint64_t highBits = everyByte * 0x80;

// Eight ASCII bytes with their capital letters made small.
std::uint64_t asciiLowerWord(std::uint64_t word) {
    const std::uint64_t fromA = word + everyByte * (0x80 - 'A');
    const std::uint64_t pastZ = word + everyByte * (0x80 - 'Z' - 1);
    return word | ((fromA & ~pastZ & highBits) >> 2);
}

// True when the name after the "[" at bracket is surely not the ASCII name
// wanted (given in lower case): it differs from it at an ASCII byte before
// any other byte. Lets a search skip most section lines without reading
// them to their end; eight bytes at a time, as names of a library tend to
// share their first few letters.
bool surelyOtherName(QByteArrayView all, qsizetype bracket, QByteArrayView wanted) {
    const char* data = all.data();
    qsizetype at = bracket + 1;
    while (at < all.size() && isBlank(static_cast<unsigned char>(data[at])))
        ++at;
    qsizetype i = 0;
    for (; i + 8 <= wanted.size() && at + 8 <= all.size(); i += 8, at += 8) {
        std::uint64_t word;
        std::uint64_t wantedWord;
        std::memcpy(&word, data + at, sizeof word);
        std::memcpy(&wantedWord, wanted.data() + i, sizeof wantedWord);
        if (word & highBits)
            break;
        if (asciiLowerWord(word) != wantedWord)
            return true;
    }
    for (; i < wanted.size(); ++i, ++at) {
        if (at == all.size())
            return true;
        const char c = data[at];
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
        if (asciiLower(c) != wanted[i])
            return true;
    }
    return false;
}

} // namespace

std::optional<ProfileDocument::Section> ProfileDocument::findSection(QStringView name) const {
    const NameKey wanted(name);
    for (qsizetype pos = m_textBegin; pos < m_bytes.size();) {
        const qsizetype bracket = findSectionBracket(m_bytes, pos, m_textBegin);
        if (bracket == m_bytes.size())
            break;
        pos = bracket + 1;
        if (!startsLine(bracket) ||
            (wanted.ascii && surelyOtherName(m_bytes, bracket, wanted.lowerAscii)))
            continue;
        auto section = sectionAt(bracket);
        if (section &&
            sameName(QByteArrayView(m_bytes).sliced(section->nameBegin, section->nameSize),
                     wanted)) {
            section->end = sectionEnd(section->bodyBegin);
            return section;
        }
    }
    return std::nullopt;
}

std::vector<ProfileDocument::KeyLineAt> ProfileDocument::keyLinesOf(const Section& section) const {
    std::vector<KeyLineAt> lines;
    const QByteArrayView all(m_bytes);
    qsizetype pos = section.bodyBegin;
    while (pos < section.end) {
        const qsizetype lineEnd = findLineEnd(all, pos);
        if (const auto keyLine = parseKeyLine(all.sliced(pos, lineEnd - pos)))
            lines.push_back(KeyLineAt{pos, lineEnd, keyLine->key, keyLine->valueOffset});
        pos = skipLineBreak(all, lineEnd);
    }
    return lines;
}

qsizetype ProfileDocument::lastFilledLineEnd(const Section& section) const {
    const QByteArrayView all(m_bytes);
    qsizetype last = findLineEnd(all, section.lineBegin);
    qsizetype pos = section.bodyBegin;
    while (pos < section.end) {
        const qsizetype lineEnd = findLineEnd(all, pos);
        if (!trimBlanks(all.sliced(pos, lineEnd - pos)).isEmpty())
            last = lineEnd;
        pos = skipLineBreak(all, lineEnd);
    }
    return last;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const {
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const NameKey wanted(key);
    const QByteArrayView all(m_bytes);
    qsizetype pos = found->bodyBegin;
    while (pos < found->end) {
        const qsizetype lineEnd = findLineEnd(all, pos);
        const auto keyLine = parseKeyLine(all.sliced(pos, lineEnd - pos));
        if (keyLine && sameName(keyLine->key, wanted))
            return decode(unquoted(keyLine->value));
        pos = skipLineBreak(all, lineEnd);
    }
    return std::nullopt;
}

void ProfileDocument::setValues(QStringView section, const KeyValueList& entries) {
    // Text the code page cannot hold turns the whole file into UTF-8, so
    // that nothing already in it is garbled by mixing encodings.
    const TextEncoding before = encoding();
    bool utf8 = before == TextEncoding::Utf8 || !encodeWindows1252(section);
    for (const KeyValue& entry : entries) {
        utf8 = utf8 || !encodeWindows1252(entry.key) ||
               !encodeWindows1252(valueForWriting(entry.value));
    }
    if (utf8 && before == TextEncoding::Windows1252)
        convertToUtf8();

    // A key named twice is written once, where the first one goes, with
    // the last value: what writing them one after another would leave.
    std::vector<Entry> pending;
    for (const KeyValue& entry : entries) {
        const QByteArray value = encodeText(valueForWriting(entry.value), utf8);
        auto same = std::find_if(pending.begin(), pending.end(),
                                 [&](const Entry& e) { return sameKeyText(e.key, entry.key); });
        if (same != pending.end())
            same->value = value;
        else
            pending.push_back(Entry{entry.key, encodeText(entry.key, utf8), value});
    }

    const QByteArray encodedSection = encodeText(section, utf8);
    bool wroteOnlyAscii = isAscii(encodedSection);
    for (const Entry& entry : pending)
        wroteOnlyAscii = wroteOnlyAscii && isAscii(entry.encodedKey) && isAscii(entry.value);

    if (const auto found = findSection(section))
        m_bytes = withSectionRewritten(*found, pending);
    else
        m_bytes = withSectionAppended(encodedSection, pending);
    m_encoding.reset();
    if (!utf8 && (before == TextEncoding::Windows1252 || !wroteOnlyAscii))
        storeAsUtf8IfReadAsUtf8();
}

QByteArray ProfileDocument::withSectionAppended(const QByteArray& name,
                                                const std::vector<Entry>& entries) const {
    const QByteArrayView lineBreak = lineBreakOf(text());
    // A file that ends in Ctrl+Z marks keeps them at its end, where the
    // editors that put them there stop reading.
    qsizetype end = m_bytes.size();
    while (end > m_textBegin && m_bytes[end - 1] == '\x1A')
        --end;
    QByteArray bytes = m_bytes.first(end);
    if (end > m_textBegin && !isLineBreak(bytes.back()))
        bytes += lineBreak;
    bytes.append('[').append(name).append(']').append(lineBreak);
    for (const Entry& entry : entries)
        appendKeyLine(bytes, entry, lineBreak);
    bytes.append(QByteArrayView(m_bytes).sliced(end));
    return bytes;
}

QByteArray ProfileDocument::withSectionRewritten(const Section& section,
                                                 const std::vector<Entry>& entries) const {
    const std::vector<KeyLineAt> lines = keyLinesOf(section);
    std::map<qsizetype, QByteArray> newValues; // by index into lines
    QByteArray appended;
    const QByteArrayView lineBreak = lineBreakOf(text());
    for (const Entry& entry : entries) {
        const NameKey wanted(entry.key);
        auto line = std::find_if(lines.begin(), lines.end(),
                                 [&](const KeyLineAt& l) { return sameName(l.key, wanted); });
        if (line != lines.end())
            newValues[line - lines.begin()] = entry.value;
        else
            appendKeyLine(appended, entry, lineBreak);
    }

    // New keys go at the end of the section, as the system's profile
    // functions put them: after its last line that is not blank (a key, a
    // comment or any other line), or after its section line when all its
    // lines are blank. Trailing blank lines stay in front of the next
    // section.
    const qsizetype lastLineEnd = lastFilledLineEnd(section);
    const qsizetype insertAt = skipLineBreak(m_bytes, lastLineEnd);

    QByteArray bytes;
    bytes.reserve(m_bytes.size() + appended.size() + 64);
    qsizetype copied = 0;
    for (const auto& [index, value] : newValues) {
        const KeyLineAt& line = lines[index];
        const qsizetype valueBegin = line.lineBegin + line.valueOffset;
        bytes.append(QByteArrayView(m_bytes).sliced(copied, valueBegin - copied));
        bytes.append(value);
        copied = line.lineEnd;
    }
    bytes.append(QByteArrayView(m_bytes).sliced(copied, insertAt - copied));
    if (!appended.isEmpty() && lastLineEnd == m_bytes.size())
        bytes.append(lineBreak);
    bytes.append(appended);
    bytes.append(QByteArrayView(m_bytes).sliced(insertAt));
    return bytes;
}

bool ProfileDocument::removeSection(QStringView section) {
    const auto found = findSection(section);
    if (!found)
        return false;
    const bool wasWindows1252 = encoding() == TextEncoding::Windows1252;
    m_bytes.remove(found->lineBegin, found->end - found->lineBegin);
    m_encoding.reset();
    if (wasWindows1252)
        storeAsUtf8IfReadAsUtf8();
    return true;
}

void ProfileDocument::convertToUtf8() {
    // The byte-order mark stays as it is; only the text after it converts.
    m_bytes = m_bytes.first(m_textBegin) + windows1252ToUtf8(text());
    m_encoding = TextEncoding::Utf8;
}

// Code-page text that has become valid UTF-8 as a whole (by an edit that
// removed the only bytes that were not, or added bytes that happen to form
// UTF-8) would be read as UTF-8 next time and come back changed: store it
// as UTF-8 outright.
void ProfileDocument::storeAsUtf8IfReadAsUtf8() {
    if (encoding() == TextEncoding::Utf8)
        convertToUtf8();
}

} // namespace platform::profile
