#include "statement.h"

#include <cmath>

namespace designer {

std::optional<QString> buildStatement(const StatementInput& in) {
    QString stop;
    switch (in.stopMethod) {
    case StopMethod::TargetHeight:
        stop = in.objName + QStringLiteral(".ScaleHeight");
        break;
    case StopMethod::Manual:
        stop = QString::number(in.drawing.Stop);
        break;
    case StopMethod::None:
        return std::nullopt;
    }
    const QString sep = QStringLiteral(", ");
    QString s = QStringLiteral("Ombrelo ") + in.objName;
    const module1::GradientStyle& d = in.drawing;
    for (int v : {d.R, d.G, d.B, d.N, d.Band, d.Start})
        s += sep + QString::number(v);
    s += sep + stop + sep + QString::number(d.ModLine);
    s += sep + (d.AutoRedraw != 0 ? QStringLiteral("True") : QStringLiteral("False"));
    for (vb::Long v : {in.moreXR, in.moreXG, in.moreXB})
        s += sep + QString::number(v);
    return s;
}

QString timeText(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    QString digits = QString::number(seconds, 'f', 2);
    // Pad the integer part to two digits ("0.05" -> "00.05").
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 2)
        digits.prepend(QString(2 - point, QLatin1Char('0')));
    return digits + QStringLiteral(" secs.");
}

} // namespace designer
