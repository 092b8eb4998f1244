#include "textforms.h"

#include <QLocale>
#include <QRegularExpression>

namespace designer {

QString formatInteger(long long value) {
    return QString::number(value);
}

QString formatYesNo(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

namespace {

std::optional<double> parseNumber(const QString& text) {
    // Only plain decimal notation: no "inf", "nan", hex or thousands separators.
    static const QRegularExpression decimal(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<vb::Long> parseInteger(const QString& text) {
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    return vb::checked::toLong(*number);
}

std::optional<bool> parseYesNo(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

} // namespace designer
