#pragma once
// One profile file in memory: its bytes kept exactly as read. Sections are
// found by a scan of the bytes (no index is kept: a query on a large file
// then costs little more than reading it), and queries decode only the
// names and values they need; edits splice new lines into the bytes, so every line that an
// edit does not touch stays byte for byte as it was (comments, blank lines,
// odd lines, line endings, the byte-order mark).
//
// Names compare without regard to letter case and to the blanks around
// them. With duplicate sections, or duplicate keys in a section, the first
// one is the one that is read, written and deleted. Entries before the
// first section belong to no section.
//
// A file in UTF-16 (a byte-order mark FF FE or FE FF, as Windows editors
// save "Unicode" text) is held as UTF-8, which has the same lines, and
// turned back into UTF-16 of the same byte order when it is written.

#include "profile/textencoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringConverter>
#include <QStringList>

#include <limits>
#include <optional>
#include <vector>

namespace platform::profile {

struct KeyValue {
    QString key;
    QString value;
};
using KeyValueList = QList<KeyValue>;

class ProfileDocument {
public:
    explicit ProfileDocument(QByteArray fileBytes = {});

    // The file as it is now, byte for byte as read where nothing changed.
    QByteArray bytes() const;
    // False for a UTF-16 file that is not well-formed UTF-16 (half of a
    // surrogate pair, an odd number of bytes): no edit of it could be
    // written without changing lines the edit does not touch.
    bool canRewrite() const { return m_intact; }

    // The section names in file order, duplicates and empty names included,
    // as long as each name with one character after it fits in the budget
    // of characters (the listing of a caller's fixed buffer).
    QStringList sectionNames(qsizetype budget = std::numeric_limits<qsizetype>::max()) const;

    // The value without blanks and one pair of quotes around it; empty when
    // the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Writes the entries in order into the section, creating it at the end
    // of the file when missing; existing keys are rewritten in place, new
    // ones appended after the last line of the section that is not blank. The names and values
    // must fit on one line and key names must be usable as keys (see
    // profile.h, which checks them).
    void setValues(QStringView section, const KeyValueList& entries);

    // Removes the section line and every line up to the next section.
    // False when there is no such section.
    bool removeSection(QStringView section);

private:
    struct Section {
        qsizetype lineBegin; // start of the section line
        qsizetype nameBegin;
        qsizetype nameSize;
        qsizetype bodyBegin; // start of the line after the section line
        qsizetype end;       // start of the next section line, or the end
                             // (known only for a section found by name)
    };
    struct KeyLineAt {
        qsizetype lineBegin;
        qsizetype lineEnd;
        QByteArrayView key;
        qsizetype valueOffset;
    };
    struct NameKey;

    QByteArrayView text() const;
    TextEncoding encoding() const;
    QString decode(QByteArrayView raw) const;
    bool sameName(QByteArrayView raw, const NameKey& name) const;
    bool startsLine(qsizetype bracket) const;
    std::optional<Section> sectionAt(qsizetype bracket) const;
    qsizetype sectionEnd(qsizetype from) const;
    std::optional<Section> nextSection(qsizetype from) const;
    std::optional<Section> findSection(QStringView name) const;
    std::vector<KeyLineAt> keyLinesOf(const Section& section) const;
    // Where the last line of the section that is not blank ends (its
    // section line when every line of it is blank).
    qsizetype lastFilledLineEnd(const Section& section) const;
    void convertToUtf8();
    void storeAsUtf8IfReadAsUtf8();

    struct Entry {
        QString key;
        QByteArray encodedKey;
        QByteArray value; // encoded, quoted where needed
    };
    static void appendKeyLine(QByteArray& bytes, const Entry& entry, QByteArrayView lineBreak);
    QByteArray withSectionAppended(const QByteArray& name, const std::vector<Entry>& entries) const;
    QByteArray withSectionRewritten(const Section& section,
                                    const std::vector<Entry>& entries) const;

    QByteArray m_bytes;        // UTF-8 in place of a file's UTF-16
    qsizetype m_textBegin = 0; // after the byte-order mark
    mutable std::optional<TextEncoding> m_encoding;
    std::optional<QStringConverter::Encoding> m_wide; // the file's UTF-16
    bool m_intact = true;
};

} // namespace platform::profile
