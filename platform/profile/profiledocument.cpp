#include "profile/profiledocument.h"

#include "profile/profilesyntax.h"

#include <cstring>
#include <map>

namespace platform::profile {

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";

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
    : m_bytes(std::move(fileBytes)) {
    if (QByteArrayView(m_bytes).startsWith(byteOrderMark))
        m_textBegin = byteOrderMark.size();
    reindex();
}

QByteArrayView ProfileDocument::text() const {
    return QByteArrayView(m_bytes).sliced(m_textBegin);
}

TextEncoding ProfileDocument::encoding() const {
    if (!m_encoding)
        m_encoding = detectEncoding(text(), m_textBegin > 0);
    return *m_encoding;
}

QString ProfileDocument::decodeName(QByteArrayView raw) const {
    if (isAscii(raw))
        return QString::fromLatin1(raw);
    return decodeText(raw, encoding());
}

bool ProfileDocument::sameName(QByteArrayView raw, const NameKey& name) const {
    if (name.ascii && isAscii(raw)) {
        if (raw.size() != name.lowerAscii.size())
            return false;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (asciiLower(raw[i]) != name.lowerAscii[i])
                return false;
        }
        return true;
    }
    return name.text.compare(decodeText(raw, encoding()), Qt::CaseInsensitive) == 0;
}

// Finds every section line with one pass of memchr over the "[" bytes:
// only a "[" with nothing but blanks before it on its line opens a section.
void ProfileDocument::reindex() {
    m_sections.clear();
    m_encoding.reset();
    const QByteArrayView all(m_bytes);
    const char* data = all.data();
    const qsizetype size = all.size();
    qsizetype pos = m_textBegin;
    while (pos < size) {
        const void* hit = std::memchr(data + pos, '[', size - pos);
        if (!hit)
            break;
        const qsizetype bracket = static_cast<const char*>(hit) - data;
        qsizetype lineBegin = bracket;
        while (lineBegin > m_textBegin && isBlank(static_cast<unsigned char>(data[lineBegin - 1])))
            --lineBegin;
        const qsizetype lineEnd = findLineEnd(all, bracket + 1);
        if (lineBegin == m_textBegin || isLineBreak(data[lineBegin - 1])) {
            if (!m_sections.empty())
                m_sections.back().end = lineBegin;
            const QByteArrayView name =
                sectionNameOf(all.sliced(bracket + 1, lineEnd - bracket - 1));
            m_sections.push_back(Section{lineBegin, name.data() - data, name.size(),
                                         skipLineBreak(all, lineEnd), size});
        }
        pos = lineEnd;
    }
}

QStringList ProfileDocument::sectionNames() const {
    QStringList names;
    names.reserve(sectionCount());
    for (const Section& section : m_sections)
        names.append(
            decodeName(QByteArrayView(m_bytes).sliced(section.nameBegin, section.nameSize)));
    return names;
}

const ProfileDocument::Section* ProfileDocument::findSection(QStringView name) const {
    const NameKey wanted(name);
    for (const Section& section : m_sections) {
        if (sameName(QByteArrayView(m_bytes).sliced(section.nameBegin, section.nameSize), wanted))
            return &section;
    }
    return nullptr;
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

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const {
    const Section* found = findSection(section);
    if (!found)
        return std::nullopt;
    const NameKey wanted(key);
    const QByteArrayView all(m_bytes);
    qsizetype pos = found->bodyBegin;
    while (pos < found->end) {
        const qsizetype lineEnd = findLineEnd(all, pos);
        const auto keyLine = parseKeyLine(all.sliced(pos, lineEnd - pos));
        if (keyLine && sameName(keyLine->key, wanted))
            return decodeText(unquoted(keyLine->value), encoding());
        pos = skipLineBreak(all, lineEnd);
    }
    return std::nullopt;
}

void ProfileDocument::setValues(QStringView section, const KeyValueList& entries) {
    // Text the code page cannot hold turns the whole file into UTF-8, so
    // that nothing already in it is garbled by mixing encodings.
    bool utf8 = encoding() == TextEncoding::Utf8 || !encodeWindows1252(section);
    for (const KeyValue& entry : entries) {
        utf8 = utf8 || !encodeWindows1252(entry.key) ||
               !encodeWindows1252(valueForWriting(entry.value));
    }
    if (utf8 && encoding() == TextEncoding::Windows1252)
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

    if (const Section* found = findSection(section))
        m_bytes = withSectionRewritten(*found, pending);
    else
        m_bytes = withSectionAppended(encodeText(section, utf8), pending);
    settle(!utf8);
}

QByteArray ProfileDocument::withSectionAppended(const QByteArray& name,
                                                const std::vector<Entry>& entries) const {
    const QByteArrayView lineBreak = lineBreakOf(text());
    QByteArray bytes = m_bytes;
    if (!text().isEmpty() && !isLineBreak(text().back()))
        bytes += lineBreak;
    bytes.append('[').append(name).append(']').append(lineBreak);
    for (const Entry& entry : entries)
        appendKeyLine(bytes, entry, lineBreak);
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

    // New keys go after the last key of the section, or after its section
    // line when it has none: trailing blank lines and comments stay where
    // they are, in front of the next section.
    const qsizetype lastLineEnd =
        lines.empty() ? findLineEnd(m_bytes, section.lineBegin) : lines.back().lineEnd;
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
    const Section* found = findSection(section);
    if (!found)
        return false;
    const bool wasWindows1252 = encoding() == TextEncoding::Windows1252;
    m_bytes.remove(found->lineBegin, found->end - found->lineBegin);
    settle(wasWindows1252);
    return true;
}

void ProfileDocument::convertToUtf8() {
    m_bytes = windows1252ToUtf8(m_bytes);
    reindex();
    m_encoding = TextEncoding::Utf8;
}

// Code-page text that has become valid UTF-8 as a whole (by an edit that
// removed the only bytes that were not, or added bytes that happen to form
// UTF-8) would be read as UTF-8 next time and come back changed: store it
// as UTF-8 outright.
void ProfileDocument::settle(bool wroteWindows1252) {
    if (wroteWindows1252 && m_textBegin == 0 && !isAscii(m_bytes) && isValidUtf8(m_bytes))
        m_bytes = windows1252ToUtf8(m_bytes);
    reindex();
}

} // namespace platform::profile
