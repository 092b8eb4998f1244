#include "hosting/bagtext.h"

#include "hosting/fontrecord.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace platform::bagtext {

namespace {

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool needsEscape(char16_t c) {
    return c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0) || c == 0x2028 || c == 0x2029;
}

QString unicodeEscape(char16_t c) {
    return QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
}

template <typename Float> QString shortest(Float value) {
    if (std::isnan(value))
        return QStringLiteral("#NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-#INF") : QStringLiteral("#INF");
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QString formatFont(const FontRecord& f) {
    return QStringLiteral("Font{Name=%1; Size=%2; Weight=%3; Charset=%4; Bold=%5; Italic=%6; "
                          "Underline=%7; Strikethrough=%8}")
        .arg(quote(f.name), shortest(f.size), QString::number(f.weight), QString::number(f.charset),
             boolText(f.bold), boolText(f.italic), boolText(f.underline),
             boolText(f.strikethrough));
}

std::optional<bool> parseBool(QStringView t) {
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<double> parseFloating(QStringView t) {
    if (t == QLatin1String("#NAN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (t == QLatin1String("#INF"))
        return std::numeric_limits<double>::infinity();
    if (t == QLatin1String("-#INF"))
        return -std::numeric_limits<double>::infinity();
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    // A literal too large for a double is damage, not infinity.
    if (!ok || std::isinf(d))
        return std::nullopt;
    return d;
}

std::optional<QVariant> parseInteger(QStringView t) {
    static const QRegularExpression integer(QStringLiteral("^[+-]?\\d+$"));
    QStringView digits = t;
    QChar suffix;
    if (!t.isEmpty() && (t.back() == QLatin1Char('%') || t.back() == QLatin1Char('^'))) {
        suffix = t.back();
        digits.chop(1);
    }
    if (!integer.match(digits).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong v = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    if (suffix == QLatin1Char('%')) {
        if (v < -32768 || v > 32767)
            return std::nullopt;
        return QVariant::fromValue(static_cast<qint16>(v));
    }
    if (suffix == QLatin1Char('^') || v < std::numeric_limits<qint32>::min() ||
        v > std::numeric_limits<qint32>::max())
        return QVariant::fromValue(static_cast<qlonglong>(v));
    return QVariant::fromValue(static_cast<qint32>(v));
}

std::optional<QVariant> parseNumber(QStringView t) {
    if (auto i = parseInteger(t))
        return i;
    if (!t.isEmpty() && t.back() == QLatin1Char('!')) {
        const auto d = parseFloating(t.chopped(1));
        if (!d || (std::isfinite(*d) && std::fabs(*d) > std::numeric_limits<float>::max()))
            return std::nullopt;
        return QVariant::fromValue(static_cast<float>(*d));
    }
    if (!t.isEmpty() && t.back() == QLatin1Char('#'))
        t.chop(1);
    if (const auto d = parseFloating(t))
        return QVariant::fromValue(*d);
    return std::nullopt;
}

std::optional<QVariant> parseColour(QStringView t) {
    if (!t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return std::nullopt;
    QStringView digits = t.mid(2);
    if (digits.endsWith(QLatin1Char('&')))
        digits.chop(1);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    if (!hex.match(digits).hasMatch())
        return std::nullopt;
    return QVariant::fromValue(static_cast<quint32>(digits.toULong(nullptr, 16)));
}

bool applyFontField(FontRecord& f, QStringView name, QStringView value, bool quoted,
                    const QString& text) {
    if (name == QLatin1String("Name")) {
        f.name = text;
        return quoted;
    }
    if (quoted)
        return false;
    bool ok = false;
    if (name == QLatin1String("Size")) {
        const auto d = parseFloating(value);
        f.size = d.value_or(0);
        return d.has_value();
    }
    if (name == QLatin1String("Weight")) {
        f.weight = value.toInt(&ok);
        return ok && f.weight >= 0 && f.weight <= 1000;
    }
    if (name == QLatin1String("Charset")) {
        f.charset = value.toInt(&ok);
        return ok && f.charset >= 0 && f.charset <= 255;
    }
    bool* flag = name == QLatin1String("Bold")            ? &f.bold
                 : name == QLatin1String("Italic")        ? &f.italic
                 : name == QLatin1String("Underline")     ? &f.underline
                 : name == QLatin1String("Strikethrough") ? &f.strikethrough
                                                          : nullptr;
    const auto b = parseBool(value);
    if (!flag || !b)
        return false;
    *flag = *b;
    return true;
}

// Font{Field=value; ...}: every field once at most, Name required.
std::optional<QVariant> parseFont(QStringView t) {
    if (!t.startsWith(QLatin1String("Font{")) || !t.endsWith(QLatin1Char('}')))
        return std::nullopt;
    FontRecord font;
    QStringList seen;
    qsizetype pos = 5;
    const qsizetype last = t.size() - 1;
    while (pos < last) {
        while (pos < last && t[pos].isSpace())
            ++pos;
        const qsizetype eq = t.indexOf(QLatin1Char('='), pos);
        if (eq < 0 || eq >= last)
            return std::nullopt;
        const QStringView name = t.mid(pos, eq - pos).trimmed();
        qsizetype valueEnd;
        QString text;
        const bool quoted = eq + 1 < last && t[eq + 1] == QLatin1Char('"');
        if (quoted) {
            const auto s = readQuoted(t, eq + 1, &valueEnd);
            if (!s)
                return std::nullopt;
            text = *s;
        } else {
            valueEnd = t.indexOf(QLatin1Char(';'), eq + 1);
            if (valueEnd < 0 || valueEnd > last)
                valueEnd = last;
        }
        const QStringView value = t.mid(eq + 1, valueEnd - eq - 1).trimmed();
        if (seen.contains(name.toString()) || !applyFontField(font, name, value, quoted, text))
            return std::nullopt;
        seen.append(name.toString());
        pos = valueEnd;
        while (pos < last && t[pos].isSpace())
            ++pos;
        if (pos < last && t[pos] != QLatin1Char(';'))
            return std::nullopt;
        ++pos;
    }
    if (!seen.contains(QLatin1String("Name")))
        return std::nullopt;
    return QVariant::fromValue(font);
}

} // namespace

bool isStorable(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return value.metaType() == QMetaType::fromType<FontRecord>();
    }
}

QString quote(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'"' || c == u'\\') {
            out += QLatin1Char('\\');
            out += QChar(c);
        } else if (c == u'\n') {
            out += QLatin1String("\\n");
        } else if (c == u'\r') {
            out += QLatin1String("\\r");
        } else if (c == u'\t') {
            out += QLatin1String("\\t");
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            out += QChar(c);
            out += text[++i];
        } else if (needsEscape(c) || QChar::isSurrogate(c)) {
            // An unpaired surrogate would not survive UTF-8 files.
            out += unicodeEscape(c);
        } else {
            out += QChar(c);
        }
    }
    out += QLatin1Char('"');
    return out;
}

std::optional<QString> readQuoted(QStringView text, qsizetype pos, qsizetype* end) {
    if (pos >= text.size() || text[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            *end = i + 1;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'"':
        case u'\\':
            out += text[i];
            break;
        case u'n':
            out += QLatin1Char('\n');
            break;
        case u'r':
            out += QLatin1Char('\r');
            break;
        case u't':
            out += QLatin1Char('\t');
            break;
        case u'u': {
            if (i + 4 >= text.size())
                return std::nullopt;
            uint code = 0;
            for (qsizetype k = i + 1; k <= i + 4; ++k) {
                const int digit = hexDigit(text[k].unicode());
                if (digit < 0)
                    return std::nullopt;
                code = code * 16 + static_cast<uint>(digit);
            }
            out += QChar(static_cast<char16_t>(code));
            i += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

QString formatValue(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return quote(value.toString());
    case QMetaType::Bool:
        return boolText(value.toBool());
    case QMetaType::Short:
        return QString::number(value.value<qint16>()) + QLatin1Char('%');
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::LongLong:
        return QString::number(value.toLongLong()) + QLatin1Char('^');
    case QMetaType::UInt:
        return QStringLiteral("&H%1&").arg(value.toUInt(), 8, 16, QLatin1Char('0')).toUpper();
    case QMetaType::Float:
        return shortest(value.toFloat()) + QLatin1Char('!');
    case QMetaType::Double:
        return shortest(value.toDouble()) + QLatin1Char('#');
    default:
        return formatFont(value.value<FontRecord>());
    }
}

std::optional<QVariant> parseValue(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (t.front() == QLatin1Char('"')) {
        qsizetype end = 0;
        auto s = readQuoted(t, 0, &end);
        if (!s || end != t.size())
            return std::nullopt;
        return QVariant(*s);
    }
    if (const auto b = parseBool(t))
        return QVariant(*b);
    if (auto c = parseColour(t))
        return c;
    if (t.startsWith(QLatin1String("Font{")))
        return parseFont(t);
    return parseNumber(t);
}

QString formatKey(const QString& key) {
    static const QRegularExpression bare(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$"));
    return bare.match(key).hasMatch() ? key : quote(key);
}

} // namespace platform::bagtext
