#include "hosting/propertybag.h"

#include "hosting/bagtext.h"
#include "hosting/valueconversion.h"

namespace platform {

namespace {

template <typename T> QVariant variantOf(const T& value) {
    return QVariant::fromValue(value);
}

} // namespace

qsizetype PropertyBag::indexOf(const QString& key) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key == key)
            return i;
    }
    return -1;
}

void PropertyBag::store(const QString& key, const QVariant& value, const QString& damaged) {
    const qsizetype i = indexOf(key);
    if (i >= 0)
        entries_[i] = {key, value, damaged};
    else
        entries_.append({key, value, damaged});
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) {
    log_.append({Access::Read, key});
    const qsizetype i = indexOf(key);
    if (i < 0)
        return defaultValue;
    const Entry& entry = entries_[i];
    if (!entry.value.isValid())
        vb::raiseError(vb::err::TypeMismatch);
    if (!defaultValue.isValid())
        return entry.value;
    return convertValue(entry.value, defaultValue.metaType(), defaultValue);
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue) {
    log_.append({Access::Write, key});
    if (!bagtext::isStorable(value))
        vb::raiseError(vb::err::TypeMismatch);
    if (defaultValue.isValid() && sameValue(value, defaultValue))
        remove(key);
    else
        store(key, value);
}

QString PropertyBag::readString(const QString& key, const QString& defaultValue) {
    return read(key, variantOf(defaultValue)).toString();
}
bool PropertyBag::readBoolean(const QString& key, bool defaultValue) {
    return read(key, variantOf(defaultValue)).toBool();
}
vb::Integer PropertyBag::readInteger(const QString& key, vb::Integer defaultValue) {
    return read(key, variantOf(defaultValue)).value<vb::Integer>();
}
vb::Long PropertyBag::readLong(const QString& key, vb::Long defaultValue) {
    return read(key, variantOf(defaultValue)).value<vb::Long>();
}
double PropertyBag::readDouble(const QString& key, double defaultValue) {
    return read(key, variantOf(defaultValue)).toDouble();
}
vb::OleColor PropertyBag::readColor(const QString& key, vb::OleColor defaultValue) {
    return read(key, variantOf(defaultValue)).value<vb::OleColor>();
}
FontRecord PropertyBag::readFont(const QString& key, const FontRecord& defaultValue) {
    return read(key, variantOf(defaultValue)).value<FontRecord>();
}

void PropertyBag::writeString(const QString& key, const QString& value,
                              const QString& defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeBoolean(const QString& key, bool value, bool defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeInteger(const QString& key, vb::Integer value, vb::Integer defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeLong(const QString& key, vb::Long value, vb::Long defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeDouble(const QString& key, double value, double defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeColor(const QString& key, vb::OleColor value, vb::OleColor defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}
void PropertyBag::writeFont(const QString& key, const FontRecord& value,
                            const FontRecord& defaultValue) {
    write(key, variantOf(value), variantOf(defaultValue));
}

QStringList PropertyBag::keys() const {
    QStringList result;
    for (const Entry& entry : entries_)
        result.append(entry.key);
    return result;
}

QVariant PropertyBag::stored(const QString& key) const {
    const qsizetype i = indexOf(key);
    return i < 0 ? QVariant() : entries_[i].value;
}

void PropertyBag::set(const QString& key, const QVariant& value) {
    if (!bagtext::isStorable(value))
        vb::raiseError(vb::err::TypeMismatch);
    store(key, value);
}

void PropertyBag::remove(const QString& key) {
    const qsizetype i = indexOf(key);
    if (i >= 0)
        entries_.removeAt(i);
}

QStringList PropertyBag::readKeys() const {
    QStringList result;
    for (const Access& access : log_) {
        if (access.kind == Access::Read)
            result.append(access.key);
    }
    return result;
}

QStringList PropertyBag::writtenKeys() const {
    QStringList result;
    for (const Access& access : log_) {
        if (access.kind == Access::Write)
            result.append(access.key);
    }
    return result;
}

QString PropertyBag::toText() const {
    QString text;
    for (const Entry& entry : entries_) {
        text += bagtext::formatKey(entry.key);
        text += QLatin1String(" = ");
        text += entry.value.isValid() ? bagtext::formatValue(entry.value) : entry.damaged;
        text += QLatin1Char('\n');
    }
    return text;
}

namespace {

// Splits `key = value`; false when the line has no such shape.
bool splitLine(QStringView line, QString& key, QStringView& value) {
    const QStringView t = line.trimmed();
    qsizetype afterKey = 0;
    if (t.startsWith(QLatin1Char('"'))) {
        const auto quoted = bagtext::readQuoted(t, 0, &afterKey);
        if (!quoted)
            return false;
        key = *quoted;
    } else {
        afterKey = t.indexOf(QLatin1Char('='));
        if (afterKey <= 0)
            return false;
        key = t.left(afterKey).trimmed().toString();
        if (bagtext::formatKey(key) != key)
            return false;
    }
    const QStringView rest = t.mid(afterKey).trimmed();
    if (!rest.startsWith(QLatin1Char('=')))
        return false;
    value = rest.mid(1).trimmed();
    return true;
}

} // namespace

PropertyBag PropertyBag::fromText(const QString& text, QStringList* problems) {
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringView line = QStringView(lines[n]).trimmed();
        if (line.isEmpty())
            continue;
        QString key;
        QStringView value;
        const auto note = [&](const QString& what) {
            if (problems)
                problems->append(QStringLiteral("line %1: %2").arg(n + 1).arg(what));
        };
        if (!splitLine(line, key, value)) {
            note(QStringLiteral("not a \"key = value\" line"));
            continue;
        }
        if (bag.contains(key))
            note(QStringLiteral("\"%1\" again; the later value counts").arg(key));
        if (const auto parsed = bagtext::parseValue(value)) {
            bag.store(key, *parsed);
        } else {
            note(QStringLiteral("the value of \"%1\" cannot be read").arg(key));
            bag.store(key, QVariant(), value.toString());
        }
    }
    return bag;
}

} // namespace platform
