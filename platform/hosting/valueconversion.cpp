#include "hosting/valueconversion.h"

#include "core/vb.h"
#include "hosting/fontrecord.h"

#include <QLocale>
#include <QString>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace platform {

namespace {

// A number as the conversion sees it: exact when it is a whole number that
// came as one, otherwise a double.
struct Number {
    std::optional<long long> exact;
    double value = 0;
};

Number exactNumber(long long v) {
    return {v, static_cast<double>(v)};
}

std::optional<Number> numberFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return exactNumber(-1);
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return exactNumber(0);
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = t.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        bool ok = false;
        const qulonglong v = digits.toULongLong(&ok, 16);
        if (!ok || digits.size() > 8)
            return std::nullopt;
        return exactNumber(static_cast<long long>(v));
    }
    bool ok = false;
    const qlonglong whole = t.toLongLong(&ok);
    if (ok)
        return exactNumber(whole);
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return Number{std::nullopt, d};
}

bool isFont(const QVariant& v) {
    return v.metaType() == QMetaType::fromType<FontRecord>();
}

std::optional<Number> numberOf(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::Bool:
        return exactNumber(v.toBool() ? -1 : 0);
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return exactNumber(v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong u = v.toULongLong();
        if (u > static_cast<qulonglong>(std::numeric_limits<long long>::max()))
            return Number{std::nullopt, static_cast<double>(u)};
        return exactNumber(static_cast<long long>(u));
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return Number{std::nullopt, v.toDouble()};
    case QMetaType::QString:
        return numberFromText(v.toString());
    default:
        return std::nullopt;
    }
}

Number requireNumber(const QVariant& v) {
    if (!v.isValid())
        return exactNumber(0); // Empty is 0
    auto n = numberOf(v);
    if (!n)
        vb::raiseError(vb::err::TypeMismatch);
    return *n;
}

// A whole number within [lo, hi]: a fraction rounds half to even.
long long wholeIn(const Number& n, long long lo, long long hi) {
    long long v;
    if (n.exact) {
        v = *n.exact;
    } else {
        const auto r = vb::checked::roundHalfEven(n.value);
        if (!r || *r < -9.2e18 || *r > 9.2e18)
            vb::raiseError(vb::err::Overflow);
        v = static_cast<long long>(*r);
    }
    if (v < lo || v > hi)
        vb::raiseError(vb::err::Overflow);
    return v;
}

QString shortestText(double d) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, d).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

QString textOf(const QVariant& v) {
    if (!v.isValid())
        return {};
    if (isFont(v))
        return v.value<FontRecord>().name; // a font's default member is its name
    switch (v.metaType().id()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
        return shortestText(v.toFloat());
    case QMetaType::Double:
        return shortestText(v.toDouble());
    default:
        if (const auto n = numberOf(v); n && n->exact)
            return QString::number(*n->exact);
        vb::raiseError(vb::err::TypeMismatch);
    }
}

bool booleanOf(const QVariant& v) {
    if (v.metaType().id() == QMetaType::Bool)
        return v.toBool();
    const Number n = requireNumber(v);
    return n.exact ? *n.exact != 0 : n.value != 0.0;
}

bool holdsColourBits(const QVariant& v) {
    if (v.metaType().id() == QMetaType::UInt)
        return true;
    return v.metaType().id() == QMetaType::QString &&
           v.toString().trimmed().startsWith(QLatin1String("&H"), Qt::CaseInsensitive);
}

FontRecord fontOf(const QVariant& v, const QVariant& fallback) {
    if (isFont(v))
        return v.value<FontRecord>();
    if (v.metaType().id() != QMetaType::QString)
        vb::raiseError(vb::err::TypeMismatch);
    FontRecord font = isFont(fallback) ? fallback.value<FontRecord>() : FontRecord{};
    font.name = v.toString();
    return font;
}

} // namespace

QVariant convertValue(const QVariant& value, QMetaType target, const QVariant& fontFallback) {
    if (target == QMetaType::fromType<QVariant>() || !target.isValid())
        return value;
    if (target == QMetaType::fromType<FontRecord>()) {
        if (value.metaType() == QMetaType::fromType<QFont>())
            return QVariant::fromValue(FontRecord::fromQFont(value.value<QFont>()));
        return QVariant::fromValue(fontOf(value, fontFallback));
    }
    if (target == QMetaType::fromType<QFont>() && isFont(value))
        return QVariant::fromValue(value.value<FontRecord>().toQFont());
    if (isFont(value) && target.id() != QMetaType::QString)
        vb::raiseError(vb::err::TypeMismatch);
    switch (target.id()) {
    case QMetaType::QString:
        return textOf(value);
    case QMetaType::Bool:
        return booleanOf(value);
    case QMetaType::Short:
        return QVariant::fromValue(
            static_cast<qint16>(wholeIn(requireNumber(value), -32768, 32767)));
    case QMetaType::Int:
        // A colour is the Long of the same bits (&H8000000F& is negative).
        if (holdsColourBits(value))
            return static_cast<qint32>(
                static_cast<quint32>(wholeIn(requireNumber(value), -2147483648LL, 4294967295LL)));
        return static_cast<qint32>(wholeIn(requireNumber(value), -2147483648LL, 2147483647LL));
    case QMetaType::UInt:
        return static_cast<quint32>(wholeIn(requireNumber(value), -2147483648LL, 4294967295LL));
    case QMetaType::LongLong:
        return static_cast<qlonglong>(wholeIn(requireNumber(value),
                                              std::numeric_limits<long long>::min(),
                                              std::numeric_limits<long long>::max()));
    case QMetaType::Double:
        return requireNumber(value).value;
    case QMetaType::Float:
        return vb::orRaise(vb::checked::toSingle(requireNumber(value).value));
    default: {
        QVariant copy = value;
        if (copy.metaType() == target || copy.convert(target))
            return copy;
        vb::raiseError(vb::err::TypeMismatch);
    }
    }
}

bool sameValue(const QVariant& value, const QVariant& reference) {
    try {
        const QVariant converted = convertValue(value, reference.metaType(), reference);
        if (isFont(reference))
            return converted.value<FontRecord>() == reference.value<FontRecord>();
        return converted == reference;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

} // namespace platform
