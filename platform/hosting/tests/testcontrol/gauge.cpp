#include "gauge.h"

#include "hosting/fontrecord.h"
#include "hosting/propertybag.h"
#include "services/messagebox.h"

namespace {
const platform::FontRecord kDefaultFont =
    platform::FontRecord::named(QStringLiteral("Arial"), 9.75);
const QString kDefaultCaption = QStringLiteral("Gauge");
constexpr vb::OleColor kDefaultColor = 0x8000000F;
} // namespace

Gauge::Gauge(QWidget* parent)
    : QWidget(parent) {
    setFont(kDefaultFont.toQFont());
    resize(120, 20);
}

void Gauge::setCaption(const QVariant& caption) {
    const QString text = caption.toString();
    if (text.size() < 2) {
        msgBox(QStringLiteral("Caption must contain 2 or more characters."),
               platform::msgbox::Critical, QStringLiteral("Error"));
        return;
    }
    caption_ = text;
    propertyChanged(QStringLiteral("Caption"));
}

void Gauge::setValue(qint16 value) {
    value_ = value;
    propertyChanged(QStringLiteral("Value"));
}

void Gauge::setGaugeFont(const QFont& font) {
    setFont(font);
    propertyChanged(QStringLiteral("Font"));
}

qint16 Gauge::Divide(qint16 dividend, qint16 divisor) const {
    return vb::intDiv(dividend, divisor);
}

void Gauge::Add(qint16 step) {
    setValue(vb::add(value_, step));
}

QString Gauge::FireGoToURL(const QString& url) {
    QString target = url;
    bool cancel = false;
    emit GoToURL(target, cancel);
    return cancel ? QStringLiteral("cancelled") : target;
}

float Gauge::FireMoved(float x) {
    vb::Integer button = 1;
    vb::Single where = x;
    emit Moved(button, where);
    return where;
}

void Gauge::ReportProblem(int number) {
    reportError(vb::RuntimeError(number));
}

void Gauge::initProperties() {
    caption_ = QStringLiteral("New gauge");
    value_ = 5;
}

void Gauge::readProperties(platform::PropertyBag& bag) {
    caption_ = bag.readString(QStringLiteral("Caption"), kDefaultCaption);
    value_ = bag.readInteger(QStringLiteral("Value"), 0);
    color_ = bag.readColor(QStringLiteral("Color"), kDefaultColor);
    setFont(bag.readFont(QStringLiteral("Font"), kDefaultFont).toQFont());
}

void Gauge::writeProperties(platform::PropertyBag& bag) {
    bag.writeString(QStringLiteral("Caption"), caption_, kDefaultCaption);
    bag.writeInteger(QStringLiteral("Value"), value_, 0);
    bag.writeColor(QStringLiteral("Color"), color_, kDefaultColor);
    bag.writeFont(QStringLiteral("Font"), platform::FontRecord::fromQFont(font()), kDefaultFont);
}
