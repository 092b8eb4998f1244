#pragma once
// The property bag: a host's key-to-value store of one control's persistent
// properties.
//
//   * A read names a default, which an absent key yields. The stored value
//     is converted to the default's type (valueconversion.h); a value that
//     cannot be converted raises vb::RuntimeError (13 "Type mismatch", or
//     6 "Overflow" for a number out of range) and so does an entry whose
//     stored text was damaged.
//   * A write names a default; a value equal to it is not stored, and an
//     earlier entry of that key is removed (so that saving into a bag that
//     already holds an old set never leaves a stale value behind).
//   * Entries keep the order of their first write; a later write of the same
//     key replaces the value in place.
//   * Every read and write is logged in call order (including writes that
//     stored nothing), so tests can check the order a control uses.
//
// Value types: QString; bool (Boolean); qint16 (Integer); qint32 (Long);
// double; quint32 is a colour (OLE_COLOR, 0x00BBGGRR or a system colour
// with the high bit set); FontRecord is a font.
//
// The text form (toText/fromText) is what a host keeps in its own files: one
// entry per line, `Key = value`, in entry order:
//
//     Caption = "Say \"hi\"\n"
//     Color1 = &H000000FF&
//     Enabled = False
//     Align = 0%
//     Size = 12
//     Ratio = 0.75#
//     Font = Font{Name="Arial"; Size=9.75; Weight=400; Charset=0; Bold=False; Italic=False;
//     Underline=False; Strikethrough=False}
//
// Strings are double-quoted with \\ \" \n \r \t and \uXXXX escapes (control
// characters and unpaired surrogates), so any QString survives. A key that
// is not a plain identifier is written as a quoted string. Integers carry
// VB's type suffixes: `%` for Integer, none for Long; `#` marks a Double.

#include "core/vb.h"
#include "hosting/fontrecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace platform {

class PropertyBag {
public:
    struct Access {
        enum Kind { Read, Write } kind;
        QString key;
        bool operator==(const Access&) const = default;
    };

    // ---- what a control calls

    QVariant read(const QString& key, const QVariant& defaultValue);
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);

    QString readString(const QString& key, const QString& defaultValue);
    bool readBoolean(const QString& key, bool defaultValue);
    vb::Integer readInteger(const QString& key, vb::Integer defaultValue);
    vb::Long readLong(const QString& key, vb::Long defaultValue);
    double readDouble(const QString& key, double defaultValue);
    vb::OleColor readColor(const QString& key, vb::OleColor defaultValue);
    FontRecord readFont(const QString& key, const FontRecord& defaultValue);

    void writeString(const QString& key, const QString& value, const QString& defaultValue);
    void writeBoolean(const QString& key, bool value, bool defaultValue);
    void writeInteger(const QString& key, vb::Integer value, vb::Integer defaultValue);
    void writeLong(const QString& key, vb::Long value, vb::Long defaultValue);
    void writeDouble(const QString& key, double value, double defaultValue);
    void writeColor(const QString& key, vb::OleColor value, vb::OleColor defaultValue);
    void writeFont(const QString& key, const FontRecord& value, const FontRecord& defaultValue);

    // ---- what a host or a test looks at

    bool isEmpty() const { return entries_.isEmpty(); }
    qsizetype size() const { return entries_.size(); }
    bool contains(const QString& key) const { return indexOf(key) >= 0; }
    // Keys in entry order.
    QStringList keys() const;
    // The stored value as it is (no conversion); invalid when the key is
    // absent or its stored text was damaged.
    QVariant stored(const QString& key) const;
    // Sets or removes an entry directly, without logging (for hosts that
    // build a bag, and for tests).
    void set(const QString& key, const QVariant& value);
    void remove(const QString& key);
    void clear() { entries_.clear(); }

    const QList<Access>& log() const { return log_; }
    QStringList readKeys() const;    // keys read, in call order
    QStringList writtenKeys() const; // keys written, in call order
    void clearLog() { log_.clear(); }

    // ---- text form

    QString toText() const;
    // Never fails: a line whose value cannot be understood keeps its text
    // (it is written back unchanged, and a read of it raises error 13); a
    // line that is not `key = value` at all is skipped and reported in
    // problems ("line N: ..."). A repeated key keeps its first place and its
    // last value.
    static PropertyBag fromText(const QString& text, QStringList* problems = nullptr);

private:
    struct Entry {
        QString key;
        QVariant value;  // invalid when damaged
        QString damaged; // the stored text that could not be understood
    };
    qsizetype indexOf(const QString& key) const;
    void store(const QString& key, const QVariant& value, const QString& damaged = {});

    QList<Entry> entries_;
    QList<Access> log_;
};

} // namespace platform
