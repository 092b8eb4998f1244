#pragma once
// One profile file in memory: its bytes kept exactly as read, with an index
// of where each section lies. Queries decode only the names and values
// they need; edits splice new lines into the bytes, so every line that an
// edit does not touch stays byte for byte as it was (comments, blank lines,
// odd lines, line endings, the byte-order mark).
//
// Names compare without regard to letter case and to the blanks around
// them. With duplicate sections, or duplicate keys in a section, the first
// one is the one that is read, written and deleted. Entries before the
// first section belong to no section.

#include "profile/textencoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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

    const QByteArray& bytes() const { return m_bytes; }

    // Every section name in file order, duplicates and empty names included.
    QStringList sectionNames() const;
    qsizetype sectionCount() const { return static_cast<qsizetype>(m_sections.size()); }

    // The value without blanks and one pair of quotes around it; empty when
    // the section or the key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Writes the entries in order into the section, creating it at the end
    // of the file when missing; existing keys are rewritten in place, new
    // ones appended after the last key of the section. The names and values
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
    QString decodeName(QByteArrayView raw) const;
    bool sameName(QByteArrayView raw, const NameKey& name) const;
    const Section* findSection(QStringView name) const;
    std::vector<KeyLineAt> keyLinesOf(const Section& section) const;
    void reindex();
    void convertToUtf8();
    void settle(bool wroteWindows1252);

    struct Entry {
        QString key;
        QByteArray encodedKey;
        QByteArray value; // encoded, quoted where needed
    };
    static void appendKeyLine(QByteArray& bytes, const Entry& entry, QByteArrayView lineBreak);
    QByteArray withSectionAppended(const QByteArray& name, const std::vector<Entry>& entries) const;
    QByteArray withSectionRewritten(const Section& section,
                                    const std::vector<Entry>& entries) const;

    QByteArray m_bytes;
    qsizetype m_textBegin = 0; // after the byte-order mark
    std::vector<Section> m_sections;
    mutable std::optional<TextEncoding> m_encoding;
};

} // namespace platform::profile
